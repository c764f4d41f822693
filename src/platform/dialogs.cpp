#include "dialogs.h"

#include "core/error.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform
{

template <typename F> auto Dialogs::whileOpen(F &&show)
{
    struct Open {
        int &count;
        explicit Open(int &c) : count(c) { ++count; }
        ~Open() { --count; }
    } open(open_);
    return show();
}

Answer Dialogs::message(const BoxRequest &request)
{
    return whileOpen([&] { return showMessage(request); });
}

QString Dialogs::saveFileName(const FileDialogOptions &options)
{
    FileDialogOptions asked = options;
    for (;;) {
        const QString path = whileOpen([&] { return askSaveFileName(asked); });
        const QFileInfo chosen(path);
        if (path.isEmpty() || chosen.absoluteDir().exists())
            return path;
        message(BoxRequest{QStringLiteral("La cartella ") + QDir::toNativeSeparators(chosen.absolutePath()) +
                               QStringLiteral(" non esiste.\nVerificare il percorso indicato."),
                           options.title, Buttons::Ok, Icon::Exclamation, 0});
        // Asked again where the dialog started, with the name the user typed.
        asked.folder = QDir(options.folder).filePath(chosen.fileName());
    }
}

QString Dialogs::openFileName(const FileDialogOptions &options)
{
    return whileOpen([&] { return askOpenFileName(options); });
}

bool Dialogs::choosePrinter(QPrinter &printer)
{
    return whileOpen([&] { return askPrinter(printer); });
}

void Dialogs::execModal(QDialog &dialog)
{
    whileOpen([&] { runModal(dialog); });
}

void Dialogs::showError(const QString &description, Icon icon)
{
    message(BoxRequest{description, QString(), Buttons::Ok, icon, 0});
}

QString dialogFolder(const QString &programFolder)
{
    if (QFileInfo(programFolder).isDir() && QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool trapErrors(Dialogs &dialogs, const std::function<void()> &procedure, const QString &prefix, Icon icon)
{
    try {
        procedure();
        return true;
    } catch (const core::SchedaError &e) {
        dialogs.showError(prefix + e.description(), icon);
    } catch (const std::exception &e) {
        dialogs.showError(prefix + QString::fromLocal8Bit(e.what()), icon);
    }
    return false;
}

} // namespace platform
