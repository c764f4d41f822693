#pragma once

#include "platform/dialogs.h"

#include <functional>

namespace prn
{
class Printer;
}

namespace win
{
class ModelModule;
}

namespace cmd
{

// Shows the printer dialog and prints `printout` (which ends the document) on the printer the
// user chose, a fresh one for every print; false when the user cancelled the dialog. An error of
// the printout or of the printer reaches the caller, and nothing has been sent.
bool printOnChosenPrinter(platform::Dialogs &dialogs, const std::function<void(prn::Printer &)> &printout);

// The print command of a model's window: the printer dialog, then the questionnaire as one
// document on the chosen printer. A cancelled dialog prints nothing and shows nothing; an error
// shows its description with the critical icon and sends nothing to the printer.
void stampaScheda(win::ModelModule &module);

} // namespace cmd
