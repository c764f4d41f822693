#include "nota.h"

#include "questionnaire/modelstate.h"

#include "domanda.h"
#include "misure.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace prn
{

namespace
{

// The words of a line are gathered until the line is this wide.
constexpr double kRaccolta = 185;
// A line is looked for within this many characters of the rest.
constexpr qsizetype kFinestra = 200;

const QString kAcapo = QStringLiteral("\r\n");

// One printed line of a note: page-checked, not bold, then the small advance.
void riga(Pagina &pg, const QString &text)
{
    Printer &p = pg.printer;
    pg.stato.rigaStampa = p.CurrentY();
    if (pg.controllaPagina())
        p.setFontBold(false);
    p.setCurrentX(0);
    p.Print(text);
    p.setCurrentY(p.CurrentY() + kAvanzamento);
}

// The lines of a text that fits, each page-checked, without the small advance.
void righeIntere(Pagina &pg, const QString &text)
{
    Printer &p = pg.printer;
    for (const QString &line : text.split(kAcapo)) {
        pg.stato.rigaStampa = p.CurrentY();
        if (pg.controllaPagina())
            p.setFontBold(false);
        p.setCurrentX(0);
        p.Print(line);
    }
}

double arrotondata(Printer &p, const QString &s)
{
    return std::nearbyint(p.TextWidth(s)); // halves to even
}

// The next line of a note from the window `w` of its rest: prints it and returns how many
// characters of the rest it consumed (one at least).
qsizetype prossimaRiga(Pagina &pg, const QString &w)
{
    Printer &p = pg.printer;
    const qsizetype crlf = w.indexOf(kAcapo);
    std::vector<qsizetype> blanks;
    for (qsizetype i = w.indexOf(QLatin1Char(' ')); i >= 0; i = w.indexOf(QLatin1Char(' '), i + 1))
        blanks.push_back(i);
    // The blanks before the first line break; whether one follows it.
    std::vector<qsizetype> before;
    for (qsizetype b : blanks)
        if (crlf < 0 || b < crlf)
            before.push_back(b);

    const auto hardBreak = [&] {
        riga(pg, w.left(crlf));
        return crlf + 2;
    };
    // A rest whose first word is too wide, or that has no blank: as much as fits, at a blank
    // if one leaves a word on the line, else inside the word.
    const auto fallback = [&]() -> qsizetype {
        const QString segment = crlf >= 0 ? w.left(crlf) : w;
        const qsizetype n = quantiEntro(p, segment, kLarghezzaNota);
        if (n >= segment.size()) {
            if (crlf >= 0)
                return hardBreak();
            riga(pg, segment);
            return segment.size();
        }
        const qsizetype gap = segment.lastIndexOf(QLatin1Char(' '), n);
        if (gap > 0 && !segment.left(gap).trimmed().isEmpty()) {
            riga(pg, giustifica(p, senzaSpaziIniziali(segment.left(gap)), kLarghezzaNota));
            return gap + 1;
        }
        const qsizetype cut = std::max<qsizetype>(1, n);
        riga(pg, segment.left(cut));
        return cut;
    };

    if (blanks.empty() || arrotondata(p, w.left(blanks.front())) >= kRaccolta)
        return fallback();
    // The first blank whose text in front of it is as wide as the gathering bound.
    qsizetype lo = 0; // before[lo] does not reach it
    qsizetype hi = static_cast<qsizetype>(before.size());
    while (hi - lo > 1) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (arrotondata(p, w.left(before[static_cast<size_t>(mid)])) >= kRaccolta)
            hi = mid;
        else
            lo = mid;
    }
    // The line ends at that blank; or, when the gathering reaches the line break first, at the
    // break, unjustified, provided it fits: the last line of a paragraph is never stretched,
    // whatever follows the break.
    qsizetype end;
    const bool atBreak = hi == static_cast<qsizetype>(before.size()) && crlf >= 0;
    if (hi < static_cast<qsizetype>(before.size()))
        end = before[static_cast<size_t>(hi)];
    else if (atBreak)
        end = crlf;
    else
        end = before.back();

    QString line = w.left(end);
    if (p.TextWidth(line) <= kLarghezzaNota) {
        if (atBreak)
            return hardBreak();
    } else {
        // Too wide: the rest of the line, and any line break after it, wait for the next line.
        // Back to the last blank that leaves the line, blank included, within the width.
        qsizetype found = -1;
        qsizetype a = -1;
        qsizetype b =
            static_cast<qsizetype>(std::lower_bound(blanks.begin(), blanks.end(), end) - blanks.begin());
        while (b - a > 1) {
            const qsizetype mid = a + (b - a) / 2;
            if (p.TextWidth(w.left(blanks[static_cast<size_t>(mid)] + 1)) <= kLarghezzaNota)
                a = mid;
            else
                b = mid;
        }
        if (a >= 0)
            found = blanks[static_cast<size_t>(a)];
        if (found <= 0 || w.left(found).trimmed().isEmpty())
            return fallback();
        line = w.left(found);
    }
    riga(pg, giustifica(p, senzaSpaziIniziali(line), kLarghezzaNota));
    return line.size() + 1;
}

} // namespace

void stampaNota(Pagina &pg, const QString &titolo, const QString &testo)
{
    Printer &p = pg.printer;
    pg.stato.rigaStampa = p.CurrentY();
    pg.controllaPagina();
    p.setFontBold(true);
    p.setCurrentX(5);
    p.Print(titolo);
    p.setCurrentX(0);
    p.setFontBold(false);
    p.setCurrentY(p.CurrentY() + kAvanzamento);

    // Every line break as CR LF.
    const QString text = qst::withLineBreaks(testo, kAcapo);

    if (p.TextWidth(text) <= kLarghezzaNota) {
        righeIntere(pg, text);
        return;
    }
    // The rest is measured only once it is short enough to be the last piece.
    qsizetype done = 0;
    while (text.size() - done > kFinestra || p.TextWidth(text.mid(done)) > kLarghezzaNota)
        done += prossimaRiga(pg, text.mid(done, kFinestra));
    righeIntere(pg, senzaSpaziIniziali(text.mid(done)));
    p.setCurrentY(p.CurrentY() + kAvanzamento);
}

} // namespace prn
