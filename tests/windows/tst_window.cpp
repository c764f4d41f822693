// The questionnaire window of each model, as built from the model's tables.
#include "questionnaire/catalogue.h"
#include "support.h"
#include "windows/membersgrid.h"
#include "windows/notelink.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using qst::Modello;
using testing::Fixture;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

// The tab page that holds a widget.
int pageOf(const win::QuestionnaireWindow &w, const QWidget *widget)
{
    for (int tab = 0; tab < win::controls(w).MySSTab->count(); ++tab)
        if (win::controls(w).MySSTab->widget(tab)->isAncestorOf(widget))
            return tab;
    return -1;
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void models_data();
    void answerWidgetsFollowTheModel_data() { models_data(); }
    void answerWidgetsFollowTheModel();
    void rowsMatchTheRowTable_data() { models_data(); }
    void rowsMatchTheRowTable();
    void questionTexts_data();
    void questionTexts();
    void generalPage_data() { models_data(); }
    void generalPage();
    void gridAfterLoad_data();
    void gridAfterLoad();
};

void TestWindow::models_data()
{
    QTest::addColumn<Modello>("model");
    for (Modello m : qst::kModelli)
        QTest::newRow(testing::modelName(m)) << m;
}

void TestWindow::answerWidgetsFollowTheModel()
{
    QFETCH(Modello, model);
    Fixture f(model);
    const win::QuestionnaireWindow &w = f.window();
    const qst::ModelTable &t = qst::modelTable(model);
    for (int k = 0; k < qst::kGroups; ++k) {
        const size_t i = static_cast<size_t>(k);
        const QByteArray where = QByteArray::number(k);
        QVERIFY2(bool(win::controls(w).Check_SI[i]) == t.answerGroups.contains(k), where);
        QVERIFY2(bool(win::controls(w).Label_NOTA[i]) == t.answerGroups.contains(k), where);
        QVERIFY2(bool(win::controls(w).Check_NO[i]) == t.noNaGroups.contains(k), where);
        QVERIFY2(bool(win::controls(w).Check_NA[i]) == t.noNaGroups.contains(k), where);
        if (!win::controls(w).Check_SI[i])
            continue;
        const int expectedPage = k >= 79 ? 0 : qst::pageOfGroup(k);
        QVERIFY2(pageOf(w, win::controls(w).Check_SI[i]) == expectedPage, where);
        QVERIFY2(pageOf(w, win::controls(w).Label_NOTA[i]) == expectedPage, where);
        QVERIFY2(!win::controls(w).Check_SI[i]->isChecked(), where);
        QCOMPARE(win::controls(w).Label_NOTA[i]->foreColor(), win::kColorButtonText);
        if (k >= 79) {
            // Caption-less boxes on "Dati Generali", with their visible links.
            QCOMPARE(win::controls(w).Check_SI[i]->text(),
                     (k == 80 && win::controls(w).Check_NO[i]) ? QStringLiteral("Si") : QString());
            QCOMPARE(win::controls(w).Label_NOTA[i]->text(),
                     QStringLiteral("Nota 1.0.%1").arg(QChar(u'a' + k - 79)));
            QVERIFY(!win::controls(w).Label_NOTA[i]->isHidden());
            if (win::controls(w).Check_NA[i])
                QVERIFY(win::controls(w).Check_NA[i]->isHidden());
        }
    }
    QCOMPARE(win::controls(w).Check_SI[7]->text(), QStringLiteral("Adeguata"));
    QCOMPARE(win::controls(w).Check_NO[7]->text(), QStringLiteral("Inadeguata"));
    QVERIFY(win::controls(w).Check_NA[7]->isHidden());
    QCOMPARE(win::controls(w).Check_SI[0]->text(), QStringLiteral("Si"));
    QCOMPARE(win::controls(w).Check_NO[0]->text(), QStringLiteral("No"));
    QCOMPARE(win::controls(w).Check_NA[0]->text(), QStringLiteral("N/A"));
}

