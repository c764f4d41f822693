#include "membersgrid.h"

#include <QHeaderView>

namespace win {

MembersGrid::MembersGrid(const qst::ModelTable &table, QWidget *parent)
    : QTableWidget(parent), table_(table)
{
    setObjectName(QStringLiteral("MSHFlexGrid1"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setMinimumSectionSize(0);
    setWordWrap(false);
}

int MembersGrid::columnTwips(const qst::ModelTable &table, int column)
{
    const bool dual = table.gridColumns == 12;
    if (column == 0)
        return 450;
    if (column == 1)
        return 2820;
    if (column == 2)
        return 1940;
    if (column == 3)
        return 400;
    if (column == table.noteColumn())
        return 0;
    if (column == table.noteCell())
        return dual ? 1450 : 1000;
    return dual ? 950 : 900;
}

void MembersGrid::build(int rows)
{
    setColumnCount(table_.gridColumns);
    setRowCount(rows);
    for (int c = 0; c < table_.gridColumns; ++c) {
        const int width = twips(columnTwips(table_, c));
        setColumnWidth(c, width);
        setColumnHidden(c, width == 0);
    }
    setTextMatrix(0, 0, QStringLiteral("Pres."));
    for (int r = 2; r <= rows; ++r)
        setTextMatrix(r - 1, 0, QString::number(r));
    // Centred columns: elected by the minority, the counts and the note cell.
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem *it = item(r, c);
            if (!it) {
                it = new QTableWidgetItem();
                setItem(r, c, it);
            }
            const bool centred = (c >= 3 && c < table_.noteColumn()) || c == table_.noteCell();
            it->setTextAlignment(centred ? int(Qt::AlignHCenter | Qt::AlignTop)
                                         : int(Qt::AlignLeft | Qt::AlignVCenter));
        }
}

void MembersGrid::clearAll()
{
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem *it = item(r, c))
                it->setText(QString());
}

void MembersGrid::addItem(const QString &label)
{
    const int r = rowCount();
    insertRow(r);
    for (int c = 0; c < columnCount(); ++c) {
        auto *it = new QTableWidgetItem();
        const bool centred = (c >= 3 && c < table_.noteColumn()) || c == table_.noteCell();
        it->setTextAlignment(centred ? int(Qt::AlignHCenter | Qt::AlignTop)
                                     : int(Qt::AlignLeft | Qt::AlignVCenter));
        setItem(r, c, it);
    }
    setTextMatrix(r, 0, label);
}

QString MembersGrid::textMatrix(int row, int column) const
{
    const QTableWidgetItem *it = item(row, column);
    return it ? it->text() : QString();
}

void MembersGrid::setTextMatrix(int row, int column, const QString &text)
{
    QTableWidgetItem *it = item(row, column);
    if (!it) {
        it = new QTableWidgetItem();
        setItem(row, column, it);
    }
    it->setText(text);
}

} // namespace win
