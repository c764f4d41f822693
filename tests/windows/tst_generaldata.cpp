// General-data fields: key rules, the date advance, the leaving rule, edit marking, the
// "N/A" box of the executive-committee count and the number boxes of "Riquadro II".
#include "support.h"
#include "windows/generaldata.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using qst::CommandButton;
using qst::Modello;
using testing::Fixture;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

using testing::activate;

// One key where the focus is: "<BS>" Backspace, "<CR>" Enter, "<TAB>" Tab, else the character.
void press(const QString &key)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    if (key == QStringLiteral("<BS>"))
        QTest::keyClick(target, Qt::Key_Backspace);
    else if (key == QStringLiteral("<CR>"))
        QTest::keyClick(target, Qt::Key_Return);
    else if (key == QStringLiteral("<TAB>"))
        QTest::keyClick(target, Qt::Key_Tab);
    else
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(key.at(0).toUpper().unicode()), key,
                            Qt::NoModifier);
}

void type(const QString &text)
{
    for (QChar c : text)
        press(QString(c));
}

// Sets a field as the reader does: no edit, no focus move.
void load(Fixture &f, QLineEdit *field, const QString &text)
{
    f.module->setLoading(true);
    field->setText(text);
    f.module->setLoading(false);
}

QLineEdit *field(win::QuestionnaireWindow &w, int index)
{
    return win::controls(w).TEXT_GENERALE[static_cast<size_t>(index)];
}

} // namespace

class TestGeneralData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyRules_data();
    void keyRules();
    void numberBoxes_data();
    void numberBoxes();
    void typingADate();
    void leavingADate_data();
    void leavingADate();
    void leavingRecordsTabIndex_data();
    void leavingRecordsTabIndex();
    void textSetByTheProgram();
    void riunioniNA_data();
    void riunioniNA();
    void riunioniNAWhileLoading();
};

