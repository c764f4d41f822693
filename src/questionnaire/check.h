#pragma once

// The check a questionnaire passes before "Genera" writes its final file, on a content value:
// what it finds, and how a window should show it. It sees no widget.
#include "contenuto.h"

#include <QString>
#include <optional>
#include <vector>

namespace qst
{

// The control a finding moves the focus to.
struct FocusTarget {
    enum class Kind { None, Field, Grid, Answer, NumberBox };
    Kind kind = Kind::None;
    // TEXT_GENERALE(index), Check_SI(index) or TEXT(index).
    int index = -1;
    // The grid cell to select; -1 selects none.
    int row = -1;
    int column = -1;

    bool operator==(const FocusTarget &) const = default;
};

// The icon of a finding's message box.
enum class FindingIcon { Critical, Exclamation };

// One thing the check before "Genera" found, and how the window shows it.
struct Finding {
    enum class Kind {
        Stop,     // a failure that ends the check
        Continue, // a wrong date: shown, and the check goes on with its result failed
        Question, // offices beyond the statute maximum: ask whether to write note "Nota 1.0.c"
    };
    Kind kind = Kind::Stop;
    // The message; empty when none is shown. Lines break at '\n'.
    QString text{};
    QString title{};
    FindingIcon icon = FindingIcon::Critical;
    FocusTarget focus{};
    // The tab page to select; -1 leaves the page as it is.
    int page = -1;
    // The message comes before the page and the focus change, or after them.
    bool messageFirst = false;
    // Question: the member row whose offices exceed the maximum.
    int row = -1;
};

// Caption of the tab page of answer group k.
QString nomeRiquadro(int k);

// Steps up to the statute maximum: the general data, the members, every answer and note, the
// two dates and the statute maximum. The dates' findings come first (each is shown and the
// check goes on); the last finding, when it is a failure, ends the check.
std::vector<Finding> checkData(const Contenuto &c);

// The offices in listed companies of member rows `fromRow` onwards against the statute maximum:
// nothing when they pass, a failure, or the question about note "Nota 1.0.c" on the first row
// that exceeds it. Run only after checkData found no failure that ends the check.
std::optional<Finding> checkOffices(const Contenuto &c, int fromRow = 0);

// Every finding of a questionnaire, as far as the check runs without asking the user: those of
// checkData, then, unless one of them ends the check, that of checkOffices.
std::vector<Finding> checkContent(const Contenuto &c);

// Note k is present: its link is red and the note kept with the ticked answer holds text.
bool notePresent(const Contenuto &c, int k);
// The failure of a required note that is missing.
Finding missingNote(const Contenuto &c, int k);
// The user declined to write note "Nota 1.0.c": back to the statute maximum.
Finding noteDeclined();

// A day, month and year that form a real date: one or two digits, one or two, exactly four.
bool validDate(const QString &giorno, const QString &mese, const QString &anno);
// A number of digits only that fits a 16-bit integer; nullopt for anything else.
std::optional<int> smallInteger(const QString &text);

} // namespace qst
