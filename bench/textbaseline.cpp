#include "textbaseline.h"

#include "commands/painterprinter.h"
#include "print/modulo.h"
#include "print/v11form.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/modelstate.h"

#include <QElapsedTimer>
#include <QPageLayout>
#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace bench
{

namespace
{

void pdfPrinter(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

// The program's printer, timing the layout up to EndDoc and the painting that EndDoc does.
class TimedPrinter : public cmd::PainterPrinter
{
public:
    explicit TimedPrinter(QPrinter &printer) : PainterPrinter(printer) { clock_.start(); }

    Printout printout() const { return {page() + 1, layoutMs_, paintMs_}; }

protected:
    void deliver() override
    {
        layoutMs_ = double(clock_.nsecsElapsed()) / 1e6;
        PainterPrinter::deliver();
        paintMs_ = double(clock_.nsecsElapsed()) / 1e6 - layoutMs_;
    }

private:
    QElapsedTimer clock_;
    double layoutMs_ = 0;
    double paintMs_ = 0;
};

} // namespace

Paragraphs printedTexts(const qst::Contenuto &c)
{
    Paragraphs out;
    for (size_t i = 0; i < c.generale.size(); ++i)
        if (!c.generale[i].isEmpty())
            out.emplace_back(prn::etichettaGenerale(c.modello, int(i)) + QStringLiteral(" ") + c.generale[i],
                             false);
    for (const QStringList &row : c.membri)
        out.emplace_back(row.mid(0, c.tabella().noteColumn()).join(u' '), false);
    for (int page = 1; page <= 5; ++page)
        for (const qst::PageRow &row : qst::righePagina(c.modello, page)) {
            out.emplace_back(qst::testoDomanda(c.modello, row.q).value_or(QString()), true);
            if (row.k >= 0)
                out.emplace_back(prn::rispostaRiga(c, row.k), false);
        }
    for (int k = 0; k < qst::kGroups; ++k)
        if (!c.notaScritta(k).isEmpty()) {
            out.emplace_back(qst::didascaliaNota(c.modello, k), true);
            out.emplace_back(c.notaScritta(k), false);
        }
    for (const QStringList &row : c.membri)
        if (!row[c.tabella().noteColumn()].isEmpty()) {
            out.emplace_back(row[1], true);
            out.emplace_back(row[c.tabella().noteColumn()], false);
        }
    return out;
}

Paragraphs printedTexts(const qst::V11Content &c)
{
    Paragraphs out;
    const QStringList &labels = qst::v11GeneralLabels();
    for (size_t i = 0; i < c.general.size(); ++i)
        if (!c.general[i].isEmpty())
            out.emplace_back(prn::etichettaGeneralePre(int(i)) + QStringLiteral(" ") + c.general[i], false);
    out.emplace_back(labels.mid(12).join(u' '), true);
    for (int page = 1; page <= 5; ++page)
        for (const qst::PageRow &row : qst::v11PageRows(page)) {
            out.emplace_back(qst::v11QuestionText(row.q).value_or(QString()), true);
            if (row.k >= 0)
                out.emplace_back(prn::rispostaPre(c, row.k), false);
        }
    for (int k = 0; k < qst::kV11Groups; ++k)
        if (c.redLink[size_t(k)]) {
            out.emplace_back(qst::v11NoteCaption(k), true);
            out.emplace_back(c.notaMostrata(k), false);
        }
    return out;
}

int printWithTextDocument(const Paragraphs &paragraphs, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, path);
    const double margin = cmd::PainterPrinter::kPdfMargin;
    printer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);

    QFont face(cmd::printFace(QStringLiteral("MS Sans Serif")));
    face.setPointSizeF(10);
    QTextDocument doc;
    doc.setDefaultFont(face);
    doc.setDocumentMargin(0);
    doc.setPageSize(printer.pageLayout().paintRect(QPageLayout::Point).size());
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignJustify);
    QTextCharFormat plain;
    plain.setFont(face);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    QTextCursor cursor(&doc);
    bool first = true;
    for (const auto &[text, isBold] : paragraphs) {
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        QString t = text;
        t.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
        cursor.insertText(t, isBold ? bold : plain);
    }
    doc.print(&printer);
    return doc.pageCount();
}

Printout printForm(const qst::Contenuto &c, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, path);
    TimedPrinter out(printer);
    prn::StatoStampa stato;
    prn::stampaModulo(out, c, stato);
    return out.printout();
}

Printout printForm(const qst::V11Content &c, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, path);
    TimedPrinter out(printer);
    prn::printV11Form(out, c);
    return out.printout();
}

} // namespace bench
