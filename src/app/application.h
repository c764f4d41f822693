#pragma once

#include "platform/dialogs.h"
#include "questionnaire/models.h"
#include "windows/commands.h"

#include <array>
#include <memory>

namespace win
{
class ModelModule;
class StartWindow;
} // namespace win

namespace legacy
{
class LegacyModule;
}

class QApplication;

namespace app
{

// Settings of the process: the program's name, Qt's Italian dialogs, and no automatic end when
// the last window closes (a window hidden in the tray leaves no window open, yet the program
// runs on; it ends only through the platform's endProcess). No display name is set: on X11 Qt
// would append it to every window title.
void configuraApplicazione(QApplication &qapp);

// The application: the start window and the three model modules, wired to their commands.
class Application
{
public:
    explicit Application(platform::Platform platform);
    ~Application();

    win::StartWindow &startWindow() { return *start_; }
    win::ModelModule &module(qst::Modello m) { return *modules_[static_cast<size_t>(m)]; }
    legacy::LegacyModule &legacyModule() { return *legacy_; }
    // What a model button of the start window does: show that model's window, hide the start.
    void avviaModello(qst::Modello m);

private:
    platform::Platform platform_;
    // The commands outlive the modules, whose windows may still reach them while they close.
    std::array<std::unique_ptr<win::SchedaCommands>, 3> commands_;
    std::unique_ptr<win::StartWindow> start_;
    std::array<std::unique_ptr<win::ModelModule>, 3> modules_;
    // The version 1.1 questionnaire, whose window stands in for the traditional one.
    std::unique_ptr<legacy::LegacyModule> legacy_;
};

} // namespace app
