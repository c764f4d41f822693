#pragma once

#include "groupset.h"
#include "models.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace qst
{

// How the printed form of a model differs from the other models'.
struct TabellaStampa {
    QString rigaModello;   // the line centred under the title
    IndexSet gruppiDueVie; // groups printed "Si" when ticked and "No" otherwise
    // Item 7 of the general data as fixed bold lines, the leader and answer on the last one;
    // empty where item 7 is one line built from its link caption and label.
    QStringList voceSette;
    // The answer groups whose notes print, in the order of their note numbers.
    std::vector<int> ordineNote;
};

const TabellaStampa &tabellaStampa(Modello m);

// One row of the printed boxes.
struct RigaRiquadro {
    QString riquadro; // heading of the box that this row opens on a new page; empty: none
    int q = -1;       // question label
    int k = -1;       // answer group; -1 for a heading row without answer
};

// The rows of the printed boxes of model m: every visible question label in screen order, each
// box opening a new page; a box without questions is left out.
const std::vector<RigaRiquadro> &righeRiquadri(Modello m);

} // namespace qst
