#pragma once

#include "questionnaire/models.h"

#include <QTableWidget>

namespace win
{

// The members grid (MSHFlexGrid1): one row per member, no header row, every cell text.
// Qt's own item editing is off; cells are edited through the window's floating editor.
class MembersGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit MembersGrid(const qst::ModelTable &table, QWidget *parent = nullptr);

    // Builds the structure: columns, widths, row labels of `rows` rows, alignments.
    // Cells that survive from before keep their texts.
    void build(int rows);
    // Empties every cell (the grid's clear operation).
    void clearAll();
    // Appends a row whose column 0 holds `label`.
    void addItem(const QString &label);

    // The text of a cell; a cell outside the grid is the program's index error.
    QString textMatrix(int row, int column) const;
    void setTextMatrix(int row, int column, const QString &text);

    // Widths of the columns in twips, as the form lays them out.
    static int columnTwips(const qst::ModelTable &table, int column);

    // Typing in the grid does not jump to a cell that starts with the typed text.
    void keyboardSearch(const QString &) override {}

Q_SIGNALS:
    // Every cell was emptied.
    void cleared();

private:
    void checkCell(int row, int column) const;
    int columnPixels(int column) const;
    Qt::Alignment alignment(int column) const;

    const qst::ModelTable &table_;
};

// Pixels of a length in twips, at the screen's nominal 96 dots per inch.
inline int twips(int t)
{
    return (t + 7) / 15;
}

} // namespace win
