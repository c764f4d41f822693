#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace win {

class ModelModule;

// The note window of a model (Nota_Trad, Nota_Dual, Nota_Mon): a question's note, or a
// member's professional-requirements note.
class NoteWindow : public QDialog {
    Q_OBJECT
public:
    explicit NoteWindow(ModelModule &module);

    QPlainTextEdit *TEXT_NOTE = nullptr;
    QPushButton *Delete_Note = nullptr;
    QPushButton *End_Note = nullptr;

private:
    ModelModule &m_;
};

} // namespace win
