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
    QString rigaModello;           // the line centred under the title
    IndexSet gruppiDueVie;         // groups printed "Si" when ticked and "No" otherwise
    std::vector<int> gruppiNumero; // groups answered by the number boxes TEXT(0), TEXT(1), ...
    // Item 7 of the general data as fixed bold lines, the leader and answer on the last one;
    // empty where item 7 is one line built from its link caption and label.
    QStringList voceSette;
};

const TabellaStampa &tabellaStampa(Modello m);

} // namespace qst
