#pragma once

#include "notelayout.h"

#include <QDialog>

#include <functional>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qst
{
class NoteTable;
}

namespace win
{

class MembersGrid;
class ModelModule;
class NoteLink;
struct AnswerControls;

// The note window of a model (Nota_Trad, Nota_Dual, Nota_Mon): a question's note, or a
// member's professional-requirements note.
//
// Question mode (`notaGriglia` false): the note of answer group `indiceNota`, kept in `noteSi`
// when the group's SI box is ticked and in `noteNo` otherwise, marked by the colour of its link.
// Member mode (`notaGriglia` true): the note of the grid's current row, kept in the row's hidden
// note column just left of the note cell.
//
// The note text is handled in the form the program keeps it: line breaks as CR LF, every other
// character as typed (no-break spaces included). Its length is counted in that form, so a line
// break counts two characters.
class NoteWindow : public NoteDialog
{
    Q_OBJECT
public:
    // A dialog of `parent`, the model's questionnaire window, which owns it; `answers` and `grid`
    // are that window's.
    NoteWindow(ModelModule &module, AnswerControls &answers, MembersGrid &grid, QWidget *parent);

    // The text of TEXT_NOTE with CR LF line breaks.
    QString testo() const;
    // Puts a text into TEXT_NOTE; CR LF, a lone CR and a lone LF each break a line.
    void setTesto(const QString &text);
    // The length of the text as the limit counts it.
    qsizetype lunghezza() const;

    // Event procedures.
    void Form_Activate();
    void End_Note_Click();
    void Delete_Note_Click();
    void TEXT_NOTE_Change();
    // True when the key is dropped.
    bool TEXT_NOTE_KeyPress(const QKeyEvent &event);

protected:
    void showEvent(QShowEvent *event) override;
    // The window has no minimise button, yet some window managers minimise it all the same, and
    // the questionnaire window with it, leaving nothing to bring back: both come back at once.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The close box: keeps a typed note as "Fine" does; an empty or blank text stores nothing.
    void reject() override;
    // Escape does nothing: the window has no cancel button, and the typed note must not go.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Runs an event procedure, showing any error it raises with its own description.
    void trapping(const std::function<void()> &procedure, const QString &prefix = QString());
    // Closing with an empty or blank text without "Fine": nothing of the text box is kept.
    void chiudiSenzaFine();
    // The note table the window works on in question mode: noteSi when the group's SI box is
    // ticked, noteNo otherwise.
    qst::NoteTable &tabellaMostrata();
    // The link of the group in question mode.
    NoteLink &linkMostrato();

    ModelModule &m_;
    AnswerControls &answers_;
    MembersGrid &grid_;
    // Set by a change that found the text over the limit, cleared by one that found it within.
    bool avvisoLunghezza_ = false;
    // The text Form_Activate prepares before it goes into TEXT_NOTE.
    QString testoDaMostrare_;
    // The member row the window was opened on, in member mode.
    int riga_ = -1;
};

} // namespace win
