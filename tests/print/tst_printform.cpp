// The first section of the printed form (title, general data, members) on the recording
// printer, the print command through the scripted printer dialog, and the painter printer's PDF
// read back with pdftotext.
#include "print/comando.h"
#include "print/modulo.h"
#include "print/painterprinter.h"
#include "print/recordingprinter.h"
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

using qst::Modello;
using qst::Risposta;
using Item = prn::Printer::Item;

Q_DECLARE_METATYPE(qst::Modello)
Q_DECLARE_METATYPE(qst::Risposta)

namespace
{

// A questionnaire with general data, answers 79 and 81, and `members` filled member rows whose
// second row holds a requirements note.
qst::Contenuto filled(Modello m, int members)
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
    c.risposte[79] = c.risposte[81] = Risposta::Si;
    c.membri.clear();
    for (int r = 0; r < members; ++r) {
        QStringList row = c.rigaVuota(r);
        for (int col = 1; col < c.tabella().noteColumn(); ++col)
            row[col] = QStringLiteral("v%1.%2").arg(r + 1).arg(col);
        row[c.tabella().noteColumn()] = r == 1 ? QStringLiteral("nota") : QString();
        c.membri.push_back(row);
    }
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

QString pdfText(const QString &pdf, const QStringList &options = {})
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace

class TestPrintForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printFaceHasTheLayoutsWidths();
    void specialLines_data();
    void specialLines();
    void pagesOfMembers_data();
    void pagesOfMembers();
    void memberRows();
    void answers_data();
    void answers();
    void command_data();
    void command();
    void pdfReadBack_data();
    void pdfReadBack();
    void failedPrintoutLeavesNoFile();
};

void TestPrintForm::printFaceHasTheLayoutsWidths()
{
    const QFont f = prn::printFont({QStringLiteral("MS Sans Serif"), 10, true});
    QCOMPARE(QFontInfo(f).family(), QStringLiteral("Liberation Sans"));
}

void TestPrintForm::specialLines_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<QStringList>("expected"); // consecutive printed lines
    QTest::addColumn<QString>("absent");
    const QString tip3 = QStringLiteral("   Numero presenze alle riunioni del comitato esecutivo...v1.10");
    QTest::newRow("Tradizionale item 7 unticked")
        << Modello::Tradizionale
        << QStringList{QStringLiteral("Telefono Referente...06 1234567"),
                       QStringLiteral("E-mail Referente...info@alfa.it"),
                       QString::fromUtf8(
                           "(Nota 1.0.a) Materie e settori strettamente attinenti quello dell'impresa...Si"),
                       QString::fromUtf8(
                           "(Nota 1.0.b) Eventuali condizioni aggiuntive per la sussistenza dei "
                           "requisisti di professionalità dei sindaci..."),
                       QStringLiteral("Numero di riunioni del collegio sindacale...12")}
        << QString();
    QTest::newRow("Tradizionale member")
        << Modello::Tradizionale
        << QStringList{tip3, QString::fromUtf8("   (Nota Pres.) Requisiti di professionalità...No"),
                       QStringLiteral("___"), QStringLiteral("Membro...v2.1")}
        << QString();
    QTest::newRow("Tradizionale end")
        << Modello::Tradizionale
        << QStringList{QString::fromUtf8("   (Nota Membro 3) Requisiti di professionalità...No"),
                       QStringLiteral("___"),
                       QStringLiteral("Numero massimo di incarichi previsti dallo statuto...5"),
                       QStringLiteral("Data inizio incarico (gg/mm/aaaa)..."),
                       QStringLiteral("(Nota 1.0.c) ...Si")}
        << QString();
    QTest::newRow("Dualistico")
        << Modello::Dualistico
        << QStringList{QString::fromUtf8("(Nota 1.0.b) Requisiti di indipendenza, cause di ineleggibilità e "
                                         "decadenze ulteriori rispetto a quelli di legge...No"),
                       QStringLiteral("Numero di riunioni del consiglio di sorveglianza...12"),
                       QStringLiteral("Numero di assemblee...13"),
                       QStringLiteral("Numero di riunioni del consiglio di gestione...14"),
                       QStringLiteral("___")}
        << QStringLiteral("Numero di riunioni del comitato esecutivo");
    QTest::newRow("Dualistico member")
        << Modello::Dualistico
        << QStringList{QStringLiteral("   Numero presenze alle riunioni del consiglio di gestione...v2.9"),
                       QString::fromUtf8("   (Nota Membro 2) Requisiti di professionalità...Si")}
        << QString();
    QTest::newRow("Monistico item 7")
        << Modello::Monistico
        << QStringList{QString::fromUtf8("(Nota 1.0.b) Requisiti di indipendenza previsti da codici di "
                                         "comportamento di associazioni di categoria o di società"),
                       QStringLiteral("di gestione di mercati, se previsti dallo statuto...No"),
                       QStringLiteral("Numero di riunioni del comitato per il controllo sulla gestione...12")}
        << QString();
}

void TestPrintForm::specialLines()
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
    QCOMPARE(printed.first(), QStringLiteral("VARZEN - SCHEDA RIEPILOGATIVA DELL'QUADRIVEX v. 2.0"));
    QVERIFY(out->printer.ended());
    QCOMPARE(out->state.testoAppoggio.isEmpty(), model != Modello::Monistico);
}

void TestPrintForm::pagesOfMembers_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("members");
    for (Modello m : qst::kModelli)
        for (int n : {3, 40, 200})
            QTest::addRow("%s %d", testing::modelName(m), n) << m << n;
}

