// The governance-model tables, the index spaces, the note tables and the edit rules.
#include "core/error.h"
#include "questionnaire/models.h"
#include "questionnaire/modelstate.h"

#include <QTest>

using qst::IndexSet;
using qst::Modello;

Q_DECLARE_METATYPE(qst::Modello)
Q_DECLARE_METATYPE(qst::Evento)

class TestModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void indexSetParsing();
    void indexSetRejectsGarbage();
    void labelAndGroupPairing();
    void modelTables_data();
    void modelTables();
    void trayTipIsTheSameInEveryModel();
    void noteTableBounds();
    void editRules_data();
    void editRules();
};

void TestModels::indexSetParsing()
{
    const IndexSet s("0-3, 11-16, 18");
    QCOMPARE(s.count(), 11);
    QVERIFY(s.contains(0) && s.contains(3) && s.contains(11) && s.contains(16) && s.contains(18));
    QVERIFY(!s.contains(4) && !s.contains(10) && !s.contains(17) && !s.contains(19));
    QVERIFY(!s.contains(-1) && !s.contains(1000));
    QCOMPARE(IndexSet("5").toVector(), std::vector<int>{5});
    QCOMPARE(IndexSet("").count(), 0);
}

void TestModels::indexSetRejectsGarbage()
{
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, IndexSet("3-1"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, IndexSet("1;2"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, IndexSet("1-"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, IndexSet("400"));
}

void TestModels::labelAndGroupPairing()
{
    QCOMPARE(qst::labelOfGroup(0), 1);
    QCOMPARE(qst::labelOfGroup(3), 4);
    QCOMPARE(qst::labelOfGroup(4), 6);
    QCOMPARE(qst::labelOfGroup(72), 74);
    QCOMPARE(qst::labelOfGroup(78), 80);
    QCOMPARE(qst::labelOfGroup(79), -1);
    QCOMPARE(qst::groupOfLabel(0), -1);
    QCOMPARE(qst::groupOfLabel(5), -1);
    for (int k = 0; k <= 78; ++k)
        QCOMPARE(qst::groupOfLabel(qst::labelOfGroup(k)), k);
}

void TestModels::modelTables_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("groups");
    QTest::addColumn<int>("labels");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Tradizionale")
        << Modello::Tradizionale << 82 << 81 << 13
        << QStringLiteral("Varzen - Scheda riepilogativa dell'Quadrivex v. 2.0 - MODELLO TRADIZIONALE");
    QTest::newRow("Dualistico")
        << Modello::Dualistico << 62 << 61 << 12
        << QStringLiteral("Varzen - Scheda riepilogativa dell'Quadrivex v. 2.0 - MODELLO DUALISTICO");
    QTest::newRow("Monistico")
        << Modello::Monistico << 64 << 63 << 13
        << QStringLiteral("Varzen - Scheda riepilogativa dell'Quadrivex v. 2.0 - MODELLO MONISTICO");
}

void TestModels::modelTables()
{
    QFETCH(Modello, model);
    QFETCH(int, groups);
    QFETCH(int, labels);
    QFETCH(int, columns);
    QFETCH(QString, caption);
    const qst::ModelTable &t = qst::modelTable(model);
    QCOMPARE(t.modello, model);
    QCOMPARE(t.caption, caption);
    QCOMPARE(t.answerGroups.count(), groups);
    QCOMPARE(t.questionLabels.count(), labels);
    QCOMPARE(t.gridColumns, columns);

    // Every group of the model below 79 has its question label, and only those labels exist
    // besides the two headings.
    for (int k = 0; k <= 78; ++k)
        QCOMPARE(t.questionLabels.contains(qst::labelOfGroup(k)), t.answerGroups.contains(k));
    QVERIFY(t.questionLabels.contains(0) && t.questionLabels.contains(5));
    // "No" and "N/A" boxes only where a "Si" box is; 79 and 81 never have them.
    for (int k : t.noNaGroups.toVector())
        QVERIFY(t.answerGroups.contains(k));
    QVERIFY(!t.noNaGroups.contains(79) && !t.noNaGroups.contains(81));
    QCOMPARE(t.noNaGroups.contains(80), model == Modello::Tradizionale);
    // The note lists name only groups the model has.
    for (const IndexSet *list : {&t.siOpening, &t.noOpening, &t.siLink, &t.noLink, &t.siOrNoLink})
        for (int k : list->toVector())
            QVERIFY2(t.answerGroups.contains(k), qPrintable(QString::number(k)));
    QCOMPARE(t.hasRiunioniNA, model != Modello::Dualistico);
    QCOMPARE(t.meetingFields.size(), model == Modello::Dualistico ? size_t(3) : size_t(4));
    QCOMPARE(t.noteCell(), columns - 1);
    QCOMPARE(t.noteColumn(), columns - 2);
}

void TestModels::trayTipIsTheSameInEveryModel()
{
    for (Modello m : qst::kModelli)
        QCOMPARE(qst::trayTip(qst::modelTable(m).caption),
                 QStringLiteral("Varzen - Scheda riepilogativa dell'Quadrivex v. 2.0 "));
}

void TestModels::noteTableBounds()
{
    qst::NoteTable t;
    t.set(0, QStringLiteral("a"));
    t.set(81, QStringLiteral("b"));
    QCOMPARE(t.at(0), QStringLiteral("a"));
    QCOMPARE(t.at(81), QStringLiteral("b"));
    QVERIFY(t.isEmpty(40));
    QVERIFY_THROWS_EXCEPTION(core::SchedaError, t.at(82));
    QVERIFY_THROWS_EXCEPTION(core::SchedaError, t.set(-1, QString()));
    t.clear();
    QVERIFY(t.isEmpty(0) && t.isEmpty(81));
}

void TestModels::editRules_data()
{
    QTest::addColumn<qst::Evento>("event");
    QTest::addColumn<bool>("clears");
    QTest::addColumn<bool>("disables");
    using E = qst::Evento;
    QTest::newRow("answer box") << E::CheckClick << true << true;
    QTest::newRow("general field") << E::TextGeneraleChange << true << true;
    QTest::newRow("meetings N/A") << E::RiunioniNAClick << true << true;
    QTest::newRow("grid cell") << E::TxtEditChange << true << true;
    QTest::newRow("link opened") << E::NoteLinkClickOpened << true << true;
    QTest::newRow("link refused") << E::NoteLinkClickRefused << true << false;
    QTest::newRow("member note cell") << E::GridNoteCellClick << true << false;
    QTest::newRow("add member") << E::AddMember << false << false;
    QTest::newRow("number box") << E::NumberBoxChange << true << true;
    QTest::newRow("note Fine") << E::NoteFine << false << false;
    QTest::newRow("note Cancella") << E::NoteCancella << false << false;
}

void TestModels::editRules()
{
    QFETCH(qst::Evento, event);
    QFETCH(bool, clears);
    QFETCH(bool, disables);
    const qst::EffettoModifica e = qst::effettoModifica(event);
    QCOMPARE(e.clearsSalvato, clears);
    QCOMPARE(e.disablesLeggi, disables);
}

QTEST_GUILESS_MAIN(TestModels)
#include "tst_models.moc"
