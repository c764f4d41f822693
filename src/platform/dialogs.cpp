#include "dialogs.h"

#include "core/error.h"

namespace platform
{

void Dialogs::showError(const QString &description, Icon icon)
{
    message(BoxRequest{description, QString(), Buttons::Ok, icon, 0});
}

bool trapErrors(Dialogs &dialogs, const std::function<void()> &procedure, const QString &prefix)
{
    try {
        procedure();
        return true;
    } catch (const core::SchedaError &e) {
        dialogs.showError(prefix + e.description());
    } catch (const std::exception &e) {
        dialogs.showError(prefix + QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace platform