void TestGeneralData::keyRules_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<int>("focus"); // field holding the focus afterwards

    const Modello T = Modello::Tradizionale;
    const QString full = QStringLiteral("12345678901");
    // Tax code of the company: 11 digits; the selection does not count.
    QTest::newRow("tax code digit") << T << 1 << QStringLiteral("1234567890") << false << QStringLiteral("1")
                                    << full << 0 << 1;
    QTest::newRow("tax code letter below the limit")
        << T << 1 << QStringLiteral("123") << false << QStringLiteral("a") << QStringLiteral("123") << 0 << 1;
    QTest::newRow("tax code 12th digit") << T << 1 << full << false << QStringLiteral("2") << full << 1 << 1;
    QTest::newRow("tax code 12th letter") << T << 1 << full << false << QStringLiteral("x") << full << 1 << 1;
    QTest::newRow("tax code full and selected")
        << T << 1 << full << true << QStringLiteral("5") << full << 1 << 1;
    QTest::newRow("tax code enter") << T << 1 << full << false << QStringLiteral("<CR>") << full << 0 << 2;
    // Date parts: silent, and only with nothing selected.
    QTest::newRow("day letter") << T << 2 << QStringLiteral("1") << false << QStringLiteral("a")
                                << QStringLiteral("1") << 0 << 2;
    QTest::newRow("day Arabic-Indic digit")
        << T << 2 << QString() << false << QStringLiteral("\u0663") << QString() << 0 << 2;
    QTest::newRow("day full") << T << 2 << QStringLiteral("15") << false << QStringLiteral("3")
                              << QStringLiteral("15") << 0 << 2;
    QTest::newRow("day full and selected")
        << T << 2 << QStringLiteral("15") << true << QStringLiteral("3") << QStringLiteral("3") << 0 << 2;
    QTest::newRow("day full, enter") << T << 2 << QStringLiteral("15") << false << QStringLiteral("<CR>")
                                     << QStringLiteral("15") << 0 << 2;
    QTest::newRow("day full and selected, enter")
        << T << 2 << QStringLiteral("15") << true << QStringLiteral("<CR>") << QStringLiteral("15") << 0 << 3;
    QTest::newRow("year fifth digit") << T << 4 << QStringLiteral("2024") << false << QStringLiteral("5")
                                      << QStringLiteral("2024") << 0 << 4;
    QTest::newRow("year enter to the address") << T << 4 << QStringLiteral("202") << false
                                               << QStringLiteral("<CR>") << QStringLiteral("202") << 0 << 5;
    QTest::newRow("start month enter pads and moves")
        << T << 35 << QStringLiteral("1") << false << QStringLiteral("<CR>") << QStringLiteral("01") << 0
        << 36;
    QTest::newRow("start year enter stays") << T << 36 << QStringLiteral("202") << false
                                            << QStringLiteral("<CR>") << QStringLiteral("202") << 0 << 36;
    // Telephone: digits only, no limit.
    QTest::newRow("telephone letter")
        << T << 6 << QStringLiteral("06") << false << QStringLiteral("a") << QStringLiteral("06") << 0 << 6;
    QTest::newRow("telephone long") << T << 6 << QStringLiteral("0612345678901234") << false
                                    << QStringLiteral("5") << QStringLiteral("06123456789012345") << 0 << 6;
    // Free text.
    QTest::newRow("name accented letter")
        << T << 0 << QStringLiteral("Citt") << false << QStringLiteral("\u00e0")
        << QStringLiteral("Citt\u00e0") << 0 << 0;
    QTest::newRow("e-mail enter stays") << T << 7 << QStringLiteral("a@b.it") << false
                                        << QStringLiteral("<CR>") << QStringLiteral("a@b.it") << 0 << 7;
    // Counts: 3 digits, a beep at the limit.
    QTest::newRow("count fourth digit") << T << 62 << QStringLiteral("123") << false << QStringLiteral("4")
                                        << QStringLiteral("123") << 1 << 62;
    QTest::newRow("count enter at the limit") << T << 63 << QStringLiteral("123") << false
                                              << QStringLiteral("<CR>") << QStringLiteral("123") << 1 << 63;
    QTest::newRow("count enter stays") << T << 64 << QStringLiteral("12") << false << QStringLiteral("<CR>")
                                       << QStringLiteral("12") << 0 << 64;
    QTest::newRow("count letter") << T << 65 << QStringLiteral("12") << false << QStringLiteral("a")
                                  << QStringLiteral("12") << 0 << 65;
    QTest::newRow("count full and selected")
        << T << 65 << QStringLiteral("123") << true << QStringLiteral("4") << QStringLiteral("4") << 0 << 65;
    QTest::newRow("statute enter") << T << 33 << QStringLiteral("10") << false << QStringLiteral("<CR>")
                                   << QStringLiteral("10") << 0 << 34;
    QTest::newRow("dualistic last count enter stays")
        << Modello::Dualistico << 64 << QStringLiteral("3") << false << QStringLiteral("<CR>")
        << QStringLiteral("3") << 0 << 64;
}

void TestGeneralData::keyRules()
{
    QFETCH(Modello, model);
    QFETCH(int, index);
    QFETCH(QString, before);
    QFETCH(bool, selected);
    QFETCH(QString, key);
    QFETCH(QString, after);
    QFETCH(int, beeps);
    QFETCH(int, focus);

    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    QLineEdit *box = field(w, index);
    load(f, box, before);
    box->setFocus(Qt::OtherFocusReason);
    QVERIFY(box->hasFocus());
    if (selected)
        box->selectAll();
    else
        box->end(false);

    press(key);

    QCOMPARE(box->text(), after);
    QCOMPARE(f.platform.beeps, beeps);
    QCOMPARE(QApplication::focusWidget(), field(w, focus));
    // Only a change of the text is an edit.
    const bool changed = after != before;
    QCOMPARE(f.state().salvato, !changed);
    QCOMPARE(testing::leggiEnabled(w), !changed);
    QVERIFY2(f.platform.failures.isEmpty(), qPrintable(f.platform.failures.join(u'\n')));
}

