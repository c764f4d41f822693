#pragma once

// The questionnaires the benchmark measures, built without a window.
#include "questionnaire/contenuto.h"
#include "questionnaire/v11content.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace bench
{

// The longest note the note window takes.
inline constexpr int kNoteLimit = 65000;

// A note of exactly `length` characters: Italian sentences with accented letters, "<", "&" and
// ">", a line break (CR LF) after every few sentences. `seed` varies the text.
QString noteText(int length, int seed);

// A questionnaire of model m that passes the check before "Genera": the general data, `members`
// member rows each with a requirements note of `noteLength` characters, every answer that the
// file keeps given and every note of `noteLength` characters. Its file reads back as itself.
qst::Contenuto questionnaire(qst::Modello m, int noteLength, int members);

// What a version 1.1 file of the benchmark gives, besides its answers and notes: the general
// data (company, five members, statute maximum and start of office), the minority boxes and the
// number boxes.
struct V11Fields {
    std::array<QString, qst::kV11GeneralFields> general;
    std::array<qst::BoxState, qst::kV11MemberRows> minority{};
    std::array<QString, qst::kNumberBoxes> numbers;
};
V11Fields v11Fields();
// The answer word of group k in that file: "Si", "No" or "Adeguata".
QString v11Word(int k);

// A version 1.1 file (UTF-8) with v11Fields(), every group answered with v11Word() and every note
// noteText(noteLength, group).
QByteArray v11File(int noteLength);

} // namespace bench
