#pragma once

// The whole state of a model module, open to change: for the rules of the windows room only
// (answers, note window, focus, grid, general data, the window's load and close, the content
// read from and applied to the window). Everything else reads ModelModule::state() and changes
// it through the module's named mutators; the layering check keeps this header in this room.
#include "questionnaire/modelstate.h"

namespace win
{

class ModelModule;

qst::ModelState &editingState(ModelModule &module);

} // namespace win