void TestGeneralData::numberBoxes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");

    QTest::newRow("digit") << 0 << QStringLiteral("1") << false << QStringLiteral("2") << QStringLiteral("12")
                           << 0;
    QTest::newRow("fourth digit") << 2 << QStringLiteral("123") << false << QStringLiteral("4")
                                  << QStringLiteral("123") << 1;
    QTest::newRow("enter at the limit")
        << 0 << QStringLiteral("123") << false << QStringLiteral("<CR>") << QStringLiteral("123") << 1;
    QTest::newRow("full and selected")
        << 1 << QStringLiteral("123") << true << QStringLiteral("7") << QStringLiteral("7") << 0;
}

void TestGeneralData::numberBoxes()
{
    QFETCH(int, index);
    QFETCH(QString, before);
    QFETCH(bool, selected);
    QFETCH(QString, key);
    QFETCH(QString, after);
    QFETCH(int, beeps);

    Fixture f(Modello::Tradizionale);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    QLineEdit *box = win::controls(w).TEXT[static_cast<size_t>(index)];
    // The reader fills the boxes while it loads: that is no edit.
    f.module->setLoading(true);
    box->setText(before);
    f.module->setLoading(false);
    QVERIFY(f.state().salvato);
    win::controls(w).MySSTab->setCurrentIndex(3);
    box->setFocus(Qt::OtherFocusReason);
    QVERIFY(box->hasFocus());
    if (selected)
        box->selectAll();
    else
        box->end(false);

    press(key);

    QCOMPARE(box->text(), after);
    QCOMPARE(f.platform.beeps, beeps);
    QCOMPARE(QApplication::focusWidget(), box); // no Enter rule
    // Typing in the number boxes is an edit.
    const bool changed = after != before;
    QCOMPARE(f.state().salvato, !changed);
    QCOMPARE(testing::leggiEnabled(w), !changed);
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGeneralData::typingADate()
{
    Fixture f(Modello::Monistico);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    field(w, 2)->setFocus(Qt::OtherFocusReason);
    type(QStringLiteral("15"));
    QCOMPARE(QApplication::focusWidget(), field(w, 3));
    type(QStringLiteral("06"));
    QCOMPARE(QApplication::focusWidget(), field(w, 4));
    type(QStringLiteral("20245"));
    QCOMPARE(field(w, 2)->text(), QStringLiteral("15"));
    QCOMPARE(field(w, 3)->text(), QStringLiteral("06"));
    QCOMPARE(field(w, 4)->text(), QStringLiteral("2024"));
    QCOMPARE(QApplication::focusWidget(), field(w, 4));
    QCOMPARE(f.platform.beeps, 0);
    QVERIFY(!f.state().salvato);
    QVERIFY(!testing::leggiEnabled(w));

    // The start of office advances the same way.
    field(w, 34)->setFocus(Qt::OtherFocusReason);
    type(QStringLiteral("010720"));
    QCOMPARE(field(w, 34)->text(), QStringLiteral("01"));
    QCOMPARE(field(w, 35)->text(), QStringLiteral("07"));
    QCOMPARE(field(w, 36)->text(), QStringLiteral("20"));
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGeneralData::leavingADate_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("focus"); // -1: the focus is where the leaving took it
    QTest::addColumn<bool>("recorded");

    QTest::newRow("day by Tab") << 2 << QStringLiteral("7") << QStringLiteral("tab") << QStringLiteral("07")
                                << 3 << true;
    QTest::newRow("day by a click elsewhere")
        << 2 << QStringLiteral("7") << QStringLiteral("click") << QStringLiteral("07") << 3 << true;
    QTest::newRow("month by Tab") << 3 << QStringLiteral("5") << QStringLiteral("tab") << QStringLiteral("05")
                                  << 4 << true;
    QTest::newRow("start day by a click")
        << 34 << QStringLiteral("3") << QStringLiteral("click") << QStringLiteral("03") << 35 << true;
    QTest::newRow("start month by Tab")
        << 35 << QStringLiteral("1") << QStringLiteral("tab") << QStringLiteral("01") << 36 << true;
    QTest::newRow("year keeps one digit")
        << 4 << QStringLiteral("7") << QStringLiteral("click") << QStringLiteral("7") << -1 << true;
    QTest::newRow("full day") << 2 << QStringLiteral("12") << QStringLiteral("click") << QStringLiteral("12")
                              << -1 << true;
    QTest::newRow("empty day") << 2 << QString() << QStringLiteral("tab") << QString() << 3 << true;
    QTest::newRow("a dialog opens") << 2 << QStringLiteral("7") << QStringLiteral("activation")
                                    << QStringLiteral("7") << 2 << false;
    QTest::newRow("a menu opens") << 34 << QStringLiteral("7") << QStringLiteral("popup")
                                  << QStringLiteral("7") << 34 << false;
}

void TestGeneralData::leavingADate()
{
    QFETCH(int, index);
    QFETCH(QString, before);
    QFETCH(QString, how);
    QFETCH(QString, after);
    QFETCH(int, focus);
    QFETCH(bool, recorded);

    Fixture f(Modello::Tradizionale);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    QLineEdit *box = field(w, index);
    load(f, box, before);
    box->setFocus(Qt::OtherFocusReason);
    QWidget *elsewhere = field(w, 0);
    if (how == QStringLiteral("tab")) {
        press(QStringLiteral("<TAB>"));
    } else if (how == QStringLiteral("click")) {
        QTest::mouseClick(elsewhere, Qt::LeftButton);
    } else {
        QFocusEvent out(QEvent::FocusOut,
                        how == QStringLiteral("popup") ? Qt::PopupFocusReason : Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(box, &out);
    }

    QCOMPARE(box->text(), after);
    if (focus >= 0)
        QCOMPARE(QApplication::focusWidget(), field(w, focus));
    else
        QCOMPARE(QApplication::focusWidget(), elsewhere);
    const bool edited = after != before;
    QCOMPARE(f.state().salvato, !edited);
    QCOMPARE(testing::leggiEnabled(w), !edited);
    if (recorded)
        QCOMPARE(f.state().ultimoTabIndex,
                 std::optional<int>(win::GeneralDataRules::tabIndexOfField(Modello::Tradizionale, index)));
    else
        QVERIFY(!f.state().ultimoTabIndex.has_value());
    QCOMPARE(f.platform.beeps, 0);
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGeneralData::leavingRecordsTabIndex_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("tabIndex");

    const Modello T = Modello::Tradizionale, M = Modello::Monistico, D = Modello::Dualistico;
    QTest::newRow("T name") << T << 0 << 1;
    QTest::newRow("T control body meetings") << T << 62 << 11;
    QTest::newRow("T statute") << T << 33 << 16;
    QTest::newRow("T start year") << T << 36 << 19;
    QTest::newRow("M executive committee") << M << 65 << 13;
    QTest::newRow("M start year") << M << 36 << 18;
    QTest::newRow("D statute") << D << 33 << 14;
    QTest::newRow("D start year") << D << 36 << 17;
}

void TestGeneralData::leavingRecordsTabIndex()
{
    QFETCH(Modello, model);
    QFETCH(int, index);
    QFETCH(int, tabIndex);

    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    field(w, index)->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(win::controls(w).btnAggiungi, Qt::LeftButton);
    QCOMPARE(f.state().ultimoTabIndex, std::optional<int>(tabIndex));
    // Leaving without a change is no edit.
    QVERIFY(f.state().salvato);
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGeneralData::textSetByTheProgram()
{
    Fixture f(Modello::Tradizionale);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    field(w, 0)->setFocus(Qt::OtherFocusReason);
    // While loading: no focus move, no edit, and nothing cut to the typing limits.
    f.module->setLoading(true);
    field(w, 1)->setText(QStringLiteral("RSSMRA80A01H501U"));
    field(w, 2)->setText(QStringLiteral("31"));
    field(w, 62)->setText(QStringLiteral("12345"));
    field(w, 4)->setText(QStringLiteral("202412"));
    f.module->setLoading(false);
    QCOMPARE(field(w, 1)->text(), QStringLiteral("RSSMRA80A01H501U"));
    QCOMPARE(field(w, 62)->text(), QStringLiteral("12345"));
    QCOMPARE(field(w, 4)->text(), QStringLiteral("202412"));
    QCOMPARE(QApplication::focusWidget(), field(w, 0));
    QVERIFY(f.state().salvato);
    QVERIFY(testing::leggiEnabled(w));

    // Outside loading a change by the program is an edit and moves on from a full day.
    field(w, 35)->setText(QStringLiteral("12"));
    QCOMPARE(QApplication::focusWidget(), field(w, 36));
    QVERIFY(!f.state().salvato);
    QVERIFY(!testing::leggiEnabled(w));
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGeneralData::riunioniNA_data()
{
    QTest::addColumn<Modello>("model");
    QTest::newRow("Tradizionale") << Modello::Tradizionale;
    QTest::newRow("Monistico") << Modello::Monistico;
}

void TestGeneralData::riunioniNA()
{
    QFETCH(Modello, model);
    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    QVERIFY(activate(w));
    QLineEdit *count = field(w, 65);
    const QColor white = count->palette().color(QPalette::Base);
    load(f, count, QStringLiteral("12"));

    QTest::mouseClick(win::controls(w).chk_RiunioniNA, Qt::LeftButton);
    QVERIFY(win::controls(w).chk_RiunioniNA->isChecked());
    QCOMPARE(count->text(), QString());
    QVERIFY(!count->isEnabled());
    QVERIFY(count->palette().color(QPalette::Base) != white);
    QVERIFY(!f.state().inCaricamento);
    QVERIFY(!f.state().salvato);
    QVERIFY(!testing::leggiEnabled(w));

    // Unticking: white and enabled again, but the count stays empty.
    f.module->setSalvato(true);
    testing::button(win::controls(w), CommandButton::Leggi)->setEnabled(true);
    QTest::mouseClick(win::controls(w).chk_RiunioniNA, Qt::LeftButton);
    QVERIFY(!win::controls(w).chk_RiunioniNA->isChecked());
    QVERIFY(count->isEnabled());
    QCOMPARE(count->palette().color(QPalette::Base), white);
    QCOMPARE(count->text(), QString());
    QVERIFY(!f.state().salvato);
    QVERIFY(!testing::leggiEnabled(w));
    QVERIFY(f.platform.failures.isEmpty());
}

void TestGeneralData::riunioniNAWhileLoading()
{
    Fixture f(Modello::Monistico);
    win::QuestionnaireWindow &w = f.window();
    QLineEdit *count = field(w, 65);
    f.module->setLoading(true);
    count->setText(QStringLiteral("4"));
    win::controls(w).chk_RiunioniNA->setChecked(true);
    QCOMPARE(count->text(), QString());
    QVERIFY(!count->isEnabled());
    QVERIFY(f.state().inCaricamento); // given back as it was
    win::controls(w).chk_RiunioniNA->setChecked(false);
    count->setText(QStringLiteral("5"));
    f.module->setLoading(false);
    QVERIFY(count->isEnabled());
    QCOMPARE(count->text(), QStringLiteral("5"));
    QVERIFY(f.state().salvato);
    QVERIFY(testing::leggiEnabled(w));

    // The dualistic window has neither the count nor the box.
    Fixture d(Modello::Dualistico);
    QVERIFY(!win::controls(d.window()).chk_RiunioniNA);
    QVERIFY(!field(d.window(), 65));
    QVERIFY(f.platform.failures.isEmpty());
    QVERIFY(d.platform.failures.isEmpty());
}

QTEST_MAIN(TestGeneralData)
#include "tst_generaldata.moc"
