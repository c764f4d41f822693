#pragma once

#include <QObject>
#include <QString>

namespace win
{

class MembersGrid;
class ModelModule;
struct MemberControls;

// The members grid at work: adding rows, opening a cell in the floating editor txtEdit, the
// editor's key and leaving rules per column, and the note cell that opens the note window.
// The editor stays tied to the cell it was opened on until it is opened again.
class GridRules : public QObject
{
    Q_OBJECT
public:
    GridRules(MemberControls &controls, ModelModule &module);
    void connectControls();

    // Event procedures.
    void btnAggiungi_Click();
    void MSHFlexGrid1_Click();
    void MSHFlexGrid1_KeyPress(int &keyAscii);
    void MSHFlexGrid1_Scroll();
    void txtEdit_Change();
    void txtEdit_KeyDown(int keyCode);
    void txtEdit_KeyPress(int &keyAscii);
    void txtEdit_LostFocus();

    // Ends an open editor through its leaving rule, as leaving it for the grid does. False when
    // the rule refused the text: the editor then stays open on its emptied cell.
    bool endEditing();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template <typename F> void guarded(F &&procedure);
    void openCell(int row, int column);
    // Hides the editor without its leaving rule (the cell is left as it stands).
    void hideEditor();
    // Moves the focus from the editor to the grid, running the leaving rule exactly once.
    void leaveToGrid();
    bool isCountColumn(int column) const;

    MemberControls &w_;
    ModelModule &m_;
    MembersGrid &grid_;
    int row_ = -1;
    int column_ = -1;
    QString keptText_;     // the cell's text when the editor opened on it
    bool opening_ = false; // the editor takes its cell's text: no edit
    bool leaving_ = false; // the leaving rule runs, or is not wanted
    int leaveCount_ = 0;
};

} // namespace win
