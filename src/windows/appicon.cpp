#include "appicon.h"

#include <QPainter>
#include <QPixmap>

namespace win
{

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0x1f, 0x4e, 0x8c));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        p.setPen(Qt::white);
        p.setBrush(Qt::NoBrush);
        const qreal m = size / 4.0;
        QPen pen(Qt::white, qMax(1.0, size / 12.0));
        p.setPen(pen);
        for (int i = 0; i < 3; ++i) {
            const qreal y = m + i * (size - 2 * m) / 2.0;
            p.drawLine(QPointF(m, y), QPointF(size - m, y));
        }
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace win

#include <QScreen>
#include <QWidget>

namespace win
{

void centerOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(frame.topLeft().x() < area.left() ? area.left() : frame.topLeft().x(),
                frame.topLeft().y() < area.top() ? area.top() : frame.topLeft().y());
}

} // namespace win
