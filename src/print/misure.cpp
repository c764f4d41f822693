#include "misure.h"

#include <algorithm>
#include <cmath>

namespace prn
{

int primoCheRaggiunge(const std::function<double(int)> &width, double target, int lowest, int estimate)
{
    int n = std::max(lowest, estimate);
    if (width(n) >= target) {
        while (n > lowest && width(n - 1) >= target)
            --n;
        return n;
    }
    double last = width(n);
    for (;;) {
        const double w = width(n + 1);
        ++n;
        if (w >= target)
            return n;
        if (w <= last) // the width does not grow: no run reaches the target
            return n;
        last = w;
    }
}

QString corsa(Printer &printer, QChar c, double target)
{
    const double unit = printer.TextWidth(QString(c));
    if (unit >= target || unit <= 0)
        return QString(c);
    const int estimate = static_cast<int>(std::ceil(target / unit));
    const int n =
        primoCheRaggiunge([&](int k) { return printer.TextWidth(QString(k, c)); }, target, 1, estimate);
    return QString(n, c);
}

qsizetype primoPrefisso(Printer &printer, const QString &s, const std::function<bool(double)> &reached)
{
    // Invariant: a prefix of lo characters does not reach, one of hi characters does (a prefix
    // of s.size() + 1 characters stands for "none").
    qsizetype lo = -1;
    qsizetype hi = s.size() + 1;
    while (hi - lo > 1) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (reached(printer.TextWidth(s.left(mid))))
            hi = mid;
        else
            lo = mid;
    }
    return hi;
}

qsizetype quantiEntro(Printer &printer, const QString &s, double width)
{
    qsizetype n = primoPrefisso(printer, s, [width](double w) { return w > width; }) - 1;
    // Never between the two halves of a surrogate pair: a character that does not fit goes
    // whole to what follows.
    if (n > 0 && n < s.size() && s.at(n - 1).isHighSurrogate() && s.at(n).isLowSurrogate())
        --n;
    return n;
}

namespace
{

// The line after `count` insertions of the justification rule.
QString conSpazi(const QString &line, int count)
{
    QString l = line;
    qsizetype g = l.indexOf(QLatin1Char(' ')) + 1; // 1-based position of the first blank, 0: none
    for (int i = 0; i < count; ++i) {
        l.insert(g, QLatin1Char(' '));
        const qsizetype next = l.indexOf(QLatin1Char(' '), g + 1); // at or after position g + 2
        g = next >= 0 ? next + 1 : l.indexOf(QLatin1Char(' ')) + 1;
    }
    return l;
}

} // namespace

QString giustifica(Printer &printer, const QString &line, double width)
{
    const double start = printer.TextWidth(line);
    if (start >= width)
        return line;
    const double blank = printer.TextWidth(QStringLiteral(" "));
    if (blank <= 0)
        return line;
    const int estimate = static_cast<int>(std::ceil((width - start) / blank));
    const int n =
        primoCheRaggiunge([&](int k) { return printer.TextWidth(conSpazi(line, k)); }, width, 0, estimate);
    return conSpazi(line, n);
}

QString senzaSpaziIniziali(const QString &s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}

} // namespace prn
