#include "nodixml.h"

#include "core/error.h"
#include "questionnaire/posizionixml.h"

#include <QDomDocument>

namespace sf
{

QDomNode figlio(const QDomNode &padre, int posizione)
{
    if (posizione < 0)
        throw core::outOfRange();
    QDomNode n = padre.firstChild();
    for (int i = 0; i < posizione && !n.isNull(); ++i)
        n = n.nextSibling();
    if (n.isNull())
        throw core::outOfRange();
    return n;
}

QDomElement elemento(const QDomNode &padre, int posizione)
{
    const QDomNode n = figlio(padre, posizione);
    if (!n.isElement())
        throw core::outOfRange();
    return n.toElement();
}

int contaFigli(const QDomNode &padre)
{
    int n = 0;
    for (QDomNode c = padre.firstChild(); !c.isNull(); c = c.nextSibling())
        ++n;
    return n;
}

std::vector<QDomNode> figli(const QDomNode &padre)
{
    std::vector<QDomNode> out;
    for (QDomNode c = padre.firstChild(); !c.isNull(); c = c.nextSibling())
        out.push_back(c);
    return out;
}

const QDomNode &figlio(const std::vector<QDomNode> &figli, int posizione)
{
    if (posizione < 0 || static_cast<size_t>(posizione) >= figli.size())
        throw core::outOfRange();
    return figli[static_cast<size_t>(posizione)];
}

QString testo(const QDomNode &nodo)
{
    if (!nodo.isElement())
        return nodo.nodeValue();
    // The usual element of one text: its value is shared, not gathered into a fresh copy.
    const QDomNode primo = nodo.firstChild();
    if (primo.isText() && primo.nextSibling().isNull())
        return primo.nodeValue();
    return nodo.toElement().text();
}

std::vector<QDomNode> nodiMembro(const QDomNode &membro, qst::Modello m)
{
    const std::vector<QDomNode> campi = figli(membro);
    std::vector<QDomNode> incarichi;
    std::vector<QDomNode> nodi;
    int posizione = 0;
    int sotto = 0;
    for (const qst::CampoMembro &f : qst::campiMembro(m)) {
        nodi.push_back(f.inIncarichi ? figlio(incarichi, sotto++) : figlio(campi, posizione++));
        if (f.colonna < 0)
            incarichi = figli(nodi.back());
    }
    return nodi;
}

void richiediFigli(const QDomNode &padre, int n)
{
    if (contaFigli(padre) != n)
        throw core::outOfRange();
}

QDomAttr attributoUnico(const QDomNode &nodo)
{
    const QDomNamedNodeMap attributi = nodo.attributes();
    if (attributi.count() != 1)
        throw core::outOfRange();
    return attributi.item(0).toAttr();
}

namespace
{

// A long text is written as adjacent text nodes of about this many characters, which QDom writes
// out as one text: it escapes a node with one in-place replacement per "<" or "&", so the time
// to write one node grows with the square of its length.
constexpr qsizetype kPezzoTesto = 4096;

// The end of the piece of `testo` that starts at `from`. A piece does not end inside a surrogate
// pair, nor after a "]": QDom escapes the ">" of "]]>" only when the three stand in one node.
qsizetype finePezzo(const QString &testo, qsizetype from)
{
    const qsizetype n = testo.size();
    const auto taglio = [&testo](qsizetype i) { return !testo[i].isLowSurrogate() && testo[i - 1] != u']'; };
    qsizetype to = from + kPezzoTesto;
    if (to >= n)
        return n;
    for (qsizetype i = to; i > from + 1; --i)
        if (taglio(i))
            return i;
    for (qsizetype i = to + 1; i < n; ++i)
        if (taglio(i))
            return i;
    return n;
}

} // namespace

void scriviTesto(QDomElement nodo, const QString &testo)
{
    if (nodo.isNull())
        throw core::outOfRange();
    while (nodo.hasChildNodes())
        nodo.removeChild(nodo.firstChild());
    const QString pulito = testoXml(testo);
    QDomDocument doc = nodo.ownerDocument();
    for (qsizetype from = 0, to = 0; from < pulito.size(); from = to) {
        to = finePezzo(pulito, from);
        nodo.appendChild(
            doc.createTextNode(from == 0 && to == pulito.size() ? pulito : pulito.mid(from, to - from)));
    }
}

void scriviAttributo(const QDomNode &nodo, const QString &valore)
{
    attributoUnico(nodo).setValue(testoXml(valore));
}

QString testoXml(const QString &testo)
{
    const qsizetype n = testo.size();
    const QChar *s = testo.constData();
    // Length of the valid code point at i: 0 when it is dropped. The common case comes first.
    const auto valido = [s, n](qsizetype i) -> int {
        const char16_t c = s[i].unicode();
        if (c >= 0x20 && c < 0xD800)
            return 1;
        if (c < 0x20)
            return (c == u'\t' || c == u'\n' || c == u'\r') ? 1 : 0;
        if (c < 0xDC00) // a high surrogate, valid only before a low one
            return (i + 1 < n && s[i + 1].isLowSurrogate()) ? 2 : 0;
        if (c < 0xE000)
            return 0;
        return c < 0xFFFE ? 1 : 0;
    };
    // Copies runs of valid characters; nothing at all when every character is valid.
    QString pulito;
    bool copia = false;
    qsizetype inizio = 0;
    qsizetype i = 0;
    while (i < n) {
        const int l = valido(i);
        if (l > 0) {
            i += l;
            continue;
        }
        if (!copia) {
            pulito.reserve(n);
            copia = true;
        }
        pulito.append(s + inizio, i - inizio);
        inizio = ++i;
    }
    if (!copia)
        return testo;
    pulito.append(s + inizio, n - inizio);
    return pulito;
}

} // namespace sf
