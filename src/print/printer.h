#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace prn
{

// The printer object the printouts draw on. Positions and widths are in user units (the scale
// the printout sets, 197 x 297), X from the left edge and Y down from the top edge; a text item
// is placed by its left edge and its top. The whole document is recorded as items and handed
// to the back end only by EndDoc: a printer destroyed before EndDoc sends nothing.
class Printer
{
public:
    struct Font {
        QString name;
        double size = 10;
        bool bold = false;
    };
    // One printed item.
    struct Item {
        int page = 0; // 0 for the first sheet
        double x = 0;
        double y = 0;
        double width = 0;
        double height = 0;
        Font font;
        QString text;
        bool offPage = false;
    };

    virtual ~Printer() = default;

    double ScaleWidth() const { return scaleWidth_; }
    double ScaleHeight() const { return scaleHeight_; }
    void setScaleWidth(double w) { scaleWidth_ = w; }
    void setScaleHeight(double h) { scaleHeight_ = h; }

    void setFontName(const QString &name) { font_.name = name; }
    double FontSize() const { return font_.size; }
    void setFontSize(double size) { font_.size = size; }
    bool FontBold() const { return font_.bold; }
    void setFontBold(bool bold) { font_.bold = bold; }
    const Font &font() const { return font_; }

    double CurrentX() const { return x_; }
    double CurrentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }

    // Width of s in the current font; a text of several lines is as wide as its widest line.
    double TextWidth(const QString &s);
    // Height of one line of the current font: what Print adds to CurrentY.
    double TextHeight();
    // Prints s with its left edge at CurrentX and its top at CurrentY, then moves to the start
    // of the next line. A text of several lines prints them one under the other.
    void Print(const QString &s);
    // Ends the current sheet and begins a new one.
    void NewPage();
    // Ends the document and hands it to the back end; throws core::SchedaError when the back
    // end cannot take it.
    void EndDoc();

    int page() const { return page_; }
    // How many times TextWidth has measured: tests bound the measuring work with it.
    long measurements() const { return measurements_; }
    void resetMeasurements() { measurements_ = 0; }
    const std::vector<Item> &items() const { return items_; }
    bool ended() const { return ended_; }

protected:
    // Width and height of one line of text, without line breaks, in user units.
    virtual double lineWidth(const QString &line, const Font &font) = 0;
    virtual double lineHeight(const Font &font) = 0;
    // Hands the recorded document to the device.
    virtual void deliver() {}

private:
    void record(const QString &line);

    double scaleWidth_ = 197;
    double scaleHeight_ = 297;
    Font font_;
    double x_ = 0;
    double y_ = 0;
    int page_ = 0;
    bool ended_ = false;
    long measurements_ = 0;
    std::vector<Item> items_;
};

} // namespace prn
