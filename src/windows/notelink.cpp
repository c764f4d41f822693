#include "notelink.h"

#include <QMouseEvent>

namespace win
{

NoteLink::NoteLink(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setForeColor(kColorButtonText);
}

void NoteLink::setForeColor(quint32 color)
{
    foreColor_ = color;
    QPalette pal = palette();
    QColor c;
    if (color & 0x80000000u)
        c = QPalette().color(QPalette::ButtonText);
    else // the stored value is blue-green-red
        c = QColor(int(color & 0xff), int((color >> 8) & 0xff), int((color >> 16) & 0xff));
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

void NoteLink::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace win
