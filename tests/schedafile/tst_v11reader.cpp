// Version 1.1 files read as lines of text: the layout, its tolerance and its refusals, references
// and encodings, long notes, damaged files, and the hand-written example.
#include "contents.h"
#include "schedafile/lettorexml.h"
#include "schedafile/v11reader.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using qst::Risposta;

namespace
{

// A file of three markup lines, the header, "QUESTIONARIO" and the answers.
QByteArray v11(const char *header, const char *answers)
{
    return QByteArray("<?xml version=\"1.0\"?>\n<a>\n<b>\n") + header + "QUESTIONARIO\n" + answers;
}

QString shown(QString s)
{
    return s.replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

// Everything the value holds, one item each: G general data, C minority box, T number box,
// A answer, R red link, S / N the note in noteSiPre / noteNoPre.
QString describe(const qst::V11Content &c)
{
    QStringList out;
    for (size_t i = 0; i < c.general.size(); ++i)
        if (!c.general[i].isEmpty())
            out << QStringLiteral("G%1=%2").arg(i).arg(shown(c.general[i]));
    for (size_t i = 0; i < c.minority.size(); ++i)
        if (c.minority[i] != qst::BoxState::Unticked)
            out << QStringLiteral("C%1=%2").arg(i).arg(int(c.minority[i]));
    for (size_t i = 0; i < c.numbers.size(); ++i)
        if (!c.numbers[i].isEmpty())
            out << QStringLiteral("T%1=%2").arg(i).arg(c.numbers[i]);
    const char *const words[] = {"", "Si", "No", "NA"};
    for (size_t k = 0; k < c.answers.size(); ++k) {
        if (c.answers[k] != Risposta::Nessuna)
            out << QStringLiteral("A%1=%2").arg(k).arg(QLatin1String(words[int(c.answers[k])]));
        if (c.redLink[k])
            out << QStringLiteral("R%1").arg(k);
        if (!c.noteSiPre[k].isEmpty())
            out << QStringLiteral("S%1=%2").arg(k).arg(shown(c.noteSiPre[k]));
        if (!c.noteNoPre[k].isEmpty())
            out << QStringLiteral("N%1=%2").arg(k).arg(shown(c.noteNoPre[k]));
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
    void malformed_data();
    void malformed();
    void convertiAccenti_data();
    void convertiAccenti();
    void longNotes();
    void damagedFiles();
    void example();
    void missingFile();
};

void TestV11Reader::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("messages");
    const auto add = [](const char *tag, const QByteArray &bytes, const char *expected, int messages = 0) {
        QTest::newRow(tag) << bytes << QString::fromUtf8(expected) << messages;
    };
    add("minimal", "1\n2\n3\nQUESTIONARIO", "");
    add("general data", v11("\n5 - Via Roma 1 - int. 2\n0 -Alfa\n 12  - X\n33 -  5\n", ""),
        "G0=Alfa | G5=Via Roma 1 - int. 2 | G12=X | G33= 5");
    add("TEXT and CHECK", v11("TEXT-1 12\nTEXT-0:7 8\nTEXT-2\nCHECK-3 1\nCHECK-0  +2 \nCHECK-4 0\n", ""),
        "C0=2 | C3=1 | T0=7 8 | T1=12");
    add("accents", v11("0 - Societa' E' cosi' piu' perche' \n", "0 - Si - e' vero\nne' qui#||#\n"),
        "G0=Società E' così più perchè  | A0=Si | R0 | S0=è vero\\r\\nne' qui");
    add("words",
        v11("", "0 - Si - \n7 - Adeguata - \n8 - Inadeguata - n#||#\n9 - No - \n12 - N/A - x#||#\n"
                "13 - SI - y#||#\n14 -  Si  - \n"),
        "A0=Si | A7=Si | A8=No | R8 | N8=n | A9=No | A12=NA | R12 | N12=x | R13 | N13=y | A14=Si");
    add("later line replaces", v11("", "5 - Si - a#||#\n5 - No - \n6 - No - b#||#\n6 - Si - c#||#\n"),
        "A5=No | A6=Si | R6 | S6=c");
    add("multi-line note", v11("", "2 - Si - one\ntwo\n\nthree#||# tail\n3 - No - z#||#\n"),
        "A2=Si | R2 | S2=one\\r\\ntwo\\r\\n\\r\\nthree | A3=No | R3 | N3=z");
    add("note ends at first marker", v11("", "5 - Si - a#||#b#||#\n6 - Si - #||#\n"),
        "A5=Si | R5 | S5=a | A6=Si");
    add("end line", v11("", "0 - Si - \n</b></a>\n1 - Si - \n"), "A0=Si");
    add("> in a note", v11("", "1 - Si - a > b#||#\n2 - No - c\n</b> d#||#\n"),
        "A1=Si | R1 | S1=a > b | A2=No | R2 | N2=c\\r\\n</b> d");
    add("> before second hyphen", v11("", "0 - Si - \n3 - S>i - x#||#\n1 - Si - \n"), "A0=Si");
    add("> before first hyphen", v11("", "3 > 2 - Si - \n1 - Si - \n"), "");
    add("group outside 0-71", v11("", "72 - Si - x\ny > z#||#\n0 - No - \n+99999999999 - Si - \n"), "A0=No",
        2);
    add("references",
        v11("0 - a &amp; b &lt;c&gt; &quot;d&quot; Societa&apos; &#233;&#xE8;&#x1F600; &nbsp; &#0; &#xD800; "
            "&#X41; & ;\n"
            "1 - x&#13;&#10;y&#10;z&#13;w\n",
            "0 - No - &#62;&lt;#||#\n"),
        "G0=a & b <c> \"d\" Società éè😀 &nbsp; &#0; &#xD800; &#X41; & ; | G1=x\\r\\ny\\r\\nz\\r\\nw | A0=No "
        "| "
        "R0 | N0=><");
    // Code page 1252 where the bytes are no UTF-8: à, è, the typographic apostrophe.
    add("windows-1252", v11("0 - \xE0 \xE8 \x92\n", ""), "G0=à è ’");
    add("UTF-8", v11("0 - \xC3\xA0 \xE2\x80\x99\n", ""), "G0=à ’");
    add("UTF-8 with mark", "\xEF\xBB\xBF" + v11("0 - \xC3\xA0 \xE0\n", ""), "G0=à \uFFFD");
    add("CR only", "1\r2\r3\r0 - a\rQUESTIONARIO\r0 - Si - b\rc#||#\r", "G0=a | A0=Si | R0 | S0=b\\r\\nc");
    add("mixed line ends", "1\r\n2\n3\r\r\n0 - a\r\nQUESTIONARIO\n\r0 - No - ", "G0=a | A0=No");
}

void TestV11Reader::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QFETCH(int, messages);
    sf::V11Reading r;
    try {
        r = sf::parseV11(bytes);
    } catch (const core::SchedaError &e) {
        QFAIL(qPrintable(e.description()));
    }
    QCOMPARE(describe(r.content), expected);
    QCOMPARE(r.messages, QStringList(messages, core::outOfRange().description()));
}

void TestV11Reader::malformed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const auto add = [](const char *tag, const QByteArray &bytes) { QTest::newRow(tag) << bytes; };
    add("empty", "");
    add("three lines only", "1\n2\n3\n");
    add("no QUESTIONARIO", "1\n2\n3\n0 - a\n");
    add("QUESTIONARIO and a blank", "1\n2\n3\nQUESTIONARIO \n");
    add("questionario", "1\n2\n3\nquestionario\n");
    add("header without hyphen", v11("Alfa\n", ""));
    add("header of blanks", v11("  \n", ""));
    add("header index not a number", v11("x - Alfa\n", ""));
    add("header index 37", v11("37 - Alfa\n", ""));
    add("header hyphen first", v11("- Alfa\n", ""));
    add("TEXT digit 3", v11("TEXT-3 1\n", ""));
    add("TEXT without digit", v11("TEXT-\n", ""));
    add("TEXT without hyphen", v11("TEXT 1\n", ""));
    add("CHECK digit 5", v11("CHECK-5 1\n", ""));
    add("CHECK value 3", v11("CHECK-1 3\n", ""));
    add("CHECK value empty", v11("CHECK-1\n", ""));
    add("CHECK value a", v11("CHECK-1 a\n", ""));
    add("answer without second hyphen", v11("", "0 - Si\n"));
    add("answer without hyphen", v11("", "Si\n"));
    add("answer group not a number", v11("", "a - Si - \n"));
    add("answer starting with a hyphen", v11("", "- Si - \n"));
    add("note never ends", v11("", "0 - Si - nota\naltro\n"));
}

