#pragma once

// The open command of a model ("Leggi" on the button bar and in the tray menu), its reader of
// questionnaire files into the window, and the window reset.
#include <QString>
#include <functional>

namespace win
{
class ModelModule;
}

namespace cmd
{

// Brings the model's window back to an empty questionnaire: general data, the meeting count's
// "N/A" box, the number boxes, answers, note links, both note tables and the members grid with
// its three rows.
void azzeraScheda(win::ModelModule &module);

class OpenCommand
{
public:
    // `cartella` is the program's folder, where the open dialog starts when the user can write
    // there (else in the documents folder).
    OpenCommand(win::ModelModule &module, QString cartella);

    // The version 1.1 import, to which the traditional window hands a file whose root is not
    // the questionnaire's: true when it imported the file and shows it, false when it did not
    // (after its own message, before which it restores the window); it throws core::SchedaError
    // when the file cannot be read.
    // Without one, and in the other models, such a file is refused.
    using ImportaSchedaV11 = std::function<bool(const QString &nomeFile)>;
    void setImportaSchedaV11(ImportaSchedaV11 importa);

    // Asks about unsaved edits, shows the open dialog and reads the chosen file. The
    // questionnaire counts as saved once a file's content has replaced the window's; "Leggi" is
    // enabled whenever a file was chosen. A cancel anywhere, a save that wrote nothing, a
    // refused file or a failed read leave the window, its title and its edits as they were.
    void apriScheda();

    // Reads the file `nomeFile` whole, then puts its content in place of the window's and names
    // the file in the title. True when the window's content was replaced: by the file's, or
    // emptied (with the base title) after the version 1.1 import took the file. False when the
    // file was refused or could not be read (after the message) or the import did not take it;
    // the content is then unchanged. A file that could not be read, or that the import could not
    // take, brings a window hidden in the notification area back before its message; a
    // questionnaire of another model, or another kind of XML file, leaves the window as it is.
    bool leggiScheda(const QString &nomeFile);

private:
    bool importaSchedaV11(const QString &nomeFile);
    // The box titled "Errore" with the critical icon and an OK button.
    void showCriticalError(const QString &testo);
    // A file that could not be read: the window is restored, then the message.
    void showReadFailure(const QString &testo);

    win::ModelModule &module_;
    QString cartella_;
    ImportaSchedaV11 importa_;
};

} // namespace cmd
