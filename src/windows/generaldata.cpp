#include "generaldata.h"

#include "controls.h"
#include "core/error.h"
#include "editingstate.h"
#include "gridrules.h"
#include "inputguard.h"
#include "modelmodule.h"
#include "questionnaire/indices.h"
#include "questionnaire/taborder.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace win
{

namespace
{

using namespace qst::field;

// The keyboard rule a general-data field follows.
enum class FieldRule { Free, TaxCode, DatePart, Digits, Count };

FieldRule ruleOf(int index)
{
    switch (index) {
    case CompanyTaxCode:
        return FieldRule::TaxCode;
    case ClosingDay:
    case ClosingMonth:
    case ClosingYear:
    case OfficeStartDay:
    case OfficeStartMonth:
    case OfficeStartYear:
        return FieldRule::DatePart;
    case ContactPhone:
        return FieldRule::Digits;
    case MaxOffices:
    case BodyMeetings:
    case ShareholderMeetings:
    case BoardMeetings:
    case ExecutiveCommitteeMeetings:
        return FieldRule::Count;
    default:
        return FieldRule::Free;
    }
}

// Characters a date box holds: 4 for the years, 2 for days and months.
int dateLimit(int index)
{
    return (index == ClosingYear || index == OfficeStartYear) ? 4 : 2;
}

// Day and month boxes: a second digit moves on, a lone digit gets its leading "0".
bool isDayOrMonth(int index)
{
    return index == ClosingDay || index == ClosingMonth || index == OfficeStartDay ||
           index == OfficeStartMonth;
}

// The field Enter moves to, or -1 where Enter leaves the focus in place.
int enterTarget(int index)
{
    if ((index >= CompanyName && index < ContactEmail) || (index >= MaxOffices && index < OfficeStartYear))
        return index + 1;
    return -1;
}

constexpr int kCountLength = 3;

} // namespace

bool leavesControl(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

int keyAsciiOf(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return -1;
    const auto *ke = static_cast<const QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods =
        ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // Ctrl+Alt is how some layouts type a character (AltGr); other modifiers make a shortcut.
    const bool typing = mods == Qt::NoModifier || mods == (Qt::ControlModifier | Qt::AltModifier);
    switch (ke->key()) {
    case Qt::Key_Backspace:
        return mods == Qt::NoModifier ? 8 : -1;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return mods == Qt::NoModifier ? 13 : -1;
    default:
        break;
    }
    if (!typing || ke->text().isEmpty())
        return -1;
    const QList<uint> chars = ke->text().toUcs4();
    if (chars.isEmpty() || !QChar::isPrint(chars.first()))
        return -1;
    return static_cast<int>(chars.first());
}

GeneralDataRules::GeneralDataRules(GeneralControls &controls, MemberControls &members, ModelModule &module)
    : w_(controls), m_(module), grid_(std::make_unique<GridRules>(members, module))
{
}

GeneralDataRules::~GeneralDataRules() = default;

template <typename F> void GeneralDataRules::trapped(F &&procedure)
{
    platform::trapErrors(m_.platform().dialogs, procedure);
}

int GeneralDataRules::tabIndexOfField(qst::Modello m, int index)
{
    return qst::tabIndexOf(m, qst::ControlKind::Field, index);
}

void GeneralDataRules::connectControls()
{
    for (size_t i = 0; i < w_.TEXT_GENERALE.size(); ++i) {
        QLineEdit *field = w_.TEXT_GENERALE[i];
        if (!field)
            continue;
        const int index = static_cast<int>(i);
        senzaLimite(*field);
        field->installEventFilter(this);
        const bool free = ruleOf(index) == FieldRule::Free;
        new InputGuard(*field, free ? InputGuard::anyCharacter : InputGuard::isDigit,
                       [this, index](int code) {
                           trapped([&] { TEXT_GENERALE_KeyPress(index, code); });
                           return code;
                       });
        connect(field, &QLineEdit::textChanged, this,
                [this, index] { trapped([&] { TEXT_GENERALE_Change(index); }); });
    }
    for (size_t i = 0; i < w_.TEXT.size(); ++i) {
        QLineEdit *box = w_.TEXT[i];
        if (!box)
            continue;
        senzaLimite(*box);
        box->installEventFilter(this);
        const int index = static_cast<int>(i);
        new InputGuard(*box, InputGuard::isDigit, [this, index](int code) {
            trapped([&] { TEXT_KeyPress(index, code); });
            return code;
        });
        // Only what the user types marks the questionnaire; text set by the program does not.
        connect(box, &QLineEdit::textEdited, this,
                [this] { trapped([&] { m_.segnaModifica(qst::Evento::NumberBoxChange); }); });
    }
    if (w_.chk_RiunioniNA)
        connect(w_.chk_RiunioniNA, &QCheckBox::toggled, this,
                [this] { trapped([&] { chk_RiunioniNA_Click(); }); });

    grid_->connectControls();
}

bool GeneralDataRules::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::FocusOut)
        return false;
    for (size_t i = 0; i < w_.TEXT_GENERALE.size(); ++i)
        if (w_.TEXT_GENERALE[i] == watched)
            return filterField(static_cast<int>(i), event);
    for (size_t i = 0; i < w_.TEXT.size(); ++i)
        if (w_.TEXT[i] == watched)
            return filterNumberBox(static_cast<int>(i), event);
    return false;
}

