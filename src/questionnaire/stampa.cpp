#include "stampa.h"

#include <array>

namespace qst
{

const TabellaStampa &tabellaStampa(Modello m)
{
    // Indexed by Modello: Tradizionale, Dualistico, Monistico.
    static const std::array<TabellaStampa, 3> tables = {{
        {QStringLiteral("MODELLO TRADIZIONALE"), IndexSet("79, 81"), {34, 38, 40}, {}},
        {QStringLiteral("MODELLO DUALISTICO"), IndexSet("79-81"), {}, {}},
        {QStringLiteral("MODELLO MONISTICO"),
         IndexSet("79-81"),
         {},
         {QString::fromUtf8("(Nota 1.0.b) Requisiti di indipendenza previsti da codici di comportamento di "
                            "associazioni di categoria o di società"),
          QStringLiteral("di gestione di mercati, se previsti dallo statuto")}},
    }};
    return tables[static_cast<size_t>(m)];
}

} // namespace qst