void TestWindow::rowsMatchTheRowTable()
{
    QFETCH(Modello, model);
    Fixture f(model);
    const win::QuestionnaireWindow &w = f.window();
    int rows = 0;
    for (int page = 1; page <= 5; ++page) {
        int lastY = -1;
        for (const qst::PageRow &r : qst::righePagina(model, page)) {
            ++rows;
            const QLabel *label = win::controls(w).LABEL_RIQUADRO[static_cast<size_t>(r.q)];
            QVERIFY(label);
            QCOMPARE(pageOf(w, label), page);
            QCOMPARE(label->isHidden(), r.labelHidden);
            // Rows stand top to bottom in the table's order.
            auto *grid = qobject_cast<QGridLayout *>(label->parentWidget()->layout());
            QVERIFY(grid);
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
            QVERIFY2(row > lastY, qPrintable(QString::number(r.q)));
            lastY = row;
            if (r.k < 0)
                continue;
            const size_t i = static_cast<size_t>(r.k);
            QCOMPARE(win::controls(w).Label_NOTA[i]->text(), r.link);
            QCOMPARE(win::controls(w).Label_NOTA[i]->isHidden(), !r.linkVisible);
            QCOMPARE(win::controls(w).FRAME_RIQUADRO_1_1[i]->isHidden(), r.frameHidden);
            QCOMPARE(win::controls(w).Check_NA[i]->isHidden(), !r.naVisible);
        }
    }
    QVERIFY(rows > 0);
    // Spot checks of the table.
    QCOMPARE(win::controls(w).Label_NOTA[72]->text(), QStringLiteral("Nota 0.a"));
    QCOMPARE(win::controls(w).Label_NOTA[4]->text(), QStringLiteral("NO"));
    QVERIFY(win::controls(w).Label_NOTA[4]->isHidden());
    QVERIFY(!win::controls(w).Check_NA[6]->isHidden());
    QVERIFY(win::controls(w).Check_NA[0]->isHidden());
    QCOMPARE(win::controls(w).Label_NOTA[77]->text(), QStringLiteral("Nota 10.a.1"));
    switch (model) {
    case Modello::Tradizionale:
        QVERIFY(!win::controls(w).Check_NA[71]->isHidden());
        QVERIFY(!win::controls(w).FRAME_RIQUADRO_1_1[69]->isHidden());
        for (int k : {34, 38, 40}) {
            QVERIFY(win::controls(w).FRAME_RIQUADRO_1_1[static_cast<size_t>(k)]->isHidden());
        }
        for (const QLineEdit *box : win::controls(w).TEXT) {
            QVERIFY(box);
            QCOMPARE(pageOf(w, box), 3);
        }
        break;
    case Modello::Monistico:
        QCOMPARE(win::controls(w).Label_NOTA[31]->text(), QStringLiteral("Nota 8.h"));
        QCOMPARE(win::controls(w).Label_NOTA[71]->text(), QStringLiteral("Nota 10.y"));
        QVERIFY(win::controls(w).Check_NA[71]->isHidden());
        [[fallthrough]];
    case Modello::Dualistico:
        QVERIFY(win::controls(w).FRAME_RIQUADRO_1_1[69]->isHidden());
        QVERIFY(win::controls(w).Label_NOTA[69]->isHidden());
        QCOMPARE(win::controls(w).Label_NOTA[69]->text(), QStringLiteral("Nota 10.w"));
        for (const QLineEdit *box : win::controls(w).TEXT)
            QVERIFY(!box);
        break;
    }
}

void TestWindow::questionTexts_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("shown");
    QTest::newRow("Tradizionale") << Modello::Tradizionale << 79;
    QTest::newRow("Dualistico") << Modello::Dualistico << 60;
    QTest::newRow("Monistico") << Modello::Monistico << 62;
}

