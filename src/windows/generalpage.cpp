// The "Dati Generali" page: general data, the requirement items, the meeting counts, the
// members grid and the start of office.
#include "controls.h"
#include "membersgrid.h"
#include "modelmodule.h"
#include "notelink.h"
#include "pagebuilders.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/indices.h"
#include "questionnairewindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace win
{

namespace
{

// Column titles standing above the members grid, each over its column.
class GridHeader : public QWidget
{
public:
    GridHeader(MembersGrid *grid, QWidget *parent) : QWidget(parent), grid_(grid)
    {
        setFixedHeight(84);
        connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { place(); });
        connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { place(); });
    }
    void add(int column, QLabel *label)
    {
        label->setParent(this);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        columns_.push_back({column, label});
    }
    void place()
    {
        const int offset = grid_->x() - x() + grid_->frameWidth();
        for (const auto &[column, label] : columns_) {
            const int left = offset + grid_->columnViewportPosition(column);
            label->setGeometry(left, 0, grid_->columnWidth(column), height());
            label->setVisible(grid_->columnWidth(column) > 0);
        }
    }

protected:
    void resizeEvent(QResizeEvent *) override { place(); }
    void showEvent(QShowEvent *) override { place(); }

private:
    MembersGrid *grid_;
    std::vector<std::pair<int, QLabel *>> columns_;
};

// A general-data field TEXT_GENERALE(index) of the page.
QLineEdit *generalField(Controls &ctl, int index, int width, QWidget *parent)
{
    QLineEdit *e = newField(width, parent);
    e->setObjectName(QStringLiteral("TEXT_GENERALE_%1").arg(index));
    ctl.TEXT_GENERALE[static_cast<size_t>(index)] = e;
    return e;
}

// The day, month and year fields from `day` on, with their separators.
QLayout *generalDate(Controls &ctl, int day, const QString &s1, const QString &s2, QWidget *parent)
{
    return dateRow({generalField(ctl, day, 300, parent), generalField(ctl, day + 1, 300, parent),
                    generalField(ctl, day + 2, 500, parent)},
                   s1, s2, parent);
}

// The labels of the page, and the tips of those that abbreviate.
void generalLabels(Controls &ctl, const qst::GeneralLabels &texts, QWidget *parent)
{
    for (size_t i = 0; i < ctl.LABEL_GENERALE.size(); ++i)
        ctl.LABEL_GENERALE[i] = newLabel(texts.labelGenerale.value(static_cast<int>(i)),
                                         QStringLiteral("LABEL_GENERALE_%1").arg(i), parent);
    for (size_t i = 0; i < ctl.Label6.size(); ++i) {
        const QString text = texts.label6.value(static_cast<int>(i));
        if (text.isEmpty())
            continue;
        QLabel *l = newLabel(text, QStringLiteral("Label6_%1").arg(i), parent);
        if (i <= 4 && !texts.label6Tips.value(static_cast<int>(i)).isEmpty())
            l->setToolTip(texts.label6Tips.value(static_cast<int>(i)));
        ctl.Label6[i] = l;
    }
    ctl.LABEL_GENERALE[8]->setToolTip(texts.labelGenerale8Tip);
    for (size_t i = 9; i <= 11; ++i)
        ctl.LABEL_GENERALE[i]->setToolTip(ctl.LABEL_GENERALE[i]->text());
    for (size_t i = 0; i <= 4; ++i) // headings that abbreviate keep their full wording as the tip
        if (ctl.Label6[i] && ctl.Label6[i]->toolTip().isEmpty())
            ctl.Label6[i]->setToolTip(ctl.Label6[i]->text());
}

