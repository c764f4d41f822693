// The questionnaire file without a window: where each model's file keeps its questions, and
// hand-written files of each model, in several encodings, read field by field.
#include "contents.h"
#include "core/error.h"
#include "filesizelimit.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/posizionixml.h"
#include "schedafile/lettorexml.h"
#include "schedafile/scrittorexml.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using qst::Modello;
using testing::kSigle;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

// `depth` nested elements around `inner`; an element with `count` attributes.
QString nested(int depth, const QString &inner = QString())
{
    return QStringLiteral("<a>").repeated(depth) + inner + QStringLiteral("</a>").repeated(depth);
}

QString attributes(int count)
{
    QString s = QStringLiteral("<a");
    for (int i = 0; i < count; ++i)
        s += QStringLiteral(" x%1='%1'").arg(i);
    return s + QStringLiteral("/>");
}

} // namespace

class TestFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tabellaPosizioni_data();
    void tabellaPosizioni();
    void lettura_data();
    void lettura();
    void firstAndLast_data();
    void firstAndLast();
    void lineBreaks_data();
    void lineBreaks();
    void limits_data();
    void limits();
    void failedWrite_data();
    void failedWrite();
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

void TestFile::firstAndLast_data()
{
    QTest::addColumn<Modello>("m");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const QString note = QStringLiteral("<V>SI</V><N ref=\"Nota x\">g72</N>");
    QTest::newRow("comment between the requirement items")
        << Modello::Monistico << QStringLiteral("</X>\n     <X>") << QStringLiteral("</X><!-- c --><X>");
    QTest::newRow("comment between answer and note")
        << Modello::Tradizionale << note << QString(note).insert(9, QStringLiteral("<!-- c -->"));
}

// The requirement items are the first and last child of their holder, answer and note the first
// and last child of the answer block: nodes between them change nothing.
void TestFile::firstAndLast()
{
    QFETCH(Modello, m);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const QString name = QStringLiteral("lettura_%1.").arg(QLatin1String(kSigle[int(m)]));
    QString text = QString::fromUtf8(testing::testData(name + QStringLiteral("xml")));
    QVERIFY(text.contains(before));
    text.replace(before, after);
    QCOMPARE(testing::describe(sf::FileScheda(text.toUtf8()).leggiXml(m)),
             QString::fromUtf8(testing::testData(name + QStringLiteral("atteso")))
                 .split(u'\n', Qt::SkipEmptyParts));
}

void TestFile::lineBreaks_data()
{
    QTest::addColumn<bool>("carriageReturn");
    QTest::newRow("a CR of its own") << true;
    QTest::newRow("no CR") << false;
}

// A note's line breaks become CR LF and any other value keeps its LF, whether or not the file
// holds a CR of its own (a character reference; the parser turns line ends into LF).
void TestFile::lineBreaks()
{
    QFETCH(bool, carriageReturn);
    QString text = QString::fromUtf8(testing::testData(QStringLiteral("lettura_trad.xml")));
    text.replace(QStringLiteral("<A>Via Roma 1</A>"), QStringLiteral("<A>Via&#10;Roma 1\n</A>"));
    if (!carriageReturn)
        text.replace(QStringLiteral("&#13;&#10;"), QStringLiteral("&#10;"))
            .replace(QStringLiteral("&#13;"), QStringLiteral("\n"));
    QStringList expected = QString::fromUtf8(testing::testData(QStringLiteral("lettura_trad.atteso")))
                               .split(u'\n', Qt::SkipEmptyParts);
    expected.replaceInStrings(QStringLiteral("campo 5: Via Roma 1"),
                              QStringLiteral("campo 5: Via\\nRoma 1\\n"));
    QCOMPARE(testing::describe(sf::FileScheda(text.toUtf8()).leggiXml(Modello::Tradizionale)), expected);
}

