#include "checkcommand.h"

#include "core/error.h"
#include "questionnaire/regolecontrollo.h"
#include "windows/contenutofinestra.h"
#include "windows/membersgrid.h"
#include "windows/modelmodule.h"
#include "windows/questionnairewindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>

namespace cmd
{

namespace
{

template <typename Array> QWidget *elemento(const Array &controls, int i)
{
    if (i < 0 || static_cast<size_t>(i) >= controls.size() || !controls[static_cast<size_t>(i)])
        throw core::outOfRange();
    return controls[static_cast<size_t>(i)];
}

QWidget *bersaglio(win::QuestionnaireWindow &w, const qst::FocusTarget &f)
{
    switch (f.kind) {
    case qst::FocusTarget::Kind::Field:
        return elemento(w.TEXT_GENERALE, f.index);
    case qst::FocusTarget::Kind::Grid:
        return w.MSHFlexGrid1;
    case qst::FocusTarget::Kind::Answer:
        return elemento(w.Check_SI, f.index);
    case qst::FocusTarget::Kind::NumberBox:
        return elemento(w.TEXT, f.index);
    case qst::FocusTarget::Kind::None:
        break;
    }
    return nullptr;
}

platform::Icon icona(qst::FindingIcon icon)
{
    return icon == qst::FindingIcon::Exclamation ? platform::Icon::Exclamation : platform::Icon::Critical;
}

// Scrolls the page that holds a control until the control shows.
void rendiVisibile(QWidget *control)
{
    for (QWidget *p = control->parentWidget(); p; p = p->parentWidget())
        if (auto *area = qobject_cast<QScrollArea *>(p)) {
            area->ensureWidgetVisible(control);
            return;
        }
}

void messaggio(win::ModelModule &module, const qst::Finding &r)
{
    if (!r.text.isEmpty())
        module.platform.dialogs.message(
            platform::BoxRequest{r.text, r.title, platform::Buttons::Ok, icona(r.icon), 0});
}

} // namespace

void showFinding(win::ModelModule &module, const qst::Finding &r)
{
    win::QuestionnaireWindow &w = module.window();
    // A window hidden in the notification area comes back before anything is shown on it.
    w.MENU_RIPRISTINA_Click();
    if (r.messageFirst)
        messaggio(module, r);
    if (r.page >= 0)
        w.MySSTab->setCurrentIndex(r.page);
    // The page goes first: a control on a page that is not shown takes no visible focus.
    if (QWidget *control = bersaglio(w, r.focus)) {
        if (r.focus.kind == qst::FocusTarget::Kind::Grid && r.focus.row >= 0)
            w.MSHFlexGrid1->setCurrentCell(r.focus.row, r.focus.column);
        control->setFocus(Qt::OtherFocusReason);
        // Leaving a one-digit day or month completes it and moves on to the next date box:
        // the focus still goes where the message points.
        if (w.focusWidget() != control)
            control->setFocus(Qt::OtherFocusReason);
        rendiVisibile(control);
    }
    if (!r.messageFirst)
        messaggio(module, r);
}

bool controllaScheda(win::ModelModule &module)
{
    win::QuestionnaireWindow &w = module.window();
    qst::Contenuto c = win::leggiContenuto(module);

    bool generabile = true;
    for (const qst::Finding &r : qst::checkData(c)) {
        showFinding(module, r);
        generabile = false;
        if (r.kind == qst::Finding::Kind::Stop)
            return false;
    }

    int riga = 0;
    while (const std::optional<qst::Finding> r = qst::checkOffices(c, riga)) {
        if (r->kind != qst::Finding::Kind::Question) {
            showFinding(module, *r);
            return false;
        }
        w.MENU_RIPRISTINA_Click();
        const platform::Answer risposta = module.platform.dialogs.message(
            platform::BoxRequest{r->text, r->title, platform::Buttons::YesNo, icona(r->icon), 0});
        if (risposta != platform::Answer::Yes) {
            showFinding(module, qst::noteDeclined());
            return false;
        }
        // Ticking the box again opens its note window; the answer box's own rules run.
        QCheckBox *box = w.Check_SI[qst::kGruppoIncarichi];
        box->setChecked(false);
        box->setChecked(true);
        c = win::leggiContenuto(module);
        if (!qst::notePresent(c, qst::kGruppoIncarichi)) {
            showFinding(module, qst::missingNote(c, qst::kGruppoIncarichi));
            return false;
        }
        riga = r->row + 1;
    }
    return generabile;
}

} // namespace cmd
