#include <QTest>

class TestGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
