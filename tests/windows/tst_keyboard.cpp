// The keyboard's way through a questionnaire window: the tab order over the six pages, the page
// that follows the focus, and the tab position the answer boxes record.
#include "support.h"
#include "windows/focusrules.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using qst::Modello;
using testing::activate;
using testing::Fixture;
using win::QuestionnaireWindow;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

int pageOf(QuestionnaireWindow &w, const QWidget *c)
{
    for (int p = 0; p < win::controls(w).MySSTab->count(); ++p)
        if (win::controls(w).MySSTab->widget(p)->isAncestorOf(c))
            return p;
    return -1;
}

// Every control of the window that Tab may reach: it takes the focus by Tab, is enabled and
// is shown once its page is.
QList<QWidget *> focusable(QuestionnaireWindow &w)
{
    QList<QWidget *> out;
    for (QWidget *c : w.findChildren<QWidget *>()) {
        if (c->window() != &w || c == win::controls(w).txtEdit || c->focusProxy() ||
            !(c->focusPolicy() & Qt::TabFocus) || !c->isEnabled())
            continue;
        const int page = pageOf(w, c);
        if (c->isVisibleTo(page >= 0 ? win::controls(w).MySSTab->widget(page) : &w))
            out << c;
    }
    return out;
}

// The focused control is shown, on the selected page, inside its page's visible part.
void checkShown(QuestionnaireWindow &w, QWidget *c)
{
    QVERIFY(c->isVisible());
    const int page = pageOf(w, c);
    if (page >= 0)
        QCOMPARE(win::controls(w).MySSTab->currentIndex(), page);
    for (QWidget *p = c->parentWidget(); p; p = p->parentWidget())
        if (auto *area = qobject_cast<QScrollArea *>(p)) {
            // Wholly, or from its top left corner where it is larger than the page.
            const QRect r(c->mapTo(area->viewport(), QPoint(0, 0)), c->size());
            const QRect view = area->viewport()->rect();
            const bool fits = r.width() <= view.width() && r.height() <= view.height();
            QVERIFY2(fits ? view.contains(r) : view.contains(r.topLeft()), qPrintable(c->objectName()));
            return;
        }
}

void tab(bool forward)
{
    QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab);
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void walk_data();
    void walk();
    void moves_data();
    void moves();
    void noPageTurn_data();
    void noPageTurn();
};

void TestKeyboard::walk_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<bool>("forward");
    for (Modello m : qst::kModelli) {
        QTest::addRow("%s Tab", testing::modelName(m)) << m << true;
        QTest::addRow("%s Shift+Tab", testing::modelName(m)) << m << false;
    }
}

void TestKeyboard::walk()
{
    QFETCH(Modello, model);
    QFETCH(bool, forward);

    Fixture f(model);
    QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    const QList<QWidget *> reachable = focusable(w);
    QList<QWidget *> expected;
    for (const qst::TabStop &stop : qst::ordineTab(model))
        if (QWidget *c = win::focusRules(w).control(stop); c && reachable.contains(c))
            expected << c;
    // The order holds every control Tab may reach, and the window starts on the first one.
    QCOMPARE(QSet<QWidget *>(expected.begin(), expected.end()),
             QSet<QWidget *>(reachable.begin(), reachable.end()));
    QCOMPARE(QApplication::focusWidget(), expected.front());
    QCOMPARE(win::controls(w).MySSTab->currentIndex(), 0);
    QVERIFY(!f.state().ultimoTabIndex.has_value());

    const qsizetype n = expected.size();
    for (qsizetype step = 1; step <= n; ++step) {
        tab(forward);
        QWidget *want = expected[forward ? step % n : (n - step) % n];
        QCOMPARE(QApplication::focusWidget(), want);
        checkShown(w, want);
    }
    QVERIFY(f.platform.failures.isEmpty());
}

