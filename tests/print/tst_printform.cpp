// The printed form of the three models on the recording printer (general data and members,
// boxes, notes, pages), the print command through the scripted printer dialog, and the painter
// printer's PDF read back with pdftotext.
#include "print/comando.h"
#include "print/modulo.h"
#include "print/painterprinter.h"
#include "print/recordingprinter.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/stampa.h"
#include "support.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using qst::Modello;
using qst::Risposta;
using Item = prn::Printer::Item;

Q_DECLARE_METATYPE(qst::Modello)
Q_DECLARE_METATYPE(qst::Risposta)

namespace
{

QString nota(const QString &title, int length)
{
    const QString sentence = QStringLiteral("Testo della %1, con parole di prova. ").arg(title);
    return length <= 0 ? sentence.trimmed() : sentence.repeated(length / sentence.size() + 1).left(length);
}

// A whole questionnaire: general data; `members` filled member rows, the second with its
// requirements note; every group answered "Si" but 80, with a note behind every visible link.
qst::Contenuto filled(Modello m, int members, int noteLength = 0)
{
    qst::Contenuto c(m);
    const QStringList general = {QStringLiteral("Alfa S.p.A."), QStringLiteral("01234567890"),
                                 QStringLiteral("31"),          QStringLiteral("12"),
                                 QStringLiteral("2023"),        QStringLiteral("Via Roma 1"),
                                 QStringLiteral("06 1234567"),  QStringLiteral("info@alfa.it")};
    for (int i = 0; i < general.size(); ++i)
        c.generale[static_cast<size_t>(i)] = general[i];
    for (int f : c.tabella().meetingFields)
        c.generale[static_cast<size_t>(f)] = QString::number(f - 50);
    c.generale[33] = QStringLiteral("5");
    c.membri.clear();
    for (int r = 0; r < members; ++r) {
        QStringList row = c.rigaVuota(r);
        for (int col = 1; col < c.tabella().noteColumn(); ++col)
            row[col] = QStringLiteral("v%1.%2").arg(r + 1).arg(col);
        row[c.tabella().noteColumn()] =
            r == 1 ? nota(QStringLiteral("nota del membro"), noteLength) : QString();
        c.membri.push_back(row);
    }
    for (int page = 1; page <= 5; ++page) {
        for (const qst::PageRow &row : qst::righePagina(m, page)) {
            if (row.k < 0)
                continue;
            c.risposte[static_cast<size_t>(row.k)] = Risposta::Si;
            if (row.linkVisible)
                c.noteSi.set(row.k, nota(row.link, noteLength));
        }
    }
    for (int k : {79, 81}) {
        c.risposte[static_cast<size_t>(k)] = Risposta::Si;
        c.noteSi.set(k, nota(qst::didascaliaNota(m, k), noteLength));
    }
    c.numeri = {QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13")};
    return c;
}

// The printed lines: the items of one page and one Y joined, a run of dots or rule shown as
// "..." or "___"; the number, heading and rule at the top of a continuation page left out.
QStringList lines(const prn::RecordingPrinter &p)
{
    QStringList out;
    const Item *prev = nullptr;
    for (const Item &i : p.items()) {
        if (i.page > 0 && i.y < 11)
            continue;
        QString text = i.text;
        for (QChar run : {QLatin1Char('.'), QLatin1Char('_')})
            if (text.count(run) == text.size())
                text = QString(3, run);
        if (prev && prev->page == i.page && prev->y == i.y)
            out.last() += text;
        else
            out << text;
        prev = &i;
    }
    return out;
}

struct Printed {
    prn::RecordingPrinter printer;
    qst::ModelState state;
};

std::unique_ptr<Printed> print(const qst::Contenuto &c)
{
    auto out = std::make_unique<Printed>();
    prn::stampaModulo(out->printer, c, out->state);
    return out;
}

// A printer that writes the PDF file `path`.
std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

// Prints c into the PDF file `path`; the number of pages.
long printPdf(const qst::Contenuto &c, const QString &path)
{
    const auto printer = pdfPrinter(path);
    prn::PainterPrinter out(*printer);
    qst::ModelState state;
    prn::stampaModulo(out, c, state);
    return state.contaPagine;
}

QString pdfText(const QString &pdf, const QStringList &options = {})
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// The row texts of the printed boxes, with their answers, in order.
QStringList boxRows(const qst::Contenuto &c)
{
    QStringList out;
    for (const qst::RigaRiquadro &row : qst::righeRiquadri(c.modello)) {
        QString text = qst::testoDomanda(c.modello, row.q).value_or(QString());
        if (row.k >= 0) {
            const QString &link = qst::didascaliaNota(c.modello, row.k);
            if (link != QStringLiteral("NO"))
                text.prepend(QLatin1Char('(') + link + QStringLiteral(") "));
            text += QStringLiteral("...") + prn::rispostaRiga(c, row.k);
        }
        out << text.simplified();
    }
    return out;
}

} // namespace

class TestPrintForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printFaceHasTheLayoutsWidths();
    void generalData_data();
    void generalData();
    void memberRows();
    void sectionsAndPages_data();
    void sectionsAndPages();
    void answers_data();
    void answers();
    void boxes_data();
    void boxes();
    void command_data();
    void command();
    void pdfReadBack_data();
    void pdfReadBack();
    void failedPrintoutLeavesNoFile();
    void largestQuestionnaireBeatsTextDocument();
};

