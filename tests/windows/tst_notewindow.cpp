// The note window: layout, both modes, "Fine", "Cancella", closing, the length limit and the
// text as the program keeps it.
#include "support.h"
#include "windows/membersgrid.h"
#include "windows/notelink.h"
#include "windows/notewindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include <functional>

using platform::Answer;
using qst::Modello;
using testing::Fixture;
using win::NoteWindow;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

const QString kLimitText = QStringLiteral("ATTENZIONE: è stato raggiunto il numero massimo dei caratteri.\n"
                                          "Operazione annullata!!!");
const QString kCutText =
    QStringLiteral("ATTENZIONE: la lunghezza della stringa inserita è maggiore di 65000:\n"
                   "i caratteri in eccesso verranno automaticamente cancellati. Verificare!!!");

win::NoteLink *link(Fixture &f, int k)
{
    return win::controls(f.window()).Label_NOTA[static_cast<size_t>(k)];
}
QCheckBox *si(Fixture &f, int k)
{
    return win::controls(f.window()).Check_SI[static_cast<size_t>(k)];
}

// Group 0 answered as the open command leaves it (`which`: 'S', 'N', '-' for no answer) with a
// stored note; the user clicks its red link and does `user` in the note window.
void openNote(Fixture &f, const QString &stored, const std::function<void(NoteWindow &)> &user,
              char which = 'S')
{
    f.module->setLoading(true);
    if (which != '-')
        (which == 'S' ? si(f, 0) : win::controls(f.window()).Check_NO[0])->setChecked(true);
    f.module->setLoading(false);
    f.module->setNote(0, which == 'S' ? stored : QString(), which == 'S' ? QString() : stored);
    link(f, 0)->setForeColor(win::kColorRed);
    f.platform.modal([user](QDialog &d) { user(static_cast<NoteWindow &>(d)); });
    QTest::mouseClick(link(f, 0), Qt::LeftButton);
}

} // namespace

class TestNoteWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void layout();
    void memberMode_data();
    void memberMode();
    void blankTest_data();
    void blankTest();
    void cancella_data();
    void cancella();
    void pasteOverLimit_data();
    void pasteOverLimit();
    void keys_data();
    void keys();
    void lineBreaks_data();
    void lineBreaks();
    void escapeKeepsTheNote();
};

void TestNoteWindow::layout()
{
    for (Modello m : qst::kModelli) {
        Fixture f(m);
        NoteWindow &nw = f.module->noteWindow();
        QCOMPARE(nw.objectName(), f.module->table().noteWindowName);
        QCOMPARE(nw.windowTitle(), QStringLiteral("Nota allegata"));
        QCOMPARE(nw.Frame2->title(), QStringLiteral("Nota"));
        QCOMPARE(nw.Label1->text(),
                 QStringLiteral(
                     "Cliccando sul nome della nota in corrispondenza di ogni singolo gruppo di risposte, "
                     "è possibile visionare l'eventuale commento associato alla domanda. La presenza di "
                     "quest'ultimo è contrassegnata dal testo di colore rosso.") +
                     QString(75, u' ') + QStringLiteral("N.B.: max 65000 caratteri inseribili."));
        QCOMPARE(nw.Label1->text().size(), 334);
        QCOMPARE(nw.Delete_Note->text(), QStringLiteral("Cancella"));
        QCOMPARE(nw.End_Note->text(), QStringLiteral("Fine"));
        QVERIFY(nw.Label1->font().bold() && nw.End_Note->font().bold());

        QStringList focus;
        openNote(f, QStringLiteral("testo"), [&](NoteWindow &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Nota 1.a - Testo associato"));
            QCOMPARE(d.minimumSize(), d.maximumSize());
            for (int i = 0; i < 3; ++i) { // tab order: TEXT_NOTE, Fine, Cancella
                focus << d.focusWidget()->objectName();
                QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
            }
            QTest::keyClicks(d.TEXT_NOTE, QStringLiteral("perso"));
            d.close(); // the close box keeps what was typed, as "Fine" does
        });
        QCOMPARE(focus, (QStringList{QStringLiteral("TEXT_NOTE"), QStringLiteral("End_Note"),
                                     QStringLiteral("Delete_Note")}));
        QVERIFY(!nw.isVisible());
        QCOMPARE(f.state().noteSi.at(0), QStringLiteral("persotesto"));
        QVERIFY(link(f, 0)->isRed());
        VERIFY_NO_FAILURES(f);
    }
}

