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

} // namespace

void QuestionnaireWindow::buildGeneralPage(QWidget *page)
{
    using namespace qst::field;
    const qst::ModelTable &t = module_.table();
    const qst::GeneralLabels &texts = qst::etichetteGenerali(t.modello);

    auto *frame1 = new QWidget;
    frame1->setObjectName(QStringLiteral("Frame1"));
    scrollingPage(page, frame1);
    auto *v = new QVBoxLayout(frame1);
    v->setContentsMargins(twips(120), twips(120), twips(120), twips(60));
    v->setSpacing(twips(60));

    for (int i = 0; i < 14; ++i)
        c_.LABEL_GENERALE[static_cast<size_t>(i)] =
            newLabel(texts.labelGenerale.value(i), QStringLiteral("LABEL_GENERALE_%1").arg(i), frame1);
    for (int i = 0; i < 12; ++i) {
        const QString text = texts.label6.value(i);
        if (text.isEmpty())
            continue;
        QLabel *l = newLabel(text, QStringLiteral("Label6_%1").arg(i), frame1);
        if (i <= 4 && !texts.label6Tips.value(i).isEmpty())
            l->setToolTip(texts.label6Tips.value(i));
        c_.Label6[static_cast<size_t>(i)] = l;
    }
    c_.LABEL_GENERALE[8]->setToolTip(texts.labelGenerale8Tip);
    for (int i = 9; i <= 11; ++i)
        c_.LABEL_GENERALE[static_cast<size_t>(i)]->setToolTip(
            c_.LABEL_GENERALE[static_cast<size_t>(i)]->text());
    for (int c : {0, 1, 2, 3, 4}) // headings that abbreviate keep their full wording as the tip
        if (c_.Label6[static_cast<size_t>(c)] && c_.Label6[static_cast<size_t>(c)]->toolTip().isEmpty())
            c_.Label6[static_cast<size_t>(c)]->setToolTip(c_.Label6[static_cast<size_t>(c)]->text());

    auto field = [this, frame1](int index, int width) {
        QLineEdit *e = newField(width, frame1);
        e->setObjectName(QStringLiteral("TEXT_GENERALE_%1").arg(index));
        c_.TEXT_GENERALE[static_cast<size_t>(index)] = e;
        return e;
    };
    auto rightAligned = [](QWidget *w) {
        auto *h = new QHBoxLayout;
        h->addStretch(1);
        h->addWidget(w);
        return h;
    };
    auto dateRow = [&](int day, const QString &s1, const QString &s2) {
        return win::dateRow({field(day, 300), field(day + 1, 300), field(day + 2, 500)}, s1, s2, frame1);
    };

    // Top frame: company data on the left, requirement items and meeting counts on the right.
    QGroupBox *frame7 = untitledFrame(QStringLiteral("Frame7"), frame1);
    auto *top = new QHBoxLayout(frame7);
    auto *left = new QGridLayout;
    left->setVerticalSpacing(twips(120));
    left->setHorizontalSpacing(twips(120));
    left->addWidget(c_.LABEL_GENERALE[0], 0, 0);
    left->addWidget(field(CompanyName, 4700), 0, 1);
    left->addWidget(c_.LABEL_GENERALE[1], 1, 0);
    left->addLayout(rightAligned(field(CompanyTaxCode, 1150)), 1, 1);
    left->addWidget(c_.LABEL_GENERALE[2], 2, 0);
    left->addLayout(dateRow(ClosingDay, QStringLiteral("Label4"), QStringLiteral("Label5")), 2, 1);
    left->addWidget(c_.LABEL_GENERALE[3], 3, 0);
    left->addWidget(field(ContactAddress, 4700), 3, 1);
    left->addWidget(c_.LABEL_GENERALE[4], 4, 0);
    left->addWidget(field(ContactPhone, 4700), 4, 1);
    left->addWidget(c_.LABEL_GENERALE[5], 5, 0);
    left->addWidget(field(ContactEmail, 4700), 5, 1);
    left->setRowStretch(6, 1);
    top->addLayout(left);
    top->addSpacing(twips(300));

    auto *right = new QGridLayout;
    right->setVerticalSpacing(twips(60));
    c_.Label7 = newLabel(texts.label7, QStringLiteral("Label7"), frame1);
    QFont underlined = c_.Label7->font();
    underlined.setUnderline(true);
    c_.Label7->setFont(underlined);
    right->addWidget(c_.Label7, 0, 0, 1, 3);
    auto item = [&](int row, int labelIndex, int k) {
        const size_t i = static_cast<size_t>(k);
        QLabel *text = c_.Label6[static_cast<size_t>(labelIndex)];
        text->setWordWrap(true);
        right->addWidget(text, row, 0);
        auto *boxes = new QHBoxLayout;
        c_.Check_SI[i] = new QCheckBox(frame1);
        c_.Check_SI[i]->setObjectName(QStringLiteral("Check_SI_%1").arg(k));
        boxes->addWidget(c_.Check_SI[i]);
        if (t.noNaGroups.contains(k)) { // traditional item 80
            c_.Check_SI[i]->setText(qst::captionWord(qst::Risposta::Si, k));
            c_.Check_NO[i] = new QCheckBox(qst::captionWord(qst::Risposta::No, k), frame1);
            c_.Check_NO[i]->setObjectName(QStringLiteral("Check_NO_%1").arg(k));
            c_.Check_NA[i] = new QCheckBox(qst::captionWord(qst::Risposta::NA, k), frame1);
            c_.Check_NA[i]->setObjectName(QStringLiteral("Check_NA_%1").arg(k));
            c_.Check_NA[i]->hide();
            boxes->addWidget(c_.Check_NO[i]);
        }
        right->addLayout(boxes, row, 1);
        auto *link = new NoteLink(qst::didascaliaNota(t.modello, k), frame1);
        link->setObjectName(QStringLiteral("Label_NOTA_%1").arg(k));
        c_.Label_NOTA[i] = link;
        right->addWidget(link, row, 2);
    };
    item(1, 5, qst::kFirstItemGroup);
    item(2, 6, qst::kSecondItemGroup);
    c_.Label6[7]->setFont(underlined);
    right->addWidget(c_.Label6[7], 3, 0, 1, 3);
    int row = 4;
    for (int index : t.meetingFields) {
        QLabel *caption = c_.Label6[static_cast<size_t>(index - BodyMeetings + 8)];
        right->addWidget(caption, row, 0);
        right->addWidget(field(index, 400), row, 1);
        if (index == ExecutiveCommitteeMeetings && t.hasRiunioniNA) {
            c_.chk_RiunioniNA = new QCheckBox(qst::captionWord(qst::Risposta::NA, index), frame1);
            c_.chk_RiunioniNA->setObjectName(QStringLiteral("chk_RiunioniNA"));
            right->addWidget(c_.chk_RiunioniNA, row, 2);
        }
        ++row;
    }
    right->setColumnStretch(0, 1);
    right->setRowStretch(row, 1);
    top->addLayout(right, 1);
    v->addWidget(frame7);

    // Members frame: column titles, the grid, its editor and the add button.
    QGroupBox *frame8 = untitledFrame(QStringLiteral("Frame8"), frame1);
    auto *members = new QVBoxLayout(frame8);
    members->setContentsMargins(twips(240), 4, twips(240), 6);
    c_.MSHFlexGrid1 = new MembersGrid(t, frame8);
    c_.MSHFlexGrid1->setFixedHeight(twips(1500) + 12);
    auto *header = new GridHeader(c_.MSHFlexGrid1, frame8);
    auto headerLabel = [&](int column, QLabel *label) {
        QFont small = label->font();
        small.setPointSizeF(7.5);
        label->setFont(small);
        header->add(column, label);
    };
    headerLabel(1, c_.LABEL_GENERALE[6]);
    for (int c = 2; c <= 6; ++c)
        headerLabel(c, c_.LABEL_GENERALE[static_cast<size_t>(c + 5)]);
    const int attendance = t.noteColumn() - 7; // 4 columns, 3 in Dualistico
    for (int j = 0; j < attendance; ++j)
        headerLabel(7 + j, c_.Label6[static_cast<size_t>(j)]);
    headerLabel(t.noteCell(), c_.Label6[static_cast<size_t>(attendance)]);
    members->addWidget(header);
    members->addWidget(c_.MSHFlexGrid1);
    c_.txtEdit = new QLineEdit(c_.MSHFlexGrid1->viewport());
    c_.txtEdit->setObjectName(QStringLiteral("txtEdit"));
    c_.txtEdit->hide();
    c_.btnAggiungi = new QPushButton(QStringLiteral("Aggiungi Membro"), frame8);
    c_.btnAggiungi->setObjectName(QStringLiteral("btnAggiungi"));
    c_.btnAggiungi->setAutoDefault(false);
    members->addWidget(c_.btnAggiungi);
    v->addWidget(frame8);

    // Bottom frame: statute maximum with item 81, start of office.
    QGroupBox *frame9 = untitledFrame(QStringLiteral("Frame9"), frame1);
    auto *bottom = new QHBoxLayout(frame9);
    bottom->addWidget(c_.LABEL_GENERALE[12]);
    bottom->addWidget(field(MaxOffices, 420));
    const int offices = qst::kOfficesItemGroup;
    auto *officesBox = new QCheckBox(frame1);
    officesBox->setObjectName(QStringLiteral("Check_SI_%1").arg(offices));
    c_.Check_SI[offices] = officesBox;
    bottom->addSpacing(twips(240));
    bottom->addWidget(officesBox);
    auto *officesLink = new NoteLink(qst::didascaliaNota(t.modello, offices), frame1);
    officesLink->setObjectName(QStringLiteral("Label_NOTA_%1").arg(offices));
    c_.Label_NOTA[offices] = officesLink;
    bottom->addWidget(officesLink);
    bottom->addStretch(1);
    bottom->addWidget(c_.LABEL_GENERALE[13]);
    bottom->addLayout(dateRow(OfficeStartDay, QStringLiteral("Label2"), QStringLiteral("Label3")));
    v->addWidget(frame9);
    v->addStretch(1);
}

} // namespace win
