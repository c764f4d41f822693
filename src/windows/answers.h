#pragma once

#include <QObject>

namespace win {

class ModelModule;
class QuestionnaireWindow;

// The answer boxes and note links of a questionnaire window: exclusive answers, edit marking,
// opening the note window and discarding a withdrawn answer's note.
class AnswerRules : public QObject {
    Q_OBJECT
public:
    AnswerRules(QuestionnaireWindow &window, ModelModule &module);
    // Hooks the click procedures to the window's boxes and links.
    void connectControls();

    void Check_SI_Click(int k);
    void Check_NO_Click(int k);
    void Check_NA_Click(int k);
    void Label_NOTA_Click(int k);

private:
    QuestionnaireWindow &w_;
    ModelModule &m_;
};

} // namespace win
