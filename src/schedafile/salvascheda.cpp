#include "salvascheda.h"

#include "controllofinestra.h"
#include "scrittorexml.h"
#include "windows/contenutofinestra.h"
#include "windows/modelmodule.h"
#include "windows/questionnairewindow.h"

#include <QFileInfo>
#include <QPushButton>

namespace sf
{

QString titoloConFile(const QString &titoloBase, const QString &nome)
{
    QString escaped = nome;
    escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return titoloBase + QStringLiteral(" - ") + escaped;
}

SalvaScheda::SalvaScheda(win::ModelModule &module, QString cartella)
    : module_(module), cartella_(std::move(cartella)),
      controllaScheda_([&module] { return sf::controllaScheda(module); })
{
}

void SalvaScheda::setControllaScheda(std::function<bool()> controllaScheda)
{
    controllaScheda_ = std::move(controllaScheda);
}

bool SalvaScheda::salvaScheda(bool genera)
{
    qst::ModelState &s = module_.state;
    bool scritto = false;
    platform::trapErrors(module_.platform.dialogs, [&] {
        if (genera && !s.uscitaRichiesta && !controllaScheda_())
            return;
        s.nomeFile = module_.platform.dialogs.saveFileName(platform::FileDialogOptions{
            QStringLiteral("Salva file"), QStringLiteral("Xml File (*.xml)|*.xml|"), cartella_});
        if (s.nomeFile.isEmpty())
            return;
        salvaXml(win::leggiContenuto(module_), cartella_, s.nomeFile);
        scritto = true;

        win::QuestionnaireWindow &w = module_.window();
        s.nomeBreve = QFileInfo(s.nomeFile).fileName();
        w.setWindowTitle(titoloConFile(w.titoloBase, s.nomeBreve));
        if (s.uscitaRichiesta) {
            module_.terminaProcesso();
            return;
        }
        s.salvato = true;
        w.Command_Function[2]->setEnabled(true);
    });
    return scritto;
}

} // namespace sf
