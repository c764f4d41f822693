// The version 1.1 questionnaire through the application: the hand-off from the traditional
// window's "Leggi", the window Main and its note window, "Esci" and the close box, the key
// filters and the page wrap.
#include "app/application.h"
#include "legacy/legacymodule.h"
#include "legacy/legacynotewindow.h"
#include "legacy/legacywindow.h"
#include "questionnaire/catalogue.h"
#include "schedafile/lettorexml.h"
#include "schedafile/v11reader.h"
#include "support.h"
#include "windows/notelink.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using platform::Answer;
using qst::CommandButton;
using qst::Modello;

namespace
{

QByteArray v11(const QByteArray &header, const QByteArray &answers)
{
    return "<?xml version=\"1.0\"?>\n<a>\n<b>\n" + header + "QUESTIONARIO\n" + answers + "</b></a>\n";
}

// The application with the traditional window shown, an edit made in it, and files to open.
struct Bench {
    Bench()
        : application(platform.platform()), trad(application.module(Modello::Tradizionale)),
          legacy(application.legacyModule())
    {
        application.avviaModello(Modello::Tradizionale);
        win::controls(trad.window()).TEXT_GENERALE[0]->setText(QStringLiteral("modifica"));
    }
    // "Leggi" on the traditional window with `bytes` as the chosen file, after No to the
    // unsaved-edits question; `message` is the box the open gives, if any, and `indexBox` says
    // that the import shows the index message of a skipped line first.
    void leggi(const QByteArray &bytes, const QString &message = QString(), bool indexBox = false)
    {
        QFile f(dir.filePath(QStringLiteral("v11 [*].xml")));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        path = bytes.isEmpty() ? dir.filePath(QStringLiteral("manca.xml")) : f.fileName();
        if (!trad.state().salvato)
            platform.answer(Answer::No, QStringLiteral("si desidera salvarle"));
        platform.chooseFile(path);
        if (indexBox)
            platform.answer(Answer::Ok, core::outOfRange().description());
        if (!message.isEmpty())
            platform.answer(Answer::Ok, message);
        win::controls(trad.window()).MENU_LEGGI->trigger();
        VERIFY_NO_FAILURES_OF(platform);
        QVERIFY(platform.allConsumed());
    }
    const legacy::MainControls &main() const { return legacy.loadedWindow()->controls(); }

    testing::Scripted platform;
    app::Application application;
    win::ModelModule &trad;
    legacy::LegacyModule &legacy;
    QTemporaryDir dir;
    QString path;
};

} // namespace

class TestLegacy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void handOff_data();
    void handOff();
    void escAndSecondImport();
    void closeBox();
    void noteWindow();
    void puoAprireNotaPre_data();
    void puoAprireNotaPre();
    void keyFilters_data();
    void keyFilters();
    void pageWrap();
    void print_data();
    void print();
};

void TestLegacy::handOff_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at the chosen path
    QTest::addColumn<QString>("message");  // the box of a file that is not imported
    QTest::addColumn<bool>("indexBox");    // one box for the answer lines of groups outside 0-71
    QTest::addColumn<bool>("hidden");      // the traditional window hidden in the notification area
    QTest::newRow("imported") << testing::testData(QStringLiteral("v11_esempio.xml")) << QString() << false
                              << false;
    QTest::newRow("groups outside 0-71")
        << testing::testData(QStringLiteral("v11_esempio.xml"))
               .replace("QUESTIONARIO\r\n", "QUESTIONARIO\r\n99 - Si - \r\n72 - No - a#||#\r\n99 - No - \r\n")
        << QString() << true << false;
    QTest::newRow("malformed") << v11("no hyphen here\n", "") << sf::erroreApertura() << false << false;
    QTest::newRow("missing") << QByteArray() << sf::erroreApertura() << false << false;
    QTest::newRow("missing, hidden") << QByteArray() << sf::erroreApertura() << false << true;
}

