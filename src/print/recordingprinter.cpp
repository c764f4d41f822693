#include "recordingprinter.h"

namespace prn
{

double RecordingPrinter::charWidth(QChar c, const Font &font)
{
    static const QString narrow = QStringLiteral(" .,'()/iljtfrI");
    static const QString wide = QStringLiteral("mwMW");
    const double w = narrow.contains(c) ? 0.75 : wide.contains(c) ? 2.5 : 1.5;
    return w * (font.bold ? 1.25 : 1.0) * font.size / 10;
}

double RecordingPrinter::lineWidth(const QString &line, const Font &font)
{
    double w = 0;
    for (QChar c : line)
        w += charWidth(c, font);
    return w;
}

QStringList RecordingPrinter::texts() const
{
    QStringList out;
    for (const Item &i : items())
        out << i.text;
    return out;
}

QStringList RecordingPrinter::textsOnPage(int page) const
{
    QStringList out;
    for (const Item &i : items())
        if (i.page == page)
            out << i.text;
    return out;
}

std::vector<Printer::Item> RecordingPrinter::offPageItems() const
{
    std::vector<Item> out;
    for (const Item &i : items())
        if (i.offPage)
            out.push_back(i);
    return out;
}

} // namespace prn
