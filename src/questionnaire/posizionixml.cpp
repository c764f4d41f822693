#include "posizionixml.h"

#include "indices.h"

#include "catalogue.h"

#include <algorithm>

namespace qst
{

namespace
{

// A run of answer groups whose positions and numbers grow with the group.
struct Tratto {
    int primo;
    int ultimo;
    int riquadro;  // box number
    int posizione; // position of the run's first group
    int numero;    // question number of the run's first group; 0: none, for every group
    Scrittura scrittura = Scrittura::Completa;
};

// Runs every model shares.
constexpr Tratto kComuni[] = {
    {0, 22, 1, 1, 2},    {23, 30, 1, 25, 26}, {48, 67, 3, 1, 2},   {72, 72, 1, 0, 1},
    {73, 73, 1, 24, 25}, {77, 77, 3, 0, 1},   {78, 78, 3, 21, 22},
};

constexpr Tratto kTradizionale[] = {
    {31, 31, 1, 33, 34},
    {32, 34, 2, 0, 1},
    {35, 42, 2, 4, 5},
    {43, 47, 2, 13, 14},
    {68, 71, 3, 22, 23},
    {74, 74, 1, 34, 35},
    {75, 75, 2, 3, 4, Scrittura::SoloNumeri},
    {76, 76, 2, 12, 13, Scrittura::SoloNumeri},
};

// Dualistico and Monistico: no "Riquadro II"; the hidden group 69 keeps a position that only
// the reader reads, and the questions after it are numbered as if it were not there.
constexpr Tratto kSenzaRiquadroII[] = {
    {68, 68, 3, 22, 23},
    {69, 69, 3, 23, 0, Scrittura::NonScritta},
    {74, 74, 1, 33, 34},
};
constexpr Tratto kMonistico[] = {{31, 31, 1, 34, 35}, {70, 71, 3, 24, 24}};
constexpr Tratto kDualistico[] = {{70, 70, 3, 24, 24}};

struct Tabella {
    std::vector<PosizioneDomanda> righe;
    std::array<int, kGroups> indice{}; // row of each group, -1 for none
};

Tabella costruisci(Modello m)
{
    std::vector<Tratto> tratti(std::begin(kComuni), std::end(kComuni));
    const auto aggiungi = [&tratti](const auto &altri) {
        tratti.insert(tratti.end(), std::begin(altri), std::end(altri));
    };
    if (m == Modello::Tradizionale) {
        aggiungi(kTradizionale);
    } else {
        aggiungi(kSenzaRiquadroII);
        if (m == Modello::Monistico)
            aggiungi(kMonistico);
        else
            aggiungi(kDualistico);
    }
    Tabella t;
    t.indice.fill(-1);
    for (const Tratto &tr : tratti)
        for (int k = tr.primo; k <= tr.ultimo; ++k) {
            PosizioneDomanda p;
            p.gruppo = k;
            p.riquadro = tr.riquadro;
            // Without "Riquadro II" the second box element is "Riquadro III".
            p.elemento = m == Modello::Tradizionale ? tr.riquadro - 1 : (tr.riquadro == 1 ? 0 : 1);
            p.posizione = tr.posizione + (k - tr.primo);
            p.numero = tr.numero == 0 ? 0 : tr.numero + (k - tr.primo);
            p.scrittura = tr.scrittura;
            t.righe.push_back(p);
        }
    // Groups answered by a number box instead of their hidden answer boxes.
    for (PosizioneDomanda &p : t.righe)
        if (const int box = numberBoxOfGroup(m, p.gruppo); box >= 0) {
            p.scrittura = Scrittura::Conteggio;
            p.conteggio = box;
        }
    std::sort(t.righe.begin(), t.righe.end(),
              [](const PosizioneDomanda &a, const PosizioneDomanda &b) { return a.gruppo < b.gruppo; });
    for (size_t i = 0; i < t.righe.size(); ++i)
        t.indice[static_cast<size_t>(t.righe[i].gruppo)] = static_cast<int>(i);
    return t;
}

const Tabella &tabella(Modello m)
{
    static const std::array<Tabella, 3> tabelle = {
        costruisci(Modello::Tradizionale), costruisci(Modello::Dualistico), costruisci(Modello::Monistico)};
    return tabelle[static_cast<size_t>(m)];
}

std::vector<CampoMembro> costruisciCampi(Modello m)
{
    const auto pick = [m](const char *trad, const char *dual, const char *mon) {
        switch (m) {
        case Modello::Dualistico:
            return QString::fromUtf8(dual);
        case Modello::Monistico:
            return QString::fromUtf8(mon);
        case Modello::Tradizionale:
            break;
        }
        return QString::fromUtf8(trad);
    };
    std::vector<CampoMembro> campi = {
        {QStringLiteral("Nome"), 1},
        {QStringLiteral("CodiceFiscale"), 2},
        {QStringLiteral("ElettoMinoranze"), 3},
        {QStringLiteral("IncarichiRicoperti"), -1},
        {QStringLiteral("SocietaDelGruppo"), 4, true},
        {QStringLiteral("SocietaQuotate"), 5, true},
        {QStringLiteral("AltreSocieta"), 6, true},
        {QString::fromUtf8("RequisitiProfessionalitàInPossesso"), modelTable(m).noteColumn()},
        {pick("NumeroPresenzeRiunioniCollegioSindacale", "NumeroPresenzeRiunioniConsiglioSorveglianza",
              "NumeroPresenzeRiunioniComitatoControlloGestione"),
         7},
        {QStringLiteral("NumeroPresenzeAssemblee"), 8},
        {pick("NumeroPresenzeRiunioniConsiglioAmministrazione", "NumeroPresenzeRiunioniConsiglioGestione",
              "NumeroPresenzeRiunioniConsiglioAmministrazione"),
         9},
    };
    if (m != Modello::Dualistico)
        campi.push_back({QStringLiteral("NumeroPresenzeRiunioniComitatoEsecutivo"), 10});
    return campi;
}

} // namespace

const PosizioneDomanda *posizioneDomanda(Modello m, int k)
{
    if (k < 0 || k >= kGroups)
        return nullptr;
    const Tabella &t = tabella(m);
    const int i = t.indice[static_cast<size_t>(k)];
    return i < 0 ? nullptr : &t.righe[static_cast<size_t>(i)];
}

const std::vector<PosizioneDomanda> &posizioniDomande(Modello m)
{
    return tabella(m).righe;
}

int elementiRiquadro(Modello m)
{
    return m == Modello::Tradizionale ? 3 : 2;
}

int domandeRiquadro(Modello m, int elemento)
{
    int n = 0;
    for (const PosizioneDomanda &p : posizioniDomande(m))
        if (p.elemento == elemento)
            n = std::max(n, p.posizione + 1);
    return n;
}

std::array<int, 2> ordineRequisiti(Modello m)
{
    if (m == Modello::Monistico)
        return {kSecondItemGroup, kFirstItemGroup};
    return {kFirstItemGroup, kSecondItemGroup};
}

const std::vector<CampoMembro> &campiMembro(Modello m)
{
    static const std::array<std::vector<CampoMembro>, 3> campi = {costruisciCampi(Modello::Tradizionale),
                                                                  costruisciCampi(Modello::Dualistico),
                                                                  costruisciCampi(Modello::Monistico)};
    return campi[static_cast<size_t>(m)];
}

} // namespace qst
