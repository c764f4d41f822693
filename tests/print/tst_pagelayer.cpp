// The page layer, the question lines and the note lines on the recording printer, whose fixed
// widths make every position computable by hand: at size 10 a character is 1.5 wide (blank and
// "." 0.75, "m" 2.5), bold 1.25 times that, a line 4 high.
#include "print/domanda.h"
#include "print/misure.h"
#include "print/nota.h"
#include "print/pagina.h"
#include "print/recordingprinter.h"
#include "print/v11form.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>

using Item = prn::Printer::Item;

namespace
{

// A recording printer at size 10, not bold, its page layer at `y` under `heading`.
struct Layer {
    explicit Layer(double y = 13, const QString &heading = QStringLiteral("DATI GENERALI"))
    {
        p.setFontName(QStringLiteral("MS Sans Serif"));
        p.setCurrentY(y);
        pg.stato.rigaStampa = y;
        pg.stato.titoloSezione = heading;
    }
    const std::vector<Item> &items() const { return p.items(); }
    prn::RecordingPrinter p;
    prn::Pagina pg{p};
};

QString words(const QString &word, int count)
{
    return QStringList(count, word).join(QLatin1Char(' '));
}

// A line of a note as printed; an empty text for a line the printer advanced over.
struct Line {
    QString text;
    double width = 0;
};

// How many lines a step down the page of `dy` makes: a line is 4 high, 4.7 with the small
// advance after it, and a step is made of such lines in one way only.
long linesIn(double dy)
{
    const long tenths = std::lround(dy * 10);
    for (long advanced = 0; 47 * advanced <= tenths; ++advanced)
        if ((tenths - 47 * advanced) % 40 == 0)
            return advanced + (tenths - 47 * advanced) / 40;
    return 1;
}

// The lines of a note from the items after its title, down to `endY`; the heading of a new page
// is left out, and so are the empty lines at the foot of a page.
std::vector<Line> noteLines(const std::vector<Item> &items, double endY)
{
    std::vector<Line> lines;
    const Item *previous = &items.front();
    for (size_t i = 1; i < items.size(); ++i) {
        const Item &item = items[i];
        if (item.y < 11)
            continue;
        if (item.page == previous->page)
            lines.resize(lines.size() + static_cast<size_t>(linesIn(item.y - previous->y) - 1));
        lines.push_back({item.text, item.width});
        previous = &item;
    }
    lines.resize(lines.size() + static_cast<size_t>(linesIn(endY - previous->y) - 1));
    return lines;
}

// What is wrong with the printed lines of a note, whatever its text; empty when nothing is. Its
// words come back in order, each line within one paragraph; no line is wider than the line but for
// the blanks justification adds, none splits a surrogate pair, none that goes on with a wrapped
// paragraph starts with a blank unless justification pushed its one word right; a paragraph's last
// line is printed as the text has it and fits; an empty line stands only for an empty paragraph or
// for a run of blanks as wide as a line (240 blanks of 0.75).
QString noteFault(const QString &text, const std::vector<Line> &lines)
{
    const auto space = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    };
    const auto between = [&](qsizetype from, qsizetype to) { return QStringView(text).mid(from, to - from); };
    qsizetype t = 0;        // the text matched so far
    qsizetype wordsEnd = 0; // after the last character printed
    long empties = 0;       // empty lines since then
    bool started = false;
    // At the start or the end of the note every line break may leave an empty line, between two
    // lines all but one; a text without words prints as one line.
    const auto tooManyEmpties = [&](qsizetype to, bool edge) {
        const QStringView gap = between(wordsEnd, to);
        const long breaks = gap.count(u"\r\n");
        const bool noWords = edge && to == text.size() && !started;
        return empties >
               (edge ? breaks : std::max(0L, breaks - 1)) + gap.count(u' ') / 240 + (noWords ? 1 : 0);
    };
    for (const Line &l : lines) {
        const QString at = QStringLiteral(" at \"%1\"").arg(l.text.trimmed().left(20));
        if (l.text.trimmed().isEmpty()) {
            ++empties;
            continue;
        }
        if (!QStringView(l.text).isValidUtf16())
            return QStringLiteral("a surrogate pair split") + at;
        qsizetype a = -1;
        qsizetype b = -1;
        for (QChar c : l.text) {
            if (space(c))
                continue;
            const qsizetype from = t;
            while (t < text.size() && space(text.at(t)))
                ++t;
            if (t == text.size() || text.at(t) != c)
                return QStringLiteral("the text out of order") + at;
            if (a >= 0 && between(from, t).contains(u"\r\n"))
                return QStringLiteral("a line across a line break") + at;
            a = a < 0 ? t : a;
            b = t++;
        }
        if (tooManyEmpties(a, !started))
            return QStringLiteral("%1 empty lines before a line").arg(empties) + at;
        const bool continues = !between(wordsEnd, a).contains(u"\r\n") && (started || empties > 0);
        qsizetype next = b + 1;
        while (next < text.size() && space(text.at(next)))
            ++next;
        const bool last = next == text.size() || between(b + 1, next).contains(u"\r\n");
        if (last && (l.text.trimmed() != text.mid(a, b - a + 1) || (continues && l.text.startsWith(u' '))))
            return QStringLiteral("a paragraph's last line justified") + at;
        if (continues && l.text.startsWith(u' ') && l.width < 195)
            return QStringLiteral("a continuation line starting with a blank") + at;
        if (l.width > (last ? 195 : 195.74))
            return QStringLiteral("a line %1 wide").arg(l.width) + at;
        wordsEnd = b + 1;
        empties = 0;
        started = true;
    }
    while (t < text.size() && space(text.at(t)))
        ++t;
    if (t < text.size())
        return QStringLiteral("the text not printed from %1 on").arg(t);
    if (tooManyEmpties(text.size(), true))
        return QStringLiteral("%1 empty lines at the end").arg(empties);
    return QString();
}

