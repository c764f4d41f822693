// The members grid: layout, adding rows, the cell editor with its rules per column, the
// note cell, and the filled-row test.
#include "support.h"
#include "windows/contenutofinestra.h"
#include "windows/generaldata.h"
#include "windows/gridrules.h"
#include "windows/membersgrid.h"
#include "windows/notewindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using qst::CommandButton;
using qst::Modello;
using testing::Fixture;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

using testing::activate;

QPoint cellCentre(const win::MembersGrid *g, int row, int column)
{
    return g->visualRect(g->model()->index(row, column)).center();
}

void clickCell(win::MembersGrid *g, int row, int column)
{
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cellCentre(g, row, column));
}

// Types where the focus is, one key at a time.
void type(const QString &text)
{
    for (QChar c : text) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

void key(Qt::Key k)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, k);
}

const QString kSiNo = QStringLiteral("E' possibile inserire soltanto SI o NO");

} // namespace

class TestGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void addRows();
    void addRowsStopsAtTheLimit();
    void editRoundTrip_data();
    void editRoundTrip();
    void openingIsNoEdit();
    void editorKeys_data();
    void editorKeys();
    void siNoColumn_data();
    void siNoColumn();
    void siNoKeepsItsCell();
    void enterOnTheGrid();
    void scrollingHidesTheEditor();
    void clearingHidesTheEditor();
    void noteCell_data();
    void noteCell();
    void memberNote_data();
    void memberNote();
};

void TestGrid::layout_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<QList<int>>("widths"); // twips, by column
    QTest::addColumn<QList<int>>("centred");

    QTest::newRow("Tradizionale") << Modello::Tradizionale << QList<int>{450, 2820, 1940, 400, 900, 900, 900,
                                                                         900, 900,  900,  900, 0,   1000}
                                  << QList<int>{3, 4, 5, 6, 7, 8, 9, 10, 12};
    QTest::newRow("Dualistico") << Modello::Dualistico
                                << QList<int>{450, 2820, 1940, 400, 950, 950, 950, 950, 950, 950, 0, 1450}
                                << QList<int>{3, 4, 5, 6, 7, 8, 9, 11};
    QTest::newRow("Monistico") << Modello::Monistico
                               << QList<int>{450, 2820, 1940, 400, 900, 900, 900, 900, 900, 900, 900, 0, 1000}
                               << QList<int>{3, 4, 5, 6, 7, 8, 9, 10, 12};
}

void TestGrid::layout()
{
    QFETCH(Modello, model);
    QFETCH(QList<int>, widths);
    QFETCH(QList<int>, centred);
    Fixture f(model);
    win::MembersGrid *g = win::controls(f.window()).MSHFlexGrid1;
    QCOMPARE(g->columnCount(), widths.size());
    for (int c = 0; c < widths.size(); ++c) {
        QCOMPARE(g->isColumnHidden(c), widths[c] == 0);
        if (c == 0 || c == 3) // widened where the font needs it
            QVERIFY(g->columnWidth(c) >= win::twips(widths[c]));
        else if (widths[c])
            QCOMPARE(g->columnWidth(c), win::twips(widths[c]));
        QCOMPARE((g->item(0, c)->textAlignment() & Qt::AlignHCenter) != 0, centred.contains(c));
    }
    QVERIFY(g->columnWidth(0) > g->fontMetrics().horizontalAdvance(QStringLiteral("Pres.")));
    QVERIFY(!g->tabKeyNavigation());
}

