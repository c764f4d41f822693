#include "xmltree.h"

#include <QBuffer>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string_view>

namespace sf
{

namespace
{

// The characters of a document as code units of 1, 2 or 4 bytes, read by index.
class Units
{
public:
    explicit Units(const QByteArray &data) : data_(reinterpret_cast<const uchar *>(data.constData()))
    {
        const qsizetype size = data.size();
        const auto starts = [&](std::initializer_list<int> bytes) {
            qsizetype i = 0;
            for (int b : bytes)
                if (i >= size || data_[i++] != b)
                    return false;
            return true;
        };
        // A byte-order mark, else the first "<".
        if (starts({0xEF, 0xBB, 0xBF}))
            start_ = 3;
        else if (starts({0x00, 0x00, 0xFE, 0xFF}))
            width_ = 4, bigEndian_ = true, start_ = 4;
        else if (starts({0xFF, 0xFE, 0x00, 0x00}))
            width_ = 4, start_ = 4;
        else if (starts({0xFE, 0xFF}))
            width_ = 2, bigEndian_ = true, start_ = 2;
        else if (starts({0xFF, 0xFE}))
            width_ = 2, start_ = 2;
        else if (starts({0x00, 0x00, 0x00, '<'}))
            width_ = 4, bigEndian_ = true;
        else if (starts({'<', 0x00, 0x00, 0x00}))
            width_ = 4;
        else if (starts({0x00, '<'}))
            width_ = 2, bigEndian_ = true;
        else if (starts({'<', 0x00}))
            width_ = 2;
        count_ = (size - start_) / width_;
    }

