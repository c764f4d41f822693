#pragma once

#include "questionnaire/models.h"

#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QBoxLayout;
class QPushButton;
class QTabWidget;

namespace platform
{
class TrayIcon;
}

namespace win
{

class AnswerRules;
class FocusRules;
class GeneralDataRules;
class MembersGrid;
class ModelModule;
class NoteLink;

// Fills a tab page with `content`, scrolling where the page is too small for it.
void scrollingPage(QWidget *page, QWidget *content);

// The questionnaire window of one governance model, built from the model's tables. Controls
// keep their names and are arrays indexed by answer group, question label or field index; an
// element a model lacks is null.
class QuestionnaireWindow : public QWidget
{
    Q_OBJECT
public:
    explicit QuestionnaireWindow(ModelModule &module);
    ~QuestionnaireWindow() override;

    ModelModule &module() const { return module_; }

    // Public members of the window.
    int righeGriglia = 0;
    QString titoloBase;
    void setGriglia();

    // Question pages
    QTabWidget *MySSTab = nullptr;
    std::array<QLabel *, qst::kLabels> LABEL_RIQUADRO{};
    std::array<QFrame *, qst::kGroups> FRAME_RIQUADRO_1_1{};
    std::array<QCheckBox *, qst::kGroups> Check_SI{};
    std::array<QCheckBox *, qst::kGroups> Check_NO{};
    std::array<QCheckBox *, qst::kGroups> Check_NA{};
    std::array<NoteLink *, qst::kGroups> Label_NOTA{};
    std::array<QLineEdit *, 3> TEXT{};
    QLabel *picture = nullptr; // the "Riquadro II" picture of Dualistico and Monistico

    // "Dati Generali"
    std::array<QLineEdit *, 66> TEXT_GENERALE{};
    std::array<QLabel *, 14> LABEL_GENERALE{};
    std::array<QLabel *, 12> Label6{};
    QLabel *Label7 = nullptr;
    QCheckBox *chk_RiunioniNA = nullptr;
    MembersGrid *MSHFlexGrid1 = nullptr;
    QLineEdit *txtEdit = nullptr;
    QPushButton *btnAggiungi = nullptr;

    // Button bar and tray menu
    std::array<QPushButton *, 5> Command_Function{};
    QMenu *MENU_HIDE = nullptr;
    QAction *MENU_RIPRISTINA = nullptr;
    QAction *MENU_STAMPA = nullptr;
    QAction *MENU_SALVA = nullptr;
    QAction *MENU_LEGGI = nullptr;
    QAction *MENU_GENERA = nullptr;
    QAction *MENU_ESCI = nullptr;

    platform::TrayIcon *trayIcon() const { return tray_.get(); }
    AnswerRules &answers() const { return *answers_; }
    GeneralDataRules &generalData() const { return *generalData_; }
    FocusRules &focusRules() const { return *focusRules_; }

    // Loads the window: tray icon, saved state, question texts, base title, grid, first page,
    // the focus on the first control.
    // The module calls it once, right after creating the window.
    void Form_Load();

    // Event procedures
    void Command_Function_Click(int index);
    void MENU_RIPRISTINA_Click();
    // True while a command of the button bar or the tray menu runs.
    bool commandRunning() const { return commandRunning_; }
    // True while a command runs or a box, a dialog or the note window is open: the commands
    // of the button bar and the tray menu and the close box are then ignored.
    bool busy() const;
    // Shows the tray pop-up menu, as a left-button release on the tray icon does.
    void showTrayMenu(const QPoint &globalPos);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool Form_Unload();
    void buildWindow();
    void buildGeneralPage(QWidget *page);
    void buildQuestionPage(QWidget *page, int tab);
    QWidget *buildAnswerRow(int k, bool naVisible);
    void buildPicturePage(QWidget *page);
    void buildButtonBar(QBoxLayout *layout);
    void buildTrayMenu();
    // Runs a command unless another is running; shows an escaped error's description.
    void runCommand(const std::function<void()> &command);

    ModelModule &module_;
    std::unique_ptr<platform::TrayIcon> tray_;
    std::unique_ptr<AnswerRules> answers_;
    std::unique_ptr<GeneralDataRules> generalData_;
    std::unique_ptr<FocusRules> focusRules_;
    bool commandRunning_ = false;
};

} // namespace win
