#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

namespace win
{

// Lifts QLineEdit's default limit of 32767 characters: the boxes have no length limit of their
// own (their key rules enforce the typed limits), and text set by the program stays whole.
void senzaLimite(QLineEdit &edit);

// Keeps a box's rules for text that reaches it without a key press.
//
// Pasted or dropped text (shortcut, context menu, middle click, drag and drop) loses only the
// characters of a kind that the box's key rule refuses; it is not cut to a length and makes no
// sound. The box holds a single line: each line break in it (CR LF, CR or LF) becomes one blank,
// which the kind rule then takes or refuses like any blank. Text committed by an input method counts as
// typing: each character goes through the key rule, limits and beeps included. Text set by the program is
// never looked at.
class InputGuard : public QObject
{
    Q_OBJECT
public:
    // A character of a kind the key rule accepts.
    using Kind = std::function<bool(char32_t)>;
    // Runs the box's key procedure on a character code; returns the code, or 0 to drop the key.
    using KeyRule = std::function<int(int)>;

    InputGuard(QLineEdit &edit, Kind kind, KeyRule keyRule);

    static bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
    static bool anyCharacter(char32_t) { return true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void edited();

    QLineEdit &edit_;
    Kind kind_;
    KeyRule keyRule_;
    QString before_; // the text before the change being looked at
    bool forwarding_ = false;
};

} // namespace win
