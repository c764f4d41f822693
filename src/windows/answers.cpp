#include "answers.h"

#include "modelmodule.h"
#include "questionnairewindow.h"

namespace win {

AnswerRules::AnswerRules(QuestionnaireWindow &window, ModelModule &module) : w_(window), m_(module) {}

void AnswerRules::connectControls() {}

void AnswerRules::Check_SI_Click(int) {}
void AnswerRules::Check_NO_Click(int) {}
void AnswerRules::Check_NA_Click(int) {}
void AnswerRules::Label_NOTA_Click(int) {}

} // namespace win
