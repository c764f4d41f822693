// The printed form of the three models on the recording printer: general data and members,
// boxes, notes, pages.
#include "contents.h"
#include "print/modulo.h"
#include "print/recordingprinter.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/stampa.h"

#include <QTest>

using qst::Modello;
using qst::Risposta;
using Item = prn::Printer::Item;

Q_DECLARE_METATYPE(qst::Modello)
Q_DECLARE_METATYPE(qst::Risposta)

namespace
{

struct Printed {
    prn::RecordingPrinter printer;
    prn::StatoStampa stato;
};

std::unique_ptr<Printed> print(const qst::Contenuto &c)
{
    auto out = std::make_unique<Printed>();
    prn::stampaModulo(out->printer, c, out->stato);
    return out;
}

} // namespace

class TestPrintForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void generalData_data();
    void generalData();
    void memberRows();
    void sectionsAndPages_data();
    void sectionsAndPages();
    void answers_data();
    void answers();
    void boxes_data();
    void boxes();
    void measuringGrowsWithTheNotes();
};

void TestPrintForm::generalData_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<QStringList>("expected"); // consecutive printed lines
    QTest::addColumn<QString>("absent");
    const auto u8 = [](const char *s) { return QString::fromUtf8(s); };
    QTest::newRow("Tradizionale item 7 unticked")
        << Modello::Tradizionale
        << QStringList{u8("E-mail Referente...info@alfa.it"),
                       u8("(Nota 1.0.a) Materie e settori strettamente attinenti quello dell'impresa...Si"),
                       u8("(Nota 1.0.b) Eventuali condizioni aggiuntive per la sussistenza dei requisisti di "
                          "professionalità dei sindaci..."),
                       u8("Numero di riunioni del collegio sindacale...12")}
        << QString();
    QTest::newRow("Tradizionale end")
        << Modello::Tradizionale
        << QStringList{u8("   (Nota Membro 3) Requisiti di professionalità...No"), u8("___"),
                       u8("Numero massimo di incarichi previsti dallo statuto...5"),
                       u8("Data inizio incarico (gg/mm/aaaa)..."), u8("(Nota 1.0.c) ...Si")}
        << QString();
    QTest::newRow("Dualistico") << Modello::Dualistico
                                << QStringList{u8("(Nota 1.0.b) Requisiti di indipendenza, cause di "
                                                  "ineleggibilità e decadenze ulteriori "
                                                  "rispetto a quelli di legge...No"),
                                               u8("Numero di riunioni del consiglio di sorveglianza...12"),
                                               u8("Numero di assemblee...13"),
                                               u8("Numero di riunioni del consiglio di gestione...14"),
                                               u8("___")}
                                << u8("Numero di riunioni del comitato esecutivo");
    QTest::newRow("Dualistico member")
        << Modello::Dualistico
        << QStringList{u8("   Numero presenze alle riunioni del consiglio di gestione...v2.9"),
                       u8("   (Nota Membro 2) Requisiti di professionalità...Si"), u8("___")}
        << QString();
    QTest::newRow("Monistico item 7")
        << Modello::Monistico
        << QStringList{u8("(Nota 1.0.b) Requisiti di indipendenza previsti da codici di comportamento di "
                          "associazioni di categoria o di società"),
                       u8("di gestione di mercati, se previsti dallo statuto...No"),
                       u8("Numero di riunioni del comitato per il controllo sulla gestione...12")}
        << QString();
}

void TestPrintForm::generalData()
{
    QFETCH(Modello, model);
    QFETCH(QStringList, expected);
    QFETCH(QString, absent);
    const auto out = print(testing::printable(model, 3));
    const QStringList printed = testing::printedLines(out->printer);
    const qsizetype at = printed.indexOf(expected.first());
    QVERIFY2(at >= 0, qPrintable(expected.first()));
    QCOMPARE(printed.mid(at, expected.size()), expected);
    if (!absent.isEmpty())
        QVERIFY(!printed.join(QLatin1Char('\n')).contains(absent));
    QCOMPARE(printed.mid(0, 3),
             (QStringList{QStringLiteral("VARZEN - SCHEDA RIEPILOGATIVA DELL'QUADRIVEX v. 2.0"),
                          qst::tabellaStampa(model).rigaModello, QStringLiteral("DATI GENERALI")}));
    QCOMPARE(out->stato.testoAppoggio.isEmpty(), model != Modello::Monistico);
}

