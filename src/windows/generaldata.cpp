#include "generaldata.h"

#include "modelmodule.h"
#include "questionnairewindow.h"

namespace win {

GeneralDataRules::GeneralDataRules(QuestionnaireWindow &window, ModelModule &module)
    : w_(window), m_(module)
{
}

void GeneralDataRules::connectControls() {}

} // namespace win
