#pragma once

// The reader of the questionnaire XML file: a file into the content value of a questionnaire,
// by node position, with the position tables the writer uses (questionnaire/posizionixml.h).
// It reads the whole file before anything else happens, so a file that fails halfway changes
// nothing. The layout of the file is described in docs/file-format.md.
#include "core/error.h"
#include "questionnaire/contenuto.h"
#include "xmltree.h"

#include <QByteArray>
#include <array>

namespace sf
{

// The message of a file that cannot be opened: unreadable, not XML, not a questionnaire, or
// lacking a node the reader reads.
QString erroreApertura();
// The message of a questionnaire of another governance model than m.
QString erroreAltroModello(qst::Modello m);

// The refusal of a questionnaire of another governance model: a well-formed file that the window
// leaves as it is.
class OtherModelError : public core::SchedaError
{
public:
    explicit OtherModelError(qst::Modello m) : core::SchedaError(erroreAltroModello(m)) {}
};

// A questionnaire XML file, loaded whole and parsed.
class FileScheda
{
public:
    // Parses `dati`. Throws core::SchedaError with erroreApertura() unless they hold a
    // well-formed XML document, in any encoding the document declares and Qt reads, that nests
    // no deeper than kMaxDepth and gives no element more than kMaxAttributes attributes.
    explicit FileScheda(const QByteArray &dati);
    // The file at `percorso`; throws as the constructor, also when it cannot be read.
    static FileScheda carica(const QString &percorso);

    // Whether the document's last top-level node is the questionnaire root.
    bool radiceScheda() const;

    // The questionnaire of model m the file holds. Throws OtherModelError when the model element
    // names another model, and core::SchedaError with erroreApertura() when the root is not the
    // questionnaire's or a node is missing.
    qst::Contenuto leggiXml(qst::Modello m) const;

private:
    XmlTree tree_;
};

// A note as the window keeps it: every line break (LF, CR LF, a lone CR) is CR LF.
QString notaFinestra(const QString &nota);

// A date as the file keeps it (DDMMYYYY) into its day, month and year boxes. Missing characters
// give shorter or empty parts, characters after the eighth are not read, and a part made only of
// blanks is empty.
std::array<QString, 3> dataFinestra(const QString &data);

} // namespace sf
