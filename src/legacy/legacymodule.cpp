#include "legacymodule.h"

#include "commands/printcommand.h"
#include "core/error.h"
#include "legacynotewindow.h"
#include "legacywindow.h"
#include "print/v11form.h"
#include "questionnaire/models.h"
#include "schedafile/v11reader.h"
#include "windows/modelmodule.h"
#include "windows/questionnairewindow.h"

#include <QDir>
#include <QFileInfo>

namespace legacy
{

namespace
{

// The file's path as the caption shows it: relative to the program's folder for a file inside
// it, else whole.
QString shownPath(const QString &nomeFile, const QString &cartella)
{
    const QString relativo = QDir(cartella).relativeFilePath(QFileInfo(nomeFile).absoluteFilePath());
    if (relativo.startsWith(QStringLiteral("../")) || relativo == QStringLiteral("..") ||
        QDir::isAbsolutePath(relativo))
        return nomeFile;
    return relativo;
}

} // namespace

LegacyModule::LegacyModule(win::ModelModule &tradizionale, platform::Platform p, QString cartella)
    : platform_(p), tradizionale_(tradizionale), cartella_(std::move(cartella))
{
}

LegacyModule::~LegacyModule() = default;

LegacyWindow &LegacyModule::window()
{
    if (!window_) {
        window_ = std::make_unique<LegacyWindow>(*this);
        window_->Form_Load();
    }
    return *window_;
}

LegacyNoteWindow *LegacyModule::loadedNoteWindow() const
{
    return nota_.data();
}

bool LegacyModule::importaSchedaV11(const QString &nomeFile)
{
    sf::V11Reading letto;
    try {
        letto = sf::readV11File(nomeFile);
    } catch (const sf::MissingV11File &e) {
        // The message of a file that cannot be read stands before the traditional window, also
        // when it was hidden in the notification area.
        tradizionale_.window().restore();
        platform_.dialogs.message(platform::BoxRequest{e.description(), QStringLiteral("Errore"),
                                                       platform::Buttons::Ok, platform::Icon::Critical, 0});
        return false;
    }
    // Answer lines of a group the window does not have were skipped: the first says so.
    if (!letto.skippedLine.isEmpty())
        platform_.dialogs.showError(letto.skippedLine);

    LegacyWindow &w = window();
    azzeraMain();
    contenuto_ = std::move(letto.content);
    w.applicaContenuto(contenuto_);
    w.showPathInTitle(shownPath(nomeFile, cartella_));
    tradizionale_.window().hide();
    return true;
}

void LegacyModule::showMain()
{
    window().showWithTrayIcon();
}

void LegacyModule::azzeraMain()
{
    contenuto_ = qst::V11Content();
    if (window_)
        window_->applicaContenuto(contenuto_);
}

void LegacyModule::showTraditionalWindow()
{
    win::QuestionnaireWindow &t = tradizionale_.window();
    t.setLeggiEnabled(true);
    t.show();
}

void LegacyModule::chiudiSchedaPre()
{
    if (window_)
        window_->hideWithTrayIcon();
    showTraditionalWindow();
}

void LegacyModule::unloadMain()
{
    chiudiSchedaPre();
    // The window goes once its close event is over; the next import builds it anew.
    if (window_)
        window_.release()->deleteLater();
}

bool LegacyModule::puoAprireNotaPre(int k) const
{
    if (k < 0 || k >= qst::kV11Groups)
        throw core::outOfRange();
    const size_t i = static_cast<size_t>(k);
    if (contenuto_.redLink[i])
        return true;
    // The groups that take a note with SI, with NO or with either are the traditional model's.
    const qst::ModelTable &t = qst::modelTable(qst::Modello::Tradizionale);
    const bool si = contenuto_.siTicked[i];
    const bool no = contenuto_.noTicked[i];
    return (t.siLink.contains(k) && si) || (t.noLink.contains(k) && no) ||
           (t.siOrNoLink.contains(k) && (si || no));
}

void LegacyModule::stampaSchedaPre()
{
    platform::trapErrors(platform_.dialogs, [this] {
        cmd::printOnChosenPrinter(platform_.dialogs,
                                  [this](prn::Printer &out) { prn::printV11Form(out, contenuto_); });
        ultimoTabIndexPre_ = 1;
    });
}

void LegacyModule::openNote(int k)
{
    indiceNotaPre_ = k;
    if (!nota_)
        nota_ = new LegacyNoteWindow(*this, &window());
    platform_.dialogs.execModal(*nota_);
}

} // namespace legacy
