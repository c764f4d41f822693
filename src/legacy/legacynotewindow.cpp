#include "legacynotewindow.h"

#include "legacymodule.h"
#include "legacywindow.h"
#include "windows/notelink.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace legacy
{

LegacyNoteWindow::LegacyNoteWindow(LegacyModule &module, QWidget *parent)
    : NoteDialog(QStringLiteral("Nota"), parent), module_(module)
{
    TEXT_NOTE->setReadOnly(true);
    Delete_Note->hide();
    connect(End_Note, &QPushButton::clicked, this, &QDialog::accept);
}

void LegacyNoteWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        platform::trapErrors(module_.platform().dialogs, [this] { Form_Activate(); });
}

void LegacyNoteWindow::Form_Activate()
{
    const int k = module_.indiceNotaPre();
    const win::NoteLink *link = module_.window().controls().Label_NOTA.at(static_cast<size_t>(k));
    setWindowTitle((link ? link->text() : QString()) + QStringLiteral(" - Testo associato"));
    TEXT_NOTE->setPlainText(module_.content().notaMostrata(k));
    TEXT_NOTE->setFocus();
}

} // namespace legacy
