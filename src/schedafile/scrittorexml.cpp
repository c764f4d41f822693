#include "scrittorexml.h"

#include "core/error.h"
#include "nodixml.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/indices.h"
#include "questionnaire/posizionixml.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <cerrno>

namespace sf
{

namespace
{

const QString kRadice = QStringLiteral("SchedaOrganoControllo");

// The answer and note nodes of an answer element.
struct AnswerNodes {
    QDomElement valore;
    QDomElement nota;
};

struct Domanda {
    QDomElement testo;
    AnswerNodes risposta;
    QDomElement riquadro;
    QDomElement numero;
};

// Every node of a template the writer fills, found (and so checked) before anything is written.
struct NodiModello {
    QDomElement denominazione;
    QDomElement codiceFiscale;
    QDomElement dataChiusura;
    std::array<QDomElement, 3> referente;
    std::array<AnswerNodes, 2> requisiti; // in the order of ordineRequisiti()
    std::vector<QDomElement> riunioni;    // the model's meeting counts
    QDomElement membri;
    std::vector<QDomElement> primoMembro; // the children of campiMembro(), in that order
    QDomElement massimoIncarichi;
    QDomElement inizioIncarico;
    AnswerNodes voce81;
    std::array<Domanda, qst::kGroups> domande; // where posizioneDomanda() has an entry
};

AnswerNodes findAnswerNodes(const QDomNode &padre, bool conAttributo)
{
    const QDomElement risposta = elemento(padre, qst::voce::kRisposta);
    richiediFigli(risposta, 2);
    AnswerNodes r{elemento(risposta, qst::voce::kValore), elemento(risposta, qst::voce::kNota)};
    if (conAttributo)
        attributoUnico(r.nota);
    return r;
}

// The children of a member element, in the order of campiMembro(); each must be an element.
std::vector<QDomElement> trovaMembro(const QDomElement &membro, qst::Modello m)
{
    std::vector<QDomElement> campi;
    for (const QDomNode &n : nodiMembro(membro, m)) {
        if (!n.isElement())
            throw core::outOfRange();
        campi.push_back(n.toElement());
    }
    return campi;
}

// A new member element with its children, appended as the form lists them.
std::vector<QDomElement> creaMembro(QDomDocument &doc, QDomElement membro, qst::Modello m)
{
    std::vector<QDomElement> campi;
    QDomElement incarichi;
    for (const qst::CampoMembro &f : qst::campiMembro(m)) {
        QDomElement e = doc.createElement(f.nome);
        (f.inIncarichi ? incarichi : membro).appendChild(e);
        if (f.colonna < 0)
            incarichi = e;
        campi.push_back(e);
    }
    return campi;
}

NodiModello trovaNodi(const QDomDocument &doc, qst::Modello m)
{
    const qst::ModelTable &t = qst::modelTable(m);
    // The root is both the document element and the last top-level node.
    const QDomElement radice = doc.documentElement();
    if (radice.isNull() || radice.tagName() != kRadice || doc.lastChild() != radice)
        throw core::outOfRange();
    const QDomElement modello = elemento(elemento(radice, 0), 0);
    if (modello.tagName() != t.modelElement)
        throw core::outOfRange();

    NodiModello n;
    namespace g = qst::generale;
    const QDomElement generale = elemento(modello, qst::kSezioneGenerale);
    n.denominazione = elemento(generale, g::kDenominazione);
    n.codiceFiscale = elemento(generale, g::kCodiceFiscale);
    n.dataChiusura = elemento(generale, g::kDataChiusura);
    const QDomElement referente = elemento(generale, g::kReferente);
    for (int i = 0; i < 3; ++i)
        n.referente[static_cast<size_t>(i)] = elemento(referente, i);
    const QDomElement requisiti = elemento(generale, g::kRequisiti);
    for (int i = 0; i < 2; ++i)
        n.requisiti[static_cast<size_t>(i)] = findAnswerNodes(elemento(elemento(requisiti, i), 0), false);
    const QDomElement riunioni = elemento(generale, g::kRiunioni);
    for (size_t i = 0; i < t.meetingFields.size(); ++i)
        n.riunioni.push_back(elemento(riunioni, static_cast<int>(i)));
    if (t.hasRiunioniNA)
        attributoUnico(n.riunioni.back());

    n.membri = elemento(modello, qst::kSezioneMembri);
    richiediFigli(n.membri, qst::kMembriFissi);
    n.primoMembro = trovaMembro(elemento(elemento(n.membri, 0), 0), m);
    n.massimoIncarichi = elemento(n.membri, 1);
    n.inizioIncarico = elemento(n.membri, 2);
    n.voce81 = findAnswerNodes(elemento(n.membri, 3), false);

    const QDomElement domande = elemento(modello, qst::kSezioneDomande);
    for (const qst::PosizioneDomanda &p : qst::posizioniDomande(m)) {
        const QDomElement q = elemento(elemento(domande, p.elemento), p.posizione);
        Domanda &d = n.domande[static_cast<size_t>(p.gruppo)];
        d.testo = elemento(q, qst::voce::kTesto);
        d.risposta = findAnswerNodes(q, true);
        d.riquadro = elemento(q, qst::voce::kNumeroRiquadro);
        d.numero = elemento(q, qst::voce::kNumeroDomanda);
    }
    return n;
}

void scriviMembro(const std::vector<QDomElement> &campi, const qst::Contenuto &c, int riga)
{
    const std::vector<qst::CampoMembro> &f = qst::campiMembro(c.modello);
    const int nota = c.tabella().noteColumn();
    for (size_t i = 0; i < f.size(); ++i) {
        const int col = f[i].colonna;
        if (col < 0)
            continue;
        const QString cella = c.cella(riga, col);
        scriviTesto(campi[i], col == 3 ? cella.toUpper() : col == nota ? notaXml(cella) : cella);
    }
}

// Item 79, 80 or 81: "SI" with the note of the SI answer (empty or not); the "No" of
// traditional item 80 writes "NO" and leaves the note node alone.
void scriviRequisito(const AnswerNodes &r, const qst::Contenuto &c, int k)
{
    const qst::Risposta risposta = c.risposte[static_cast<size_t>(k)];
    if (risposta == qst::Risposta::Si) {
        scriviTesto(r.valore, rispostaXml(risposta, k));
        scriviTesto(r.nota, notaXml(c.notaScritta(k)));
    } else if (risposta == qst::Risposta::No) {
        scriviTesto(r.valore, rispostaXml(risposta, k));
    }
}

void scriviGenerale(const NodiModello &n, const qst::Contenuto &c)
{
    using namespace qst::field;
    scriviTesto(n.denominazione, c.campo(CompanyName));
    scriviTesto(n.codiceFiscale, c.campo(CompanyTaxCode));
    scriviTesto(n.dataChiusura, dataXml(c.campo(ClosingDay), c.campo(ClosingMonth), c.campo(ClosingYear)));
    for (size_t i = 0; i < n.referente.size(); ++i)
        scriviTesto(n.referente[i], c.campo(ContactAddress + static_cast<int>(i)));
    const std::array<int, 2> ordine = qst::ordineRequisiti(c.modello);
    for (size_t i = 0; i < ordine.size(); ++i)
        scriviRequisito(n.requisiti[i], c, ordine[i]);
    const qst::ModelTable &t = c.tabella();
    for (size_t i = 0; i < t.meetingFields.size(); ++i) {
        const int campo = t.meetingFields[i];
        if (campo == qst::field::ExecutiveCommitteeMeetings && t.hasRiunioniNA) {
            // The executive committee's count: "0" and "true" when it does not apply.
            scriviTesto(n.riunioni[i], c.riunioniNA ? QStringLiteral("0") : c.campo(campo));
            scriviAttributo(n.riunioni[i], c.riunioniNA ? QStringLiteral("true") : QStringLiteral("false"));
        } else {
            scriviTesto(n.riunioni[i], c.campo(campo));
        }
    }
}

void scriviMembri(QDomDocument &doc, NodiModello &n, const qst::Contenuto &c)
{
    scriviRequisito(n.voce81, c, qst::kOfficesItemGroup);
    scriviMembro(n.primoMembro, c, 0);
    // Further filled rows in grid order, between the first member and the trailing nodes.
    for (int r = 1; r < static_cast<int>(c.membri.size()); ++r) {
        if (!c.membroCompilato(r))
            continue;
        QDomElement membro = doc.createElement(c.tabella().memberElement);
        n.membri.insertBefore(membro, n.massimoIncarichi);
        scriviMembro(creaMembro(doc, membro, c.modello), c, r);
    }
    scriviTesto(n.massimoIncarichi, c.campo(33));
    scriviTesto(n.inizioIncarico, dataXml(c.campo(34), c.campo(35), c.campo(36)));
}

// The note attribute takes the caption of the group's note link; the note node the note of the
// ticked answer, when there is one.
void scriviNota(const AnswerNodes &r, const qst::Contenuto &c, int k)
{
    scriviAttributo(r.nota, qst::didascaliaNota(c.modello, k));
    const QString nota = c.notaScritta(k);
    if (!nota.isEmpty())
        scriviTesto(r.nota, notaXml(nota));
}

void scriviDomande(const NodiModello &n, const qst::Contenuto &c)
{
    for (const qst::PosizioneDomanda &p : qst::posizioniDomande(c.modello)) {
        if (p.scrittura == qst::Scrittura::NonScritta)
            continue;
        const int k = p.gruppo;
        const Domanda &d = n.domande[static_cast<size_t>(k)];
        scriviTesto(d.riquadro, QString::number(p.riquadro));
        scriviTesto(d.numero, QString::number(p.numero));
        if (p.scrittura == qst::Scrittura::SoloNumeri) {
            scriviTesto(d.testo, QString());
            continue;
        }
        scriviTesto(d.testo, qst::testoDomanda(c.modello, qst::labelOfGroup(k)).value_or(QString()));
        const QString risposta = rispostaXml(c.risposte[static_cast<size_t>(k)], k);
        if (!risposta.isEmpty())
            scriviTesto(d.risposta.valore, risposta);
        scriviNota(d.risposta, c, k);
        if (p.scrittura == qst::Scrittura::Conteggio)
            scriviTesto(d.risposta.valore, c.numeri[static_cast<size_t>(p.conteggio)]);
    }
}

// One blank-padded or zero-padded part of a date.
QString parteData(const QString &parte)
{
    if (parte.isEmpty())
        return QStringLiteral("  ");
    if (parte.size() == 1)
        return QLatin1Char('0') + parte;
    return parte;
}

} // namespace

QString erroreModello(const QString &percorso)
{
    return QStringLiteral("Impossibile leggere il modello ") + QDir::toNativeSeparators(percorso) +
           QStringLiteral(".\nNessun file è stato salvato.");
}

QString erroreSalvataggio(const QString &percorso, const QString &descrizione)
{
    return QStringLiteral("Impossibile salvare il file ") + QDir::toNativeSeparators(percorso) +
           QStringLiteral(".\n") + descrizione;
}

QString percorsoModello(qst::Modello m, const QString &cartella)
{
    return QDir(cartella).filePath(qst::modelTable(m).templateFile);
}

QString saveFailureCause(QFileDevice::FileError error, int systemError)
{
    switch (systemError) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("La cartella non esiste.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Permesso negato: non si può scrivere in questa cartella o su questo file.");
    case EROFS:
        return QStringLiteral("Il disco è di sola lettura.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Il disco è pieno.");
    case ENAMETOOLONG:
        return QStringLiteral("Il nome del file è troppo lungo.");
    case EFBIG:
        return QStringLiteral("Il file supera la dimensione massima consentita.");
    default:
        break;
    }
    const QString what = error == QFileDevice::OpenError ? QStringLiteral("Il file non può essere creato.")
                                                         : QStringLiteral("Errore di scrittura del file.");
    return systemError == 0 ? what : what + QStringLiteral(" (errore di sistema %1)").arg(systemError);
}

