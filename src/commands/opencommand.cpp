#include "opencommand.h"

#include "core/error.h"
#include "schedafile/lettorexml.h"
#include "windows/contenutofinestra.h"
#include "windows/modelmodule.h"
#include "windows/questionnairewindow.h"

namespace cmd
{

void azzeraScheda(win::ModelModule &module)
{
    win::applicaContenuto(module, qst::Contenuto(module.modello()));
}

OpenCommand::OpenCommand(win::ModelModule &module, QString cartella)
    : module_(module), cartella_(std::move(cartella))
{
}

void OpenCommand::setImportaSchedaV11(ImportaSchedaV11 importa)
{
    importa_ = std::move(importa);
}

void OpenCommand::apriScheda()
{
    const qst::ModelState &s = module_.state();
    win::QuestionnaireWindow &w = module_.window();
    if (!s.salvato) {
        switch (module_.chiediSalvataggio()) {
        case platform::Answer::Yes:
            // The edits the user asked to keep are never dropped for want of a file.
            if (!module_.salvaScheda(false))
                return;
            break;
        case platform::Answer::No:
            break;
        default:
            return;
        }
    }
    module_.setNomeFile(module_.platform().dialogs.openFileName(
        platform::FileDialogOptions{QStringLiteral("Apri file"), QStringLiteral("Xml File (*.xml)|*.xml|"),
                                    platform::dialogFolder(cartella_)}));
    if (s.nomeFile.isEmpty())
        return;
    if (leggiScheda(s.nomeFile))
        module_.setSalvato(true);
    w.setLeggiEnabled(true);
}

bool OpenCommand::leggiScheda(const QString &nomeFile)
{
    const qst::Modello m = module_.modello();
    qst::Contenuto c(m);
    try {
        const sf::FileScheda file = sf::FileScheda::carica(nomeFile);
        if (!file.radiceScheda()) {
            if (m == qst::Modello::Tradizionale && importa_)
                return importaSchedaV11(nomeFile);
            // A well-formed file of another kind: refused, the window left as it is.
            showCriticalError(sf::erroreApertura());
            return false;
        }
        c = file.leggiXml(m);
    } catch (const sf::OtherModelError &e) {
        showCriticalError(e.description());
        return false;
    } catch (const core::SchedaError &e) {
        showReadFailure(e.description());
        return false;
    }
    // The file's whole content replaces the window's: every control is set, so nothing of the
    // questionnaire before survives.
    win::applicaContenuto(module_, c);
    module_.window().showFileInTitle(nomeFile);
    return true;
}

bool OpenCommand::importaSchedaV11(const QString &nomeFile)
{
    bool importato = false;
    try {
        importato = importa_(nomeFile);
    } catch (const core::SchedaError &) {
        // The import may have hidden the window before it failed.
        showReadFailure(sf::erroreApertura());
        return false;
    }
    if (importato) {
        // The window is emptied: its title no longer names the file it showed.
        azzeraScheda(module_);
        module_.window().setWindowTitle(module_.window().titoloBase());
    }
    return importato;
}

void OpenCommand::showReadFailure(const QString &testo)
{
    // The message of a file that could not be read stands before the window, also when the
    // window was hidden in the notification area.
    module_.window().restore();
    showCriticalError(testo);
}

void OpenCommand::showCriticalError(const QString &testo)
{
    module_.platform().dialogs.message(platform::BoxRequest{
        testo, QStringLiteral("Errore"), platform::Buttons::Ok, platform::Icon::Critical, 0});
}

} // namespace cmd
