// The five question pages and the "Riquadro II" picture, built from the model's row tables.
#include "controls.h"
#include "membersgrid.h"
#include "modelmodule.h"
#include "notelink.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/indices.h"
#include "questionnairewindow.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace win
{

void QuestionnaireWindow::buildPicturePage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(twips(120), twips(120), twips(120), twips(120));
    QPixmap pm(935, 539);
    pm.fill(QColor(0xd4, 0xd0, 0xc8));
    {
        QPainter p(&pm);
        QFont f(QStringLiteral("Sans Serif"), 28);
        f.setItalic(true);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("N O N   A P P L I C A B I L E"));
    }
    c_.picture = new QLabel(page);
    c_.picture->setObjectName(QStringLiteral("Picture1"));
    c_.picture->setPixmap(pm);
    c_.picture->setAlignment(Qt::AlignCenter);
    c_.picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(c_.picture);
}

} // namespace win
