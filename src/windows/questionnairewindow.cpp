#include "questionnairewindow.h"

#include "answers.h"
#include "appicon.h"
#include "core/error.h"
#include "focusrules.h"
#include "generaldata.h"
#include "membersgrid.h"
#include "modelmodule.h"
#include "notelink.h"
#include "platform/trayicon.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

namespace win
{

QuestionnaireWindow::QuestionnaireWindow(ModelModule &module) : module_(module)
{
    const qst::ModelTable &t = module_.table();
    setObjectName(t.nome);
    setWindowTitle(t.caption);
    setWindowIcon(appIcon());
    QFont f = font();
    f.setPointSizeF(8.25);
    setFont(f);
    buildWindow();
    answers_ = std::make_unique<AnswerRules>(*this, module_);
    answers_->connectControls();
    generalData_ = std::make_unique<GeneralDataRules>(*this, module_);
    generalData_->connectControls();
    focusRules_ = std::make_unique<FocusRules>(*this, module_);
    focusRules_->connectControls();
}

QuestionnaireWindow::~QuestionnaireWindow() = default;

void QuestionnaireWindow::buildWindow()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(4);
    MySSTab = new QTabWidget(this);
    MySSTab->setObjectName(QStringLiteral("MySSTab"));
    MySSTab->setUsesScrollButtons(false);
    const QStringList &captions = qst::pageCaptions();
    for (int tab = 0; tab < captions.size(); ++tab) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("page%1").arg(tab));
        MySSTab->addTab(page, captions[tab]);
        if (tab == 0)
            buildGeneralPage(page);
        else if (tab == 3 && !module_.table().riquadroIIHasQuestions)
            buildPicturePage(page);
        else
            buildQuestionPage(page, tab);
    }
    layout->addWidget(MySSTab, 1);
    buildButtonBar(layout);
    buildTrayMenu();
    // The form's client area, widened for the fonts of this desktop, within the screen.
    QSize size(twips(14535) + 150, twips(9105) + 100);
    if (const QScreen *s = screen())
        size = size.boundedTo(s->availableGeometry().size());
    resize(size);
    centerOnScreen(*this);
}

void QuestionnaireWindow::buildButtonBar(QBoxLayout *layout)
{
    static const char *const captions[] = {"Stampa", "Salva temp.", "Leggi", "Genera", "Esci"};
    auto *bar = new QHBoxLayout;
    bar->setSpacing(twips(150));
    QFont bold = font();
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    for (int i = 0; i < 5; ++i) {
        auto *b = new QPushButton(QString::fromLatin1(captions[i]), this);
        b->setObjectName(QStringLiteral("Command_Function_%1").arg(i));
        b->setFont(bold);
        b->setMinimumWidth(twips(2600) - 20);
        b->setAutoDefault(false);
        Command_Function[static_cast<size_t>(i)] = b;
        connect(b, &QPushButton::clicked, this, [this, i] { Command_Function_Click(i); });
        bar->addWidget(b);
        if (i == 3)
            bar->addStretch(1);
    }
    layout->addLayout(bar);
}

void QuestionnaireWindow::buildTrayMenu()
{
    MENU_HIDE = new QMenu(QStringLiteral("HIDE"), this);
    MENU_HIDE->setObjectName(QStringLiteral("MENU_HIDE"));
    MENU_RIPRISTINA = MENU_HIDE->addAction(QStringLiteral("Ripristina"));
    MENU_HIDE->addSeparator();
    MENU_STAMPA = MENU_HIDE->addAction(QStringLiteral("Stampa"));
    MENU_SALVA = MENU_HIDE->addAction(QStringLiteral("Salva Temp."));
    MENU_LEGGI = MENU_HIDE->addAction(QStringLiteral("Leggi"));
    MENU_GENERA = MENU_HIDE->addAction(QStringLiteral("Genera"));
    MENU_ESCI = MENU_HIDE->addAction(QStringLiteral("Esci"));
    connect(MENU_RIPRISTINA, &QAction::triggered, this, [this] { MENU_RIPRISTINA_Click(); });
    // The menu repeats the commands of the button bar.
    const std::pair<QAction *, int> commands[] = {
        {MENU_STAMPA, 0}, {MENU_SALVA, 1}, {MENU_LEGGI, 2}, {MENU_GENERA, 3}, {MENU_ESCI, 4}};
    for (const auto &[action, index] : commands)
        connect(action, &QAction::triggered, this, [this, index = index] { Command_Function_Click(index); });
}

void QuestionnaireWindow::Form_Load()
{
    qst::ModelState &s = module_.state;
    platform::trapErrors(module_.platform.dialogs, [&] {
        tray_ = module_.platform.system.createTrayIcon();
        tray_->add(windowIcon(), qst::trayTip(module_.table().caption));
        connect(tray_.get(), &platform::TrayIcon::leftButtonReleased, this,
                &QuestionnaireWindow::showTrayMenu);
        s.ultimoTabIndex.reset();
        s.salvato = true;
        module_.impostaDomande();
        titoloBase = windowTitle();
        s.bloccaNota = false;
        setGriglia();
        MySSTab->setCurrentIndex(0);
        if (!module_.table().riquadroIIHasQuestions)
            MySSTab->setTabEnabled(3, false);
        focusRules_->focusFirst();
    });
}

void QuestionnaireWindow::setGriglia()
{
    righeGriglia = 3;
    MSHFlexGrid1->build(righeGriglia);
}

bool QuestionnaireWindow::busy() const
{
    return commandRunning_ || module_.platform.dialogs.busy();
}

void QuestionnaireWindow::runCommand(const std::function<void()> &command)
{
    if (busy())
        return;
    const QScopedValueRollback running(commandRunning_, true);
    platform::trapErrors(module_.platform.dialogs, command);
}

void QuestionnaireWindow::Command_Function_Click(int index)
{
    switch (index) {
    case 0:
        runCommand([this] { module_.stampaScheda(); });
        break;
    case 1:
        runCommand([this] { module_.salvaScheda(false); });
        break;
    case 2:
        runCommand([this] { module_.apriScheda(); });
        break;
    case 3:
        runCommand([this] { module_.salvaScheda(true); });
        break;
    case 4:
        runCommand([this] { module_.esciProgramma(); });
        break;
    default:
        break;
    }
}

void QuestionnaireWindow::MENU_RIPRISTINA_Click()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void QuestionnaireWindow::showTrayMenu(const QPoint &globalPos)
{
    activateWindow();
    MENU_HIDE->popup(globalPos);
}

bool QuestionnaireWindow::Form_Unload()
{
    if (!module_.state.salvato) {
        switch (module_.chiediSalvataggio()) {
        case platform::Answer::Yes:
            // A save that wrote nothing keeps the window and its edits.
            if (!module_.salvaScheda(false))
                return false;
            break;
        case platform::Answer::No:
            break;
        default:
            return false;
        }
    }
    module_.terminaProcesso();
    return true;
}

void QuestionnaireWindow::closeEvent(QCloseEvent *event)
{
    // The close box is one more command: ignored while another runs or a box is open.
    bool close = false;
    runCommand([&] { close = Form_Unload(); });
    event->setAccepted(close);
}

void QuestionnaireWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized())
        return;
    // Hide only where the tray icon can bring the window back, and never under an open box:
    // it would be hidden with the window and nothing of the program could be reached.
    if (tray_ && tray_->available() && tray_->isShown() && !module_.platform.dialogs.busy())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized() && !module_.platform.dialogs.busy())
                hide();
        });
}

} // namespace win
