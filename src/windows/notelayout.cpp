#include "notelayout.h"

#include "membersgrid.h"

#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace win
{

QString testoIstruzioni()
{
    return QStringLiteral("Cliccando sul nome della nota in corrispondenza di ogni singolo gruppo di "
                          "risposte, è possibile visionare l'eventuale commento associato alla "
                          "domanda. La presenza di quest'ultimo è contrassegnata dal testo di "
                          "colore rosso.") +
           QString(75, QLatin1Char(' ')) + QStringLiteral("N.B.: max 65000 caratteri inseribili.");
}

void buildNoteLayout(QDialog &dialog, NoteControls &c)
{
    QFont base = dialog.font();
    base.setPointSizeF(8.25);
    dialog.setFont(base);
    QFont bold = base;
    bold.setBold(true);
    QFont buttonFont = base;
    buttonFont.setPointSizeF(9.75);
    buttonFont.setBold(true);

    auto *root = new QVBoxLayout(&dialog);
    root->setSizeConstraint(QLayout::SetFixedSize);
    root->setContentsMargins(twips(100), twips(60), twips(140), twips(135));

    c.Frame1 = new QGroupBox(&dialog);
    c.Frame1->setObjectName(QStringLiteral("Frame1"));
    root->addWidget(c.Frame1);
    auto *inside = new QVBoxLayout(c.Frame1);
    inside->setContentsMargins(twips(150), twips(200), twips(150), twips(150));
    inside->setSpacing(twips(100));

    c.Frame2 = new QGroupBox(QStringLiteral("Nota"), c.Frame1);
    c.Frame2->setObjectName(QStringLiteral("Frame2"));
    c.Frame2->setFont(bold);
    c.Frame2->setFixedWidth(twips(8700));
    c.Frame2->setMinimumHeight(twips(1300));
    auto *frame2Layout = new QVBoxLayout(c.Frame2);
    frame2Layout->setContentsMargins(twips(150), twips(60), twips(150), twips(60));
    c.Label1 = new QLabel(testoIstruzioni(), c.Frame2);
    c.Label1->setObjectName(QStringLiteral("Label1"));
    c.Label1->setTextFormat(Qt::PlainText);
    c.Label1->setFont(bold);
    c.Label1->setWordWrap(true);
    c.Label1->setFixedWidth(twips(8400));
    c.Label1->setMinimumHeight(twips(800));
    c.Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    frame2Layout->addWidget(c.Label1);
    inside->addWidget(c.Frame2);

    c.TEXT_NOTE = new QPlainTextEdit(c.Frame1);
    c.TEXT_NOTE->setObjectName(QStringLiteral("TEXT_NOTE"));
    c.TEXT_NOTE->setFixedSize(twips(8700), twips(3000));
    c.TEXT_NOTE->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.TEXT_NOTE->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.TEXT_NOTE->setTabChangesFocus(true);
    inside->addWidget(c.TEXT_NOTE);
    inside->addSpacing(twips(200));

    c.Delete_Note = new QPushButton(QStringLiteral("Cancella"), c.Frame1);
    c.Delete_Note->setObjectName(QStringLiteral("Delete_Note"));
    c.End_Note = new QPushButton(QStringLiteral("Fine"), c.Frame1);
    c.End_Note->setObjectName(QStringLiteral("End_Note"));
    for (QPushButton *b : {c.Delete_Note, c.End_Note}) {
        b->setFont(buttonFont);
        b->setFixedSize(twips(1850), twips(400));
    }
    auto *buttons = new QHBoxLayout;
    buttons->addSpacing(twips(2000));
    buttons->addWidget(c.Delete_Note);
    buttons->addSpacing(twips(1000));
    buttons->addWidget(c.End_Note);
    buttons->addStretch(1);
    inside->addLayout(buttons);

    QWidget::setTabOrder(c.End_Note, c.Delete_Note);
    QWidget::setTabOrder(c.Delete_Note, c.TEXT_NOTE);
}

NoteDialog::NoteDialog(const QString &name, QWidget *parent) : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(QStringLiteral("Nota allegata"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    buildNoteLayout(*this, *this);
}

void NoteDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized())
        return;
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            return;
        if (QWidget *owner = parentWidget(); owner && owner->isMinimized())
            owner->setWindowState(owner->windowState() & ~Qt::WindowMinimized);
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
    });
}

} // namespace win
