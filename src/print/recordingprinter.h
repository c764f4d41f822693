#pragma once

#include "printer.h"

namespace prn
{

// The printer of the tests: fixed metrics and the recorded items, nothing sent anywhere.
// At size 10, not bold, a character is 1.5 units wide, the blank, "." and the other narrow
// characters (",'()/iljtfrI") 0.75, and "m", "w", "M", "W" 2.5; bold makes every character 1.25
// times as wide; other sizes scale in proportion. A line is 0.4 units high per point (4 at 10).
class RecordingPrinter : public Printer
{
public:
    static double charWidth(QChar c, const Font &font);

    // The texts printed, in order; those on one page; the items flagged off the page.
    QStringList texts() const;
    QStringList textsOnPage(int page) const;
    std::vector<Item> offPageItems() const;

protected:
    double lineWidth(const QString &line, const Font &font) override;
    double lineHeight(const Font &font) override { return 0.4 * font.size; }
};

} // namespace prn