void TestNoteWindow::memberMode_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed"); // "\n": the text is replaced by blanks
    QTest::addColumn<bool>("fine");     // "Fine", else the close box
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("cell");
    const QString member2 = QStringLiteral("Requisiti professionalità del MEMBRO 2 - Testo associato");
    for (Modello m : qst::kModelli) {
        const QByteArray n = testing::modelName(m);
        QTest::newRow(n + " president")
            << m << 0 << QStringLiteral("tre ") << true
            << QStringLiteral("Requisiti professionalità del PRESIDENTE - Testo associato")
            << QStringLiteral("tre uno\r\ndue") << QStringLiteral("SI");
        QTest::newRow(n + " emptied")
            << m << 1 << QStringLiteral("\n") << true << member2 << QString() << QString();
        QTest::newRow(n + " closed") << m << 1 << QStringLiteral("x") << false << member2
                                     << QStringLiteral("xuno\r\ndue") << QStringLiteral("SI");
        QTest::newRow(n + " closed blank") << m << 1 << QStringLiteral("\n") << false << member2
                                           << QStringLiteral("uno\ndue") << QStringLiteral("old");
    }
}

void TestNoteWindow::memberMode()
{
    QFETCH(Modello, model);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(bool, fine);
    QFETCH(QString, caption);
    QFETCH(QString, note);
    QFETCH(QString, cell);
    Fixture f(model);
    win::MembersGrid &grid = *win::controls(f.window()).MSHFlexGrid1;
    const int nc = f.module->table().noteCell();
    grid.setTextMatrix(row, nc - 1, QStringLiteral("uno\ndue"));
    grid.setTextMatrix(row, nc, QStringLiteral("old"));
    // What a click on the note cell does before it shows the window.
    grid.setCurrentCell(row, nc);
    f.module->setNotaGriglia(true);
    QStringList inside;
    f.platform.modal([&](QDialog &d) {
        auto &nw = static_cast<NoteWindow &>(d);
        inside << nw.windowTitle() << nw.testo();
        if (typed == QStringLiteral("\n"))
            nw.setTesto(QStringLiteral(" \r\n\t"));
        else
            QTest::keyClicks(nw.TEXT_NOTE, typed);
        if (fine)
            nw.End_Note->click();
        else
            nw.close();
    });
    f.platform.execModal(f.module->noteWindow());

    QCOMPARE(inside, (QStringList{caption, QStringLiteral("uno\r\ndue")}));
    QCOMPARE(grid.textMatrix(row, nc - 1), note);
    QCOMPARE(grid.textMatrix(row, nc), cell);
    QVERIFY(!f.state().notaGriglia); // also after the close box
    QVERIFY(f.state().noteSi.at(0).isEmpty() && !si(f, 0)->isChecked() && !link(f, 0)->isRed());
    VERIFY_NO_FAILURES(f);
}

void TestNoteWindow::blankTest_data()
{
    QTest::addColumn<char>("which"); // the answer of group 0
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("blank");
    QTest::newRow("blanks") << 'S' << QStringLiteral("   ") << true;
    QTest::newRow("tabs and line breaks") << 'N' << QStringLiteral("\t \n\n \t") << true;
    QTest::newRow("control characters") << 'S' << QStringLiteral("\x01\x1f ") << true;
    QTest::newRow("exclamation mark") << 'S' << QStringLiteral("!") << false;
    QTest::newRow("letter among blanks, NO") << 'N' << QStringLiteral("  a\n ") << false;
    QTest::newRow("no-break space, no answer") << '-' << QStringLiteral("\u00a0") << false;
    QTest::newRow("blanks, no answer") << '-' << QStringLiteral(" ") << true;
}

void TestNoteWindow::blankTest()
{
    QFETCH(char, which);
    QFETCH(QString, text);
    QFETCH(bool, blank);
    for (Modello m : qst::kModelli) {
        Fixture f(m);
        QString left;
        openNote(
            f, QStringLiteral("vecchia"),
            [&](NoteWindow &d) {
                d.TEXT_NOTE->selectAll();
                d.TEXT_NOTE->insertPlainText(text);
                d.End_Note->click();
                left = d.testo();
            },
            which);
        const QString stored = blank ? QString() : qst::withLineBreaks(text, u"\r\n");
        QCOMPARE(left, stored);
        // Filed under SI when SI is ticked, else under NO; an emptied note is gone, its link no
        // longer red, its answer unticked with no new window.
        QCOMPARE(f.state().noteSi.at(0), which == 'S' ? stored : QString());
        QCOMPARE(f.state().noteNo.at(0), which == 'S' ? QString() : stored);
        QCOMPARE(link(f, 0)->foreColor(), blank ? win::kColorButtonText : win::kColorRed);
        QCOMPARE(si(f, 0)->isChecked() || win::controls(f.window()).Check_NO[0]->isChecked(),
                 which != '-' && !blank);
        QCOMPARE(f.platform.modalShown, 1);
        QVERIFY(!f.state().bloccaNota);
        VERIFY_NO_FAILURES(f);
    }
}

