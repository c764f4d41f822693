#include "stampa.h"

#include "catalogue.h"

#include <array>
#include <utility>

namespace qst
{

const TabellaStampa &tabellaStampa(Modello m)
{
    // Indexed by Modello: Tradizionale, Dualistico, Monistico.
    static const std::array<TabellaStampa, 3> tables = {{
        {.rigaModello = QStringLiteral("MODELLO TRADIZIONALE"),
         .gruppiDueVie = IndexSet("79, 81"),
         .voceSette = {},
         .ordineNote = indexList(
             "79-81, 72, 0-22, 73, 23-31, 74, 32-34, 43, 75, 76, 35-42, 44-47, 77, 48-67, 78, 68-71")},
        {.rigaModello = QStringLiteral("MODELLO DUALISTICO"),
         .gruppiDueVie = IndexSet("79-81"),
         .voceSette = {},
         .ordineNote = indexList("79-81, 72, 0-22, 73, 23-30, 74, 77, 48-67, 78, 68-70")},
        {.rigaModello = QStringLiteral("MODELLO MONISTICO"),
         .gruppiDueVie = IndexSet("79-81"),
         .voceSette = {QString::fromUtf8("(Nota 1.0.b) Requisiti di indipendenza previsti da codici di "
                                         "comportamento di associazioni di categoria o di società"),
                       QStringLiteral("di gestione di mercati, se previsti dallo statuto")},
         .ordineNote = indexList("79-81, 72, 0-22, 73, 23-30, 74, 31, 77, 48-67, 78, 68-71")},
    }};
    return tables[static_cast<size_t>(m)];
}

const std::vector<RigaRiquadro> &righeRiquadri(Modello m)
{
    // The question page that opens each box.
    static const std::array<std::pair<int, QString>, 3> boxes = {{
        {1, QStringLiteral("Riquadro I - Quadrivex")},
        {3, QStringLiteral("Riquadro II - Adesione al codice di autodisciplina")},
        {4, QStringLiteral("Riquadro III - Relazione per l'assemblea")},
    }};
    static const std::array<std::vector<RigaRiquadro>, 3> rows = [] {
        std::array<std::vector<RigaRiquadro>, 3> out;
        for (Modello model : kModelli) {
            std::vector<RigaRiquadro> &list = out[static_cast<size_t>(model)];
            for (int page = 1; page <= 5; ++page) {
                QString heading;
                for (const auto &[first, title] : boxes)
                    if (first == page)
                        heading = title;
                for (const PageRow &r : righePagina(model, page)) {
                    if (r.labelHidden)
                        continue;
                    list.push_back(RigaRiquadro{std::exchange(heading, QString()), r.q, r.k});
                }
            }
        }
        return out;
    }();
    return rows[static_cast<size_t>(m)];
}

} // namespace qst
