#pragma once

#include "questionnaire/groupset.h"

#include <QObject>

#include <array>
#include <functional>

class QCheckBox;

namespace win
{

class ModelModule;
class NoteLink;
struct AnswerControls;

// The answer boxes and note links of a questionnaire window: exclusive answers, edit marking,
// opening the note window and discarding a withdrawn answer's note.
//
// The click procedures hang on QAbstractButton::toggled, so a box set from code runs its
// procedure inside the assignment, and only when its value changes. Unticking a sibling box
// from one procedure therefore runs the sibling's procedure nested inside it; the window-wide
// guards tell the nested run to leave the other boxes alone.
class AnswerRules : public QObject
{
    Q_OBJECT
public:
    AnswerRules(AnswerControls &controls, ModelModule &module);
    // Hooks the click procedures to the window's boxes and links.
    void connectControls();

    void Check_SI_Click(int k);
    void Check_NO_Click(int k);
    void Check_NA_Click(int k);
    void Label_NOTA_Click(int k);

    // Whether the note link of group k may open the note window: its note is present, or the
    // group takes a note with the answer that is ticked.
    bool notaApribile(int k) const;

    // The click guards: true while the procedure of that box runs its cross-effects.
    bool inClickSi() const { return inClickSi_; }
    bool inClickNo() const { return inClickNo_; }
    bool inClickNa() const { return inClickNa_; }

private:
    // Runs a procedure, showing any error it raises with its own description.
    void trapping(const std::function<void()> &procedure);
    // Shows the model's note window in question mode; returns once it is hidden again.
    void apriNota();
    NoteLink &link(int k) const;
    QCheckBox *box(const std::array<QCheckBox *, qst::kGroups> &boxes, int k) const;

    void clickSi(int k);
    void clickNo(int k);
    void clickNa(int k);
    void clickLink(int k);

    AnswerControls &w_;
    ModelModule &m_;
    bool inClickSi_ = false;
    bool inClickNo_ = false;
    bool inClickNa_ = false;
};

} // namespace win
