// The print command through the scripted printer dialog, and the painter printer: the faces it
// measures with, its PDF read back with pdftotext, nothing left of a printout that fails.
#include "commands/painterprinter.h"
#include "commands/printcommand.h"
#include "contents.h"
#include "filesizelimit.h"
#include "print/modulo.h"
#include "questionnaire/stampa.h"
#include "support.h"

#include <QDir>
#include <QFontInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using qst::Modello;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

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
    cmd::PainterPrinter out(*printer);
    prn::StatoStampa stato;
    prn::stampaModulo(out, c, stato);
    return stato.contaPagine;
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

class TestPrintCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printFaceHasTheLayoutsWidths();
    void command_data();
    void command();
    void pdfReadBack_data();
    void pdfReadBack();
    void failedPrintoutLeavesNoFile();
};

void TestPrintCommand::printFaceHasTheLayoutsWidths()
{
    const QFont f = cmd::printFont({QStringLiteral("MS Sans Serif"), 10, true});
    QCOMPARE(QFontInfo(f).family(), QStringLiteral("Liberation Sans"));
    // The painter printer measures what Qt will draw, scaled to the width inside the margins of
    // a PDF file, 5 mm on each side.
    QTemporaryDir dir;
    const auto printer = pdfPrinter(dir.filePath(QStringLiteral("x.pdf")));
    cmd::PainterPrinter p(*printer);
    p.setFontName(QStringLiteral("MS Sans Serif"));
    p.setFontBold(true);
    const QPageLayout paper = printer->pageLayout();
    const QPageLayout page(paper.pageSize(), paper.orientation(), QMarginsF(5, 5, 5, 5),
                           QPageLayout::Millimeter);
    const double scale = 197.0 / page.paintRectPixels(printer->resolution()).width();
    for (const QString &s : {QString::fromUtf8("Attività società Più"), QString(40, QLatin1Char('.')),
                             QStringLiteral("AV Te WA 1/2"), QString::fromUtf8("\u4e2d\u6587 e\u0301")})
        QCOMPARE(p.TextWidth(s), QFontMetricsF(f, printer.get()).horizontalAdvance(s) * scale);
}

void TestPrintCommand::command_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("output"); // the PDF file: in the test's folder unless absolute
    QTest::addColumn<int>("limit");      // the size a file may grow to, 0 for any
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("printed");
    const QString failed = QStringLiteral("Impossibile completare la stampa.");
    QTest::newRow("cancelled") << false << "scheda.pdf" << 0 << QString() << false;
    QTest::newRow("printer cannot be opened") << true << "" << 0 << "Impossibile avviare la stampa." << false;
    QTest::newRow("printed") << true << "scheda.pdf" << 0 << QString() << true;
    // Failures while the file is written: the cause in the words of a failed save.
    QTest::newRow("disk full") << true << "/dev/full" << 0 << failed + QStringLiteral("\nIl disco è pieno.")
                               << false;
    QTest::newRow("file size limit") << true << "scheda.pdf" << 4096
                                     << failed + QStringLiteral(
                                                     "\nIl file supera la dimensione massima consentita.")
                                     << false;
}

void TestPrintCommand::command()
{
    QFETCH(bool, accept);
    QFETCH(QString, output);
    QFETCH(int, limit);
    QFETCH(QString, message);
    QFETCH(bool, printed);
    QTemporaryDir dir;
    const QString pdf = output.isEmpty() || QDir::isAbsolutePath(output) ? output : dir.filePath(output);
    if (pdf.startsWith(QStringLiteral("/dev/")) && !QFile::exists(pdf))
        QSKIP("no such device here");
    QFile earlier(dir.filePath(QStringLiteral("scheda.pdf")));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();
    testing::Fixture f(Modello::Monistico);
    win::QuestionnaireWindow &w = f.window();
    win::controls(w).TEXT_GENERALE[0]->setText(QStringLiteral("Beta S.p.A."));
    f.module->setUltimoTabIndex(7);
    f.platform.choosePrinter(accept, pdf);
    if (!message.isEmpty())
        f.platform.answer(platform::Answer::Ok, message);
    {
        std::optional<testing::FileSizeLimit> limited;
        if (limit > 0)
            limited.emplace(limit);
        cmd::stampaScheda(*f.module);
    }

    VERIFY_NO_FAILURES(f);
    QVERIFY(f.platform.allConsumed());
    QCOMPARE(f.platform.printerDialogs, 1);
    QCOMPARE(f.state().ultimoTabIndex, message.isEmpty() ? 1 : 7);
    if (!message.isEmpty()) {
        QCOMPARE(f.platform.messages.first().text, message);
        QCOMPARE(f.platform.messages.first().icon, platform::Icon::Critical);
    }
    // Nothing written beside the name; the earlier file replaced only by a whole printout.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("scheda.pdf")});
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll() == "earlier", !printed);
    if (printed)
        QVERIFY(pdfText(pdf).contains(QStringLiteral("Beta S.p.A.")));
}

