#pragma once

// The indices of the form that the code names: the general-data fields, the answer groups with a
// rule of their own, the lengths of the two tax codes and the buttons of the button bar. Tables
// written the way the form writes them (the catalogue, the tab order, index sets such as
// "0-3, 11-16") keep their numbers.

namespace qst
{

namespace field
{
// The general-data fields TEXT_GENERALE(i), by index; the indices between them name no field.
enum GeneralField : int {
    CompanyName = 0,
    CompanyTaxCode = 1,
    ClosingDay = 2, // the financial year's closing date: day, month, year
    ClosingMonth = 3,
    ClosingYear = 4,
    ContactAddress = 5,
    ContactPhone = 6,
    ContactEmail = 7,
    MaxOffices = 33,     // the maximum number of offices the articles allow
    OfficeStartDay = 34, // the start of office: day, month, year
    OfficeStartMonth = 35,
    OfficeStartYear = 36,
    BodyMeetings = 62,               // the meeting counts of the year: the control body's,
    ShareholderMeetings = 63,        // the shareholders' meetings,
    BoardMeetings = 64,              // the board's,
    ExecutiveCommitteeMeetings = 65, // the executive committee's (not in Dualistico)
};
} // namespace field

// The question answered "Adeguata" or "Inadeguata" in place of "Si" and "No".
inline constexpr int kAdequacyGroup = 7;
// The requirement items of "Dati Generali" (notes "Nota 1.0.a", "Nota 1.0.b", "Nota 1.0.c"): the
// answer groups from kFirstItemGroup on are items, the ones below it questions.
inline constexpr int kFirstItemGroup = 79;
inline constexpr int kSecondItemGroup = 80;
// The item whose note explains offices beyond the articles' maximum.
inline constexpr int kOfficesItemGroup = 81;

inline bool isItemGroup(int k)
{
    return k >= kFirstItemGroup;
}

// The lengths of the company's tax code and of a member's.
inline constexpr int kCompanyTaxCodeLength = 11;
inline constexpr int kMemberTaxCodeLength = 16;

// The buttons of the button bar, Command_Function(index).
enum class CommandButton : int { Stampa = 0, SalvaTemp = 1, Leggi = 2, Genera = 3, Esci = 4 };
inline constexpr int kCommandButtons = 5;

} // namespace qst
