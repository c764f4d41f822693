#pragma once

#include "printer.h"

#include <QString>
#include <functional>

namespace prn
{

// The smallest n >= lowest whose width(n) reaches target: what the loop "n := lowest; while
// width(n) < target: n := n + 1" finds, for a width that grows with n. It starts from the
// estimate and measures only around it.
int primoCheRaggiunge(const std::function<double(int)> &width, double target, int lowest, int estimate);

// The shortest run of c, one character at least, whose width in the printer's current font
// reaches target: the run that growing a string one c at a time finds.
QString corsa(Printer &printer, QChar c, double target);

// The length of the shortest prefix of s whose width in the current font satisfies `reached`
// (which must hold for every longer prefix once it holds), found by halving; s.size() + 1 when
// no prefix does.
qsizetype primoPrefisso(Printer &printer, const QString &s, const std::function<bool(double)> &reached);

// How many leading characters of s fit into `width` in the current font, found by halving;
// 0 when not even one does. The count never ends inside a surrogate pair.
qsizetype quantiEntro(Printer &printer, const QString &s, double width);

// Line justification: L widened with blanks to reach `width`. Blanks go one at a time after the
// gaps from left to right (a line without a gap gets them in front), pass after pass, and stop
// as soon as the line is wide enough.
QString giustifica(Printer &printer, const QString &line, double width);

// s without its leading blanks.
QString senzaSpaziIniziali(const QString &s);

} // namespace prn
