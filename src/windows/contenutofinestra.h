#pragma once

#include "questionnaire/contenuto.h"

namespace win
{

class ModelModule;

// Reads the questionnaire of the model's window and state into a content value: the one place
// where saving, validation and printing look at the controls. The window must be loaded.
qst::Contenuto leggiContenuto(const ModelModule &module);

// Sets the model's window and note tables to the content `c` (of the module's model), as a file
// fills them: general data, the "N/A" box of the meeting count, the number boxes, the members
// grid with c's rows, answers, note links and notes. `inCaricamento` and `bloccaNota` are held
// meanwhile, so the procedures the assignments fire open no note window, untick no other box
// and move no focus. Whether the questionnaire counts as saved is left to the caller.
void applicaContenuto(ModelModule &module, const qst::Contenuto &c);

} // namespace win
