#include "domanda.h"

#include "misure.h"

#include <algorithm>

namespace prn
{

namespace
{

struct Taglio {
    QString riga;
    QString resto;
};

// A line that breaks inside its first word: as many characters as fit, one at least.
Taglio dentroLaParola(Printer &p, const QString &resto)
{
    const qsizetype n = std::max<qsizetype>(1, quantiEntro(p, resto, kLarghezzaDomanda));
    return {resto.left(n), resto.mid(n)};
}

// The next full line of a question: up to the first blank whose text in front of it is as wide
// as the column, or up to the last blank; cut back by one word when that is too wide.
Taglio spezza(Printer &p, const QString &resto)
{
    const QChar blank = QLatin1Char(' ');
    const qsizetype wide = primoPrefisso(p, resto, [](double w) { return w >= kLarghezzaDomanda; });
    qsizetype c = resto.indexOf(blank, std::min(wide, resto.size()));
    if (c < 0)
        c = resto.lastIndexOf(blank);
    if (c < 0)
        return dentroLaParola(p, resto);
    QString riga = resto.left(c);
    if (p.TextWidth(riga) > kLarghezzaDomanda) {
        const qsizetype gap = riga.lastIndexOf(blank);
        if (gap < 0 || riga.left(gap).trimmed().isEmpty())
            return dentroLaParola(p, resto);
        riga = riga.left(gap);
    }
    return {riga, resto.mid(riga.size() + 1)};
}

// The last line of a row with an answer: the text, the dots, and the answer at the right margin.
void rigaRisposta(Pagina &pg, const QString &testo, const QString &risposta)
{
    Printer &p = pg.printer;
    pg.stato.rigaStampa = p.CurrentY();
    pg.controllaPagina();
    p.setFontBold(true);
    pg.stato.rigaStampa = p.CurrentY();
    p.Print(testo);
    p.setCurrentY(pg.stato.rigaStampa);
    p.setCurrentX(p.TextWidth(testo));
    // The answer is measured in bold, before riempiPuntini switches bold off.
    const QString dots = pg.riempiPuntini(p.CurrentX() + p.TextWidth(risposta));
    if (!risposta.isEmpty()) {
        p.Print(dots);
        p.setFontBold(pg.layout().rispostaGrassetto);
        p.setCurrentX(p.ScaleWidth() - p.TextWidth(risposta));
        p.setCurrentY(pg.stato.rigaStampa);
        p.Print(risposta);
    } else {
        p.setCurrentX(p.ScaleWidth() - p.TextWidth(dots));
        p.Print(dots);
    }
    p.setCurrentY(p.CurrentY() + kAvanzamento);
}

} // namespace

void stampaDomanda(Pagina &pg, const QString &testo, const std::optional<QString> &risposta)
{
    Printer &p = pg.printer;
    p.setFontBold(true);
    const double width = p.TextWidth(testo);
    if (width <= kLarghezzaDomanda) {
        if (risposta) {
            rigaRisposta(pg, testo, *risposta);
        } else {
            p.setCurrentX(0);
            p.Print(testo);
            p.setCurrentY(p.CurrentY() + kAvanzamento);
        }
        return;
    }
    // The full lines the width asks for, then more while the rest is still too wide.
    const int full = static_cast<int>(width / kLarghezzaDomanda);
    QString resto = testo;
    for (int i = 0;; ++i) {
        if (i > 0) {
            resto = senzaSpaziIniziali(resto);
            if (i >= full && p.TextWidth(resto) <= kLarghezzaDomanda)
                break;
        }
        Taglio t = spezza(p, resto);
        resto = t.resto;
        const QString riga = giustifica(p, t.riga, kLarghezzaDomanda);
        pg.stato.rigaStampa = p.CurrentY();
        pg.controllaPagina();
        p.setFontBold(true);
        p.Print(riga);
        p.setCurrentY(p.CurrentY() + kAvanzamento);
    }
    if (risposta) {
        rigaRisposta(pg, resto, *risposta);
    } else {
        pg.stato.rigaStampa = p.CurrentY();
        pg.controllaPagina();
        p.Print(resto);
        p.setCurrentY(p.CurrentY() + kAvanzamento);
    }
}

} // namespace prn
