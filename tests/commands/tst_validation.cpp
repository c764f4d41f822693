// The check before "Genera" on a window: what the window shows of its findings (restore, page,
// focus, the question about note "Nota 1.0.c"), and "Genera" writing only a complete questionnaire.
#include "commands/checkcommand.h"
#include "commands/savecommand.h"
#include "support.h"
#include "windows/contenutofinestra.h"
#include "windows/generaldata.h"
#include "windows/gridrules.h"
#include "windows/membersgrid.h"
#include "windows/notelink.h"
#include "windows/notewindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using qst::CommandButton;
using qst::Contenuto;
using qst::Modello;
using qst::Risposta;
using testing::Fixture;

using Modifica = std::function<void(Contenuto &)>;
using testing::kData;
using testing::kDomanda81;
using testing::kPrima;
Q_DECLARE_METATYPE(Modello)
Q_DECLARE_METATYPE(Modifica)

namespace
{

// Puts a content value into the window as a file would: no edit marked, no note window.
void applica(Fixture &f, const Contenuto &c)
{
    win::applicaContenuto(*f.module, c);
    f.module->setSalvato(true);
}

// The control that has the focus in the window, or takes it when the window is next active.
QString nomeFuoco(const QWidget &window)
{
    const QWidget *w = window.focusWidget();
    return w ? w->objectName() : QString();
}

} // namespace

class TestValidation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void window_data();
    void window();
    void officesQuestion_data();
    void officesQuestion();
    void generaWritesOnlyAComplete_data();
    void generaWritesOnlyAComplete();
};

void TestValidation::window_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<Modifica>("modifica");
    QTest::addColumn<bool>("inTray");
    QTest::addColumn<QString>("focus"); // empty: the questionnaire passes
    QTest::addColumn<int>("page");
    QTest::addColumn<QPoint>("cell"); // the grid's current column and row; (-1, -1) not looked at
    const QPoint none(-1, -1);
    const auto row = [](const QString &name, Modello m, Modifica mod, bool tray, const char *focus, int page,
                        QPoint cell) {
        QTest::newRow(qPrintable(name)) << m << mod << tray << QString::fromLatin1(focus) << page << cell;
    };
    for (Modello m : qst::kModelli)
        row(
            QStringLiteral("complete %1").arg(QLatin1String(testing::modelName(m))), m, [](Contenuto &) {},
            false, "", 5, none);
    row(
        QStringLiteral("empty address, in the tray"), Modello::Tradizionale,
        [](Contenuto &c) { c.generale[5].clear(); }, true, "TEXT_GENERALE_5", 0, none);
    row(
        QStringLiteral("short tax code"), Modello::Dualistico,
        [](Contenuto &c) { c.generale[1] = QStringLiteral("1"); }, false, "TEXT_GENERALE_1", 0, none);
    row(
        QStringLiteral("incomplete member"), Modello::Monistico, [](Contenuto &c) { c.membri[1][6].clear(); },
        false, "MSHFlexGrid1", 0, QPoint(6, 1));
    for (int i : {0, 1, 2})
        row(
            QStringLiteral("number box %1").arg(i), Modello::Tradizionale,
            [i](Contenuto &c) { c.numeri[size_t(i)].clear(); }, false,
            qPrintable(QStringLiteral("TEXT_%1").arg(i)), 3, none);
    row(
        QStringLiteral("unanswered question"), Modello::Dualistico,
        [](Contenuto &c) { c.risposte[50] = Risposta::Nessuna; }, false, "Check_SI_50", 4, none);
    row(
        QStringLiteral("offices not a number"), Modello::Tradizionale,
        [](Contenuto &c) { c.membri[2][5] = QStringLiteral("-1"); }, false, "MSHFlexGrid1", 0, QPoint(5, 2));
    // A missing note moves no focus: it stays on "Genera".
    row(
        QStringLiteral("missing note"), Modello::Monistico, [](Contenuto &c) { c.notaRossa[31] = false; },
        false, "Command_Function_3", 2, none);
}

void TestValidation::window()
{
    QFETCH(Modello, model);
    QFETCH(Modifica, modifica);
    QFETCH(bool, inTray);
    QFETCH(QString, focus);
    QFETCH(int, page);
    QFETCH(QPoint, cell);
    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    Contenuto c = testing::complete(model);
    modifica(c);
    applica(f, c);
    QVERIFY(testing::activate(w));
    win::controls(w).MySSTab->setCurrentIndex(5);
    testing::button(win::controls(w), CommandButton::Genera)->setFocus();
    if (inTray) {
        w.showMinimized();
        QTRY_VERIFY(w.isHidden());
    }
    if (!focus.isEmpty())
        f.platform.answer(platform::Answer::Ok, QString(),
                          [&] { QVERIFY(w.isVisible() && !w.isMinimized()); });

    QCOMPARE(cmd::controllaScheda(*f.module), focus.isEmpty());
    QCOMPARE(f.platform.messages.size(), focus.isEmpty() ? 0 : 1);
    QCOMPARE(win::controls(w).MySSTab->currentIndex(), page);
    if (!focus.isEmpty()) {
        QCOMPARE(nomeFuoco(w), focus);
        QVERIFY(w.focusWidget()->isVisible());
    }
    if (cell.x() >= 0)
        QCOMPARE(QPoint(win::controls(w).MSHFlexGrid1->currentColumn(),
                        win::controls(w).MSHFlexGrid1->currentRow()),
                 cell);
    QVERIFY(f.state().salvato && f.platform.modalShown == 0);
    VERIFY_NO_FAILURES(f);
}

