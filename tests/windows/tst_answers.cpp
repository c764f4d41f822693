// Answer boxes and note links: exclusive answers, opening the note window, discarding the note of
// a withdrawn answer, the loading flags.
#include "support.h"
#include "windows/answers.h"
#include "windows/notelink.h"
#include "windows/notewindow.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using qst::CommandButton;
using qst::Modello;
using testing::Fixture;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

QCheckBox *box(Fixture &f, int k, char which)
{
    const auto &boxes = which == 'S'   ? win::controls(f.window()).Check_SI
                        : which == 'N' ? win::controls(f.window()).Check_NO
                                       : win::controls(f.window()).Check_NA;
    return which == '-' ? nullptr : boxes[static_cast<size_t>(k)];
}
win::NoteLink *link(Fixture &f, int k)
{
    return win::controls(f.window()).Label_NOTA[static_cast<size_t>(k)];
}

// The ticked boxes of a group: "S", "N", "A", "" (several letters when the exclusion failed).
QString answer(Fixture &f, int k)
{
    QString s;
    for (char c : {'S', 'N', 'A'})
        if (QCheckBox *b = box(f, k, c); b && b->isChecked())
            s += QLatin1Char(c);
    return s;
}

// Sets a group as the open command does: the box ticked with the flags up, the note stored and
// its link red; then the questionnaire is saved.
void load(Fixture &f, int k, char which, const QString &note)
{
    f.module->setLoading(true);
    if (QCheckBox *b = box(f, k, which))
        b->setChecked(true);
    if (!note.isEmpty()) {
        f.module->setNote(k, which == 'S' ? note : QString(), which == 'S' ? QString() : note);
        link(f, k)->setForeColor(win::kColorRed);
    }
    f.module->setLoading(false);
    f.module->setSalvato(true);
    testing::button(win::controls(f.window()), CommandButton::Leggi)->setEnabled(true);
}

// The user closes the note window with its close box.
void closeBox(QDialog &d)
{
    d.close();
}

// Queues a user who types `text` into the note window and presses "Fine".
void writeNote(Fixture &f, const QString &text)
{
    f.platform.modal([text](QDialog &d) {
        auto &nw = static_cast<win::NoteWindow &>(d);
        QTest::keyClicks(nw.TEXT_NOTE, text);
        nw.End_Note->click();
    });
}

} // namespace

class TestAnswers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exclusivity_data();
    void exclusivity();
    void discardCascade_data();
    void discardCascade();
    void generalItems_data();
    void generalItems();
    void loadingFlags();
    void noteLink_data();
    void noteLink();
};

void TestAnswers::exclusivity_data()
{
    QTest::addColumn<Modello>("model");
    // Groups of the NO opening list whose link is hidden: their NO opens no note window.
    QTest::addColumn<QList<int>>("hiddenLinks");
    QTest::newRow("Tradizionale") << Modello::Tradizionale << QList<int>{21, 23, 71, 75};
    QTest::newRow("Dualistico") << Modello::Dualistico << QList<int>{21, 23, 69};
    QTest::newRow("Monistico") << Modello::Monistico << QList<int>{21, 23, 69, 73};
}

void TestAnswers::exclusivity()
{
    QFETCH(Modello, model);
    QFETCH(QList<int>, hiddenLinks);
    Fixture f(model);
    const qst::ModelTable &t = qst::modelTable(model);
    QStringList wrong;
    for (int k : t.answerGroups.toVector()) {
        auto click = [&](char which, bool opens, const QString &after) {
            const int shown = f.platform.modalShown;
            if (opens) // the other boxes are already unticked when the window comes up
                f.platform.modal([&, k, which](QDialog &d) {
                    if (d.windowTitle() != link(f, k)->text() + QStringLiteral(" - Testo associato") ||
                        f.state().indiceNota != k || answer(f, k) != QLatin1Char(which))
                        wrong << QStringLiteral("%1%2 inside: %3").arg(k).arg(which).arg(answer(f, k));
                    closeBox(d);
                });
            box(f, k, which)->click();
            if (answer(f, k) != after || f.platform.modalShown != shown + (opens ? 1 : 0))
                wrong << QStringLiteral("%1%2: %3").arg(k).arg(which).arg(answer(f, k));
        };
        const bool hasNa = box(f, k, 'A');
        if (hasNa)
            click('A', false, QStringLiteral("A"));
        if (box(f, k, 'N'))
            click('N', t.noOpening.contains(k) && !hiddenLinks.contains(k), QStringLiteral("N"));
        click('S', t.siOpening.contains(k) || k >= 79, QStringLiteral("S"));
        click(hasNa ? 'A' : 'S', false, hasNa ? QStringLiteral("A") : QString());
        if (hasNa)
            click('A', false, QString());
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    QVERIFY(!f.state().salvato && !testing::leggiEnabled(f.window()));
    QVERIFY(f.platform.allConsumed());
    VERIFY_NO_FAILURES(f);
}

void TestAnswers::discardCascade_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("k");
    QTest::addColumn<char>("from"); // the answer that holds a note
    QTest::addColumn<char>("to");   // the box clicked; '-' unticks `from`
    QTest::addColumn<bool>("opens");
    for (Modello m : qst::kModelli) {
        const QByteArray n = testing::modelName(m);
        QTest::newRow(n + " 0 NO->SI opens") << m << 0 << 'N' << 'S' << true;
        QTest::newRow(n + " 20 SI->NO opens") << m << 20 << 'S' << 'N' << true;
        QTest::newRow(n + " 4 NO->SI") << m << 4 << 'N' << 'S' << false;
        QTest::newRow(n + " 0 SI->NO") << m << 0 << 'S' << 'N' << false;
        QTest::newRow(n + " 6 NO->NA") << m << 6 << 'N' << 'A' << false;
        QTest::newRow(n + " 12 SI->NA") << m << 12 << 'S' << 'A' << false;
        QTest::newRow(n + " 0 SI untick") << m << 0 << 'S' << '-' << false;
        QTest::newRow(n + " 78 NO untick") << m << 78 << 'N' << '-' << false;
    }
}

