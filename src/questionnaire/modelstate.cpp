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