// Imported: Main shows the file, the traditional window is hidden and emptied, counts as saved
// and has "Leggi" enabled. Not imported: its message, and nothing changes; a hidden window is
// back before the message of a file that cannot be read.
void TestLegacy::handOff()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(bool, indexBox);
    QFETCH(bool, hidden);
    Bench b;
    b.leggi(bytes, message, indexBox);
    win::QuestionnaireWindow &t = b.trad.window();
    const bool imported = message.isEmpty();
    QCOMPARE(t.isVisible(), !imported);
    QCOMPARE(b.trad.state().salvato, imported);
    QCOMPARE(win::controls(t).TEXT_GENERALE[0]->text(), imported ? QString() : QStringLiteral("modifica"));
    QCOMPARE(t.windowTitle(), t.titoloBase());
    QCOMPARE(bool(b.legacy.loadedWindow()), imported);
    if (!imported) {
        const platform::BoxRequest &box = b.platform.messages.last();
        QCOMPARE(QStringList({box.text, box.title}), QStringList({message, QStringLiteral("Errore")}));
        QCOMPARE(box.icon, platform::Icon::Critical);
        if (bytes.isEmpty()) { // gone between the reader's look at it and the import
            if (hidden)
                t.hide();
            b.platform.answer(Answer::Ok, sf::missingV11FileMessage(), [&] { QVERIFY(t.isVisible()); });
            QVERIFY(!b.legacy.importaSchedaV11(b.path));
            QCOMPARE(b.platform.messages.last().title, QStringLiteral("Errore"));
            QVERIFY(!b.legacy.loadedWindow() && t.isVisible());
        }
        return;
    }
    QVERIFY(testing::leggiEnabled(t));
    legacy::LegacyWindow &w = *b.legacy.loadedWindow();
    QVERIFY(w.isVisible() && b.platform.tray()->isShown());
    QCOMPARE(b.platform.tray()->toolTip(), qst::titoloInizio());
    QCOMPARE(w.windowTitle(), qst::kTitoloV11 + QStringLiteral(" - ") +
                                  b.path.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
    const legacy::MainControls &c = b.main();
    QCOMPARE(c.TEXT_GENERALE[0]->text(), QStringLiteral("Rossi & Bianchi Costruzioni S.p.A."));
    QVERIFY(c.TEXT_GENERALE[5]->text().contains(QString::fromUtf8("Città")) &&
            c.TEXT_GENERALE[5]->isReadOnly());
    QCOMPARE(QList<int>({c.CHECK_MINORANZE[0]->checkState(), c.CHECK_MINORANZE[1]->checkState(),
                         c.CHECK_MINORANZE[2]->checkState()}),
             QList<int>({Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked}));
    QCOMPARE(c.TEXT[0]->text(), QStringLiteral("12"));
    QVERIFY(c.Check_SI[0]->isChecked() && c.Label_NOTA[0]->isRed() && !c.FRAME_RIQUADRO_1_1[0]->isEnabled());
    QCOMPARE(c.LABEL_RIQUADRO[9]->text(), *qst::v11QuestionText(9));
    QCOMPARE(c.MySSTab->currentIndex(), 0);
    // Only "Stampa" and "Esci": the file commands of the tray menu are hidden.
    QVERIFY(!c.MENU_SALVA->isVisible() && !c.MENU_LEGGI->isVisible() && !c.MENU_GENERA->isVisible());
    QVERIFY(c.MENU_ESCI->isVisible() && !testing::button(c, CommandButton::SalvaTemp));
}

// "Esci" hides Main and its icon and brings the traditional window back; a second import
// shows Main again with its icon and nothing of the first file.
void TestLegacy::escAndSecondImport()
{
    Bench b;
    b.leggi(testing::testData(QStringLiteral("v11_esempio.xml")));
    legacy::LegacyWindow *w = b.legacy.loadedWindow();
    testing::button(b.main(), CommandButton::Esci)->click();
    QVERIFY(!w->isVisible() && !b.platform.tray()->isShown());
    QVERIFY(b.trad.window().isVisible() && testing::leggiEnabled(b.trad.window()));

    b.leggi(v11("1 - 99999999999\n", "3 - No - \n"));
    QCOMPARE(b.legacy.loadedWindow(), w);
    QVERIFY(w->isVisible() && b.platform.tray()->isShown() && !b.trad.window().isVisible());
    QCOMPARE(b.main().TEXT_GENERALE[0]->text(), QString());
    QCOMPARE(b.main().TEXT_GENERALE[1]->text(), QStringLiteral("99999999999"));
    QVERIFY(!b.main().Check_SI[0]->isChecked() && !b.main().Label_NOTA[0]->isRed() &&
            b.main().Check_NO[3]->isChecked());
    QCOMPARE(b.main().TEXT[0]->text(), QString());
    QVERIFY(b.legacy.content().noteSiPre[0].isEmpty());
}