// A note for the sweep: words of narrow, common and wide letters, runs of a word, words wider than
// a line, runs of blanks of every length, line breaks, empty paragraphs and characters outside the
// Basic Multilingual Plane, in any order.
QString generatedNote(QRandomGenerator &random)
{
    static const QString letters = QStringLiteral("aaaaiilmWbc.,");
    const auto any = [&](int from, int to) { return static_cast<int>(random.bounded(from, to)); };
    QString t;
    for (int pieces = any(1, 60); pieces > 0; --pieces) {
        const int kind = any(0, 100);
        if (kind < 45) {
            for (int n = any(1, 12); n > 0; --n)
                t += letters.at(any(0, static_cast<int>(letters.size())));
            t += QLatin1Char(' ');
        } else if (kind < 52) {
            t += QString(any(100, 400), letters.at(any(0, static_cast<int>(letters.size()))));
        } else if (kind < 64) {
            t += QString(any(0, 5) > 0 ? any(1, 30) : any(30, 800), QLatin1Char(' '));
        } else if (kind < 74) {
            t += QStringLiteral("\r\n");
        } else if (kind < 78) {
            t += QStringLiteral("\r\n\r\n");
        } else if (kind < 84) {
            t += QString::fromUtf8("\xF0\x9F\x98\x80");
        } else {
            t += QStringLiteral("aaaa ").repeated(any(1, 30));
        }
    }
    return t;
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
    void searchesEqualTheGrowingLoops();
    void questionLines_data();
    void questionLines();
    void questionLinesAtTheFootOfAPage();
    void notes_data();
    void notes();
    void generatedNotes();
};

void TestPageLayer::pageCheck_data()
{
    QTest::addColumn<double>("riga");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<double>("firstLine"); // where the line goes; riga: it stays
    QTest::addColumn<double>("size");      // of the current font; its line is 0.4 a point high
    QTest::newRow("292 stays") << 292.0 << QStringLiteral("DATI GENERALI") << 292.0 << 10.0;
    QTest::newRow("292.5 breaks") << 292.5 << QStringLiteral("DATI GENERALI") << 13.0 << 10.0;
    QTest::newRow("box III starts higher")
        << 300.0 << QStringLiteral("Riquadro III - Relazione per l'assemblea") << 11.0 << 10.0;
    // A line 5.6 high (as on small paper) needs 5.6 below it.
    QTest::newRow("tall line 291 stays") << 291.0 << QStringLiteral("DATI GENERALI") << 291.0 << 14.0;
    QTest::newRow("tall line 291.5 breaks") << 291.5 << QStringLiteral("DATI GENERALI") << 13.0 << 14.0;
}

