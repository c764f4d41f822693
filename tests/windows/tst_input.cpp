// Text that reaches the boxes without key presses: paste, drop and input methods keep the kind
// rules of each box; text set by the program stays whole; cells outside the grid are errors.
#include "core/error.h"
#include "support.h"
#include "windows/membersgrid.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

using qst::Modello;
using testing::Fixture;

namespace
{

// The box a test pastes into: a general-data field, a number box, or the grid's editor opened
// on a column of member row 1.
struct Target {
    enum Kind { Field, NumberBox, GridColumn } kind;
    int index;
};

QLineEdit *open(Fixture &f, Target t)
{
    win::QuestionnaireWindow &w = f.window();
    switch (t.kind) {
    case Target::Field:
        return win::controls(w).TEXT_GENERALE[static_cast<size_t>(t.index)];
    case Target::NumberBox:
        win::controls(w).MySSTab->setCurrentIndex(3);
        return win::controls(w).TEXT[static_cast<size_t>(t.index)];
    case Target::GridColumn: {
        win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
        g->scrollTo(g->model()->index(1, t.index));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualRect(g->model()->index(1, t.index)).center());
        return win::controls(w).txtEdit;
    }
    }
    return nullptr;
}

enum class Way { Shortcut, Drop, ContextMenuSlot };

void deliver(QLineEdit *box, const QString &text, Way way)
{
    switch (way) {
    case Way::Shortcut:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Way::ContextMenuSlot: // what the context menu's entry and a middle click call
        QGuiApplication::clipboard()->setText(text);
        box->paste();
        break;
    case Way::Drop: {
        QMimeData data;
        data.setText(text);
        const QPoint at(box->width() - 2, box->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &drop);
        break;
    }
    }
}

} // namespace

Q_DECLARE_METATYPE(Target)
Q_DECLARE_METATYPE(Way)

class TestInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pastedTextKeepsTheKindRule_data();
    void pastedTextKeepsTheKindRule();
    void inputMethodTextIsTyping();
    void programTextStaysWhole();
    void cellsOutsideTheGridAreErrors();
};

void TestInput::pastedTextKeepsTheKindRule_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    const QString mixed = QStringLiteral("12ab 3-4x5");
    const QString digits = QStringLiteral("12345");
    const QString longDigits = QString(40, u'7'); // past every typed limit: not cut
    QTest::newRow("tax code") << Target{Target::Field, 1} << Way::Shortcut << mixed << digits;
    QTest::newRow("tax code, long") << Target{Target::Field, 1} << Way::Shortcut << longDigits << longDigits;
    QTest::newRow("day, dropped") << Target{Target::Field, 2} << Way::Drop << QStringLiteral("x1y2z")
                                  << QStringLiteral("12");
    QTest::newRow("year, menu") << Target{Target::Field, 36} << Way::ContextMenuSlot << mixed << digits;
    QTest::newRow("telephone") << Target{Target::Field, 6} << Way::Shortcut << QStringLiteral("+39 06 1234")
                               << QStringLiteral("39061234");
    QTest::newRow("count") << Target{Target::Field, 62} << Way::Shortcut << QStringLiteral("dodici")
                           << QString();
    QTest::newRow("statute maximum") << Target{Target::Field, 33} << Way::Shortcut << longDigits
                                     << longDigits;
    QTest::newRow("free name") << Target{Target::Field, 0} << Way::Shortcut << mixed << mixed;
    QTest::newRow("number box") << Target{Target::NumberBox, 1} << Way::Shortcut << mixed << digits;
    QTest::newRow("grid name") << Target{Target::GridColumn, 1} << Way::Shortcut << mixed << mixed;
    QTest::newRow("grid tax code") << Target{Target::GridColumn, 2} << Way::Shortcut
                                   << QStringLiteral("RSS MRA 80A01 H501U")
                                   << QStringLiteral("RSSMRA80A01H501U");
    QTest::newRow("grid count") << Target{Target::GridColumn, 5} << Way::Drop << QStringLiteral("dodici 12")
                                << QStringLiteral("12");
}

