#include "painterprinter.h"

#include "core/error.h"
#include "schedafile/scrittorexml.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <cerrno>

namespace cmd
{

namespace
{

const QString kCannotStart = QStringLiteral("Impossibile avviare la stampa.");
const QString kCannotFinish = QStringLiteral("Impossibile completare la stampa.");

[[noreturn]] void fail(const QString &message, const QString &cause)
{
    throw core::SchedaError(cause.isEmpty() ? message : message + QLatin1Char('\n') + cause);
}

// The page a printout is laid out on: the printer's own, or for a PDF file its paper with the
// program's margins.
QPageLayout pageLayoutFor(const QPrinter &printer)
{
    const QPageLayout layout = printer.pageLayout();
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return layout;
    const double m = PainterPrinter::kPdfMargin;
    return QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF(m, m, m, m),
                       QPageLayout::Millimeter);
}

// Why writing `file` failed, in the words of a failed save, from the file's error and the
// system's error number read right after the failing step; the empty text when nothing failed
// on the file itself.
QString writeFailure(const QFileDevice &file, int systemError)
{
    // QSaveFile refuses an existing file that may not be written before the system is asked.
    const QFileInfo target(file.fileName());
    if (systemError == 0 && target.exists() && !target.isWritable())
        systemError = EACCES;
    if (systemError == 0 && file.error() == QFileDevice::NoError)
        return QString();
    return sf::saveFailureCause(file.error(), systemError);
}

} // namespace

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
    : printer_(printer), layout_(pageLayoutFor(printer)), area_(layout_.paintRectPixels(printer.resolution()))
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

bool PainterPrinter::paint(QPainter &painter, const std::function<bool()> &newPage)
{
    const double sx = area_.width() / ScaleWidth();
    const double sy = area_.height() / ScaleHeight();
    int sheet = 0;
    for (const Item &item : items()) {
        for (; sheet < item.page; ++sheet)
            if (!newPage())
                return false;
        const Face &f = face(item.font);
        painter.setFont(f.font);
        painter.drawText(QPointF(item.x * sx, item.y * sy + f.metrics.ascent()), item.text);
    }
    // Sheets begun after the last item are printed empty, as they were asked for.
    for (; sheet < page(); ++sheet)
        if (!newPage())
            return false;
    return true;
}

void PainterPrinter::deliver()
{
    if (printer_.outputFormat() == QPrinter::PdfFormat)
        deliverPdf();
    else
        deliverToPrinter();
}

void PainterPrinter::deliverToPrinter()
{
    QPainter painter;
    if (!painter.begin(&printer_))
        fail(kCannotStart, QString());
    const bool painted = paint(painter, [this] { return printer_.newPage(); });
    // Where the system cannot abort a job, ending the painter sends the sheets painted so far.
    if (!painted)
        printer_.abort();
    const bool ended = painter.end();
    if (!painted || !ended)
        fail(kCannotFinish, QString());
}

void PainterPrinter::deliverPdf()
{
    // A file, or a new one, is written beside its name and takes its place only when whole;
    // anything else (a device, a pipe) is written directly.
    const QString path = printer_.outputFileName();
    const QFileInfo target(path);
    if (path.isEmpty())
        fail(kCannotStart, QString());
    std::unique_ptr<QFileDevice> file;
    if (target.exists() && !target.isFile())
        file = std::make_unique<QFile>(path);
    else
        file = std::make_unique<QSaveFile>(path);
    // The system's error number of the first failing step, read right after it.
    int systemError = 0;
    const auto step = [&systemError](const auto &run) {
        errno = 0;
        const bool ok = run();
        if (!ok && systemError == 0)
            systemError = errno;
        return ok;
    };
    if (!step([&] { return file->open(QIODevice::WriteOnly); }))
        fail(kCannotStart, writeFailure(*file, systemError));
    const auto written = [&file] { return file->error() == QFileDevice::NoError; };

    bool ok;
    {
        QPdfWriter writer(file.get());
        writer.setPdfVersion(printer_.pdfVersion());
        writer.setResolution(printer_.resolution());
        writer.setPageLayout(layout_);
        writer.setCreator(printer_.creator());
        writer.setTitle(printer_.docName());
        QPainter painter;
        if (!step([&] { return painter.begin(&writer); }))
            fail(kCannotStart, writeFailure(*file, systemError));
        ok = step([&] { return paint(painter, [&] { return writer.newPage() && written(); }) && written(); });
        // The writer flushes the rest of the file when the painter ends.
        ok = step([&] { return painter.end() && written(); }) && ok;
    }
    if (ok) {
        if (auto *save = qobject_cast<QSaveFile *>(file.get())) {
            ok = step([&] { return save->commit(); });
        } else {
            ok = step([&] {
                file->close();
                return written();
            });
        }
    }
    // An unfinished QSaveFile takes its partial file away with it.
    if (!ok)
        fail(kCannotFinish, writeFailure(*file, systemError));
}

} // namespace cmd
