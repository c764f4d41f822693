#pragma once

#include <QString>

class QDialog;
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

} // namespace win