void TestPrintForm::printFaceHasTheLayoutsWidths()
{
    const QFont f = prn::printFont({QStringLiteral("MS Sans Serif"), 10, true});
    QCOMPARE(QFontInfo(f).family(), QStringLiteral("Liberation Sans"));
    // The painter printer measures what Qt will draw, scaled to the printable width.
    QTemporaryDir dir;
    const auto printer = pdfPrinter(dir.filePath(QStringLiteral("x.pdf")));
    prn::PainterPrinter p(*printer);
    p.setFontName(QStringLiteral("MS Sans Serif"));
    p.setFontBold(true);
    const double scale = 197.0 / printer->pageLayout().paintRectPixels(printer->resolution()).width();
    for (const QString &s : {QString::fromUtf8("Attività società Più"), QString(40, QLatin1Char('.')),
                             QStringLiteral("AV Te WA 1/2"), QString::fromUtf8("\u4e2d\u6587 e\u0301")})
        QCOMPARE(p.TextWidth(s), QFontMetricsF(f, printer.get()).horizontalAdvance(s) * scale);
}

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
    const auto out = print(filled(model, 3));
    const QStringList printed = lines(out->printer);
    const qsizetype at = printed.indexOf(expected.first());
    QVERIFY2(at >= 0, qPrintable(expected.first()));
    QCOMPARE(printed.mid(at, expected.size()), expected);
    if (!absent.isEmpty())
        QVERIFY(!printed.join(QLatin1Char('\n')).contains(absent));
    QCOMPARE(printed.mid(0, 3),
             (QStringList{QStringLiteral("VARZEN - SCHEDA RIEPILOGATIVA DELL'QUADRIVEX v. 2.0"),
                          qst::tabellaStampa(model).rigaModello, QStringLiteral("DATI GENERALI")}));
    QCOMPARE(out->state.testoAppoggio.isEmpty(), model != Modello::Monistico);
}

void TestPrintForm::memberRows()
{
    // An empty president's row, a row with only its requirements note, a fourth row.
    qst::Contenuto c = filled(Modello::Tradizionale, 4);
    c.membri[0] = c.rigaVuota(0);
    c.membri[1] = c.rigaVuota(1);
    c.membri[1][11] = QStringLiteral("nota");
    const QStringList printed = lines(print(c)->printer);
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
    for (Modello m : qst::kModelli)
        for (int n : {3, 40})
            QTest::addRow("%s %d", testing::modelName(m), n) << m << n;
}

void TestPrintForm::sectionsAndPages()
{
    QFETCH(Modello, model);
    QFETCH(int, members);
    const qst::Contenuto c = filled(model, members);
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
    QCOMPARE(out->state.contaPagine, long(p.page() + 1));
    // Every member's block in order, one line per data column.
    const QStringList printed = lines(p);
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
    qst::Contenuto c = filled(model, 3);
    c.noteSi.set(4, QStringLiteral("nota senza link"));
    c.risposte[6] = Risposta::NA;
    const auto out = print(c);
    const QString doc = lines(out->printer).join(QLatin1Char(' ')).simplified();
    // The rows in order, with their prefixes and answers.
    qsizetype at = 0;
    for (const QString &row : boxRows(c)) {
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
        QCOMPARE(doc.count(nota(title, 0)), 1);
    int links = 0;
    for (int page = 1; page <= 5; ++page)
        for (const qst::PageRow &row : qst::righePagina(model, page))
            links += row.linkVisible ? 1 : 0;
    QCOMPARE(titles.size(), 1 + 2 + links - 1);
}

void TestPrintForm::command_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("toFile");
    QTest::addColumn<QString>("message");
    QTest::newRow("cancelled") << false << true << QString();
    QTest::newRow("printer cannot be opened")
        << true << false << QStringLiteral("Impossibile avviare la stampa.");
    QTest::newRow("printed") << true << true << QString();
}

