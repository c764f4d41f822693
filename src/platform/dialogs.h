#pragma once

#include <QString>
#include <functional>
#include <memory>

class QDialog;
class QPrinter;

namespace platform
{

class TrayIcon;

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { Ok, OkCancel, YesNoCancel, YesNo };
// The values of the answers are those the message box returns (Ok 1, Cancel 2, Yes 6, No 7).
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct BoxRequest {
    QString text;  // plain text; lines break at '\n'
    QString title; // empty: the application's own name
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    int defaultButton = 0; // 0-based position among the buttons
};

struct FileDialogOptions {
    QString title;
    QString filter; // "Xml File (*.xml)|*.xml|" style: description and pattern pairs
    QString folder; // where the dialog starts
};

// Where the file dialogs start: the program's folder when the user can write there, else the
// user's documents folder (the home folder when there is none).
QString dialogFolder(const QString &programFolder);

// The title of a box that has none of its own.
inline const QString kFallbackTitle = QStringLiteral("Scheda riepilogativa");

// Every modal box and dialog the program shows goes through here, so tests can script them.
// While one is open the program is busy: its commands wait for the user to close it.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    Answer message(const BoxRequest &request);
    // The chosen path, or the empty text when the user cancelled. A name in a folder that does
    // not exist is not taken: the user is told so and asked again.
    QString saveFileName(const FileDialogOptions &options);
    QString openFileName(const FileDialogOptions &options);
    // False when the user cancelled the printer dialog.
    bool choosePrinter(QPrinter &printer);
    // Shows a window of the program modally; returns once it has been hidden.
    void execModal(QDialog &dialog);

    // An error's own description with an OK button, no icon and no title of its own.
    void showError(const QString &description, Icon icon = Icon::None);

    // True while a box, a file or printer dialog or a modal window is open.
    bool busy() const { return open_ > 0; }

protected:
    virtual Answer showMessage(const BoxRequest &request) = 0;
    virtual QString askSaveFileName(const FileDialogOptions &options) = 0;
    virtual QString askOpenFileName(const FileDialogOptions &options) = 0;
    virtual bool askPrinter(QPrinter &printer) = 0;
    virtual void runModal(QDialog &dialog) = 0;

private:
    template <typename F> auto whileOpen(F &&show);
    int open_ = 0;
};

// Runs an event procedure that traps its errors: an error escaping it is shown with its own
// description (after `prefix`), so no exception ever reaches Qt's event loop. True when the
// procedure ended without an error. The message shows `icon`.
bool trapErrors(Dialogs &dialogs, const std::function<void()> &procedure, const QString &prefix = QString(),
                Icon icon = Icon::None);

// What the program needs of the desktop besides its dialogs.
class System
{
public:
    virtual ~System() = default;
    virtual void beep() = 0;
    // Ends the process: no further window events run. Callers return at once after it.
    virtual void endProcess() = 0;
    virtual std::unique_ptr<TrayIcon> createTrayIcon() = 0;
};

// The platform a window works on: real dialogs or scripted ones.
struct Platform {
    Dialogs &dialogs;
    System &system;
};

} // namespace platform
