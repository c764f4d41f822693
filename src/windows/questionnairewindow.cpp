#include "questionnairewindow.h"
#include "controls.h"

#include "answers.h"
#include "appicon.h"
#include "core/error.h"
#include "editingstate.h"
#include "focusrules.h"
#include "generaldata.h"
#include "gridrules.h"
#include "membersgrid.h"
#include "modelmodule.h"
#include "notelink.h"
#include "pagebuilders.h"
#include "platform/trayicon.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/check.h"
#include "questionnaire/indices.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>

namespace win
{

QuestionnaireWindow::QuestionnaireWindow(ModelModule &module)
    : CommandWindow(module.platform()), module_(module), controls_(std::make_unique<Controls>()),
      c_(*controls_)
{
    buildWindow();
    answers_ = std::make_unique<AnswerRules>(c_, module_);
    answers_->connectControls();
    generalData_ = std::make_unique<GeneralDataRules>(c_, c_, module_);
    generalData_->connectControls();
    focusRules_ = std::make_unique<FocusRules>(*this, c_, module_);
    focusRules_->connectControls();
}

QuestionnaireWindow::~QuestionnaireWindow() = default;

void QuestionnaireWindow::buildWindow()
{
    const qst::ModelTable &t = module_.table();
    const qst::Modello m = t.modello;
    QVBoxLayout *layout = buildFrame(t.nome, t.caption, c_.MySSTab, [&](QWidget *page, int tab) {
        if (tab == 0)
            buildGeneralPage(page);
        else if (tab == 3 && !t.riquadroIIHasQuestions)
            buildPicturePage(page);
        else
            buildQuestionPage(
                page, tab, qst::righePagina(m, tab),
                QuestionPageControls{c_, c_.TEXT, [m](int k) { return qst::numberBoxOfGroup(m, k); }});
    });
    buildButtonBar(layout);
    buildTrayMenu(c_, true);
    placeOnScreen(14535, 9105);
}

void QuestionnaireWindow::buildButtonBar(QBoxLayout *layout)
{
    static const char *const captions[qst::kCommandButtons] = {"Stampa", "Salva temp.", "Leggi", "Genera",
                                                               "Esci"};
    auto *bar = new QHBoxLayout;
    bar->setSpacing(twips(150));
    for (int i = 0; i < qst::kCommandButtons; ++i) {
        addCommandButton(c_, *bar, i, QString::fromLatin1(captions[i]), 2600);
        if (i == static_cast<int>(qst::CommandButton::Genera)) // "Esci" stands apart at the right
            bar->addStretch(1);
    }
    layout->addLayout(bar);
}

void QuestionnaireWindow::Form_Load()
{
    qst::ModelState &s = editingState(module_);
    platform::trapErrors(module_.platform().dialogs, [&] {
        addTrayIcon(qst::trayTip(module_.table().caption));
        s.ultimoTabIndex.reset();
        s.salvato = true;
        impostaDomande();
        titoloBase_ = windowTitle();
        s.bloccaNota = false;
        setGriglia();
        c_.MySSTab->setCurrentIndex(0);
        if (!module_.table().riquadroIIHasQuestions)
            c_.MySSTab->setTabEnabled(3, false);
        focusRules_->focusFirst();
    });
}

void QuestionnaireWindow::impostaDomande()
{
    for (int q = 0; q < qst::kLabels; ++q) {
        QLabel *label = c_.LABEL_RIQUADRO[static_cast<size_t>(q)];
        if (!label)
            continue;
        if (const auto text = qst::testoDomanda(module_.modello(), q))
            label->setText(*text);
    }
}

void QuestionnaireWindow::setGriglia()
{
    c_.righeGriglia = 3;
    c_.MSHFlexGrid1->build(c_.righeGriglia);
}

int QuestionnaireWindow::righeGriglia() const
{
    return c_.righeGriglia;
}

void QuestionnaireWindow::setLeggiEnabled(bool enabled)
{
    c_.Command_Function[static_cast<size_t>(qst::CommandButton::Leggi)]->setEnabled(enabled);
}

void QuestionnaireWindow::showFileInTitle(const QString &name)
{
    // Qt reads "[*]" in a title as the modified marker; "[*][*]" shows one "[*]".
    QString escaped = name;
    escaped.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(titoloBase_ + QStringLiteral(" - ") + escaped);
}

void QuestionnaireWindow::showPage(int page)
{
    c_.MySSTab->setCurrentIndex(page);
}

namespace
{

template <typename Array> QWidget *element(const Array &controls, int i)
{
    if (i < 0 || static_cast<size_t>(i) >= controls.size() || !controls[static_cast<size_t>(i)])
        throw core::outOfRange();
    return controls[static_cast<size_t>(i)];
}

// Scrolls the page that holds a control until the control shows.
void scrollIntoView(QWidget *control)
{
    for (QWidget *p = control->parentWidget(); p; p = p->parentWidget())
        if (auto *area = qobject_cast<QScrollArea *>(p)) {
            area->ensureWidgetVisible(control);
            return;
        }
}

} // namespace

void QuestionnaireWindow::focusTarget(const qst::FocusTarget &target)
{
    using Kind = qst::FocusTarget::Kind;
    QWidget *control = nullptr;
    switch (target.kind) {
    case Kind::Field:
        control = element(c_.TEXT_GENERALE, target.index);
        break;
    case Kind::Grid:
        control = c_.MSHFlexGrid1;
        if (target.row >= 0)
            c_.MSHFlexGrid1->setCurrentCell(target.row, target.column);
        break;
    case Kind::Answer:
        control = element(c_.Check_SI, target.index);
        break;
    case Kind::NumberBox:
        control = element(c_.TEXT, target.index);
        break;
    case Kind::None:
        return;
    }
    control->setFocus(Qt::OtherFocusReason);
    // Leaving a one-digit day or month completes it and moves on to the next date box: the
    // focus still goes where the finding points.
    if (focusWidget() != control)
        control->setFocus(Qt::OtherFocusReason);
    scrollIntoView(control);
}

void QuestionnaireWindow::retickSi(int k)
{
    auto *box = static_cast<QCheckBox *>(element(c_.Check_SI, k));
    box->setChecked(false);
    box->setChecked(true);
}

bool QuestionnaireWindow::endEditing()
{
    return generalData_->grid().endEditing();
}

void QuestionnaireWindow::Command_Function_Click(int index)
{
    switch (static_cast<qst::CommandButton>(index)) {
    case qst::CommandButton::Stampa:
        runCommand([this] { module_.stampaScheda(); });
        break;
    case qst::CommandButton::SalvaTemp:
        runCommand([this] { module_.salvaScheda(false); });
        break;
    case qst::CommandButton::Leggi:
        runCommand([this] { module_.apriScheda(); });
        break;
    case qst::CommandButton::Genera:
        runCommand([this] { module_.salvaScheda(true); });
        break;
    case qst::CommandButton::Esci:
        runCommand([this] { module_.esciProgramma(); });
        break;
    }
}

bool QuestionnaireWindow::Form_Unload()
{
    if (!module_.state().salvato) {
        switch (module_.chiediSalvataggio()) {
        case platform::Answer::Yes:
            // A save that wrote nothing keeps the window and its edits.
            if (!module_.salvaScheda(false))
                return false;
            break;
        case platform::Answer::No:
            break;
        default:
            return false;
        }
    }
    module_.terminaProcesso();
    return true;
}

void QuestionnaireWindow::closeEvent(QCloseEvent *event)
{
    // The close box is one more command: ignored while another runs or a box is open.
    bool close = false;
    runCommand([&] { close = Form_Unload(); });
    event->setAccepted(close);
}

Controls &controls(QuestionnaireWindow &window)
{
    return window.c_;
}

const Controls &controls(const QuestionnaireWindow &window)
{
    return window.c_;
}

AnswerRules &answerRules(QuestionnaireWindow &window)
{
    return *window.answers_;
}

FocusRules &focusRules(QuestionnaireWindow &window)
{
    return *window.focusRules_;
}

} // namespace win
