#include "gridrules.h"

#include "controls.h"
#include "core/error.h"
#include "generaldata.h"
#include "inputguard.h"
#include "membersgrid.h"
#include "modelmodule.h"
#include "notewindow.h"
#include "questionnaire/contenuto.h"
#include "questionnaire/indices.h"
#include "questionnaire/regolecontrollo.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace win
{

namespace
{

constexpr int kTaxCodeColumn = 2;
constexpr int kFirstCountColumn = 4;
constexpr int kCountLength = 3;

} // namespace

GridRules::GridRules(MemberControls &controls, ModelModule &module)
    : w_(controls), m_(module), grid_(*controls.MSHFlexGrid1)
{
}

template <typename F> void GridRules::guarded(F &&procedure)
{
    platform::trapErrors(m_.platform().dialogs, procedure);
}

void GridRules::connectControls()
{
    QLineEdit *editor = w_.txtEdit;
    senzaLimite(*editor);
    editor->installEventFilter(this);
    // Pasted text keeps the kind rule of the column the editor stands on.
    new InputGuard(
        *editor,
        [this](char32_t c) {
            if (column_ == kTaxCodeColumn)
                return c != U' ';
            return !isCountColumn(column_) || InputGuard::isDigit(c);
        },
        [this](int code) {
            guarded([&] { txtEdit_KeyPress(code); });
            return code;
        });
    grid_.installEventFilter(this);
    grid_.viewport()->installEventFilter(this);

    connect(editor, &QLineEdit::textChanged, this, [this] { guarded([this] { txtEdit_Change(); }); });
    connect(&grid_, &QAbstractItemView::clicked, this, [this] { guarded([this] { MSHFlexGrid1_Click(); }); });
    connect(w_.btnAggiungi, &QPushButton::clicked, this,
            [this] { guarded([this] { btnAggiungi_Click(); }); });
    for (QScrollBar *bar : {grid_.verticalScrollBar(), grid_.horizontalScrollBar()}) {
        // The user scrolling the grid, and any scroll that moves the cells under an open editor.
        connect(bar, &QAbstractSlider::actionTriggered, this,
                [this] { guarded([this] { MSHFlexGrid1_Scroll(); }); });
        connect(bar, &QAbstractSlider::valueChanged, this, [this] {
            if (!w_.txtEdit->isHidden())
                guarded([this] { MSHFlexGrid1_Scroll(); });
        });
    }
    // Emptying the grid takes away the cell the editor stood on.
    connect(&grid_, &MembersGrid::cleared, this, [this] {
        hideEditor();
        row_ = column_ = -1;
        keptText_.clear();
    });
}

bool GridRules::eventFilter(QObject *watched, QEvent *event)
{
    QLineEdit *editor = w_.txtEdit;
    if (watched == editor) {
        if (event->type() == QEvent::FocusOut) {
            if (leavesControl(event))
                guarded([this] { txtEdit_LostFocus(); });
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            guarded([&] { txtEdit_KeyDown(key == Qt::Key_Escape ? 27 : 13); });
            return true;
        }
        const int code = keyAsciiOf(event);
        if (code < 0)
            return false;
        int keyAscii = code;
        guarded([&] { txtEdit_KeyPress(keyAscii); });
        return keyAscii == 0;
    }
    if (watched == &grid_) {
        if (event->type() != QEvent::KeyPress)
            return false;
        // Keys the editor leaves unused (arrows, page keys) do not reach the grid behind it.
        if (!grid_.hasFocus())
            return true;
        if (keyAsciiOf(event) != 13)
            return false;
        int keyAscii = 13;
        guarded([&] { MSHFlexGrid1_KeyPress(keyAscii); });
        return true;
    }
    if (watched == grid_.viewport() && event->type() == QEvent::MouseButtonPress) {
        // The press took the focus from the editor and its leaving rule kept the editor open on
        // its cell: the press must not move the grid's current cell away from it.
        return !editor->isHidden() && editor->hasFocus();
    }
    return false;
}

bool GridRules::isCountColumn(int column) const
{
    return column >= kFirstCountColumn && column < m_.table().noteColumn();
}

void GridRules::btnAggiungi_Click()
{
    if (w_.righeGriglia >= qst::kMaxMemberRows) {
        m_.platform().system.beep();
        return;
    }
    ++w_.righeGriglia;
    grid_.addItem(QString::number(w_.righeGriglia));
}

void GridRules::MSHFlexGrid1_Click()
{
    const int row = grid_.currentRow();
    const int column = grid_.currentColumn();
    if (row < 0 || column < 0)
        return;
    if (column == 0)
        return;
    if (column == m_.table().noteCell()) {
        m_.segnaModifica(qst::Evento::GridNoteCellClick);
        m_.setNotaGriglia(true);
        hideEditor();
        grid_.setCurrentCell(row, column);
        m_.platform().dialogs.execModal(m_.noteWindow());
        return;
    }
    openCell(row, column);
}

void GridRules::MSHFlexGrid1_KeyPress(int &keyAscii)
{
    if (keyAscii == 13)
        MSHFlexGrid1_Click();
}

void GridRules::MSHFlexGrid1_Scroll()
{
    if (w_.txtEdit->isHidden())
        grid_.setFocus(Qt::OtherFocusReason);
    else
        leaveToGrid();
    hideEditor();
}

void GridRules::openCell(int row, int column)
{
    QLineEdit *editor = w_.txtEdit;
    row_ = row;
    column_ = column;
    keptText_ = grid_.textMatrix(row, column);
    {
        // The editor taking its cell's text is no edit.
        QScopedValueRollback<bool> quiet(opening_, true);
        editor->setText(keptText_);
    }
    editor->setGeometry(grid_.visualRect(grid_.model()->index(row, column)));
    editor->show();
    editor->raise();
    editor->setSelection(0, static_cast<int>(keptText_.size()));
    editor->setFocus(Qt::OtherFocusReason);
}

void GridRules::hideEditor()
{
    QLineEdit *editor = w_.txtEdit;
    QScopedValueRollback<bool> quiet(leaving_, true);
    if (editor->hasFocus())
        grid_.setFocus(Qt::OtherFocusReason);
    editor->hide();
}

void GridRules::leaveToGrid()
{
    const int before = leaveCount_;
    grid_.setFocus(Qt::OtherFocusReason);
    if (leaveCount_ == before) // the focus was not in the editor, or the window is inactive
        txtEdit_LostFocus();
}

bool GridRules::endEditing()
{
    if (row_ < 0 || w_.txtEdit->isHidden())
        return true;
    leaveToGrid();
    return w_.txtEdit->isHidden();
}

void GridRules::txtEdit_Change()
{
    if (opening_ || row_ < 0)
        return;
    grid_.setTextMatrix(row_, column_, w_.txtEdit->text());
    m_.segnaModifica(qst::Evento::TxtEditChange);
}

void GridRules::txtEdit_KeyDown(int keyCode)
{
    if (keyCode == 27 && row_ >= 0)
        grid_.setTextMatrix(row_, column_, keptText_); // directly: no edit
    if (keyCode == 13 || keyCode == 27)
        leaveToGrid();
}

void GridRules::txtEdit_KeyPress(int &keyAscii)
{
    if (keyAscii == 8 || keyAscii == 13)
        return;
    // The selection does not count: a key typed over a full, selected text is refused too.
    const int length = static_cast<int>(w_.txtEdit->text().size());
    if (column_ == kTaxCodeColumn) {
        if (keyAscii == 32 || length >= qst::kMemberTaxCodeLength) {
            if (length >= qst::kMemberTaxCodeLength)
                m_.platform().system.beep();
            keyAscii = 0;
        }
    } else if (isCountColumn(column_)) {
        if (!isDigitCode(keyAscii) || length >= kCountLength) {
            if (length >= kCountLength)
                m_.platform().system.beep();
            keyAscii = 0;
        }
    }
}

void GridRules::txtEdit_LostFocus()
{
    QLineEdit *editor = w_.txtEdit;
    if (leaving_ || row_ < 0 || editor->isHidden())
        return;
    QScopedValueRollback<bool> busy(leaving_, true);
    ++leaveCount_;
    if (column_ == qst::kMinorityColumn) {
        // The cell's own text: after Escape it is the text the cell held when it was opened.
        const QString text = grid_.textMatrix(row_, column_);
        if (!text.isEmpty() && !qst::isSiOrNo(text)) {
            m_.platform().dialogs.message(platform::BoxRequest{
                QStringLiteral("E' possibile inserire soltanto SI o NO"), QStringLiteral("Attenzione"),
                platform::Buttons::Ok, platform::Icon::None, 0});
            grid_.setTextMatrix(row_, column_, QString());
            m_.segnaModifica(qst::Evento::TxtEditChange);
            // The editor stays open on its cell, now empty.
            grid_.setCurrentCell(row_, column_);
            openCell(row_, column_);
            return;
        }
        grid_.setTextMatrix(row_, column_, text.toUpper());
    }
    editor->hide();
}

} // namespace win
