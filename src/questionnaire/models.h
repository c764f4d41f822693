#pragma once

#include "groupset.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace qst
{

// The three governance models. The integer values index per-model tables.
enum class Modello { Tradizionale = 0, Dualistico = 1, Monistico = 2 };

inline constexpr std::array<Modello, 3> kModelli = {Modello::Tradizionale, Modello::Dualistico,
                                                    Modello::Monistico};

// Everything a governance model selects that is not a question text or a page row.
struct ModelTable {
    Modello modello;
    QString nome;           // "Tradizionale"
    QString caption;        // window caption, also the base title
    QString noteWindowName; // "Nota_Trad"
    QString moduleName;     // "Function_Tradizionale"
    QString organo;         // the control body as messages name it
    QString templateFile;
    QString modelElement;
    QString memberElement;
    int gridColumns;
    IndexSet answerGroups; // groups with a Check_SI box and a Label_NOTA link
    IndexSet noNaGroups;   // groups with Check_NO and Check_NA boxes
    IndexSet questionLabels;
    bool riquadroIIHasQuestions;
    std::vector<int> meetingFields; // TEXT_GENERALE indices of the meeting counts
    bool hasRiunioniNA;
    bool hasNumberBoxes; // TEXT 0-2 on "Riquadro II"

    // Note-opening lists of the answer boxes and links.
    // Not the check's notaConSi/notaConNo: the requirement items (79; 80 too outside Tradizionale)
    // and the NO of group 73 (Tradizionale, Dualistico) open no note window on a tick, as in the
    // form, yet the check asks for their notes, which the user writes through the link.
    IndexSet siOpening;
    IndexSet noOpening;
    IndexSet siLink;
    IndexSet noLink;
    IndexSet siOrNoLink;

    int noteColumn() const { return gridColumns - 2; }     // hidden professional-requirements note
    int noteCell() const { return gridColumns - 1; }       // the clickable note cell
    int lastDataColumn() const { return gridColumns - 2; } // filled-row test runs 1..this
};

const ModelTable &modelTable(Modello m);

// The title of the start window.
QString titoloInizio();

// The text of the tray icon's tip: the caption up to and including the blank after "v. 2.0".
QString trayTip(const QString &caption);

// Question label of an answer group: k + 1 for groups 0-3, k + 2 for 4-78; -1 for 79-81.
int labelOfGroup(int k);
// Answer group of a question label, or -1 for the headings 0 and 5.
int groupOfLabel(int q);

// Tab page (0..5) of an answer group, by the layout of the form.
int pageOfGroup(int k);

// The number box TEXT(n) that answers group k of model m (traditional 34, 38, 40); -1 for every
// other group and in the models without number boxes.
int numberBoxOfGroup(Modello m, int k);

// Tab page captions of MySSTab, tabs 0..5.
const QStringList &pageCaptions();

// The unsaved-edits question, asked by exit, close and open.
QString unsavedEditsText();
inline const QString kUnsavedEditsTitle = QStringLiteral("Warning");

} // namespace qst
