#pragma once

// Shared set-up of the suites that save and open files: a model's window on scripted dialogs
// with the real save and open commands.
#include "commands/opencommand.h"
#include "commands/savecommand.h"
#include "support.h"
#include "windows/contenutofinestra.h"
#include "windows/notelink.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace testing
{

// The program's folder: the test's own, where the templates are copied.
inline QString programma()
{
    return QCoreApplication::applicationDirPath();
}

// A model's window, shown, whose "Salva temp." and "Leggi" run the real commands; the file
// dialogs start in `cartella`.
struct Banco : win::SchedaCommands {
    explicit Banco(qst::Modello m, const QString &cartella = programma())
        : module(m, platform.platform()), salva(module, cartella), apri(module, cartella)
    {
        module.setCommands(this);
        w.show();
    }
    bool salvaScheda(bool genera) override { return salva.salvaScheda(genera); }
    void apriScheda() override { apri.apriScheda(); }
    void stampaScheda() override {}

    // What the user sees of the questionnaire: content, title, saved flag, "Leggi".
    QStringList stato()
    {
        return describe(win::leggiContenuto(module))
               << w.windowTitle() << QStringLiteral("salvato %1").arg(module.state().salvato)
               << QStringLiteral("Leggi %1").arg(leggiEnabled(w));
    }
    // An edit as the user makes it: the questionnaire is no longer saved.
    void modifica() { win::controls(w).TEXT_GENERALE[0]->setText(QStringLiteral("modifica")); }

    // Ticks the box of `r` as the open command does: no cascade, no note window.
    void rispondi(int k, qst::Risposta r, const QString &si = {}, const QString &no = {})
    {
        const size_t i = static_cast<size_t>(k);
        module.setLoading(true);
        (r == qst::Risposta::No   ? win::controls(w).Check_NO
         : r == qst::Risposta::NA ? win::controls(w).Check_NA
                                  : win::controls(w).Check_SI)[i]
            ->setChecked(r != qst::Risposta::Nessuna);
        module.setLoading(false);
        module.setNote(k, si, no);
        win::controls(w).Label_NOTA[i]->setForeColor(win::kColorRed);
    }
    void campo(int i, const QString &text)
    {
        win::controls(w).TEXT_GENERALE[static_cast<size_t>(i)]->setText(text);
    }

    Scripted platform;
    win::ModelModule module;
    cmd::SaveCommand salva;
    cmd::OpenCommand apri;
    win::QuestionnaireWindow &w = module.window();
};

} // namespace testing
