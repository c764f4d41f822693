#include "printer.h"

#include "questionnaire/modelstate.h"

#include <algorithm>

namespace prn
{

namespace
{

// A rule of one repeated character reaches the margin within its last character: the search
// for the shortest run that is wide enough lets it end past the margin by less than that.
bool runReachingMargin(const Printer::Item &item, double right, double lastWidth)
{
    if (item.text.isEmpty() || item.text.count(item.text.front()) != item.text.size())
        return false;
    return item.x + item.width - lastWidth < right;
}

} // namespace

double Printer::TextWidth(const QString &s)
{
    ++measurements_;
    double widest = 0;
    for (const QString &line : qst::noteLines(s))
        widest = std::max(widest, lineWidth(line, font_));
    return widest;
}

double Printer::TextHeight()
{
    return lineHeight(font_);
}

void Printer::Print(const QString &s)
{
    const QStringList lines = qst::noteLines(s);
    for (const QString &line : lines) {
        if (!line.isEmpty())
            record(line);
        x_ = 0;
        y_ += lineHeight(font_);
    }
}

void Printer::record(const QString &line)
{
    Item item;
    item.page = page_;
    item.x = x_;
    item.y = y_;
    item.width = lineWidth(line, font_);
    item.height = lineHeight(font_);
    item.font = font_;
    item.text = line;
    const double eps = 1e-9;
    const bool wide = item.x + item.width > scaleWidth_ + eps &&
                      !runReachingMargin(item, scaleWidth_, lineWidth(line.right(1), font_));
    item.offPage = item.x < -eps || item.y < -eps || wide || item.y + item.height > scaleHeight_ + eps;
    items_.push_back(std::move(item));
}

void Printer::NewPage()
{
    ++page_;
    x_ = 0;
    y_ = 0;
}

void Printer::EndDoc()
{
    deliver();
    ended_ = true;
}

} // namespace prn
