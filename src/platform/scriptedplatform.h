#pragma once

#include "dialogs.h"
#include "trayicon.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <deque>
#include <functional>

namespace platform
{

// The platform for tests: every box and dialog takes its answer from a queue the test filled,
// and everything shown is recorded. A box nobody expected, a queue that runs dry or a box
// shown after the process ended is recorded as a failure, never left waiting for a user.
class ScriptedPlatform : public Dialogs, public System
{
public:
    explicit ScriptedPlatform(bool trayAvailable = true);

    Platform platform() { return Platform{*this, *this}; }

    // Queue the answer to the next message box. `expectText`, when not empty, must be contained
    // in the box's text; `during` runs while the box is "shown".
    void answer(Answer a, const QString &expectText = QString(), std::function<void()> during = {});
    // Queue the path the next file dialog returns; the empty text is a cancel.
    void chooseFile(const QString &path);
    // Queue the answer to the next printer dialog. An accepted dialog prints to the PDF file
    // `pdfFile`; with no file the printer cannot be opened. No test reaches a real printer.
    void choosePrinter(bool accept, const QString &pdfFile = QString());
    // Queue what the user does in the next modal window; it should end by hiding the window.
    void modal(std::function<void(QDialog &)> script);

    // System
    void beep() override { ++beeps; }
    void endProcess() override { ++endProcessCalls; }
    std::unique_ptr<TrayIcon> createTrayIcon() override;

    bool ended() const { return endProcessCalls > 0; }
    // True when every queued answer was used.
    bool allConsumed() const;
    FakeTrayIcon *tray() const { return tray_; }

    QList<BoxRequest> messages;
    QList<FileDialogOptions> fileDialogs;
    int modalShown = 0;
    int printerDialogs = 0;
    int beeps = 0;
    int endProcessCalls = 0;
    QStringList failures;

protected:
    Answer showMessage(const BoxRequest &request) override;
    QString askSaveFileName(const FileDialogOptions &options) override;
    QString askOpenFileName(const FileDialogOptions &options) override;
    bool askPrinter(QPrinter &printer) override;
    // Shows the dialog application-modal while its script runs; a dialog shown again while it
    // is already running is refused, as QDialog::exec refuses a recursive call.
    void runModal(QDialog &dialog) override;

private:
    struct Reply {
        Answer answer;
        QString expectText;
        std::function<void()> during;
    };
    void checkNotEnded(const QString &what);
    QString nextFile(const FileDialogOptions &options, const QString &kind);

    bool trayAvailable_;
    std::deque<Reply> replies_;
    std::deque<QString> files_;
    std::deque<std::pair<bool, QString>> printers_;
    std::deque<std::function<void(QDialog &)>> modals_;
    QList<const QDialog *> running_;
    QPointer<FakeTrayIcon> tray_;
};

} // namespace platform