bool GeneralDataRules::filterField(int index, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (leavesControl(event))
            trapped([&] { TEXT_GENERALE_LostFocus(index); });
        return false;
    }
    const int code = keyAsciiOf(event);
    if (code < 0)
        return false;
    int key = code;
    trapped([&] { TEXT_GENERALE_KeyPress(index, key); });
    return key == 0;
}

bool GeneralDataRules::filterNumberBox(int index, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int code = keyAsciiOf(event);
    if (code < 0)
        return false;
    int key = code;
    trapped([&] { TEXT_KeyPress(index, key); });
    return key == 0;
}

QLineEdit *GeneralDataRules::field(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= w_.TEXT_GENERALE.size() ||
        !w_.TEXT_GENERALE[static_cast<size_t>(index)])
        throw core::outOfRange();
    return w_.TEXT_GENERALE[static_cast<size_t>(index)];
}

QLineEdit *GeneralDataRules::numberBox(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= w_.TEXT.size() || !w_.TEXT[static_cast<size_t>(index)])
        throw core::outOfRange();
    return w_.TEXT[static_cast<size_t>(index)];
}

void GeneralDataRules::focusField(int index)
{
    field(index)->setFocus(Qt::OtherFocusReason);
}

void GeneralDataRules::TEXT_GENERALE_KeyPress(int index, int &keyAscii)
{
    const QLineEdit *box = field(index);
    const int length = static_cast<int>(box->text().size());
    const bool nothingSelected = !box->hasSelectedText();
    const bool digit = isDigitCode(keyAscii);
    const bool backspace = keyAscii == 8;
    const bool enter = keyAscii == 13;

    switch (ruleOf(index)) {
    case FieldRule::TaxCode:
        // The selection does not count: a full code refuses even a digit typed over it.
        if (!backspace && !enter && (!digit || length >= qst::kCompanyTaxCodeLength)) {
            if (length >= qst::kCompanyTaxCodeLength)
                m_.platform().system.beep();
            keyAscii = 0;
        }
        break;
    case FieldRule::DatePart:
        if (backspace)
            break;
        if (!digit && !enter)
            keyAscii = 0;
        else if (length >= dateLimit(index) && nothingSelected)
            keyAscii = 0;
        break;
    case FieldRule::Digits:
        if (!digit && !backspace && !enter)
            keyAscii = 0;
        break;
    case FieldRule::Count:
        if (backspace)
            break;
        if (!digit && !enter) {
            keyAscii = 0;
        } else if (length >= kCountLength && nothingSelected) {
            m_.platform().system.beep();
            keyAscii = 0;
        }
        break;
    case FieldRule::Free:
        break;
    }

    if (keyAscii == 13) {
        const int next = enterTarget(index);
        if (next >= 0)
            focusField(next);
    }
}

void GeneralDataRules::TEXT_GENERALE_Change(int index)
{
    if (m_.state().inCaricamento)
        return;
    if (isDayOrMonth(index) && field(index)->text().size() == 2)
        focusField(index + 1);
    m_.segnaModifica(qst::Evento::TextGeneraleChange);
}

void GeneralDataRules::TEXT_GENERALE_LostFocus(int index)
{
    QLineEdit *box = field(index);
    if (isDayOrMonth(index) && box->text().size() == 1)
        box->setText(QStringLiteral("0") + box->text()); // runs the change rule
    m_.setUltimoTabIndex(tabIndexOfField(m_.modello(), index));
}

void GeneralDataRules::TEXT_KeyPress(int index, int &keyAscii)
{
    const QLineEdit *box = numberBox(index);
    const bool digit = isDigitCode(keyAscii);
    if (keyAscii == 8)
        return;
    if (!digit && keyAscii != 13) {
        keyAscii = 0;
    } else if (box->text().size() >= kCountLength && !box->hasSelectedText()) {
        m_.platform().system.beep();
        keyAscii = 0;
    }
}

void GeneralDataRules::chk_RiunioniNA_Click()
{
    QLineEdit *field = w_.TEXT_GENERALE[qst::field::ExecutiveCommitteeMeetings];
    if (!w_.chk_RiunioniNA || !field)
        return;
    qst::ModelState &s = editingState(m_);
    if (w_.chk_RiunioniNA->isChecked()) {
        // Emptying the count is the program's doing, not a typed change.
        const QScopedValueRollback loading(s.inCaricamento, true);
        field->clear();
        QPalette grey = field->palette();
        grey.setColor(QPalette::Base, field->palette().color(QPalette::Window));
        field->setPalette(grey);
        field->setEnabled(false);
    } else {
        field->setPalette(QPalette());
        field->setEnabled(true);
    }
    // Ticked or unticked while the window is being filled, the box is no edit.
    if (!s.inCaricamento)
        m_.segnaModifica(qst::Evento::RiunioniNAClick);
}

} // namespace win
