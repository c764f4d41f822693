#include "v11reader.h"

#include "lettorexml.h"
#include "questionnaire/indices.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <optional>

namespace sf
{

namespace
{

using qst::Risposta;

const QString kEndOfHeader = QStringLiteral("QUESTIONARIO");
const QString kNoteEnd = QStringLiteral("#||#");

[[noreturn]] void malformed()
{
    throw core::SchedaError(erroreApertura());
}

QString decode(const QByteArray &bytes)
{
    if (!bytes.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
        QStringDecoder cp1252("windows-1252");
        if (!cp1252.isValid())
            malformed();
        return cp1252.decode(bytes);
    }
    return QStringDecoder(QStringDecoder::Utf8).decode(bytes); // drops the mark
}

// The lines of a text, each without its line end (CR LF, LF or CR). A line end at the very end
// of the text starts no further line.
class Lines
{
public:
    explicit Lines(QStringView text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // The next line; reading past the last one breaks the layout.
    QStringView next()
    {
        if (atEnd())
            malformed();
        const qsizetype from = pos_;
        while (pos_ < text_.size() && text_[pos_] != u'\r' && text_[pos_] != u'\n')
            ++pos_;
        const QStringView line = text_.sliced(from, pos_ - from);
        if (pos_ < text_.size() && text_[pos_++] == u'\r' && pos_ < text_.size() && text_[pos_] == u'\n')
            ++pos_;
        return line;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// A number: after trimming, an optional sign and one or more digits. Values beyond every index
// the file uses saturate, so that a long run of digits is still a number outside the range.
std::optional<int> number(QStringView s)
{
    constexpr int kSaturated = 1000000;
    s = s.trimmed();
    bool negative = false;
    if (!s.isEmpty() && (s.front() == u'+' || s.front() == u'-')) {
        negative = s.front() == u'-';
        s = s.sliced(1);
    }
    if (s.isEmpty())
        return std::nullopt;
    int value = 0;
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = std::min(kSaturated, value * 10 + (c.unicode() - u'0'));
    }
    return negative ? -value : value;
}

// The digit right after position `hyphen`, if it lies in 0..last.
int digitAfter(QStringView line, qsizetype hyphen, int last)
{
    if (hyphen < 0 || hyphen + 1 >= line.size())
        malformed();
    const int d = line[hyphen + 1].unicode() - u'0';
    if (d < 0 || d > last)
        malformed();
    return d;
}

// The value of a decimal or hexadecimal digit; -1 for any other character.
int digitValue(QChar c, bool hex)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (hex && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (hex && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The character of a reference's name or number (after "&", before ";"), if it names one.
std::optional<char32_t> reference(QStringView name)
{
    static const std::pair<QStringView, char32_t> kEntities[] = {
        {u"lt", U'<'}, {u"gt", U'>'}, {u"amp", U'&'}, {u"quot", U'"'}, {u"apos", U'\''}};
    for (const auto &[entity, c] : kEntities)
        if (name == entity)
            return c;
    if (name.size() < 2 || name[0] != u'#')
        return std::nullopt;
    const bool hex = name[1] == u'x';
    const QStringView digits = name.sliced(hex ? 2 : 1);
    if (digits.isEmpty())
        return std::nullopt;
    char32_t value = 0;
    for (QChar c : digits) {
        const int d = digitValue(c, hex);
        if (d < 0 || value > 0x10FFFF)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(d);
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    return value;
}

// Appends `raw` to `out` with its references decoded; a decoded CR, LF or CR LF becomes CR LF.
// A reference that names no character stays as written.
void appendDecoded(QString &out, QStringView raw)
{
    constexpr qsizetype kLongestReference = 32; // "&#x10FFFF;" with leading zeros
    bool afterCr = false;
    qsizetype i = 0;
    while (i < raw.size()) {
        const qsizetype amp = raw.indexOf(u'&', i);
        if (amp < 0) {
            out += raw.sliced(i);
            break;
        }
        out += raw.sliced(i, amp - i);
        if (amp > i)
            afterCr = false;
        const qsizetype semicolon =
            raw.sliced(amp, std::min(raw.size() - amp, kLongestReference)).indexOf(u';');
        const std::optional<char32_t> c =
            semicolon > 1 ? reference(raw.sliced(amp + 1, semicolon - 1)) : std::nullopt;
        if (!c) {
            out += u'&';
            afterCr = false;
            i = amp + 1;
            continue;
        }
        if (*c == U'\n' && afterCr) {
            // the LF of a CR LF already written
        } else if (*c == U'\r' || *c == U'\n') {
            out += QStringLiteral("\r\n");
        } else {
            const char32_t one[] = {*c};
            out += QString::fromUcs4(one, 1);
        }
        afterCr = *c == U'\r';
        i = amp + semicolon + 1;
    }
}

QString decoded(QStringView raw)
{
    QString out;
    out.reserve(raw.size());
    appendDecoded(out, raw);
    return out;
}

// A header value, decoded and with its accents converted.
QString headerValue(QStringView raw)
{
    QString value = decoded(raw);
    return convertiAccenti(value);
}

// `raw` without one leading blank.
QStringView lessOneBlank(QStringView raw)
{
    return raw.startsWith(u' ') ? raw.sliced(1) : raw;
}

// Applies one header line; false for the line that ends the header.
bool applyHeaderLine(QStringView line, qst::V11Content &c)
{
    if (line == kEndOfHeader)
        return false;
    if (line.isEmpty())
        return true;
    const qsizetype hyphen = line.indexOf(u'-');
    const QStringView head = line.left(5);
    if (head.contains(u"TEXT")) {
        const int d = digitAfter(line, hyphen, qst::kNumberBoxes - 1);
        c.numbers[static_cast<size_t>(d)] = headerValue(line.sliced(std::min(line.size(), hyphen + 3)));
    } else if (head.contains(u"CHECK")) {
        const int d = digitAfter(line, hyphen, qst::kV11MemberRows - 1);
        const std::optional<int> value = number(line.sliced(hyphen + 2));
        if (!value || *value < 0 || *value > 2)
            malformed();
        c.minority[static_cast<size_t>(d)] = static_cast<qst::BoxState>(*value);
    } else {
        const std::optional<int> index = hyphen < 0 ? std::nullopt : number(line.left(hyphen));
        if (!index || *index < 0 || *index >= qst::kV11GeneralFields)
            malformed();
        c.general[static_cast<size_t>(*index)] = headerValue(lessOneBlank(line.sliced(hyphen + 1)));
    }
    return true;
}

// An answer line cut at its first two hyphens.
struct AnswerLine {
    std::optional<int> group; // the number before the first hyphen
    qsizetype second = -1;    // the second hyphen
};

AnswerLine split(QStringView line)
{
    AnswerLine a;
    const qsizetype first = line.indexOf(u'-');
    if (first < 0)
        return a;
    a.group = number(line.left(first));
    a.second = line.indexOf(u'-', first + 1);
    return a;
}

// The note of an answer line from its text after the second hyphen, with the lines it goes on
// over: up to the first "#||#", lines joined by CR LF.
QString readNote(QStringView first, Lines &lines)
{
    qsizetype end = first.indexOf(kNoteEnd);
    QString note = decoded(end < 0 ? first : first.left(end));
    convertiAccenti(note);
    while (end < 0) {
        const QStringView line = lines.next();
        end = line.indexOf(kNoteEnd);
        note += QStringLiteral("\r\n");
        appendDecoded(note, end < 0 ? line : line.left(end));
    }
    return note;
}

} // namespace

QString missingV11FileMessage()
{
    return QStringLiteral(
        "ATTENZIONE: impossibile aprire il file.\nVerificare che il nome del file sia corretto e "
        "che abbia\nun'estensione \"xml.\" Operazione annullata!!!");
}

V11Reading parseV11(const QByteArray &bytes)
{
    const QString text = decode(bytes);
    Lines lines(text);
    V11Reading r;
    for (int i = 0; i < 3; ++i)
        lines.next();
    while (applyHeaderLine(lines.next(), r.content)) {
    }
    while (!lines.atEnd()) {
        const QStringView line = lines.next();
        const AnswerLine a = split(line);
        const bool answer = a.group && a.second >= 0;
        // A line of markup ends the answers; a note may hold ">".
        if (const qsizetype gt = line.indexOf(u'>'); gt >= 0 && !(answer && gt > a.second))
            break;
        if (line.isEmpty())
            continue;
        if (!answer)
            malformed();
        const qsizetype first = line.indexOf(u'-');
        const QStringView noteStart = lessOneBlank(line.sliced(a.second + 1));
        const QString note = noteStart.isEmpty() ? QString() : readNote(noteStart, lines);
        try {
            impostaRispostaV11(r.content, *a.group,
                               line.sliced(first + 1, a.second - first - 1).trimmed().toString(), note);
        } catch (const core::SchedaError &e) {
            if (r.skippedLine.isEmpty())
                r.skippedLine = e.description();
        }
    }
    return r;
}

V11Reading readV11File(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw MissingV11File();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        malformed();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        malformed();
    return parseV11(bytes);
}

QString convertiAccenti(QString &testo)
{
    static constexpr char16_t kVowels[] = u"aeiou";
    static constexpr char16_t kAccented[] = u"àèìòù";
    if (!testo.contains(u'\''))
        return testo;
    QString out;
    out.reserve(testo.size());
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const char16_t c = testo[i].unicode();
        const char16_t *vowel = std::char_traits<char16_t>::find(kVowels, 5, c);
        if (vowel && i + 1 < testo.size() && testo[i + 1] == u'\'') {
            out += QChar(kAccented[vowel - kVowels]);
            ++i;
        } else {
            out += QChar(c);
        }
    }
    testo = out;
    return out;
}

void impostaRispostaV11(qst::V11Content &c, int domanda, const QString &risposta, const QString &nota)
{
    if (domanda < 0 || domanda >= qst::kV11Groups)
        throw core::outOfRange();
    // The words are the captions of the boxes, the adequacy question's among them.
    const auto is = [&risposta](Risposta r) {
        return risposta == qst::captionWord(r, 0) || risposta == qst::captionWord(r, qst::kAdequacyGroup);
    };
    const size_t k = static_cast<size_t>(domanda);
    const bool si = is(Risposta::Si);
    if (si)
        c.siTicked[k] = true;
    else if (is(Risposta::No))
        c.noTicked[k] = true;
    else if (is(Risposta::NA))
        c.naTicked[k] = true;
    if (nota.isEmpty())
        return;
    c.redLink[k] = true;
    // A note beside any word but a SI answer is kept with the NO answers, where the note
    // window and the printout find it.
    (si ? c.noteSiPre : c.noteNoPre)[k] = nota;
}

} // namespace sf
