#include "modelmodule.h"

#include "controls.h"
#include "editingstate.h"
#include "notewindow.h"
#include "platform/trayicon.h"
#include "questionnaire/catalogue.h"
#include "questionnairewindow.h"

#include <QScopedValueRollback>

namespace win
{

using platform::Answer;

ModelModule::ModelModule(qst::Modello m, platform::Platform p) : platform_(p), table_(qst::modelTable(m))
{
}

qst::ModelState &editingState(ModelModule &module)
{
    return module.state_;
}

void ModelModule::setSalvato(bool salvato)
{
    state_.salvato = salvato;
}

void ModelModule::setNomeFile(const QString &nomeFile)
{
    state_.nomeFile = nomeFile;
}

void ModelModule::setNomeBreve(const QString &nomeBreve)
{
    state_.nomeBreve = nomeBreve;
}

void ModelModule::setUscitaRichiesta(bool uscitaRichiesta)
{
    state_.uscitaRichiesta = uscitaRichiesta;
}

void ModelModule::setUltimoTabIndex(std::optional<int> ultimoTabIndex)
{
    state_.ultimoTabIndex = ultimoTabIndex;
}

void ModelModule::setStatoStampa(long contaPagine, std::optional<double> rigaStampa,
                                 const QString &titoloSezione, const QString &testoAppoggio)
{
    state_.contaPagine = contaPagine;
    state_.rigaStampa = rigaStampa;
    state_.titoloSezione = titoloSezione;
    state_.testoAppoggio = testoAppoggio;
}

void ModelModule::setNote(int k, const QString &si, const QString &no)
{
    state_.noteSi.set(k, si);
    state_.noteNo.set(k, no);
}

void ModelModule::setLoading(bool loading)
{
    state_.inCaricamento = state_.bloccaNota = loading;
}

void ModelModule::setNotaGriglia(bool notaGriglia)
{
    state_.notaGriglia = notaGriglia;
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
    if (!noteWindow_) {
        QuestionnaireWindow &w = window();
        noteWindow_ = new NoteWindow(*this, controls(w), *controls(w).MSHFlexGrid1, &w);
    }
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
    return platform_.dialogs.message(platform::BoxRequest{qst::unsavedEditsText(), qst::kUnsavedEditsTitle,
                                                          platform::Buttons::YesNoCancel,
                                                          platform::Icon::Information, 1});
}

void ModelModule::terminaProcesso()
{
    if (window_ && window_->trayIcon())
        window_->trayIcon()->remove();
    platform_.system.endProcess();
}

void ModelModule::esciProgramma()
{
    if (state_.salvato) {
        terminaProcesso();
        return;
    }
    // The pending exit lives only as long as this command.
    const QScopedValueRollback pending(state_.uscitaRichiesta, true);

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

void ModelModule::segnaModifica(qst::Evento e)
{
    const qst::EffettoModifica effect = qst::effettoModifica(e);
    if (effect.clearsSalvato)
        state_.salvato = false;
    if (effect.disablesLeggi && window_)
        window_->setLeggiEnabled(false);
}

} // namespace win
