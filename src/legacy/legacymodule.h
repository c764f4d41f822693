#pragma once

// The version 1.1 questionnaire: the import of a version 1.1 file, the window that shows it and
// its note window. Nothing of it is ever saved.
#include "platform/dialogs.h"
#include "questionnaire/v11content.h"

#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

namespace win
{
class ModelModule;
}

namespace legacy
{

class LegacyWindow;
class LegacyNoteWindow;

// The version 1.1 procedure module (Function_Pre): its state, the version 1.1 window `Main`
// (created by the first import that succeeds, created anew after its close box) and the note
// window `Nota`. The traditional model's module is the one whose window `Main` stands in for.
class LegacyModule
{
public:
    // `cartella` is the program's folder: a file inside it is named by its relative path.
    LegacyModule(win::ModelModule &tradizionale, platform::Platform platform, QString cartella);
    ~LegacyModule();
    LegacyModule(const LegacyModule &) = delete;
    LegacyModule &operator=(const LegacyModule &) = delete;

    platform::Platform platform() const { return platform_; }

    // The imported questionnaire: what `Main` shows, its notes (noteSiPre, noteNoPre) and what
    // its printout prints.
    const qst::V11Content &content() const { return contenuto_; }
    // TabIndex of the general-data field of `Main` that last lost the focus; nullopt when `Main`
    // has just loaded; 1 after a print.
    std::optional<int> ultimoTabIndexPre() const { return ultimoTabIndexPre_; }
    void setUltimoTabIndexPre(std::optional<int> tabIndex) { ultimoTabIndexPre_ = tabIndex; }
    // The answer group whose note the note window shows.
    int indiceNotaPre() const { return indiceNotaPre_; }
    void setIndiceNotaPre(int k) { indiceNotaPre_ = k; }

    // Imports the version 1.1 file `nomeFile` into `Main`. The whole file is read first: a
    // missing file brings the traditional window back (also from the notification area), then
    // gives its message and false; a file that breaks the layout throws core::SchedaError;
    // either way nothing else has changed. On success `Main` is created when needed, cleared,
    // filled and captioned, the traditional window is hidden, and true is returned: the caller
    // shows `Main` (showMain).
    bool importaSchedaV11(const QString &nomeFile);
    // Shows `Main` with its icon in the notification area.
    void showMain();
    // Clears `Main` and the note tables: nothing of an earlier import survives.
    void azzeraMain();
    // "Esci": hides `Main` and its tray icon; the traditional window comes back with "Leggi"
    // enabled.
    void chiudiSchedaPre();
    // The close box of `Main`: as "Esci", and `Main` is unloaded.
    void unloadMain();
    // Whether the note window may open for group k: its link is red, or its answer is one that
    // would carry its note.
    bool puoAprireNotaPre(int k) const;
    // Shows the note window on group k, modally.
    void openNote(int k);
    // "Stampa": the printer dialog, then the version 1.1 form on the chosen printer. A cancel
    // prints nothing; an error shows its description without an icon and sends nothing. Either
    // way `ultimoTabIndexPre` ends at 1, but after an error.
    void stampaSchedaPre();

    // The window `Main`, created and loaded on the first call; null before the first import.
    LegacyWindow &window();
    LegacyWindow *loadedWindow() const { return window_.get(); }
    LegacyNoteWindow *loadedNoteWindow() const;

private:
    void showTraditionalWindow();

    platform::Platform platform_;
    std::optional<int> ultimoTabIndexPre_;
    int indiceNotaPre_ = 0;
    win::ModelModule &tradizionale_;
    QString cartella_;
    qst::V11Content contenuto_;
    std::unique_ptr<LegacyWindow> window_;
    QPointer<LegacyNoteWindow> nota_;
};

} // namespace legacy
