#include "checkcommand.h"

#include "questionnaire/indices.h"
#include "windows/contenutofinestra.h"
#include "windows/modelmodule.h"
#include "windows/questionnairewindow.h"

namespace cmd
{

namespace
{

platform::Icon icona(qst::FindingIcon icon)
{
    return icon == qst::FindingIcon::Exclamation ? platform::Icon::Exclamation : platform::Icon::Critical;
}

void messaggio(win::ModelModule &module, const qst::Finding &r)
{
    if (!r.text.isEmpty())
        module.platform().dialogs.message(
            platform::BoxRequest{r.text, r.title, platform::Buttons::Ok, icona(r.icon), 0});
}

} // namespace

void showFinding(win::ModelModule &module, const qst::Finding &r)
{
    win::QuestionnaireWindow &w = module.window();
    // A window hidden in the notification area comes back before anything is shown on it.
    w.restore();
    if (r.messageFirst)
        messaggio(module, r);
    // The page goes first: a control on a page that is not shown takes no visible focus.
    if (r.page >= 0)
        w.showPage(r.page);
    w.focusTarget(r.focus);
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
        w.restore();
        const platform::Answer risposta = module.platform().dialogs.message(
            platform::BoxRequest{r->text, r->title, platform::Buttons::YesNo, icona(r->icon), 0});
        if (risposta != platform::Answer::Yes) {
            showFinding(module, qst::noteDeclined());
            return false;
        }
        // Ticking the box again opens its note window; the answer box's own rules run.
        w.retickSi(qst::kOfficesItemGroup);
        c = win::leggiContenuto(module);
        if (!qst::notePresent(c, qst::kOfficesItemGroup)) {
            showFinding(module, qst::missingNote(c, qst::kOfficesItemGroup));
            return false;
        }
        riga = r->row + 1;
    }
    return generabile;
}

} // namespace cmd
