#include "questionnaires.h"

#include "questionnaire/catalogue.h"
#include "questionnaire/posizionixml.h"
#include "questionnaire/v11content.h"

using qst::Contenuto;
using qst::Modello;
using qst::Risposta;

namespace bench
{

QString noteText(int length, int seed)
{
    static const QString sentences[] = {
        QStringLiteral("Il collegio ha verificato che l'attività di revisione è già conclusa. "),
        QStringLiteral("Perché la società <controllata> & la capogruppo > soglia? Così è stato. "),
        QStringLiteral("Non è emersa alcuna criticità né richiamo d'informativa più rilevante. "),
        QStringLiteral("Le operazioni con parti correlate sono regolate a condizioni di mercato. "),
    };
    QString out;
    out.reserve(length + 80);
    for (int i = seed; out.size() < length; ++i) {
        out += sentences[i % 4];
        if (i % 5 == 4)
            out += QStringLiteral("\r\n");
    }
    out.truncate(length);
    // A note does not end in half a line break.
    if (out.endsWith(u'\r'))
        out.back() = u'.';
    return out;
}

Contenuto questionnaire(Modello m, int noteLength, int members)
{
    Contenuto c(m);
    const qst::ModelTable &t = c.tabella();
    const char *const campi[] = {"Alfa Costruzioni S.p.A.",       "01234567890", "31",          "12", "2023",
                                 "Via Roma 1, Città di Castello", "0612345678",  "info@alfa.it"};
    for (size_t i = 0; i < std::size(campi); ++i)
        c.generale[i] = QString::fromUtf8(campi[i]);
    for (auto [i, text] : {std::pair{33, "5"}, {34, "01"}, {35, "04"}, {36, "2021"}})
        c.generale[size_t(i)] = QString::fromLatin1(text);
    for (int f : t.meetingFields)
        c.generale[size_t(f)] = QStringLiteral("4");
    c.membri.clear();
    for (int r = 0; r < members; ++r) {
        QStringList row = c.rigaVuota(r);
        for (int col = 1; col <= t.lastDataColumn(); ++col)
            row[col] = QStringLiteral("2");
        row[1] = QStringLiteral("Maria Lucia Bianchi %1").arg(r);
        row[2] = QStringLiteral("BNCMLC70A41H501%1").arg(r % 10);
        row[3] = r % 2 ? QStringLiteral("NO") : QStringLiteral("SI");
        row[t.noteColumn()] = noteText(noteLength, r);
        row[t.noteCell()] = QStringLiteral("SI");
        c.membri.push_back(row);
    }
    for (int k : t.answerGroups.toVector()) {
        // Only what the file keeps: the writer gives no answer to the hidden questions.
        const qst::PosizioneDomanda *p = k <= 78 ? qst::posizioneDomanda(m, k) : nullptr;
        if (k > 80 ||
            (p && (p->scrittura == qst::Scrittura::SoloNumeri || p->scrittura == qst::Scrittura::NonScritta)))
            continue;
        c.risposte[size_t(k)] = Risposta::Si;
        c.notaRossa[size_t(k)] = true;
        c.noteSi.set(k, noteText(noteLength, k));
    }
    if (t.hasNumberBoxes) {
        for (int k : {34, 38, 40}) {
            c.risposte[size_t(k)] = Risposta::Nessuna;
            c.notaRossa[size_t(k)] = false;
            c.noteSi.set(k, QString());
        }
        c.numeri = {QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("12")};
    }
    return c;
}

namespace
{

// A value as the version 1.1 file keeps it: references for the characters XML escapes, one
// file line a note line.
QByteArray v11Value(const QString &text)
{
    QString v = text;
    v.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"));
    v.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return v.toUtf8();
}

} // namespace

V11Fields v11Fields()
{
    V11Fields f;
    const char *const general[] = {"Alfa Costruzioni S.p.A.", "01234567890", "31",          "12", "2003",
                                   "Via Garibaldi 12",        "0758512345",  "info@alfa.it"};
    for (size_t i = 0; i < std::size(general); ++i)
        f.general[i] = QString::fromLatin1(general[i]);
    for (int d = 0; d < qst::kV11MemberRows; ++d) {
        const size_t i = static_cast<size_t>(d);
        f.general[8 + i] = QStringLiteral("Membro %1").arg(d + 1);
        f.general[13 + i] = QStringLiteral("VRDGNN55C12H501%1").arg(d);
        for (size_t col : {18, 23, 28})
            f.general[col + i] = QStringLiteral("2");
        f.minority[i] = qst::BoxState(d % 3);
    }
    for (auto [i, text] : {std::pair{33, "5"}, {34, "28"}, {35, "04"}, {36, "2003"}})
        f.general[size_t(i)] = QString::fromLatin1(text);
    for (size_t d = 0; d < f.numbers.size(); ++d)
        f.numbers[d] = QStringLiteral("1%1").arg(d);
    return f;
}

QString v11Word(int k)
{
    return k == 7 ? QStringLiteral("Adeguata") : k % 3 == 1 ? QStringLiteral("No") : QStringLiteral("Si");
}

QByteArray v11File(int noteLength)
{
    const V11Fields f = v11Fields();
    QByteArray out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SchedaRiepilogativa versione=\"1.1\">\n<Contenuto>\n";
    for (size_t i = 0; i < f.general.size(); ++i)
        out += QByteArray::number(qulonglong(i)) + " - " + f.general[i].toUtf8() + '\n';
    for (size_t d = 0; d < f.minority.size(); ++d)
        out += "CHECK-" + QByteArray::number(qulonglong(d)) + ' ' + QByteArray::number(int(f.minority[d])) +
               '\n';
    for (size_t d = 0; d < f.numbers.size(); ++d)
        out += "TEXT-" + QByteArray::number(qulonglong(d)) + ' ' + f.numbers[d].toUtf8() + '\n';
    out += "QUESTIONARIO\n";
    for (int k = 0; k < qst::kV11Groups; ++k)
        out += QByteArray::number(k) + " - " + v11Word(k).toUtf8() + " - " +
               v11Value(noteText(noteLength, k)) + "#||#\n";
    out += "</Contenuto>\n</SchedaRiepilogativa>\n";
    return out;
}

} // namespace bench