// The answer boxes and note link of requirement item k, on row `row` of `grid`, captioned by
// Label6(labelIndex).
void requirementItem(Controls &ctl, const qst::ModelTable &t, QGridLayout *grid, int row, int labelIndex,
                     int k, QWidget *parent)
{
    const size_t i = static_cast<size_t>(k);
    QLabel *text = ctl.Label6[static_cast<size_t>(labelIndex)];
    text->setWordWrap(true);
    grid->addWidget(text, row, 0);
    auto *boxes = new QHBoxLayout;
    ctl.Check_SI[i] = new QCheckBox(parent);
    ctl.Check_SI[i]->setObjectName(QStringLiteral("Check_SI_%1").arg(k));
    boxes->addWidget(ctl.Check_SI[i]);
    if (t.noNaGroups.contains(k)) { // traditional item 80
        ctl.Check_SI[i]->setText(qst::captionWord(qst::Risposta::Si, k));
        ctl.Check_NO[i] = new QCheckBox(qst::captionWord(qst::Risposta::No, k), parent);
        ctl.Check_NO[i]->setObjectName(QStringLiteral("Check_NO_%1").arg(k));
        ctl.Check_NA[i] = new QCheckBox(qst::captionWord(qst::Risposta::NA, k), parent);
        ctl.Check_NA[i]->setObjectName(QStringLiteral("Check_NA_%1").arg(k));
        ctl.Check_NA[i]->hide();
        boxes->addWidget(ctl.Check_NO[i]);
    }
    grid->addLayout(boxes, row, 1);
    auto *link = new NoteLink(qst::didascaliaNota(t.modello, k), parent);
    link->setObjectName(QStringLiteral("Label_NOTA_%1").arg(k));
    ctl.Label_NOTA[i] = link;
    grid->addWidget(link, row, 2);
}

// Top frame: company data on the left, requirement items and meeting counts on the right.
QGroupBox *topFrame(Controls &ctl, const qst::ModelTable &t, const qst::GeneralLabels &texts, QWidget *frame1)
{
    using namespace qst::field;
    QGroupBox *frame7 = untitledFrame(QStringLiteral("Frame7"), frame1);
    auto *top = new QHBoxLayout(frame7);
    auto *left = new QGridLayout;
    left->setVerticalSpacing(twips(120));
    left->setHorizontalSpacing(twips(120));
    const auto rightAligned = [](QWidget *w) {
        auto *h = new QHBoxLayout;
        h->addStretch(1);
        h->addWidget(w);
        return h;
    };
    left->addWidget(ctl.LABEL_GENERALE[0], 0, 0);
    left->addWidget(generalField(ctl, CompanyName, 4700, frame1), 0, 1);
    left->addWidget(ctl.LABEL_GENERALE[1], 1, 0);
    left->addLayout(rightAligned(generalField(ctl, CompanyTaxCode, 1150, frame1)), 1, 1);
    left->addWidget(ctl.LABEL_GENERALE[2], 2, 0);
    left->addLayout(generalDate(ctl, ClosingDay, QStringLiteral("Label4"), QStringLiteral("Label5"), frame1),
                    2, 1);
    const std::pair<int, int> contact[] = {{3, ContactAddress}, {4, ContactPhone}, {5, ContactEmail}};
    for (const auto &[row, index] : contact) {
        left->addWidget(ctl.LABEL_GENERALE[static_cast<size_t>(row)], row, 0);
        left->addWidget(generalField(ctl, index, 4700, frame1), row, 1);
    }
    left->setRowStretch(6, 1);
    top->addLayout(left);
    top->addSpacing(twips(300));

    auto *right = new QGridLayout;
    right->setVerticalSpacing(twips(60));
    ctl.Label7 = newLabel(texts.label7, QStringLiteral("Label7"), frame1);
    QFont underlined = ctl.Label7->font();
    underlined.setUnderline(true);
    ctl.Label7->setFont(underlined);
    right->addWidget(ctl.Label7, 0, 0, 1, 3);
    requirementItem(ctl, t, right, 1, 5, qst::kFirstItemGroup, frame1);
    requirementItem(ctl, t, right, 2, 6, qst::kSecondItemGroup, frame1);
    ctl.Label6[7]->setFont(underlined);
    right->addWidget(ctl.Label6[7], 3, 0, 1, 3);
    int row = 4;
    for (int index : t.meetingFields) {
        right->addWidget(ctl.Label6[static_cast<size_t>(index - BodyMeetings + 8)], row, 0);
        right->addWidget(generalField(ctl, index, 400, frame1), row, 1);
        if (index == ExecutiveCommitteeMeetings && t.hasRiunioniNA) {
            ctl.chk_RiunioniNA = new QCheckBox(qst::captionWord(qst::Risposta::NA, index), frame1);
            ctl.chk_RiunioniNA->setObjectName(QStringLiteral("chk_RiunioniNA"));
            right->addWidget(ctl.chk_RiunioniNA, row, 2);
        }
        ++row;
    }
    right->setColumnStretch(0, 1);
    right->setRowStretch(row, 1);
    top->addLayout(right, 1);
    return frame7;
}