void TestAnswers::discardCascade()
{
    QFETCH(Modello, model);
    QFETCH(int, k);
    QFETCH(char, from);
    QFETCH(char, to);
    QFETCH(bool, opens);
    Fixture f(model);
    load(f, k, from, QStringLiteral("vecchia"));
    win::NoteWindow &nw = f.module->noteWindow();
    nw.setTesto(QStringLiteral("resto"));
    QStringList inside;
    if (opens)
        f.platform.modal([&](QDialog &) {
            // The withdrawn answer's note is already gone when the new one is asked for.
            inside << answer(f, k) << f.state().noteSi.at(k) << f.state().noteNo.at(k)
                   << QString::number(link(f, k)->foreColor())
                   << QString::number(win::answerRules(f.window()).inClickSi());
            QTest::keyClicks(nw.TEXT_NOTE, QStringLiteral("nuova"));
            nw.End_Note->click();
        });
    box(f, k, to == '-' ? from : to)->click();

    if (opens)
        QCOMPARE(inside, (QStringList{QString(QLatin1Char(to)), QString(), QString(), QStringLiteral("0"),
                                      QString::number(to == 'S')}));
    QCOMPARE(answer(f, k), to == '-' ? QString() : QString(QLatin1Char(to)));
    QCOMPARE((to == 'S' ? f.state().noteSi : f.state().noteNo).at(k),
             opens ? QStringLiteral("nuova") : QString());
    QCOMPARE((to == 'S' ? f.state().noteNo : f.state().noteSi).at(k), QString());
    QCOMPARE(link(f, k)->foreColor(), opens ? win::kColorRed : win::kColorBlack);
    // A withdrawn SI note also empties the note window's text; a NO note leaves it.
    if (!opens)
        QCOMPARE(nw.testo(), from == 'S' ? QString() : QStringLiteral("resto"));
    QVERIFY(!f.state().salvato);
    QVERIFY(!win::answerRules(f.window()).inClickSi() && !win::answerRules(f.window()).inClickNo() &&
            !win::answerRules(f.window()).inClickNa());
    QVERIFY(f.platform.messages.isEmpty() && f.platform.allConsumed());
    VERIFY_NO_FAILURES(f);
}

void TestAnswers::generalItems_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("k");
    for (Modello m : qst::kModelli)
        for (int k : {79, 80, 81})
            QTest::addRow("%s %d", testing::modelName(m), k) << m << k;
}

void TestAnswers::generalItems()
{
    QFETCH(Modello, model);
    QFETCH(int, k);
    Fixture f(model);
    writeNote(f, QStringLiteral("requisiti"));
    box(f, k, 'S')->click();
    QCOMPARE(f.state().noteSi.at(k), QStringLiteral("requisiti"));
    QVERIFY(link(f, k)->isRed());
    for (int other : {79, 80, 81}) // independent of each other
        QCOMPARE(answer(f, other), other == k ? QStringLiteral("S") : QString());
    box(f, k, 'S')->click();
    QCOMPARE(f.state().noteSi.at(k), QString());
    QCOMPARE(link(f, k)->foreColor(), win::kColorBlack);
    QCOMPARE(f.platform.modalShown, 1);

    // Ticked without a note, then unticked and ticked from code as the validation asks for the
    // note: the second change opens the note window.
    load(f, k, 'S', QString());
    f.platform.modal(closeBox);
    box(f, k, 'S')->setChecked(false);
    box(f, k, 'S')->setChecked(true);
    QCOMPARE(f.platform.modalShown, 2);

    if (model == Modello::Tradizionale && k == 80) { // "Si" and "No"
        box(f, k, 'N')->click();                     // unticks "Si", opens nothing
        QCOMPARE(answer(f, k), QStringLiteral("N"));
        writeNote(f, QStringLiteral("condizioni"));
        box(f, k, 'S')->click();
        QCOMPARE(answer(f, k), QStringLiteral("S"));
        box(f, k, 'N')->click();
        QCOMPARE(f.state().noteSi.at(k), QString());
        QCOMPARE(f.platform.modalShown, 3);
    }
    QVERIFY(f.platform.messages.isEmpty());
    VERIFY_NO_FAILURES(f);
}