void TestPrintForm::command()
{
    QFETCH(bool, accept);
    QFETCH(bool, toFile);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("scheda.pdf"));
    testing::Fixture f(Modello::Monistico);
    win::QuestionnaireWindow &w = f.window();
    w.TEXT_GENERALE[0]->setText(QStringLiteral("Beta S.p.A."));
    f.state().ultimoTabIndex = 7;
    f.platform.choosePrinter(accept, toFile ? pdf : QString());
    if (!message.isEmpty())
        f.platform.answer(platform::Answer::Ok, message);
    prn::stampaScheda(*f.module);

    QVERIFY2(f.platform.failures.isEmpty(), qPrintable(f.platform.failures.join(QLatin1Char('\n'))));
    QVERIFY(f.platform.allConsumed());
    QCOMPARE(f.platform.printerDialogs, 1);
    QCOMPARE(f.state().ultimoTabIndex, message.isEmpty() ? 1 : 7);
    if (!message.isEmpty())
        QCOMPARE(f.platform.messages.first().icon, platform::Icon::Critical);
    QCOMPARE(QFile::exists(pdf), accept && toFile);
    if (accept && toFile)
        QVERIFY(pdfText(pdf).contains(QStringLiteral("Beta S.p.A.")));
}

void TestPrintForm::pdfReadBack_data()
{
    QTest::addColumn<Modello>("model");
    for (Modello m : qst::kModelli)
        QTest::addRow("%s", testing::modelName(m)) << m;
}

void TestPrintForm::pdfReadBack()
{
    QFETCH(Modello, model);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("scheda.pdf"));
    const qst::Contenuto c = filled(model, 40);
    const long pageCount = printPdf(c, pdf);

    const QString text = pdfText(pdf);
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) reads the file");
    const QString doc = text.simplified();
    QVERIFY(doc.startsWith(QStringLiteral("VARZEN - SCHEDA RIEPILOGATIVA DELL'QUADRIVEX v. 2.0 ") +
                           qst::tabellaStampa(model).rigaModello));
    QVERIFY(doc.contains(QStringLiteral("v40.1")));
    // Every question and every note.
    for (QString row : boxRows(c))
        QVERIFY2(doc.contains(row.left(row.indexOf(QStringLiteral("...")))), qPrintable(row));
    for (int k : qst::tabellaStampa(model).ordineNote)
        if (const QString note = c.notaScritta(k); !note.isEmpty())
            QCOMPARE(doc.count(note), 1);
    // Page numbers from 2 on, one a page, consecutive.
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(long(pages.size()), pageCount);
    QVERIFY(!pages.first().contains(QStringLiteral("Pagina")));
    for (int i = 1; i < pages.size(); ++i)
        QVERIFY2(pages[i].contains(QStringLiteral("Pagina %1").arg(i + 1)), qPrintable(QString::number(i)));
    // Nothing outside the sheet.
    const QString boxes = pdfText(pdf, {QStringLiteral("-bbox")});
    static const QRegularExpression page(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\""));
    const auto size = page.match(boxes);
    QVERIFY(size.hasMatch());
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        QVERIFY(m.captured(1).toDouble() >= 0 && m.captured(2).toDouble() >= 0);
        QVERIFY(m.captured(3).toDouble() <= size.captured(1).toDouble());
        QVERIFY(m.captured(4).toDouble() <= size.captured(2).toDouble());
    }
}

void TestPrintForm::failedPrintoutLeavesNoFile()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("scheda.pdf"));
    {
        const auto printer = pdfPrinter(pdf);
        prn::PainterPrinter out(*printer);
        out.Print(QStringLiteral("prima pagina"));
        out.NewPage();
        out.Print(QStringLiteral("seconda pagina"));
        // The printout stops here, as at an error: the printer goes without EndDoc.
    }
    QVERIFY(!QFile::exists(pdf));
}

void TestPrintForm::largestQuestionnaireBeatsTextDocument()
{
    // The measuring work grows in proportion with the length of the notes.
    std::vector<long> work;
    for (int length : {qst::kNoteLimit / 4, qst::kNoteLimit})
        work.push_back(print(filled(Modello::Tradizionale, 3, length))->printer.measurements());
    QVERIFY2(work[1] < 4.4 * work[0], qPrintable(QStringLiteral("%1 %2").arg(work[0]).arg(work[1])));
#ifdef NDEBUG
    const qst::Contenuto c = filled(Modello::Tradizionale, 200, qst::kNoteLimit);
    QStringList texts;
    for (const QStringList &row : c.membri)
        texts << row.join(QLatin1Char(' '));
    for (int k = 0; k < qst::kGroups; ++k)
        texts << c.notaScritta(k);
    QTemporaryDir dir;
    QElapsedTimer clock;
    clock.start();
    printPdf(c, dir.filePath(QStringLiteral("scheda.pdf")));
    const qint64 ours = clock.restart();
    {
        const auto printer = pdfPrinter(dir.filePath(QStringLiteral("documento.pdf")));
        QTextDocument document(texts.join(QLatin1Char('\n')));
        document.print(printer.get());
    }
    const qint64 theirs = clock.elapsed();
    qInfo("largest questionnaire: %lld ms, the same texts through QTextDocument: %lld ms",
          static_cast<long long>(ours), static_cast<long long>(theirs));
    QVERIFY(ours < theirs);
#else
    QSKIP("printing times are compared in an optimised build");
#endif
}

QTEST_MAIN(TestPrintForm)
#include "tst_printform.moc"
