#pragma once

#include "models.h"
#include "modelstate.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace qst
{

// The answer of one answer group: the box that is ticked, if any.
enum class Risposta : unsigned char { Nessuna, Si, No, NA };

// The words of an answer of group k, from one table: the word the file holds ("SI", "NO", "NA")
// and the caption of its box on the screen and on paper ("Si", "No", "N/A"); the adequacy question
// has "Adeguata" and "Inadeguata" for both. The empty text for no answer.
QString fileWord(Risposta r, int k);
QString captionWord(Risposta r, int k);

// Number of general-data fields (TEXT_GENERALE 0..65; not every index is a field).
inline constexpr int kGeneralFields = 66;
// The most member rows a questionnaire holds: the grid's row count is a 16-bit signed number.
inline constexpr int kMaxMemberRows = 32767;
// Number of number boxes TEXT 0..2 (answers of traditional groups 34, 38, 40).
inline constexpr int kNumberBoxes = 3;

// The content of one questionnaire, without widgets: what the window holds and what a file
// holds. The window is read into it in one place and set from it in one place; saving,
// opening, validation and printing work on it.
struct Contenuto {
    explicit Contenuto(Modello m = Modello::Tradizionale);

    Modello modello;
    // TEXT_GENERALE(i) by index; indices that are no field of the model stay empty.
    std::array<QString, kGeneralFields> generale;
    // chk_RiunioniNA ticked (never in Dualistico).
    bool riunioniNA = false;
    // The member rows of the grid, row 0 first; each row holds the cells of every grid column
    // (gridColumns of the model: the row label at 0, the requirements note at noteColumn(),
    // "SI" or empty in noteCell()).
    std::vector<QStringList> membri;
    // The answer of each group; groups the model lacks stay Nessuna.
    std::array<Risposta, kGroups> risposte{};
    // The note link of each group is red: a note was stored with it.
    std::array<bool, kGroups> notaRossa{};
    NoteTable noteSi;
    NoteTable noteNo;
    // TEXT(0..2), Tradizionale only.
    std::array<QString, kNumberBoxes> numeri;

    const ModelTable &tabella() const { return modelTable(modello); }
    const QString &campo(int index) const;
    // The cell of a member row; the empty text outside the rows and columns.
    QString cella(int row, int column) const;
    // Member row `row` holds text in one of the model's data columns (1 .. noteColumn()).
    bool membroCompilato(int row) const;
    // A member row as the grid starts it: label ("Pres.", "2", "3", ...) and empty cells.
    QStringList rigaVuota(int row) const;

    // The note that goes with the answer of group k into a file and onto paper: the note
    // kept with the ticked answer (noteSi for SI, noteNo for NO below group 79); the empty
    // text for N/A, no answer, and the "No" of traditional group 80.
    QString notaScritta(int k) const;
};

} // namespace qst
