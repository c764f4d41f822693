// The page layer and the question lines on the recording printer, whose fixed widths make every
// position computable by hand: at size 10 a character is 1.5 wide (blank and "." 0.75, "m" 2.5),
// bold 1.25 times that, a line 4 high.
#include "print/domanda.h"
#include "print/misure.h"
#include "print/nota.h"
#include "print/pagina.h"
#include "print/recordingprinter.h"

#include <QRegularExpression>
#include <QTest>

using prn::Pagina;
using prn::RecordingPrinter;
using Item = prn::Printer::Item;

namespace
{

void setUp(RecordingPrinter &p)
{
    p.setFontName(QStringLiteral("MS Sans Serif"));
    p.setFontSize(10);
    p.setFontBold(false);
}

// The run the growing loop finds: one c, then one more while it is narrower than target.
QString growingRun(prn::Printer &p, QChar c, double target)
{
    QString s(c);
    while (p.TextWidth(s) < target)
        s += c;
    return s;
}

QString words(const QString &word, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << word;
    return list.join(QLatin1Char(' '));
}

} // namespace

class TestPageLayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageCheck_data();
    void pageCheck();
    void leaders_data();
    void leaders();
    void valueTooWideForItsLeader();
    void runSearchEqualsGrowingLoop();
    void justificationEqualsGrowingLoop();
    void questionLines_data();
    void questionLines();
    void questionLinesAtTheFootOfAPage();
    void notes_data();
    void notes();
};

void TestPageLayer::pageCheck_data()
{
    QTest::addColumn<double>("riga");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<bool>("newPage");
    QTest::addColumn<double>("firstLine");
    QTest::newRow("292 stays") << 292.0 << QStringLiteral("DATI GENERALI") << false << 292.0;
    QTest::newRow("292.5 breaks") << 292.5 << QStringLiteral("DATI GENERALI") << true << 13.0;
    QTest::newRow("box III starts higher")
        << 300.0 << QStringLiteral("Riquadro III - Relazione per l'assemblea") << true << 11.0;
}

void TestPageLayer::pageCheck()
{
    QFETCH(double, riga);
    QFETCH(QString, heading);
    QFETCH(bool, newPage);
    QFETCH(double, firstLine);
    RecordingPrinter p;
    setUp(p);
    Pagina pg(p);
    pg.stato.contaPagine = 4;
    pg.stato.titoloSezione = heading;
    pg.stato.rigaStampa = riga;
    QCOMPARE(pg.controllaPagina(), newPage);
    QCOMPARE(pg.stato.rigaStampa, firstLine);
    if (!newPage) {
        QVERIFY(p.items().empty());
        return;
    }
    QCOMPARE(pg.stato.contaPagine, 5L);
    QCOMPARE(p.page(), 1);
    // "Pagina 5" right-aligned 2 units from the margin at y 2, the heading at (5, 3), its rule.
    QCOMPARE(p.texts().mid(0, 2), (QStringList{QStringLiteral("Pagina 5"), heading}));
    const Item &number = p.items()[0];
    QCOMPARE(number.x + number.width, 195.0);
    QCOMPARE(number.y, 2.0);
    QCOMPARE(p.items()[1].x, 5.0);
    QCOMPARE(p.items()[1].font.size, 12.0);
    QCOMPARE(p.items()[2].text, QString(110, QLatin1Char('_'))); // 1.8 wide at size 12: 110 reach 197
    QCOMPARE(p.items()[2].y, 3.75);
    QVERIFY(p.FontBold());
    QCOMPARE(p.FontSize(), 10.0);
    QVERIFY(p.offPageItems().empty());
}

void TestPageLayer::leaders_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");
    QTest::addColumn<double>("dotsX");
    QTest::addColumn<int>("dots");
    // "aaaa" bold is 7.5 wide: the leader starts at 8.5; "ACME" is 7 wide.
    QTest::newRow("empty value") << QStringLiteral("aaaa") << QString() << 8.0 << 252;
    QTest::newRow("value") << QStringLiteral("aaaa") << QStringLiteral("ACME") << 8.5 << 242;
    // A label wider than the page: one dot that ends where the value begins.
    QTest::newRow("label too wide") << QString(160, QLatin1Char('a')) << QString() << 196.25 << 1;
}

