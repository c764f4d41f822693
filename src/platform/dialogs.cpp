#include "dialogs.h"

#include "core/error.h"

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
    return whileOpen([&] { return askSaveFileName(options); });
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
