#include "contenutofinestra.h"

#include "core/error.h"
#include "membersgrid.h"
#include "modelmodule.h"
#include "notelink.h"
#include "questionnairewindow.h"

#include <QCheckBox>
#include <QLineEdit>

namespace win
{

namespace
{

bool ticked(const QCheckBox *box)
{
    return box && box->isChecked();
}

} // namespace

qst::Contenuto leggiContenuto(const ModelModule &module)
{
    const QuestionnaireWindow *w = module.loadedWindow();
    if (!w)
        throw core::outOfRange();
    qst::Contenuto c(module.modello());

    for (size_t i = 0; i < w->TEXT_GENERALE.size(); ++i)
        if (const QLineEdit *field = w->TEXT_GENERALE[i])
            c.generale[i] = field->text();
    c.riunioniNA = ticked(w->chk_RiunioniNA);
    for (size_t i = 0; i < w->TEXT.size(); ++i)
        if (const QLineEdit *box = w->TEXT[i])
            c.numeri[i] = box->text();

    const MembersGrid &grid = *w->MSHFlexGrid1;
    const int columns = module.table().gridColumns;
    c.membri.clear();
    c.membri.reserve(static_cast<size_t>(w->righeGriglia));
    for (int r = 0; r < w->righeGriglia; ++r) {
        QStringList cells;
        cells.reserve(columns);
        for (int col = 0; col < columns; ++col)
            cells << grid.textMatrix(r, col);
        c.membri.push_back(std::move(cells));
    }

    for (int k = 0; k < qst::kGroups; ++k) {
        const size_t i = static_cast<size_t>(k);
        if (ticked(w->Check_SI[i]))
            c.risposte[i] = qst::Risposta::Si;
        else if (ticked(w->Check_NO[i]))
            c.risposte[i] = qst::Risposta::No;
        else if (ticked(w->Check_NA[i]))
            c.risposte[i] = qst::Risposta::NA;
        c.notaRossa[i] = w->Label_NOTA[i] && w->Label_NOTA[i]->isRed();
    }
    c.noteSi = module.state.noteSi;
    c.noteNo = module.state.noteNo;
    return c;
}

} // namespace win