void TestAnswers::loadingFlags()
{
    for (Modello m : qst::kModelli) {
        Fixture f(m);
        const qst::ModelState &s = f.state();
        f.module->setLoading(true);
        f.module->setNotaGriglia(true);
        // The open command only ticks: nothing is unticked, no note window opens.
        for (int k : {0, 20, 48}) {
            for (char c : {'N', 'S', 'A'})
                box(f, k, c)->setChecked(true);
            QCOMPARE(answer(f, k), QStringLiteral("SNA"));
        }
        for (int k : {79, 80, 81})
            box(f, k, 'S')->setChecked(true);
        QCOMPARE(s.indiceNota, 81);
        QVERIFY(!s.notaGriglia && !s.salvato && !testing::leggiEnabled(f.window()));

        // A red link loses its note whatever the flags hold.
        f.module->setNote(79, QStringLiteral("x"), QString());
        link(f, 79)->setForeColor(win::kColorRed);
        box(f, 79, 'S')->setChecked(false);
        QCOMPARE(s.noteSi.at(79), QString());

        // Clearing the window with the flags down unticks and opens nothing more.
        f.module->setLoading(false);
        for (int k : f.module->table().answerGroups.toVector())
            for (char c : {'S', 'N', 'A'})
                if (QCheckBox *b = box(f, k, c))
                    b->setChecked(false);
        QCOMPARE(f.platform.modalShown, 0);
        QVERIFY(f.platform.messages.isEmpty());
        VERIFY_NO_FAILURES(f);
    }
}

void TestAnswers::noteLink_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("k");
    QTest::addColumn<char>("ticked");
    QTest::addColumn<bool>("red");
    QTest::addColumn<bool>("opens");
    for (Modello m : qst::kModelli) {
        const QByteArray n = testing::modelName(m);
        QTest::newRow(n + " red, unanswered") << m << 0 << '-' << true << true;
        QTest::newRow(n + " red over N/A") << m << 6 << 'A' << true << true;
        QTest::newRow(n + " SI list, SI") << m << 0 << 'S' << false << true;
        QTest::newRow(n + " SI list, NO") << m << 0 << 'N' << false << false;
        QTest::newRow(n + " 15 NO") << m << 15 << 'N' << false << false;
        QTest::newRow(n + " NO list, NO") << m << 48 << 'N' << false << true;
        QTest::newRow(n + " NO list, SI") << m << 48 << 'S' << false << false;
        QTest::newRow(n + " SI or NO, NO") << m << 20 << 'N' << false << true;
        QTest::newRow(n + " SI or NO, none") << m << 20 << '-' << false << false;
        QTest::newRow(n + " 30 SI without note") << m << 30 << 'S' << false << false;
        QTest::newRow(n + " 81 SI") << m << 81 << 'S' << false << true;
    }
}

void TestAnswers::noteLink()
{
    QFETCH(Modello, model);
    QFETCH(int, k);
    QFETCH(char, ticked);
    QFETCH(bool, red);
    QFETCH(bool, opens);
    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    load(f, k, ticked, red ? QStringLiteral("nota") : QString());
    f.module->setNotaGriglia(true); // left over from a member's note
    w.show();
    win::controls(w).MySSTab->setCurrentIndex(qst::pageOfGroup(k));
    QCoreApplication::processEvents(); // lays the page out
    QStringList inside;
    if (opens)
        f.platform.modal([&](QDialog &d) {
            inside << QString::number(testing::leggiEnabled(w)) << QString::number(f.state().notaGriglia);
            closeBox(d);
        });
    QTest::mouseClick(link(f, k), Qt::LeftButton);
    QCOMPARE(f.platform.modalShown, opens ? 1 : 0);
    // "Leggi" goes only after the window has closed; `salvato` on every click.
    QCOMPARE(inside.join(u','), opens ? QStringLiteral("1,0") : QString());
    QCOMPARE(testing::leggiEnabled(w), !opens);
    QCOMPARE(f.state().indiceNota, k);
    QVERIFY(!f.state().salvato);
    QCOMPARE(answer(f, k), ticked == '-' ? QString() : QString(QLatin1Char(ticked)));
    QCOMPARE(link(f, k)->isRed(), red);
    VERIFY_NO_FAILURES(f);
    w.hide();
}

QTEST_MAIN(TestAnswers)
#include "tst_answers.moc"
