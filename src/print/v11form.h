#pragma once

// The printed form of an imported version 1.1 questionnaire: four numbered pages (general data
// with the five members, then the three boxes) and the notes after them.
#include "questionnaire/v11content.h"

#include <QString>

namespace prn
{

class Pagina;
class Printer;

// The answer of group k (0..71) as the version 1.1 printout shows it: the caption of the ticked
// box, looked for in the order "No", "Si", "N/A"; the empty text when none is ticked.
QString rispostaPre(const qst::V11Content &c, int k);
// The caption of general-data item i: LABEL_GENERALE(i) for i 0-6 and 10-16, the statute maximum's
// (10) for 33 and the start of office's (11) for 34; else the empty text.
QString etichettaGeneralePre(int i);

// The three boxes, each from a numbered page of its own (2, 3, 4), one question line a question.
void stampaRiquadriPre(Pagina &pg, const qst::V11Content &c);
// The notes: the heading "Note" at the top of the current page, then the note of every red link
// in the order of the links, each wrapped to the note width.
void stampaNotePre(Pagina &pg, const qst::V11Content &c);

// Prints the version 1.1 form of `c` as one document on the printer and ends it.
void printV11Form(Printer &printer, const qst::V11Content &c);

} // namespace prn
