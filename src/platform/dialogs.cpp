#include "dialogs.h"

namespace platform {

void Dialogs::showError(const QString &description, Icon icon)
{
    message(MessageSpec{description, QString(), Buttons::Ok, icon, 0});
}

} // namespace platform