void TestPageLayer::pageCheck()
{
    QFETCH(double, riga);
    QFETCH(QString, heading);
    QFETCH(double, firstLine);
    QFETCH(double, size);
    Layer l(riga, heading);
    l.p.setFontSize(size);
    l.pg.stato.contaPagine = 4;
    QCOMPARE(l.pg.controllaPagina(), firstLine != riga);
    QCOMPARE(l.pg.stato.rigaStampa, firstLine);
    if (firstLine == riga) {
        QVERIFY(l.items().empty());
        return;
    }
    // "Pagina 5" ending 2 units from the margin at y 2, the heading at (5, 3) in 12 points, and
    // its rule (1.8 a character at 12: 110 reach 197) at 3.75; then bold at 10.
    QCOMPARE(l.pg.stato.contaPagine, 5L);
    QCOMPARE(l.p.textsOnPage(1),
             (QStringList{QStringLiteral("Pagina 5"), heading, QString(110, QLatin1Char('_'))}));
    QCOMPARE(l.items()[0].x + l.items()[0].width, 195.0);
    QCOMPARE(l.items()[0].y, 2.0);
    QCOMPARE(l.items()[1].x, 5.0);
    QCOMPARE(l.items()[1].font.size, 12.0);
    QCOMPARE(l.items()[2].y, 3.75);
    QVERIFY(l.p.FontBold() && l.p.FontSize() == 10);
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
    // A label wider than the page: one dot, ending where the value begins.
    QTest::newRow("label too wide") << QString(160, QLatin1Char('a')) << QString() << 196.25 << 1;
}

void TestPageLayer::leaders()
{
    QFETCH(QString, label);
    QFETCH(QString, value);
    QFETCH(double, dotsX);
    QFETCH(int, dots);
    Layer l(25);
    l.pg.stampaVoce(label, value);
    const std::vector<Item> &items = l.items();
    QCOMPARE(items.size(), value.isEmpty() ? size_t(2) : size_t(3));
    QVERIFY(items[0].font.bold && !items[1].font.bold);
    QCOMPARE(items[1].text, QString(dots, QLatin1Char('.')));
    QCOMPARE(items[1].x, dotsX);
    QCOMPARE(items[1].x + items[1].width, 197 - (value.isEmpty() ? 0 : items[2].width));
    if (!value.isEmpty())
        QCOMPARE(items[2].x + items[2].width, 197.0);
    QCOMPARE(l.pg.stato.rigaStampa, 25.0 + 4 + 2);
    QCOMPARE(l.p.CurrentY(), l.pg.stato.rigaStampa);
}

void TestPageLayer::valueTooWideForItsLeader()
{
    // 50 words of 6 units and a word of 225: the label line gets its dots to the margin, the
    // value follows right-aligned in pieces of at most 197, the long word broken inside, and
    // the third piece, at 298, on a new page.
    Layer l(280);
    const QString value =
        words(QStringLiteral("abcd"), 50) + QLatin1Char(' ') + QString(150, QLatin1Char('x'));
    l.pg.stampaVoce(QStringLiteral("Indirizzo"), value);
    QStringList pieces;
    for (const Item &i : l.items()) {
        if (i.font.bold || (i.page > 0 && i.y < 11)) // the label; a new page's number and heading
            continue;
        QCOMPARE(i.x + i.width, 197.0); // the dots and every piece end on the margin
        if (i.text.front() != QLatin1Char('.'))
            pieces << i.text;
    }
    QCOMPARE(pieces, (QStringList{words(QStringLiteral("abcd"), 29), words(QStringLiteral("abcd"), 21),
                                  QString(131, QLatin1Char('x')), QString(19, QLatin1Char('x'))}));
    QCOMPARE(l.items().back().page, 1);
    QCOMPARE(l.items().back().y, 19.0);
    QVERIFY(l.p.textsOnPage(1).contains(QStringLiteral("DATI GENERALI")));
    QVERIFY(l.p.offPageItems().empty());
}