void TestPrintForm::pagesOfMembers()
{
    QFETCH(Modello, model);
    QFETCH(int, members);
    const qst::Contenuto c = filled(model, members);
    const auto out = print(c);
    const prn::RecordingPrinter &p = out->printer;
    QVERIFY(p.offPageItems().empty());
    // Every member's block, in order, one line per data column.
    const QStringList printed = lines(p);
    const int perMember = c.tabella().lastDataColumn();
    for (int r = 0; r < members; ++r) {
        const QString first = (r == 0 ? QStringLiteral("Presidente") : QStringLiteral("Membro")) +
                              QStringLiteral("...v%1.1").arg(r + 1);
        const qsizetype at = printed.indexOf(first);
        QVERIFY2(at >= 0, qPrintable(first));
        QVERIFY(printed.at(at + perMember - 1).contains(QStringLiteral("Requisiti di professionalit")));
    }
    // Page 1 has no number; every further page "Pagina n" then the heading and its rule, and
    // no line starts below 292.
    QCOMPARE(out->state.contaPagine, long(p.page() + 1));
    for (int page = 1; page <= p.page(); ++page)
        QCOMPARE(p.textsOnPage(page).mid(0, 2),
                 (QStringList{QStringLiteral("Pagina %1").arg(page + 1), QStringLiteral("DATI GENERALI")}));
    for (const Item &i : p.items())
        QVERIFY(i.y <= 292);
    QCOMPARE(printed.last(), QStringLiteral("(Nota 1.0.c) ...Si"));
    // A handful of measurements per printed line, however many members.
    QVERIFY2(p.measurements() < 8 * printed.size(), qPrintable(QString::number(p.measurements())));
}

void TestPrintForm::memberRows()
{
    // An empty president's row, a row with only its requirements note, a fourth row.
    qst::Contenuto c = filled(Modello::Tradizionale, 4);
    c.membri[0] = c.rigaVuota(0);
    c.membri[1] = c.rigaVuota(1);
    c.membri[1][11] = QStringLiteral("nota");
    const QStringList printed = lines(print(c)->printer);
    QVERIFY(!printed.join(QLatin1Char('\n')).contains(QStringLiteral("Presidente")));
    QVERIFY(!printed.join(QLatin1Char('\n')).contains(QStringLiteral("(Nota Pres.)")));
    const qsizetype at = printed.indexOf(QStringLiteral("Membro..."));
    QVERIFY(at > 0);
    QCOMPARE(printed.at(at - 1), QStringLiteral("___"));
    QCOMPARE(printed.at(at + 10), QString::fromUtf8("   (Nota Membro 2) Requisiti di professionalità...Si"));
    QVERIFY(printed.contains(QString::fromUtf8("   (Nota Membro 4) Requisiti di professionalità...No")));
}

void TestPrintForm::answers_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<int>("group");
    QTest::addColumn<Risposta>("answer");
    QTest::addColumn<QString>("printed");
    QTest::newRow("unanswered") << Modello::Dualistico << 10 << Risposta::Nessuna << QString();
    QTest::newRow("N/A") << Modello::Monistico << 8 << Risposta::NA << QStringLiteral("N/A");
    QTest::newRow("Adeguata") << Modello::Tradizionale << 7 << Risposta::Si << QStringLiteral("Adeguata");
    QTest::newRow("Inadeguata") << Modello::Monistico << 7 << Risposta::No << QStringLiteral("Inadeguata");
    QTest::newRow("two-way 79 unticked")
        << Modello::Tradizionale << 79 << Risposta::Nessuna << QStringLiteral("No");
    QTest::newRow("Tradizionale 80 unticked")
        << Modello::Tradizionale << 80 << Risposta::Nessuna << QString();
    QTest::newRow("Tradizionale 80 No")
        << Modello::Tradizionale << 80 << Risposta::No << QStringLiteral("No");
    QTest::newRow("Dualistico 80 unticked")
        << Modello::Dualistico << 80 << Risposta::Nessuna << QStringLiteral("No");
    QTest::newRow("Monistico 81 ticked") << Modello::Monistico << 81 << Risposta::Si << QStringLiteral("Si");
    // The count questions: the number typed, whatever the hidden boxes hold.
    QTest::newRow("Tradizionale 34") << Modello::Tradizionale << 34 << Risposta::Si << QStringLiteral("n0");
    QTest::newRow("Tradizionale 40") << Modello::Tradizionale << 40 << Risposta::Nessuna
                                     << QStringLiteral("n2");
    QTest::newRow("Monistico 34") << Modello::Monistico << 34 << Risposta::Si << QStringLiteral("Si");
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
    const auto printer = pdfPrinter(pdf);
    prn::PainterPrinter out(*printer);
    qst::ModelState state;
    QElapsedTimer clock;
    clock.start();
    prn::stampaModulo(out, filled(model, 200), state);
    qInfo("200 members to PDF in %lld ms", static_cast<long long>(clock.elapsed()));

    const QString text = pdfText(pdf);
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) reads the file");
    QVERIFY(text.contains(QStringLiteral("VARZEN - SCHEDA RIEPILOGATIVA DELL'QUADRIVEX v. 2.0")));
    QVERIFY(text.contains(qst::tabellaStampa(model).rigaModello));
    QVERIFY(text.contains(QStringLiteral("info@alfa.it")));
    QVERIFY(text.contains(QStringLiteral("v200.1")));
    // Page numbers from 2 on, one a page, consecutive.
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(long(pages.size()), state.contaPagine);
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

QTEST_MAIN(TestPrintForm)
#include "tst_printform.moc"
