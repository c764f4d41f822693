#pragma once

// The check a questionnaire passes before "Genera" writes its final file, on a content value:
// what it finds, and how a window should show it. It sees no widget.
#include "contenuto.h"

#include <QString>
#include <functional>
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

// Asks the user about note "Nota 1.0.c" on a Question finding: the questionnaire's content after
// the answer (with whatever note the user wrote), or nullopt when the user declined.
using OfficesNoteQuestion = std::function<std::optional<Contenuto>(const Finding &question)>;

// The whole check before "Genera", the one driver of it: the general data, the members, every
// answer and note, the two dates, the statute maximum, then the offices of each member row
// against it. Every finding goes to `show`, in order: a wrong date is shown and the check goes on
// with its result failed; any other failure ends it. Offices beyond the maximum go to `ask`: a
// declined question, or a note still missing after it, ends the check with its finding; a note
// written lets the check go on with the next row. True when the questionnaire may be generated.
bool runCheck(const Contenuto &c, const std::function<void(const Finding &)> &show,
              const OfficesNoteQuestion &ask);

// A day, month and year that form a real date: one or two digits, one or two, exactly four.
bool validDate(const QString &giorno, const QString &mese, const QString &anno);
// A number of digits only that fits a 16-bit integer; nullopt for anything else.
std::optional<int> smallInteger(const QString &text);

} // namespace qst
