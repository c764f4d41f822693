#pragma once

#include "models.h"

#include <QString>
#include <optional>
#include <vector>

namespace qst
{

// The question catalogue of a model: the caption of LABEL_RIQUADRO(q) after the window loaded,
// or nullopt where the model has no such label. Traditional labels 77 and 78 exist with the
// empty text.
std::optional<QString> testoDomanda(Modello m, int q);

// One row of a question page, in screen order.
struct PageRow {
    int q = -1;   // question label
    int k = -1;   // answer group on the row; -1 for a heading row
    QString link; // caption of Label_NOTA(k) ("NO" for a group without a note)
    bool linkVisible = false;
    bool naVisible = false;   // Check_NA(k) shown
    bool frameHidden = false; // the answer frame is hidden (number box rows, hidden rows)
    bool labelHidden = false; // the question label is hidden (the whole row is hidden)
};

// The rows of question page `page` (1 = "Riquadro I [1/2]" .. 5 = "Riquadro III [2/2]") of
// model m, top to bottom, only the rows the model has. Page 3 of Dualistico and Monistico
// has no rows.
const std::vector<PageRow> &righePagina(Modello m, int page);

// The "N/A" box of group k is shown on its page in model m.
bool naShown(Modello m, int k);

// The caption of note link Label_NOTA(k) of model m: "Nota 1.a", "Nota 1.0.a" for the items of
// "Dati Generali", "NO" for a group without a note, the empty text for a group the model lacks.
const QString &didascaliaNota(Modello m, int k);

// Texts of the "Dati Generali" page that differ by model, and the fixed ones.
struct GeneralLabels {
    QStringList labelGenerale; // LABEL_GENERALE 0..13 (index 6 by model)
    QStringList label6;        // Label6 0..11; an empty string where the model has no label
    QStringList label6Tips;    // tool tips of Label6 0..4; empty where none
    QString labelGenerale8Tip; // "Eletto dalle minoranze"
    QString label7;            // heading of items 79 and 80
};
const GeneralLabels &etichetteGenerali(Modello m);

} // namespace qst
