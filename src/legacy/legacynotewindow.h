#pragma once

#include "windows/notelayout.h"

#include <QDialog>

namespace legacy
{

class LegacyModule;

// The note window `Nota` of the version 1.1 window: shows the note of answer group
// `indiceNotaPre`, whole and read-only. "Fine" hides it; nothing is ever stored.
class LegacyNoteWindow : public win::NoteDialog
{
    Q_OBJECT
public:
    LegacyNoteWindow(LegacyModule &module, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Caption and text of the note of group `indiceNotaPre`.
    void Form_Activate();

    LegacyModule &module_;
};

} // namespace legacy