void TestGrid::addRows()
{
    Fixture f(Modello::Dualistico);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(win::controls(w).btnAggiungi, Qt::LeftButton);
    QCOMPARE(win::controls(w).righeGriglia, 8);
    QCOMPARE(g->rowCount(), 8);
    QStringList labels;
    for (int r = 0; r < g->rowCount(); ++r)
        labels << g->textMatrix(r, 0);
    QCOMPARE(labels, (QStringList{QStringLiteral("Pres."), QStringLiteral("2"), QStringLiteral("3"),
                                  QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                  QStringLiteral("7"), QStringLiteral("8")}));
    for (int c = 1; c < g->columnCount(); ++c)
        QVERIFY(g->textMatrix(7, c).isEmpty());
    // Adding a member is no edit.
    QVERIFY(f.state().salvato);
    QVERIFY(testing::leggiEnabled(w));

    // The last row lies past the visible ones: scrolled to, it is edited in place like the others.
    QVERIFY(g->visualRect(g->model()->index(7, 1)).top() >= g->viewport()->height());
    g->scrollToBottom();
    clickCell(g, 7, 1);
    QVERIFY(win::controls(w).txtEdit->isVisible());
    QCOMPARE(win::controls(w).txtEdit->geometry(), g->visualRect(g->model()->index(7, 1)));
    type(QStringLiteral("Neri"));
    key(Qt::Key_Return);
    QCOMPARE(g->textMatrix(7, 1), QStringLiteral("Neri"));
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGrid::addRowsStopsAtTheLimit()
{
    Fixture f(Modello::Tradizionale);
    win::QuestionnaireWindow &w = f.window();
    win::controls(w).righeGriglia = qst::kMaxMemberRows;
    win::controls(w).btnAggiungi->click();
    QCOMPARE(win::controls(w).righeGriglia, qst::kMaxMemberRows);
    QCOMPARE(win::controls(w).MSHFlexGrid1->rowCount(), 3);
    QCOMPARE(f.platform.beeps, 1);
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGrid::editRoundTrip_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("cell");  // the name cell afterwards
    QTest::addColumn<QString>("focus"); // object name of the widget holding the focus
    QTest::newRow("Enter") << QStringLiteral("enter") << QStringLiteral("Rossi")
                           << QStringLiteral("MSHFlexGrid1");
    // Tab leaves for the control after the grid in the tab order.
    QTest::newRow("Tab") << QStringLiteral("tab") << QStringLiteral("Rossi")
                         << QStringLiteral("TEXT_GENERALE_33");
    QTest::newRow("click on a field")
        << QStringLiteral("field") << QStringLiteral("Rossi") << QStringLiteral("TEXT_GENERALE_0");
    QTest::newRow("click on another cell")
        << QStringLiteral("cell") << QStringLiteral("Rossi") << QStringLiteral("txtEdit");
    QTest::newRow("Escape") << QStringLiteral("escape") << QStringLiteral("Bianchi")
                            << QStringLiteral("MSHFlexGrid1");
}

void TestGrid::editRoundTrip()
{
    QFETCH(QString, how);
    QFETCH(QString, cell);
    QFETCH(QString, focus);

    Fixture f(Modello::Tradizionale);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    g->setTextMatrix(1, 1, QStringLiteral("Bianchi"));
    g->setTextMatrix(2, 2, QStringLiteral("VRDLGU70A01F205X"));

    clickCell(g, 1, 1);
    QVERIFY(win::controls(w).txtEdit->isVisible());
    QVERIFY(win::controls(w).txtEdit->hasFocus());
    QCOMPARE(win::controls(w).txtEdit->selectedText(), QStringLiteral("Bianchi")); // the whole text, selected
    type(QStringLiteral("Rossi"));
    QCOMPARE(g->textMatrix(1, 1), QStringLiteral("Rossi")); // the cell follows the editor
    QVERIFY(!f.state().salvato);
    QVERIFY(!testing::leggiEnabled(w));

    if (how == QStringLiteral("enter"))
        key(Qt::Key_Return);
    else if (how == QStringLiteral("escape"))
        key(Qt::Key_Escape);
    else if (how == QStringLiteral("tab"))
        key(Qt::Key_Tab);
    else if (how == QStringLiteral("field"))
        QTest::mouseClick(win::controls(w).TEXT_GENERALE[0], Qt::LeftButton);
    else
        clickCell(g, 2, 2);

    QCOMPARE(g->textMatrix(1, 1), cell);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    if (how == QStringLiteral("cell")) {
        // The editor moved on to the clicked cell, with its text.
        QCOMPARE(win::controls(w).txtEdit->text(), QStringLiteral("VRDLGU70A01F205X"));
        QCOMPARE(win::controls(w).txtEdit->geometry(), g->visualRect(g->model()->index(2, 2)));
        QCOMPARE(g->textMatrix(2, 2), QStringLiteral("VRDLGU70A01F205X"));
    } else {
        QVERIFY(win::controls(w).txtEdit->isHidden());
    }
    QVERIFY(f.platform.messages.isEmpty());
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGrid::openingIsNoEdit()
{
    Fixture f(Modello::Monistico);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    g->setTextMatrix(0, 1, QStringLiteral("Verdi"));
    g->setTextMatrix(1, 4, QStringLiteral("2"));
    clickCell(g, 0, 1);
    key(Qt::Key_Return);
    clickCell(g, 1, 4);
    QCOMPARE(win::controls(w).txtEdit->text(), QStringLiteral("2"));
    key(Qt::Key_Escape);
    QCOMPARE(g->textMatrix(0, 1), QStringLiteral("Verdi"));
    QCOMPARE(g->textMatrix(1, 4), QStringLiteral("2"));
    QVERIFY(f.state().salvato);
    QVERIFY(testing::leggiEnabled(w));
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGrid::editorKeys_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("appending"); // false: typed over the selection the editor opens with
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");

    const Modello T = Modello::Tradizionale, D = Modello::Dualistico;
    const QString code16 = QStringLiteral("RSSMRA80A01H501U");
    QTest::newRow("tax code letters and digits")
        << T << 2 << QString() << true << QStringLiteral("RSSMRA80a01") << QStringLiteral("RSSMRA80a01") << 0;
    QTest::newRow("tax code blank below the limit")
        << T << 2 << QStringLiteral("RSS") << true << QStringLiteral(" M") << QStringLiteral("RSSM") << 0;
    QTest::newRow("tax code 17th character")
        << T << 2 << code16 << true << QStringLiteral("X") << code16 << 1;
    QTest::newRow("tax code blank at the limit")
        << T << 2 << code16 << true << QStringLiteral(" ") << code16 << 1;
    QTest::newRow("tax code full and selected")
        << D << 2 << code16 << false << QStringLiteral("A") << code16 << 1;
    QTest::newRow("count 12a") << T << 7 << QString() << true << QStringLiteral("12a") << QStringLiteral("12")
                               << 0;
    QTest::newRow("count fourth digit")
        << T << 10 << QStringLiteral("123") << true << QStringLiteral("4") << QStringLiteral("123") << 1;
    QTest::newRow("count full and selected")
        << T << 5 << QStringLiteral("123") << false << QStringLiteral("4") << QStringLiteral("123") << 1;
    QTest::newRow("count letter at the limit")
        << T << 6 << QStringLiteral("123") << true << QStringLiteral("x") << QStringLiteral("123") << 1;
    QTest::newRow("dualistic last count")
        << D << 9 << QStringLiteral("123") << true << QStringLiteral("4") << QStringLiteral("123") << 1;
    QTest::newRow("name anything") << T << 1 << QString() << true << QStringLiteral("D'Alò & C. 3")
                                   << QStringLiteral("D'Alò & C. 3") << 0;
    QTest::newRow("minority column while typing")
        << T << 3 << QString() << true << QStringLiteral("s") << QStringLiteral("s") << 0;
}

void TestGrid::editorKeys()
{
    QFETCH(Modello, model);
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(bool, appending);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(int, beeps);

    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    g->setTextMatrix(1, column, before);
    clickCell(g, 1, column);
    QVERIFY(win::controls(w).txtEdit->hasFocus());
    if (appending)
        win::controls(w).txtEdit->end(false);
    type(typed);
    QCOMPARE(win::controls(w).txtEdit->text(), after);
    QCOMPARE(g->textMatrix(1, column), after);
    QCOMPARE(f.platform.beeps, beeps);
    if (!appending) {
        // Backspace always passes: over the selection it empties the cell.
        key(Qt::Key_Backspace);
        QCOMPARE(g->textMatrix(1, column), QString());
    }
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGrid::siNoColumn_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Qt::Key>("leave");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("refused");

    QTest::newRow("si by Enter") << QStringLiteral("si") << Qt::Key_Return << QStringLiteral("SI") << false;
    QTest::newRow("No by Tab") << QStringLiteral("No") << Qt::Key_Tab << QStringLiteral("NO") << false;
    QTest::newRow("empty") << QString() << Qt::Key_Return << QString() << false;
    QTest::newRow("x by Enter") << QStringLiteral("x") << Qt::Key_Return << QString() << true;
    QTest::newRow("sii by Tab") << QStringLiteral("sii") << Qt::Key_Tab << QString() << true;
    // The close box and the tray menu leave the cell through its rule first; a refused text stops them.
    QTest::newRow("x by the close box") << QStringLiteral("x") << Qt::Key_Close << QString() << true;
    QTest::newRow("x by the tray menu") << QStringLiteral("x") << Qt::Key_Save << QString() << true;
    QTest::newRow("si by the tray menu")
        << QStringLiteral("si") << Qt::Key_Save << QStringLiteral("SI") << false;
}

void TestGrid::siNoColumn()
{
    QFETCH(QString, typed);
    QFETCH(Qt::Key, leave);
    QFETCH(QString, cell);
    QFETCH(bool, refused);

    Fixture f(Modello::Tradizionale);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    g->setTextMatrix(2, 3, QStringLiteral("NO"));
    clickCell(g, 2, 3);
    key(Qt::Key_Backspace);
    type(typed);
    if (refused)
        f.platform.answer(platform::Answer::Ok, kSiNo);
    if (leave == Qt::Key_Close)
        QVERIFY(!w.close());
    else if (leave == Qt::Key_Save)
        win::controls(w).MENU_SALVA->trigger();
    else
        key(leave);

    QCOMPARE(g->textMatrix(2, 3), cell);
    QCOMPARE(f.commands->saves.size(), leave == Qt::Key_Save && !refused ? 1 : 0);
    QCOMPARE(f.platform.messages.size(), refused ? 1 : 0);
    if (refused) {
        const platform::BoxRequest &m = f.platform.messages.first();
        QCOMPARE(m.text, kSiNo);
        QCOMPARE(m.title, QStringLiteral("Attenzione"));
        QCOMPARE(m.buttons, platform::Buttons::Ok);
        // The editor stays open on its cell, emptied, with the focus.
        QVERIFY(win::controls(w).txtEdit->isVisible());
        QVERIFY(win::controls(w).txtEdit->hasFocus());
        QCOMPARE(win::controls(w).txtEdit->text(), QString());
        QCOMPARE(win::controls(w).txtEdit->geometry(), g->visualRect(g->model()->index(2, 3)));
        QCOMPARE(g->currentRow(), 2);
        QCOMPARE(g->currentColumn(), 3);
        // Then a valid answer is kept.
        type(QStringLiteral("sI"));
        key(Qt::Key_Return);
        QCOMPARE(g->textMatrix(2, 3), QStringLiteral("SI"));
    }
    QVERIFY(win::controls(w).txtEdit->isHidden());
    QVERIFY(f.platform.allConsumed());
    QVERIFY2(f.platform.failures.isEmpty(), qPrintable(f.platform.failures.join(u'\n')));
}

void TestGrid::siNoKeepsItsCell()
{
    Fixture f(Modello::Dualistico);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    g->setTextMatrix(0, 3, QStringLiteral("SI"));

    // Escape after a wrong entry gives the cell its text back, and that text is checked.
    clickCell(g, 0, 3);
    type(QStringLiteral("x"));
    QCOMPARE(g->textMatrix(0, 3), QStringLiteral("x"));
    key(Qt::Key_Escape);
    QCOMPARE(g->textMatrix(0, 3), QStringLiteral("SI"));
    QVERIFY(win::controls(w).txtEdit->isHidden());
    QVERIFY(f.platform.messages.isEmpty());

    // A click on another cell after a wrong entry: the message, and the editor stays put,
    // both while the button is down and after its release.
    key(Qt::Key_Return); // the grid has the focus, on the same cell
    type(QStringLiteral("forse"));
    f.platform.answer(platform::Answer::Ok, kSiNo);
    QTest::mousePress(g->viewport(), Qt::LeftButton, {}, cellCentre(g, 1, 1));
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(g->currentRow(), 0);
    QCOMPARE(g->currentColumn(), 3);
    QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, cellCentre(g, 1, 1));
    QCOMPARE(g->textMatrix(0, 3), QString());
    QVERIFY(win::controls(w).txtEdit->isVisible());
    QVERIFY(win::controls(w).txtEdit->hasFocus());
    QCOMPARE(g->currentRow(), 0);
    QCOMPARE(g->currentColumn(), 3);
    QCOMPARE(win::controls(w).txtEdit->geometry(), g->visualRect(g->model()->index(0, 3)));
    type(QStringLiteral("no"));
    QCOMPARE(g->textMatrix(1, 1), QString());
    key(Qt::Key_Return);
    QCOMPARE(g->textMatrix(0, 3), QStringLiteral("NO"));
    QVERIFY(f.platform.allConsumed());
    QVERIFY2(f.platform.failures.isEmpty(), qPrintable(f.platform.failures.join(u'\n')));
}

void TestGrid::enterOnTheGrid()
{
    Fixture f(Modello::Tradizionale);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    g->setTextMatrix(1, 5, QStringLiteral("7"));
    g->setFocus(Qt::OtherFocusReason);
    g->setCurrentCell(1, 5);
    key(Qt::Key_Return);
    QVERIFY(win::controls(w).txtEdit->isVisible());
    QVERIFY(win::controls(w).txtEdit->hasFocus());
    QCOMPARE(win::controls(w).txtEdit->selectedText(), QStringLiteral("7"));
    // Keys the editor does not use stay out of the grid behind it.
    key(Qt::Key_Down);
    QCOMPARE(g->currentRow(), 1);
    QVERIFY(win::controls(w).txtEdit->hasFocus());
    type(QStringLiteral("8"));
    key(Qt::Key_Return);
    QCOMPARE(g->textMatrix(1, 5), QStringLiteral("8"));
    QVERIFY(g->hasFocus());
    // Arrows move the current cell; Enter opens the cell reached.
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    QCOMPARE(win::controls(w).txtEdit->geometry(), g->visualRect(g->model()->index(1, 6)));
    key(Qt::Key_Escape);

    // The row labels are not edited, by Enter or by a click.
    g->setCurrentCell(2, 0);
    key(Qt::Key_Return);
    QVERIFY(win::controls(w).txtEdit->isHidden());
    clickCell(g, 0, 0);
    QVERIFY(win::controls(w).txtEdit->isHidden());
    QCOMPARE(g->textMatrix(0, 0), QStringLiteral("Pres."));
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGrid::scrollingHidesTheEditor()
{
    Fixture f(Modello::Monistico);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    for (int i = 0; i < 6; ++i)
        win::controls(w).btnAggiungi->click();
    clickCell(g, 1, 1);
    type(QStringLiteral("Gialli"));
    QVERIFY(win::controls(w).txtEdit->isVisible());
    g->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QVERIFY(win::controls(w).txtEdit->isHidden());
    QVERIFY(g->hasFocus());
    QCOMPARE(g->textMatrix(1, 1), QStringLiteral("Gialli"));

    // A wrong "SI"/"NO" entry is still refused when scrolling closes the editor.
    g->scrollToTop();
    clickCell(g, 1, 3);
    type(QStringLiteral("x"));
    f.platform.answer(platform::Answer::Ok, kSiNo);
    g->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QVERIFY(win::controls(w).txtEdit->isHidden());
    QCOMPARE(g->textMatrix(1, 3), QString());
    QVERIFY(f.platform.allConsumed());
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGrid::clearingHidesTheEditor()
{
    Fixture f(Modello::Tradizionale);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    win::controls(w).btnAggiungi->click();
    g->setTextMatrix(3, 1, QStringLiteral("Blu"));
    clickCell(g, 1, 3);
    type(QStringLiteral("x"));
    // The open command empties the grid and rebuilds it: no leaving rule for a cell gone.
    g->clearAll();
    w.setGriglia();
    QVERIFY(win::controls(w).txtEdit->isHidden());
    QCOMPARE(g->rowCount(), 3);
    QCOMPARE(win::controls(w).righeGriglia, 3);
    QCOMPARE(g->textMatrix(2, 0), QStringLiteral("3"));
    QCOMPARE(g->textMatrix(1, 3), QString());
    QVERIFY(f.platform.messages.isEmpty());
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGrid::noteCell_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("noteCell");
    QTest::newRow("Tradizionale, Pres.") << Modello::Tradizionale << 0 << 12;
    QTest::newRow("Dualistico, row 3") << Modello::Dualistico << 2 << 11;
    QTest::newRow("Monistico, row 2") << Modello::Monistico << 1 << 12;
}

void TestGrid::noteCell()
{
    QFETCH(Modello, model);
    QFETCH(int, row);
    QFETCH(int, noteCell);

    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    clickCell(g, row, 1);
    QVERIFY(win::controls(w).txtEdit->isVisible());
    bool opened = false;
    f.platform.modal([&](QDialog &d) {
        opened = true;
        QCOMPARE(&d, static_cast<QDialog *>(&f.module->noteWindow()));
        QVERIFY(f.state().notaGriglia);
        QCOMPARE(g->currentRow(), row);
        QCOMPARE(g->currentColumn(), noteCell);
        QVERIFY(win::controls(w).txtEdit->isHidden());
        d.hide();
    });
    clickCell(g, row, noteCell);
    QVERIFY(opened);
    QCOMPARE(f.platform.modalShown, 1);
    // The click is an edit, but "Leggi" stays enabled.
    QVERIFY(!f.state().salvato);
    QVERIFY(testing::leggiEnabled(w));
    QVERIFY2(f.platform.failures.isEmpty(), qPrintable(f.platform.failures.join(u'\n')));

    // Enter on the note cell opens the note window too.
    f.platform.modal([&](QDialog &d) { d.hide(); });
    QVERIFY(activate(w));
    g->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_Return);
    QCOMPARE(f.platform.modalShown, 2);
    QVERIFY(f.platform.allConsumed());
}

void TestGrid::memberNote_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("caption");
    QTest::newRow("president") << Modello::Tradizionale << 0
                               << QStringLiteral(
                                      "Requisiti professionalità del PRESIDENTE - Testo associato");
    QTest::newRow("member 3") << Modello::Dualistico << 2
                              << QStringLiteral("Requisiti professionalità del MEMBRO 3 - Testo associato");
}

void TestGrid::memberNote()
{
    QFETCH(Modello, model);
    QFETCH(int, row);
    QFETCH(QString, caption);

    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    const qst::ModelTable &t = qst::modelTable(model);
    win::NoteWindow &note = f.module->noteWindow();

    f.platform.modal([&](QDialog &) {
        QCOMPARE(note.windowTitle(), caption);
        QCOMPARE(note.TEXT_NOTE->toPlainText(), QString());
        QTest::keyClicks(note.TEXT_NOTE, QStringLiteral("Revisore legale"));
        QTest::mouseClick(note.End_Note, Qt::LeftButton);
    });
    clickCell(g, row, t.noteCell());
    QCOMPARE(g->textMatrix(row, t.noteColumn()), QStringLiteral("Revisore legale"));
    QCOMPARE(g->textMatrix(row, t.noteCell()), QStringLiteral("SI"));
    QVERIFY(!f.state().notaGriglia);
    QVERIFY(win::leggiContenuto(*f.module).membroCompilato(row)); // the note alone fills the row

    // Reopened, the note is shown; emptied and closed with "Fine", the row loses it.
    QVERIFY(activate(w));
    f.platform.modal([&](QDialog &) {
        QCOMPARE(note.TEXT_NOTE->toPlainText(), QStringLiteral("Revisore legale"));
        note.TEXT_NOTE->selectAll();
        QTest::keyClick(note.TEXT_NOTE, Qt::Key_Backspace);
        QTest::mouseClick(note.End_Note, Qt::LeftButton);
    });
    clickCell(g, row, t.noteCell());
    QCOMPARE(g->textMatrix(row, t.noteColumn()), QString());
    QCOMPARE(g->textMatrix(row, t.noteCell()), QString());
    QCOMPARE(f.platform.modalShown, 2);
    QVERIFY(f.platform.allConsumed());
    QVERIFY2(f.platform.failures.isEmpty(), qPrintable(f.platform.failures.join(u'\n')));
}

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
