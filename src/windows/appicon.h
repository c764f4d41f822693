#pragma once

#include <QIcon>

namespace win {
// The program's icon, drawn once: used by the windows and the tray.
QIcon appIcon();
}
