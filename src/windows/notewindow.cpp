#include "notewindow.h"

#include "modelmodule.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace win {

NoteWindow::NoteWindow(ModelModule &module) : m_(module)
{
    setObjectName(m_.table().noteWindowName);
    setWindowTitle(QStringLiteral("Nota allegata"));
    auto *layout = new QVBoxLayout(this);
    TEXT_NOTE = new QPlainTextEdit(this);
    Delete_Note = new QPushButton(QStringLiteral("Cancella"), this);
    End_Note = new QPushButton(QStringLiteral("Fine"), this);
    layout->addWidget(TEXT_NOTE);
    layout->addWidget(Delete_Note);
    layout->addWidget(End_Note);
    connect(End_Note, &QPushButton::clicked, this, &QDialog::hide);
}

} // namespace win
