#include "savecommand.h"

#include "checkcommand.h"
#include "schedafile/scrittorexml.h"
#include "windows/contenutofinestra.h"
#include "windows/modelmodule.h"
#include "windows/questionnairewindow.h"

#include <QFileInfo>

namespace cmd
{

SaveCommand::SaveCommand(win::ModelModule &module, QString cartella)
    : module_(module), cartella_(std::move(cartella)),
      controllaScheda_([&module] { return cmd::controllaScheda(module); })
{
}

void SaveCommand::setControllaScheda(std::function<bool()> controllaScheda)
{
    controllaScheda_ = std::move(controllaScheda);
}

bool SaveCommand::salvaScheda(bool genera)
{
    const qst::ModelState &s = module_.state();
    platform::Dialogs &dialogs = module_.platform().dialogs;
    bool scritto = false;
    platform::trapErrors(dialogs, [&] {
        if (genera && !s.uscitaRichiesta && !controllaScheda_())
            return;
        module_.setNomeFile(dialogs.saveFileName(platform::FileDialogOptions{
            QStringLiteral("Salva file"), QStringLiteral("Xml File (*.xml)|*.xml|"),
            platform::dialogFolder(cartella_)}));
        if (s.nomeFile.isEmpty())
            return;
        sf::salvaXml(win::leggiContenuto(module_), cartella_, s.nomeFile);
        scritto = true;

        win::QuestionnaireWindow &w = module_.window();
        module_.setNomeBreve(QFileInfo(s.nomeFile).fileName());
        w.showFileInTitle(s.nomeBreve);
        if (s.uscitaRichiesta) {
            module_.terminaProcesso();
            return;
        }
        module_.setSalvato(true);
        w.setLeggiEnabled(true);
    });
    return scritto;
}

} // namespace cmd
