// The version 1.1 printout on the recording printer: page 1 line by line, the box pages and the
// notes, with the answers, the minority rule and the long notes.
#include "contents.h"
#include "print/recordingprinter.h"
#include "print/v11form.h"
#include "questionnaire/catalogue.h"

#include <QTest>

using namespace Qt::StringLiterals;
using qst::BoxState;
using qst::V11Content;
using Item = prn::Printer::Item;

namespace
{

// Every item printed, the note titles' pages, and whether anything left the sheet.
struct Printed {
    explicit Printed(const V11Content &c) { prn::printV11Form(printer, c); }
    QStringList lines() const { return testing::printedLines(printer, 0); }
    prn::RecordingPrinter printer;
};

V11Content filled()
{
    V11Content c;
    for (int i = 0; i < qst::kV11GeneralFields; ++i)
        c.general[static_cast<size_t>(i)] = QStringLiteral("g%1").arg(i);
    return c;
}

} // namespace

class TestV11Form : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstPage();
    void answers_data();
    void answers();
    void countQuestions();
    void boxPages();
    void notes();
    void longNotes_data();
    void longNotes();
    void measuringGrowsWithTheNotes();
};

void TestV11Form::firstPage()
{
    V11Content c = filled();
    c.general[3].clear(); // a date with an empty month prints as joined
    for (int i : {34, 35, 36})
        c.general[static_cast<size_t>(i)].clear();
    // The minority line: empty with neither a tax code nor a tick, "Si" for a tick (partly
    // checked too), "No" for a tax code without one.
    c.general[15].clear();
    c.general[16].clear();
    c.minority = {BoxState::Unticked, BoxState::Ticked, BoxState::Unticked, BoxState::Partly,
                  BoxState::Unticked};
    const QStringList minority = {u"No"_s, u"Si"_s, QString(), u"Si"_s, u"No"_s};
    const Printed p(c);
    QStringList expected = {QStringLiteral("VARZEN - SCHEDA RIEPILOGATIVA DELL'QUADRIVEX v. 1.1"),
                            QStringLiteral("DATI GENERALIPagina 1 di 4 pagine"), QStringLiteral("___")};
    const QStringList &L = qst::v11GeneralLabels();
    const auto item = [&](const QString &label, const QString &value) {
        expected << label + u"..."_s + value;
    };
    item(L[0], u"g0"_s);
    item(L[1], u"g1"_s);
    item(L[2], u"g2//g4"_s);
    for (int i = 3; i <= 5; ++i)
        item(L[i], QStringLiteral("g%1").arg(i + 2));
    item(L[6], QString());
    for (int m = 0; m < 5; ++m) {
        item(m == 0 ? QStringLiteral("Presidente") : QStringLiteral("Membro"),
             QStringLiteral("g%1").arg(8 + m));
        item(u"   "_s + L[12], c.general[static_cast<size_t>(13 + m)]);
        item(u"   "_s + L[13], minority[m]);
        for (int kind = 0; kind < 3; ++kind)
            item(u"   "_s + L[14 + kind], QStringLiteral("g%1").arg(18 + 5 * kind + m));
    }
    item(L[10], u"g33"_s);
    item(L[11], QString()); // exactly "//" is blanked
    QCOMPARE(p.lines().mid(0, expected.size()), expected);
    const std::vector<Item> &items = p.printer.items();
    QVERIFY(items[0].font.size == 15 && !items[0].font.bold && items[0].x == 5 && items[0].y == 1);
    QCOMPARE(items[2].x, 197 - items[2].width - 2); // the page label at the right of the heading
    QCOMPARE(items[3].y, 15.75);
    QCOMPARE(items[4].y, 25.0);
    QVERIFY(p.printer.offPageItems().empty());
}

void TestV11Form::answers_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("boxes"); // S, N, A: the ticked boxes
    QTest::addColumn<QString>("printed");
    QTest::newRow("SI and NO ticked") << 0 << u"SN"_s << u"No"_s;
    QTest::newRow("N/A") << 8 << u"A"_s << u"N/A"_s;
    QTest::newRow("adequacy SI") << 7 << u"S"_s << u"Adeguata"_s;
    QTest::newRow("adequacy NO") << 7 << u"N"_s << u"Inadeguata"_s;
    QTest::newRow("unanswered") << 4 << QString() << QString();
}

void TestV11Form::answers()
{
    QFETCH(int, group);
    QFETCH(QString, boxes);
    QFETCH(QString, printed);
    V11Content c;
    const size_t k = static_cast<size_t>(group);
    c.siTicked[k] = boxes.contains(u'S');
    c.noTicked[k] = boxes.contains(u'N');
    c.naTicked[k] = boxes.contains(u'A');
    QCOMPARE(prn::rispostaPre(c, group), printed);
}

