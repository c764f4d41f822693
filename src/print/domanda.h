#pragma once

#include "pagina.h"

#include <optional>

namespace prn
{

// Width of the text column of a question line; the rest of the page holds the answer.
inline constexpr double kLarghezzaDomanda = 174;
// Space added below every question line.
inline constexpr double kAvanzamento = 0.7;

// One row of a printed box: its text in bold, broken into justified lines of the question width,
// each line page-checked, and on the last line a dotted leader and the answer at the right
// margin. A heading row (no answer) gets no leader; on one line it is printed as it stands.
void stampaDomanda(Pagina &pagina, const QString &testo, const std::optional<QString> &risposta);

} // namespace prn
