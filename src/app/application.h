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

namespace app
{

// The application: the start window and the three model modules, wired to their commands.
class Application
{
public:
    explicit Application(platform::Platform platform);
    ~Application();

    win::StartWindow &startWindow() { return *start_; }
    win::ModelModule &module(qst::Modello m) { return *modules_[static_cast<size_t>(m)]; }
    // What a model button of the start window does: show that model's window, hide the start.
    void avviaModello(qst::Modello m);

private:
    std::unique_ptr<win::StartWindow> start_;
    std::array<std::unique_ptr<win::ModelModule>, 3> modules_;
    std::array<std::unique_ptr<win::SchedaCommands>, 3> commands_;
};

} // namespace app
