#include "modelstate.h"

#include "core/error.h"

#include <algorithm>

namespace qst
{

namespace
{

void checkIndex(int k)
{
    if (k < 0 || k >= kGroups)
        throw core::outOfRange();
}

} // namespace

const QString &NoteTable::at(int k) const
{
    checkIndex(k);
    return notes_[static_cast<size_t>(k)];
}

void NoteTable::set(int k, const QString &text)
{
    checkIndex(k);
    notes_[static_cast<size_t>(k)] = text;
}

void NoteTable::clear()
{
    for (QString &n : notes_)
        n.clear();
}

namespace
{

// The index of the first CR or LF at or after i; n when there is none. Blocks of 16 characters
// without any character below 14 are passed over whole (a test the compiler vectorises): notes
// run to tens of thousands of characters.
qsizetype nextBreak(const char16_t *p, qsizetype i, qsizetype n)
{
    constexpr qsizetype kBlock = 16;
    while (i < n) {
        if (i + kBlock <= n) {
            bool control = false;
            for (qsizetype j = 0; j < kBlock; ++j)
                control |= p[i + j] < 14;
            if (!control) {
                i += kBlock;
                continue;
            }
        }
        for (const qsizetype end = std::min(n, i + kBlock); i < end; ++i)
            if (p[i] == u'\r' || p[i] == u'\n')
                return i;
    }
    return n;
}

// Calls line(from, to, length) for each line of `text`: its characters are from..to, and the line
// break after them is `length` characters long (0 for the last line).
template <typename Line> void forEachLine(const QString &text, Line &&line)
{
    const auto *p = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = nextBreak(p, 0, n); i < n; i = nextBreak(p, start, n)) {
        const qsizetype length = p[i] == u'\r' && i + 1 < n && p[i + 1] == u'\n' ? 2 : 1;
        line(start, i, length);
        start = i + length;
    }
    line(start, n, 0);
}

} // namespace

QStringList noteLines(const QString &text)
{
    QStringList lines;
    forEachLine(text, [&](qsizetype from, qsizetype to, qsizetype) { lines << text.mid(from, to - from); });
    return lines;
}

QString withLineBreaks(const QString &text, QStringView lineBreak)
{
    // The exact size first: a note is allocated once, no larger than it has to be.
    qsizetype size = 0;
    bool differs = false;
    forEachLine(text, [&](qsizetype from, qsizetype to, qsizetype length) {
        size += to - from + (length > 0 ? lineBreak.size() : 0);
        differs = differs || (length > 0 && QStringView(text).mid(to, length) != lineBreak);
    });
    if (!differs)
        return text;
    QString out;
    out.reserve(size);
    forEachLine(text, [&](qsizetype from, qsizetype to, qsizetype length) {
        out += QStringView(text).mid(from, to - from);
        if (length > 0)
            out += lineBreak;
    });
    return out;
}

bool haTesto(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 33; });
}

EffettoModifica effettoModifica(Evento e)
{
    switch (e) {
    case Evento::CheckClick:
    case Evento::TxtEditChange:
    case Evento::NoteLinkClickOpened:
        return {true, true};
    case Evento::TextGeneraleChange:
    case Evento::RiunioniNAClick:
    case Evento::NumberBoxChange:
        return {true, true};
    case Evento::NoteLinkClickRefused:
    case Evento::GridNoteCellClick:
        return {true, false};
    case Evento::AddMember:
    case Evento::NoteFine:
    case Evento::NoteCancella:
        return {false, false};
    }
    return {};
}

} // namespace qst
