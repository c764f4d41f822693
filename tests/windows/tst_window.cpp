#include <QTest>

class TestWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
