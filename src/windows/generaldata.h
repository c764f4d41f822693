#pragma once

#include "questionnaire/models.h"

#include <QObject>
#include <memory>

class QLineEdit;

namespace win
{

class GridRules;
class ModelModule;
struct GeneralControls;
struct MemberControls;

// Key, change and leaving rules of the general-data fields, the number boxes of "Riquadro II"
// and the "N/A" box of the executive-committee count. Owns the rules of the members grid,
// which stands on the same page.
class GeneralDataRules : public QObject
{
    Q_OBJECT
public:
    GeneralDataRules(GeneralControls &controls, MemberControls &members, ModelModule &module);
    ~GeneralDataRules() override;
    // Hooks the rules to the window's fields, boxes and grid; called once the widgets exist.
    void connectControls();

    GridRules &grid() const { return *grid_; }

    // Event procedures. The key procedures get the typed character's code and set it to 0 to
    // drop the key.
    void TEXT_GENERALE_KeyPress(int index, int &keyAscii);
    void TEXT_GENERALE_Change(int index);
    void TEXT_GENERALE_LostFocus(int index);
    void TEXT_KeyPress(int index, int &keyAscii);
    void chk_RiunioniNA_Click();

    // TabIndex of general-data field `index` in the window of model m; -1 for no such field.
    static int tabIndexOfField(qst::Modello m, int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Runs one event procedure; an error is shown with its own description.
    template <typename F> void trapped(F &&procedure);
    bool filterField(int index, QEvent *event);
    bool filterNumberBox(int index, QEvent *event);
    void focusField(int index);
    // The field or number box of an index; an index without one is the program's index error.
    QLineEdit *field(int index) const;
    QLineEdit *numberBox(int index) const;

    GeneralControls &w_;
    ModelModule &m_;
    std::unique_ptr<GridRules> grid_;
};

// The character code a key event delivers to a key procedure: 8 for Backspace, 13 for Enter,
// the character of a key that types a printable one; -1 for keys that no key procedure sees
// (navigation, Delete, Tab, Escape, shortcuts with Ctrl).
int keyAsciiOf(const QEvent *event);

// Whether a focus-out event is one the leaving rules act on: a dialog, a menu or another
// window taking the activation is not leaving the control.
bool leavesControl(const QEvent *event);

inline bool isDigitCode(int code)
{
    return code >= 48 && code <= 57;
}

} // namespace win
