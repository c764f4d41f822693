#include "focusrules.h"

#include "controls.h"
#include "generaldata.h"
#include "membersgrid.h"
#include "modelmodule.h"
#include "questionnaire/indices.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

namespace win
{

using qst::ControlKind;

namespace
{

template <typename Array> QWidget *element(const Array &controls, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= controls.size())
        return nullptr;
    return controls[static_cast<size_t>(index)];
}

// Moves a scroll bar the least that shows `first` to `last` of a page `extent` long; a control
// longer than the page shows from its start.
void scrollOnto(QScrollBar &bar, int first, int last, int extent)
{
    constexpr int margin = 8;
    int value = bar.value();
    if (last + margin >= value + extent)
        value = last + margin - extent + 1;
    if (first - margin < value)
        value = first - margin;
    bar.setValue(value);
}

bool isAnswerBox(ControlKind kind)
{
    return kind == ControlKind::SiBox || kind == ControlKind::NoBox || kind == ControlKind::NaBox;
}

} // namespace

FocusRules::FocusRules(QWidget &window, Controls &controls, ModelModule &module)
    : w_(window), c_(controls), m_(module)
{
}

FocusRules::~FocusRules() = default;

QWidget *FocusRules::control(const qst::TabStop &stop) const
{
    switch (stop.kind) {
    case ControlKind::TabStrip:
        return c_.MySSTab->tabBar();
    case ControlKind::Field:
        return element(c_.TEXT_GENERALE, stop.index);
    case ControlKind::SiBox:
        return element(c_.Check_SI, stop.index);
    case ControlKind::NoBox:
        return element(c_.Check_NO, stop.index);
    case ControlKind::NaBox:
        return element(c_.Check_NA, stop.index);
    case ControlKind::NumberBox:
        return element(c_.TEXT, stop.index);
    case ControlKind::RiunioniNA:
        return c_.chk_RiunioniNA;
    case ControlKind::Grid:
        return c_.MSHFlexGrid1;
    case ControlKind::Button:
        return element(c_.Command_Function, stop.index);
    case ControlKind::AddMember:
        return c_.btnAggiungi;
    }
    return nullptr;
}

