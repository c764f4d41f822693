#include "modelmodule.h"

#include "core/error.h"
#include "membersgrid.h"
#include "notelink.h"
#include "notewindow.h"
#include "platform/trayicon.h"
#include "questionnaire/catalogue.h"
#include "questionnairewindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>

namespace win
{

using platform::Answer;

ModelModule::ModelModule(qst::Modello m, platform::Platform p) : platform(p), table_(qst::modelTable(m))
{
}

ModelModule::~ModelModule() = default;

QuestionnaireWindow &ModelModule::window()
{
    if (!window_) {
        window_ = std::make_unique<QuestionnaireWindow>(*this);
        window_->Form_Load();
    }
    return *window_;
}

NoteWindow &ModelModule::noteWindow()
{
    if (!noteWindow_)
        noteWindow_ = new NoteWindow(*this, &window());
    return *noteWindow_;
}

NoteWindow *ModelModule::loadedNoteWindow() const
{
    return noteWindow_.data();
}

bool ModelModule::salvaScheda(bool genera)
{
    return commands_ ? commands_->salvaScheda(genera) : false;
}

void ModelModule::apriScheda()
{
    if (commands_)
        commands_->apriScheda();
}

void ModelModule::stampaScheda()
{
    if (commands_)
        commands_->stampaScheda();
}

Answer ModelModule::chiediSalvataggio()
{
    return platform.dialogs.message(platform::BoxRequest{qst::unsavedEditsText(), qst::kUnsavedEditsTitle,
                                                         platform::Buttons::YesNoCancel,
                                                         platform::Icon::Information, 1});
}

void ModelModule::terminaProcesso()
{
    if (window_ && window_->trayIcon())
        window_->trayIcon()->remove();
    platform.system.endProcess();
}

void ModelModule::esciProgramma()
{
    if (state.salvato) {
        terminaProcesso();
        return;
    }
    // The pending exit lives only as long as this command.
    const QScopedValueRollback pending(state.uscitaRichiesta, true);

    switch (chiediSalvataggio()) {
    case Answer::Yes:
        // With the exit pending, a save that writes the file ends the process itself.
        salvaScheda(false);
        break;
    case Answer::No:
        terminaProcesso();
        break;
    default:
        break;
    }
}

void ModelModule::impostaDomande()
{
    QuestionnaireWindow &w = window();
    for (int q = 0; q < qst::kLabels; ++q) {
        if (!w.LABEL_RIQUADRO[static_cast<size_t>(q)])
            continue;
        if (const auto text = qst::testoDomanda(modello(), q))
            w.LABEL_RIQUADRO[static_cast<size_t>(q)]->setText(*text);
    }
}

bool ModelModule::notaApribile(int k) const
{
    const QuestionnaireWindow *w = window_.get();
    if (!w || k < 0 || k >= qst::kGroups)
        throw core::outOfRange();
    const size_t i = static_cast<size_t>(k);
    if (w->Label_NOTA[i] && w->Label_NOTA[i]->isRed())
        return true;
    const bool si = w->Check_SI[i] && w->Check_SI[i]->isChecked();
    const bool no = w->Check_NO[i] && w->Check_NO[i]->isChecked();
    return (table_.siLink.contains(k) && si) || (table_.noLink.contains(k) && no) ||
           (table_.siOrNoLink.contains(k) && (si || no));
}

bool ModelModule::membroCompilato(int row) const
{
    const QuestionnaireWindow *w = window_.get();
    if (!w)
        return false;
    for (int c = 1; c <= table_.lastDataColumn(); ++c)
        if (!w->MSHFlexGrid1->textMatrix(row, c).isEmpty())
            return true;
    return false;
}

void ModelModule::segnaModifica(qst::Evento e)
{
    const qst::EffettoModifica effect = qst::effettoModifica(e);
    if (effect.skippedWhileLoading && state.inCaricamento)
        return;
    if (effect.clearsSalvato)
        state.salvato = false;
    if (effect.disablesLeggi && window_ && window_->Command_Function[2])
        window_->Command_Function[2]->setEnabled(false);
}

} // namespace win