// The close box: the traditional window comes back with "Leggi" enabled, Main is unloaded and
// the next import builds it anew.
void TestLegacy::closeBox()
{
    Bench b;
    b.leggi(testing::testData(QStringLiteral("v11_esempio.xml")));
    QPointer<legacy::LegacyWindow> w = b.legacy.loadedWindow();
    QVERIFY(w->close());
    QVERIFY(!b.platform.tray()->isShown() && b.trad.window().isVisible());
    QVERIFY(testing::leggiEnabled(b.trad.window()));
    QTRY_VERIFY(!w);
    QVERIFY(!b.legacy.loadedWindow());
    b.leggi(v11("", ""));
    QVERIFY(b.legacy.loadedWindow() && b.legacy.loadedWindow()->isVisible());
}

// A note shows whole and read-only under its link's caption; "Fine" changes nothing.
void TestLegacy::noteWindow()
{
    Bench b;
    const QByteArray note = QByteArray("inizio ") + QByteArray(70000, 'x') + " fine";
    b.leggi(v11("", "13 - No - " + note + "#||#\n"));
    QString shown;
    b.platform.modal([&](QDialog &d) {
        auto &nota = static_cast<legacy::LegacyNoteWindow &>(d);
        QCOMPARE(nota.windowTitle(), QStringLiteral("Nota 4.a - Testo associato"));
        QVERIFY(nota.TEXT_NOTE->isReadOnly() && !nota.Delete_Note->isVisible());
        shown = nota.TEXT_NOTE->toPlainText();
        nota.End_Note->click();
    });
    QTest::mouseClick(b.main().Label_NOTA[13], Qt::LeftButton);
    VERIFY_NO_FAILURES_OF(b.platform);
    QCOMPARE(shown, QString::fromLatin1(note));
    QVERIFY(b.main().Label_NOTA[13]->isRed());
    QCOMPARE(b.legacy.content().noteNoPre[13], QString::fromLatin1(note));
}

void TestLegacy::puoAprireNotaPre_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("group");
    QTest::addColumn<bool>("opens");
    const auto row = [](const char *tag, const char *line, int k, bool opens) {
        QTest::newRow(tag) << QByteArray(line) << k << opens;
    };
    row("SI group, Si", "0 - Si - \n", 0, true);
    row("SI group, No", "0 - No - \n", 0, false);
    row("NO group, No", "6 - No - \n", 6, true);
    row("NO group, Si", "6 - Si - \n", 6, false);
    row("from 48 on, No", "71 - No - \n", 71, true);
    row("SI or NO group, No", "24 - No - \n", 24, true);
    row("SI or NO group, N/A", "24 - N/A - \n", 24, false);
    row("no note, Si", "4 - Si - \n", 4, false);
    row("red link over N/A", "12 - N/A - nota#||#\n", 12, true);
    row("unanswered", "", 0, false);
}

void TestLegacy::puoAprireNotaPre()
{
    QFETCH(QByteArray, line);
    QFETCH(int, group);
    QFETCH(bool, opens);
    Bench b;
    b.leggi(v11("", line));
    QCOMPARE(b.legacy.puoAprireNotaPre(group), opens);
}

