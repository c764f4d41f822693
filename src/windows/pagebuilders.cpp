#include "pagebuilders.h"

#include "membersgrid.h"
#include "notelink.h"
#include "questionnaire/indices.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace win
{

namespace
{

struct PageColumns {
    int labelWidth; // twips
    QString title;
};

PageColumns pageColumns(int tab)
{
    switch (tab) {
    case 1:
        return {7995, QStringLiteral("Riquadro I [1/2] - QUADRIVEX")};
    case 2:
        return {9885, QStringLiteral("Riquadro I [2/2] - QUADRIVEX")};
    case 3:
        return {7995, QStringLiteral("Riquadro II - ADESIONE AL CODICE DI AUTODISCIPLINA")};
    case 4:
        return {7995, QStringLiteral("Riquadro III [1/2] - RELAZIONE PER L'ASSEMBLEA")};
    default:
        return {7995, QStringLiteral("Riquadro III [2/2] - RELAZIONE PER L'ASSEMBLEA")};
    }
}

QCheckBox *answerBox(const QString &caption, const QString &name, int k, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QStringLiteral("%1_%2").arg(name).arg(k));
    return box;
}

} // namespace

void scrollingPage(QWidget *page, QWidget *content)
{
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // the controls on the page take the focus, not the page
    scroll->setWidget(content);
    pageLayout->addWidget(scroll);
}

QFrame *buildAnswerRow(AnswerControls &c, int k, bool naVisible)
{
    const size_t i = static_cast<size_t>(k);
    auto *frame = new QFrame;
    frame->setObjectName(QStringLiteral("FRAME_RIQUADRO_1_1_%1").arg(k));
    frame->setFixedSize(twips(2550), twips(400) + 4);
    const bool adequacy = (k == qst::kAdequacyGroup);
    c.Check_SI[i] = answerBox(qst::captionWord(qst::Risposta::Si, k), QStringLiteral("Check_SI"), k, frame);
    c.Check_NO[i] = answerBox(qst::captionWord(qst::Risposta::No, k), QStringLiteral("Check_NO"), k, frame);
    c.Check_NA[i] = answerBox(qst::captionWord(qst::Risposta::NA, k), QStringLiteral("Check_NA"), k, frame);
    // The form's positions, moved right where this desktop's font needs more room.
    const int top = 4;
    const int gap = 6;
    c.Check_SI[i]->move(twips(150), top);
    const int noX =
        std::max(twips(adequacy ? 1200 : 950), c.Check_SI[i]->x() + c.Check_SI[i]->sizeHint().width() + gap);
    c.Check_NO[i]->move(noX, top);
    const int naX = std::max(twips(1750), noX + c.Check_NO[i]->sizeHint().width() + gap);
    c.Check_NA[i]->move(naX, top);
    frame->setFixedWidth(std::max(frame->width(), naX + c.Check_NA[i]->sizeHint().width() + gap));
    c.Check_NA[i]->setVisible(naVisible);
    c.FRAME_RIQUADRO_1_1[i] = frame;
    return frame;
}

void buildQuestionPage(QWidget *page, int tab, const std::vector<qst::PageRow> &rows, QuestionPageControls c,
                       int labelTwips)
{
    PageColumns cols = pageColumns(tab);
    if (labelTwips > 0)
        cols.labelWidth = labelTwips;

    auto *inner = new QWidget;
    scrollingPage(page, inner);
    auto *innerLayout = new QVBoxLayout(inner);
    innerLayout->setContentsMargins(twips(120), twips(120), twips(120), twips(60));
    auto *frame = new QGroupBox(cols.title, inner);
    frame->setObjectName(QStringLiteral("Frame%1").arg(tab + 1));
    QFont titleFont = frame->font();
    titleFont.setBold(true);
    frame->setFont(titleFont);
    innerLayout->addWidget(frame);
    innerLayout->addStretch(1);

    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(twips(240));
    grid->setVerticalSpacing(3);
    // The question column takes what the window leaves; the form's width is its preference.
    grid->setColumnMinimumWidth(0, twips(cols.labelWidth) * 2 / 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(2, twips(1200));
    // The frame's bold title must not make its rows bold.
    QFont plain = page->font();
    plain.setBold(false);
    int row = 0;
    if (tab == 4) {
        auto *intro = new QLabel(QStringLiteral("La relazione contiene:"), frame);
        intro->setObjectName(QStringLiteral("Label1"));
        QFont bold = plain;
        bold.setBold(true);
        intro->setFont(bold);
        grid->addWidget(intro, row++, 0, 1, 3);
    }

    for (const qst::PageRow &r : rows) {
        auto *label = new QLabel(QStringLiteral("Label6"), frame);
        label->setObjectName(QStringLiteral("LABEL_RIQUADRO_%1").arg(r.q));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setFont(plain);
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
        if (r.q == 17) {
            QPalette pal = label->palette();
            pal.setColor(QPalette::WindowText, QColor(0x40, 0, 0));
            label->setPalette(pal);
        }
        c.answers.LABEL_RIQUADRO[static_cast<size_t>(r.q)] = label;
        grid->addWidget(label, row, 0, Qt::AlignVCenter);
        label->setVisible(!r.labelHidden);

        if (r.k >= 0) {
            const size_t i = static_cast<size_t>(r.k);
            QWidget *answer = buildAnswerRow(c.answers, r.k, r.naVisible);
            answer->setParent(frame);
            answer->setFont(plain);
            answer->setVisible(!r.frameHidden);
            const int box = c.numberBoxOfGroup(r.k);
            if (box >= 0) {
                auto *number = new QLineEdit(frame);
                number->setObjectName(QStringLiteral("TEXT_%1").arg(box));
                number->setFixedWidth(twips(480) + 10);
                number->setFont(plain);
                c.numberBoxes[static_cast<size_t>(box)] = number;
                auto *holder = new QWidget(frame);
                auto *h = new QHBoxLayout(holder);
                h->setContentsMargins(twips(120), 0, 0, 0);
                h->addWidget(number);
                h->addWidget(answer);
                h->addStretch(1);
                grid->addWidget(holder, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
            } else {
                grid->addWidget(answer, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
            }
            auto *link = new NoteLink(r.link, frame);
            link->setObjectName(QStringLiteral("Label_NOTA_%1").arg(r.k));
            link->setFont(plain);
            link->setVisible(r.linkVisible);
            c.answers.Label_NOTA[i] = link;
            grid->addWidget(link, row, 2, Qt::AlignLeft | Qt::AlignVCenter);
        }
        ++row;
    }
}

QLabel *newLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLineEdit *newField(int width, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setFixedWidth(twips(width) + 8);
    return e;
}

QLabel *slash(const QString &name, QWidget *parent)
{
    QLabel *l = newLabel(QStringLiteral("/"), name, parent);
    QFont f = l->font();
    f.setPointSizeF(13.5);
    l->setFont(f);
    return l;
}

QGroupBox *untitledFrame(const QString &name, QWidget *parent)
{
    auto *f = new QGroupBox(parent);
    f->setObjectName(name);
    return f;
}

QHBoxLayout *dateRow(const std::array<QLineEdit *, 3> &boxes, const QString &slash1, const QString &slash2,
                     QWidget *parent)
{
    auto *h = new QHBoxLayout;
    h->setSpacing(2);
    h->addStretch(1);
    h->addWidget(boxes[0]);
    h->addWidget(slash(slash1, parent));
    h->addWidget(boxes[1]);
    h->addWidget(slash(slash2, parent));
    h->addWidget(boxes[2]);
    return h;
}

} // namespace win
