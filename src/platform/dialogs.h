#pragma once

#include <QString>
#include <functional>
#include <memory>

class QDialog;
class QObject;
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

// Every modal box and dialog the program shows goes through here, so tests can script them.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const BoxRequest &request) = 0;
    // The chosen path, or the empty text when the user cancelled.
    virtual QString saveFileName(const FileDialogOptions &options) = 0;
    virtual QString openFileName(const FileDialogOptions &options) = 0;
    // False when the user cancelled the printer dialog.
    virtual bool choosePrinter(QPrinter &printer) = 0;
    // Shows a window of the program modally; returns once it has been hidden.
    virtual void execModal(QDialog &dialog) = 0;

    // An error's own description with an OK button, no icon and no title of its own.
    void showError(const QString &description, Icon icon = Icon::None);
};

// Runs an event procedure that traps its errors: an error escaping it is shown with its own
// description (after `prefix`), so no exception ever reaches Qt's event loop. True when the
// procedure ended without an error.
bool trapErrors(Dialogs &dialogs, const std::function<void()> &procedure, const QString &prefix = QString());

// What the program needs of the desktop besides its dialogs.
class System
{
public:
    virtual ~System() = default;
    virtual void beep() = 0;
    // Ends the process: no further window events run. Callers return at once after it.
    virtual void endProcess() = 0;
    virtual std::unique_ptr<TrayIcon> createTrayIcon(QObject *parent) = 0;
};

// The platform a window works on: real dialogs or scripted ones.
struct Platform {
    Dialogs &dialogs;
    System &system;
};

} // namespace platform
