#include "legacywindow.h"

#include "legacymodule.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/indices.h"
#include "questionnaire/models.h"
#include "windows/appicon.h"
#include "windows/generaldata.h"
#include "windows/membersgrid.h"
#include "windows/notelink.h"
#include "windows/pagebuilders.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace legacy
{

namespace
{

// What the key procedure of a field of `Main` refuses: a key other than a digit where the field
// takes digits only, and any key once the field holds `limit` characters (0: no limit). `beep`:
// a key refused at the limit beeps.
struct KeyRule {
    bool digitsOnly = false;
    int limit = 0;
    bool beep = false;
};

KeyRule keyRule(int i)
{
    using namespace qst::field;
    using namespace qst::v11field;
    switch (i) {
    case CompanyTaxCode:
        return {true, qst::kCompanyTaxCodeLength, true};
    case ClosingDay:
    case ClosingMonth:
    case OfficeStartDay:
    case OfficeStartMonth:
        return {true, 2, false};
    case ClosingYear:
    case OfficeStartYear:
        return {true, 4, true};
    case ContactPhone:
        return {true, 0, false};
    case MaxOffices:
        return {true, 3, true};
    default:
        break;
    }
    if (inColumn(MemberTaxCode, i))
        return {false, qst::kMemberTaxCodeLength, true};
    for (MemberColumn column : kOfficeColumns)
        if (inColumn(column, i))
            return {true, 3, true};
    return {};
}

// Where Enter in field i moves the focus: the next index, from the last field back to the first;
// -1 from the last tax code, whose next control (the first minority box) takes no focus.
int enterTarget(int i)
{
    using namespace qst::field;
    using namespace qst::v11field;
    if (i == member(MemberTaxCode, qst::kV11MemberRows - 1))
        return -1;
    return i == qst::kV11GeneralFields - 1 ? 0 : i + 1;
}

constexpr int kNumberLength = 3;
constexpr int kEsci = static_cast<int>(qst::CommandButton::Esci);
constexpr int kStampa = static_cast<int>(qst::CommandButton::Stampa);

} // namespace

int v11TabIndex(int i)
{
    // Company data, then the member fields row by row (each row's five columns in turn), then
    // the statute maximum and the start of office.
    using namespace qst::field;
    using namespace qst::v11field;
    if (i >= MemberName && i < MaxOffices) {
        const int column = (i - MemberName) / qst::kV11MemberRows;
        const int row = (i - MemberName) % qst::kV11MemberRows;
        return MemberName + row * qst::kV11MemberRows + column;
    }
    return i;
}

LegacyWindow::LegacyWindow(LegacyModule &module) : CommandWindow(module.platform()), module_(module)
{
    const auto numberBox = [](int k) { return qst::numberBoxOfGroup(qst::Modello::Tradizionale, k); };
    QVBoxLayout *layout =
        buildFrame(QStringLiteral("Main"), qst::kTitoloV11, c_.MySSTab, [&](QWidget *page, int tab) {
            if (tab == 0)
                buildGeneralPage(page);
            else
                win::buildQuestionPage(page, tab, qst::v11PageRows(tab),
                                       win::QuestionPageControls{c_, c_.TEXT, numberBox}, 7995);
        });

    // A viewer: the answers cannot be changed, the number boxes are locked.
    for (int k = 0; k < qst::kV11Groups; ++k) {
        const size_t i = static_cast<size_t>(k);
        if (QFrame *frame = c_.FRAME_RIQUADRO_1_1[i])
            frame->setEnabled(false);
        if (win::NoteLink *link = c_.Label_NOTA[i]) {
            link->setForeColor(win::kColorBlack);
            connect(link, &win::NoteLink::clicked, this, [this, k] { Label_NOTA_Click(k); });
        }
    }
    for (QLineEdit *box : c_.TEXT) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
        box->installEventFilter(this);
    }

    auto *bar = new QHBoxLayout;
    bar->setSpacing(win::twips(150));
    addCommandButton(c_, *bar, kStampa, QStringLiteral("Stampa"), 9285);
    bar->addStretch(1);
    addCommandButton(c_, *bar, kEsci, QStringLiteral("Esci"), 2175);
    layout->addLayout(bar);
    c_.Command_Function[kStampa]->installEventFilter(this);
    buildTrayMenu(c_, false);
    buildTabOrder();

    placeOnScreen(11880, 8595);
}