void TestInput::pastedTextKeepsTheKindRule()
{
    QFETCH(Target, target);
    QFETCH(Way, way);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    Fixture f(Modello::Tradizionale);
    QVERIFY(testing::activate(f.window()));
    QLineEdit *box = open(f, target);
    QVERIFY(box);
    box->setFocus();
    deliver(box, pasted, way);
    QCOMPARE(box->text(), kept);
    QCOMPARE(f.platform.beeps, 0);
    if (target.kind == Target::GridColumn)
        QCOMPARE(win::controls(f.window()).MSHFlexGrid1->textMatrix(1, target.index), kept);
    // Pasting between characters keeps both sides.
    if (!kept.isEmpty() && target.kind == Target::Field) {
        box->setCursorPosition(1);
        deliver(box, QStringLiteral("a9"), Way::ContextMenuSlot);
        const bool free = target.index == 0;
        QCOMPARE(box->text(),
                 kept.left(1) + (free ? QStringLiteral("a9") : QStringLiteral("9")) + kept.mid(1));
    }
}

// Composed text is typed character by character through the key rule: the tax code takes its
// eleventh digit and beeps for the rest.
void TestInput::inputMethodTextIsTyping()
{
    Fixture f(Modello::Monistico);
    QVERIFY(testing::activate(f.window()));
    QLineEdit *taxCode = win::controls(f.window()).TEXT_GENERALE[1];
    taxCode->setFocus();
    taxCode->setText(QStringLiteral("0123456789"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("1a2"));
    QCoreApplication::sendEvent(taxCode, &commit);
    QCOMPARE(taxCode->text(), QStringLiteral("01234567891"));
    QCOMPARE(f.platform.beeps, 2);

    QLineEdit *day = win::controls(f.window()).TEXT_GENERALE[34];
    day->setFocus();
    QInputMethodEvent date;
    date.setCommitString(QStringLiteral("x7"));
    QCoreApplication::sendEvent(day, &date);
    QCOMPARE(day->text(), QStringLiteral("7"));
}

// Values read from a file may be long: nothing the program sets is cut at Qt's default limit.
void TestInput::programTextStaysWhole()
{
    Fixture f(Modello::Tradizionale);
    const QString big(40000, u'x');
    win::QuestionnaireWindow &w = f.window();
    for (QLineEdit *box : {win::controls(w).TEXT_GENERALE[0], win::controls(w).TEXT_GENERALE[1],
                           win::controls(w).TEXT[0], win::controls(w).txtEdit}) {
        box->setText(big);
        QCOMPARE(box->text().size(), big.size());
    }
    // The tax code set by the program keeps its letters, which no typed key could enter.
    win::controls(w).TEXT_GENERALE[1]->setText(QStringLiteral("AB12"));
    QCOMPARE(win::controls(w).TEXT_GENERALE[1]->text(), QStringLiteral("AB12"));
}

void TestInput::cellsOutsideTheGridAreErrors()
{
    Fixture f(Modello::Dualistico);
    win::MembersGrid &g = *win::controls(f.window()).MSHFlexGrid1;
    const int columns = f.module->table().gridColumns;
    const QList<QPoint> outside = {{-1, 0}, {3, 0}, {0, columns}, {0, -1}};
    for (const QPoint &cell : outside) {
        for (bool write : {false, true}) {
            QString error;
            try {
                if (write)
                    g.setTextMatrix(cell.x(), cell.y(), QStringLiteral("x"));
                else
                    g.textMatrix(cell.x(), cell.y());
            } catch (const core::SchedaError &e) {
                error = e.description();
            }
            QCOMPARE(error, QStringLiteral("Indice non compreso nell'intervallo"));
        }
    }
    QCOMPARE(g.rowCount(), 3);
}

QTEST_MAIN(TestInput)
#include "tst_input.moc"
