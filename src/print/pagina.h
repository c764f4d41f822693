#pragma once

#include "printer.h"

#include <QString>

namespace prn
{

// Where a printout puts its page furniture, whether its lines look for the foot of the page, and
// how its question lines print their answers.
struct Impaginazione {
    QString numeroPagina;            // the page label, "%1" standing for the number
    double yNumeroPagina = 0;        // top of the page label
    double yTitolo = 0;              // top of a section heading
    double yFiletto = 0;             // top of the rule under it
    double primaRiga = 0;            // the section's first line
    QString titoloRavvicinato;       // the heading whose first line starts higher
    double primaRigaRavvicinata = 0; // ... here
    bool controllaPagina = true;     // the page check begins a new page at the foot
    bool numeraSeguito = true;       // a page the page check begins gets the next number
    bool rispostaGrassetto = false;  // a question line's answer is bold
};

// The page furniture of the printed form of the three models, and of the version 1.1 form.
const Impaginazione &impaginazioneScheda();
const Impaginazione &impaginazioneSchedaPre();

// The state of one printout.
struct StatoStampa {
    long contaPagine = 1;  // number of the page being printed
    double rigaStampa = 0; // Y of the current print line
    QString titoloSezione; // heading repeated at the top of a continuation page
    QString testoAppoggio; // the form's scratch text: the last fixed line of requirement item 7
};

// The page layer every printout prints through: headings, page numbers, rules, dotted leaders
// and the page check, on one printer and one print state.
class Pagina
{
public:
    explicit Pagina(Printer &printer, const Impaginazione &layout = impaginazioneScheda());

    Printer &printer;
    StatoStampa stato;
    const Impaginazione &layout() const { return layout_; }

    // A line would start below the foot of the page (rigaStampa + 5 > ScaleHeight, or the
    // current line height in place of 5 when it is taller): a new page with the next number and
    // the section heading. True when it began one.
    bool controllaPagina();
    // The next page of the document under `titolo`: contaPagine + 1 and nuovaPagina where the
    // layout numbers its continuation pages, else a page without number; then stampaTitolo.
    void paginaSeguente(const QString &titolo);
    void nuovaPagina(long pagina);
    // The heading at the top of a section page; leaves size 10, bold, at the first line.
    void stampaTitolo(const QString &titolo);
    // A full-width rule 5 units above the current line.
    void stampaLinea();
    // The dotted leader from CurrentX and the value right-aligned at the right margin, then the
    // next line. A value that does not fit beside the leader follows on lines of its own.
    void stampaPuntini(const QString &valore);
    // The dots that reach from x to 1 unit before the right margin (not bold); prints nothing.
    QString riempiPuntini(double x);
    // One item line, page-checked (values are not limited in length, and a long one takes lines of
    // its own, so any item may fall at the foot of a page): the label in bold at the left, then
    // stampaPuntini with the value.
    void stampaVoce(const QString &etichetta, const QString &valore);
    // The shortest run of "_" as wide as the page in the current font.
    QString filetto();

private:
    void stampaValoreACapo(const QString &valore);
    void avanzaRiga();

    const Impaginazione &layout_;
};

} // namespace prn
