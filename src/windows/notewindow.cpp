#include "notewindow.h"

#include "controls.h"
#include "core/error.h"
#include "editingstate.h"
#include "membersgrid.h"
#include "modelmodule.h"
#include "notelayout.h"
#include "notelink.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

namespace win
{

namespace
{

// The character that ends a paragraph of the text box's document, where the text has a line
// break.
constexpr char16_t kParagraph = 0x2029;

// The character code a key types into the text box, 0 for a key that types nothing.
// Shortcuts other than paste (copy, select all, undo...) and navigation keys type nothing.
int codiceTasto(const QKeyEvent &e)
{
    if (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter)
        return 13;
    if (e.key() == Qt::Key_Backspace)
        return 8;
    if (e.matches(QKeySequence::Paste))
        return 22;
    if (e.modifiers().testFlag(Qt::ControlModifier) && !e.modifiers().testFlag(Qt::AltModifier))
        return 0;
    const QString text = e.text();
    if (text.isEmpty())
        return 0;
    const char16_t c = text.front().unicode();
    if (c < 32 || c == 127)
        return 0;                 // Escape and Tab belong to the dialog
    if (c == 0x2020 || c == 0x86) // the dagger, 134 in the Windows character set
        return 134;
    return c;
}

bool tickedBox(const QCheckBox *box)
{
    return box && box->isChecked();
}

} // namespace

NoteWindow::NoteWindow(ModelModule &module, AnswerControls &answers, MembersGrid &grid, QWidget *parent)
    : NoteDialog(module.table().noteWindowName, parent), m_(module), answers_(answers), grid_(grid)
{
    connect(End_Note, &QPushButton::clicked, this, [this] { trapping([this] { End_Note_Click(); }); });
    connect(Delete_Note, &QPushButton::clicked, this, [this] { trapping([this] { Delete_Note_Click(); }); });
    connect(TEXT_NOTE, &QPlainTextEdit::textChanged, this,
            [this] { trapping([this] { TEXT_NOTE_Change(); }); });
    TEXT_NOTE->installEventFilter(this);
}

QString NoteWindow::testo() const
{
    // The raw text keeps no-break spaces, which toPlainText() would turn into blanks.
    QString raw = TEXT_NOTE->document()->toRawText();
    raw.replace(QChar(kParagraph), QStringLiteral("\r\n"));
    return raw;
}

void NoteWindow::setTesto(const QString &text)
{
    TEXT_NOTE->setPlainText(text);
}

qsizetype NoteWindow::lunghezza() const
{
    const QString raw = TEXT_NOTE->document()->toRawText();
    return raw.size() + raw.count(QChar(kParagraph));
}

void NoteWindow::trapping(const std::function<void()> &procedure, const QString &prefix)
{
    platform::trapErrors(m_.platform().dialogs, procedure, prefix);
}

NoteLink &NoteWindow::linkMostrato()
{
    const int k = m_.state().indiceNota;
    if (k < 0 || k >= qst::kGroups || !answers_.Label_NOTA[static_cast<size_t>(k)])
        throw core::outOfRange();
    return *answers_.Label_NOTA[static_cast<size_t>(k)];
}

qst::NoteTable &NoteWindow::tabellaMostrata()
{
    const int k = m_.state().indiceNota;
    if (k < 0 || k >= qst::kGroups)
        throw core::outOfRange();
    qst::ModelState &s = editingState(m_);
    return tickedBox(answers_.Check_SI[static_cast<size_t>(k)]) ? s.noteSi : s.noteNo;
}

void NoteWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Set up on every showing by the program; a window system's re-show keeps what was typed.
    if (!event->spontaneous())
        trapping([this] { Form_Activate(); });
}

void NoteWindow::Form_Activate()
{
    const qst::ModelState &s = m_.state();
    testoDaMostrare_.clear();
    riga_ = -1;
    if (s.notaGriglia) {
        MembersGrid &grid = grid_;
        const int r = grid.currentRow();
        if (r < 0 || r >= grid.rowCount())
            throw core::outOfRange();
        riga_ = r;
        testoDaMostrare_ = qst::withLineBreaks(grid.textMatrix(r, m_.table().noteColumn()), u"\r\n");
        const QString label = grid.textMatrix(r, 0);
        if (label == QStringLiteral("Pres."))
            setWindowTitle(QStringLiteral("Requisiti professionalità del PRESIDENTE - Testo associato"));
        else
            setWindowTitle(QStringLiteral("Requisiti professionalità del MEMBRO ") + label +
                           QStringLiteral(" - Testo associato"));
    } else {
        setWindowTitle(linkMostrato().text() + QStringLiteral(" - Testo associato"));
        setTesto(QString());
        testoDaMostrare_ = qst::withLineBreaks(tabellaMostrata().at(s.indiceNota), u"\r\n");
    }
    setTesto(testoDaMostrare_);
    TEXT_NOTE->setFocus();
}

