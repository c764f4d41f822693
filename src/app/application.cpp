#include "application.h"

#include "windows/modelmodule.h"
#include "windows/questionnairewindow.h"
#include "windows/startwindow.h"

namespace app
{

namespace
{

// Commands whose rooms are not built yet: they write, read and print nothing.
class PendingCommands : public win::SchedaCommands
{
public:
    bool salvaScheda(bool) override { return false; }
    void apriScheda() override {}
    void stampaScheda() override {}
};

} // namespace

Application::Application(platform::Platform platform) : start_(std::make_unique<win::StartWindow>())
{
    for (qst::Modello m : qst::kModelli) {
        const size_t i = static_cast<size_t>(m);
        modules_[i] = std::make_unique<win::ModelModule>(m, platform);
        commands_[i] = std::make_unique<PendingCommands>();
        modules_[i]->setCommands(commands_[i].get());
    }
    QObject::connect(start_.get(), &win::StartWindow::modelChosen, start_.get(),
                     [this](qst::Modello m) { avviaModello(m); });
}

Application::~Application() = default;

void Application::avviaModello(qst::Modello m)
{
    win::QuestionnaireWindow &w = module(m).window();
    w.show();
    start_->hide();
}

} // namespace app
