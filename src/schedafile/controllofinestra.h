#pragma once

#include "controllo.h"

namespace win
{
class ModelModule;
class QuestionnaireWindow;
} // namespace win

namespace sf
{

// The check a questionnaire passes before "Genera" writes its final file, on the module's
// window: true when the questionnaire may be generated. At a failure it has restored the window
// and shown the message, the offending control's page and focus; where the offices exceed the
// statute maximum it asks whether to write note "Nota 1.0.c" and opens its note window.
// It traps no error: a SchedaError reaches the command that called it.
bool controllaScheda(win::ModelModule &module);

// Selects the tab page of answer group k.
void mostraRiquadro(win::QuestionnaireWindow &window, int k);

// Shows one finding on the window: restores it, then the message, the page and the focus in
// the finding's order.
void mostraRilievo(win::ModelModule &module, const Rilievo &rilievo);

} // namespace sf
