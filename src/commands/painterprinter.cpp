#include "painterprinter.h"

#include "core/error.h"

#include <QPainter>
#include <QPrinter>

namespace cmd
{

QString printFace(const QString &name)
{
    if (name.compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    return name;
}

QFont printFont(const prn::Printer::Font &font)
{
    QFont f(printFace(font.name));
    f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    // Plain advances, no kerning: faster to measure, and a run of n characters is n times one.
    f.setKerning(false);
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

PainterPrinter::PainterPrinter(QPrinter &printer)
    : printer_(printer), area_(printer.pageLayout().paintRectPixels(printer.resolution()))
{
}

PainterPrinter::~PainterPrinter() = default;

PainterPrinter::Face &PainterPrinter::face(const Font &font)
{
    const auto same = [&font](const Face &f) {
        return f.key.size == font.size && f.key.bold == font.bold && f.key.name == font.name;
    };
    if (last_ && same(*last_))
        return *last_;
    for (const auto &f : faces_)
        if (same(*f))
            return *(last_ = f.get());
    const QFont f = printFont(font);
    faces_.push_back(std::make_unique<Face>(Face{font, f, QFontMetricsF(f, &printer_), {}}));
    return *(last_ = faces_.back().get());
}

qreal PainterPrinter::Face::advance(QChar c)
{
    if (advances.empty())
        advances.assign(0x250, -1);
    qreal &a = advances[c.unicode()];
    if (a < 0)
        a = metrics.horizontalAdvance(c);
    return a;
}

double PainterPrinter::lineWidth(const QString &line, const Font &font)
{
    // Without shaping or kerning a line is as wide as its characters' advances together; text
    // outside the Latin ranges is measured whole.
    Face &f = face(font);
    qreal width = 0;
    for (QChar c : line) {
        if (c.unicode() >= 0x250 || c.category() == QChar::Mark_NonSpacing) {
            width = f.metrics.horizontalAdvance(line);
            break;
        }
        width += f.advance(c);
    }
    return width * ScaleWidth() / area_.width();
}

double PainterPrinter::lineHeight(const Font &font)
{
    return face(font).metrics.height() * ScaleHeight() / area_.height();
}

void PainterPrinter::deliver()
{
    const double sx = area_.width() / ScaleWidth();
    const double sy = area_.height() / ScaleHeight();
    QPainter painter;
    if (!painter.begin(&printer_))
        throw core::SchedaError(QStringLiteral("Impossibile avviare la stampa."));
    int sheet = 0;
    for (const Item &item : items()) {
        while (sheet < item.page) {
            if (!printer_.newPage()) {
                painter.end();
                throw core::SchedaError(QStringLiteral("Impossibile avviare la stampa."));
            }
            ++sheet;
        }
        const Face &f = face(item.font);
        painter.setFont(f.font);
        painter.drawText(QPointF(item.x * sx, item.y * sy + f.metrics.ascent()), item.text);
    }
    // Sheets begun after the last item are printed empty, as they were asked for.
    while (sheet < page()) {
        printer_.newPage();
        ++sheet;
    }
    if (!painter.end())
        throw core::SchedaError(QStringLiteral("Impossibile avviare la stampa."));
}

} // namespace cmd