bool scriviXml(const qst::Contenuto &c, const QString &cartella, QIODevice &out)
{
    const QString percorso = percorsoModello(c.modello, cartella);
    QFile file(percorso);
    QDomDocument doc;
    if (!file.open(QIODevice::ReadOnly) || !doc.setContent(&file))
        throw core::SchedaError(erroreModello(percorso));
    // Every node is found before anything is written: a template that lacks one writes nothing.
    NodiModello n;
    try {
        n = trovaNodi(doc, c.modello);
    } catch (const core::SchedaError &) {
        throw core::SchedaError(erroreModello(percorso));
    }
    scriviGenerale(n, c);
    scriviMembri(doc, n, c);
    scriviDomande(n, c);
    // Streamed to the device as UTF-8: the document is never held whole as one text.
    QTextStream stream(&out);
    doc.save(stream, 2);
    stream.flush();
    return stream.status() == QTextStream::Ok;
}

void salvaXml(const qst::Contenuto &c, const QString &cartella, const QString &percorso)
{
    const QString target = QFileInfo(percorso).canonicalFilePath();
    for (qst::Modello m : qst::kModelli)
        if (!target.isEmpty() && QFileInfo(percorsoModello(m, cartella)).canonicalFilePath() == target)
            throw core::SchedaError(
                erroreSalvataggio(percorso, QStringLiteral("Il file è un modello del programma.")));
    if (QFileInfo(percorso).isDir())
        throw core::SchedaError(erroreSalvataggio(percorso, QStringLiteral("Il nome indica una cartella.")));
    QSaveFile file(percorso);
    // The system's error number of a failing step, read right after it.
    int systemError = 0;
    const auto step = [&systemError](const auto &run) {
        errno = 0;
        const bool ok = run();
        systemError = errno;
        return ok;
    };
    if (!step([&] { return file.open(QIODevice::WriteOnly); }) ||
        !step([&] { return scriviXml(c, cartella, file); }) || !step([&] { return file.commit(); }))
        throw core::SchedaError(erroreSalvataggio(percorso, saveFailureCause(file.error(), systemError)));
}

QString dataXml(const QString &giorno, const QString &mese, const QString &anno)
{
    if (giorno.isEmpty() && mese.isEmpty() && anno.isEmpty())
        return QString();
    return parteData(giorno) + parteData(mese) + anno;
}

QString notaXml(const QString &nota)
{
    return qst::withLineBreaks(nota, u"\n");
}

QString rispostaXml(qst::Risposta r, int k)
{
    return qst::fileWord(r, k);
}

} // namespace sf
