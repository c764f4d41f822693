#pragma once

// The named controls of a questionnaire window. The window keeps them private; this header is for
// the windows room and the tests only (the layering check keeps every other room out of it).
#include "controlgroups.h"

class QTabWidget;

namespace win
{

class AnswerRules;
class FocusRules;
class QuestionnaireWindow;

struct Controls : AnswerControls, GeneralControls, MemberControls, CommandControls {
    QTabWidget *MySSTab = nullptr;
    QLabel *picture = nullptr; // the "Riquadro II" picture of Dualistico and Monistico
};

// What the windows room and the tests reach inside a questionnaire window.
Controls &controls(QuestionnaireWindow &window);
const Controls &controls(const QuestionnaireWindow &window);
AnswerRules &answerRules(QuestionnaireWindow &window);
FocusRules &focusRules(QuestionnaireWindow &window);

} // namespace win
