#include "printcommand.h"

#include "painterprinter.h"
#include "print/modulo.h"
#include "windows/contenutofinestra.h"
#include "windows/modelmodule.h"

#include <QPrinter>
#include <QScopeGuard>

namespace cmd
{

bool printOnChosenPrinter(platform::Dialogs &dialogs, const std::function<void(prn::Printer &)> &printout)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs.choosePrinter(printer))
        return false;
    PainterPrinter out(printer);
    printout(out);
    return true;
}

void stampaScheda(win::ModelModule &module)
{
    const qst::ModelState &s = module.state();
    platform::Dialogs &dialogs = module.platform().dialogs;
    platform::trapErrors(
        dialogs,
        [&] {
            // A printout counts its pages from 1, also one that the printer dialog cancels.
            module.setStatoStampa(1, s.rigaStampa, s.titoloSezione, s.testoAppoggio);
            printOnChosenPrinter(dialogs, [&](prn::Printer &out) {
                const qst::Contenuto c = win::leggiContenuto(module);
                prn::StatoStampa stato;
                stato.titoloSezione = s.titoloSezione;
                stato.testoAppoggio = s.testoAppoggio;
                // The print state stays with the model, also when the printout stops at an error.
                const auto keep = qScopeGuard([&] {
                    module.setStatoStampa(stato.contaPagine, stato.rigaStampa, stato.titoloSezione,
                                          stato.testoAppoggio);
                });
                prn::stampaModulo(out, c, stato);
            });
            module.setUltimoTabIndex(1);
        },
        QString(), platform::Icon::Critical);
}

} // namespace cmd
