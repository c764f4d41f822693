#include "lettorexml.h"

#include "core/error.h"
#include "nodixml.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/indices.h"
#include "questionnaire/posizionixml.h"

#include <QFile>

namespace sf
{

namespace
{

using qst::Risposta;
using Nodi = std::vector<QDomNode>;

const QString kRadice = QStringLiteral("SchedaOrganoControllo");

// Runs a step of the reading; any missing node it meets is the message of a file that cannot
// be opened.
template <typename F> void leggendo(F &&passo)
{
    try {
        passo();
    } catch (const core::SchedaError &) {
        throw core::SchedaError(erroreApertura());
    }
}

// A value of the file as read: a tree that keeps its values CR LF gives them back with LF.
QString valueAsRead(const QDomNode &nodo, const XmlTree &tree)
{
    return tree.lineBreaks() == LineBreaks::CrLf ? qst::withLineBreaks(testo(nodo), u"\n") : testo(nodo);
}

// A note as the window keeps it, with CR LF line breaks: a tree that keeps its values CR LF
// gives it as it is, shared and not copied.
QString noteForWindow(const QDomNode &nodo, const XmlTree &tree)
{
    return tree.lineBreaks() == LineBreaks::CrLf ? testo(nodo) : notaFinestra(testo(nodo));
}

// The answer an answer word gives group k: "SI", "NO", "NA" below the items ("Adeguata" and
// "Inadeguata" for SI and NO in groups 0-22); only "SI" for the items, and "NO" for the
// traditional item 80. "NA" answers only a question whose "N/A" box the window shows: where the
// box is hidden it is no answer, as the screen shows it. Any other text, however close, is no
// answer.
Risposta rispostaLetta(qst::Modello m, int k, const QString &parola)
{
    using qst::fileWord;
    const bool adeguata = k <= 22;
    const int qualunque = 0; // a group without words of its own
    if (parola == fileWord(Risposta::Si, qualunque) ||
        (adeguata && parola == fileWord(Risposta::Si, qst::kAdequacyGroup)))
        return Risposta::Si;
    const bool no = parola == fileWord(Risposta::No, qualunque);
    if (!qst::isItemGroup(k) ? no || (adeguata && parola == fileWord(Risposta::No, qst::kAdequacyGroup))
                             : no && k == qst::kSecondItemGroup && m == qst::Modello::Tradizionale)
        return Risposta::No;
    if (!qst::isItemGroup(k) && parola == fileWord(Risposta::NA, qualunque) && qst::naShown(m, k))
        return Risposta::NA;
    return Risposta::Nessuna;
}

// An answer element of group k: the answer node first, the note node last (the writer writes
// them at 0 and 1). A SI or NO answer takes the note into its own table; a note that is not
// empty makes the link red. A block with the answer only has no note; the "No" of item 80 reads
// none.
void leggiRisposta(const QDomNode &blocco, qst::Contenuto &c, int k, const XmlTree &tree)
{
    const Nodi f = figli(blocco);
    const Risposta r = rispostaLetta(c.modello, k, valueAsRead(figlio(f, 0), tree));
    const size_t i = static_cast<size_t>(k);
    c.risposte[i] = r;
    const bool conNota = r == Risposta::Si || (r == Risposta::No && !qst::isItemGroup(k));
    if (!conNota || f.size() < 2)
        return;
    const QString letta = noteForWindow(f.back(), tree);
    (r == Risposta::Si ? c.noteSi : c.noteNo).set(k, letta);
    c.notaRossa[i] = !letta.isEmpty();
}

// The value of the first attribute of `nodo` in document order.
QString primoAttributo(const QDomNode &nodo, const XmlTree &tree)
{
    if (std::optional<QString> valore = tree.firstAttribute(nodo))
        return *valore;
    throw core::outOfRange();
}

void leggiData(const QString &data, qst::Contenuto &c, int primoCampo)
{
    const std::array<QString, 3> parti = dataFinestra(data);
    for (size_t i = 0; i < parti.size(); ++i)
        c.generale[static_cast<size_t>(primoCampo) + i] = parti[i];
}

void leggiGenerale(const QDomNode &generale, qst::Contenuto &c, const XmlTree &tree)
{
    namespace g = qst::generale;
    const Nodi f = figli(generale);
    if (f.size() < static_cast<size_t>(g::kFigli))
        throw core::outOfRange();
    using namespace qst::field;
    c.generale[CompanyName] = valueAsRead(f[g::kDenominazione], tree);
    c.generale[CompanyTaxCode] = valueAsRead(f[g::kCodiceFiscale], tree);
    leggiData(valueAsRead(f[g::kDataChiusura], tree), c, ClosingDay);
    const Nodi referente = figli(f[g::kReferente]);
    for (int i = 0; i < 3; ++i)
        c.generale[static_cast<size_t>(ContactAddress + i)] = valueAsRead(figlio(referente, i), tree);
    // The requirement items: the holder's first and last child.
    const Nodi requisiti = figli(f[g::kRequisiti]);
    const std::array<QDomNode, 2> items = {figlio(requisiti, 0), requisiti.back()};
    const std::array<int, 2> ordine = qst::ordineRequisiti(c.modello);
    for (size_t i = 0; i < items.size(); ++i)
        leggiRisposta(figlio(figlio(items[i], 0), qst::voce::kRisposta), c, ordine[i], tree);

    const qst::ModelTable &t = c.tabella();
    const Nodi riunioni = figli(f[g::kRiunioni]);
    for (size_t i = 0; i < t.meetingFields.size(); ++i) {
        const QDomNode &n = figlio(riunioni, static_cast<int>(i));
        const int campo = t.meetingFields[i];
        // The executive committee's count: its flag says whether it applies.
        if (campo == ExecutiveCommitteeMeetings && t.hasRiunioniNA &&
            primoAttributo(n, tree) == QLatin1String("true"))
            c.riunioniNA = true;
        else
            c.generale[static_cast<size_t>(campo)] = valueAsRead(n, tree);
    }
}

// Grid row `riga` from a member element; the note cell says whether the note holds text.
void leggiMembro(const QDomNode &membro, qst::Contenuto &c, int riga, const XmlTree &tree)
{
    const std::vector<qst::CampoMembro> &campi = qst::campiMembro(c.modello);
    const Nodi nodi = nodiMembro(membro, c.modello);
    const int colonnaNota = c.tabella().noteColumn();
    QStringList &celle = c.membri[static_cast<size_t>(riga)];
    for (size_t i = 0; i < campi.size(); ++i) {
        const int col = campi[i].colonna;
        if (col >= 0)
            celle[col] = col == colonnaNota ? noteForWindow(nodi[i], tree) : valueAsRead(nodi[i], tree);
    }
    celle[c.tabella().noteCell()] = celle[colonnaNota].isEmpty() ? QString() : QStringLiteral("SI");
}

// The members element: the first member inside the element at 0, one element per further row,
// then the statute's maximum, the start of office and item 81.
void leggiMembri(const QDomNode &sezione, qst::Contenuto &c, const XmlTree &tree)
{
    const Nodi f = figli(sezione);
    const int n = static_cast<int>(f.size());
    const int righe = std::max(3, n - 3);
    if (n < qst::kMembriFissi || righe > qst::kMaxMemberRows)
        throw core::outOfRange();
    c.membri.clear();
    c.membri.reserve(static_cast<size_t>(righe));
    for (int r = 0; r < righe; ++r)
        c.membri.push_back(c.rigaVuota(r));
    leggiMembro(figlio(f[0], 0), c, 0, tree);
    for (int j = 1; j < n - 3; ++j)
        leggiMembro(f[static_cast<size_t>(j)], c, j, tree);
    c.generale[qst::field::MaxOffices] = valueAsRead(f[static_cast<size_t>(n - 3)], tree);
    leggiData(valueAsRead(f[static_cast<size_t>(n - 2)], tree), c, qst::field::OfficeStartDay);
    leggiRisposta(figlio(f[static_cast<size_t>(n - 1)], qst::voce::kRisposta), c, qst::kOfficesItemGroup,
                  tree);
}

void leggiDomande(const QDomNode &sezione, qst::Contenuto &c, const XmlTree &tree)
{
    const Nodi riquadri = figli(sezione);
    std::vector<Nodi> domande;
    for (int e = 0; e < qst::elementiRiquadro(c.modello); ++e)
        domande.push_back(figli(figlio(riquadri, e)));
    for (const qst::PosizioneDomanda &p : qst::posizioniDomande(c.modello)) {
        const QDomNode &q = figlio(domande[static_cast<size_t>(p.elemento)], p.posizione);
        // The element the writer never fills stands as the template has it, which may be a
        // comment in its place.
        if (p.scrittura == qst::Scrittura::NonScritta && !q.isElement())
            continue;
        const QDomNode blocco = figlio(q, qst::voce::kRisposta);
        if (p.scrittura == qst::Scrittura::Conteggio)
            c.numeri[static_cast<size_t>(p.conteggio)] =
                valueAsRead(figlio(blocco, qst::voce::kValore), tree);
        else
            leggiRisposta(blocco, c, p.gruppo, tree);
    }
}

} // namespace

QString erroreApertura()
{
    return QStringLiteral(
        "ATTENZIONE: impossibile aprire il file.\nVerificare che il nome del file sia corretto e "
        "che abbia un'estensione XML\nOperazione annullata!!!");
}

QString erroreAltroModello(qst::Modello m)
{
    return QString::fromUtf8("Quello che si sta cercando di aprire non è un MODELLO ") +
           qst::modelTable(m).nome.toUpper() + QStringLiteral(".\nOperazione annullata.");
}

namespace
{

XmlTree parsedTree(const QByteArray &dati)
{
    // The notes are kept as the window keeps them, CR LF, in the one copy the parse makes.
    std::optional<XmlTree> t = XmlTree::parse(dati, LineBreaks::CrLf);
    if (!t)
        throw core::SchedaError(erroreApertura());
    return std::move(*t);
}

} // namespace

FileScheda::FileScheda(const QByteArray &dati) : tree_(parsedTree(dati))
{
}

FileScheda FileScheda::carica(const QString &percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        throw core::SchedaError(erroreApertura());
    const QByteArray dati = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw core::SchedaError(erroreApertura());
    return FileScheda(dati);
}

bool FileScheda::radiceScheda() const
{
    const QDomNode radice = tree_.document().lastChild();
    return radice.isElement() && radice.nodeName() == kRadice;
}

qst::Contenuto FileScheda::leggiXml(qst::Modello m) const
{
    QDomNode modello;
    leggendo([&] {
        if (!radiceScheda())
            throw core::outOfRange();
        modello = figlio(figlio(tree_.document().lastChild(), 0), 0);
    });
    if (modello.nodeName() != qst::modelTable(m).modelElement)
        throw OtherModelError(m);
    qst::Contenuto c(m);
    leggendo([&] {
        const Nodi sezioni = figli(modello);
        leggiGenerale(figlio(sezioni, qst::kSezioneGenerale), c, tree_);
        leggiMembri(figlio(sezioni, qst::kSezioneMembri), c, tree_);
        leggiDomande(figlio(sezioni, qst::kSezioneDomande), c, tree_);
    });
    return c;
}

QString notaFinestra(const QString &nota)
{
    return qst::withLineBreaks(nota, u"\r\n");
}

std::array<QString, 3> dataFinestra(const QString &data)
{
    std::array<QString, 3> parti = {data.mid(0, 2), data.mid(2, 2), data.mid(4, 4)};
    for (QString &p : parti)
        if (p.count(QLatin1Char(' ')) == p.size())
            p.clear();
    return parti;
}

} // namespace sf