void TestValidation::officesQuestion_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<bool>("datesWrong");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("note"); // typed in the note window before "Fine"
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("passes");
    const QString missing = QStringLiteral("Verificare la <Nota 1.0.c> nel Dati Generali\n") + kPrima;
    QTest::newRow("both dates wrong, then No") << Modello::Tradizionale << true << false << QString()
                                               << QStringList{kData, kData, kDomanda81} << false;
    QTest::newRow("Yes, note left empty") << Modello::Dualistico << false << true << QStringLiteral("  ")
                                          << QStringList{kDomanda81, missing} << false;
    QTest::newRow("Yes, note written")
        << Modello::Monistico << false << true << QStringLiteral("Delibera del CdA")
        << QStringList{kDomanda81} << true;
}

void TestValidation::officesQuestion()
{
    QFETCH(Modello, model);
    QFETCH(bool, datesWrong);
    QFETCH(bool, yes);
    QFETCH(QString, note);
    QFETCH(QStringList, messages);
    QFETCH(bool, passes);
    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    Contenuto c = testing::complete(model);
    c.generale[33] = QStringLiteral("3");
    c.membri[0][5] = c.membri[2][5] = QStringLiteral("4");
    if (datesWrong) // the start date's day keeps one digit, which leaving its box completes
        c.generale[35] = c.generale[4] = QStringLiteral("13");
    applica(f, c);
    QVERIFY(testing::activate(w));
    win::controls(w).MySSTab->setCurrentIndex(5);
    // The focus ends in the closing date's day box before the question comes.
    const auto afterDates = [&] { QCOMPARE(nomeFuoco(w), QStringLiteral("TEXT_GENERALE_2")); };
    for (const QString &m : messages)
        f.platform.answer(m != kDomanda81 ? platform::Answer::Ok
                          : yes           ? platform::Answer::Yes
                                          : platform::Answer::No,
                          m, m == kDomanda81 && datesWrong ? afterDates : std::function<void()>());
    if (yes)
        f.platform.modal([note](QDialog &d) {
            auto &nw = static_cast<win::NoteWindow &>(d);
            QCOMPARE(nw.windowTitle(), QStringLiteral("Nota 1.0.c - Testo associato"));
            QTest::keyClicks(nw.TEXT_NOTE, note);
            nw.End_Note->click();
        });

    QCOMPARE(cmd::controllaScheda(*f.module), passes);
    QVERIFY(f.platform.allConsumed());
    QCOMPARE(f.platform.messages.size(), messages.size()); // asked once for both rows
    const platform::BoxRequest &q = f.platform.messages[datesWrong ? 2 : 0];
    QVERIFY(q.title == QStringLiteral("Attenzione") && q.buttons == platform::Buttons::YesNo &&
            q.icon == platform::Icon::Exclamation && q.defaultButton == 0);
    if (!yes)
        QCOMPARE(nomeFuoco(w), QStringLiteral("TEXT_GENERALE_33"));
    QCOMPARE(win::controls(w).MySSTab->currentIndex(), passes ? 5 : 0);
    QCOMPARE(win::controls(w).Check_SI[81]->isChecked(), passes);
    QCOMPARE(f.state().noteSi.at(81), passes ? note : QString());
    QVERIFY(f.platform.fileDialogs.isEmpty());
    VERIFY_NO_FAILURES(f);
}

// "Genera" through the save command: a complete questionnaire of each model is written, an
// incomplete one stops at its message before the save dialog.
void TestValidation::generaWritesOnlyAComplete_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<bool>("complete");
    for (Modello m : qst::kModelli)
        for (bool complete : {true, false})
            QTest::addRow("%s %s", testing::modelName(m), complete ? "complete" : "no company name")
                << m << complete;
}

void TestValidation::generaWritesOnlyAComplete()
{
    QFETCH(Modello, model);
    QFETCH(bool, complete);
    Fixture f(model);
    cmd::SaveCommand salva(*f.module, QCoreApplication::applicationDirPath());
    Contenuto c = testing::complete(model);
    if (!complete)
        c.generale[0].clear();
    applica(f, c);
    f.module->setSalvato(false);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("finale.xml"));
    if (complete)
        f.platform.chooseFile(path);
    else
        f.platform.answer(platform::Answer::Ok, QStringLiteral("la denominazione della società"));

    QCOMPARE(salva.salvaScheda(true), complete);
    QCOMPARE(QFileInfo::exists(path), complete);
    QCOMPARE(f.platform.fileDialogs.size(), complete ? 1 : 0);
    QCOMPARE(f.state().salvato, complete);
    QCOMPARE(f.window().windowTitle().endsWith(QStringLiteral(" - finale.xml")), complete);
    VERIFY_NO_FAILURES(f);
}

QTEST_MAIN(TestValidation)
#include "tst_validation.moc"
