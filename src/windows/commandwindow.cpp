#include "commandwindow.h"

#include "appicon.h"
#include "controlgroups.h"
#include "membersgrid.h"
#include "platform/trayicon.h"
#include "questionnaire/indices.h"
#include "questionnaire/models.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace win
{

CommandWindow::CommandWindow(platform::Platform platform, QWidget *parent)
    : QWidget(parent), platform_(platform)
{
}

CommandWindow::~CommandWindow() = default;

QVBoxLayout *CommandWindow::buildFrame(const QString &name, const QString &caption, QTabWidget *&tabs,
                                       const std::function<void(QWidget *page, int tab)> &buildPage)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowIcon(appIcon());
    QFont f = font();
    f.setPointSizeF(8.25);
    setFont(f);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(4);
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("MySSTab"));
    tabs->setUsesScrollButtons(false);
    const QStringList &captions = qst::pageCaptions();
    for (int tab = 0; tab < captions.size(); ++tab) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("page%1").arg(tab));
        tabs->addTab(page, captions[tab]);
        buildPage(page, tab);
    }
    layout->addWidget(tabs, 1);
    return layout;
}

void CommandWindow::placeOnScreen(int widthTwips, int heightTwips)
{
    QSize size(twips(widthTwips) + 150, twips(heightTwips) + 100);
    if (const QScreen *s = screen())
        size = size.boundedTo(s->availableGeometry().size());
    resize(size);
    centerOnScreen(*this);
}

bool CommandWindow::busy() const
{
    return commandRunning_ || platform_.dialogs.busy();
}

void CommandWindow::runCommand(const std::function<void()> &command)
{
    if (busy())
        return;
    // A text the leaving rule refuses never reaches a command: the command does not run.
    bool ended = false;
    platform::trapErrors(platform_.dialogs, [&] { ended = endEditing(); });
    if (!ended)
        return;
    const QScopedValueRollback running(commandRunning_, true);
    platform::trapErrors(platform_.dialogs, command);
}

QPushButton *CommandWindow::addCommandButton(CommandControls &c, QBoxLayout &bar, int index,
                                             const QString &caption, int widthTwips)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(QStringLiteral("Command_Function_%1").arg(index));
    QFont bold = font();
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    b->setFont(bold);
    b->setMinimumWidth(twips(widthTwips) - 20);
    b->setAutoDefault(false);
    c.Command_Function[static_cast<size_t>(index)] = b;
    connect(b, &QPushButton::clicked, this, [this, index] { Command_Function_Click(index); });
    bar.addWidget(b);
    return b;
}

void CommandWindow::buildTrayMenu(CommandControls &c, bool fileCommands)
{
    menu_ = &c;
    c.MENU_HIDE = new QMenu(QStringLiteral("HIDE"), this);
    c.MENU_HIDE->setObjectName(QStringLiteral("MENU_HIDE"));
    c.MENU_RIPRISTINA = c.MENU_HIDE->addAction(QStringLiteral("Ripristina"));
    c.MENU_HIDE->addSeparator();
    c.MENU_STAMPA = c.MENU_HIDE->addAction(QStringLiteral("Stampa"));
    c.MENU_SALVA = c.MENU_HIDE->addAction(QStringLiteral("Salva Temp."));
    c.MENU_LEGGI = c.MENU_HIDE->addAction(QStringLiteral("Leggi"));
    c.MENU_GENERA = c.MENU_HIDE->addAction(QStringLiteral("Genera"));
    c.MENU_ESCI = c.MENU_HIDE->addAction(QStringLiteral("Esci"));
    connect(c.MENU_RIPRISTINA, &QAction::triggered, this, [this] { MENU_RIPRISTINA_Click(); });
    // The menu repeats the commands of the button bar.
    using B = qst::CommandButton;
    const std::pair<QAction *, B> commands[] = {{c.MENU_STAMPA, B::Stampa},
                                                {c.MENU_SALVA, B::SalvaTemp},
                                                {c.MENU_LEGGI, B::Leggi},
                                                {c.MENU_GENERA, B::Genera},
                                                {c.MENU_ESCI, B::Esci}};
    for (const auto &[action, button] : commands)
        connect(action, &QAction::triggered, this,
                [this, index = static_cast<int>(button)] { Command_Function_Click(index); });
    for (QAction *fileCommand : {c.MENU_SALVA, c.MENU_LEGGI, c.MENU_GENERA})
        fileCommand->setVisible(fileCommands);
}

void CommandWindow::addTrayIcon(const QString &tip)
{
    if (!tray_) {
        tray_ = platform_.system.createTrayIcon();
        connect(tray_.get(), &platform::TrayIcon::leftButtonReleased, this, &CommandWindow::showTrayMenu);
    }
    tray_->add(windowIcon(), tip);
}

void CommandWindow::removeTrayIcon()
{
    if (tray_)
        tray_->remove();
}

void CommandWindow::MENU_RIPRISTINA_Click()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void CommandWindow::showTrayMenu(const QPoint &globalPos)
{
    activateWindow();
    if (menu_ && menu_->MENU_HIDE)
        menu_->MENU_HIDE->popup(globalPos);
}

void CommandWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized())
        return;
    // Hide only where the tray icon can bring the window back, and never under an open box:
    // it would be hidden with the window and nothing of the program could be reached.
    if (tray_ && tray_->available() && tray_->isShown() && !platform_.dialogs.busy())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized() && !platform_.dialogs.busy())
                hide();
        });
}

} // namespace win