void TestV11Reader::malformed()
{
    QFETCH(QByteArray, bytes);
    try {
        sf::parseV11(bytes);
        QFAIL("parsed");
    } catch (const sf::MissingV11File &) {
        QFAIL("missing file");
    } catch (const core::SchedaError &e) {
        QCOMPARE(e.description(), sf::erroreApertura());
    }
}

void TestV11Reader::convertiAccenti_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("vowels") << "a'e'i'o'u'" << QString::fromUtf8("àèìòù");
    QTest::newRow("capitals and others") << "A'E'l'y'"
                                         << "A'E'l'y'";
    QTest::newRow("two apostrophes") << "a''" << QString::fromUtf8("à'");
    QTest::newRow("mid word") << "perche'no" << QString::fromUtf8("perchèno");
}

void TestV11Reader::convertiAccenti()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(sf::convertiAccenti(in), out);
    QCOMPARE(in, out);
}

// Every group with a note of 70000 characters over two lines, kept whole.
void TestV11Reader::longNotes()
{
    const QByteArray half(35000, 'x');
    QByteArray answers;
    for (int k = 0; k < qst::kV11Groups; ++k)
        answers += QByteArray::number(k) + " - No - " + half + "\n" + half + "#||#\n";
    const qst::V11Content c = sf::parseV11(v11("", answers)).content;
    for (int k = 0; k < qst::kV11Groups; ++k)
        QCOMPARE(c.nota(k), QString::fromLatin1(half + "\r\n" + half));
}

