#pragma once

// The questionnaires the benchmark measures, built without a window.
#include "questionnaire/contenuto.h"

#include <QByteArray>
#include <QString>

namespace bench
{

// The longest note the note window takes.
inline constexpr int kNoteLimit = 65000;

// A note of exactly `length` characters: Italian sentences with accented letters, "<", "&" and
// ">", a line break (CR LF) after every few sentences. `seed` varies the text.
QString noteText(int length, int seed);

// A questionnaire of model m that passes the check before "Genera": the general data, `members`
// member rows each with a requirements note of `noteLength` characters, every answer given and
// every note of `noteLength` characters.
qst::Contenuto questionnaire(qst::Modello m, int noteLength, int members);

// A version 1.1 file (UTF-8) with its general data, five members, every group answered and
// every note of `noteLength` characters.
QByteArray v11File(int noteLength);

} // namespace bench
