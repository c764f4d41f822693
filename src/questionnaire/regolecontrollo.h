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
    // those of notaConNo (the items of "Dati Generali" 79 and 80 included). They differ from the
    // boxes' siOpening/noOpening (models.h) by those items and by group 73's NO, whose ticks open
    // no note window: the check is what asks for those notes.
    IndexSet notaConSi;
    IndexSet notaConNo;

    // Where the message box comes in the presentation of a failure: before the page and focus
    // change (true) or after it. One flag for the general data and the dates, one for an
    // unanswered question.
    bool messaggioPrimaDatiGenerali;
    bool messaggioPrimaDomande;
};

const RegoleControllo &regoleControllo(Modello m);

// Member grid columns the checks name: the tax code and the offices in listed companies.
inline constexpr int kColonnaCodiceFiscale = 2;
inline constexpr int kColonnaIncarichiQuotate = 5;
// The column of "Eletto dalle minor.", which takes "SI", "NO" or nothing.
inline constexpr int kMinorityColumn = 3;

// A text the minority column takes as an answer: "SI" or "NO" once upper-cased.
bool isSiOrNo(const QString &text);

} // namespace qst
