#pragma once

#include <QLabel>

namespace win
{

// Colours a note link is painted with: red marks a note that is present.
inline constexpr quint32 kColorRed = 255;
inline constexpr quint32 kColorBlack = 0;
inline constexpr quint32 kColorButtonText = 0x80000012u;

// A note link (Label_NOTA): a clickable label whose foreground colour tells whether its note
// holds text. The colour is kept as the value the program sets, and drawn from it.
class NoteLink : public QLabel
{
    Q_OBJECT
public:
    explicit NoteLink(const QString &caption, QWidget *parent = nullptr);

    quint32 foreColor() const { return foreColor_; }
    void setForeColor(quint32 color);
    bool isRed() const { return foreColor_ == kColorRed; }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    quint32 foreColor_ = kColorButtonText;
};

} // namespace win
