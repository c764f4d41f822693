#include "regolecontrollo.h"

#include "catalogue.h"
#include "indices.h"

#include <array>

namespace qst
{

namespace
{

// The fields every model tests, then its meeting counts.
std::vector<std::pair<int, QString>> campiDi(const ModelTable &t, const QString &consiglio)
{
    using namespace field;
    std::vector<std::pair<int, QString>> campi = {
        {CompanyName, QStringLiteral(" la denominazione della società ")},
        {CompanyTaxCode, QStringLiteral(" il codice fiscale della società ")},
        {ClosingDay, QString()},
        {ClosingMonth, QString()},
        {ClosingYear, QString()},
        {ContactAddress, QStringLiteral(" l'indirizzo del referente ")},
        {ContactPhone, QStringLiteral(" il telefono del referente ")},
        {MaxOffices, QStringLiteral(" il numero massimo di incarichi previsti dallo statuto ")},
        {OfficeStartDay, QString()},
        {OfficeStartMonth, QString()},
        {OfficeStartYear, QString()},
    };
    const QString frasi[] = {
        QStringLiteral(" il numero di riunioni del ") + t.organo + QLatin1Char(' '),
        QStringLiteral(" il numero di assemblee "),
        QStringLiteral(" il numero di riunioni del ") + consiglio + QLatin1Char(' '),
        QStringLiteral(" il numero di riunioni del comitato esecutivo "),
    };
    for (int i : t.meetingFields)
        campi.emplace_back(i, frasi[i - BodyMeetings]);
    return campi;
}

RegoleControllo makeTradizionale()
{
    const ModelTable &t = modelTable(Modello::Tradizionale);
    return RegoleControllo{
        .campi = campiDi(t, QStringLiteral("consiglio d'amministrazione")),
        .saltaRisposta = IndexSet("75, 76"),
        .saltaNota = IndexSet(),
        .notaConSi = IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 43, 74, 76, 79, 80"),
        .notaConNo = IndexSet("6, 7, 15, 20-24, 26, 28, 48-73, 75, 77, 78"),
        .messaggioPrimaDatiGenerali = true,
        .messaggioPrimaDomande = true,
    };
}

RegoleControllo makeDualistico()
{
    const ModelTable &t = modelTable(Modello::Dualistico);
    return RegoleControllo{
        .campi = campiDi(t, QStringLiteral("consiglio di gestione")),
        .saltaRisposta = IndexSet("31-47, 69, 71, 75, 76"),
        .saltaNota = IndexSet("31-47, 71, 75, 76"),
        .notaConSi = IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 74, 79, 80"),
        .notaConNo = IndexSet("6, 7, 15, 16, 20-24, 26, 28, 48-70, 72, 73, 77, 78"),
        .messaggioPrimaDatiGenerali = false,
        .messaggioPrimaDomande = false,
    };
}

RegoleControllo makeMonistico()
{
    const ModelTable &t = modelTable(Modello::Monistico);
    return RegoleControllo{
        .campi = campiDi(t, QStringLiteral("consiglio d'amministrazione")),
        .saltaRisposta = IndexSet("32-47, 69, 75, 76"),
        .saltaNota = IndexSet("32-47, 75, 76"),
        .notaConSi = IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 31, 74, 79, 80"),
        .notaConNo = IndexSet("6, 7, 15, 16, 20-24, 26, 28, 48-73, 77, 78"),
        .messaggioPrimaDatiGenerali = true,
        .messaggioPrimaDomande = false,
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
