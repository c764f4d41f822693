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
    const auto show = [&module](const qst::Finding &f) { showFinding(module, f); };
    const auto ask = [&](const qst::Finding &question) -> std::optional<qst::Contenuto> {
        w.restore();
        const platform::Answer risposta = module.platform().dialogs.message(platform::BoxRequest{
            question.text, question.title, platform::Buttons::YesNo, icona(question.icon), 0});
        if (risposta != platform::Answer::Yes)
            return std::nullopt;
        // Ticking the box again opens its note window; the answer box's own rules run.
        w.retickSi(qst::kOfficesItemGroup);
        return win::leggiContenuto(module);
    };
    return qst::runCheck(win::leggiContenuto(module), show, ask);
}

} // namespace cmd
