#include "trayicon.h"

#include <QCursor>
#include <QSystemTrayIcon>

namespace platform
{

QtTrayIcon::QtTrayIcon(QObject *parent) : TrayIcon(parent), icon_(new QSystemTrayIcon(this))
{
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            Q_EMIT leftButtonReleased(QCursor::pos());
    });
}

bool QtTrayIcon::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::add(const QIcon &icon, const QString &tip)
{
    icon_->setIcon(icon);
    icon_->setToolTip(tip);
    icon_->show();
}

void QtTrayIcon::remove()
{
    icon_->hide();
}

bool QtTrayIcon::isShown() const
{
    return icon_->isVisible();
}

QString QtTrayIcon::toolTip() const
{
    return icon_->toolTip();
}

} // namespace platform
