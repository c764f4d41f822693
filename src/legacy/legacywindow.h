#pragma once

#include "questionnaire/v11content.h"
#include "windows/commandwindow.h"
#include "windows/controlgroups.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace legacy
{

class LegacyModule;

// The named controls of `Main`.
struct MainControls : win::AnswerControls, win::CommandControls {
    QTabWidget *MySSTab = nullptr;
    // Company data 0-7, member names 8-12, tax codes 13-17, offices 18-32, statute maximum 33,
    // start of office 34-36.
    std::array<QLineEdit *, qst::kV11GeneralFields> TEXT_GENERALE{};
    std::array<QLabel *, 17> LABEL_GENERALE{};
    std::array<QCheckBox *, qst::kV11MemberRows> CHECK_MINORANZE{};
    std::array<QLineEdit *, qst::kNumberBoxes> TEXT{};
};

// The version 1.1 window `Main`: a viewer of an imported questionnaire. Its fields are locked and
// its answer frames disabled; the user looks, opens notes, prints and closes.
class LegacyWindow : public win::CommandWindow
{
    Q_OBJECT
public:
    explicit LegacyWindow(LegacyModule &module);
    ~LegacyWindow() override;

    // Sets every control from the imported questionnaire.
    void applicaContenuto(const qst::V11Content &c);
    // The caption: the version 1.1 title, " - " and `percorso`.
    void showPathInTitle(const QString &percorso);
    // Adds the icon to the notification area and shows the window.
    void showWithTrayIcon();
    // Hides the window and its icon.
    void hideWithTrayIcon();

    // The controls, for the tests.
    const MainControls &controls() const { return c_; }

protected:
    void Command_Function_Click(int index) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class LegacyModule; // loads the window once it has created it

    // Loads the window: remembered tab position cleared, question texts, first page.
    void Form_Load();
    void caricaDomandePre();
    void Label_NOTA_Click(int k);
    // Key procedures: `keyAscii` is the typed character's code, set to 0 to refuse it.
    void TEXT_GENERALE_KeyPress(int index, int &keyAscii);
    void TEXT_KeyPress(int index, int &keyAscii);
    void TEXT_GENERALE_LostFocus(int index);
    void Command_Function_LostFocus(int index);

    void buildGeneralPage(QWidget *page);
    void buildTabOrder();

    LegacyModule &module_;
    MainControls c_;
};

// The TabIndex of field TEXT_GENERALE(i) of `Main`: company data, then the member rows one after
// the other, then the statute maximum and the start of office.
int v11TabIndex(int i);

} // namespace legacy