void TestPrintForm::memberRows()
{
    // An empty president's row, a row with only its requirements note, a fourth row.
    qst::Contenuto c = testing::printable(Modello::Tradizionale, 4);
    c.membri[0] = c.rigaVuota(0);
    c.membri[1] = c.rigaVuota(1);
    c.membri[1][11] = QStringLiteral("nota");
    const QStringList printed = testing::printedLines(print(c)->printer);
    QVERIFY(!printed.join(QLatin1Char('\n')).contains(QStringLiteral("(Nota Pres.)")));
    const qsizetype at = printed.indexOf(QStringLiteral("Membro..."));
    QCOMPARE(printed.at(at - 1), QStringLiteral("___"));
    QCOMPARE(printed.at(at + 10), QString::fromUtf8("   (Nota Membro 2) Requisiti di professionalità...Si"));
    QVERIFY(printed.contains(QString::fromUtf8("   (Nota Membro 4) Requisiti di professionalità...No")));
}

void TestPrintForm::sectionsAndPages_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("members");
    QTest::addColumn<int>("nameLines"); // a company name of as many lines, ending low on page 1
    for (Modello m : qst::kModelli) {
        for (int n : {3, 40})
            QTest::addRow("%s %d", testing::modelName(m), n) << m << n << 0;
        QTest::addRow("%s long name", testing::modelName(m)) << m << 3 << 44;
    }
}

void TestPrintForm::sectionsAndPages()
{
    QFETCH(Modello, model);
    QFETCH(int, members);
    QFETCH(int, nameLines);
    qst::Contenuto c = testing::printable(model, members);
    if (nameLines > 0) // 29 words a line
        c.generale[0] = QStringList(29 * nameLines, QStringLiteral("abcd")).join(QLatin1Char(' '));
    const auto out = print(c);
    const prn::RecordingPrinter &p = out->printer;
    QVERIFY(p.offPageItems().empty());
    for (const Item &i : p.items())
        QVERIFY(i.y <= 292);
    // Page 1 has no number; every further page has its number and its section's heading; each
    // section starts on a page of its own.
    QStringList sections;
    for (int page = 1; page <= p.page(); ++page) {
        const QStringList top = p.textsOnPage(page).mid(0, 2);
        QCOMPARE(top.first(), QStringLiteral("Pagina %1").arg(page + 1));
        if (sections.isEmpty() || sections.last() != top.last())
            sections << top.last();
    }
    QStringList expected = {QStringLiteral("DATI GENERALI"), QStringLiteral("Riquadro I - Quadrivex"),
                            QStringLiteral("Riquadro III - Relazione per l'assemblea"),
                            QStringLiteral("       Note")};
    if (model == Modello::Tradizionale)
        expected.insert(2, QStringLiteral("Riquadro II - Adesione al codice di autodisciplina"));
    if (sections.first() != expected.first()) // the general data fit on page 1
        expected.removeFirst();
    QCOMPARE(sections, expected);
    QCOMPARE(out->stato.contaPagine, long(p.page() + 1));
    // Every member's block in order, one line per data column.
    const QStringList printed = testing::printedLines(p);
    for (int r = 0; r < members; ++r) {
        const QString first = (r == 0 ? QStringLiteral("Presidente") : QStringLiteral("Membro")) +
                              QStringLiteral("...v%1.1").arg(r + 1);
        const qsizetype at = printed.indexOf(first);
        QVERIFY2(at >= 0, qPrintable(first));
        QVERIFY(printed.at(at + c.tabella().lastDataColumn() - 1).contains(QStringLiteral("Requisiti")));
    }
    // A handful of measurements per printed line.
    QVERIFY2(p.measurements() < 10 * printed.size(), qPrintable(QString::number(p.measurements())));
}

void TestPrintForm::answers_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("group");
    QTest::addColumn<Risposta>("answer");
    QTest::addColumn<QString>("printed");
    const Modello t = Modello::Tradizionale, d = Modello::Dualistico, m = Modello::Monistico;
    QTest::newRow("unanswered") << d << 10 << Risposta::Nessuna << QString();
    QTest::newRow("N/A") << m << 8 << Risposta::NA << QStringLiteral("N/A");
    QTest::newRow("Adeguata") << t << 7 << Risposta::Si << QStringLiteral("Adeguata");
    QTest::newRow("Inadeguata") << m << 7 << Risposta::No << QStringLiteral("Inadeguata");
    QTest::newRow("two-way 79 unticked") << t << 79 << Risposta::Nessuna << QStringLiteral("No");
    QTest::newRow("Tradizionale 80 unticked") << t << 80 << Risposta::Nessuna << QString();
    QTest::newRow("Tradizionale 80 No") << t << 80 << Risposta::No << QStringLiteral("No");
    QTest::newRow("Dualistico 80 unticked") << d << 80 << Risposta::Nessuna << QStringLiteral("No");
    QTest::newRow("Monistico 81 ticked") << m << 81 << Risposta::Si << QStringLiteral("Si");
    // The count questions: the number typed, whatever the hidden boxes hold.
    QTest::newRow("Tradizionale 34") << t << 34 << Risposta::Si << QStringLiteral("n0");
    QTest::newRow("Tradizionale 40") << t << 40 << Risposta::Nessuna << QStringLiteral("n2");
    QTest::newRow("Monistico 34") << m << 34 << Risposta::Si << QStringLiteral("Si");
}

