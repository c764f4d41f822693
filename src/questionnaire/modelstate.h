#pragma once

#include "groupset.h"
#include "models.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace qst
{

// One of the two note tables: 82 texts indexed by answer group. An index outside 0..81 is an
// error, raised as the program's exception.
class NoteTable
{
public:
    const QString &at(int k) const;
    void set(int k, const QString &text);
    void clear();
    bool isEmpty(int k) const { return at(k).isEmpty(); }

private:
    std::array<QString, kGroups> notes_;
};

// A text holds something: a character of code 33 or more. Blanks, tabs and line breaks alone
// count as empty: a note of them is no note, and a required field of them is not filled.
bool haTesto(const QString &text);

// The line-break rule of notes and of every text printed on several lines: CR LF, a lone CR and a
// lone LF each end a line.
QStringList noteLines(const QString &text);
// `text` with each of its line breaks written as `lineBreak`, in one pass; the text itself, not a
// copy, where it holds no other kind of break.
QString withLineBreaks(const QString &text, QStringView lineBreak);

// The longest note the note window keeps.
inline constexpr int kNoteLimit = 65000;

// The state a model keeps for the questionnaire being edited. The window's controls and this
// state together are the questionnaire.
struct ModelState {
    bool bloccaNota = false;
    bool inCaricamento = false;
    bool salvato = false;
    // TabIndex recorded by the focus rules; nullopt is the empty text of a freshly loaded window.
    std::optional<int> ultimoTabIndex;
    int indiceNota = 0;
    bool notaGriglia = false;
    NoteTable noteSi;
    NoteTable noteNo;
    QString nomeBreve;
    long contaPagine = 0;
    QString titoloSezione;
    QString nomeFile;
    bool uscitaRichiesta = false;
    std::optional<double> rigaStampa;
    QString testoAppoggio;
};

// Events that may mark the questionnaire as edited.
enum class Evento {
    CheckClick,           // Check_SI_Click, Check_NO_Click, Check_NA_Click
    TextGeneraleChange,   // TEXT_GENERALE_Change
    RiunioniNAClick,      // chk_RiunioniNA_Click
    TxtEditChange,        // a grid cell edited in place
    NoteLinkClickOpened,  // Label_NOTA_Click that opened the note window
    NoteLinkClickRefused, // Label_NOTA_Click that did not open it
    GridNoteCellClick,    // MSHFlexGrid1_Click on a member's note cell
    AddMember,            // btnAggiungi_Click
    NumberBoxChange,      // text typed into the number boxes TEXT
    NoteFine,             // the note window's "Fine"
    NoteCancella,         // the note window's "Cancella"
};

struct EffettoModifica {
    bool clearsSalvato = false;
    bool disablesLeggi = false;
};

// What an event does to `salvato` and to the "Leggi" button.
EffettoModifica effettoModifica(Evento e);

} // namespace qst