void TestLegacy::keyFilters_data()
{
    QTest::addColumn<int>("field"); // TEXT_GENERALE(field); -1 - n: number box TEXT(n)
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("focus"); // where the focus is after the key
    const auto row = [](const char *tag, int field, const char *value, int key, int beeps,
                        const char *focus) {
        QTest::newRow(tag) << field << QByteArray(value) << key << beeps << QString::fromLatin1(focus);
    };
    row("tax code full", 1, "12345678901", Qt::Key_5, 1, "TEXT_GENERALE_1");
    row("tax code letter", 1, "1", Qt::Key_A, 0, "TEXT_GENERALE_1");
    row("day full, silent", 2, "31", Qt::Key_1, 0, "TEXT_GENERALE_2");
    row("year full", 36, "2004", Qt::Key_1, 1, "TEXT_GENERALE_36");
    row("member tax code full", 15, "ABCDEFGHIJKLMNOP", Qt::Key_A, 1, "TEXT_GENERALE_15");
    row("offices full", 20, "123", Qt::Key_1, 1, "TEXT_GENERALE_20");
    row("name, no filter", 8, "Rossi", Qt::Key_A, 0, "TEXT_GENERALE_8");
    row("Enter, next index", 2, "", Qt::Key_Return, 0, "TEXT_GENERALE_3");
    row("Enter, last field to first", 36, "", Qt::Key_Return, 0, "TEXT_GENERALE_0");
    row("Enter, last tax code stays", 17, "", Qt::Key_Return, 0, "TEXT_GENERALE_17");
    row("number box full", -1, "123", Qt::Key_1, 1, "TEXT_0");
    row("number box Enter", -1, "1", Qt::Key_Return, 0, "TEXT_0");
}

void TestLegacy::keyFilters()
{
    QFETCH(int, field);
    QFETCH(QByteArray, value);
    QFETCH(int, key);
    QFETCH(int, beeps);
    QFETCH(QString, focus);
    Bench b;
    const bool number = field < 0;
    b.leggi(v11(number ? "TEXT-0 " + value + "\n" : QByteArray::number(field) + " - " + value + "\n", ""));
    legacy::LegacyWindow &w = *b.legacy.loadedWindow();
    QVERIFY(testing::activate(w));
    if (number)
        b.main().MySSTab->setCurrentIndex(3);
    QLineEdit *box = number ? b.main().TEXT[0] : b.main().TEXT_GENERALE[static_cast<size_t>(field)];
    box->setFocus();
    QTest::keyClick(box, Qt::Key(key));
    QCOMPARE(b.platform.beeps, beeps);
    QCOMPARE(w.focusWidget()->objectName(), focus);
    QCOMPARE(box->text(), QString::fromLatin1(value)); // locked: no key changes a field
}

// Leaving "Stampa" on the first page right after the company name turns to the last page.
void TestLegacy::pageWrap()
{
    Bench b;
    b.leggi(v11("", ""));
    legacy::LegacyWindow &w = *b.legacy.loadedWindow();
    QVERIFY(testing::activate(w));
    for (const int first : {1, 0}) {
        b.main().MySSTab->setCurrentIndex(0);
        b.main().TEXT_GENERALE[static_cast<size_t>(first)]->setFocus();
        testing::button(b.main(), CommandButton::Stampa)->setFocus();
        testing::button(b.main(), CommandButton::Esci)->setFocus();
        QCOMPARE(b.main().MySSTab->currentIndex(), first == 0 ? 5 : 0);
    }
}

void TestLegacy::print_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("printed") << true;
    QTest::newRow("cancelled") << false;
}

// "Stampa" (button or tray menu) through the printer dialog to a PDF file; a cancel prints
// nothing and shows nothing. Either way the remembered tab position ends at 1.
void TestLegacy::print()
{
    QFETCH(bool, accept);
    Bench b;
    b.leggi(testing::testData(QStringLiteral("v11_esempio.xml")));
    const QString pdf = b.dir.filePath(QStringLiteral("v11.pdf"));
    b.platform.choosePrinter(accept, pdf);
    const int boxes = b.platform.messages.size();
    b.main().MENU_STAMPA->trigger();
    VERIFY_NO_FAILURES_OF(b.platform);
    QCOMPARE(b.platform.messages.size(), boxes);
    QCOMPARE(b.legacy.ultimoTabIndexPre(), std::optional<int>(1));
    QCOMPARE(QFile::exists(pdf), accept);
    if (!accept)
        return;
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(tool.waitForFinished(60000) && tool.exitCode() == 0);
    const QString text = QString::fromUtf8(tool.readAllStandardOutput()).simplified();
    for (const char *expected : {"VARZEN - SCHEDA RIEPILOGATIVA DELL'QUADRIVEX v. 1.1",
                                 "Pagina 1 di 4 pagine", "Rossi & Bianchi Costruzioni S.p.A.",
                                 "Pagina 4 di 4 pagine", "Nota 1.a", "Cessione alla controllata Beta S.r.l."})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
}

QTEST_MAIN(TestLegacy)
#include "tst_legacy.moc"