void TestPrintForm::answers()
{
    QFETCH(Modello, model);
    QFETCH(int, group);
    QFETCH(Risposta, answer);
    QFETCH(QString, printed);
    qst::Contenuto c(model);
    c.risposte[static_cast<size_t>(group)] = answer;
    c.numeri = {QStringLiteral("n0"), QStringLiteral("n1"), QStringLiteral("n2")};
    QCOMPARE(prn::rispostaRiga(c, group), printed);
}

void TestPrintForm::boxes_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<QString>("order");   // question labels in print order
    QTest::addColumn<QString>("opening"); // the labels whose rows open a box
    QTest::newRow("Tradizionale") << Modello::Tradizionale
                                  << QStringLiteral("74, 0-24, 75, 25-33, 76, 34-49, 79, 50-69, 80, 70-73")
                                  << QStringLiteral("74, 34, 79");
    QTest::newRow("Dualistico") << Modello::Dualistico
                                << QStringLiteral("74, 0-24, 75, 25-32, 76, 79, 50-69, 80, 70, 72")
                                << QStringLiteral("74, 79");
    QTest::newRow("Monistico") << Modello::Monistico
                               << QStringLiteral("74, 0-24, 75, 25-32, 76, 33, 79, 50-69, 80, 70, 72, 73")
                               << QStringLiteral("74, 79");
}

void TestPrintForm::boxes()
{
    QFETCH(Modello, model);
    QFETCH(QString, order);
    QFETCH(QString, opening);
    std::vector<int> labels;
    std::vector<int> opened;
    for (const qst::RigaRiquadro &row : qst::righeRiquadri(model)) {
        labels.push_back(row.q);
        if (!row.riquadro.isEmpty())
            opened.push_back(row.q);
    }
    QCOMPARE(labels, qst::indexList(order.toStdString()));
    QCOMPARE(opened, qst::indexList(opening.toStdString()));

    // A note behind a link captioned "NO", and one kept with an N/A answer, never print.
    qst::Contenuto c = testing::printable(model, 3);
    c.noteSi.set(4, QStringLiteral("nota senza link"));
    c.risposte[6] = Risposta::NA;
    const auto out = print(c);
    const QString doc = testing::printedLines(out->printer).join(QLatin1Char(' ')).simplified();
    // The rows in order, with their prefixes and answers.
    qsizetype at = 0;
    for (const QString &row : testing::boxRows(c)) {
        const qsizetype found = doc.indexOf(row, at);
        QVERIFY2(found >= 0, qPrintable(row));
        at = found + row.size();
    }
    // The notes: the member's first, then the answers' in the order of their note numbers.
    QStringList titles;
    for (const Item &i : out->printer.items())
        if (i.font.bold && i.x == 5)
            titles << i.text;
    QCOMPARE(titles.first(), QStringLiteral("Nota Membro 2"));
    const auto key = [](const QString &title) {
        if (title.startsWith(QStringLiteral("Nota 1.0."))) // the general data's come first
            return QStringLiteral("0") + title;
        QString k = QStringLiteral("1");
        for (const QString &part : title.mid(5).split(QLatin1Char('.')))
            k +=
                QLatin1Char('.') + (part.front().isDigit() ? part.rightJustified(3, QLatin1Char('0')) : part);
        return k;
    };
    for (qsizetype i = 2; i < titles.size(); ++i)
        QVERIFY2(key(titles[i - 1]) < key(titles[i]), qPrintable(titles[i]));
    QVERIFY(!titles.contains(QStringLiteral("Nota 1.e")));
    QVERIFY(!doc.contains(QStringLiteral("nota senza link")));
    for (const QString &title : titles.mid(1))
        QCOMPARE(doc.count(testing::sampleNote(title, 0)), 1);
    int links = 0;
    for (int page = 1; page <= 5; ++page)
        for (const qst::PageRow &row : qst::righePagina(model, page))
            links += row.linkVisible ? 1 : 0;
    QCOMPARE(titles.size(), 1 + 2 + links - 1);
}

void TestPrintForm::measuringGrowsWithTheNotes()
{
    // The measuring work grows in proportion with the length of the notes.
    std::vector<long> work;
    for (int length : {qst::kNoteLimit / 4, qst::kNoteLimit})
        work.push_back(print(testing::printable(Modello::Tradizionale, 3, length))->printer.measurements());
    QVERIFY2(work[1] < 4.4 * work[0], qPrintable(QStringLiteral("%1 %2").arg(work[0]).arg(work[1])));
}

QTEST_MAIN(TestPrintForm)
#include "tst_printform.moc"