void TestFile::limits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoding"); // with a byte-order mark
    QTest::addColumn<bool>("accepted");
    QTest::newRow("64 levels") << nested(64) << QByteArray("UTF-8") << true;
    QTest::newRow("65 levels") << nested(63, QStringLiteral("<a/><a><a/></a>")) << QByteArray("UTF-8")
                               << false;
    QTest::newRow("100000 levels, 700 KB") << nested(100000) << QByteArray("UTF-8") << false;
    QTest::newRow("65 levels in UTF-16") << nested(65) << QByteArray("UTF-16") << false;
    QTest::newRow("256 attributes") << attributes(256) << QByteArray("UTF-32") << true;
    QTest::newRow("257 attributes") << attributes(257) << QByteArray("UTF-32") << false;
    // Comments, CDATA sections, instructions and attribute values are not counted.
    const QString quoted = QStringLiteral("<!-- %1 --><![CDATA[%1]]><?p %1?><b v='%2'/>")
                               .arg(nested(100), QStringLiteral("=>").repeated(300));
    QTest::newRow("markup not counted") << nested(63, quoted) << QByteArray("UTF-8") << true;
    // A document type's default attributes count; parameter entities cannot be counted.
    QTest::newRow("257 declared attributes") << QStringLiteral("<!DOCTYPE a [<!ATTLIST a %1>]><a/>")
                                                    .arg(QStringLiteral("d CDATA 'x' ").repeated(257))
                                             << QByteArray("UTF-8") << false;
    QTest::newRow("parameter entity")
        << QStringLiteral("<!DOCTYPE a [<!ENTITY % d '<!ATTLIST a d CDATA \"x\">'> %d;]><a/>")
        << QByteArray("UTF-8") << false;
}

// Files deeper than 64 levels, or with an element of more than 256 attributes, are refused at
// once with the reader's message, whatever their encoding.
void TestFile::limits()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, encoding);
    QFETCH(bool, accepted);
    QStringEncoder encoder(encoding.constData(), QStringEncoder::Flag::WriteBom);
    const QByteArray data = encoder.encode(text);
    QVERIFY(encoder.isValid() && !encoder.hasError());
    QString message;
    try {
        QVERIFY(!sf::FileScheda(data).radiceScheda());
    } catch (const core::SchedaError &e) {
        message = e.description();
    }
    QCOMPARE(message, accepted ? QString() : sf::erroreApertura());
}

void TestFile::failedWrite_data()
{
    QTest::addColumn<Modello>("m");
    QTest::addColumn<QString>("limit"); // how far the file may grow
    for (Modello m : qst::kModelli)
        for (const char *limit : {"0", "100", "half", "all but one byte"})
            QTest::addRow("%s, %s", testing::modelName(m), limit) << m << QString::fromLatin1(limit);
}

// A save whose write fails partway, wherever it fails, says so and leaves an earlier file of the
// name as it was, with nothing written beside it.
void TestFile::failedWrite()
{
    QFETCH(Modello, m);
    QFETCH(QString, limit);
    const QString program = QCoreApplication::applicationDirPath();
    const qst::Contenuto c = testing::full(m, 6, 2000);
    QTemporaryDir dir;
    const QString whole = dir.filePath(QStringLiteral("intero.xml"));
    sf::salvaXml(c, program, whole);
    const qint64 size = QFileInfo(whole).size();
    QFile::remove(whole);
    const rlim_t bytes = limit == QStringLiteral("half")               ? size / 2
                         : limit == QStringLiteral("all but one byte") ? size - 1
                                                                       : limit.toULongLong();
    const QString path = dir.filePath(QStringLiteral("scheda.xml"));
    const QByteArray earlier = "<?xml version='1.0'?><SchedaOrganoControllo/>\n";
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(earlier) == earlier.size());
    f.close();

    QString message;
    try {
        const testing::FileSizeLimit limited(bytes);
        sf::salvaXml(c, program, path);
    } catch (const core::SchedaError &e) {
        message = e.description();
    }
    QCOMPARE(message, sf::erroreSalvataggio(
                          path, QString::fromUtf8("Il file supera la dimensione massima consentita.")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), earlier);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("scheda.xml")});
}

QTEST_MAIN(TestFile)
#include "tst_file.moc"
