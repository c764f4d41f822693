#include "controllofinestra.h"

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

namespace sf
{

namespace
{

template <typename Array> QWidget *elemento(const Array &controls, int i)
{
    if (i < 0 || static_cast<size_t>(i) >= controls.size() || !controls[static_cast<size_t>(i)])
        throw core::outOfRange();
    return controls[static_cast<size_t>(i)];
}

QWidget *bersaglio(win::QuestionnaireWindow &w, const Fuoco &f)
{
    switch (f.controllo) {
    case Fuoco::Controllo::Campo:
        return elemento(w.TEXT_GENERALE, f.indice);
    case Fuoco::Controllo::Griglia:
        return w.MSHFlexGrid1;
    case Fuoco::Controllo::Risposta:
        return elemento(w.Check_SI, f.indice);
    case Fuoco::Controllo::Numero:
        return elemento(w.TEXT, f.indice);
    case Fuoco::Controllo::Nessuno:
        break;
    }
    return nullptr;
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

void messaggio(win::ModelModule &module, const Rilievo &r)
{
    if (!r.testo.isEmpty())
        module.platform.dialogs.message(
            platform::BoxRequest{r.testo, r.titolo, platform::Buttons::Ok, r.icona, 0});
}

} // namespace

void mostraRiquadro(win::QuestionnaireWindow &window, int k)
{
    window.MySSTab->setCurrentIndex(qst::pageOfGroup(k));
}

void mostraRilievo(win::ModelModule &module, const Rilievo &r)
{
    win::QuestionnaireWindow &w = module.window();
    // A window hidden in the notification area comes back before anything is shown on it.
    w.MENU_RIPRISTINA_Click();
    if (r.messaggioPrima)
        messaggio(module, r);
    if (r.pagina >= 0)
        w.MySSTab->setCurrentIndex(r.pagina);
    // The page goes first: a control on a page that is not shown takes no visible focus.
    if (QWidget *control = bersaglio(w, r.fuoco)) {
        if (r.fuoco.controllo == Fuoco::Controllo::Griglia && r.fuoco.riga >= 0)
            w.MSHFlexGrid1->setCurrentCell(r.fuoco.riga, r.fuoco.colonna);
        control->setFocus(Qt::OtherFocusReason);
        // Leaving a one-digit day or month completes it and moves on to the next date box:
        // the focus still goes where the message points.
        if (w.focusWidget() != control)
            control->setFocus(Qt::OtherFocusReason);
        rendiVisibile(control);
    }
    if (!r.messaggioPrima)
        messaggio(module, r);
}

bool controllaScheda(win::ModelModule &module)
{
    win::QuestionnaireWindow &w = module.window();
    qst::Contenuto c = win::leggiContenuto(module);

    bool generabile = true;
    for (const Rilievo &r : controllaDati(c)) {
        mostraRilievo(module, r);
        generabile = false;
        if (r.tipo == Rilievo::Tipo::Blocca)
            return false;
    }

    int riga = 0;
    while (const std::optional<Rilievo> r = controllaIncarichi(c, riga)) {
        if (r->tipo != Rilievo::Tipo::Domanda) {
            mostraRilievo(module, *r);
            return false;
        }
        w.MENU_RIPRISTINA_Click();
        const platform::Answer risposta = module.platform.dialogs.message(
            platform::BoxRequest{r->testo, r->titolo, platform::Buttons::YesNo, r->icona, 0});
        if (risposta != platform::Answer::Yes) {
            mostraRilievo(module, rinunciaNota());
            return false;
        }
        // Ticking the box again opens its note window; the answer box's own rules run.
        QCheckBox *box = w.Check_SI[qst::kGruppoIncarichi];
        box->setChecked(false);
        box->setChecked(true);
        c = win::leggiContenuto(module);
        if (!notaPresente(c, qst::kGruppoIncarichi)) {
            mostraRilievo(module, notaMancante(c, qst::kGruppoIncarichi));
            return false;
        }
        riga = r->riga + 1;
    }
    return generabile;
}

} // namespace sf
