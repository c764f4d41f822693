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

// The version 1.1 form: the traditional catalogue for labels 0..73 and groups 0..71, with the
// texts, note links and "N/A" boxes that the earlier form had of its own.

// The caption of LABEL_RIQUADRO(q), q = 0..73, of the version 1.1 window; nullopt outside.
std::optional<QString> v11QuestionText(int q);
// The rows of question page `page` (1..5) of the version 1.1 window, top to bottom: labels
// 0-16, 17-33, 34-49, 50-63 and 64-73. Rows 36, 40 and 42 (groups 34, 38, 40) have their frame
// hidden: the number boxes TEXT(0..2) stand there.
const std::vector<PageRow> &v11PageRows(int page);
// The caption of Label_NOTA(k), k = 0..71, of the version 1.1 window ("NO" for a group without
// a note); the empty text outside.
const QString &v11NoteCaption(int k);
// The captions of LABEL_GENERALE 0..16 of the version 1.1 window: 0-5 the company data, 6 the
// heading of the members, 7-9 the row labels ("Pres.", then two empty ones), 10 the statute's
// maximum, 11 the start of office, 12-16 the column headings of the member rows.
const QStringList &v11GeneralLabels();

} // namespace qst
