#include "support.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace
{
// The window suites run headless also when started by hand.
const bool headless = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}();
} // namespace

namespace testing
{

Scripted::~Scripted()
{
    if (!failures.isEmpty())
        QTest::qFail(qPrintable(failures.join(u'\n')), __FILE__, __LINE__);
}

bool FakeCommands::salvaScheda(bool genera)
{
    saves << genera;
    exitPendingDuringSave = module_.state().uscitaRichiesta;
    switch (outcome) {
    case SaveOutcome::Written:
        module_.setSalvato(true);
        if (module_.state().uscitaRichiesta)
            module_.terminaProcesso();
        return true;
    case SaveOutcome::Cancelled:
        return false;
    case SaveOutcome::Failed:
        module_.platform().dialogs.showError(QStringLiteral("Errore di scrittura"));
        return false;
    }
    return false;
}

Fixture::Fixture(qst::Modello m, bool trayAvailable) : platform(trayAvailable)
{
    module = std::make_unique<win::ModelModule>(m, platform.platform());
    commands = std::make_unique<FakeCommands>(*module);
    module->setCommands(commands.get());
}

Fixture::~Fixture()
{
    module.reset();
}

bool activate(QWidget &w)
{
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

QPushButton *button(const win::CommandControls &c, qst::CommandButton b)
{
    return c.Command_Function[static_cast<size_t>(b)];
}

bool leggiEnabled(win::QuestionnaireWindow &w)
{
    return button(win::controls(w), qst::CommandButton::Leggi)->isEnabled();
}

} // namespace testing
