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
constexpr double kGatherBound = 185;
// A line is looked for first within this many characters of the rest.
constexpr qsizetype kWindow = 200;

const QString kLineBreak = QStringLiteral("\r\n");

// What a window of the rest gives besides a printed line: nothing yet, the line reaching past
// it; or the rest as the note's last line, which the caller prints as it stands.
constexpr qsizetype kLookFurther = -1;
constexpr qsizetype kLastPiece = 0;

// One printed line of a note: page-checked, not bold, then the small advance.
void printLine(Pagina &pg, const QString &text)
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
void printLinesAsTheyStand(Pagina &pg, const QString &text)
{
    Printer &p = pg.printer;
    for (const QString &line : text.split(kLineBreak)) {
        pg.stato.rigaStampa = p.CurrentY();
        if (pg.controllaPagina())
            p.setFontBold(false);
        p.setCurrentX(0);
        p.Print(line);
    }
}

double roundedWidth(Printer &p, const QString &s)
{
    return std::nearbyint(p.TextWidth(s)); // halves to even
}

bool onlyBlanks(const QString &s, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i)
        if (s.at(i) != QLatin1Char(' '))
            return false;
    return true;
}

QString withoutTrailingBlanks(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}

// The window of the rest of `text` from `from` that holds `length` characters, or all of the
// rest when shorter; it never ends between the CR and the LF of a line break.
qsizetype windowLength(const QString &text, qsizetype from, qsizetype length)
{
    qsizetype n = std::min(length, text.size() - from);
    if (n > 0 && from + n < text.size() && text.at(from + n - 1) == QLatin1Char('\r') &&
        text.at(from + n) == QLatin1Char('\n'))
        ++n;
    return n;
}

// The next line of a note from the window `w` at the start of its rest (`whole`: the window is
// all of the rest). Prints the line and returns how many characters of the rest it consumed
// (one at least), or kLastPiece or kLookFurther, printing nothing.
qsizetype lineFromWindow(Pagina &pg, const QString &w, bool whole)
{
    Printer &p = pg.printer;
    const qsizetype crlf = w.indexOf(kLineBreak);
    // Where the paragraph ends in the window: at its line break, else at the end of the note;
    // -1 when it goes on past the window.
    const qsizetype paragraphEnd = crlf >= 0 ? crlf : whole ? w.size() : -1;
    std::vector<qsizetype> blanks;
    for (qsizetype i = w.indexOf(QLatin1Char(' ')); i >= 0; i = w.indexOf(QLatin1Char(' '), i + 1))
        blanks.push_back(i);
    // The blanks before the first line break.
    std::vector<qsizetype> before;
    for (qsizetype b : blanks)
        if (crlf < 0 || b < crlf)
            before.push_back(b);

    const auto breakLine = [&](const QString &line) {
        printLine(pg, line);
        return crlf + 2;
    };
    // A rest whose first word is too wide, or that has no blank: as much as fits, at a blank
    // if one leaves a word on the line, else inside the word.
    const auto fallback = [&]() -> qsizetype {
        const QString segment = crlf >= 0 ? w.left(crlf) : w;
        const qsizetype n = quantiEntro(p, segment, kLarghezzaNota);
        if (n >= segment.size()) {
            if (crlf >= 0)
                return breakLine(segment);
            return whole ? kLastPiece : kLookFurther;
        }
        const qsizetype gap = segment.lastIndexOf(QLatin1Char(' '), n);
        if (gap > 0 && !segment.left(gap).trimmed().isEmpty()) {
            printLine(pg, giustifica(p, senzaSpaziIniziali(segment.left(gap)), kLarghezzaNota));
            return gap + 1;
        }
        const qsizetype cut = std::max<qsizetype>(1, n);
        printLine(pg, segment.left(cut));
        return cut;
    };

    if (blanks.empty() || roundedWidth(p, w.left(blanks.front())) >= kGatherBound)
        return fallback();
    // The first blank whose text in front of it is as wide as the gathering bound.
    qsizetype lo = 0; // before[lo] does not reach it
    qsizetype hi = static_cast<qsizetype>(before.size());
    while (hi - lo > 1) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (roundedWidth(p, w.left(before[static_cast<size_t>(mid)])) >= kGatherBound)
            hi = mid;
        else
            lo = mid;
    }
    // The line ends at that blank. When only blanks stand between it and the end of the
    // paragraph, or the gathering reaches the end first, it is the paragraph's last line: it
    // ends at the line break, unjustified, provided it fits. Whether a line is the last one is
    // never left to where the window ends.
    qsizetype end;
    bool lastLine;
    if (hi < static_cast<qsizetype>(before.size())) {
        end = before[static_cast<size_t>(hi)];
        if (paragraphEnd < 0 && onlyBlanks(w, end, w.size()))
            return kLookFurther;
        lastLine = paragraphEnd >= 0 && onlyBlanks(w, end, paragraphEnd);
    } else {
        if (paragraphEnd < 0)
            return kLookFurther;
        end = paragraphEnd;
        lastLine = true;
    }
    if (lastLine) {
        const QString line = withoutTrailingBlanks(w.left(paragraphEnd));
        if (p.TextWidth(line) <= kLarghezzaNota)
            return crlf >= 0 ? breakLine(line) : kLastPiece;
    }

    QString line = w.left(end);
    if (p.TextWidth(line) > kLarghezzaNota) {
        // Too wide: the rest of the line, and any line break after it, wait for the next line.
        // Back to the last blank that leaves the line, blank included, within the width.
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
        const qsizetype found = a >= 0 ? blanks[static_cast<size_t>(a)] : -1;
        if (found <= 0 || w.left(found).trimmed().isEmpty())
            return fallback();
        line = w.left(found);
    }
    printLine(pg, giustifica(p, senzaSpaziIniziali(line), kLarghezzaNota));
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
    const QString text = qst::withLineBreaks(testo, kLineBreak);

    if (p.TextWidth(text) <= kLarghezzaNota) {
        printLinesAsTheyStand(pg, text);
        return;
    }
    // The rest is measured only once it is short enough to be the last piece. A line is looked
    // for in a window of the rest, twice as long each time it does not end inside it.
    qsizetype done = 0;
    while (text.size() - done > kWindow || p.TextWidth(text.mid(done)) > kLarghezzaNota) {
        qsizetype used = kLookFurther;
        for (qsizetype length = kWindow; used == kLookFurther; length *= 2) {
            const qsizetype n = windowLength(text, done, length);
            used = lineFromWindow(pg, text.mid(done, n), done + n == text.size());
        }
        if (used == kLastPiece)
            break;
        done += used;
    }
    printLinesAsTheyStand(pg, senzaSpaziIniziali(text.mid(done)));
    p.setCurrentY(p.CurrentY() + kAvanzamento);
}

} // namespace prn
