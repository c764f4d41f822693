#include "answers.h"

#include "controls.h"
#include "core/error.h"
#include "editingstate.h"
#include "modelmodule.h"
#include "notelink.h"
#include "notewindow.h"
#include "questionnaire/indices.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

namespace win
{

namespace
{

void untick(QCheckBox *box)
{
    if (box)
        box->setChecked(false);
}

} // namespace

AnswerRules::AnswerRules(AnswerControls &controls, ModelModule &module) : w_(controls), m_(module)
{
}

void AnswerRules::connectControls()
{
    for (int k = 0; k < qst::kGroups; ++k) {
        const size_t i = static_cast<size_t>(k);
        if (QCheckBox *b = w_.Check_SI[i])
            connect(b, &QCheckBox::toggled, this, [this, k] { Check_SI_Click(k); });
        if (QCheckBox *b = w_.Check_NO[i])
            connect(b, &QCheckBox::toggled, this, [this, k] { Check_NO_Click(k); });
        if (QCheckBox *b = w_.Check_NA[i])
            connect(b, &QCheckBox::toggled, this, [this, k] { Check_NA_Click(k); });
        if (NoteLink *l = w_.Label_NOTA[i])
            connect(l, &NoteLink::clicked, this, [this, k] { Label_NOTA_Click(k); });
    }
}

void AnswerRules::trapping(const std::function<void()> &procedure)
{
    platform::trapErrors(m_.platform().dialogs, procedure);
}

NoteLink &AnswerRules::link(int k) const
{
    if (k < 0 || k >= qst::kGroups || !w_.Label_NOTA[static_cast<size_t>(k)])
        throw core::outOfRange();
    return *w_.Label_NOTA[static_cast<size_t>(k)];
}

QCheckBox *AnswerRules::box(const std::array<QCheckBox *, qst::kGroups> &boxes, int k) const
{
    if (k < 0 || k >= qst::kGroups)
        throw core::outOfRange();
    return boxes[static_cast<size_t>(k)];
}

void AnswerRules::apriNota()
{
    // Every opener works in question mode: a member's flag left over must not redirect the note.
    m_.setNotaGriglia(false);
    m_.platform().dialogs.execModal(m_.noteWindow());
}

void AnswerRules::Check_SI_Click(int k)
{
    trapping([this, k] { clickSi(k); });
}

void AnswerRules::Check_NO_Click(int k)
{
    trapping([this, k] { clickNo(k); });
}

void AnswerRules::Check_NA_Click(int k)
{
    trapping([this, k] { clickNa(k); });
}

void AnswerRules::Label_NOTA_Click(int k)
{
    trapping([this, k] { clickLink(k); });
}

void AnswerRules::clickSi(int k)
{
    qst::ModelState &s = editingState(m_);
    QCheckBox *si = box(w_.Check_SI, k);
    NoteLink &nota = link(k);
    if (!si)
        throw core::outOfRange();

    s.notaGriglia = false;
    m_.segnaModifica(qst::Evento::CheckClick);
    s.indiceNota = k;

    // A withdrawn SI answer takes its note with it.
    if (!si->isChecked() && nota.isRed()) {
        s.noteSi.set(k, QString());
        nota.setForeColor(kColorBlack);
        m_.noteWindow().TEXT_NOTE->clear();
        return;
    }
    if (s.inCaricamento)
        return;

    const QScopedValueRollback guard(inClickSi_, true);
    const bool nowTicked = si->isChecked();
    if (nowTicked && m_.table().siOpening.contains(k) && !s.bloccaNota && !inClickNo_) {
        untick(box(w_.Check_NO, k));
        untick(box(w_.Check_NA, k));
        apriNota();
    } else if (nowTicked && qst::isItemGroup(k)) {
        apriNota();
    }
    if (!qst::isItemGroup(k) && !inClickNo_ && !inClickNa_) {
        untick(box(w_.Check_NO, k));
        untick(box(w_.Check_NA, k));
    }
}

void AnswerRules::clickNo(int k)
{
    qst::ModelState &s = editingState(m_);
    QCheckBox *no = box(w_.Check_NO, k);
    NoteLink &nota = link(k);
    if (!no)
        throw core::outOfRange();

    m_.segnaModifica(qst::Evento::CheckClick);
    s.indiceNota = k;

    // A withdrawn NO answer takes its note with it.
    if (!no->isChecked() && nota.isRed()) {
        s.noteNo.set(k, QString());
        nota.setForeColor(kColorBlack);
        return;
    }
    if (s.inCaricamento)
        return;

    const QScopedValueRollback guard(inClickNo_, true);
    // A link hidden on purpose (a group without a note) never opens the note window; isHidden()
    // is the link's own visibility, whatever page is showing.
    if (no->isChecked() && !nota.isHidden() && !inClickSi_ && !s.bloccaNota &&
        m_.table().noOpening.contains(k)) {
        untick(box(w_.Check_SI, k));
        untick(box(w_.Check_NA, k));
        apriNota();
    }
    if (!inClickSi_ && !inClickNa_) {
        untick(box(w_.Check_SI, k));
        untick(box(w_.Check_NA, k));
    }
}

void AnswerRules::clickNa(int k)
{
    QCheckBox *na = box(w_.Check_NA, k);
    if (!na)
        throw core::outOfRange();

    m_.segnaModifica(qst::Evento::CheckClick);
    if (m_.state().inCaricamento)
        return;

    const QScopedValueRollback guard(inClickNa_, true);
    if (!inClickSi_ && !inClickNo_) {
        untick(box(w_.Check_SI, k));
        untick(box(w_.Check_NO, k));
    }
}

void AnswerRules::clickLink(int k)
{
    link(k); // the index must name a link of this window
    // Every click clears `salvato`; "Leggi" goes only once the note window has been shown.
    m_.segnaModifica(qst::Evento::NoteLinkClickRefused);
    editingState(m_).indiceNota = k;
    if (!notaApribile(k))
        return;
    apriNota();
    m_.segnaModifica(qst::Evento::NoteLinkClickOpened);
}

bool AnswerRules::notaApribile(int k) const
{
    const NoteLink &nota = link(k);
    if (nota.isRed())
        return true;
    const QCheckBox *si = box(w_.Check_SI, k);
    const QCheckBox *no = box(w_.Check_NO, k);
    const bool siTicked = si && si->isChecked();
    const bool noTicked = no && no->isChecked();
    const qst::ModelTable &t = m_.table();
    return (t.siLink.contains(k) && siTicked) || (t.noLink.contains(k) && noTicked) ||
           (t.siOrNoLink.contains(k) && (siTicked || noTicked));
}

} // namespace win
