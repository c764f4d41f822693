#pragma once

// Questionnaires for the tests, built as content values without a window, and their description.
#include "questionnaire/contenuto.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace prn
{
class RecordingPrinter;
}

namespace testing
{

// Texts of the check's messages that several suites look for: the end of a failure's message,
// the question about note "Nota 1.0.c", a wrong date.
extern const QString kPrima;
extern const QString kDomanda81;
extern const QString kData;

// Model names for data-driven tests.
const char *modelName(qst::Modello m);
// The models' short names, in the order of qst::Modello, as the files of tests/data use them
// ("lettura_trad.xml", ...).
inline constexpr const char *const kSigle[] = {"trad", "dual", "mon"};

// A file of tests/data.
QByteArray testData(const QString &name);

// Member row r filled in every data column, the rows before it added where missing.
void fillMember(qst::Contenuto &c, int r);

// A questionnaire that passes the check before "Genera": every group answered SI with its note,
// the number boxes filled, three complete members.
qst::Contenuto complete(qst::Modello m);

// A questionnaire with every field, answer and note filled, and `rows` member rows whose notes
// are `noteLength` characters long where they are long. The company name and the first note
// are a non-breaking space, the second member's name an ideographic space.
qst::Contenuto full(qst::Modello m, int rows, int noteLength);

// A note of `length` characters (one sentence for 0) that names `title`.
QString sampleNote(const QString &title, int length);

// A whole questionnaire as the printout tests want it: general data; `members` filled member
// rows, the second with its requirements note; every group answered "Si" but 80, with a note
// behind every visible link.
qst::Contenuto printable(qst::Modello m, int members, int noteLength = 0);

// Every part of a content value that holds something, one sorted line each; line breaks shown
// as \r and \n.
QStringList describe(const qst::Contenuto &c);

// The printed lines: the items of one page and one Y joined, a run of dots or rule shown as
// "..." or "___"; on the pages after the first, what stands above `furniture` (the number, the
// heading and the rule at the top of a continuation page) left out.
QStringList printedLines(const prn::RecordingPrinter &p, double furniture = 11);

// The row texts of the printed boxes, with their answers, in order.
QStringList boxRows(const qst::Contenuto &c);

} // namespace testing
