// Version 1.1 files read as lines of text: layout, tolerance, refusals, references, encodings,
// long notes, damaged files and the hand-written example.
#include "contents.h"
#include "schedafile/lettorexml.h"
#include "schedafile/v11reader.h"

#include <QTemporaryDir>
#include <QTest>

namespace
{

QByteArray v11(const char *header, const char *answers)
{
    return QByteArray("<?xml version=\"1.0\"?>\n<a>\n<b>\n") + header + "QUESTIONARIO\n" + answers;
}

// What the value holds: G general data, C minority box, T number box, A answer (* red link),
// S / N the note in noteSiPre / noteNoPre; CR LF shown as \n.
QString describe(const qst::V11Content &c)
{
    QStringList out;
    const auto add = [&out](char tag, size_t i, QString v) {
        if (!v.isEmpty())
            out << QLatin1Char(tag) + QString::number(i) + u'=' +
                       v.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    };
    for (size_t i = 0; i < c.general.size(); ++i)
        add('G', i, c.general[i]);
    for (size_t i = 0; i < c.minority.size(); ++i)
        add('C', i, QString::number(int(c.minority[i])).remove(u'0'));
    for (size_t i = 0; i < c.numbers.size(); ++i)
        add('T', i, c.numbers[i]);
    for (size_t k = 0; k < c.redLink.size(); ++k) {
        add('A', k,
            QLatin1String(c.siTicked[k] ? "Si" : "") + QLatin1String(c.noTicked[k] ? "No" : "") +
                QLatin1String(c.naTicked[k] ? "NA" : "") + QLatin1String(c.redLink[k] ? "*" : ""));
        add('S', k, c.noteSiPre[k]);
        add('N', k, c.noteNoPre[k]);
    }
    return out.join(QLatin1String(" | "));
}

} // namespace

class TestV11Reader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void example();
    void files();
};

void TestV11Reader::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // "!": refused with the reader's message
    QTest::addColumn<bool>("skipped");     // an answer line skipped with the index message
    const auto add = [](const char *tag, const QByteArray &bytes, const char *expected,
                        bool skipped = false) {
        QTest::newRow(tag) << bytes << QString::fromUtf8(expected) << skipped;
    };
    add("minimal", "1\n2\n3\nQUESTIONARIO", "");
    add("general data", v11("\n5 - Via Roma 1 - int. 2\n0 -Alfa\n 12  - X\n33 -  5\n", ""),
        "G0=Alfa | G5=Via Roma 1 - int. 2 | G12=X | G33= 5");
    add("TEXT and CHECK", v11("TEXT-1 12\nTEXT-0:7 8\nTEXT-2\nCHECK-3 1\nCHECK-0  +2 \nCHECK-4 0\n", ""),
        "C0=2 | C3=1 | T0=7 8 | T1=12");
    add("accents", v11("0 - Societa' E' A'l'y' a'' perche'no\n", "0 - Si - e' vero\nne' qui#||#\n"),
        "G0=Società E' A'l'y' à' perchèno | A0=Si* | S0=è vero\\nne' qui");
    add("words",
        v11("", "0 - Si - \n7 - Adeguata - \n8 - Inadeguata - n#||#\n9 - No - \n12 - N/A - x#||#\n"
                "13 - SI - y#||#\n14 -  Si  - \n"),
        "A0=Si | A7=Si | A8=No* | N8=n | A9=No | A12=NA* | N12=x | A13=* | N13=y | A14=Si");
    add("group answered twice", v11("", "5 - Si - a#||#\n5 - No - \n6 - No - b#||#\n6 - Si - c#||#\n"),
        "A5=SiNo* | S5=a | A6=SiNo* | S6=c | N6=b");
    add("multi-line note", v11("", "2 - Si - one\ntwo\n\nthree#||# tail\n3 - No - z#||#\n"),
        "A2=Si* | S2=one\\ntwo\\n\\nthree | A3=No* | N3=z");
    add("note ends at first marker", v11("", "5 - Si - a#||#b#||#\n6 - Si - #||#\n"),
        "A5=Si* | S5=a | A6=Si");
    add("end line", v11("", "0 - Si - \n</b></a>\n1 - Si - \n"), "A0=Si");
    add("> in a note", v11("", "1 - Si - a > b#||#\n2 - No - c\n</b> d#||#\n"),
        "A1=Si* | S1=a > b | A2=No* | N2=c\\n</b> d");
    add("> before second hyphen", v11("", "0 - Si - \n3 - S>i - x#||#\n1 - Si - \n"), "A0=Si");
    add("> before first hyphen", v11("", "3 > 2 - Si - \n1 - Si - \n"), "");
    add("group outside 0-71", v11("", "72 - Si - x\ny > z#||#\n0 - No - \n+99999999999 - Si - \n"), "A0=No",
        true);
    add("references",
        v11("0 - &amp; &lt;c&gt; &quot;d&quot; Societa&apos; &#233;&#x0000E8;&#x1F600;&#x110000; &nbsp; &#0; "
            "&#xD800; "
            "&#X41; & ;\n"
            "1 - x&#13;&#10;y&#10;z&#13;w\n",
            "0 - No - &#62;&lt;#||#\n"),
        "G0=& <c> \"d\" Società éè😀&#x110000; &nbsp; &#0; &#xD800; &#X41; & ; | G1=x\\ny\\nz\\nw | A0=No* | "
        "N0=><");
    // Code page 1252 where the bytes are no UTF-8: à, è, the typographic apostrophe.
    add("windows-1252", v11("0 - \xE0 \xE8 \x92\n", ""), "G0=à è ’");
    add("UTF-8", v11("0 - \xC3\xA0 \xE2\x80\x99\n", ""), "G0=à ’");
    add("UTF-8 with mark", "\xEF\xBB\xBF" + v11("0 - \xC3\xA0 \xE0\n", ""), "G0=à \uFFFD");
    add("CR only", "1\r2\r3\r0 - a\rQUESTIONARIO\r0 - Si - b\rc#||#\r", "G0=a | A0=Si* | S0=b\\nc");
    add("mixed line ends", "1\r\n2\n3\r\r\n0 - a\r\nQUESTIONARIO\n\r0 - No - ", "G0=a | A0=No");
    // Every group with a note of 70000 characters over two lines, kept whole.
    const QByteArray half(35000, 'x');
    QByteArray notes;
    QStringList all;
    for (int k = 0; k < qst::kV11Groups; ++k) {
        notes += QByteArray::number(k) + " - No - " + half + "\n" + half + "#||#\n";
        all << QStringLiteral("A%1=No* | N%1=").arg(k) + QString::fromLatin1(half + "\\n" + half);
    }
    QTest::newRow("long notes") << v11("", notes) << all.join(QLatin1String(" | ")) << false;

    add("empty", "", "!");
    add("no QUESTIONARIO", "1\n2\n3\n0 - a\n", "!");
    add("QUESTIONARIO and a blank", "1\n2\n3\nQUESTIONARIO \n", "!");
    add("header without hyphen", v11("Alfa\n", ""), "!");
    add("header index not a number", v11("x - Alfa\n", ""), "!");
    add("header index 37", v11("37 - Alfa\n", ""), "!");
    add("TEXT digit 3", v11("TEXT-3 1\n", ""), "!");
    add("CHECK digit 5", v11("CHECK-5 1\n", ""), "!");
    add("CHECK value 3", v11("CHECK-1 3\n", ""), "!");
    add("CHECK value empty", v11("CHECK-1\n", ""), "!");
    add("answer without second hyphen", v11("", "0 - Si\n"), "!");
    add("answer group not a number", v11("", "a - Si - \n"), "!");
    add("note never ends", v11("", "0 - Si - nota\naltro\n"), "!");
}

