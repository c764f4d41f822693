#pragma once

// The named controls of the program's windows, grouped by the rules that work on them. A window
// keeps its controls private; the builders and rules of the windows room, and the windows of the
// rooms above that are built from the same pieces, fill and use these groups.
#include "questionnaire/contenuto.h"

#include <array>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace win
{

class MembersGrid;
class NoteLink;

// The question labels, and per answer group its frame, boxes and note link. An element a model
// lacks is null.
struct AnswerControls {
    std::array<QLabel *, qst::kLabels> LABEL_RIQUADRO{};
    std::array<QFrame *, qst::kGroups> FRAME_RIQUADRO_1_1{};
    std::array<QCheckBox *, qst::kGroups> Check_SI{};
    std::array<QCheckBox *, qst::kGroups> Check_NO{};
    std::array<QCheckBox *, qst::kGroups> Check_NA{};
    std::array<NoteLink *, qst::kGroups> Label_NOTA{};
};

// The general-data fields with their labels, the "N/A" box of the executive committee's count and
// the number boxes of "Riquadro II".
struct GeneralControls {
    std::array<QLineEdit *, qst::kGeneralFields> TEXT_GENERALE{};
    std::array<QLabel *, 14> LABEL_GENERALE{};
    std::array<QLabel *, 12> Label6{};
    QLabel *Label7 = nullptr;
    QCheckBox *chk_RiunioniNA = nullptr;
    std::array<QLineEdit *, qst::kNumberBoxes> TEXT{};
};

// The members grid, its cell editor and add button, and the number of member rows.
struct MemberControls {
    MembersGrid *MSHFlexGrid1 = nullptr;
    QLineEdit *txtEdit = nullptr;
    QPushButton *btnAggiungi = nullptr;
    int righeGriglia = 0;
};

// The button bar and the tray menu.
struct CommandControls {
    std::array<QPushButton *, 5> Command_Function{};
    QMenu *MENU_HIDE = nullptr;
    QAction *MENU_RIPRISTINA = nullptr;
    QAction *MENU_STAMPA = nullptr;
    QAction *MENU_SALVA = nullptr;
    QAction *MENU_LEGGI = nullptr;
    QAction *MENU_GENERA = nullptr;
    QAction *MENU_ESCI = nullptr;
};

} // namespace win