void FocusRules::connectControls()
{
    bool tabStrip = false;
    QWidget *previous = nullptr;
    for (const qst::TabStop &stop : qst::ordineTab(m_.modello())) {
        QWidget *widget = control(stop);
        stops_.push_back(Stop{widget, stop});
        tabStrip = tabStrip || stop.kind == ControlKind::TabStrip;
        if (!widget)
            continue;
        positions_.insert(widget, stops_.size() - 1);
        widget->installEventFilter(this);
        // Qt's own chain follows the order too, for the moves Qt makes by itself.
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    if (!tabStrip) {
        c_.MySSTab->setFocusPolicy(Qt::NoFocus);
        c_.MySSTab->tabBar()->setFocusPolicy(Qt::NoFocus);
    }
    // The cell editor takes the focus only when the grid opens it; Tab in it leaves the grid.
    c_.txtEdit->setFocusPolicy(Qt::ClickFocus);
    c_.txtEdit->installEventFilter(this);
    w_.installEventFilter(this);
}

void FocusRules::focusFirst()
{
    if (!stops_.empty() && stops_.front().widget)
        stops_.front().widget->setFocus(Qt::OtherFocusReason);
}

bool FocusRules::takesFocus(const Stop &s) const
{
    QWidget *widget = s.widget;
    if (!widget || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
        return false;
    if (s.stop.page < 0)
        return widget->isVisibleTo(&w_);
    // Shown once its page is: the page is selectable and nothing between them is hidden.
    return c_.MySSTab->isTabEnabled(s.stop.page) && widget->isVisibleTo(c_.MySSTab->widget(s.stop.page));
}

void FocusRules::moveFocus(bool forward)
{
    const size_t n = stops_.size();
    if (n == 0)
        return;
    QWidget *current = w_.focusWidget();
    if (current == c_.txtEdit)
        current = c_.MSHFlexGrid1;
    const auto at = positions_.constFind(current);
    // From a control outside the order, Tab starts at the first stop and Shift+Tab at the last.
    const size_t from = at != positions_.cend() ? *at : (forward ? n - 1 : 0);
    for (size_t step = 1; step <= n; ++step) {
        const size_t i = forward ? (from + step) % n : (from + n - step) % n;
        if (takesFocus(stops_[i])) {
            focusStop(stops_[i], forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void FocusRules::focusStop(const Stop &s, Qt::FocusReason reason)
{
    QTabWidget *tabs = c_.MySSTab;
    const int page = s.stop.page;
    if (page >= 0 && tabs->currentIndex() != page) {
        const QWidget *shown = tabs->currentWidget();
        if (shown && shown->isAncestorOf(w_.focusWidget())) {
            // Leave the control before its page goes: Qt would hand the focus of a hidden page on
            // by itself.
            w_.setFocus(reason);
            if (w_.focusWidget() != &w_)
                return; // the control's leaving rule put the focus somewhere
        }
        tabs->setCurrentIndex(page);
    }
    s.widget->setFocus(reason);
    if (QWidget *now = w_.focusWidget(); now && now != &w_)
        scrollIntoView(now);
}

void FocusRules::scrollIntoView(QWidget *w) const
{
    for (QWidget *p = w->parentWidget(); p && p != &w_; p = p->parentWidget())
        if (auto *area = qobject_cast<QScrollArea *>(p)) {
            const QRect r(w->mapTo(area->widget(), QPoint(0, 0)), w->size());
            scrollOnto(*area->horizontalScrollBar(), r.left(), r.right(), area->viewport()->width());
            scrollOnto(*area->verticalScrollBar(), r.top(), r.bottom(), area->viewport()->height());
            return;
        }
}

bool FocusRules::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const bool backtab = key->key() == Qt::Key_Backtab ||
                             (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (!backtab && key->key() != Qt::Key_Tab)
            return false;
        moveFocus(!backtab);
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const auto at = positions_.constFind(watched);
        if (at != positions_.cend() && isAnswerBox(stops_[*at].stop.kind) && leavesControl(event))
            boxFocusEvent(stops_[*at].stop, event->type() == QEvent::FocusIn);
        return false;
    }
    default:
        return false;
    }
}

void FocusRules::boxFocusEvent(const qst::TabStop &stop, bool in)
{
    const int k = stop.index;
    switch (stop.kind) {
    case ControlKind::SiBox:
        in ? Check_SI_GotFocus(k) : Check_SI_LostFocus(k);
        break;
    case ControlKind::NoBox:
        in ? Check_NO_GotFocus(k) : Check_NO_LostFocus(k);
        break;
    case ControlKind::NaBox:
        in ? Check_NA_GotFocus(k) : Check_NA_LostFocus(k);
        break;
    default:
        break;
    }
}

void FocusRules::Check_SI_GotFocus(int k)
{
    boxGotFocus(k);
}

void FocusRules::Check_NO_GotFocus(int k)
{
    boxGotFocus(k);
}

void FocusRules::Check_NA_GotFocus(int k)
{
    boxGotFocus(k);
}

void FocusRules::Check_SI_LostFocus(int k)
{
    boxLostFocus(ControlKind::SiBox, k);
}

void FocusRules::Check_NO_LostFocus(int k)
{
    boxLostFocus(ControlKind::NoBox, k);
}

void FocusRules::Check_NA_LostFocus(int k)
{
    boxLostFocus(ControlKind::NaBox, k);
}

void FocusRules::boxGotFocus(int k)
{
    // A question's box records the place of its group's "N/A" box; the boxes of "Dati Generali"
    // record nothing.
    if (qst::isItemGroup(k))
        return;
    m_.setUltimoTabIndex(qst::tabIndexOf(m_.modello(), ControlKind::NaBox, k));
}

void FocusRules::boxLostFocus(ControlKind kind, int k)
{
    m_.setUltimoTabIndex(qst::tabIndexOf(m_.modello(), kind, k));
}

} // namespace win