void TestWindow::questionTexts()
{
    QFETCH(Modello, model);
    QFETCH(int, shown);
    Fixture f(model);
    const win::QuestionnaireWindow &w = f.window();
    int withText = 0;
    for (int q = 0; q < qst::kLabels; ++q) {
        const QLabel *label = win::controls(w).LABEL_RIQUADRO[static_cast<size_t>(q)];
        const auto text = qst::testoDomanda(model, q);
        QCOMPARE(bool(label), text.has_value());
        if (!label)
            continue;
        QCOMPARE(label->text(), *text);
        if (!label->isHidden() && !label->text().isEmpty())
            ++withText;
    }
    QCOMPARE(withText, shown);
    // Items keep their 48 leading blanks on screen.
    QVERIFY(
        win::controls(w).LABEL_RIQUADRO[1]->text().startsWith(QString(48, u' ') + QStringLiteral("società")));
}

void TestWindow::generalPage()
{
    QFETCH(Modello, model);
    Fixture f(model);
    const win::QuestionnaireWindow &w = f.window();
    const qst::ModelTable &t = qst::modelTable(model);
    for (int i = 0; i < 66; ++i) {
        const bool expected =
            (i <= 7) || (i >= 33 && i <= 36) ||
            std::find(t.meetingFields.begin(), t.meetingFields.end(), i) != t.meetingFields.end();
        QVERIFY2(bool(win::controls(w).TEXT_GENERALE[static_cast<size_t>(i)]) == expected,
                 qPrintable(QString::number(i)));
        if (expected)
            QCOMPARE(pageOf(w, win::controls(w).TEXT_GENERALE[static_cast<size_t>(i)]), 0);
    }
    QCOMPARE(bool(win::controls(w).chk_RiunioniNA), t.hasRiunioniNA);
    QCOMPARE(win::controls(w).LABEL_GENERALE[0]->text(), QStringLiteral("Denominazione della società"));
    QCOMPARE(win::controls(w).LABEL_GENERALE[6]->text(), QStringLiteral("Membri effettivi del ") + t.organo);
    QCOMPARE(win::controls(w).LABEL_GENERALE[8]->toolTip(), QStringLiteral("Eletto dalle minoranze"));
    QCOMPARE(win::controls(w).LABEL_GENERALE[12]->text(),
             QStringLiteral("Numero massimo di incarichi previsti dallo statuto"));
    QCOMPARE(win::controls(w).Label6[7]->text(), QStringLiteral("Numero di assemblee e riunioni nell'anno"));
    QCOMPARE(win::controls(w).Label6[8]->text(), QStringLiteral("Numero di riunioni del ") + t.organo);
    QCOMPARE(win::controls(w).Label6[9]->text(), QStringLiteral("Numero di assemblee"));
    QCOMPARE(bool(win::controls(w).Label6[11]), model != Modello::Dualistico);
    QCOMPARE(win::controls(w).btnAggiungi->text(), QStringLiteral("Aggiungi Membro"));
    QVERIFY(win::controls(w).txtEdit->isHidden());
}

void TestWindow::gridAfterLoad_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("hiddenColumn");
    QTest::newRow("Tradizionale") << Modello::Tradizionale << 13 << 11;
    QTest::newRow("Dualistico") << Modello::Dualistico << 12 << 10;
    QTest::newRow("Monistico") << Modello::Monistico << 13 << 11;
}

void TestWindow::gridAfterLoad()
{
    QFETCH(Modello, model);
    QFETCH(int, columns);
    QFETCH(int, hiddenColumn);
    Fixture f(model);
    const win::QuestionnaireWindow &w = f.window();
    const win::MembersGrid *g = win::controls(w).MSHFlexGrid1;
    QCOMPARE(g->columnCount(), columns);
    QCOMPARE(g->rowCount(), 3);
    QCOMPARE(win::controls(w).righeGriglia, 3);
    QCOMPARE(g->textMatrix(0, 0), QStringLiteral("Pres."));
    QCOMPARE(g->textMatrix(1, 0), QStringLiteral("2"));
    QCOMPARE(g->textMatrix(2, 0), QStringLiteral("3"));
    for (int c = 1; c < columns; ++c)
        for (int r = 0; r < 3; ++r)
            QVERIFY(g->textMatrix(r, c).isEmpty());
    QVERIFY(g->isColumnHidden(hiddenColumn));
    for (int c = 0; c < columns; ++c)
        if (c != hiddenColumn)
            QVERIFY(g->columnWidth(c) > 0);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
