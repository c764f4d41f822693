#pragma once

// The reader of a version 1.1 questionnaire file: a well-formed XML document that is read as
// lines of text, never as XML. Lines 1-3 hold markup and are skipped; the header follows, up to
// the line "QUESTIONARIO":
//
//     <i> - <value>        general data, i = 0..36
//     TEXT-<d> <value>     number box d = 0..2
//     CHECK-<d> <0|1|2>    minority box of member row d = 0..4 (2: partly checked)
//
// then the answers, one line each, up to the end of the file or a line holding ">":
//
//     <group> - <word> - <note>
//
// where a note that does not end in "#||#" on its own line goes on over the following lines
// until one holds that marker. The whole file is parsed before anything is returned; a file
// that breaks the layout changes nothing.
#include "core/error.h"
#include "questionnaire/v11content.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sf
{

// The message of a version 1.1 file that is not there.
QString missingV11FileMessage();

// The error of a version 1.1 file that is not there; its description is
// missingV11FileMessage(). Every other failure of the reader is a plain core::SchedaError with
// erroreApertura().
class MissingV11File : public core::SchedaError
{
public:
    MissingV11File() : core::SchedaError(missingV11FileMessage()) {}
};

// A parsed version 1.1 file.
struct V11Reading {
    qst::V11Content content;
    // The description of the error met by the first answer line that was skipped (a group
    // outside 0-71), shown once in a box with an OK button and no title; the lines skipped after
    // it say nothing. Empty when no line was skipped.
    QString skippedLine;
};

// Parses the bytes of a version 1.1 file. The text is UTF-8 when it starts with a UTF-8
// byte-order mark or is valid UTF-8, else Windows code page 1252; CR LF, LF and CR end a line.
// Values have their references decoded (the five predefined entities, &#N; and &#xH;), decoded
// line breaks made CR LF, and (header values and a note's first line) their apostrophe accents
// converted. Throws core::SchedaError with erroreApertura() when the bytes break the layout.
V11Reading parseV11(const QByteArray &bytes);

// Reads the file at `path` whole and parses it. Throws MissingV11File when there is no file at
// `path`, core::SchedaError with erroreApertura() when it cannot be read or breaks the layout.
V11Reading readV11File(const QString &path);

// Replaces every "a'", "e'", "i'", "o'", "u'" by "à", "è", "ì", "ò", "ù"; returns the result and
// leaves it in `testo`.
QString convertiAccenti(QString &testo);

// Applies the answer line of group `domanda` to `c`: "Si" and "Adeguata" tick SI, "No" and
// "Inadeguata" tick NO, "N/A" ticks N/A, any other word ticks nothing; no box is unticked. A note
// that is not empty paints the link red and is kept in noteSiPre under a SI answer, in noteNoPre
// under any other. Throws core::outOfRange() for a group outside 0..71, leaving `c` unchanged.
void impostaRispostaV11(qst::V11Content &c, int domanda, const QString &risposta, const QString &nota);

} // namespace sf
