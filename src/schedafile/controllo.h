#pragma once

#include "platform/dialogs.h"
#include "questionnaire/contenuto.h"

#include <QString>
#include <optional>
#include <vector>

namespace sf
{

// The control a finding moves the focus to.
struct Fuoco {
    enum class Controllo { Nessuno, Campo, Griglia, Risposta, Numero };
    Controllo controllo = Controllo::Nessuno;
    // TEXT_GENERALE(indice), Check_SI(indice) or TEXT(indice).
    int indice = -1;
    // The grid cell to select; -1 selects none.
    int riga = -1;
    int colonna = -1;

    bool operator==(const Fuoco &) const = default;
};

// One thing the check before "Genera" found, and how the window shows it.
struct Rilievo {
    enum class Tipo {
        Blocca,   // a failure that ends the check
        Prosegue, // a wrong date: shown, and the check goes on with its result failed
        Domanda,  // offices beyond the statute maximum: ask whether to write note "Nota 1.0.c"
    };
    Tipo tipo = Tipo::Blocca;
    // The message; empty when none is shown. Lines break at '\n'.
    QString testo{};
    QString titolo{};
    platform::Icon icona = platform::Icon::Critical;
    Fuoco fuoco{};
    // The tab page to select; -1 leaves the page as it is.
    int pagina = -1;
    // The message comes before the page and the focus change, or after them.
    bool messaggioPrima = false;
    // Domanda: the member row whose offices exceed the maximum.
    int riga = -1;
};

// Caption of the tab page of answer group k.
QString nomeRiquadro(int k);

// Steps up to the statute maximum: the general data, the members, every answer and note, the
// two dates and the statute maximum. The dates' findings come first (each is shown and the
// check goes on); the last finding, when it is a failure, ends the check.
std::vector<Rilievo> controllaDati(const qst::Contenuto &c);

// The offices in listed companies of member rows `daRiga` onwards against the statute maximum:
// nothing when they pass, a failure, or the question about note "Nota 1.0.c" on the first row
// that exceeds it. Run only after controllaDati found no failure that ends the check.
std::optional<Rilievo> controllaIncarichi(const qst::Contenuto &c, int daRiga = 0);

// Every finding of a questionnaire, as far as the check runs without asking the user: those of
// controllaDati, then, unless one of them ends the check, that of controllaIncarichi.
std::vector<Rilievo> controllaContenuto(const qst::Contenuto &c);

// Note k is present: its link is red and the note kept with the ticked answer holds text.
bool notaPresente(const qst::Contenuto &c, int k);
// The failure of a required note that is missing.
Rilievo notaMancante(const qst::Contenuto &c, int k);
// The user declined to write note "Nota 1.0.c": back to the statute maximum.
Rilievo rinunciaNota();

// A day, month and year that form a real date: one or two digits, one or two, exactly four.
bool dataValida(const QString &giorno, const QString &mese, const QString &anno);
// A number of digits only that fits a 16-bit integer; nullopt for anything else.
std::optional<int> numeroIntero(const QString &text);

} // namespace sf
