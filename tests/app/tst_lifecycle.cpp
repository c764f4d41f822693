// Start window, commands, tray icon, exit and close of the questionnaire windows.
#include "app/application.h"
#include "platform/qtplatform.h"
#include "platform/trayicon.h"
#include "support.h"
#include "windows/notewindow.h"
#include "windows/startwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using platform::Answer;
using qst::CommandButton;
using qst::Modello;
using testing::Fixture;
using testing::SaveOutcome;

Q_DECLARE_METATYPE(qst::Modello)
Q_DECLARE_METATYPE(platform::Answer)
Q_DECLARE_METATYPE(testing::SaveOutcome)

class TestLifecycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startWindow();
    void loadState_data();
    void loadState();
    void commandsReachTheirProcedures();
    void secondCommandIgnoredWhileOneRuns();
    void exitMatrix_data();
    void exitMatrix();
    void closeMatrix_data();
    void closeMatrix();
    void minimiseHidesOnlyWithTray_data();
    void minimiseHidesOnlyWithTray();
    void trayMenu();
    void commandsIgnoredUnderTheNoteWindow();
    void minimiseUnderABoxKeepsItReachable();
    void startWindowCloseEndsThroughThePlatform();
    void realBoxesInItalianAndTrayHiddenCancelKeepsRunning();
};

void TestLifecycle::startWindow()
{
    testing::Scripted p;
    app::Application application(p.platform());
    win::StartWindow &start = application.startWindow();
    QCOMPARE(start.windowTitle(), QStringLiteral("Varzen - Scheda riepilogativa dell'Quadrivex v. 2.0"));
    QCOMPARE(start.Label1->text(), QStringLiteral("SCHEDA RIEPILOGATIVA DELL'QUADRIVEX"));
    QCOMPARE(start.btnTradzionale->text(), QStringLiteral("Modello Tradizionale"));
    QCOMPARE(start.btnMonistico->text(), QStringLiteral("Modello  Monistico"));
    QCOMPARE(start.btnDualistico->text(), QStringLiteral("Modello  Dualistico"));
    // A fixed single border: a fixed size and no maximise button.
    QCOMPARE(start.minimumSize(), start.maximumSize());
    QVERIFY(!(start.windowFlags() & Qt::WindowMaximizeButtonHint));
    start.show();
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    // Top to bottom: traditional, monistic, dualistic.
    QVERIFY(start.btnTradzionale->y() < start.btnMonistico->y());
    QVERIFY(start.btnMonistico->y() < start.btnDualistico->y());

    QVERIFY(!application.module(Modello::Monistico).loadedWindow());
    QTest::mouseClick(start.btnMonistico, Qt::LeftButton);
    win::QuestionnaireWindow *w = application.module(Modello::Monistico).loadedWindow();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(!start.isVisible());
    QVERIFY(!application.module(Modello::Tradizionale).loadedWindow());
    QVERIFY(!application.module(Modello::Dualistico).loadedWindow());
    QVERIFY(p.failures.isEmpty());
    w->hide();
}

void TestLifecycle::loadState_data()
{
    QTest::addColumn<Modello>("model");
    for (Modello m : qst::kModelli)
        QTest::newRow(testing::modelName(m)) << m;
}

void TestLifecycle::loadState()
{
    QFETCH(Modello, model);
    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(f.state().salvato);
    QVERIFY(!f.state().ultimoTabIndex.has_value());
    QVERIFY(!f.state().bloccaNota);
    QCOMPARE(w.titoloBase(), qst::modelTable(model).caption);
    QCOMPARE(w.windowTitle(), qst::modelTable(model).caption);
    QCOMPARE(win::controls(w).righeGriglia, 3);
    QCOMPARE(win::controls(w).MySSTab->currentIndex(), 0);
    QCOMPARE(win::controls(w).MySSTab->isTabEnabled(3), model == Modello::Tradizionale);
    QVERIFY(testing::leggiEnabled(w));
    // The tip is the caption up to the blank after "v. 2.0": the same in every model.
    QVERIFY(f.platform.tray()->isShown());
    QCOMPARE(f.platform.tray()->toolTip(),
             QStringLiteral("Varzen - Scheda riepilogativa dell'Quadrivex v. 2.0 "));
    QVERIFY(f.platform.messages.isEmpty());

    // The user cannot select "Riquadro II" where it only shows the picture.
    if (model != Modello::Tradizionale) {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTabBar *bar = win::controls(w).MySSTab->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
        QCOMPARE(win::controls(w).MySSTab->currentIndex(), 0);
        QVERIFY(win::controls(w).picture);
    }
}

