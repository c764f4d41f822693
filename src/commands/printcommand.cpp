#include "printcommand.h"

#include "painterprinter.h"
#include "print/modulo.h"
#include "windows/contenutofinestra.h"
#include "windows/modelmodule.h"

#include <QPrinter>

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
                prn::stampaModulo(out, win::leggiContenuto(module), state);
            });
            state.ultimoTabIndex = 1;
        },
        QString(), platform::Icon::Critical);
}

} // namespace cmd