// A damaged file gives a value or the reader's message, never a crash or a hang.
void TestV11Reader::damagedFiles()
{
    const QByteArray file = testing::testData(QStringLiteral("v11_esempio.xml"));
    QVERIFY(!file.isEmpty());
    int refused = 0;
    const auto attempt = [&](const QByteArray &bytes) {
        try {
            sf::parseV11(bytes);
        } catch (const core::SchedaError &e) {
            QCOMPARE(e.description(), sf::erroreApertura());
            ++refused;
        }
    };
    for (qsizetype n = 0; n < file.size(); ++n)
        attempt(file.left(n));
    const char flips[] = {'\xFF', '-', '>', '\n', '#'};
    for (qsizetype i = 0; i < file.size(); ++i) {
        QByteArray bytes = file;
        bytes[i] = flips[i % 5];
        attempt(bytes);
    }
    QVERIFY(refused > 0);
}

// The hand-written example: a well-formed XML document of another root, which the version 1.1
// reader then reads as lines.
void TestV11Reader::example()
{
    const QByteArray bytes = testing::testData(QStringLiteral("v11_esempio.xml"));
    QVERIFY(!sf::FileScheda(bytes).radiceScheda());
    const sf::V11Reading r = sf::parseV11(bytes);
    const qst::V11Content &c = r.content;
    QVERIFY(r.messages.isEmpty());
    QCOMPARE(c.general[0], QStringLiteral("Rossi & Bianchi Costruzioni S.p.A."));
    QCOMPARE(c.general[5], QString::fromUtf8("Via Garibaldi 12, 06012 Città di Castello (PG)"));
    QCOMPARE(c.general[36], QStringLiteral("2003"));
    QCOMPARE(c.minority, (std::array{qst::BoxState::Unticked, qst::BoxState::Ticked, qst::BoxState::Partly,
                                     qst::BoxState::Unticked, qst::BoxState::Unticked}));
    QCOMPARE(QStringList(c.numbers.begin(), c.numbers.end()), QString::fromLatin1("12 3 4").split(u' '));
    QCOMPARE(c.answers[7], Risposta::Si);
    QCOMPARE(c.answers[14], Risposta::NA);
    QVERIFY(c.noteSiPre[18].endsWith(QString::fromUtf8("congruo.")) &&
            c.noteSiPre[18].contains(QChar(0x20AC)));
    QVERIFY(c.noteSiPre[43].contains(QStringLiteral("ricavi > costi")));
    QCOMPARE(c.noteNoPre[70].count(QStringLiteral("\r\n")), 2);
    QCOMPARE(int(std::count(c.redLink.begin(), c.redLink.end(), true)), 12);
}

void TestV11Reader::missingFile()
{
    QTemporaryDir dir;
    for (const QString &path : {dir.filePath(QStringLiteral("assente.xml")), dir.path()}) {
        try {
            sf::readV11File(path);
            QFAIL("read");
        } catch (const sf::MissingV11File &e) {
            QCOMPARE(e.description(), sf::missingV11FileMessage());
        }
    }
    QVERIFY(sf::missingV11FileMessage().endsWith(
        QStringLiteral("un'estensione \"xml.\" Operazione annullata!!!")));
}

QTEST_APPLESS_MAIN(TestV11Reader)
#include "tst_v11reader.moc"
