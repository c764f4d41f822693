#include <QTest>

class TestNotewindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeholder() {}
};

QTEST_MAIN(TestNotewindow)
#include "tst_notewindow.moc"