void TestV11Reader::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QFETCH(bool, skipped);
    try {
        const sf::V11Reading r = sf::parseV11(bytes);
        QCOMPARE(describe(r.content), expected);
        QCOMPARE(r.skippedLine, skipped ? core::outOfRange().description() : QString());
    } catch (const core::SchedaError &e) {
        QCOMPARE(e.description(), sf::erroreApertura());
        QCOMPARE(QStringLiteral("!"), expected);
    }
}

// The hand-written example: well-formed XML whose root is not the questionnaire's, read as lines.
// Copies of it cut short or with a byte changed give a value or the reader's message, never a
// crash or a hang.
void TestV11Reader::example()
{
    const QByteArray file = testing::testData(QStringLiteral("v11_esempio.xml"));
    QVERIFY(!sf::FileScheda(file).radiceScheda());
    const sf::V11Reading r = sf::parseV11(file);
    QVERIFY(r.skippedLine.isEmpty());
    const QString d = describe(r.content);
    for (const char *item :
         {"G0=Rossi & Bianchi Costruzioni S.p.A. | ", "G5=Via Garibaldi 12, 06012 Città di Castello (PG) | ",
          "C1=1 | C2=2 | T0=12 | T1=3 | T2=4 | ", "A7=Si | ", "A14=NA | ", "45.000 €, ritenuto congruo. | ",
          "(ricavi > costi in tutti i trimestri). | ", "rilevanti.\\n\\nIl collegio"})
        QVERIFY2(d.contains(QString::fromUtf8(item)), item);
    QCOMPARE(d.count(u'*'), 12);
    for (qsizetype i = 0; i < 2 * file.size(); ++i) {
        QByteArray bytes = file.left(i);
        if (i >= file.size())
            bytes[i - file.size()] = "\xFF->\n#"[i % 5];
        try {
            sf::parseV11(bytes);
        } catch (const core::SchedaError &e) {
            QCOMPARE(e.description(), sf::erroreApertura());
        }
    }
}

// A file is read whole from its path; no file there is an error of its own.
void TestV11Reader::files()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("esempio.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("1\n2\n3\n0 - a\nQUESTIONARIO") > 0);
    file.close();
    QCOMPARE(sf::readV11File(file.fileName()).content.general[0], QStringLiteral("a"));
    for (const QString &path : {dir.filePath(QStringLiteral("assente.xml")), dir.path()})
        QVERIFY_THROWS_EXCEPTION(sf::MissingV11File, sf::readV11File(path));
}

QTEST_APPLESS_MAIN(TestV11Reader)
#include "tst_v11reader.moc"
