#pragma once

#include "questionnaire/contenuto.h"

namespace win
{

class ModelModule;

// Reads the questionnaire of the model's window and state into a content value: the one place
// where saving, validation and printing look at the controls. The window must be loaded.
qst::Contenuto leggiContenuto(const ModelModule &module);

} // namespace win
