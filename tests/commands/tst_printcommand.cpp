// The print command through the scripted printer dialog, and the painter printer: the faces it
// measures with, its PDF read back with pdftotext, nothing left of a printout that fails.
#include "commands/painterprinter.h"
#include "commands/printcommand.h"
#include "contents.h"
#include "print/modulo.h"
#include "questionnaire/stampa.h"
#include "support.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

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
    // The painter printer measures what Qt will draw, scaled to the printable width.
    QTemporaryDir dir;
    const auto printer = pdfPrinter(dir.filePath(QStringLiteral("x.pdf")));
    cmd::PainterPrinter p(*printer);
    p.setFontName(QStringLiteral("MS Sans Serif"));
    p.setFontBold(true);
    const double scale = 197.0 / printer->pageLayout().paintRectPixels(printer->resolution()).width();
    for (const QString &s : {QString::fromUtf8("Attività società Più"), QString(40, QLatin1Char('.')),
                             QStringLiteral("AV Te WA 1/2"), QString::fromUtf8("\u4e2d\u6587 e\u0301")})
        QCOMPARE(p.TextWidth(s), QFontMetricsF(f, printer.get()).horizontalAdvance(s) * scale);
}

void TestPrintCommand::command_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("toFile");
    QTest::addColumn<QString>("message");
    QTest::newRow("cancelled") << false << true << QString();
    QTest::newRow("printer cannot be opened")
        << true << false << QStringLiteral("Impossibile avviare la stampa.");
    QTest::newRow("printed") << true << true << QString();
}

void TestPrintCommand::command()
{
    QFETCH(bool, accept);
    QFETCH(bool, toFile);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("scheda.pdf"));
    testing::Fixture f(Modello::Monistico);
    win::QuestionnaireWindow &w = f.window();
    win::controls(w).TEXT_GENERALE[0]->setText(QStringLiteral("Beta S.p.A."));
    f.state().ultimoTabIndex = 7;
    f.platform.choosePrinter(accept, toFile ? pdf : QString());
    if (!message.isEmpty())
        f.platform.answer(platform::Answer::Ok, message);
    cmd::stampaScheda(*f.module);

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
    const QString doc = text.simplified();
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
