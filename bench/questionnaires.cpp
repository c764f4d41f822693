#include "questionnaires.h"

#include "questionnaire/catalogue.h"
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
    for (auto [i, text] : {std::pair{33, "5"}, {34, "1"}, {35, "4"}, {36, "2021"}})
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
        if (k > 80)
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

QByteArray v11File(int noteLength)
{
    QByteArray out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SchedaRiepilogativa versione=\"1.1\">\n<Contenuto>\n";
    const char *const general[] = {"Alfa Costruzioni S.p.A.", "01234567890", "31",          "12", "2003",
                                   "Via Garibaldi 12",        "0758512345",  "info@alfa.it"};
    for (int i = 0; i < 8; ++i)
        out += QByteArray::number(i) + " - " + general[i] + '\n';
    for (int d = 0; d < qst::kV11MemberRows; ++d) {
        out += QByteArray::number(8 + d) + " - Membro " + QByteArray::number(d + 1) + '\n';
        out += QByteArray::number(13 + d) + " - VRDGNN55C12H501" + QByteArray::number(d) + '\n';
        for (int col : {18, 23, 28})
            out += QByteArray::number(col + d) + " - 2\n";
        out += "CHECK-" + QByteArray::number(d) + ' ' + QByteArray::number(d % 3) + '\n';
    }
    for (int d = 0; d < 3; ++d)
        out += "TEXT-" + QByteArray::number(d) + " 1" + QByteArray::number(d) + '\n';
    out += "33 - 5\n34 - 28\n35 - 04\n36 - 2003\nQUESTIONARIO\n";
    for (int k = 0; k < qst::kV11Groups; ++k) {
        const char *word = k == 7 ? "Adeguata" : k % 3 == 1 ? "No" : "Si";
        out += QByteArray::number(k) + " - " + word + " - " + v11Value(noteText(noteLength, k)) + "#||#\n";
    }
    out += "</Contenuto>\n</SchedaRiepilogativa>\n";
    return out;
}

} // namespace bench