void NoteWindow::End_Note_Click()
{
    qst::ModelState &s = editingState(m_);
    QString text = testo();
    const bool vuoto = !qst::haTesto(text);
    if (vuoto) {
        text.clear();
        setTesto(QString());
    }

    if (s.notaGriglia) {
        MembersGrid &grid = grid_;
        if (riga_ < 0 || riga_ >= grid.rowCount())
            throw core::outOfRange();
        grid.setTextMatrix(riga_, m_.table().noteColumn(), text);
        grid.setTextMatrix(riga_, m_.table().noteCell(), vuoto ? QString() : QStringLiteral("SI"));
    } else {
        const int k = s.indiceNota;
        NoteLink &link = linkMostrato();
        if (!vuoto) {
            link.setForeColor(kColorRed);
            tabellaMostrata().set(k, text);
        } else {
            link.setForeColor(kColorButtonText);
            // A note the user emptied is gone, not kept behind an unticked answer.
            tabellaMostrata().set(k, QString());
            QCheckBox *si = answers_.Check_SI[static_cast<size_t>(k)];
            QCheckBox *no = answers_.Check_NO[static_cast<size_t>(k)];
            QCheckBox *answer = tickedBox(si) ? si : tickedBox(no) ? no : nullptr;
            if (answer) {
                // The box's own procedure runs inside the untick and only marks the edit.
                s.bloccaNota = true;
                answer->setChecked(false);
                s.bloccaNota = false;
            }
        }
    }
    m_.segnaModifica(qst::Evento::NoteFine);
    s.notaGriglia = false;
    accept();
}

void NoteWindow::Delete_Note_Click()
{
    qst::ModelState &s = editingState(m_);
    if (!s.notaGriglia)
        tabellaMostrata().set(s.indiceNota, QString());
    m_.segnaModifica(qst::Evento::NoteCancella);
    setTesto(QString());
    TEXT_NOTE->setFocus();
}

void NoteWindow::TEXT_NOTE_Change()
{
    if (lunghezza() <= qst::kNoteLimit) {
        avvisoLunghezza_ = false;
        return;
    }
    if (!avvisoLunghezza_)
        m_.platform().dialogs.message(platform::BoxRequest{
            QStringLiteral("ATTENZIONE: la lunghezza della stringa inserita è maggiore di 65000:\n"
                           "i caratteri in eccesso verranno automaticamente cancellati. Verificare!!!"),
            QStringLiteral("Warning"), platform::Buttons::Ok, platform::Icon::Information, 0});
    avvisoLunghezza_ = true;

    // Keep the first 65000 characters. A line break is two characters that cannot be parted:
    // one that would straddle the limit goes as a whole.
    const QString raw = TEXT_NOTE->document()->toRawText();
    qsizetype counted = 0;
    qsizetype keep = 0;
    for (; keep < raw.size(); ++keep) {
        const qsizetype width = raw.at(keep) == QChar(kParagraph) ? 2 : 1;
        if (counted + width > qst::kNoteLimit)
            break;
        counted += width;
    }
    QTextCursor cut(TEXT_NOTE->document());
    cut.setPosition(static_cast<int>(keep));
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

bool NoteWindow::TEXT_NOTE_KeyPress(const QKeyEvent &event)
{
    int code = codiceTasto(event);
    if (code == 0)
        return false;
    bool dropped = false;
    if (code == 134) {
        code = 0;
        dropped = true;
    }
    if (lunghezza() >= qst::kNoteLimit && code != 13 && code != 8) {
        m_.platform().dialogs.message(platform::BoxRequest{
            QStringLiteral("ATTENZIONE: è stato raggiunto il numero massimo dei caratteri.\n"
                           "Operazione annullata!!!"),
            QString(), platform::Buttons::Ok, platform::Icon::None, 0});
        dropped = true;
    }
    return dropped;
}

bool NoteWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TEXT_NOTE && event->type() == QEvent::KeyPress) {
        bool dropped = false;
        trapping([&] { dropped = TEXT_NOTE_KeyPress(*static_cast<QKeyEvent *>(event)); },
                 QStringLiteral("TEXT_NOTE_KeyPress: "));
        if (dropped)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void NoteWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void NoteWindow::reject()
{
    // Closed by its close box: a text in the box is kept as "Fine" keeps it, so nothing typed
    // is lost; an empty or blank one stores nothing.
    if (qst::haTesto(testo())) {
        trapping([this] { End_Note_Click(); });
        if (isVisible())
            QDialog::reject();
        return;
    }
    trapping([this] { chiudiSenzaFine(); });
    QDialog::reject();
}

void NoteWindow::chiudiSenzaFine()
{
    qst::ModelState &s = editingState(m_);
    const bool membro = s.notaGriglia;
    s.notaGriglia = false;
    const int k = s.indiceNota;
    if (membro || k < 0 || k >= qst::kGroups || !answers_.Label_NOTA[static_cast<size_t>(k)])
        return;
    // Nothing typed is kept; the link stays red only over a note that is still there.
    NoteLink &link = linkMostrato();
    if (link.isRed() && tabellaMostrata().isEmpty(k))
        link.setForeColor(kColorButtonText);
}

} // namespace win
