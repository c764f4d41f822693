#include "membersgrid.h"

#include "core/error.h"

#include <QHeaderView>
#include <QStyle>

namespace win
{

MembersGrid::MembersGrid(const qst::ModelTable &table, QWidget *parent) : QTableWidget(parent), table_(table)
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
    // Tab leaves the grid for the next control; arrows move between cells.
    setTabKeyNavigation(false);
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

int MembersGrid::columnPixels(int column) const
{
    const int nominal = twips(columnTwips(table_, column));
    // The form's widths suit its narrow 8-point font. Where this platform's font is wider, the
    // two narrowest columns still show the row label "Pres." and the longest word of the
    // heading "Eletto dalle minor." in full.
    QString widest;
    if (column == 0)
        widest = QStringLiteral("Pres.");
    else if (column == 3)
        widest = QStringLiteral("minor.");
    else
        return nominal;
    const int textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return qMax(nominal, fontMetrics().horizontalAdvance(widest) + 2 * textMargin + 1);
}

Qt::Alignment MembersGrid::alignment(int column) const
{
    // Centred at the top: elected by the minority, the counts and the note cell.
    const bool centred = (column >= 3 && column < table_.noteColumn()) || column == table_.noteCell();
    return centred ? (Qt::AlignHCenter | Qt::AlignTop) : (Qt::AlignLeft | Qt::AlignVCenter);
}

void MembersGrid::build(int rows)
{
    setColumnCount(table_.gridColumns);
    setRowCount(rows);
    for (int c = 0; c < table_.gridColumns; ++c) {
        const int width = columnPixels(c);
        setColumnWidth(c, width);
        setColumnHidden(c, width == 0);
    }
    setTextMatrix(0, 0, QStringLiteral("Pres."));
    for (int r = 2; r <= rows; ++r)
        setTextMatrix(r - 1, 0, QString::number(r));
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem *it = item(r, c);
            if (!it) {
                it = new QTableWidgetItem();
                setItem(r, c, it);
            }
            it->setTextAlignment(alignment(c));
        }
}

void MembersGrid::clearAll()
{
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem *it = item(r, c))
                it->setText(QString());
    Q_EMIT cleared();
}

void MembersGrid::addItem(const QString &label)
{
    const int r = rowCount();
    insertRow(r);
    for (int c = 0; c < columnCount(); ++c) {
        auto *it = new QTableWidgetItem();
        it->setTextAlignment(alignment(c));
        setItem(r, c, it);
    }
    setTextMatrix(r, 0, label);
}

void MembersGrid::checkCell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        throw core::outOfRange();
}

QString MembersGrid::textMatrix(int row, int column) const
{
    checkCell(row, column);
    const QTableWidgetItem *it = item(row, column);
    return it ? it->text() : QString();
}

void MembersGrid::setTextMatrix(int row, int column, const QString &text)
{
    checkCell(row, column);
    QTableWidgetItem *it = item(row, column);
    if (!it) {
        it = new QTableWidgetItem();
        setItem(row, column, it);
    }
    it->setText(text);
}

} // namespace win