void TestKeyboard::moves_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("recorded"); // ultimoTabIndex afterwards; -1: not looked at

    const Modello T = Modello::Tradizionale, D = Modello::Dualistico, M = Modello::Monistico;
    const QString none;
    auto row = [&](const char *tag, Modello m, const QString &setup, const char *from, bool forward,
                   const char *to, int recorded = -1) {
        QTest::newRow(tag) << m << setup << QString::fromLatin1(from) << forward << QString::fromLatin1(to)
                           << recorded;
    };
    // Focusing the boxes of "Dati Generali" records nothing; leaving them records their place.
    row("T field 7 to box 79", T, none, "TEXT_GENERALE_7", true, "Check_SI_79", 8);
    row("M box 79 to box 80", M, none, "Check_SI_79", true, "Check_SI_80", 8);
    row("T box 80 to its No", T, none, "Check_SI_80", true, "Check_NO_80", 10);
    row("T No 80 to the meetings", T, none, "Check_NO_80", true, "TEXT_GENERALE_62", 265);
    row("D statute to box 81", D, none, "TEXT_GENERALE_33", true, "Check_SI_81", 14);
    row("D box 81 to the start of office", D, none, "Check_SI_81", true, "TEXT_GENERALE_34", 200);
    // A question's box records its group's "N/A" box when it takes the focus, itself on leaving.
    row("T Esci to the first page", T, none, "Command_Function_4", true, "Check_SI_72", 27);
    row("M first box back to Esci", M, none, "Check_SI_72", false, "Command_Function_4", 24);
    row("T past the disabled Leggi", T, QStringLiteral("edited"), "Command_Function_1", true,
        "Command_Function_3");
    row("T after printing", T, QStringLiteral("print"), "Command_Function_0", false, "TEXT_GENERALE_36", 1);
}

void TestKeyboard::moves()
{
    QFETCH(Modello, model);
    QFETCH(QString, setup);
    QFETCH(QString, from);
    QFETCH(bool, forward);
    QFETCH(QString, to);
    QFETCH(int, recorded);

    Fixture f(model);
    QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    QWidget *start = w.findChild<QWidget *>(from);
    QVERIFY(start);
    if (pageOf(w, start) >= 0)
        win::controls(w).MySSTab->setCurrentIndex(pageOf(w, start));
    start->setFocus(Qt::OtherFocusReason);
    if (setup == QStringLiteral("print")) {
        win::controls(w).MySSTab->setCurrentIndex(3);
        QTest::keyClick(start, Qt::Key_Space);
        QCOMPARE(f.commands->prints, 1);
    } else if (setup == QStringLiteral("edited")) {
        win::controls(w).TEXT_GENERALE[0]->setText(QStringLiteral("Alfa"));
    }

    tab(forward);
    QWidget *target = w.findChild<QWidget *>(to);
    QCOMPARE(QApplication::focusWidget(), target);
    checkShown(w, target);
    if (recorded >= 0)
        QCOMPARE(f.state().ultimoTabIndex, std::optional<int>(recorded));
    QVERIFY(f.platform.failures.isEmpty());
}

void TestKeyboard::noPageTurn_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a modal box") << QStringLiteral("box");
    QTest::newRow("the program selects a page") << QStringLiteral("page");
}

void TestKeyboard::noPageTurn()
{
    QFETCH(QString, how);

    Fixture f(Modello::Monistico);
    QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    // The last box of a page, where a Tab would turn it.
    win::controls(w).MySSTab->setCurrentIndex(1);
    QCheckBox *box = win::controls(w).Check_NA[14];
    box->setFocus(Qt::OtherFocusReason);
    const std::optional<int> recorded = f.state().ultimoTabIndex;
    int page = 1;
    if (how == QStringLiteral("box")) {
        QDialog dialog(&w);
        f.platform.modal([](QDialog &d) {
            QApplication::setActiveWindow(&d);
            QVERIFY(QTest::qWaitForWindowActive(&d));
            d.hide();
        });
        f.platform.platform().dialogs.execModal(dialog);
    } else {
        page = 4;
        win::controls(w).MySSTab->setCurrentIndex(page);
    }
    QVERIFY(activate(w));
    QCOMPARE(win::controls(w).MySSTab->currentIndex(), page);
    if (page == 1) {
        // The box had the focus all along: it neither left nor took it again.
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(f.state().ultimoTabIndex, recorded);
    } else {
        QCOMPARE(pageOf(w, QApplication::focusWidget()), page);
        QVERIFY(QApplication::focusWidget()->isVisible());
    }
    QVERIFY(f.platform.failures.isEmpty());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
