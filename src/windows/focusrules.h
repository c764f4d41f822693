#pragma once

#include "questionnaire/taborder.h"

#include <QHash>
#include <QObject>
#include <vector>

class QWidget;

namespace win
{

class ModelModule;
struct Controls;

// The keyboard's way through a questionnaire window: Tab and Shift+Tab follow the model's tab
// order across the six pages, selecting the page of the control they move to, and the answer
// boxes record in `ultimoTabIndex` where the focus has been.
//
// Qt skips the controls of a page that is not shown, so the window moves the focus itself: only
// a Tab key turns the page. Focus moves made by a dialog, a menu, a click or the program select
// no page.
class FocusRules : public QObject
{
    Q_OBJECT
public:
    // The rules of `window`, whose named controls are `controls`.
    FocusRules(QWidget &window, Controls &controls, ModelModule &module);
    ~FocusRules() override;
    // Applies the order to the window's controls; called once the widgets exist.
    void connectControls();

    // Gives the focus to the control of TabIndex 0.
    void focusFirst();
    // Moves the focus to the next (previous) shown control of the order, wrapping from the last
    // to the first; a control on another page has its page selected first and is scrolled into
    // view.
    void moveFocus(bool forward);

    // The window's control of a stop of the order; null where the window has none.
    QWidget *control(const qst::TabStop &stop) const;

    // Focus procedures of the answer boxes.
    void Check_SI_GotFocus(int k);
    void Check_NO_GotFocus(int k);
    void Check_NA_GotFocus(int k);
    void Check_SI_LostFocus(int k);
    void Check_NO_LostFocus(int k);
    void Check_NA_LostFocus(int k);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Stop {
        QWidget *widget;
        qst::TabStop stop;
    };

    bool takesFocus(const Stop &s) const;
    void focusStop(const Stop &s, Qt::FocusReason reason);
    void scrollIntoView(QWidget *w) const;
    void boxFocusEvent(const qst::TabStop &stop, bool in);
    void boxGotFocus(int k);
    void boxLostFocus(qst::ControlKind kind, int k);

    QWidget &w_;
    Controls &c_;
    ModelModule &m_;
    std::vector<Stop> stops_;
    QHash<const QObject *, size_t> positions_;
};

} // namespace win
