#pragma once

namespace win
{
class ModelModule;
}

namespace cmd
{

// The print command of a model's window: the printer dialog, then the questionnaire as one
// document on the chosen printer. A cancelled dialog prints nothing and shows nothing; an error
// shows its description with the critical icon. An error while the printout is laid out sends
// nothing to the printer; one while it is painted aborts the job, or takes a PDF file away.
void stampaScheda(win::ModelModule &module);

} // namespace cmd