// Members frame: column titles, the grid, its editor and the add button.
QGroupBox *membersFrame(Controls &ctl, const qst::ModelTable &t, QWidget *frame1)
{
    QGroupBox *frame8 = untitledFrame(QStringLiteral("Frame8"), frame1);
    auto *members = new QVBoxLayout(frame8);
    members->setContentsMargins(twips(240), 4, twips(240), 6);
    ctl.MSHFlexGrid1 = new MembersGrid(t, frame8);
    ctl.MSHFlexGrid1->setFixedHeight(twips(1500) + 12);
    auto *header = new GridHeader(ctl.MSHFlexGrid1, frame8);
    const auto headerLabel = [header](int column, QLabel *label) {
        QFont small = label->font();
        small.setPointSizeF(7.5);
        label->setFont(small);
        header->add(column, label);
    };
    headerLabel(1, ctl.LABEL_GENERALE[6]);
    for (int column = 2; column <= 6; ++column)
        headerLabel(column, ctl.LABEL_GENERALE[static_cast<size_t>(column + 5)]);
    const int attendance = t.noteColumn() - 7; // 4 columns, 3 in Dualistico
    for (int j = 0; j < attendance; ++j)
        headerLabel(7 + j, ctl.Label6[static_cast<size_t>(j)]);
    headerLabel(t.noteCell(), ctl.Label6[static_cast<size_t>(attendance)]);
    members->addWidget(header);
    members->addWidget(ctl.MSHFlexGrid1);
    ctl.txtEdit = new QLineEdit(ctl.MSHFlexGrid1->viewport());
    ctl.txtEdit->setObjectName(QStringLiteral("txtEdit"));
    ctl.txtEdit->hide();
    ctl.btnAggiungi = new QPushButton(QStringLiteral("Aggiungi Membro"), frame8);
    ctl.btnAggiungi->setObjectName(QStringLiteral("btnAggiungi"));
    ctl.btnAggiungi->setAutoDefault(false);
    members->addWidget(ctl.btnAggiungi);
    return frame8;
}

// Bottom frame: statute maximum with item 81, start of office.
QGroupBox *officeFrame(Controls &ctl, const qst::ModelTable &t, QWidget *frame1)
{
    using namespace qst::field;
    QGroupBox *frame9 = untitledFrame(QStringLiteral("Frame9"), frame1);
    auto *bottom = new QHBoxLayout(frame9);
    bottom->addWidget(ctl.LABEL_GENERALE[12]);
    bottom->addWidget(generalField(ctl, MaxOffices, 420, frame1));
    const int offices = qst::kOfficesItemGroup;
    auto *officesBox = new QCheckBox(frame1);
    officesBox->setObjectName(QStringLiteral("Check_SI_%1").arg(offices));
    ctl.Check_SI[offices] = officesBox;
    bottom->addSpacing(twips(240));
    bottom->addWidget(officesBox);
    auto *officesLink = new NoteLink(qst::didascaliaNota(t.modello, offices), frame1);
    officesLink->setObjectName(QStringLiteral("Label_NOTA_%1").arg(offices));
    ctl.Label_NOTA[offices] = officesLink;
    bottom->addWidget(officesLink);
    bottom->addStretch(1);
    bottom->addWidget(ctl.LABEL_GENERALE[13]);
    bottom->addLayout(
        generalDate(ctl, OfficeStartDay, QStringLiteral("Label2"), QStringLiteral("Label3"), frame1));
    return frame9;
}

} // namespace

void QuestionnaireWindow::buildGeneralPage(QWidget *page)
{
    const qst::ModelTable &t = module_.table();
    const qst::GeneralLabels &texts = qst::etichetteGenerali(t.modello);

    auto *frame1 = new QWidget;
    frame1->setObjectName(QStringLiteral("Frame1"));
    scrollingPage(page, frame1);
    auto *v = new QVBoxLayout(frame1);
    v->setContentsMargins(twips(120), twips(120), twips(120), twips(60));
    v->setSpacing(twips(60));

    generalLabels(c_, texts, frame1);
    v->addWidget(topFrame(c_, t, texts, frame1));
    v->addWidget(membersFrame(c_, t, frame1));
    v->addWidget(officeFrame(c_, t, frame1));
    v->addStretch(1);
}

} // namespace win
