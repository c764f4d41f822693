#pragma once

#include "pagina.h"
#include "questionnaire/contenuto.h"

#include <QString>

namespace prn
{

class Printer;

// The answer of group k as the printout shows it: the caption of the ticked box, or for the
// model's two-way groups "Si" when ticked and "No" otherwise.
QString rispostaDomanda(const qst::Contenuto &c, int k);
// The answer printed on the row of group k in a box: the number typed in TEXT(i) for the
// model's number groups, else rispostaDomanda.
QString rispostaRiga(const qst::Contenuto &c, int k);
// The caption of general-data field i for i 0 to 6, else the empty text.
QString etichettaGenerale(qst::Modello m, int i);

// Prints the questionnaire as one document on the printer and ends it. Starts on page 1 from the
// section heading and scratch text of `stato`, and leaves in `stato` where the printout ended
// (contaPagine, rigaStampa, titoloSezione, testoAppoggio), also when it stops at an error.
void stampaModulo(Printer &printer, const qst::Contenuto &c, StatoStampa &stato);

} // namespace prn
