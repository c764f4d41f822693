#include "startwindow.h"

#include "appicon.h"
#include "membersgrid.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace win
{

StartWindow::StartWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Inizio"));
    setWindowTitle(qst::titoloInizio());
    setWindowIcon(appIcon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(240), twips(120), twips(240), twips(240));
    layout->setSpacing(twips(105));
    Label1 = new QLabel(QStringLiteral("SCHEDA RIEPILOGATIVA DELL'QUADRIVEX"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QFont title(QStringLiteral("Tahoma"), 14);
    title.setBold(true);
    Label1->setFont(title);
    Label1->setMinimumHeight(twips(735));
    layout->addWidget(Label1);

    QFont buttonFont = font();
    buttonFont.setPointSizeF(9.75);
    auto button = [&](const QString &caption, const QString &name, qst::Modello m) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFont(buttonFont);
        b->setFixedSize(twips(3525), twips(495));
        connect(b, &QPushButton::clicked, this, [this, m] { Q_EMIT modelChosen(m); });
        layout->addWidget(b, 0, Qt::AlignHCenter);
        return b;
    };
    // Tab order and top-to-bottom order are the same: traditional, monistic, dualistic.
    btnTradzionale = button(QStringLiteral("Modello Tradizionale"), QStringLiteral("btnTradzionale"),
                            qst::Modello::Tradizionale);
    btnMonistico =
        button(QStringLiteral("Modello  Monistico"), QStringLiteral("btnMonistico"), qst::Modello::Monistico);
    btnDualistico = button(QStringLiteral("Modello  Dualistico"), QStringLiteral("btnDualistico"),
                           qst::Modello::Dualistico);
    setFixedSize(twips(5760), twips(3465));
    centerOnScreen(*this);
}

void StartWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

} // namespace win