void TestPageLayer::leaders()
{
    QFETCH(QString, label);
    QFETCH(QString, value);
    QFETCH(double, dotsX);
    QFETCH(int, dots);
    RecordingPrinter p;
    setUp(p);
    Pagina pg(p);
    pg.stato.rigaStampa = 25;
    pg.stampaVoce(label, value);
    const std::vector<Item> &items = p.items();
    QCOMPARE(items.size(), value.isEmpty() ? size_t(2) : size_t(3));
    QVERIFY(items[0].font.bold);
    QCOMPARE(items[1].text, QString(dots, QLatin1Char('.')));
    QCOMPARE(items[1].x, dotsX);
    QVERIFY(!items[1].font.bold);
    const double valueX = 197 - p.TextWidth(value);
    QCOMPARE(items[1].x + items[1].width, valueX);
    if (!value.isEmpty()) {
        QCOMPARE(items[2].x, valueX);
        QCOMPARE(items[2].y, 25.0);
    }
    QCOMPARE(pg.stato.rigaStampa, 25.0 + 4 + 2);
    QCOMPARE(p.CurrentY(), pg.stato.rigaStampa);
}

void TestPageLayer::valueTooWideForItsLeader()
{
    RecordingPrinter p;
    setUp(p);
    Pagina pg(p);
    pg.stato.titoloSezione = QStringLiteral("DATI GENERALI");
    pg.stato.rigaStampa = 280;
    // 50 words of 6 units and a word of 225: the label line keeps its dots, the value follows
    // right-aligned in pieces of at most 197, the long word broken inside, a new page at 298.
    const QString value =
        words(QStringLiteral("abcd"), 50) + QLatin1Char(' ') + QString(150, QLatin1Char('x'));
    pg.stampaVoce(QStringLiteral("Indirizzo"), value);
    const std::vector<Item> &items = p.items();
    QCOMPARE(items[1].x + items[1].width, 197.0); // the dots reach the margin
    QStringList pieces;
    for (size_t i = 2; i < items.size(); ++i) {
        if (items[i].page == 0 || items[i].y >= 13) {
            pieces << items[i].text;
            QCOMPARE(items[i].x + items[i].width, 197.0);
        }
    }
    QCOMPARE(pieces, (QStringList{words(QStringLiteral("abcd"), 29), words(QStringLiteral("abcd"), 21),
                                  QString(131, QLatin1Char('x')), QString(19, QLatin1Char('x'))}));
    QCOMPARE(items.back().page, 1);
    QCOMPARE(items.back().y, 19.0);
    QCOMPARE(p.page(), 1);
    QVERIFY(p.textsOnPage(1).contains(QStringLiteral("DATI GENERALI")));
    QVERIFY(p.offPageItems().empty());
}

void TestPageLayer::runSearchEqualsGrowingLoop()
{
    RecordingPrinter p;
    setUp(p);
    for (double size : {10.0, 12.0, 15.0}) {
        for (bool bold : {false, true}) {
            p.setFontSize(size);
            p.setFontBold(bold);
            for (QChar c : {QLatin1Char('.'), QLatin1Char('_')}) {
                for (double target = -3; target < 200; target += 0.37) {
                    const QString expected = growingRun(p, c, target);
                    p.resetMeasurements();
                    QCOMPARE(prn::corsa(p, c, target), expected);
                    QVERIFY2(p.measurements() <= 5, qPrintable(QString::number(p.measurements())));
                }
            }
        }
    }
}

void TestPageLayer::justificationEqualsGrowingLoop()
{
    RecordingPrinter p;
    setUp(p);
    p.setFontBold(true);
    // The rule, one blank at a time: after the first blank at or after g + 2, else the first.
    const auto loop = [&p](QString l, double width) {
        qsizetype g = l.indexOf(QLatin1Char(' ')) + 1;
        while (p.TextWidth(l) < width) {
            l.insert(g, QLatin1Char(' '));
            const qsizetype next = l.indexOf(QLatin1Char(' '), g + 1);
            g = next >= 0 ? next + 1 : l.indexOf(QLatin1Char(' ')) + 1;
        }
        return l;
    };
    const QStringList lines = {QStringLiteral("due parole"),
                               QStringLiteral("una"),
                               QStringLiteral("a  doppio  spazio e  altro"),
                               words(QStringLiteral("mia"), 20),
                               words(QStringLiteral("x"), 60),
                               QString()};
    for (const QString &line : lines) {
        for (double width : {174.0, 195.0}) {
            const QString expected = loop(line, width);
            p.resetMeasurements();
            QCOMPARE(prn::giustifica(p, line, width), expected);
            QVERIFY2(p.measurements() <= 5, qPrintable(line));
        }
    }
}

