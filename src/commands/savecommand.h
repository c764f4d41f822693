#pragma once

// The save command of a model: "Salva temp." and "Genera", the save run by the exit command and
// by the closing of the window.
#include <QString>
#include <functional>

namespace win
{
class ModelModule;
}

namespace cmd
{

class SaveCommand
{
public:
    // `cartella` is the program's folder: where the templates are and where the dialog starts.
    SaveCommand(win::ModelModule &module, QString cartella);

    // The validation "Genera" runs first (`controllaScheda` unless replaced): true when the
    // questionnaire may be generated; false after it has shown the failed check.
    void setControllaScheda(std::function<bool()> controllaScheda);

    // Saves the questionnaire of the model's window; with `genera`, and no exit pending, after
    // the validation. True only when a file was written; then the title names it, the
    // questionnaire counts as saved and "Leggi" is enabled, or, with an exit pending, the
    // process ends. A cancelled dialog, a failed validation or a failed write change nothing
    // (a failure has shown its message).
    bool salvaScheda(bool genera);

private:
    win::ModelModule &module_;
    QString cartella_;
    std::function<bool()> controllaScheda_;
};

} // namespace cmd
