#include "application.h"

#include "commands/opencommand.h"
#include "commands/printcommand.h"
#include "commands/savecommand.h"
#include "legacy/legacymodule.h"
#include "platform/qtplatform.h"
#include "windows/modelmodule.h"
#include "windows/questionnairewindow.h"
#include "windows/startwindow.h"

#include <QApplication>

namespace app
{

namespace
{

// The commands of a model that live above the windows: save (and generate), open, print.
class ModelCommands : public win::SchedaCommands
{
public:
    explicit ModelCommands(win::ModelModule &module)
        : module_(module), salva_(module, QCoreApplication::applicationDirPath()),
          apri_(module, QCoreApplication::applicationDirPath())
    {
    }
    bool salvaScheda(bool genera) override { return salva_.salvaScheda(genera); }
    void apriScheda() override { apri_.apriScheda(); }
    void stampaScheda() override { cmd::stampaScheda(module_); }
    void setImportaSchedaV11(cmd::OpenCommand::ImportaSchedaV11 importa)
    {
        apri_.setImportaSchedaV11(importa);
    }

private:
    win::ModelModule &module_;
    cmd::SaveCommand salva_;
    cmd::OpenCommand apri_;
};

} // namespace

void configuraApplicazione(QApplication &qapp)
{
    QCoreApplication::setApplicationName(QStringLiteral("SchedaControllo"));
    QGuiApplication::setQuitOnLastWindowClosed(false);
    platform::installItalianTranslation(qapp);
}

Application::Application(platform::Platform platform)
    : platform_(platform), start_(std::make_unique<win::StartWindow>())
{
    for (qst::Modello m : qst::kModelli) {
        const size_t i = static_cast<size_t>(m);
        modules_[i] = std::make_unique<win::ModelModule>(m, platform);
        auto commands = std::make_unique<ModelCommands>(*modules_[i]);
        modules_[i]->setCommands(commands.get());
        if (m == qst::Modello::Tradizionale) {
            // Only the traditional window hands a file of another kind to the version 1.1 import.
            legacy_ = std::make_unique<legacy::LegacyModule>(*modules_[i], platform,
                                                             QCoreApplication::applicationDirPath());
            commands->setImportaSchedaV11([this](const QString &nomeFile) {
                if (!legacy_->importaSchedaV11(nomeFile))
                    return false;
                legacy_->showMain();
                return true;
            });
        }
        commands_[i] = std::move(commands);
    }
    QObject::connect(start_.get(), &win::StartWindow::modelChosen, start_.get(),
                     [this](qst::Modello m) { avviaModello(m); });
    // Closing the start window before a model is chosen ends the program.
    QObject::connect(start_.get(), &win::StartWindow::closed, start_.get(),
                     [this] { platform_.system.endProcess(); });
}

Application::~Application() = default;

void Application::avviaModello(qst::Modello m)
{
    win::QuestionnaireWindow &w = module(m).window();
    w.show();
    start_->hide();
}

} // namespace app
