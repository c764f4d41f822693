#pragma once

#include "questionnaire/check.h"

namespace win
{
class ModelModule;
} // namespace win

namespace cmd
{

// The check a questionnaire passes before "Genera" writes its final file, on the module's
// window: true when the questionnaire may be generated. At a failure it has restored the window
// and shown the message, the offending control's page and focus; where the offices exceed the
// statute maximum it asks whether to write note "Nota 1.0.c" and opens its note window.
// It traps no error: a SchedaError reaches the command that called it.
bool controllaScheda(win::ModelModule &module);

// Shows one finding on the window: restores it, then the message, the page and the focus in
// the finding's order.
void showFinding(win::ModelModule &module, const qst::Finding &finding);

} // namespace cmd