LegacyWindow::~LegacyWindow() = default;

void LegacyWindow::buildGeneralPage(QWidget *page)
{
    using namespace qst::field;
    using namespace qst::v11field;
    const QStringList &texts = qst::v11GeneralLabels();
    auto *frame1 = new QWidget;
    frame1->setObjectName(QStringLiteral("Frame1"));
    win::scrollingPage(page, frame1);
    auto *v = new QVBoxLayout(frame1);
    v->setContentsMargins(win::twips(120), win::twips(120), win::twips(120), win::twips(60));
    v->setSpacing(win::twips(120));

    for (int i = 0; i < static_cast<int>(c_.LABEL_GENERALE.size()); ++i) {
        c_.LABEL_GENERALE[static_cast<size_t>(i)] =
            win::newLabel(texts.value(i), QStringLiteral("LABEL_GENERALE_%1").arg(i), frame1);
    }
    const auto field = [this, frame1](int index, int width) {
        QLineEdit *e = win::newField(width, frame1);
        e->setObjectName(QStringLiteral("TEXT_GENERALE_%1").arg(index));
        e->setReadOnly(true);
        e->installEventFilter(this);
        c_.TEXT_GENERALE[static_cast<size_t>(index)] = e;
        return e;
    };
    const auto date = [&](int day, const QString &s1, const QString &s2) {
        return win::dateRow({field(day, 300), field(day + 1, 300), field(day + 2, 500)}, s1, s2, frame1);
    };

    // Company data.
    auto *company = new QGridLayout;
    company->setVerticalSpacing(win::twips(120));
    company->setHorizontalSpacing(win::twips(240));
    const auto &L = c_.LABEL_GENERALE;
    company->addWidget(L[0], 0, 0);
    company->addWidget(field(CompanyName, 4700), 0, 1);
    company->addWidget(L[1], 1, 0);
    auto *taxCode = new QHBoxLayout;
    taxCode->addStretch(1);
    taxCode->addWidget(field(CompanyTaxCode, 1150));
    company->addLayout(taxCode, 1, 1);
    company->addWidget(L[2], 2, 0);
    company->addLayout(date(ClosingDay, QStringLiteral("Label4"), QStringLiteral("Label5")), 2, 1);
    const std::pair<int, GeneralField> contact[] = {
        {3, ContactAddress}, {4, ContactPhone}, {5, ContactEmail}};
    for (const auto &[row, index] : contact) {
        company->addWidget(L[static_cast<size_t>(row)], row, 0);
        company->addWidget(field(index, 4700), row, 1);
    }
    company->setColumnStretch(2, 1);
    v->addLayout(company);

    // The five member rows: label, name, tax code, minority box, offices in three kinds of company.
    auto *members = new QGridLayout;
    members->setHorizontalSpacing(win::twips(120));
    members->setVerticalSpacing(win::twips(60));
    members->addWidget(L[6], 0, 1, Qt::AlignBottom);
    for (int c = 12; c <= 16; ++c) {
        L[static_cast<size_t>(c)]->setWordWrap(true);
        L[static_cast<size_t>(c)]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        L[static_cast<size_t>(c)]->setFixedWidth(win::twips(c <= 13 ? 1800 : 1000));
        members->addWidget(L[static_cast<size_t>(c)], 0, c - 10, Qt::AlignBottom);
    }
    for (int r = 0; r < qst::kV11MemberRows; ++r) {
        if (r < 3)
            members->addWidget(L[static_cast<size_t>(7 + r)], r + 1, 0);
        members->addWidget(field(member(MemberName, r), 3800), r + 1, 1);
        members->addWidget(field(member(MemberTaxCode, r), 1800), r + 1, 2);
        // The minority boxes stand disabled: they show the file's value and take no click.
        auto *box = new QCheckBox(frame1);
        box->setObjectName(QStringLiteral("CHECK_MINORANZE_%1").arg(r));
        box->setTristate(true);
        box->setEnabled(false);
        c_.CHECK_MINORANZE[static_cast<size_t>(r)] = box;
        members->addWidget(box, r + 1, 3, Qt::AlignHCenter);
        int column = 4;
        for (MemberColumn offices : kOfficeColumns)
            members->addWidget(field(member(offices, r), 400), r + 1, column++, Qt::AlignHCenter);
    }
    members->setColumnStretch(7, 1);
    v->addLayout(members);

    // The statute maximum and the start of office.
    auto *bottom = new QGridLayout;
    bottom->setHorizontalSpacing(win::twips(240));
    bottom->addWidget(L[10], 0, 0);
    bottom->addWidget(field(MaxOffices, 420), 0, 1, Qt::AlignLeft);
    bottom->addWidget(L[11], 1, 0);
    auto *start = date(OfficeStartDay, QStringLiteral("Label2"), QStringLiteral("Label3"));
    start->addStretch(100);
    bottom->addLayout(start, 1, 1);
    bottom->setColumnStretch(2, 1);
    v->addLayout(bottom);
    v->addStretch(1);
}