void TestPageLayer::searchesEqualTheGrowingLoops()
{
    Layer l;
    prn::Printer &p = l.p;
    // Runs of dots and rules: one character, then one more while narrower than the target.
    for (double size : {10.0, 12.0, 15.0}) {
        for (bool bold : {false, true}) {
            p.setFontSize(size);
            p.setFontBold(bold);
            for (QChar c : {QLatin1Char('.'), QLatin1Char('_')}) {
                for (double target = -3; target < 200; target += 0.37) {
                    QString expected(c);
                    while (p.TextWidth(expected) < target)
                        expected += c;
                    p.resetMeasurements();
                    QCOMPARE(prn::corsa(p, c, target), expected);
                    QVERIFY(p.measurements() <= 5);
                }
            }
        }
    }
    // Justification: one blank at a time after the first blank at or after g + 2, else after
    // the first blank, until the line is wide enough.
    for (const QString &line :
         {QStringLiteral("due parole"), QStringLiteral("una"), QStringLiteral("a  doppio  spazio e  altro"),
          words(QStringLiteral("x"), 60), QString()}) {
        for (double width : {174.0, 195.0}) {
            QString expected = line;
            qsizetype g = expected.indexOf(QLatin1Char(' ')) + 1;
            while (p.TextWidth(expected) < width) {
                expected.insert(g, QLatin1Char(' '));
                const qsizetype next = expected.indexOf(QLatin1Char(' '), g + 1);
                g = next >= 0 ? next + 1 : expected.indexOf(QLatin1Char(' ')) + 1;
            }
            p.resetMeasurements();
            QCOMPARE(prn::giustifica(p, line, width), expected);
            QVERIFY(p.measurements() <= 5);
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
    const QString pushed = QString(79, QLatin1Char(' ')) + wide;
    // 20 words (167.8125) widened to 174 by one more blank in each of the first 7 gaps.
    const QString sevenGaps =
        QStringList(8, w4).join(QStringLiteral("  ")) + QLatin1Char(' ') + words(w4, 12);

    QTest::newRow("one line") << QStringLiteral("abc") << QStringLiteral("Si")
                              << QStringList{QStringLiteral("abc")};
    // 28 words, 236.25: one full line up to the word that reaches 174, less that word.
    QTest::newRow("justified") << words(w4, 28) << QStringLiteral("No")
                               << QStringList{sevenGaps, words(w4, 8)};
    QTest::newRow("heading") << words(w4, 28) << QStringLiteral("<heading>")
                             << QStringList{sevenGaps, words(w4, 8)};
    // 22 words fit in 174 measured regular (147.75) but not in bold (184.6875).
    QTest::newRow("bold is wider") << words(w4, 22) << QString() << QStringList{sevenGaps, words(w4, 2)};
    // One full line by the width, but the rest is still too wide: it is broken again; a lone
    // word is pushed right by 79 blanks.
    QTest::newRow("extra full line") << words(wide, 3) << QStringLiteral("N/A")
                                     << QStringList{pushed, pushed, wide};
    // A word wider than the column is broken inside it: 55 "m" (171.875), 3 blanks in front.
    QTest::newRow("long word") << QString(60, QLatin1Char('m')) << QStringLiteral("Si")
                               << QStringList{QStringLiteral("   ") + QString(55, QLatin1Char('m')),
                                              QString(5, QLatin1Char('m'))};
}

void TestPageLayer::questionLines()
{
    QFETCH(QString, text);
    QFETCH(QString, answer);
    QFETCH(QStringList, lines);
    Layer l;
    const bool heading = answer == QStringLiteral("<heading>");
    prn::stampaDomanda(l.pg, text, heading ? std::nullopt : std::optional<QString>(answer));

    // The lines at x 0, 4.7 apart (line and small advance), the dots and answer on the last.
    QStringList bold;
    for (const Item &i : l.items()) {
        if (i.font.bold) {
            bold << i.text;
            QCOMPARE(i.x, 0.0);
            QCOMPARE(i.y, 13 + 4.7 * (bold.size() - 1));
        }
    }
    QCOMPARE(bold, lines);
    QCOMPARE(l.p.CurrentY(), 13 + 4.7 * lines.size());
    QCOMPARE(l.items().size(), size_t(lines.size() + (heading ? 0 : answer.isEmpty() ? 1 : 2)));
    QVERIFY(l.p.offPageItems().empty());
    if (heading)
        return;
    const Item &last = l.items()[static_cast<size_t>(lines.size()) - 1];
    const Item &dots = l.items()[static_cast<size_t>(lines.size())];
    QCOMPARE(dots.text.count(QLatin1Char('.')), dots.text.size());
    if (answer.isEmpty()) {
        // They reach 1 unit before the margin from the end of the text, then are set on it.
        QCOMPARE(dots.x + dots.width, 197.0);
        QVERIFY(dots.x <= last.width + 1 && dots.x > last.width + 0.25);
        return;
    }
    // From the end of the text to about 1 unit before the answer in bold; the answer regular.
    const Item &a = l.items().back();
    QCOMPARE(dots.x, last.width);
    QVERIFY(!a.font.bold && a.text == answer && a.y == last.y);
    QCOMPARE(a.x + a.width, 197.0);
    QVERIFY(dots.x + dots.width >= 197 - a.width * 1.25 - 1 &&
            dots.x + dots.width < 197 - a.width * 1.25 - 0.25);
}

void TestPageLayer::questionLinesAtTheFootOfAPage()
{
    // Three lines: the first at 283, the second at 287.7, the last at 292.4 goes to page 3.
    Layer l(283, QStringLiteral("Riquadro I - Quadrivex"));
    l.pg.stato.contaPagine = 2;
    prn::stampaDomanda(l.pg, words(QStringLiteral("aaaa"), 60), QStringLiteral("Si"));
    QCOMPARE(l.pg.stato.contaPagine, 3L);
    QCOMPARE(l.p.textsOnPage(1).mid(0, 2),
             (QStringList{QStringLiteral("Pagina 3"), QStringLiteral("Riquadro I - Quadrivex")}));
    const Item &moved = l.items()[5];
    QVERIFY(moved.page == 1 && moved.y == 13 && moved.font.bold);
    QCOMPARE(l.items().back().text, QStringLiteral("Si"));
    QCOMPARE(l.items().back().y, 13.0);
}

void TestPageLayer::notes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<double>>("ys"); // tops of the first text lines
    // Where it matters what a line holds: its text (a text ending in "…": how the line begins)
    // and its top.
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<double>>("lineYs");
    QTest::addColumn<bool>("legacy"); // printed by the version 1.1 printout, as its note 1.a
    const QString sentence =
        QStringLiteral("Il collegio ha vigilato sull'osservanza della legge e dello statuto. ");
    const QString many = (sentence.repeated(4) + QStringLiteral("\r\n")).repeated(250);
    // A text that fits prints line by line at the line height, an empty line kept; a wrapped
    // one adds the small advance to every line.
    QTest::newRow("short, several lines")
        << QStringLiteral("prima riga\r\nseconda\r\n\r\nquarta") << QList<double>{17.7, 21.7, 29.7}
        << QStringList() << QList<double>() << false;
    QTest::newRow("65000, no line break") << sentence.repeated(1000).left(65000) << QList<double>{17.7, 22.4}
                                          << QStringList() << QList<double>() << false;
    QTest::newRow("65000, many line breaks")
        << many.left(65000) << QList<double>{17.7, 22.4} << QStringList() << QList<double>() << false;
    QTest::newRow("one enormous word") << QString(65000, QLatin1Char('x')) << QList<double>{17.7, 22.4}
                                       << QStringList() << QList<double>() << false;
    // Line breaks met while gathering end the line, two in a row leave an empty line.
    QTest::newRow("line breaks") << QStringLiteral("breve\r\n\r\n") + sentence.repeated(4)
                                 << QList<double>{17.7, 27.1} << QStringList() << QList<double>() << false;
    // The last word before a line break ends past the line (27 words, 182.25, and 18 more):
    // the line stops at the blank before it, and the word goes with the break onto the next,
    // where the rest fits and prints line by line.
    QTest::newRow("last word past the margin before a line break")
        << words(QStringLiteral("aaaa"), 27) + QLatin1Char(' ') + QString(12, QLatin1Char('b')) +
               QStringLiteral("\r\n") + sentence
        << QList<double>{17.7, 22.4, 26.4} << QStringList() << QList<double>() << false;
    // The last line of a paragraph is printed as it stands, even when the word after the break
    // is too wide for a line; the empty line between them is one line.
    const QString tail = QString::fromUtf8("(perché la procedura non era aggiornata). ");
    const QString longWord(160, QLatin1Char('w'));
    QTest::newRow("paragraph end before a word wider than a line")
        << sentence.repeated(3) + tail + QStringLiteral("\r\n\r\n") + longWord << QList<double>{17.7, 22.4}
        << QStringList{QStringLiteral("sull'osservanza della legge e dello statuto. ") + tail.trimmed(),
                       longWord.left(60) + QChar(0x2026)}
        << QList<double>{22.4, 31.8} << false;
    QTest::newRow("word wider than a line")
        << sentence + QString(300, QLatin1Char('x')) + sentence << QList<double>{17.7, 22.4, 27.1}
        << QStringList() << QList<double>() << false;
    // A paragraph that fits ends at its line break, unjustified, and the next begins one line
    // below, whatever blanks stand before the break and wherever the window of the search ends.
    // 24 words of "aaaa" and one of b's: 162 + 1.5 a "b".
    const auto paragraph = [](int bs) {
        return words(QStringLiteral("aaaa"), 24) + QLatin1Char(' ') + QString(bs, QLatin1Char('b'));
    };
    const auto endsAtItsBreak = [&](const char *name, const QString &line, const QString &blanks,
                                    bool legacy) {
        QTest::newRow(name) << line + blanks + QStringLiteral("\r\n") + sentence.repeated(3)
                            << QList<double>{17.7, 22.4} << QStringList{line} << QList<double>{17.7}
                            << legacy;
    };
    endsAtItsBreak("a blank before the break, 180", paragraph(12), QStringLiteral(" "), false);
    endsAtItsBreak("a blank before the break, 187.5", paragraph(17), QStringLiteral(" "), false);
    endsAtItsBreak("a blank before the break, 193.5", paragraph(21), QStringLiteral(" "), false);
    endsAtItsBreak("two blanks before the break", paragraph(17), QStringLiteral("  "), false);
    endsAtItsBreak("version 1.1, a blank before the break", paragraph(17), QStringLiteral(" "), true);
    // Narrow words (2.25 for "il " and "ii "): the first break's CR is the 200th character,
    // then the 201st; a paragraph of 239 characters, 179.25 wide.
    endsAtItsBreak("the window ends between CR and LF",
                   words(QStringLiteral("il"), 66) + QStringLiteral(" i"), QString(), false);
    endsAtItsBreak("the break just past the window", words(QStringLiteral("il"), 66) + QStringLiteral(" ii"),
                   QString(), false);
    endsAtItsBreak("a narrow paragraph longer than the window", words(QStringLiteral("ii"), 80), QString(),
                   false);
    // The note's last paragraph likewise, and its last line when blanks after it reach past the
    // width.
    QTest::newRow("a narrow last paragraph longer than the window")
        << sentence.repeated(3) + QStringLiteral("\r\n") + words(QStringLiteral("ii"), 80)
        << QList<double>{17.7, 22.4, 27.1} << QStringList{words(QStringLiteral("ii"), 80)}
        << QList<double>{27.1} << false;
    QTest::newRow("blanks after the last line")
        << sentence + QStringLiteral("\r\n") + paragraph(21) + QStringLiteral("     ")
        << QList<double>{17.7, 22.4} << QStringList{paragraph(21)} << QList<double>{22.4} << false;
    QTest::newRow("blanks after a last line of one word")
        << QString(120, QLatin1Char('a')) + QString(30, QLatin1Char(' ')) << QList<double>{17.7}
        << QStringList{QString(120, QLatin1Char('a'))} << QList<double>{17.7} << false;
    // A word of 186 whose blanks reach past the width: one line, then the next paragraph.
    QTest::newRow("a word and blanks past the width before a break")
        << QString(124, QLatin1Char('a')) + QString(13, QLatin1Char(' ')) + QStringLiteral("\r\nfine")
        << QList<double>{17.7, 22.4} << QStringList{QString(124, QLatin1Char('a')), QStringLiteral("fine")}
        << QList<double>{17.7, 22.4} << false;
    // The wrap leaves the second of two blanks at the start of the paragraph's last line.
    QTest::newRow("a last line after a wrap at two blanks")
        << words(QStringLiteral("aaaa"), 28) + QStringLiteral("  ") + words(QStringLiteral("aaaa"), 27) +
               QStringLiteral("     \r\n") + sentence
        << QList<double>{17.7, 22.4} << QStringList{words(QStringLiteral("aaaa"), 27)} << QList<double>{22.4}
        << false;
    // 129 x's are 193.5 wide: the pair after them does not fit and goes whole to the next line.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("a character outside the BMP at the width")
        << QString(129, QLatin1Char('x')) + emoji + QString(10, QLatin1Char('x')) << QList<double>{17.7, 22.4}
        << QStringList{QString(129, QLatin1Char('x')), emoji + QString(10, QLatin1Char('x'))}
        << QList<double>{17.7, 22.4} << false;
    // Long runs of blanks: the work stays a few measurements a line.
    const QString blanks(64000, QLatin1Char(' '));
    QTest::newRow("a word, 64000 blanks, a word")
        << QStringLiteral("aaaa") + blanks + QStringLiteral("bbbb") << QList<double>{17.7, 22.4}
        << QStringList() << QList<double>() << false;
    QTest::newRow("64000 blanks") << blanks << QList<double>() << QStringList() << QList<double>() << false;
    QTest::newRow("words each followed by 3000 blanks")
        << (QStringLiteral("aaaa") + QString(3000, QLatin1Char(' '))).repeated(20)
        << QList<double>{17.7, 22.4} << QStringList() << QList<double>() << false;
}

void TestPageLayer::notes()
{
    QFETCH(QString, text);
    QFETCH(QList<double>, ys);
    QFETCH(bool, legacy);
    Layer l(13, QStringLiteral("       Note"));
    if (legacy) {
        qst::V11Content c;
        c.redLink[0] = true;
        c.noteSiPre[0] = text;
        prn::printV11Form(l.p, c);
    } else {
        prn::stampaNota(l.pg, QStringLiteral("Nota 1.a"), text);
    }
    // The items from the note's title on, moved to where the title is here.
    const auto title = std::find_if(l.items().begin(), l.items().end(),
                                    [](const Item &i) { return i.text == QStringLiteral("Nota 1.a"); });
    QVERIFY(title != l.items().end());
    std::vector<Item> items(title, l.items().end());
    for (Item &i : items)
        i.y += 13 - title->y;

    QVERIFY(items[0].text == QStringLiteral("Nota 1.a") && items[0].font.bold && items[0].x == 5);
    QVERIFY(items.size() > static_cast<size_t>(ys.size()));
    for (int i = 0; i < ys.size(); ++i)
        QCOMPARE(items[static_cast<size_t>(i) + 1].y, ys[i]);
    QFETCH(QStringList, lines);
    QFETCH(QList<double>, lineYs);
    for (int i = 0; i < lines.size(); ++i) {
        const auto line = std::find_if(items.begin(), items.end(),
                                       [&](const Item &item) { return qAbs(item.y - lineYs[i]) < 1e-6; });
        QVERIFY(line != items.end());
        if (lines[i].endsWith(QChar(0x2026)))
            QCOMPARE(line->text.left(lines[i].size() - 1), lines[i].chopped(1));
        else
            QCOMPARE(line->text, lines[i]);
    }
    for (size_t i = 1; i < items.size(); ++i)
        QVERIFY(items[i].y < 11 || (!items[i].font.bold && items[i].y <= 292));
    QVERIFY(l.p.offPageItems().empty());
    const QString fault = noteFault(text, noteLines(items, l.p.CurrentY() + 13 - title->y));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    // A bounded number of measurements a line: the work grows with the length of the text.
    QVERIFY(l.p.measurements() < 20 * static_cast<long>(l.items().size()));
}

void TestPageLayer::generatedNotes()
{
    QRandomGenerator random(20261209);
    for (int n = 0; n < 400; ++n) {
        const QString text = generatedNote(random);
        Layer l(13, QStringLiteral("       Note"));
        prn::stampaNota(l.pg, QStringLiteral("Nota 1.a"), text);
        const std::vector<Line> lines = noteLines(l.items(), l.p.CurrentY());
        const QString fault = noteFault(text, lines);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("note %1: %2").arg(n).arg(fault)));
        QVERIFY2(l.p.offPageItems().empty(), qPrintable(QStringLiteral("note %1 leaves the page").arg(n)));
        QVERIFY2(l.p.measurements() < 20 * static_cast<long>(lines.size() + 1),
                 qPrintable(QStringLiteral("note %1: %2 measurements").arg(n).arg(l.p.measurements())));
    }
}

QTEST_GUILESS_MAIN(TestPageLayer)
#include "tst_pagelayer.moc"
