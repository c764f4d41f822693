#pragma once

#include "commandwindow.h"

#include <memory>

class QBoxLayout;

namespace qst
{
struct FocusTarget;
}

namespace win
{

class AnswerRules;
class FocusRules;
class GeneralDataRules;
class ModelModule;
struct Controls;

// The questionnaire window of one governance model, built from the model's tables. Its controls
// keep their names and are arrays indexed by answer group, question label or field index
// (controls.h); they are private to the windows room. What the commands of the rooms above need
// of the window is offered here.
class QuestionnaireWindow : public CommandWindow
{
    Q_OBJECT
public:
    explicit QuestionnaireWindow(ModelModule &module);
    ~QuestionnaireWindow() override;

    ModelModule &module() const { return module_; }

    // Rebuilds the members grid with its three default rows.
    void setGriglia();
    // The number of member rows.
    int righeGriglia() const;
    // The window's own title, kept at load.
    const QString &titoloBase() const { return titoloBase_; }

    // Enables or disables the "Leggi" button.
    void setLeggiEnabled(bool enabled);
    // Names a file in the title: the base title, " - " and `name`.
    void showFileInTitle(const QString &name);
    // Selects tab page `page` (0..5).
    void showPage(int page);
    // Moves the focus to a control a finding points at (selecting the grid cell it names); the
    // page that holds it must be shown. An index the window has no control for is the program's
    // index error.
    void focusTarget(const qst::FocusTarget &target);
    // Unticks and ticks again the "Si" box of group k, so that its click rules run (and open the
    // note window where the group takes a note).
    void retickSi(int k);

protected:
    void closeEvent(QCloseEvent *event) override;
    // An open grid cell is left through its leaving rule; false when the rule refused its text.
    bool endEditing() override;
    void Command_Function_Click(int index) override;

private:
    friend class ModelModule; // runs Form_Load once it has created the window
    friend Controls &controls(QuestionnaireWindow &window);
    friend const Controls &controls(const QuestionnaireWindow &window);
    friend AnswerRules &answerRules(QuestionnaireWindow &window);
    friend FocusRules &focusRules(QuestionnaireWindow &window);

    // Loads the window: tray icon, saved state, question texts, base title, grid, first page,
    // the focus on the first control.
    void Form_Load();
    bool Form_Unload();
    // Question texts of the model into the question labels.
    void impostaDomande();

    void buildWindow();
    void buildGeneralPage(QWidget *page);
    void buildPicturePage(QWidget *page);
    void buildButtonBar(QBoxLayout *layout);

    ModelModule &module_;
    std::unique_ptr<Controls> controls_;
    Controls &c_;
    QString titoloBase_;
    std::unique_ptr<AnswerRules> answers_;
    std::unique_ptr<GeneralDataRules> generalData_;
    std::unique_ptr<FocusRules> focusRules_;
};

} // namespace win
