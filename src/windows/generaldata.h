#pragma once

#include <QObject>

namespace win {

class ModelModule;
class QuestionnaireWindow;

// Key, change and leaving rules of the general-data fields, the number boxes of "Riquadro II"
// and the "N/A" box of the executive-committee count.
class GeneralDataRules : public QObject {
    Q_OBJECT
public:
    GeneralDataRules(QuestionnaireWindow &window, ModelModule &module);
    void connectControls();

private:
    QuestionnaireWindow &w_;
    ModelModule &m_;
};

} // namespace win
