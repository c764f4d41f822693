#pragma once

// The writer of the questionnaire XML file: it loads the model's template, fills it with the
// content of a questionnaire by node position and writes the document out. The layout of the
// file is described in docs/file-format.md; the positions are the tables of
// questionnaire/posizionixml.h.
#include "questionnaire/contenuto.h"

#include <QFileDevice>
#include <QString>

namespace sf
{

// The message of a template that is missing, unreadable or lacks a node the writer fills.
QString erroreModello(const QString &percorso);
// The message of a file that could not be written, with the cause.
QString erroreSalvataggio(const QString &percorso, const QString &descrizione);
// The cause of a failed save in the user's words, from the file's error and the system's error
// number (0 when none is known): a missing folder, no permission, a read-only or full disk...
QString saveFailureCause(QFileDevice::FileError error, int systemError);

// The path of the template of model m in the program's folder.
QString percorsoModello(qst::Modello m, const QString &cartella);

// Writes the questionnaire `c` to `out` as UTF-8: the model's template from the program's
// folder `cartella`, filled. Throws core::SchedaError with erroreModello() for a template that is
// missing, unreadable or lacks a node the writer fills (nothing is written then); returns false
// when the device did not take every byte.
bool scriviXml(const qst::Contenuto &c, const QString &cartella, QIODevice &out);

// Saves the questionnaire `c` under `percorso`, atomically: a save that fails leaves any
// earlier file of that name as it was. Throws core::SchedaError with the message to show; a path
// that names one of the templates in `cartella`, or a folder, is refused before anything is
// written.
void salvaXml(const qst::Contenuto &c, const QString &cartella, const QString &percorso);

// A date of three boxes as the file keeps it, DDMMYYYY: a one-digit day or month gets its
// leading "0", an empty day or month beside a filled box becomes two blanks, and three empty
// boxes give the empty text.
QString dataXml(const QString &giorno, const QString &mese, const QString &anno);

// A note as the file keeps it: without carriage returns (CR LF becomes LF).
QString notaXml(const QString &nota);

// The text of an answer in the file: "SI", "NO", "NA" ("Adeguata" and "Inadeguata" for group
// 7); the empty text for no answer.
QString rispostaXml(qst::Risposta r, int k);

} // namespace sf