void TestPrintCommand::pdfReadBack_data()
{
    QTest::addColumn<Modello>("model");
    for (Modello m : qst::kModelli)
        QTest::addRow("%s", testing::modelName(m)) << m;
}

void TestPrintCommand::pdfReadBack()
{
    QFETCH(Modello, model);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("scheda.pdf"));
    const qst::Contenuto c = testing::printable(model, 40);
    const long pageCount = printPdf(c, pdf);

    const QString text = pdfText(pdf);
    QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) reads the file");
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    // The text without a continuation page's number, heading and rule, so that a question
    // broken across two pages reads whole.
    QStringList body;
    for (qsizetype i = 0; i < pages.size(); ++i)
        body << (i == 0 ? pages[i] : pages[i].section(QLatin1Char('\n'), 3));
    const QString doc = body.join(QLatin1Char(' ')).simplified();
    QVERIFY(doc.startsWith(QStringLiteral("VARZEN - SCHEDA RIEPILOGATIVA DELL'QUADRIVEX v. 2.0 ") +
                           qst::tabellaStampa(model).rigaModello));
    QVERIFY(doc.contains(QStringLiteral("v40.1")));
    // Every question and every note.
    for (QString row : testing::boxRows(c))
        QVERIFY2(doc.contains(row.left(row.indexOf(QStringLiteral("...")))), qPrintable(row));
    for (int k : qst::tabellaStampa(model).ordineNote)
        if (const QString note = c.notaScritta(k); !note.isEmpty())
            QCOMPARE(doc.count(note), 1);
    // Page numbers from 2 on, one a page, consecutive.
    QCOMPARE(long(pages.size()), pageCount);
    QVERIFY(!pages.first().contains(QStringLiteral("Pagina")));
    for (int i = 1; i < pages.size(); ++i)
        QVERIFY2(pages[i].contains(QStringLiteral("Pagina %1").arg(i + 1)), qPrintable(QString::number(i)));
    // Nothing outside the sheet, and no text but a rule's end within 5 mm of its edges.
    const QString boxes = pdfText(pdf, {QStringLiteral("-bbox")});
    static const QRegularExpression page(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">([^<]*)<"));
    const auto size = page.match(boxes);
    QVERIFY(size.hasMatch());
    const double margin = 4.8 * 72 / 25.4; // points; glyphs' outlines are a little wider
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        const double width = size.captured(1).toDouble(), height = size.captured(2).toDouble();
        const double inset = m.captured(5).count(QLatin1Char('_')) == m.captured(5).size() ? 0 : margin;
        QVERIFY2(m.captured(1).toDouble() >= inset && m.captured(2).toDouble() >= inset &&
                     m.captured(3).toDouble() <= width - inset && m.captured(4).toDouble() <= height - inset,
                 qPrintable(m.captured(0)));
    }
}

void TestPrintCommand::failedPrintoutLeavesNoFile()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("scheda.pdf"));
    {
        const auto printer = pdfPrinter(pdf);
        cmd::PainterPrinter out(*printer);
        out.Print(QStringLiteral("prima pagina"));
        out.NewPage();
        out.Print(QStringLiteral("seconda pagina"));
        // The printout stops here, as at an error: the printer goes without EndDoc.
    }
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
