#include <QTest>

class TestGeneraldata : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_MAIN(TestGeneraldata)
#include "tst_generaldata.moc"
