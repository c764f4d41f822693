#include "scriptedplatform.h"

#include <QDialog>
#include <QPrinter>

namespace platform
{

ScriptedPlatform::ScriptedPlatform(bool trayAvailable) : trayAvailable_(trayAvailable)
{
}

void ScriptedPlatform::answer(Answer a, const QString &expectText, std::function<void()> during)
{
    replies_.push_back(Reply{a, expectText, std::move(during)});
}

void ScriptedPlatform::chooseFile(const QString &path)
{
    files_.push_back(path);
}

void ScriptedPlatform::choosePrinter(bool accept, const QString &pdfFile)
{
    printers_.emplace_back(accept, pdfFile);
}

void ScriptedPlatform::modal(std::function<void(QDialog &)> script)
{
    modals_.push_back(std::move(script));
}

void ScriptedPlatform::checkNotEnded(const QString &what)
{
    if (ended())
        failures << QStringLiteral("%1 shown after the process ended").arg(what);
}

Answer ScriptedPlatform::showMessage(const BoxRequest &request)
{
    messages << request;
    checkNotEnded(QStringLiteral("message box \"%1\"").arg(request.text));
    if (replies_.empty()) {
        failures << QStringLiteral("unexpected message box: \"%1\"").arg(request.text);
        return request.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    Reply r = std::move(replies_.front());
    replies_.pop_front();
    if (!r.expectText.isEmpty() && !request.text.contains(r.expectText))
        failures
            << QStringLiteral("message box \"%1\" does not contain \"%2\"").arg(request.text, r.expectText);
    if (r.during)
        r.during();
    return r.answer;
}

QString ScriptedPlatform::nextFile(const FileDialogOptions &options, const QString &kind)
{
    fileDialogs << options;
    checkNotEnded(kind);
    if (files_.empty()) {
        failures << QStringLiteral("unexpected %1 \"%2\"").arg(kind, options.title);
        return QString();
    }
    QString path = files_.front();
    files_.pop_front();
    return path;
}

QString ScriptedPlatform::askSaveFileName(const FileDialogOptions &options)
{
    return nextFile(options, QStringLiteral("save dialog"));
}

QString ScriptedPlatform::askOpenFileName(const FileDialogOptions &options)
{
    return nextFile(options, QStringLiteral("open dialog"));
}

bool ScriptedPlatform::askPrinter(QPrinter &printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString());
    ++printerDialogs;
    checkNotEnded(QStringLiteral("printer dialog"));
    if (printers_.empty()) {
        failures << QStringLiteral("unexpected printer dialog");
        return false;
    }
    const auto [ok, file] = printers_.front();
    printers_.pop_front();
    printer.setOutputFileName(file);
    return ok;
}

void ScriptedPlatform::runModal(QDialog &dialog)
{
    ++modalShown;
    checkNotEnded(QStringLiteral("modal window \"%1\"").arg(dialog.windowTitle()));
    if (running_.contains(&dialog)) {
        failures << QStringLiteral("modal window \"%1\" shown again while open").arg(dialog.windowTitle());
        return;
    }
    running_ << &dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    if (modals_.empty()) {
        failures << QStringLiteral("unexpected modal window \"%1\"").arg(dialog.windowTitle());
    } else {
        auto script = std::move(modals_.front());
        modals_.pop_front();
        script(dialog);
    }
    if (dialog.isVisible()) {
        failures << QStringLiteral("modal window \"%1\" left open").arg(dialog.windowTitle());
        dialog.hide();
    }
    running_.removeOne(&dialog);
}

std::unique_ptr<TrayIcon> ScriptedPlatform::createTrayIcon()
{
    auto icon = std::make_unique<FakeTrayIcon>(trayAvailable_);
    tray_ = icon.get();
    return icon;
}

bool ScriptedPlatform::allConsumed() const
{
    return replies_.empty() && files_.empty() && printers_.empty() && modals_.empty();
}

} // namespace platform