void TestLifecycle::commandsReachTheirProcedures()
{
    Fixture f(Modello::Tradizionale);
    win::QuestionnaireWindow &w = f.window();
    const auto button = [&w](CommandButton b) { return testing::button(win::controls(w), b); };
    QStringList captions;
    for (CommandButton b : {CommandButton::Stampa, CommandButton::SalvaTemp, CommandButton::Leggi,
                            CommandButton::Genera, CommandButton::Esci})
        captions << button(b)->text();
    QCOMPARE(captions, QStringLiteral("Stampa,Salva temp.,Leggi,Genera,Esci").split(u','));

    button(CommandButton::SalvaTemp)->click();
    win::controls(w).MENU_SALVA->trigger();
    button(CommandButton::Genera)->click();
    win::controls(w).MENU_GENERA->trigger();
    QCOMPARE(f.commands->saves, (QList<bool>{false, false, true, true}));
    button(CommandButton::Stampa)->click();
    win::controls(w).MENU_STAMPA->trigger();
    QCOMPARE(f.commands->prints, 2);
    button(CommandButton::Leggi)->click();
    win::controls(w).MENU_LEGGI->trigger();
    QCOMPARE(f.commands->opens, 2);
    QCOMPARE(win::controls(w).MENU_SALVA->text(), QStringLiteral("Salva Temp."));

    QStringList menu;
    for (QAction *a : win::controls(w).MENU_HIDE->actions())
        menu << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(menu, (QStringList{QStringLiteral("Ripristina"), QStringLiteral("-"), QStringLiteral("Stampa"),
                                QStringLiteral("Salva Temp."), QStringLiteral("Leggi"),
                                QStringLiteral("Genera"), QStringLiteral("Esci")}));
    QVERIFY(f.platform.failures.isEmpty());
}

void TestLifecycle::secondCommandIgnoredWhileOneRuns()
{
    Fixture f(Modello::Dualistico);
    win::QuestionnaireWindow &w = f.window();
    f.module->setSalvato(false);
    // While the exit command's question is open, the tray menu and the buttons do nothing.
    f.platform.answer(Answer::Cancel, QString(), [&] {
        win::controls(w).MENU_SALVA->trigger();
        win::controls(w).MENU_ESCI->trigger();
        testing::button(win::controls(w), CommandButton::Genera)->click();
        testing::button(win::controls(w), CommandButton::Stampa)->click();
        QVERIFY(w.commandRunning());
    });
    testing::button(win::controls(w), CommandButton::Esci)->click();
    QVERIFY(f.commands->saves.isEmpty());
    QCOMPARE(f.commands->prints, 0);
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(!w.commandRunning());
    // Afterwards commands run again.
    win::controls(w).MENU_SALVA->trigger();
    QCOMPARE(f.commands->saves.size(), 1);
    QVERIFY(f.platform.failures.isEmpty());
}

void TestLifecycle::exitMatrix_data()
{
    QTest::addColumn<bool>("saved");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<SaveOutcome>("outcome");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<int>("saves");

    QTest::newRow("saved") << true << Answer::Ok << SaveOutcome::Written << true << 0;
    QTest::newRow("yes, written") << false << Answer::Yes << SaveOutcome::Written << true << 1;
    QTest::newRow("yes, cancelled") << false << Answer::Yes << SaveOutcome::Cancelled << false << 1;
    QTest::newRow("yes, failed") << false << Answer::Yes << SaveOutcome::Failed << false << 1;
    QTest::newRow("no") << false << Answer::No << SaveOutcome::Written << true << 0;
    QTest::newRow("cancel") << false << Answer::Cancel << SaveOutcome::Written << false << 0;
}

