#pragma once

// The content of an imported version 1.1 questionnaire, without widgets: what the version 1.1
// window shows and what its printout prints. A version 1.1 file is read into it whole; the
// window and the printout only read it.
#include "contenuto.h"
#include "indices.h"

#include <QString>
#include <array>

namespace qst
{

// TEXT_GENERALE 0..36 of the version 1.1 window: company data, five member rows, the statute's
// maximum and the start of office.
inline constexpr int kV11GeneralFields = 37;
// Member rows, each with its CHECK_MINORANZE box.
inline constexpr int kV11MemberRows = 5;

namespace v11field
{
// The fields TEXT_GENERALE(i) of the version 1.1 window keep the company data, the statute maximum
// and the start of office at the indices of the questionnaire windows (field::GeneralField);
// between them stand the five member rows, one field per row in each member column, from the
// column's first index on (member()).
enum MemberColumn : int {
    MemberName = 8,     // names, rows 0..4
    MemberTaxCode = 13, // tax codes
    GroupOffices = 18,  // offices in group companies,
    ListedOffices = 23, // in listed companies,
    OtherOffices = 28,  // in other companies
};
// The field of member row `row` in `column`.
constexpr int member(MemberColumn column, int row)
{
    return column + row;
}
// Whether field i belongs to `column`.
constexpr bool inColumn(MemberColumn column, int i)
{
    return i >= column && i < column + kV11MemberRows;
}
// The three columns of offices, in the order of the window.
inline constexpr MemberColumn kOfficeColumns[] = {GroupOffices, ListedOffices, OtherOffices};
} // namespace v11field
// Answer groups 0..71, and the question labels 0..73 they stand beside.
inline constexpr int kV11Groups = 72;
inline constexpr int kV11Labels = 74;

// The caption of the version 1.1 window, before the imported file's path.
inline const QString kTitoloV11 = QStringLiteral("Varzen - Scheda riepilogativa dell'Quadrivex v. 1.1");

// A CHECK_MINORANZE box as the file gives it: the digit 0, 1 or 2.
enum class BoxState : unsigned char { Unticked = 0, Ticked = 1, Partly = 2 };

using V11Notes = std::array<QString, kV11Groups>;

struct V11Content {
    // TEXT_GENERALE(i).
    std::array<QString, kV11GeneralFields> general;
    // CHECK_MINORANZE(d), member row d + 1.
    std::array<BoxState, kV11MemberRows> minority{};
    // The boxes Check_SI(k), Check_NO(k) and Check_NA(k) of each answer group. A group that the
    // file answers twice may have two of them ticked: the boxes of the version 1.1 window never
    // untick each other.
    std::array<bool, kV11Groups> siTicked{};
    std::array<bool, kV11Groups> noTicked{};
    std::array<bool, kV11Groups> naTicked{};
    // Label_NOTA(k) is red: the file gave a note with the group's answer.
    std::array<bool, kV11Groups> redLink{};
    // The note kept with a SI answer, and the one kept with any other answer.
    V11Notes noteSiPre;
    V11Notes noteNoPre;
    // TEXT(0..2): the counts answering groups 34, 38 and 40.
    std::array<QString, kNumberBoxes> numbers;

    // The note the note window shows for group k: noteSiPre when its SI box is ticked, else
    // noteNoPre. Throws core::SchedaError (core::outOfRange()) outside 0..71.
    const QString &notaMostrata(int k) const;
};

} // namespace qst
