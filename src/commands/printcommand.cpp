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
    qst::ModelState &state = module.state;
    platform::trapErrors(
        module.platform.dialogs,
        [&] {
            state.contaPagine = 1;
            printOnChosenPrinter(module.platform.dialogs, [&](prn::Printer &out) {
                const qst::Contenuto c = win::leggiContenuto(module);
                prn::StatoStampa stato;
                stato.titoloSezione = state.titoloSezione;
                stato.testoAppoggio = state.testoAppoggio;
                // The print state stays with the model, also when the printout stops at an error.
                const auto keep = qScopeGuard([&] {
                    state.contaPagine = stato.contaPagine;
                    state.rigaStampa = stato.rigaStampa;
                    state.titoloSezione = stato.titoloSezione;
                    state.testoAppoggio = stato.testoAppoggio;
                });
                prn::stampaModulo(out, c, stato);
            });
            state.ultimoTabIndex = 1;
        },
        QString(), platform::Icon::Critical);
}

} // namespace cmd