void TestLifecycle::exitMatrix()
{
    QFETCH(bool, saved);
    QFETCH(Answer, answer);
    QFETCH(SaveOutcome, outcome);
    QFETCH(bool, ends);
    QFETCH(int, saves);

    for (Modello m : qst::kModelli) {
        Fixture f(m);
        win::QuestionnaireWindow &w = f.window();
        w.show();
        f.module->setSalvato(saved);
        f.commands->outcome = outcome;
        if (!saved)
            f.platform.answer(answer);
        if (outcome == SaveOutcome::Failed && answer == Answer::Yes)
            f.platform.answer(Answer::Ok, QStringLiteral("Errore di scrittura"));

        testing::button(win::controls(w), CommandButton::Esci)->click();

        QCOMPARE(f.platform.endProcessCalls, ends ? 1 : 0);
        QCOMPARE(f.platform.tray()->isShown(), !ends);
        QCOMPARE(f.commands->saves.size(), saves);
        if (saves) {
            QCOMPARE(f.commands->saves.first(), false);
            QVERIFY(f.commands->exitPendingDuringSave);
        }
        QVERIFY(!f.state().uscitaRichiesta);
        if (!saved) {
            const platform::BoxRequest &q = f.platform.messages.first();
            QCOMPARE(q.text, QStringLiteral("Con questa operazione verranno perse tutte le modifiche\n"
                                            "effettuate: si desidera salvarle in un file temporaneo?"));
            QCOMPARE(q.title, QStringLiteral("Warning"));
            QCOMPARE(q.buttons, platform::Buttons::YesNoCancel);
            QCOMPARE(q.icon, platform::Icon::Information);
            QCOMPARE(q.defaultButton, 1);
        } else {
            QVERIFY(f.platform.messages.isEmpty());
        }
        QVERIFY2(f.platform.failures.isEmpty(), qPrintable(f.platform.failures.join(u'\n')));
        QVERIFY(f.platform.allConsumed());
        w.hide();
    }
}

void TestLifecycle::closeMatrix_data()
{
    exitMatrix_data();
}

void TestLifecycle::closeMatrix()
{
    QFETCH(bool, saved);
    QFETCH(Answer, answer);
    QFETCH(SaveOutcome, outcome);
    QFETCH(bool, ends);
    QFETCH(int, saves);

    for (Modello m : qst::kModelli) {
        Fixture f(m);
        win::QuestionnaireWindow &w = f.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        f.module->setSalvato(saved);
        f.commands->outcome = outcome;
        if (!saved)
            f.platform.answer(answer, QStringLiteral("Con questa operazione"));
        if (outcome == SaveOutcome::Failed && answer == Answer::Yes)
            f.platform.answer(Answer::Ok, QStringLiteral("Errore di scrittura"));

        const bool closed = w.close();

        QCOMPARE(closed, ends);
        QCOMPARE(w.isVisible(), !ends);
        QCOMPARE(f.platform.endProcessCalls, ends ? 1 : 0);
        QCOMPARE(f.platform.tray()->isShown(), !ends);
        QCOMPARE(f.commands->saves.size(), saves);
        if (saves)
            QVERIFY(!f.commands->exitPendingDuringSave); // closing sets no pending exit
        QVERIFY2(f.platform.failures.isEmpty(), qPrintable(f.platform.failures.join(u'\n')));
        QVERIFY(f.platform.allConsumed());
        w.hide();
    }
}

void TestLifecycle::minimiseHidesOnlyWithTray_data()
{
    QTest::addColumn<bool>("trayAvailable");
    QTest::newRow("notification area") << true;
    QTest::newRow("no notification area") << false;
}

void TestLifecycle::minimiseHidesOnlyWithTray()
{
    QFETCH(bool, trayAvailable);
    Fixture f(Modello::Monistico, trayAvailable);
    win::QuestionnaireWindow &w = f.window();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setWindowState(Qt::WindowMinimized);
    QTest::qWait(20);
    QTRY_COMPARE(w.isVisible(), !trayAvailable);

    win::controls(w).MENU_RIPRISTINA->trigger();
    QVERIFY(w.isVisible());
    QVERIFY(!w.isMinimized());
}

void TestLifecycle::trayMenu()
{
    Fixture f(Modello::Tradizionale);
    win::QuestionnaireWindow &w = f.window();
    w.hide();
    f.platform.tray()->click(QPoint(50, 50));
    QVERIFY(win::controls(w).MENU_HIDE->isVisible());
    win::controls(w).MENU_HIDE->hide();
    // The menu works while the window is hidden.
    win::controls(w).MENU_GENERA->trigger();
    QCOMPARE(f.commands->saves, QList<bool>{true});
    win::controls(w).MENU_RIPRISTINA->trigger();
    QVERIFY(w.isVisible());
}

