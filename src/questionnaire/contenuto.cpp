#include "contenuto.h"

#include "core/error.h"
#include "indices.h"

namespace qst
{

namespace
{

struct AnswerWords {
    QString file;
    QString caption;
    QString adequacy; // the adequacy question's word, for file and caption alike
};

const AnswerWords &answerWords(Risposta r)
{
    static const std::array<AnswerWords, 3> table = {{
        {QStringLiteral("SI"), QStringLiteral("Si"), QStringLiteral("Adeguata")},   // Risposta::Si
        {QStringLiteral("NO"), QStringLiteral("No"), QStringLiteral("Inadeguata")}, // Risposta::No
        {QStringLiteral("NA"), QStringLiteral("N/A"), QString()},                   // Risposta::NA
    }};
    return table[static_cast<size_t>(r) - 1];
}

} // namespace

QString fileWord(Risposta r, int k)
{
    if (r == Risposta::Nessuna)
        return QString();
    const AnswerWords &w = answerWords(r);
    return k == kAdequacyGroup && !w.adequacy.isEmpty() ? w.adequacy : w.file;
}

QString captionWord(Risposta r, int k)
{
    if (r == Risposta::Nessuna)
        return QString();
    const AnswerWords &w = answerWords(r);
    return k == kAdequacyGroup && !w.adequacy.isEmpty() ? w.adequacy : w.caption;
}

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
        return isItemGroup(k) ? QString() : noteNo.at(k);
    case Risposta::NA:
    case Risposta::Nessuna:
        break;
    }
    return QString();
}

} // namespace qst
