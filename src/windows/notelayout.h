#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace win
{

// The controls of a note window.
struct NoteControls {
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *Label1 = nullptr;
    QPlainTextEdit *TEXT_NOTE = nullptr;
    QPushButton *Delete_Note = nullptr;
    QPushButton *End_Note = nullptr;
};

// The explanation shown above the note's text box.
QString testoIstruzioni();

// Lays a note window out: the frame "Nota" with the explanation, the note's text box, and the
// buttons "Cancella" and "Fine", at a fixed size; the controls go into `c`.
void buildNoteLayout(QDialog &dialog, NoteControls &c);

// A note window of the program: named `name`, captioned "Nota allegata" until it is shown, laid
// out by buildNoteLayout with a fixed border and no minimise or maximise button. A window manager
// that minimises it anyway gets it back at once, with the window that owns it: a modal window
// hidden with its owner would leave nothing of the program to reach.
class NoteDialog : public QDialog, public NoteControls
{
    Q_OBJECT
public:
    NoteDialog(const QString &name, QWidget *parent);

protected:
    void changeEvent(QEvent *event) override;
};

} // namespace win