void TestPageLayer::questionLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("lines");             // the bold text items, one per line
    const QString w4 = QStringLiteral("aaaa");          // 7.5 wide in bold, a blank 0.9375
    const QString wide = QString(32, QLatin1Char('m')); // 100 in bold
    // 20 words (167.8125) widened to 174 by one more blank in each of the first 7 gaps.
    const QString sevenGaps =
        QStringList(8, w4).join(QStringLiteral("  ")) + QLatin1Char(' ') + words(w4, 12);

    QTest::newRow("one line") << QStringLiteral("abc") << QStringLiteral("Si")
                              << QStringList{QStringLiteral("abc")};
    // 28 words, 236.25: one full line up to the word that reaches 174, less that word.
    QTest::newRow("justified") << words(w4, 28) << QStringLiteral("No")
                               << QStringList{sevenGaps, words(w4, 8)};
    // 22 words fit in 174 measured regular (147.75) but not in bold (184.6875).
    QTest::newRow("bold is wider") << words(w4, 22) << QString() << QStringList{sevenGaps, words(w4, 2)};
    // Breaks fall early: one full line by the width, but the rest is still too wide, so it is
    // broken again; a lone word is pushed right by 79 blanks.
    QTest::newRow("extra full line") << words(wide, 3) << QStringLiteral("N/A")
                                     << QStringList{QString(79, QLatin1Char(' ')) + wide,
                                                    QString(79, QLatin1Char(' ')) + wide, wide};
    // A word wider than the column is broken inside it: 55 "m" (171.875) and 3 blanks in front.
    QTest::newRow("long word") << QString(60, QLatin1Char('m')) << QStringLiteral("Si")
                               << QStringList{QStringLiteral("   ") + QString(55, QLatin1Char('m')),
                                              QString(5, QLatin1Char('m'))};
    QTest::newRow("heading") << words(w4, 28) << QStringLiteral("<heading>")
                             << QStringList{sevenGaps, words(w4, 8)};
}

void TestPageLayer::questionLines()
{
    QFETCH(QString, text);
    QFETCH(QString, answer);
    QFETCH(QStringList, lines);
    RecordingPrinter p;
    setUp(p);
    Pagina pg(p);
    pg.stato.rigaStampa = 13;
    p.setCurrentY(13);
    const bool heading = answer == QStringLiteral("<heading>");
    prn::stampaDomanda(pg, text, heading ? std::nullopt : std::optional<QString>(answer));

    QStringList bold;
    double y = 13;
    for (const Item &i : p.items()) {
        if (!i.font.bold)
            continue;
        bold << i.text;
        QCOMPARE(i.x, 0.0);
        QCOMPARE(i.y, y);
        y += 4.7;
    }
    QCOMPARE(bold, lines);
    QCOMPARE(p.CurrentY(), 13 + 4.7 * lines.size());
    QCOMPARE(pg.stato.rigaStampa, y - 4.7);

    const std::vector<Item> &items = p.items();
    if (heading) {
        QCOMPARE(items.size(), size_t(lines.size()));
        return;
    }
    // The dots start at the end of the last line; the answer, regular, ends on the margin.
    const Item &last = items[static_cast<size_t>(lines.size()) - 1];
    const Item &dots = items[static_cast<size_t>(lines.size())];
    QVERIFY(dots.text.count(QLatin1Char('.')) == dots.text.size());
    if (answer.isEmpty()) {
        QCOMPARE(items.size(), size_t(lines.size() + 1));
        QCOMPARE(dots.x + dots.width, 197.0);
        // They reach 1 unit before the margin from the end of the text, then are set on it.
        QVERIFY(dots.x <= last.width + 1 && dots.x > last.width + 0.25);
    } else {
        QCOMPARE(dots.x, last.width);
        const Item &a = items.back();
        QCOMPARE(a.text, answer);
        QVERIFY(!a.font.bold);
        QCOMPARE(a.x + a.width, 197.0);
        QCOMPARE(a.y, last.y);
        // The dots stop about 1 unit before where the answer would stand in bold.
        const double boldAnswer = a.width * 1.25;
        QVERIFY(dots.x + dots.width >= 197 - boldAnswer - 1);
        QVERIFY(dots.x + dots.width < 197 - boldAnswer - 0.25);
    }
    QVERIFY(p.offPageItems().empty());
}