void TestNoteWindow::cancella_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("closing"); // 0 "Fine", 1 close box
    for (Modello m : qst::kModelli)
        for (int c : {0, 1})
            QTest::addRow("%s %s", testing::modelName(m), c == 0 ? "Fine" : "close box") << m << c;
}

void TestNoteWindow::cancella()
{
    QFETCH(Modello, model);
    QFETCH(int, closing);
    Fixture f(model);
    QStringList inside;
    openNote(f, QStringLiteral("vecchia"), [&](NoteWindow &d) {
        inside << d.testo();
        d.Delete_Note->click();
        // The entry goes at once; link and answer wait for "Fine".
        inside << f.state().noteSi.at(0) << d.testo() << QString::number(link(f, 0)->isRed())
               << QString::number(si(f, 0)->isChecked()) << d.focusWidget()->objectName();
        if (closing == 0)
            d.End_Note->click();
        else
            d.close();
    });
    QCOMPARE(inside, (QStringList{QStringLiteral("vecchia"), QString(), QString(), QStringLiteral("1"),
                                  QStringLiteral("1"), QStringLiteral("TEXT_NOTE")}));
    // However the window closes, no red link is left without a note behind it.
    QCOMPARE(link(f, 0)->foreColor(), win::kColorButtonText);
    QCOMPARE(si(f, 0)->isChecked(), closing != 0);
    QCOMPARE(f.state().noteSi.at(0), QString());
    QCOMPARE(f.platform.modalShown, 1);
    VERIFY_NO_FAILURES(f);
}

void TestNoteWindow::pasteOverLimit_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    const QString a(65010, u'a');
    QTest::newRow("plain") << a << a.left(65000);
    // 43400 characters with their line feeds, 65100 as the limit counts them.
    QTest::newRow("line breaks count two") << QStringLiteral("x\n").repeated(21700)
                                           << QStringLiteral("x\r\n").repeated(21666) + QStringLiteral("x");
    // A line break across the limit goes whole: no lone carriage return is left.
    QTest::newRow("break across the limit")
        << QString(64999, u'a') + QStringLiteral("\nb") << QString(64999, u'a');
}

void TestNoteWindow::pasteOverLimit()
{
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    Fixture f(Modello::Monistico);
    f.platform.answer(Answer::Ok, kCutText);
    f.platform.answer(Answer::Ok, kCutText);
    QApplication::clipboard()->setText(pasted);
    QString afterPaste;
    QString afterSecond;
    openNote(f, QString(), [&](NoteWindow &d) {
        QTest::keyClick(d.TEXT_NOTE, Qt::Key_V, Qt::ControlModifier);
        afterPaste = d.testo();
        // Back under the limit re-arms the warning for the next overflow.
        QTest::keyClick(d.TEXT_NOTE, Qt::Key_Backspace);
        d.TEXT_NOTE->insertPlainText(QStringLiteral("yyy"));
        afterSecond = d.testo();
        d.End_Note->click();
    });
    QCOMPARE(afterPaste.size(), kept.size());
    QVERIFY(afterPaste == kept);
    QCOMPARE(afterSecond.size(), qsizetype(65000));
    QCOMPARE(f.state().noteSi.at(0), afterSecond);
    QCOMPARE(f.platform.messages.size(), 2);
    QCOMPARE(f.platform.messages[0].text, kCutText);
    QCOMPARE(f.platform.messages[0].title, QStringLiteral("Warning"));
    QCOMPARE(f.platform.messages[0].icon, platform::Icon::Information);
    VERIFY_NO_FAILURES(f);
}

void TestNoteWindow::keys_data()
{
    QTest::addColumn<int>("length"); // before the key
    QTest::addColumn<int>("key");    // a Qt key, or 0 to type the character of `text`
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("after");
    QTest::newRow("letter at limit") << 65000 << 0 << QStringLiteral("z") << kLimitText << 65000;
    QTest::newRow("paste at limit") << 65000 << int(Qt::Key_V) << QString() << kLimitText << 65000;
    QTest::newRow("dagger at limit") << 65000 << 0 << QStringLiteral("\u2020") << kLimitText << 65000;
    QTest::newRow("backspace at limit") << 65000 << int(Qt::Key_Backspace) << QString() << QString() << 64999;
    QTest::newRow("enter at limit") << 65000 << int(Qt::Key_Return) << QString() << kCutText << 65000;
    QTest::newRow("letter below limit") << 64999 << 0 << QStringLiteral("z") << QString() << 65000;
    QTest::newRow("dagger below limit") << 100 << 0 << QStringLiteral("\u2020") << QString() << 100;
    QTest::newRow("no-break space") << 100 << 0 << QStringLiteral("\u00a0") << QString() << 101;
}

