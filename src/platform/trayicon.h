#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>

class QSystemTrayIcon;

namespace platform
{

// The window's icon in the notification area.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // False where the desktop has no notification area: minimising must not hide the window then.
    virtual bool available() const = 0;
    virtual void add(const QIcon &icon, const QString &tip) = 0;
    virtual void remove() = 0;
    virtual bool isShown() const = 0;
    virtual QString toolTip() const = 0;

Q_SIGNALS:
    // A left-button release on the icon, at the pointer's position.
    void leftButtonReleased(const QPoint &globalPos);
};

// The tray icon of the desktop, over QSystemTrayIcon.
class QtTrayIcon : public TrayIcon
{
    Q_OBJECT
public:
    explicit QtTrayIcon(QObject *parent = nullptr);
    bool available() const override;
    void add(const QIcon &icon, const QString &tip) override;
    void remove() override;
    bool isShown() const override;
    QString toolTip() const override;

private:
    QSystemTrayIcon *icon_;
};

// A tray icon for tests: the desktop's availability is set by the test, clicks are simulated.
class FakeTrayIcon : public TrayIcon
{
    Q_OBJECT
public:
    explicit FakeTrayIcon(bool available, QObject *parent = nullptr) : TrayIcon(parent), available_(available)
    {
    }
    bool available() const override { return available_; }
    void add(const QIcon &, const QString &tip) override
    {
        shown_ = true;
        tip_ = tip;
    }
    void remove() override { shown_ = false; }
    bool isShown() const override { return shown_; }
    QString toolTip() const override { return tip_; }
    void click(const QPoint &pos = QPoint(10, 10)) { Q_EMIT leftButtonReleased(pos); }

private:
    bool available_;
    bool shown_ = false;
    QString tip_;
};

} // namespace platform
