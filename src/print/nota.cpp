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

// What a window of the rest gives besides the position after a printed line: nothing yet, the
// line reaching past it; or the note's last line printed, nothing left.
constexpr qsizetype kLookFurther = -1;
constexpr qsizetype kNoteEnded = -2;

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

// The length of s without the blanks at its end.
qsizetype lengthBeforeTrailingBlanks(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return n;
}

QString withoutTrailingBlanks(const QString &s)
{
    return s.left(lengthBeforeTrailingBlanks(s));
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

// A note's text while it is wrapped, and the run of blanks last looked through: the lines that
// start or stop inside one long run learn where it ends once, not each by reading it again.
class Wrapped
{
public:
    explicit Wrapped(const QString &text) : text_(text) {}

    const QString &text() const { return text_; }

    // The first character at or after `at` that is not a blank (the text's size when none).
    qsizetype afterBlanks(qsizetype at)
    {
        if (at >= runFrom_ && at <= runEnd_)
            return runEnd_;
        qsizetype i = at;
        while (i < text_.size() && text_.at(i) == QLatin1Char(' '))
            ++i;
        runFrom_ = at;
        runEnd_ = i;
        return i;
    }

    // Whether a paragraph ends at `at`: at a line break, or at the end of the note.
    bool paragraphEndsAt(qsizetype at) const
    {
        return at == text_.size() || QStringView(text_).mid(at).startsWith(kLineBreak);
    }

    // Whether a line from `at` goes on with a paragraph wrapped on the line before it.
    bool continuesAt(qsizetype at) const
    {
        return at > 0 && !QStringView(text_).left(at).endsWith(kLineBreak);
    }

private:
    const QString &text_;
    qsizetype runFrom_ = 1; // [runFrom_, runEnd_) are blanks and runEnd_ is none; empty at first
    qsizetype runEnd_ = 0;
};

// The next line of a note from the window `w` of its rest, which starts at `from`. Prints the
// line and returns where the rest goes on after it, or kNoteEnded; kLookFurther, printing
// nothing, when the line reaches past the window.
qsizetype lineFromWindow(Pagina &pg, Wrapped &note, qsizetype from, const QString &w)
{
    Printer &p = pg.printer;
    const bool whole = from + w.size() == note.text().size();
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

    // The paragraph's last line when the gathering stopped at `end` and only blanks stand
    // between it and the paragraph's end, however far that is: it ends there, unjustified and
    // without the blanks at its end (nor those at its start when it goes on with a wrapped
    // paragraph or ends the note), provided it fits. Returns kLookFurther when it is not the
    // last line or does not fit, printing nothing.
    const auto lastLine = [&](qsizetype end) -> qsizetype {
        const qsizetype stop = note.afterBlanks(from + end);
        if (!note.paragraphEndsAt(stop))
            return kLookFurther;
        const bool noteEnds = stop == note.text().size();
        QString line = withoutTrailingBlanks(w.left(end));
        if (noteEnds || note.continuesAt(from))
            line = senzaSpaziIniziali(line);
        if (p.TextWidth(line) > kLarghezzaNota)
            return kLookFurther;
        printLine(pg, line);
        return noteEnds ? kNoteEnded : stop + kLineBreak.size();
    };
    // A rest whose first word is too wide for the gathering, or that has no blank: as much as
    // fits, at a blank if one leaves a word on the line, else inside the word.
    const auto fallback = [&]() -> qsizetype {
        const QString segment = crlf >= 0 ? w.left(crlf) : w;
        // The rest of the paragraph is its last line when it fits without the blanks at its end.
        if (const qsizetype words = lengthBeforeTrailingBlanks(segment); words > 0)
            if (const qsizetype next = lastLine(words); next != kLookFurther)
                return next;
        const qsizetype n = quantiEntro(p, segment, kLarghezzaNota);
        if (n >= segment.size()) {
            if (paragraphEnd < 0)
                return kLookFurther;
            return lastLine(paragraphEnd);
        }
        const qsizetype gap = segment.lastIndexOf(QLatin1Char(' '), n);
        if (gap > 0 && !segment.left(gap).trimmed().isEmpty()) {
            printLine(pg, giustifica(p, senzaSpaziIniziali(segment.left(gap)), kLarghezzaNota));
            return from + gap + 1;
        }
        const qsizetype cut = std::max<qsizetype>(1, n);
        const QString piece = segment.left(cut);
        printLine(pg, note.continuesAt(from) ? senzaSpaziIniziali(piece) : piece);
        return from + cut;
    };

    if (blanks.empty() || roundedWidth(p, w.left(blanks.front())) >= kGatherBound)
        return fallback();
    // The first blank whose text in front of it is as wide as the gathering bound, if any. The
    // first blank is known not to be one; the last is asked first, so that a window the line
    // reaches past costs one measurement, not a search.
    qsizetype lo = 0;
    qsizetype hi = static_cast<qsizetype>(before.size());
    const auto reaches = [&](qsizetype i) {
        return roundedWidth(p, w.left(before[static_cast<size_t>(i)])) >= kGatherBound;
    };
    if (hi > 1 && reaches(hi - 1)) {
        --hi;
        while (hi - lo > 1) {
            const qsizetype mid = lo + (hi - lo) / 2;
            (reaches(mid) ? hi : lo) = mid;
        }
    } else {
        hi = static_cast<qsizetype>(before.size());
    }
    // The line ends at that blank, or at the end of the paragraph when the gathering reaches
    // it first. Whether it is the paragraph's last line is never left to where the window ends.
    qsizetype end;
    if (hi < static_cast<qsizetype>(before.size())) {
        end = before[static_cast<size_t>(hi)];
    } else {
        if (paragraphEnd < 0)
            return kLookFurther;
        end = paragraphEnd;
    }
    if (const qsizetype next = lastLine(end); next != kLookFurther)
        return next;

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
    return from + line.size() + 1;
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
    Wrapped note(text);
    qsizetype done = 0;
    while (text.size() - done > kWindow || p.TextWidth(text.mid(done)) > kLarghezzaNota) {
        qsizetype next = kLookFurther;
        for (qsizetype length = kWindow; next == kLookFurther; length *= 2)
            next = lineFromWindow(pg, note, done, text.mid(done, windowLength(text, done, length)));
        if (next == kNoteEnded)
            return;
        done = next;
    }
    printLinesAsTheyStand(pg, withoutTrailingBlanks(senzaSpaziIniziali(text.mid(done))));
    p.setCurrentY(p.CurrentY() + kAvanzamento);
}

} // namespace prn