void TestNoteWindow::keys()
{
    QFETCH(int, length);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, after);
    Fixture f(Modello::Tradizionale);
    if (!message.isEmpty())
        f.platform.answer(Answer::Ok, message);
    QApplication::clipboard()->setText(QStringLiteral("incollato"));
    QString result;
    openNote(f, QString(length, u'a'), [&](NoteWindow &d) {
        d.TEXT_NOTE->moveCursor(QTextCursor::End);
        if (key == int(Qt::Key_V))
            QTest::keyClick(d.TEXT_NOTE, Qt::Key_V, Qt::ControlModifier);
        else if (key)
            QTest::keyClick(d.TEXT_NOTE, Qt::Key(key));
        else
            QTest::sendKeyEvent(QTest::Click, d.TEXT_NOTE, Qt::Key_unknown, text, Qt::NoModifier);
        // The window coming back to the front after a message box keeps what was typed.
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&d, &activate);
        result = d.testo();
        d.End_Note->click();
    });
    QCOMPARE(result.size(), qsizetype(after));
    QCOMPARE(result, QString(std::min(after, length), u'a') + (after > length ? text : QString()));
    QCOMPARE(f.platform.messages.size(), message.isEmpty() ? 0 : 1);
    if (message == kLimitText) { // no title of its own, no icon
        QCOMPARE(f.platform.messages[0].title, QString());
        QCOMPARE(f.platform.messages[0].icon, platform::Icon::None);
    }
    VERIFY_NO_FAILURES(f);
}

void TestNoteWindow::lineBreaks_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringLiteral("a\r\nb");
    QTest::newRow("LF") << QStringLiteral("a\nb\n") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("LF CR") << QStringLiteral("a\n\rb") << QStringLiteral("a\r\n\r\nb");
    QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringLiteral("a\r\nb");
    QTest::newRow("no-break spaces") << QStringLiteral("a\u00a0b\u00a0\u00a0\nc")
                                     << QStringLiteral("a\u00a0b\u00a0\u00a0\r\nc");
    QTest::newRow("tabs and Unicode")
        << QStringLiteral("\tè «ü» €\u2028z") << QStringLiteral("\tè «ü» €\u2028z");
}

void TestNoteWindow::lineBreaks()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    for (Modello m : qst::kModelli) {
        Fixture f(m);
        QString inBox;
        openNote(f, stored, [&](NoteWindow &d) {
            inBox = d.testo();
            d.End_Note->click();
        });
        QCOMPARE(inBox, shown);
        QCOMPARE(f.state().noteSi.at(0), shown); // "Fine" stores the CR LF form
        VERIFY_NO_FAILURES(f);
    }
}

// The window has no cancel button: Escape must not close it and throw the typed note away, nor
// may a minimise hide it. It is the questionnaire window's dialog, kept in front of it.
void TestNoteWindow::escapeKeepsTheNote()
{
    Fixture f(Modello::Monistico);
    QVERIFY(testing::activate(f.window()));
    bool openAfterEscape = false;
    QString textAfterEscape;
    openNote(f, QStringLiteral("prima"), [&](NoteWindow &d) {
        d.TEXT_NOTE->moveCursor(QTextCursor::End);
        QTest::keyClicks(d.TEXT_NOTE, QStringLiteral(" e dopo"));
        QTest::keyClick(d.TEXT_NOTE, Qt::Key_Escape);
        QTest::keyClick(&d, Qt::Key_Escape);
        // Drawn without a minimise button, yet minimised by a window manager: it comes back, with
        // the questionnaire window it took along.
        f.window().setWindowState(Qt::WindowMinimized);
        d.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!d.isMinimized() && !f.window().isMinimized());
        openAfterEscape = d.isVisible();
        textAfterEscape = d.testo();
        d.End_Note->click();
    });
    QVERIFY(openAfterEscape);
    QCOMPARE(textAfterEscape, QStringLiteral("prima e dopo"));
    QCOMPARE(f.state().noteSi.at(0), QStringLiteral("prima e dopo"));
    QCOMPARE(f.module->noteWindow().parentWidget(), &f.window());
    QVERIFY(f.module->noteWindow().isWindow());
}

QTEST_MAIN(TestNoteWindow)
#include "tst_notewindow.moc"
