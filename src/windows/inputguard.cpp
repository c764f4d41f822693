#include "inputguard.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <limits>

namespace win
{

void senzaLimite(QLineEdit &edit)
{
    edit.setMaxLength(std::numeric_limits<int>::max());
}

InputGuard::InputGuard(QLineEdit &edit, Kind kind, KeyRule keyRule)
    : QObject(&edit), edit_(edit), kind_(std::move(kind)), keyRule_(std::move(keyRule)), before_(edit.text())
{
    // textEdited comes for the user's changes only, before textChanged: `before_` still holds
    // the text as it stood.
    connect(&edit_, &QLineEdit::textEdited, this, [this] { edited(); });
    connect(&edit_, &QLineEdit::textChanged, this, [this] { before_ = edit_.text(); });
    edit_.installEventFilter(this);
}

void InputGuard::edited()
{
    const QString text = edit_.text();
    // The inserted part lies between what the change left at the start and at the end.
    const qsizetype shorter = std::min(before_.size(), text.size());
    qsizetype head = 0;
    while (head < shorter && before_.at(head) == text.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before_.at(before_.size() - 1 - tail) == text.at(text.size() - 1 - tail))
        ++tail;
    const QList<uint> inserted = text.mid(head, text.size() - head - tail).toUcs4();
    QString kept;
    kept.reserve(inserted.size());
    bool changed = false;
    for (qsizetype i = 0; i < inserted.size(); ++i) {
        char32_t c = inserted[i];
        // The box holds one line: a line break (CR LF, CR or LF) becomes one blank.
        if (c == U'\r' || c == U'\n') {
            if (c == U'\r' && i + 1 < inserted.size() && inserted[i + 1] == U'\n')
                ++i;
            c = U' ';
            changed = true;
        }
        if (kind_(c))
            kept.append(QString::fromUcs4(&c, 1));
        else
            changed = true;
    }
    if (!changed)
        return;
    edit_.setText(text.left(head) + kept + text.right(tail));
    edit_.setCursorPosition(static_cast<int>(head + kept.size()));
}

bool InputGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &edit_ || event->type() != QEvent::InputMethod || forwarding_)
        return false;
    const auto *ime = static_cast<QInputMethodEvent *>(event);
    if (ime->commitString().isEmpty())
        return false;
    // The composition in progress goes on as it is; the committed text is typed key by key.
    {
        QInputMethodEvent rest(ime->preeditString(), ime->attributes());
        if (ime->replacementLength() != 0)
            rest.setCommitString(QString(), ime->replacementStart(), ime->replacementLength());
        QScopedValueRollback<bool> again(forwarding_, true);
        QCoreApplication::sendEvent(&edit_, &rest);
    }
    for (const char32_t c : ime->commitString().toUcs4()) {
        const int code = keyRule_(static_cast<int>(c));
        if (code == 0 || code == 13 || code == 8)
            continue;
        const char32_t typed = static_cast<char32_t>(code);
        edit_.insert(QString::fromUcs4(&typed, 1));
    }
    return true;
}

} // namespace win
