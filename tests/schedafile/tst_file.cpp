// The questionnaire file without a window: where each model's file keeps its questions, and
// hand-written files of each model, in several encodings, read field by field.
#include "contents.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/posizionixml.h"
#include "schedafile/lettorexml.h"

#include <QStringEncoder>
#include <QTest>

using qst::Modello;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

const char *const kSigle[] = {"trad", "dual", "mon"};

} // namespace

class TestFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tabellaPosizioni_data();
    void tabellaPosizioni();
    void lettura_data();
    void lettura();
};

void TestFile::tabellaPosizioni_data()
{
    QTest::addColumn<Modello>("m");
    for (Modello m : qst::kModelli)
        QTest::newRow(testing::modelName(m)) << m;
}

// In each box the questions stand as on the screen, the pages' rows top to bottom, numbered
// 1, 2, 3, ... without a gap; hidden rows only where the table keeps them.
void TestFile::tabellaPosizioni()
{
    QFETCH(Modello, m);
    const bool trad = m == Modello::Tradizionale;
    const QList<QList<int>> pagine =
        trad ? QList<QList<int>>{{1, 2}, {3}, {4, 5}} : QList<QList<int>>{{1, 2}, {4, 5}};
    QCOMPARE(qst::elementiRiquadro(m), static_cast<int>(pagine.size()));
    for (int b = 0; b < pagine.size(); ++b) {
        QList<int> schermo, file;
        for (int page : pagine[b])
            for (const qst::PageRow &r : qst::righePagina(m, page))
                if (r.k >= 0 && (trad || !r.labelHidden) && r.k != 75 && r.k != 76)
                    schermo << r.k;
        if (trad && b == 1) // the hidden items stand at the foot of the page, in the file inside
            schermo.insert(3, 75), schermo.insert(12, 76);
        int numero = 0;
        for (int pos = 0; pos < qst::domandeRiquadro(m, b); ++pos) {
            QList<const qst::PosizioneDomanda *> qui;
            for (const qst::PosizioneDomanda &p : qst::posizioniDomande(m))
                if (p.elemento == b && p.posizione == pos)
                    qui << &p;
            QCOMPARE(qui.size(), 1);
            QCOMPARE(qui[0], qst::posizioneDomanda(m, qui[0]->gruppo));
            if (qui[0]->scrittura != qst::Scrittura::NonScritta) {
                QCOMPARE(qui[0]->numero, ++numero);
                QCOMPARE(qui[0]->riquadro, trad ? b + 1 : 2 * b + 1);
                file << qui[0]->gruppo;
            }
        }
        QCOMPARE(file, schermo);
    }
}

void TestFile::lettura_data()
{
    QTest::addColumn<Modello>("m");
    QTest::addColumn<QByteArray>("codifica");
    for (Modello m : qst::kModelli)
        QTest::newRow(testing::modelName(m)) << m << QByteArray("UTF-8");
    for (const char *codifica : {"UTF-16", "ISO-8859-1", "windows-1252"})
        QTest::newRow(codifica) << Modello::Tradizionale << QByteArray(codifica);
}

// A file laid out by hand, with element names of its own, comments, a flag among other
// attributes, words that are almost answers, notes beside answers that keep none, read whole.
void TestFile::lettura()
{
    QFETCH(Modello, m);
    QFETCH(QByteArray, codifica);
    QString testo = QString::fromUtf8(
        testing::testData(QStringLiteral("lettura_%1.xml").arg(QLatin1String(kSigle[int(m)]))));
    testo.replace(QStringLiteral("encoding='UTF-8'"),
                  QStringLiteral("encoding='%1'").arg(QLatin1String(codifica)));
    QStringEncoder encoder(codifica.constData(), QStringEncoder::Flag::WriteBom);
    const QByteArray dati = encoder.encode(testo);
    QVERIFY(encoder.isValid() && !encoder.hasError());
    QCOMPARE(testing::describe(sf::FileScheda(dati).leggiXml(m)),
             QString::fromUtf8(
                 testing::testData(QStringLiteral("lettura_%1.atteso").arg(QLatin1String(kSigle[int(m)]))))
                 .split(u'\n', Qt::SkipEmptyParts));
}

QTEST_MAIN(TestFile)
#include "tst_file.moc"
