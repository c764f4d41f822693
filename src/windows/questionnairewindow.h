#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class QBoxLayout;

namespace platform
{
class TrayIcon;
}

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

// Fills a tab page with `content`, scrolling where the page is too small for it.
void scrollingPage(QWidget *page, QWidget *content);

// The questionnaire window of one governance model, built from the model's tables. Its controls
// keep their names and are arrays indexed by answer group, question label or field index
// (controls.h); they are private to the windows room. What the commands of the rooms above need
// of the window is offered here.
class QuestionnaireWindow : public QWidget
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
    // Brings the window back from the tray or from a minimised state, shown and active.
    void restore();
    // Selects tab page `page` (0..5).
    void showPage(int page);
    // Moves the focus to a control a finding points at (selecting the grid cell it names); the
    // page that holds it must be shown. An index the window has no control for is the program's
    // index error.
    void focusTarget(const qst::FocusTarget &target);
    // Unticks and ticks again the "Si" box of group k, so that its click rules run (and open the
    // note window where the group takes a note).
    void retickSi(int k);

    // True while a command of the button bar or the tray menu runs.
    bool commandRunning() const { return commandRunning_; }
    // True while a command runs or a box, a dialog or the note window is open: the commands
    // of the button bar and the tray menu and the close box are then ignored.
    bool busy() const;
    platform::TrayIcon *trayIcon() const { return tray_.get(); }
    // Shows the tray pop-up menu, as a left-button release on the tray icon does.
    void showTrayMenu(const QPoint &globalPos);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

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
    void Command_Function_Click(int index);
    void MENU_RIPRISTINA_Click();
    // Question texts of the model into the question labels.
    void impostaDomande();

    void buildWindow();
    void buildGeneralPage(QWidget *page);
    void buildQuestionPage(QWidget *page, int tab);
    QWidget *buildAnswerRow(int k, bool naVisible);
    void buildPicturePage(QWidget *page);
    void buildButtonBar(QBoxLayout *layout);
    void buildTrayMenu();
    // Runs a command unless another is running or an open grid cell refuses its text; shows an
    // escaped error's description.
    void runCommand(const std::function<void()> &command);

    ModelModule &module_;
    std::unique_ptr<Controls> controls_;
    Controls &c_;
    QString titoloBase_;
    std::unique_ptr<platform::TrayIcon> tray_;
    std::unique_ptr<AnswerRules> answers_;
    std::unique_ptr<GeneralDataRules> generalData_;
    std::unique_ptr<FocusRules> focusRules_;
    bool commandRunning_ = false;
};

} // namespace win
