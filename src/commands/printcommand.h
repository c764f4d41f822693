#pragma once

namespace win
{
class ModelModule;
}

namespace cmd
{

// The print command of a model's window: the printer dialog, then the questionnaire as one
// document on the chosen printer. A cancelled dialog prints nothing and shows nothing; an error
// shows its description with the critical icon and sends nothing to the printer.
void stampaScheda(win::ModelModule &module);

} // namespace cmd
