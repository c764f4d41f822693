#pragma once

// An XML file as a DOM tree, built by the reader itself from the events of QXmlStreamReader.
// QDomDocument's own parser drops every text node that is blank to QString::trimmed() (a
// company name of non-breaking spaces comes back empty) and slows down far beyond proportion
// with the depth of a document; this one keeps every text that XML does not call white space,
// and a first pass over the bytes refuses the sizes at which Qt's parsers stall.
#include <QByteArray>
#include <QDomDocument>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace sf
{

// The deepest nesting of elements, and the most attributes of one element (or declared by a
// document type), that a file may have. The program's files nest about 8 deep and give an
// element at most one attribute.
inline constexpr int kMaxDepth = 64;
inline constexpr int kMaxAttributes = 256;

// Whether the XML document in `data` stays within kMaxDepth and kMaxAttributes, in one pass over
// the bytes before any parser sees them; a document type that uses parameter entities, whose
// expansions the pass cannot count, does not. The characters are code units of UTF-8 or a
// single-byte encoding, or of UTF-16 or UTF-32 in either byte order (told by the byte-order
// mark or the first "<"); markup is counted, not checked.
bool withinLimits(const QByteArray &data);

// How the values of a tree's nodes break their lines.
enum class LineBreaks {
    AsRead, // as the parser gives them: XML turns every line end of the file into LF
    CrLf,   // every LF written CR LF
};

// A parsed XML document.
class XmlTree
{
public:
    // The tree of `data`, or nothing unless it is a well-formed document within the limits, in
    // an encoding that it declares (or that its byte-order mark tells) and Qt reads. Every child
    // node is kept as QDomDocument's parser lists it (elements with their attributes, text,
    // CDATA sections, comments, processing instructions, entity references, the XML
    // declaration), except text made only of XML white space: blank, tab, CR, LF.
    //
    // With `breaks` CrLf the values of the nodes (not of the attributes) are kept with every LF
    // as CR LF, made in the one copy of each text; lineBreaks() then says CrLf. A value that
    // holds a CR of its own (from a character reference) would make that undoable, and then the
    // whole tree is kept AsRead.
    static std::optional<XmlTree> parse(const QByteArray &data, LineBreaks breaks = LineBreaks::AsRead);

    const QDomDocument &document() const { return doc_; }
    LineBreaks lineBreaks() const { return breaks_; }
    // The value of the first attribute of `element` in document order; nothing when it has none.
    std::optional<QString> firstAttribute(const QDomNode &element) const;

private:
    QDomDocument doc_;
    LineBreaks breaks_ = LineBreaks::AsRead;
    // The first attribute of every element with several: QDomNamedNodeMap keeps no order.
    std::vector<std::pair<QDomNode, QString>> firstAttributes_;
};

} // namespace sf