void TestPageLayer::questionLinesAtTheFootOfAPage()
{
    RecordingPrinter p;
    setUp(p);
    Pagina pg(p);
    pg.stato.titoloSezione = QStringLiteral("Riquadro I - Quadrivex");
    pg.stato.contaPagine = 2;
    p.setCurrentY(283);
    // Three lines: the first at 283, the second at 287.7, the last at 292.4 goes on page 3.
    prn::stampaDomanda(pg, words(QStringLiteral("aaaa"), 60), QStringLiteral("Si"));
    QCOMPARE(p.page(), 1);
    QCOMPARE(pg.stato.contaPagine, 3L);
    QCOMPARE(p.textsOnPage(1).mid(0, 2),
             (QStringList{QStringLiteral("Pagina 3"), QStringLiteral("Riquadro I - Quadrivex")}));
    const Item &moved = p.items()[5];
    QCOMPARE(moved.page, 1);
    QCOMPARE(moved.y, 13.0);
    QVERIFY(moved.font.bold);
    QCOMPARE(p.items().back().text, QStringLiteral("Si"));
    QCOMPARE(p.items().back().y, 13.0);
    QVERIFY(p.offPageItems().empty());
}

void TestPageLayer::notes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<double>>("ys"); // tops of the first text lines, where they matter
    const QString sentence =
        QStringLiteral("Il collegio ha vigilato sull'osservanza della legge e dello statuto. ");
    const QString many = (sentence.repeated(4) + QStringLiteral("\r\n")).repeated(250);
    // Fits: line by line at the line height, an empty line kept, no small advance.
    QTest::newRow("short, several lines")
        << QStringLiteral("prima riga\r\nseconda\r\n\r\nquarta") << QList<double>{17.7, 21.7, 29.7};
    QTest::newRow("65000, no line break") << sentence.repeated(1000).left(65000) << QList<double>{17.7, 22.4};
    QTest::newRow("65000, many line breaks") << many.left(65000) << QList<double>{17.7, 22.4};
    QTest::newRow("one enormous word") << QString(65000, QLatin1Char('x')) << QList<double>{17.7, 22.4};
    // Line breaks met while gathering end the line, two in a row an empty line.
    QTest::newRow("line breaks") << QStringLiteral("breve\r\n\r\n") + sentence.repeated(4)
                                 << QList<double>{17.7, 27.1};
    QTest::newRow("word wider than a line")
        << sentence + QString(300, QLatin1Char('x')) + sentence << QList<double>{17.7, 22.4, 27.1};
}

void TestPageLayer::notes()
{
    QFETCH(QString, text);
    QFETCH(QList<double>, ys);
    RecordingPrinter p;
    setUp(p);
    Pagina pg(p);
    pg.stato.titoloSezione = QStringLiteral("       Note");
    p.setCurrentY(13);
    prn::stampaNota(pg, QStringLiteral("Nota 1.a"), text);

    const std::vector<Item> &items = p.items();
    QCOMPARE(items[0].text, QStringLiteral("Nota 1.a"));
    QVERIFY(items[0].font.bold && items[0].x == 5);
    // The whole text comes back, in order, and nothing leaves the page.
    QStringList printed;
    for (size_t i = 1; i < items.size(); ++i) {
        if (items[i].y < 11) // number and heading of a new page
            continue;
        printed << items[i].text;
        QVERIFY(!items[i].font.bold);
        QVERIFY(items[i].y <= 292);
    }
    static const QRegularExpression blanks(QStringLiteral("\\s"));
    QCOMPARE(printed.join(QString()).remove(blanks), QString(text).remove(blanks));
    QVERIFY(p.offPageItems().empty());
    for (int i = 0; i < ys.size(); ++i)
        QCOMPARE(items[static_cast<size_t>(i) + 1].y, ys[i]);
    // A bounded number of measurements a line: the time grows with the length of the text.
    QVERIFY2(p.measurements() < 20 * static_cast<long>(items.size()),
             qPrintable(QString::number(p.measurements())));
}

QTEST_GUILESS_MAIN(TestPageLayer)
#include "tst_pagelayer.moc"