void LegacyWindow::buildTabOrder()
{
    std::vector<QWidget *> order(qst::kV11GeneralFields);
    for (int i = 0; i < qst::kV11GeneralFields; ++i)
        order[static_cast<size_t>(v11TabIndex(i))] = c_.TEXT_GENERALE[static_cast<size_t>(i)];
    order.push_back(c_.Command_Function[kStampa]);
    order.push_back(c_.Command_Function[kEsci]);
    order.push_back(c_.MySSTab);
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void LegacyWindow::Form_Load()
{
    platform::trapErrors(platform_.dialogs, [this] {
        module_.setUltimoTabIndexPre(std::nullopt);
        caricaDomandePre();
        c_.MySSTab->setCurrentIndex(0);
    });
}

void LegacyWindow::caricaDomandePre()
{
    platform::trapErrors(platform_.dialogs, [this] {
        for (int q = 0; q < qst::kV11Labels; ++q)
            if (QLabel *label = c_.LABEL_RIQUADRO[static_cast<size_t>(q)])
                label->setText(qst::v11QuestionText(q).value_or(QString()));
    });
}

void LegacyWindow::applicaContenuto(const qst::V11Content &c)
{
    // A value wider than its box is shown from its first character.
    const auto show = [](QLineEdit *box, const QString &value) {
        box->setText(value);
        box->setCursorPosition(0);
    };
    for (size_t i = 0; i < c.general.size(); ++i)
        show(c_.TEXT_GENERALE[i], c.general[i]);
    for (size_t r = 0; r < c.minority.size(); ++r) {
        const qst::BoxState s = c.minority[r];
        c_.CHECK_MINORANZE[r]->setCheckState(s == qst::BoxState::Ticked   ? Qt::Checked
                                             : s == qst::BoxState::Partly ? Qt::PartiallyChecked
                                                                          : Qt::Unchecked);
    }
    for (size_t n = 0; n < c.numbers.size(); ++n)
        show(c_.TEXT[n], c.numbers[n]);
    for (size_t k = 0; k < static_cast<size_t>(qst::kV11Groups); ++k) {
        c_.Check_SI[k]->setChecked(c.siTicked[k]);
        c_.Check_NO[k]->setChecked(c.noTicked[k]);
        c_.Check_NA[k]->setChecked(c.naTicked[k]);
        c_.Label_NOTA[k]->setForeColor(c.redLink[k] ? win::kColorRed : win::kColorBlack);
    }
}

void LegacyWindow::showPathInTitle(const QString &percorso)
{
    // Qt reads "[*]" in a title as the modified marker; "[*][*]" shows one "[*]".
    QString escaped = percorso;
    escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(qst::kTitoloV11 + QStringLiteral(" - ") + escaped);
}

void LegacyWindow::showWithTrayIcon()
{
    addTrayIcon(qst::titoloInizio());
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void LegacyWindow::hideWithTrayIcon()
{
    removeTrayIcon();
    hide();
}

void LegacyWindow::Command_Function_Click(int index)
{
    if (index == kStampa)
        runCommand([this] { module_.stampaSchedaPre(); });
    else if (index == kEsci)
        runCommand([this] { module_.chiudiSchedaPre(); });
}

void LegacyWindow::closeEvent(QCloseEvent *event)
{
    // The close box is one more command: ignored while another runs or a box is open.
    bool closed = false;
    runCommand([&] {
        module_.unloadMain();
        closed = true;
    });
    event->setAccepted(closed);
}

void LegacyWindow::Label_NOTA_Click(int k)
{
    platform::trapErrors(platform_.dialogs, [this, k] {
        module_.setIndiceNotaPre(k);
        if (module_.puoAprireNotaPre(k))
            module_.openNote(k);
    });
}

void LegacyWindow::TEXT_GENERALE_KeyPress(int index, int &keyAscii)
{
    if (keyAscii == 8)
        return;
    if (keyAscii == 13) {
        if (const int next = enterTarget(index); next >= 0)
            c_.TEXT_GENERALE[static_cast<size_t>(next)]->setFocus(Qt::OtherFocusReason);
        return;
    }
    const KeyRule rule = keyRule(index);
    const qsizetype length = c_.TEXT_GENERALE[static_cast<size_t>(index)]->text().size();
    const bool full = rule.limit > 0 && length >= rule.limit;
    if ((rule.digitsOnly && !win::isDigitCode(keyAscii)) || full) {
        if (full && rule.beep)
            platform_.system.beep();
        keyAscii = 0;
    }
}

void LegacyWindow::TEXT_KeyPress(int index, int &keyAscii)
{
    if (keyAscii == 8)
        return;
    const bool full = c_.TEXT[static_cast<size_t>(index)]->text().size() >= kNumberLength;
    if (!win::isDigitCode(keyAscii) || full) {
        if (full)
            platform_.system.beep();
        keyAscii = 0;
    }
}

void LegacyWindow::TEXT_GENERALE_LostFocus(int index)
{
    module_.setUltimoTabIndexPre(v11TabIndex(index));
}

void LegacyWindow::Command_Function_LostFocus(int index)
{
    // Leaving "Stampa" from the first page after the company name turns to the last page.
    if (index == kStampa && c_.MySSTab->currentIndex() == 0 && module_.ultimoTabIndexPre() == 0)
        c_.MySSTab->setCurrentIndex(c_.MySSTab->count() - 1);
}

bool LegacyWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && win::leavesControl(event)) {
        for (size_t i = 0; i < c_.TEXT_GENERALE.size(); ++i)
            if (watched == c_.TEXT_GENERALE[i])
                platform::trapErrors(platform_.dialogs,
                                     [&] { TEXT_GENERALE_LostFocus(static_cast<int>(i)); });
        if (watched == c_.Command_Function[kStampa])
            Command_Function_LostFocus(kStampa);
        return false;
    }
    int keyAscii = win::keyAsciiOf(event);
    if (keyAscii < 0)
        return false;
    for (size_t i = 0; i < c_.TEXT_GENERALE.size(); ++i)
        if (watched == c_.TEXT_GENERALE[i]) {
            platform::trapErrors(platform_.dialogs,
                                 [&] { TEXT_GENERALE_KeyPress(static_cast<int>(i), keyAscii); });
            return keyAscii == 0 || keyAscii == 13;
        }
    for (size_t i = 0; i < c_.TEXT.size(); ++i)
        if (watched == c_.TEXT[i]) {
            platform::trapErrors(platform_.dialogs, [&] { TEXT_KeyPress(static_cast<int>(i), keyAscii); });
            return keyAscii == 0;
        }
    return false;
}

} // namespace legacy
