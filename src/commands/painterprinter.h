#pragma once

#include "print/printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QRectF>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPrinter;

namespace cmd
{

// The face that prints a font name of the printout: "MS Sans Serif" prints in "Liberation
// Sans", whose widths are those the layout was made for; any other name stands as it is.
QString printFace(const QString &name);
// The Qt font of a printer font: upright, not underlined, not struck out.
QFont printFont(const prn::Printer::Font &font);

// The printer over a QPrinter (a system printer or a PDF file). It measures with the printer's
// own font metrics and maps the user scale onto the printable area by hand, so that glyphs keep
// their shape. The document is painted only by EndDoc: a printout that fails before opens no
// print job and writes no file. A PDF file has margins of kPdfMargin millimetres on every side
// and is written whole or not at all: a failure while it is written leaves no file behind, and
// an earlier file of that name as it was. When painting fails, a system printer's job is
// aborted where the system allows it. EndDoc then throws "Impossibile completare la stampa."
// with the cause on a new line where it is known.
class PainterPrinter : public prn::Printer
{
public:
    // Most printers cannot print closer to the edge of the sheet.
    static constexpr double kPdfMargin = 5;

    explicit PainterPrinter(QPrinter &printer);
    ~PainterPrinter() override;

protected:
    double lineWidth(const QString &line, const Font &font) override;
    double lineHeight(const Font &font) override;
    void deliver() override;

private:
    // Paints the recorded items, beginning the sheets through `newPage`; false when it fails.
    bool paint(QPainter &painter, const std::function<bool()> &newPage);
    void deliverPdf();
    void deliverToPrinter();

    struct Face {
        Font key;
        QFont font;
        QFontMetricsF metrics;
        std::vector<qreal> advances; // of the characters below 0x250, -1 until measured
        qreal advance(QChar c);
    };
    Face &face(const Font &font);

    QPrinter &printer_;
    QPageLayout layout_; // the page and its margins
    QRectF area_;        // the printable area in device pixels
    std::vector<std::unique_ptr<Face>> faces_;
    Face *last_ = nullptr;
};

} // namespace cmd
