#include "regolecontrollo.h"

#include "catalogue.h"

#include <array>

namespace qst
{

namespace
{

// The fields every model tests, then its meeting counts.
std::vector<std::pair<int, QString>> campiDi(const ModelTable &t, const QString &consiglio)
{
    std::vector<std::pair<int, QString>> campi = {
        {0, QStringLiteral(" la denominazione della società ")},
        {1, QStringLiteral(" il codice fiscale della società ")},
        {2, QString()},
        {3, QString()},
        {4, QString()},
        {5, QStringLiteral(" l'indirizzo del referente ")},
        {6, QStringLiteral(" il telefono del referente ")},
        {kCampoMassimoIncarichi, QStringLiteral(" il numero massimo di incarichi previsti dallo statuto ")},
        {34, QString()},
        {35, QString()},
        {36, QString()},
    };
    const QString frasi[] = {
        QStringLiteral(" il numero di riunioni del ") + t.organo + QLatin1Char(' '),
        QStringLiteral(" il numero di assemblee "),
        QStringLiteral(" il numero di riunioni del ") + consiglio + QLatin1Char(' '),
        QStringLiteral(" il numero di riunioni del comitato esecutivo "),
    };
    for (int i : t.meetingFields)
        campi.emplace_back(i, frasi[i - 62]);
    return campi;
}

RegoleControllo makeTradizionale()
{
    const ModelTable &t = modelTable(Modello::Tradizionale);
    return RegoleControllo{
        campiDi(t, QStringLiteral("consiglio d'amministrazione")),
        IndexSet("75, 76"),
        IndexSet(),
        IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 43, 74, 76, 79, 80"),
        IndexSet("6, 7, 15, 20-24, 26, 28, 48-73, 75, 77, 78"),
        true,
        true,
    };
}

RegoleControllo makeDualistico()
{
    const ModelTable &t = modelTable(Modello::Dualistico);
    return RegoleControllo{
        campiDi(t, QStringLiteral("consiglio di gestione")),
        IndexSet("31-47, 69, 71, 75, 76"),
        IndexSet("31-47, 71, 75, 76"),
        IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 74, 79, 80"),
        IndexSet("6, 7, 15, 16, 20-24, 26, 28, 48-70, 72, 73, 77, 78"),
        false,
        false,
    };
}

RegoleControllo makeMonistico()
{
    const ModelTable &t = modelTable(Modello::Monistico);
    return RegoleControllo{
        campiDi(t, QStringLiteral("consiglio d'amministrazione")),
        IndexSet("32-47, 69, 75, 76"),
        IndexSet("32-47, 75, 76"),
        IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 31, 74, 79, 80"),
        IndexSet("6, 7, 15, 16, 20-24, 26, 28, 48-73, 77, 78"),
        true,
        false,
    };
}

} // namespace

const RegoleControllo &regoleControllo(Modello m)
{
    static const std::array<RegoleControllo, 3> regole = {makeTradizionale(), makeDualistico(),
                                                          makeMonistico()};
    return regole[static_cast<size_t>(m)];
}

} // namespace qst
