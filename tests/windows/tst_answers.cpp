#include <QTest>

class TestAnswers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_MAIN(TestAnswers)
#include "tst_answers.moc"
