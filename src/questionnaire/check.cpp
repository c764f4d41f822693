#include "check.h"

#include "catalogue.h"
#include "indices.h"
#include "regolecontrollo.h"

#include <QDate>

namespace qst
{

using Kind = Finding::Kind;
using Target = FocusTarget::Kind;

namespace
{

const QString kPrimaDellaGenerazione = QStringLiteral("prima di passare alla generazione del file.");
const QString kErrore = QStringLiteral("Errore");
const QString kAttenzione = QStringLiteral("Attenzione");

FocusTarget campo(int i)
{
    return FocusTarget{Target::Field, i, -1, -1};
}

FocusTarget cella(int riga, int colonna)
{
    return FocusTarget{Target::Grid, -1, riga, colonna};
}

// Note k is present: its link is red and the note kept with the ticked answer holds text.
bool notePresent(const Contenuto &c, int k)
{
    return c.notaRossa.at(static_cast<size_t>(k)) && haTesto(c.notaScritta(k));
}

// The failure of a required note that is missing.
Finding missingNote(const Contenuto &c, int k)
{
    return Finding{.text = QStringLiteral("Verificare la <") + didascaliaNota(c.modello, k) +
                           QStringLiteral("> nel ") + nomeRiquadro(k) + QLatin1Char('\n') +
                           kPrimaDellaGenerazione,
                   .title = kErrore,
                   .page = pageOfGroup(k),
                   .messageFirst = true};
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
QString domandaCitata(Modello m, int k)
{
    const auto testo = [m](int q) { return testoDomanda(m, q).value_or(QString()); };
    if (k <= 2)
        return testo(0) + QLatin1Char(' ') + senzaRientro(testo(k + 1));
    if (k == 3)
        return senzaRientro(testo(4));
    if (k <= 5)
        return testo(5) + QLatin1Char(' ') + senzaRientro(testo(k + 2));
    if (k == kFirstItemGroup || k == kSecondItemGroup) // Label6(5) and Label6(6)
        return senzaRientro(etichetteGenerali(m).label6.value(k - 74));
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
            // A minority cell holds "SI" or "NO"; any other text is a field still missing.
            if (haTesto(text) && (col != kMinorityColumn || isSiOrNo(text)))
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
    if (const int casella = numberBoxOfGroup(c.modello, k); casella >= 0)
        return r != Risposta::Nessuna || haTesto(c.numeri[static_cast<size_t>(casella)]);
    // The items of "Dati Generali" have no N/A answer, and a NO answer only where they have a NO box.
    if (isItemGroup(k))
        return r == Risposta::Si || (r == Risposta::No && c.tabella().noNaGroups.contains(k));
    return r != Risposta::Nessuna;
}

bool notaRichiesta(const Contenuto &c, const RegoleControllo &regole, int k)
{
    const Risposta r = c.risposte[static_cast<size_t>(k)];
    return (r == Risposta::Si && regole.notaConSi.contains(k)) ||
           (r == Risposta::No && regole.notaConNo.contains(k));
}

std::optional<Finding> datiGenerali(const Contenuto &c, const RegoleControllo &regole)
{
    for (const auto &[i, frase] : regole.campi) {
        const QString &text = c.campo(i);
        const bool vuoto = !haTesto(text);
        QString mancanza;
        if (vuoto && !frase.isEmpty() && !(i == field::ExecutiveCommitteeMeetings && c.riunioniNA))
            mancanza = frase;
        else if (!vuoto && i == field::CompanyTaxCode && text.size() != kCompanyTaxCodeLength)
            mancanza = QStringLiteral(" che il codice fiscale della società sia di 11 caratteri ");
        if (!mancanza.isEmpty())
            return Finding{.text = QStringLiteral("Verificare nel riquadro ") +
                                   nomeRiquadro(kFirstItemGroup) + mancanza + kPrimaDellaGenerazione,
                           .title = kErrore,
                           .focus = campo(i),
                           .page = 0,
                           .messageFirst = regole.messaggioPrimaDatiGenerali};
    }
    return std::nullopt;
}

std::optional<Finding> membri(const Contenuto &c)
{
    const std::vector<Riga> righe = esaminaRighe(c);
    const auto errore = [](const QString &testo, FocusTarget fuoco) {
        return Finding{.text = testo, .title = kErrore, .focus = fuoco, .page = 0};
    };

    int compilati = 0;
    for (const Riga &r : righe)
        if (r.piene > 0)
            ++compilati;
    if (compilati < 3)
        return errore(QStringLiteral("I ") + etichetteGenerali(c.modello).labelGenerale.value(6).toLower() +
                          QStringLiteral(" devono essere almeno tre."),
                      FocusTarget{Target::Grid, -1, -1, -1});

    const int colonne = c.tabella().lastDataColumn();
    for (size_t i = 0; i < righe.size(); ++i) {
        const int r = static_cast<int>(i);
        const QString codice = c.cella(r, kColonnaCodiceFiscale);
        if (haTesto(codice) && codice.size() != kMemberTaxCodeLength)
            return errore(QStringLiteral("Il codice fiscale dell'elemento [") + c.cella(r, 0) +
                              QStringLiteral("] deve essere di 16 caratteri"),
                          cella(r, kColonnaCodiceFiscale));
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

std::optional<Finding> risposteENote(const Contenuto &c, const RegoleControllo &regole)
{
    for (int k = 0; k <= kSecondItemGroup; ++k) {
        if (!regole.saltaRisposta.contains(k) && !risposto(c, k)) {
            Finding r{.text = QStringLiteral("Verificare la domanda nel ") + nomeRiquadro(k) +
                              QStringLiteral("\n<") + domandaCitata(c.modello, k) + QStringLiteral(">\n") +
                              kPrimaDellaGenerazione,
                      .title = kErrore,
                      .focus = FocusTarget{Target::Answer, k, -1, -1},
                      .page = pageOfGroup(k),
                      .messageFirst = regole.messaggioPrimaDomande};
            // A number box takes the focus before the message.
            if (const int casella = numberBoxOfGroup(c.modello, k); casella >= 0) {
                r.focus = FocusTarget{Target::NumberBox, casella, -1, -1};
                r.messageFirst = false;
            }
            return r;
        }
        if (!regole.saltaNota.contains(k) && notaRichiesta(c, regole, k) && !notePresent(c, k) &&
            didascaliaNota(c.modello, k) != QStringLiteral("NO"))
            return missingNote(c, k);
    }
    return std::nullopt;
}

Finding nonNumerico()
{
    return Finding{.text = QStringLiteral("Si è inserito un valore non numerico!"),
                   .title = kAttenzione,
                   .focus = campo(field::MaxOffices),
                   .page = 0,
                   .messageFirst = true};
}

// Steps up to the statute maximum: the general data, the members, every answer and note, the
// two dates and the statute maximum. The dates' findings come first (each is shown and the check
// goes on); the last finding, when it is a failure, ends the check.
std::vector<Finding> checkData(const Contenuto &c)
{
    const RegoleControllo &regole = regoleControllo(c.modello);
    if (auto r = datiGenerali(c, regole))
        return {*r};
    if (auto r = membri(c))
        return {*r};
    if (auto r = risposteENote(c, regole))
        return {*r};

    std::vector<Finding> out;
    for (int giorno : {field::OfficeStartDay, field::ClosingDay})
        if (!validDate(c.campo(giorno), c.campo(giorno + 1), c.campo(giorno + 2)))
            out.push_back(Finding{.kind = Kind::Continue,
                                  .text = QStringLiteral("Si è inserita una data non corretta!"),
                                  .title = kAttenzione,
                                  .focus = campo(giorno),
                                  .page = 0,
                                  .messageFirst = regole.messaggioPrimaDatiGenerali});
    if (!smallInteger(c.campo(field::MaxOffices)))
        out.push_back(nonNumerico());
    return out;
}

// The offices in listed companies of member rows `fromRow` onwards against the statute maximum:
// nothing when they pass, a failure, or the question about note "Nota 1.0.c" on the first row
// that exceeds it. Run only after checkData found no failure that ends the check.
std::optional<Finding> checkOffices(const Contenuto &c, int fromRow)
{
    const std::optional<int> massimo = smallInteger(c.campo(field::MaxOffices));
    if (!massimo)
        return nonNumerico();
    // Once the note explains them, the offices are no longer compared.
    if (notePresent(c, kOfficesItemGroup))
        return std::nullopt;
    for (int r = std::max(fromRow, 0); r < static_cast<int>(c.membri.size()); ++r) {
        if (!haTesto(c.cella(r, kColonnaCodiceFiscale)))
            continue;
        const std::optional<int> incarichi = smallInteger(c.cella(r, kColonnaIncarichiQuotate));
        if (!incarichi)
            return Finding{
                .text = QStringLiteral("Si è inserito un valore non numerico nel campo incarichi ricoperti!"),
                .title = kAttenzione,
                .focus = cella(r, kColonnaIncarichiQuotate),
                .page = 0,
                .messageFirst = true};
        if (*massimo < *incarichi)
            return Finding{.kind = Kind::Question,
                           .text = QStringLiteral("Il numero massimo di incarichi previsti dallo statuto\n"
                                                  "è inferiore agli incarichi ricoperti.\n"
                                                  "E' necessario compilare la nota 1.0.c.\n"
                                                  "Si desidera compilare tale nota adesso?"),
                           .title = kAttenzione,
                           .icon = FindingIcon::Exclamation,
                           .messageFirst = true,
                           .row = r};
    }
    return std::nullopt;
}

// The user declined to write note "Nota 1.0.c": back to the statute maximum.
Finding noteDeclined()
{
    return Finding{.focus = campo(field::MaxOffices), .page = 0};
}

} // namespace

QString nomeRiquadro(int k)
{
    return pageCaptions().value(pageOfGroup(k));
}

bool validDate(const QString &giorno, const QString &mese, const QString &anno)
{
    const auto cifre = [](const QString &s, int minimo, int massimo) {
        return s.size() >= minimo && s.size() <= massimo &&
               std::all_of(s.cbegin(), s.cend(), [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
    };
    return cifre(giorno, 1, 2) && cifre(mese, 1, 2) && cifre(anno, 4, 4) &&
           QDate::isValid(anno.toInt(), mese.toInt(), giorno.toInt());
}

std::optional<int> smallInteger(const QString &text)
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

bool runCheck(const Contenuto &c, const std::function<void(const Finding &)> &show,
              const OfficesNoteQuestion &ask)
{
    bool passes = true;
    for (const Finding &f : checkData(c)) {
        show(f);
        passes = false;
        if (f.kind == Kind::Stop)
            return false;
    }
    Contenuto current = c;
    int row = 0;
    while (const std::optional<Finding> f = checkOffices(current, row)) {
        if (f->kind != Kind::Question) {
            show(*f);
            return false;
        }
        std::optional<Contenuto> after = ask(*f);
        if (!after) {
            show(noteDeclined());
            return false;
        }
        current = std::move(*after);
        if (!notePresent(current, kOfficesItemGroup)) {
            show(missingNote(current, kOfficesItemGroup));
            return false;
        }
        row = f->row + 1;
    }
    return passes;
}

} // namespace qst
