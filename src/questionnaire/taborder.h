#pragma once

#include "models.h"

#include <vector>

namespace qst
{

// Kinds of control that take part in a questionnaire window's tab order.
enum class ControlKind : unsigned char {
    TabStrip,   // MySSTab
    Field,      // TEXT_GENERALE(index)
    SiBox,      // Check_SI(index)
    NoBox,      // Check_NO(index)
    NaBox,      // Check_NA(index)
    NumberBox,  // TEXT(index)
    RiunioniNA, // chk_RiunioniNA
    Grid,       // MSHFlexGrid1
    Button,     // Command_Function(index)
    AddMember,  // btnAggiungi
};

// One stop of the tab order.
struct TabStop {
    ControlKind kind;
    int index = 0;    // the control-array index; 0 for a single control
    int tabIndex = 0; // the TabIndex the focus rules record for the control
    int page = -1;    // tab page the control stands on; -1 outside the pages (tab strip, button bar)
};

// The tab order of model m's window, from the stop with TabIndex 0 to btnAggiungi: every control
// of the model that can take the focus, shown or hidden. Tab moves along it and wraps only from
// the last stop to the first. A TabIndex is the stop's place in the order, except that the few
// controls of "Dati Generali" that the page's own numbering leaves out (the "No" and "N/A" boxes
// of group 80, chk_RiunioniNA, the box of group 81) and btnAggiungi are numbered after all the
// others, so the numbers of the page's fields and of the button bar stay as they are.
const std::vector<TabStop> &ordineTab(Modello m);

// TabIndex of a control of model m's window; -1 where the model has no such control.
int tabIndexOf(Modello m, ControlKind kind, int index = 0);

} // namespace qst
