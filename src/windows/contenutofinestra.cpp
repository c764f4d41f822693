#include "contenutofinestra.h"

#include "controls.h"
#include "core/error.h"
#include "editingstate.h"
#include "membersgrid.h"
#include "modelmodule.h"
#include "notelink.h"
#include "questionnaire/indices.h"
#include "questionnairewindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace win
{

namespace
{

bool ticked(const QCheckBox *box)
{
    return box && box->isChecked();
}

void setTicked(QCheckBox *box, bool value)
{
    if (box)
        box->setChecked(value);
}

// A value wider than its box is shown from its first character.
void setValue(QLineEdit *box, const QString &value)
{
    box->setText(value);
    box->setCursorPosition(0);
}

} // namespace

qst::Contenuto leggiContenuto(const ModelModule &module)
{
    if (!module.loadedWindow())
        throw core::outOfRange();
    const Controls *w = &controls(*module.loadedWindow());
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
    c.noteSi = module.state().noteSi;
    c.noteNo = module.state().noteNo;
    return c;
}

void applicaContenuto(ModelModule &module, const qst::Contenuto &c)
{
    if (c.modello != module.modello())
        throw core::outOfRange();
    QuestionnaireWindow &window = module.window();
    Controls &w = controls(window);
    qst::ModelState &s = editingState(module);
    const QScopedValueRollback loading(s.inCaricamento, true);
    const QScopedValueRollback noNote(s.bloccaNota, true);

    // The "N/A" box first: ticked, it empties and locks the executive committee's count.
    setTicked(w.chk_RiunioniNA, c.riunioniNA);
    for (size_t i = 0; i < w.TEXT_GENERALE.size(); ++i)
        if (QLineEdit *field = w.TEXT_GENERALE[i];
            field && !(i == qst::field::ExecutiveCommitteeMeetings && c.riunioniNA && w.chk_RiunioniNA))
            setValue(field, c.generale[i]);
    for (size_t i = 0; i < w.TEXT.size(); ++i)
        if (QLineEdit *box = w.TEXT[i])
            setValue(box, c.numeri[i]);

    MembersGrid &grid = *w.MSHFlexGrid1;
    grid.clearAll();
    window.setGriglia();
    while (static_cast<size_t>(w.righeGriglia) < c.membri.size()) {
        ++w.righeGriglia;
        grid.addItem(QString::number(w.righeGriglia));
    }
    for (size_t r = 0; r < c.membri.size(); ++r)
        for (int col = 1; col < c.membri[r].size() && col < grid.columnCount(); ++col)
            grid.setTextMatrix(static_cast<int>(r), col, c.membri[r][col]);

    // Each group's other boxes are unticked before its answer is ticked, and the link painted
    // after, so no click procedure sees a red link on a box it does not untick.
    for (size_t k = 0; k < qst::kGroups; ++k) {
        const qst::Risposta r = c.risposte[k];
        const std::pair<QCheckBox *, qst::Risposta> boxes[] = {{w.Check_SI[k], qst::Risposta::Si},
                                                               {w.Check_NO[k], qst::Risposta::No},
                                                               {w.Check_NA[k], qst::Risposta::NA}};
        for (const auto &[box, answer] : boxes)
            if (answer != r)
                setTicked(box, false);
        for (const auto &[box, answer] : boxes)
            if (answer == r)
                setTicked(box, true);
        if (NoteLink *link = w.Label_NOTA[k])
            link->setForeColor(c.notaRossa[k] ? kColorRed : kColorBlack);
    }
    s.noteSi = c.noteSi;
    s.noteNo = c.noteNo;
}

} // namespace win
