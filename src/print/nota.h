#pragma once

#include "pagina.h"

namespace prn
{

// Width of a note line.
inline constexpr double kLarghezzaNota = 195;

// One note: its title in bold at x 5, then its text, not bold. A text that fits in the note
// width prints line by line; a wider one is wrapped into justified lines, its line breaks
// kept. Every line is page-checked.
void stampaNota(Pagina &pagina, const QString &titolo, const QString &testo);

} // namespace prn