// The count questions print their number boxes, whatever the hidden boxes hold, wrapped or not;
// answers stand bold at the right margin.
void TestV11Form::countQuestions()
{
    V11Content c;
    c.siTicked[34] = true;
    c.numbers = {u"12"_s, QString(), u"7"_s};
    const Printed p(c);
    const QStringList lines = p.lines();
    const QString question = u"Quante riunioni sono state svolte dal comitato nel corso dell'anno?"_s;
    QCOMPARE(lines.filter(question), (QStringList{question + u"..."_s, question + u"...7"_s}));
    QVERIFY(lines.filter(u"...12"_s).value(0).endsWith(u"anno?...12"_s));
    const Item &answer = *std::find_if(p.printer.items().begin(), p.printer.items().end(),
                                       [](const Item &i) { return i.text == u"12"_s; });
    QVERIFY(answer.font.bold && qAbs(answer.x + answer.width - 197) < 1e-9);
}

// Three numbered pages, each under its heading from Y 12, opening at questions 0, 34 and 50; then
// the notes without a number.
void TestV11Form::boxPages()
{
    const Printed p{V11Content()};
    const QStringList headings = {QStringLiteral("Riquadro I - Quadrivex"),
                                  QStringLiteral("Riquadro II - Adesione al codice di autodisciplina"),
                                  QStringLiteral("Riquadro III - Relazione per l'assemblea")};
    const int opening[] = {0, 34, 50};
    for (int page = 1; page <= 3; ++page) {
        const QStringList texts = p.printer.textsOnPage(page);
        QCOMPARE(texts.mid(0, 2),
                 (QStringList{QStringLiteral("Pagina %1 di 4 pagine").arg(page + 1), headings[page - 1]}));
        QVERIFY(texts.value(3).simplified().contains(
            qst::v11QuestionText(opening[page - 1])->simplified().left(20)));
        const auto label = std::find_if(p.printer.items().begin(), p.printer.items().end(),
                                        [page](const Item &i) { return i.page == page; });
        QCOMPARE(label->y, 5.0);
        const auto first = std::find_if(label, p.printer.items().end(),
                                        [page](const Item &i) { return i.page == page && i.y >= 12; });
        QCOMPARE(first->y, 12.0);
    }
    QCOMPARE(p.printer.textsOnPage(4).size(), 2); // "Note" and its rule, no note
    QCOMPARE(p.printer.textsOnPage(4).first(), QStringLiteral("Note"));
    QCOMPARE(p.printer.page(), 4);
}

// In link order; a red link without text prints its title and an empty line; a link that is not
// red prints nothing; SI and NO both with a note print the NO note.
void TestV11Form::notes()
{
    V11Content c;
    c.redLink[13] = c.redLink[0] = c.redLink[6] = true;
    c.noteSiPre[0] = QStringLiteral("nota si");
    c.noteNoPre[0] = QStringLiteral("nota no");
    c.noteSiPre[1] = QStringLiteral("mai stampata");
    c.noteNoPre[13] = QStringLiteral("esposti");
    const Printed p(c);
    QStringList notes = p.printer.textsOnPage(4);
    notes[1] = notes[1].left(3); // the rule
    QCOMPARE(notes, (QStringList{QStringLiteral("Note"), QStringLiteral("___"), QStringLiteral("Nota 1.a"),
                                 QStringLiteral("nota no"), QStringLiteral("Nota 1.e"),
                                 QStringLiteral("Nota 4.a"), QStringLiteral("esposti")}));
}

void TestV11Form::longNotes_data()
{
    QTest::addColumn<QString>("note");
    QTest::newRow("70000 characters of words") << testing::sampleNote(QStringLiteral("nota lunga"), 70000);
    QTest::newRow("one word of 70000") << QString(70000, u'x');
    QTest::newRow("line breaks") << QStringLiteral("riga\r\n").repeated(200);
}

// A long note prints whole, every line within the sheet, continuing on pages headed u"Note"_s
// without a number.
void TestV11Form::longNotes()
{
    QFETCH(QString, note);
    V11Content c;
    c.redLink[0] = true;
    c.noteSiPre[0] = note;
    const Printed p(c);
    QVERIFY(p.printer.offPageItems().empty());
    QString printed;
    for (const Item &i : p.printer.items())
        if (i.page >= 4 && i.text != QStringLiteral("Note") && i.text != QStringLiteral("Nota 1.a") &&
            !i.text.startsWith(u'_'))
            printed += i.text;
    QCOMPARE(printed.remove(u' ').size(), QString(note).remove(u' ').remove(u'\r').remove(u'\n').size());
    for (int page = 5; page <= p.printer.page(); ++page)
        QCOMPARE(p.printer.textsOnPage(page).first(), QStringLiteral("Note"));
}

// Every note at its length: the measuring work grows in proportion with the length.
void TestV11Form::measuringGrowsWithTheNotes()
{
    std::vector<long> work;
    for (int length : {qst::kNoteLimit / 4, qst::kNoteLimit}) {
        V11Content c;
        for (int k = 0; k < qst::kV11Groups; ++k)
            if (qst::v11NoteCaption(k) != u"NO"_s) {
                c.redLink[static_cast<size_t>(k)] = true;
                c.noteNoPre[static_cast<size_t>(k)] = testing::sampleNote(qst::v11NoteCaption(k), length);
            }
        work.push_back(Printed(c).printer.measurements());
    }
    QVERIFY2(work[1] < 4.4 * work[0], qPrintable(u"%1 %2"_s.arg(work[0]).arg(work[1])));
}

QTEST_MAIN(TestV11Form)
#include "tst_v11form.moc"
