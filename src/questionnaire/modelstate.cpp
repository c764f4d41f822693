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

// Calls line(from, to) for each line of `text` and breakAt(position, length) for each line break.
template <typename Line> void forEachLine(const QString &text, Line &&line)
{
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        const qsizetype length = c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n' ? 2 : 1;
        line(start, i, length);
        i += length - 1;
        start = i + 1;
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
    bool same = true;
    forEachLine(text, [&](qsizetype, qsizetype to, qsizetype length) {
        same = same && (length == 0 || QStringView(text).mid(to, length) == lineBreak);
    });
    if (same)
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 8);
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
        return {true, true, false};
    case Evento::TextGeneraleChange:
    case Evento::RiunioniNAClick:
    case Evento::NumberBoxChange:
        return {true, true, true};
    case Evento::NoteLinkClickRefused:
    case Evento::GridNoteCellClick:
        return {true, false, false};
    case Evento::AddMember:
    case Evento::NoteFine:
    case Evento::NoteCancella:
        return {false, false, false};
    }
    return {};
}

} // namespace qst
