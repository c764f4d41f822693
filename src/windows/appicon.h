#pragma once

#include <QIcon>

namespace win
{
// The program's icon, drawn once: used by the windows and the tray.
QIcon appIcon();
} // namespace win

class QWidget;
namespace win
{
// Places a top-level window in the middle of its screen's available area.
void centerOnScreen(QWidget &window);
} // namespace win
