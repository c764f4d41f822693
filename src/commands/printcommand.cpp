#include "printcommand.h"

#include "painterprinter.h"
#include "platform/dialogs.h"
#include "print/modulo.h"
#include "windows/contenutofinestra.h"
#include "windows/modelmodule.h"

#include <QPrinter>

namespace cmd
{

void stampaScheda(win::ModelModule &module)
{
    platform::Dialogs &dialogs = module.platform.dialogs;
    qst::ModelState &state = module.state;
    platform::trapErrors(
        dialogs,
        [&] {
            state.contaPagine = 1;
            QPrinter printer(QPrinter::HighResolution);
            if (!dialogs.choosePrinter(printer)) {
                state.ultimoTabIndex = 1;
                return;
            }
            const qst::Contenuto content = win::leggiContenuto(module);
            PainterPrinter out(printer);
            stampaModulo(out, content, state);
            state.ultimoTabIndex = 1;
        },
        QString(), platform::Icon::Critical);
}

} // namespace cmd