    qsizetype count() const { return count_; }
    // Unit k; 0 past the end.
    char32_t operator[](qsizetype k) const
    {
        if (k < 0 || k >= count_)
            return 0;
        const uchar *p = data_ + start_ + k * width_;
        char32_t c = 0;
        for (int i = 0; i < width_; ++i)
            c |= char32_t(p[bigEndian_ ? width_ - 1 - i : i]) << (8 * i);
        return c;
    }
    // Whether the units from k spell the ASCII text s.
    bool spell(qsizetype k, const char *s) const
    {
        for (; *s; ++s, ++k)
            if ((*this)[k] != char32_t(uchar(*s)))
                return false;
        return true;
    }
    // The index of the first "<" at or after k; count() when there is none. One-byte units are
    // searched by memchr: this pass runs over the whole file before it is parsed.
    qsizetype nextOpen(qsizetype k) const
    {
        if (k >= count_)
            return count_;
        if (width_ == 1) {
            const auto *hit =
                static_cast<const uchar *>(std::memchr(data_ + start_ + k, '<', size_t(count_ - k)));
            return hit ? hit - data_ - start_ : count_;
        }
        while (k < count_ && (*this)[k] != U'<')
            ++k;
        return k;
    }
    // The index just past the first s at or after k; count() when there is none.
    qsizetype past(qsizetype k, const char *s) const
    {
        const qsizetype n = static_cast<qsizetype>(std::strlen(s));
        if (width_ == 1) {
            const std::string_view text(reinterpret_cast<const char *>(data_ + start_), size_t(count_));
            const size_t hit = k < count_ ? text.find(s, size_t(k), size_t(n)) : std::string_view::npos;
            return hit == std::string_view::npos ? count_ : qsizetype(hit) + n;
        }
        for (; k + n <= count_; ++k)
            if (spell(k, s))
                return k + n;
        return count_;
    }

private:
    const uchar *data_;
    qsizetype start_ = 0;
    int width_ = 1;
    bool bigEndian_ = false;
    qsizetype count_ = 0;
};

bool isQuote(char32_t c)
{
    return c == U'"' || c == U'\'';
}

// A document type declaration from just after "<!": its quoted literals, and an internal subset
// in brackets whose comments and processing instructions may hold any character. Adds the
// attribute definitions of its attribute-list declarations to `attributes` (each ends in
// #REQUIRED, #IMPLIED or a quoted default), and sets `parameterEntities` where it declares or
// refers to one, whose expansion may hold further declarations. Returns the index past its ">".
qsizetype pastDeclaration(const Units &u, qsizetype k, int &attributes, bool &parameterEntities)
{
    char32_t quote = 0;
    int brackets = 0;
    bool attlist = false;
    for (; k < u.count(); ++k) {
        const char32_t c = u[k];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (isQuote(c)) {
            quote = c;
            attributes += attlist ? 1 : 0;
        } else if (c == U'[') {
            ++brackets;
        } else if (c == U']') {
            --brackets;
        } else if (c == U'<' && u.spell(k, "<!--")) {
            k = u.past(k + 4, "-->") - 1;
        } else if (c == U'<' && u.spell(k, "<?")) {
            k = u.past(k + 2, "?>") - 1;
        } else if (c == U'<') {
            attlist = u.spell(k, "<!ATTLIST");
        } else if (c == U'#' && attlist && (u[k + 1] == U'R' || u[k + 1] == U'I')) {
            ++attributes;
        } else if (c == U'%' && brackets > 0) {
            parameterEntities = true;
        } else if (c == U'>') {
            attlist = false;
            if (brackets <= 0)
                return k + 1;
        }
    }
    return k;
}

// Whether s is made only of XML white space: blank, tab, CR, LF.
bool onlyXmlWhiteSpace(QStringView s)
{
    for (QChar c : s)
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n')
            return false;
    return true;
}

// The data of the processing instruction QDomDocument makes of an XML declaration.
QString declaration(const QXmlStreamReader &r)
{
    QString value = QStringLiteral("version='");
    value += r.documentVersion();
    value += QLatin1Char('\'');
    if (!r.documentEncoding().isEmpty()) {
        value += QStringLiteral(" encoding='");
        value += r.documentEncoding();
        value += QLatin1Char('\'');
    }
    if (r.isStandaloneDocument())
        value += QStringLiteral(" standalone='yes'");
    return value;
}

// The value of a node as a tree of `breaks` keeps it, in one copy of `text`: with every LF as
// CR LF for CrLf (for a text without CR, what qst::withLineBreaks gives). Nothing when it cannot
// be kept CrLf, because the text holds a CR.
std::optional<QString> nodeValue(QStringView text, LineBreaks breaks)
{
    if (breaks == LineBreaks::AsRead)
        return text.toString();
    if (text.contains(u'\r'))
        return std::nullopt;
    qsizetype lines = 0;
    for (qsizetype i = text.indexOf(u'\n'); i >= 0; i = text.indexOf(u'\n', i + 1))
        ++lines;
    if (lines == 0)
        return text.toString();
    QString value(text.size() + lines, Qt::Uninitialized);
    QChar *out = value.data();
    qsizetype from = 0;
    for (qsizetype i = text.indexOf(u'\n'); i >= 0; from = i + 1, i = text.indexOf(u'\n', from)) {
        out = std::copy(text.begin() + from, text.begin() + i, out);
        *out++ = u'\r';
        *out++ = u'\n';
    }
    std::copy(text.begin() + from, text.end(), out);
    return value;
}

} // namespace

bool withinLimits(const QByteArray &data)
{
    const Units u(data);
    int depth = 0;
    int declared = 0;
    bool parameterEntities = false;
    for (qsizetype k = u.nextOpen(0); k < u.count(); k = u.nextOpen(k)) {
        if (u[k + 1] == U'/') {
            --depth;
            k = u.past(k + 2, ">");
        } else if (u[k + 1] == U'?') {
            k = u.past(k + 2, "?>");
        } else if (u.spell(k, "<!--")) {
            k = u.past(k + 4, "-->");
        } else if (u.spell(k, "<![CDATA[")) {
            k = u.past(k + 9, "]]>");
        } else if (u[k + 1] == U'!') {
            k = pastDeclaration(u, k + 2, declared, parameterEntities);
            if (declared > kMaxAttributes || parameterEntities)
                return false;
        } else {
            // A start tag: an attribute is a "=" outside the quoted values, up to the ">".
            if (++depth > kMaxDepth)
                return false;
            int attributes = 0;
            char32_t quote = 0;
            for (++k; k < u.count(); ++k) {
                const char32_t c = u[k];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (isQuote(c)) {
                    quote = c;
                } else if (c == U'=') {
                    if (++attributes > kMaxAttributes)
                        return false;
                } else if (c == U'>') {
                    if (u[k - 1] == U'/')
                        --depth;
                    ++k;
                    break;
                }
            }
        }
    }
    return true;
}

std::optional<XmlTree> XmlTree::parse(const QByteArray &data, LineBreaks breaks)
{
    if (!withinLimits(data))
        return std::nullopt;
    XmlTree tree;
    tree.breaks_ = breaks;
    QDomDocument &doc = tree.doc_;
    doc = QDomDocument(QDomDocumentType()); // not null: a null document adds no children
    // Read through a device, the stream reader decodes the file a few kilobytes at a time; given
    // the bytes whole, it would first decode all of them into one text twice their size.
    QBuffer device;
    device.setData(data);
    device.open(QIODevice::ReadOnly);
    QXmlStreamReader r(&device);
    r.setNamespaceProcessing(false); // names and attributes as written, as QDomDocument reads them
    bool carriageReturn = false;
    const auto value = [&](QStringView text) {
        std::optional<QString> v = nodeValue(text, breaks);
        carriageReturn = carriageReturn || !v;
        return v.value_or(QString());
    };
    QDomNode parent = doc;
    int depth = 0;
    while (!r.atEnd() && !carriageReturn) {
        switch (r.readNext()) {
        case QXmlStreamReader::StartDocument:
            if (!r.documentVersion().isEmpty())
                parent.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"), declaration(r)));
            break;
        case QXmlStreamReader::StartElement: {
            // Entities may hold markup that the first pass did not see.
            const QXmlStreamAttributes attributes = r.attributes();
            if (++depth > kMaxDepth || attributes.size() > kMaxAttributes)
                return std::nullopt;
            QDomElement e = doc.createElement(r.qualifiedName().toString());
            for (const QXmlStreamAttribute &a : attributes)
                e.setAttribute(a.qualifiedName().toString(), a.value().toString());
            if (attributes.size() > 1)
                tree.firstAttributes_.emplace_back(e, attributes.first().value().toString());
            parent = parent.appendChild(e);
            break;
        }
        case QXmlStreamReader::EndElement:
            --depth;
            parent = parent.parentNode();
            break;
        case QXmlStreamReader::Characters:
            if (r.isCDATA())
                parent.appendChild(doc.createCDATASection(value(r.text())));
            else if (!onlyXmlWhiteSpace(r.text()))
                parent.appendChild(doc.createTextNode(value(r.text())));
            break;
        case QXmlStreamReader::Comment:
            parent.appendChild(doc.createComment(value(r.text())));
            break;
        case QXmlStreamReader::ProcessingInstruction:
            parent.appendChild(doc.createProcessingInstruction(r.processingInstructionTarget().toString(),
                                                               value(r.processingInstructionData())));
            break;
        case QXmlStreamReader::EntityReference:
            parent.appendChild(doc.createEntityReference(r.name().toString()));
            break;
        default: // the document type, the end, an error
            break;
        }
    }
    if (carriageReturn) // rare: only a character reference puts a CR into a value
        return parse(data, LineBreaks::AsRead);
    if (r.hasError())
        return std::nullopt;
    return tree;
}

std::optional<QString> XmlTree::firstAttribute(const QDomNode &element) const
{
    const QDomNamedNodeMap attributes = element.attributes();
    if (attributes.count() == 1)
        return attributes.item(0).nodeValue();
    if (attributes.count() > 1)
        for (const auto &[e, value] : firstAttributes_)
            if (e == element)
                return value;
    return std::nullopt;
}

} // namespace sf