void TestLifecycle::commandsIgnoredUnderTheNoteWindow()
{
    Fixture f(Modello::Tradizionale);
    win::QuestionnaireWindow &w = f.window();
    w.show();
    f.platform.modal([&](QDialog &d) {
        // The tray menu is a popup that a modal window does not block: its commands and the
        // close box must wait until the note window is closed.
        win::controls(w).MENU_SALVA->trigger();
        win::controls(w).MENU_LEGGI->trigger();
        win::controls(w).MENU_GENERA->trigger();
        win::controls(w).MENU_STAMPA->trigger();
        win::controls(w).MENU_ESCI->trigger();
        QVERIFY(!w.close());
        QVERIFY(w.busy());
        static_cast<win::NoteWindow &>(d).setTesto(QStringLiteral("nota"));
        static_cast<win::NoteWindow &>(d).End_Note->click();
    });
    win::controls(w).Check_SI[0]->setChecked(true);
    QVERIFY(f.commands->saves.isEmpty());
    QCOMPARE(f.commands->opens + f.commands->prints + f.platform.endProcessCalls, 0);
    QCOMPARE(f.state().noteSi.at(0), QStringLiteral("nota"));
    // The note is an unsaved edit: the exit asks about it.
    QVERIFY(!f.state().salvato);
    f.platform.answer(Answer::Cancel, QStringLiteral("Con questa operazione"));
    win::controls(w).MENU_ESCI->trigger();
    QCOMPARE(f.platform.endProcessCalls, 0);
    QVERIFY(!w.busy());
    w.hide();
}

void TestLifecycle::minimiseUnderABoxKeepsItReachable()
{
    Fixture f(Modello::Dualistico);
    win::QuestionnaireWindow &w = f.window();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    f.module->setSalvato(false);
    bool visibleUnderBox = false;
    f.platform.answer(Answer::Cancel, QString(), [&] {
        w.setWindowState(Qt::WindowMinimized);
        QTest::qWait(50);
        visibleUnderBox = w.isVisible();
    });
    testing::button(win::controls(w), CommandButton::Esci)->click();
    QVERIFY(visibleUnderBox);
    QTest::qWait(50);
    QVERIFY(w.isVisible()); // minimised, not hidden in the tray with the box
    w.hide();
}

void TestLifecycle::startWindowCloseEndsThroughThePlatform()
{
    testing::Scripted p;
    app::Application application(p.platform());
    application.startWindow().show();
    QVERIFY(QTest::qWaitForWindowExposed(&application.startWindow()));
    application.startWindow().close();
    QCOMPARE(p.endProcessCalls, 1);
}

// On the real Qt dialogs: a window hidden in the tray leaves no window shown, and closing a box
// then must not end the program; the boxes speak Italian and carry the program's titles.
void TestLifecycle::realBoxesInItalianAndTrayHiddenCancelKeepsRunning()
{
    app::configuraApplicazione(*qApp);
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());

    platform::QtDialogs dialogs;
    testing::Scripted system;
    win::ModelModule module(Modello::Tradizionale, platform::Platform{dialogs, system});
    testing::FakeCommands commands(module);
    module.setCommands(&commands);
    win::QuestionnaireWindow &w = module.window();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    win::controls(w).TEXT_GENERALE[0]->setText(QStringLiteral("Alfa S.p.A."));
    QVERIFY(!module.state().salvato);
    w.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(!w.isVisible());

    QStringList buttons;
    QString title;
    // Answers the box as a user would, once it is up.
    std::function<void()> answerBox = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(20, answerBox);
            return;
        }
        title = box->windowTitle();
        for (QAbstractButton *b : box->buttons())
            buttons << b->text().remove(u'&');
        QAbstractButton *cancel = box->button(QMessageBox::Cancel);
        (cancel ? cancel : box->buttons().constFirst())->click();
    };
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(20, answerBox);
        win::controls(w).MENU_ESCI->trigger();
        // After the box: an untitled box gets the program's title, then the loop ends here.
        QTimer::singleShot(200, [&] {
            QTimer::singleShot(20, answerBox);
            dialogs.showError(QStringLiteral("prova"));
            QTimer::singleShot(200, [] { QCoreApplication::exit(42); });
        });
    });
    QCOMPARE(QApplication::exec(), 42); // 0 would be the program ending by itself
    QCOMPARE(buttons.size(), 4);
    QStringList question = buttons.mid(0, 3);
    question.sort();
    QCOMPARE(question, (QStringList{QStringLiteral("Annulla"), QStringLiteral("No"), QStringLiteral("Sì")}));
    QCOMPARE(buttons.last(), QStringLiteral("OK"));
    QCOMPARE(title, platform::kFallbackTitle);
    QCOMPARE(system.endProcessCalls, 0);
    QVERIFY(!module.state().salvato);
    QCOMPARE(win::controls(w).TEXT_GENERALE[0]->text(), QStringLiteral("Alfa S.p.A."));
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
