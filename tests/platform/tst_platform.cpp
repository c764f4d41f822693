// The scripted platform that every window test relies on, and the filter conversion.
#include "platform/qtplatform.h"
#include "platform/scriptedplatform.h"

#include <QDialog>
#include <QTest>

using platform::Answer;
using platform::ScriptedPlatform;

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersInOrderAndRecordsBoxes();
    void unexpectedBoxIsAFailureNotABlock();
    void boxAfterEndProcessIsAFailure();
    void fileDialogsCancelAsEmptyText();
    void modalWindowRunsItsScript();
    void modalWindowLeftOpenIsClosedAndReported();
    void qtFilterConversion();
};

void TestPlatform::answersInOrderAndRecordsBoxes()
{
    ScriptedPlatform p;
    bool during = false;
    p.answer(Answer::Yes, QStringLiteral("perse"), [&] { during = true; });
    p.answer(Answer::Cancel);
    const platform::BoxRequest request{QStringLiteral("tutte perse"), QStringLiteral("Warning"),
                                       platform::Buttons::YesNoCancel, platform::Icon::Information, 1};
    QCOMPARE(p.platform().dialogs.message(request), Answer::Yes);
    QVERIFY(during);
    QCOMPARE(p.message(request), Answer::Cancel);
    QCOMPARE(p.messages.size(), 2);
    QCOMPARE(p.messages[0].title, QStringLiteral("Warning"));
    QCOMPARE(p.messages[0].defaultButton, 1);
    QVERIFY(p.failures.isEmpty());
    QVERIFY(p.allConsumed());
}

void TestPlatform::unexpectedBoxIsAFailureNotABlock()
{
    ScriptedPlatform p;
    QCOMPARE(p.message({QStringLiteral("?"), QString(), platform::Buttons::YesNoCancel}), Answer::Cancel);
    QCOMPARE(p.failures.size(), 1);
    p.answer(Answer::Ok, QStringLiteral("atteso"));
    p.message({QStringLiteral("altro"), QString()});
    QCOMPARE(p.failures.size(), 2);
}

void TestPlatform::boxAfterEndProcessIsAFailure()
{
    ScriptedPlatform p;
    p.endProcess();
    p.answer(Answer::Ok);
    p.showError(QStringLiteral("troppo tardi"));
    QCOMPARE(p.failures.size(), 1);
    QVERIFY(p.failures.first().contains(QStringLiteral("after the process ended")));
}

void TestPlatform::fileDialogsCancelAsEmptyText()
{
    ScriptedPlatform p;
    p.chooseFile(QStringLiteral("scheda.xml"));
    p.chooseFile(QString());
    const platform::FileDialogOptions options{QStringLiteral("Salva file"),
                                              QStringLiteral("Xml File (*.xml)|*.xml|"), QString()};
    QCOMPARE(p.saveFileName(options), QStringLiteral("scheda.xml"));
    QCOMPARE(p.openFileName(options), QString());
    QCOMPARE(p.fileDialogs.size(), 2);
    QCOMPARE(p.fileDialogs[0].title, QStringLiteral("Salva file"));
    QVERIFY(p.failures.isEmpty());
}

void TestPlatform::modalWindowRunsItsScript()
{
    ScriptedPlatform p;
    QDialog dialog;
    bool shownDuringScript = false;
    p.modal([&](QDialog &d) {
        shownDuringScript = d.isVisible();
        d.hide();
    });
    p.execModal(dialog);
    QVERIFY(shownDuringScript);
    QVERIFY(!dialog.isVisible());
    QVERIFY(p.failures.isEmpty());
}

void TestPlatform::modalWindowLeftOpenIsClosedAndReported()
{
    ScriptedPlatform p;
    QDialog dialog;
    p.modal([](QDialog &) {});
    p.execModal(dialog);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(p.failures.size(), 1);
    p.execModal(dialog); // no script at all
    QCOMPARE(p.failures.size(), 3);
}

void TestPlatform::qtFilterConversion()
{
    QCOMPARE(platform::qtFilter(QStringLiteral("Xml File (*.xml)|*.xml|")),
             QStringLiteral("Xml File (*.xml)"));
    QCOMPARE(platform::qtFilter(QStringLiteral("Testo|*.txt|Tutti (*.*)|*.*")),
             QStringLiteral("Testo (*.txt);;Tutti (*.*)"));
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
