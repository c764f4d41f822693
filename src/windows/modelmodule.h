#pragma once

#include "commands.h"
#include "platform/dialogs.h"
#include "questionnaire/models.h"
#include "questionnaire/modelstate.h"

#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

namespace win
{

class QuestionnaireWindow;
class NoteWindow;

// The procedure module of one governance model: its state, its window (created on first use)
// and the procedures that work on them. The application owns one per model.
class ModelModule
{
public:
    ModelModule(qst::Modello m, platform::Platform platform);
    ~ModelModule();
    ModelModule(const ModelModule &) = delete;
    ModelModule &operator=(const ModelModule &) = delete;

    const qst::ModelTable &table() const { return table_; }
    qst::Modello modello() const { return table_.modello; }
    const qst::ModelState &state() const { return state_; }
    platform::Platform platform() const { return platform_; }

    // What the commands and the tests change in the state. The rules of the windows room reach
    // the whole state through editingState (editingstate.h).
    void setSalvato(bool salvato);
    // The name the file dialog gave, and the file's name without its folder once it is written.
    void setNomeFile(const QString &nomeFile);
    void setNomeBreve(const QString &nomeBreve);
    void setUscitaRichiesta(bool uscitaRichiesta);
    void setUltimoTabIndex(std::optional<int> ultimoTabIndex);
    // The print state a printout leaves with the model.
    void setStatoStampa(long contaPagine, std::optional<double> rigaStampa, const QString &titoloSezione,
                        const QString &testoAppoggio);
    // The notes of answer group k in `noteSi` and `noteNo`.
    void setNote(int k, const QString &si, const QString &no);
    // `inCaricamento` and `bloccaNota` together, as applicaContenuto holds them while it fills
    // the window.
    void setLoading(bool loading);
    // The note window's member mode.
    void setNotaGriglia(bool notaGriglia);

    // The model's single questionnaire window; the first call creates and loads it.
    QuestionnaireWindow &window();
    QuestionnaireWindow *loadedWindow() const { return window_.get(); }
    // The model's note window, created on first use and then only hidden and shown again.
    NoteWindow &noteWindow();
    NoteWindow *loadedNoteWindow() const;

    void setCommands(SchedaCommands *commands) { commands_ = commands; }

    // Commands reached from the button bar and the tray menu.
    bool salvaScheda(bool genera);
    void apriScheda();
    void stampaScheda();
    void esciProgramma();

    // Applies the edit rule of an event: clears `salvato` and disables "Leggi" as the rule says.
    void segnaModifica(qst::Evento e);
    // Removes the tray icon and ends the process.
    void terminaProcesso();
    // Asks the unsaved-edits question.
    platform::Answer chiediSalvataggio();

private:
    friend qst::ModelState &editingState(ModelModule &module);

    qst::ModelState state_;
    platform::Platform platform_;
    const qst::ModelTable &table_;
    SchedaCommands *commands_ = nullptr;
    std::unique_ptr<QuestionnaireWindow> window_;
    // Owned by the questionnaire window, for which it stays in front.
    QPointer<NoteWindow> noteWindow_;
};

} // namespace win
