#include "contenuto.h"

#include "core/error.h"

namespace qst
{

Contenuto::Contenuto(Modello m) : modello(m)
{
    for (int r = 0; r < 3; ++r)
        membri.push_back(rigaVuota(r));
}

const QString &Contenuto::campo(int index) const
{
    if (index < 0 || index >= kGeneralFields)
        throw core::outOfRange();
    return generale[static_cast<size_t>(index)];
}

QString Contenuto::cella(int row, int column) const
{
    if (row < 0 || static_cast<size_t>(row) >= membri.size())
        return QString();
    return membri[static_cast<size_t>(row)].value(column);
}

bool Contenuto::membroCompilato(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= membri.size())
        return false;
    const QStringList &cells = membri[static_cast<size_t>(row)];
    const int last = tabella().lastDataColumn();
    for (int c = 1; c <= last && c < cells.size(); ++c)
        if (!cells[c].isEmpty())
            return true;
    return false;
}

int Contenuto::membriCompilati() const
{
    int n = 0;
    for (size_t r = 0; r < membri.size(); ++r)
        if (membroCompilato(static_cast<int>(r)))
            ++n;
    return n;
}

QStringList Contenuto::rigaVuota(int row) const
{
    QStringList cells(tabella().gridColumns);
    cells[0] = row == 0 ? QStringLiteral("Pres.") : QString::number(row + 1);
    return cells;
}

QString Contenuto::notaScritta(int k) const
{
    if (k < 0 || k >= kGroups)
        throw core::outOfRange();
    switch (risposte[static_cast<size_t>(k)]) {
    case Risposta::Si:
        return noteSi.at(k);
    case Risposta::No:
        return k < 79 ? noteNo.at(k) : QString();
    case Risposta::NA:
    case Risposta::Nessuna:
        break;
    }
    return QString();
}

} // namespace qst
