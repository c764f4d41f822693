#include "pagina.h"

#include "misure.h"

#include <algorithm>

namespace prn
{

namespace
{

// A line may start at most this far above the page height, or its own height if that is more.
constexpr double kPiede = 5;
// Space added below a line of general data.
constexpr double kInterlinea = 2;

} // namespace

const Impaginazione &impaginazioneScheda()
{
    static const Impaginazione layout{
        .numeroPagina = QStringLiteral("Pagina %1"),
        .yNumeroPagina = 2,
        .yTitolo = 3,
        .yFiletto = 3.75,
        .primaRiga = 13,
        .titoloRavvicinato = QStringLiteral("Riquadro III - Relazione per l'assemblea"),
        .primaRigaRavvicinata = 11,
        .controllaPagina = true,
        .numeraSeguito = true,
        .rispostaGrassetto = false,
    };
    return layout;
}

const Impaginazione &impaginazioneSchedaPre()
{
    // Four numbered pages ("di 4 pagine"): a page the page check adds has its heading only.
    static const Impaginazione layout{
        .numeroPagina = QStringLiteral("Pagina %1 di 4 pagine"),
        .yNumeroPagina = 5,
        .yTitolo = 5,
        .yFiletto = 5.75,
        .primaRiga = 12,
        .titoloRavvicinato = QString(),
        .primaRigaRavvicinata = 0,
        .controllaPagina = true,
        .numeraSeguito = false,
        .rispostaGrassetto = true,
    };
    return layout;
}

Pagina::Pagina(Printer &p, const Impaginazione &layout) : printer(p), layout_(layout)
{
}

bool Pagina::controllaPagina()
{
    // A line taller than the foot (on small paper) needs its own height.
    const double foot = std::max(kPiede, printer.TextHeight());
    if (!layout_.controllaPagina || stato.rigaStampa + foot <= printer.ScaleHeight())
        return false;
    paginaSeguente(stato.titoloSezione);
    return true;
}

void Pagina::paginaSeguente(const QString &titolo)
{
    if (layout_.numeraSeguito) {
        ++stato.contaPagine;
        nuovaPagina(stato.contaPagine);
    } else {
        printer.NewPage();
    }
    stampaTitolo(titolo);
}

void Pagina::nuovaPagina(long pagina)
{
    printer.NewPage();
    printer.setFontSize(10);
    printer.setFontBold(false);
    const QString s = layout_.numeroPagina.arg(pagina);
    printer.setCurrentX(printer.ScaleWidth() - printer.TextWidth(s) - 2);
    printer.setCurrentY(layout_.yNumeroPagina);
    printer.Print(s);
}

void Pagina::stampaTitolo(const QString &titolo)
{
    stato.titoloSezione = titolo;
    printer.setFontBold(false);
    printer.setFontSize(12);
    printer.setCurrentX(5);
    printer.setCurrentY(layout_.yTitolo);
    printer.Print(titolo);
    const QString rule = filetto();
    printer.setCurrentY(layout_.yFiletto);
    printer.Print(rule);
    printer.setCurrentX(0);
    printer.setCurrentY(titolo == layout_.titoloRavvicinato ? layout_.primaRigaRavvicinata
                                                            : layout_.primaRiga);
    printer.setFontSize(10);
    printer.setFontBold(true);
    stato.rigaStampa = printer.CurrentY();
}

void Pagina::stampaLinea()
{
    const QString rule = filetto();
    printer.setCurrentY(stato.rigaStampa - 5);
    printer.Print(rule);
    printer.setCurrentY(stato.rigaStampa);
}

QString Pagina::filetto()
{
    return corsa(printer, QLatin1Char('_'), printer.ScaleWidth());
}

void Pagina::avanzaRiga()
{
    printer.setCurrentY(printer.CurrentY() + kInterlinea);
    stato.rigaStampa = printer.CurrentY();
}

void Pagina::stampaPuntini(const QString &valore)
{
    printer.setFontBold(false);
    printer.setCurrentY(stato.rigaStampa);
    const double right = printer.ScaleWidth();
    const double x = printer.CurrentX();
    const double width = printer.TextWidth(valore);
    if (!valore.isEmpty() && x + printer.TextWidth(QStringLiteral(".")) + width > right) {
        const QString dots = corsa(printer, QLatin1Char('.'), right - x);
        printer.setCurrentX(right - printer.TextWidth(dots));
        printer.Print(dots);
        avanzaRiga();
        stampaValoreACapo(valore);
        return;
    }
    const QString dots = corsa(printer, QLatin1Char('.'), right - x - width);
    printer.setCurrentX(right - printer.TextWidth(dots) - width);
    printer.Print(dots);
    if (!valore.isEmpty()) {
        printer.setCurrentY(stato.rigaStampa);
        printer.setCurrentX(right - width);
        printer.Print(valore);
    }
    avanzaRiga();
}

void Pagina::stampaValoreACapo(const QString &valore)
{
    const double right = printer.ScaleWidth();
    const QChar blank = QLatin1Char(' ');
    QString rest = valore.trimmed();
    while (!rest.isEmpty()) {
        qsizetype n = quantiEntro(printer, rest, right);
        qsizetype next = n;
        if (n < rest.size()) {
            const qsizetype gap = rest.at(n) == blank ? n : n > 0 ? rest.lastIndexOf(blank, n - 1) : -1;
            if (gap > 0) {
                n = gap;
                next = gap + 1;
            } else {
                n = std::max<qsizetype>(n, 1); // one word wider than the line
                next = n;
            }
        }
        const QString piece = rest.left(n).trimmed();
        rest = rest.mid(next).trimmed();
        if (controllaPagina())
            printer.setFontBold(false);
        printer.setCurrentY(stato.rigaStampa);
        printer.setCurrentX(right - printer.TextWidth(piece));
        printer.Print(piece);
        avanzaRiga();
    }
}

QString Pagina::riempiPuntini(double x)
{
    printer.setFontBold(false);
    return corsa(printer, QLatin1Char('.'), printer.ScaleWidth() - x - 1);
}

void Pagina::stampaVoce(const QString &etichetta, const QString &valore)
{
    controllaPagina();
    printer.setFontBold(true);
    printer.setCurrentX(0);
    printer.setCurrentY(stato.rigaStampa);
    printer.Print(etichetta);
    printer.setCurrentX(printer.TextWidth(etichetta) + 1);
    stampaPuntini(valore);
}

} // namespace prn
