#pragma once

#include "groupset.h"
#include "models.h"

#include <QString>
#include <utility>
#include <vector>

namespace qst
{

// What the check before "Genera" requires of a model's questionnaire, as data.
struct RegoleControllo {
    // General-data fields tested for presence, in ascending order, each with the phrase that
    // names it in the message; the date parts carry no phrase and are tested as dates.
    std::vector<std::pair<int, QString>> campi;

    // Groups whose answer is not required, and groups whose note is never required.
    IndexSet saltaRisposta;
    IndexSet saltaNota;
    // A note is required with a SI answer for the groups of notaConSi, with a NO answer for
    // those of notaConNo (the items of "Dati Generali" 79 and 80 included).
    IndexSet notaConSi;
    IndexSet notaConNo;

    // Where the message box comes in the presentation of a failure: before the page and focus
    // change (true) or after it. One flag for the general data and the dates, one for an
    // unanswered question.
    bool messaggioPrimaDatiGenerali;
    bool messaggioPrimaDomande;
};

const RegoleControllo &regoleControllo(Modello m);

// The field whose emptiness the "N/A" box of the executive-committee count excuses.
inline constexpr int kCampoRiunioniNA = 65;
// The statute maximum, and the day boxes of the two dates with their month and year after them.
inline constexpr int kCampoMassimoIncarichi = 33;
inline constexpr int kGiornoInizioIncarico = 34;
inline constexpr int kGiornoChiusura = 2;
// Member grid columns the checks name: the tax code and the offices in listed companies.
inline constexpr int kColonnaCodiceFiscale = 2;
inline constexpr int kColonnaIncarichiQuotate = 5;
// The requirement item whose note explains offices beyond the statute maximum.
inline constexpr int kGruppoIncarichi = 81;

} // namespace qst
