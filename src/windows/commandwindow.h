#pragma once

#include "platform/dialogs.h"

#include <QWidget>
#include <functional>
#include <memory>

class QBoxLayout;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace platform
{
class TrayIcon;
}

namespace win
{

struct CommandControls;

// A top-level window of the program with a button bar, an icon in the notification area and the
// icon's pop-up menu. Its commands run one at a time and never while a box, a dialog or a modal
// window of the program is open; minimised, it hides in the notification area where the icon can
// bring it back.
class CommandWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CommandWindow(platform::Platform platform, QWidget *parent = nullptr);
    ~CommandWindow() override;

    // True while a command of the button bar or the tray menu runs.
    bool commandRunning() const { return commandRunning_; }
    // True while a command runs or a box, a dialog or a modal window is open: the commands of
    // the button bar and the tray menu and the close box are then ignored.
    bool busy() const;
    platform::TrayIcon *trayIcon() const { return tray_.get(); }
    // Shows the tray pop-up menu, as a left-button release on the tray icon does.
    void showTrayMenu(const QPoint &globalPos);
    // Brings the window back from the tray or from a minimised state, shown and active.
    void restore() { MENU_RIPRISTINA_Click(); }

protected:
    // The button bar's click procedure: the command of button Command_Function(index).
    virtual void Command_Function_Click(int index) = 0;
    void MENU_RIPRISTINA_Click();

    // Names the window, gives it its caption, the program's icon and font, and lays it out: the
    // tab control MySSTab with the six pages of the form, each built by `buildPage(page, tab)`,
    // above the button bar that the returned layout is left to take.
    QVBoxLayout *buildFrame(const QString &name, const QString &caption, QTabWidget *&tabs,
                            const std::function<void(QWidget *page, int tab)> &buildPage);
    // Gives the window the form's size in twips, widened for this desktop's fonts and kept within
    // the screen, and centres it.
    void placeOnScreen(int widthTwips, int heightTwips);

    // Runs a command unless another is running or a box is open, or what is being edited refuses
    // to end; shows an escaped error's description.
    void runCommand(const std::function<void()> &command);
    // Ends the editing in progress before a command runs, through the rules that apply on leaving
    // it; false stops the command. Nothing is edited in place by default.
    virtual bool endEditing() { return true; }
    // Adds button Command_Function(index) to `bar`, `widthTwips` wide at least, wired to
    // Command_Function_Click(index).
    QPushButton *addCommandButton(CommandControls &c, QBoxLayout &bar, int index, const QString &caption,
                                  int widthTwips);
    // The tray menu MENU_HIDE: "Ripristina", then the commands, each running the button of the same
    // name. Without `fileCommands` the entries "Salva Temp.", "Leggi" and "Genera" are hidden.
    void buildTrayMenu(CommandControls &c, bool fileCommands);
    // Puts the window's icon in the notification area with `tip`; removes it.
    void addTrayIcon(const QString &tip);
    void removeTrayIcon();

    void changeEvent(QEvent *event) override;

    platform::Platform platform_;

private:
    CommandControls *menu_ = nullptr;
    std::unique_ptr<platform::TrayIcon> tray_;
    bool commandRunning_ = false;
};

} // namespace win
