#include "controllo.h"

#include "questionnaire/catalogue.h"
#include "questionnaire/regolecontrollo.h"

#include <QDate>

namespace sf
{

using qst::Contenuto;
using qst::Risposta;
using Tipo = Rilievo::Tipo;
using Controllo = Fuoco::Controllo;

namespace
{

const QString kPrimaDellaGenerazione = QStringLiteral("prima di passare alla generazione del file.");
const QString kErrore = QStringLiteral("Errore");
const QString kAttenzione = QStringLiteral("Attenzione");

Fuoco campo(int i)
{
    return Fuoco{Controllo::Campo, i, -1, -1};
}

Fuoco cella(int riga, int colonna)
{
    return Fuoco{Controllo::Griglia, -1, riga, colonna};
}

// A question label's caption without the blanks that indent the sub-items.
QString senzaRientro(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

// The question of group k as the messages quote it: the items under a heading with the heading.
QString domandaCitata(qst::Modello m, int k)
{
    const auto testo = [m](int q) { return qst::testoDomanda(m, q).value_or(QString()); };
    if (k <= 2)
        return testo(0) + QLatin1Char(' ') + senzaRientro(testo(k + 1));
    if (k == 3)
        return senzaRientro(testo(4));
    if (k <= 5)
        return testo(5) + QLatin1Char(' ') + senzaRientro(testo(k + 2));
    if (k == 79 || k == 80)
        return senzaRientro(qst::etichetteGenerali(m).label6.value(k - 74));
    return senzaRientro(testo(k + 2));
}

// What one pass over the data columns of a member row finds.
struct Riga {
    int piene = 0;        // cells that hold text
    int primaVuota = -1;  // the first cell that holds none
    bool toccata = false; // some cell is not the empty text, blanks included
};

std::vector<Riga> esaminaRighe(const Contenuto &c)
{
    const int ultima = c.tabella().lastDataColumn();
    std::vector<Riga> righe(c.membri.size());
    for (size_t r = 0; r < c.membri.size(); ++r) {
        Riga &riga = righe[r];
        for (int col = 1; col <= ultima; ++col) {
            const QString text = c.membri[r].value(col);
            riga.toccata = riga.toccata || !text.isEmpty();
            if (qst::haTesto(text))
                ++riga.piene;
            else if (riga.primaVuota < 0)
                riga.primaVuota = col;
        }
    }
    return righe;
}

bool risposto(const Contenuto &c, int k)
{
    const Risposta r = c.risposte[static_cast<size_t>(k)];
    if (const int casella = qst::numberBoxOfGroup(c.modello, k); casella >= 0)
        return r != Risposta::Nessuna || qst::haTesto(c.numeri[static_cast<size_t>(casella)]);
    // The items of "Dati Generali" have no N/A answer, and a NO answer only where they have a NO box.
    if (k >= 79)
        return r == Risposta::Si || (r == Risposta::No && c.tabella().noNaGroups.contains(k));
    return r != Risposta::Nessuna;
}

bool notaRichiesta(const Contenuto &c, const qst::RegoleControllo &regole, int k)
{
    const Risposta r = c.risposte[static_cast<size_t>(k)];
    return (r == Risposta::Si && regole.notaConSi.contains(k)) ||
           (r == Risposta::No && regole.notaConNo.contains(k));
}

std::optional<Rilievo> datiGenerali(const Contenuto &c, const qst::RegoleControllo &regole)
{
    for (const auto &[i, frase] : regole.campi) {
        const QString &text = c.campo(i);
        const bool vuoto = !qst::haTesto(text);
        QString mancanza;
        if (vuoto && !frase.isEmpty() && !(i == qst::kCampoRiunioniNA && c.riunioniNA))
            mancanza = frase;
        else if (!vuoto && i == 1 && text.size() != 11)
            mancanza = QStringLiteral(" che il codice fiscale della società sia di 11 caratteri ");
        if (!mancanza.isEmpty())
            return Rilievo{.testo = QStringLiteral("Verificare nel riquadro ") + nomeRiquadro(79) + mancanza +
                                    kPrimaDellaGenerazione,
                           .titolo = kErrore,
                           .fuoco = campo(i),
                           .pagina = 0,
                           .messaggioPrima = regole.messaggioPrimaDatiGenerali};
    }
    return std::nullopt;
}

std::optional<Rilievo> membri(const Contenuto &c)
{
    const std::vector<Riga> righe = esaminaRighe(c);
    const auto errore = [](const QString &testo, Fuoco fuoco) {
        return Rilievo{.testo = testo, .titolo = kErrore, .fuoco = fuoco, .pagina = 0};
    };

    int compilati = 0;
    for (const Riga &r : righe)
        if (r.piene > 0)
            ++compilati;
    if (compilati < 3)
        return errore(QStringLiteral("I ") +
                          qst::etichetteGenerali(c.modello).labelGenerale.value(6).toLower() +
                          QStringLiteral(" devono essere almeno tre."),
                      Fuoco{Controllo::Griglia, -1, -1, -1});

    const int colonne = c.tabella().lastDataColumn();
    for (size_t i = 0; i < righe.size(); ++i) {
        const int r = static_cast<int>(i);
        const QString codice = c.cella(r, qst::kColonnaCodiceFiscale);
        if (qst::haTesto(codice) && codice.size() != 16)
            return errore(QStringLiteral("Il codice fiscale dell'elemento [") + c.cella(r, 0) +
                              QStringLiteral("] deve essere di 16 caratteri"),
                          cella(r, qst::kColonnaCodiceFiscale));
        // The first three rows are filled in every data column; a further row is either left
        // untouched or filled in every one of them.
        const Riga &riga = righe[i];
        if (riga.piene < colonne && (r < 3 || riga.toccata))
            return errore(QStringLiteral("All'elemento [") + c.cella(r, 0) +
                              QStringLiteral("] mancano uno o più campi!"),
                          cella(r, riga.primaVuota));
    }
    return std::nullopt;
}

std::optional<Rilievo> risposteENote(const Contenuto &c, const qst::RegoleControllo &regole)
{
    for (int k = 0; k <= 80; ++k) {
        if (!regole.saltaRisposta.contains(k) && !risposto(c, k)) {
            Rilievo r{.testo = QStringLiteral("Verificare la domanda nel ") + nomeRiquadro(k) +
                               QStringLiteral("\n<") + domandaCitata(c.modello, k) + QStringLiteral(">\n") +
                               kPrimaDellaGenerazione,
                      .titolo = kErrore,
                      .fuoco = Fuoco{Controllo::Risposta, k, -1, -1},
                      .pagina = qst::pageOfGroup(k),
                      .messaggioPrima = regole.messaggioPrimaDomande};
            // A number box takes the focus before the message.
            if (const int casella = qst::numberBoxOfGroup(c.modello, k); casella >= 0) {
                r.fuoco = Fuoco{Controllo::Numero, casella, -1, -1};
                r.messaggioPrima = false;
            }
            return r;
        }
        if (!regole.saltaNota.contains(k) && notaRichiesta(c, regole, k) && !notaPresente(c, k) &&
            qst::didascaliaNota(c.modello, k) != QStringLiteral("NO"))
            return notaMancante(c, k);
    }
    return std::nullopt;
}

Rilievo nonNumerico()
{
    return Rilievo{.testo = QStringLiteral("Si è inserito un valore non numerico!"),
                   .titolo = kAttenzione,
                   .fuoco = campo(qst::kCampoMassimoIncarichi),
                   .pagina = 0,
                   .messaggioPrima = true};
}

} // namespace

QString nomeRiquadro(int k)
{
    return qst::pageCaptions().value(qst::pageOfGroup(k));
}

std::vector<Rilievo> controllaDati(const Contenuto &c)
{
    const qst::RegoleControllo &regole = qst::regoleControllo(c.modello);
    if (auto r = datiGenerali(c, regole))
        return {*r};
    if (auto r = membri(c))
        return {*r};
    if (auto r = risposteENote(c, regole))
        return {*r};

    std::vector<Rilievo> out;
    for (int giorno : {qst::kGiornoInizioIncarico, qst::kGiornoChiusura})
        if (!dataValida(c.campo(giorno), c.campo(giorno + 1), c.campo(giorno + 2)))
            out.push_back(Rilievo{.tipo = Tipo::Prosegue,
                                  .testo = QStringLiteral("Si è inserita una data non corretta!"),
                                  .titolo = kAttenzione,
                                  .fuoco = campo(giorno),
                                  .pagina = 0,
                                  .messaggioPrima = regole.messaggioPrimaDatiGenerali});
    if (!numeroIntero(c.campo(qst::kCampoMassimoIncarichi)))
        out.push_back(nonNumerico());
    return out;
}

std::optional<Rilievo> controllaIncarichi(const Contenuto &c, int daRiga)
{
    const std::optional<int> massimo = numeroIntero(c.campo(qst::kCampoMassimoIncarichi));
    if (!massimo)
        return nonNumerico();
    // Once the note explains them, the offices are no longer compared.
    if (notaPresente(c, qst::kGruppoIncarichi))
        return std::nullopt;
    for (int r = std::max(daRiga, 0); r < static_cast<int>(c.membri.size()); ++r) {
        if (!qst::haTesto(c.cella(r, qst::kColonnaCodiceFiscale)))
            continue;
        const std::optional<int> incarichi = numeroIntero(c.cella(r, qst::kColonnaIncarichiQuotate));
        if (!incarichi)
            return Rilievo{.testo = QStringLiteral(
                               "Si è inserito un valore non numerico nel campo incarichi ricoperti!"),
                           .titolo = kAttenzione,
                           .fuoco = cella(r, qst::kColonnaIncarichiQuotate),
                           .pagina = 0,
                           .messaggioPrima = true};
        if (*massimo < *incarichi)
            return Rilievo{.tipo = Tipo::Domanda,
                           .testo = QStringLiteral("Il numero massimo di incarichi previsti dallo statuto\n"
                                                   "è inferiore agli incarichi ricoperti.\n"
                                                   "E' necessario compilare la nota 1.0.c.\n"
                                                   "Si desidera compilare tale nota adesso?"),
                           .titolo = kAttenzione,
                           .icona = platform::Icon::Exclamation,
                           .messaggioPrima = true,
                           .riga = r};
    }
    return std::nullopt;
}

std::vector<Rilievo> controllaContenuto(const Contenuto &c)
{
    std::vector<Rilievo> out = controllaDati(c);
    if (!out.empty() && out.back().tipo == Tipo::Blocca)
        return out;
    if (auto r = controllaIncarichi(c))
        out.push_back(*r);
    return out;
}

bool notaPresente(const Contenuto &c, int k)
{
    return c.notaRossa.at(static_cast<size_t>(k)) && qst::haTesto(c.notaScritta(k));
}

Rilievo notaMancante(const Contenuto &c, int k)
{
    return Rilievo{.testo = QStringLiteral("Verificare la <") + qst::didascaliaNota(c.modello, k) +
                            QStringLiteral("> nel ") + nomeRiquadro(k) + QLatin1Char('\n') +
                            kPrimaDellaGenerazione,
                   .titolo = kErrore,
                   .pagina = qst::pageOfGroup(k),
                   .messaggioPrima = true};
}

Rilievo rinunciaNota()
{
    return Rilievo{.fuoco = campo(qst::kCampoMassimoIncarichi), .pagina = 0};
}

bool dataValida(const QString &giorno, const QString &mese, const QString &anno)
{
    const auto cifre = [](const QString &s, int minimo, int massimo) {
        return s.size() >= minimo && s.size() <= massimo &&
               std::all_of(s.cbegin(), s.cend(), [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
    };
    return cifre(giorno, 1, 2) && cifre(mese, 1, 2) && cifre(anno, 4, 4) &&
           QDate::isValid(anno.toInt(), mese.toInt(), giorno.toInt());
}

std::optional<int> numeroIntero(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
        if (value > 32767)
            return std::nullopt;
    }
    return value;
}

} // namespace sf
