#include "contents.h"

#include "print/modulo.h"
#include "print/recordingprinter.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/posizionixml.h"
#include "questionnaire/stampa.h"

#include <QFile>

using qst::Contenuto;
using qst::Modello;
using qst::Risposta;

namespace testing
{

const QString kPrima = QStringLiteral("prima di passare alla generazione del file.");
const QString kDomanda81 = QStringLiteral(
    "Il numero massimo di incarichi previsti dallo statuto\nè inferiore agli incarichi ricoperti.\n"
    "E' necessario compilare la nota 1.0.c.\nSi desidera compilare tale nota adesso?");
const QString kData = QStringLiteral("Si è inserita una data non corretta!");

const char *modelName(Modello m)
{
    switch (m) {
    case Modello::Tradizionale:
        return "Tradizionale";
    case Modello::Dualistico:
        return "Dualistico";
    case Modello::Monistico:
        return "Monistico";
    }
    return "?";
}

QByteArray testData(const QString &name)
{
    QFile f(QStringLiteral(SCHEDA_DATI "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void fillMember(Contenuto &c, int r)
{
    while (c.membri.size() <= size_t(r))
        c.membri.push_back(c.rigaVuota(int(c.membri.size())));
    QStringList &row = c.membri[size_t(r)];
    for (int col = 1; col <= c.tabella().lastDataColumn(); ++col)
        row[col] = QStringLiteral("2");
    row[1] = QStringLiteral("Mario Rossi %1").arg(r);
    row[2] = QStringLiteral("RSSMRA70A01H501%1").arg(r % 10);
    row[3] = QStringLiteral("NO");
    row[c.tabella().noteColumn()] = QStringLiteral("Revisore legale");
    row[c.tabella().noteCell()] = QStringLiteral("SI");
}

Contenuto complete(Modello m)
{
    Contenuto c(m);
    const char *const campi[] = {"Alfa S.p.A.", "01234567890", "31",         "12",
                                 "2023",        "Via Roma 1",  "0612345678", "info@alfa.it"};
    for (size_t i = 0; i < std::size(campi); ++i)
        c.generale[i] = QString::fromUtf8(campi[i]);
    for (auto [i, text] :
         {std::pair{33, "5"}, {34, "1"}, {35, "4"}, {36, "2021"}, {62, "4"}, {63, "4"}, {64, "4"}, {65, "4"}})
        if (i != 65 || c.tabella().hasRiunioniNA)
            c.generale[size_t(i)] = QString::fromUtf8(text);
    for (int r = 0; r < 3; ++r)
        fillMember(c, r);
    for (int k : c.tabella().answerGroups.toVector())
        if (k <= 80) {
            c.risposte[size_t(k)] = Risposta::Si;
            c.notaRossa[size_t(k)] = true;
            c.noteSi.set(k, QStringLiteral("Nota del gruppo %1").arg(k));
        }
    if (c.tabella().hasNumberBoxes)
        for (int k : {34, 38, 40})
            c.risposte[size_t(k)] = Risposta::Nessuna;
    c.numeri = {QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("12")};
    return c;
}

Contenuto full(Modello m, int rows, int noteLength)
{
    Contenuto c(m);
    const qst::ModelTable &t = c.tabella();
    const QString lunga = QString(noteLength - 6, QChar(0xE0)) + QStringLiteral("\r\nfine");
    const QString breve = QString::fromUtf8("Perché è già \"così\" <&> 'x'\r\nseconda riga");
    for (int i : {0, 1, 5, 6, 7, 33})
        c.generale[size_t(i)] = breve.left(29) + QString::number(i);
    for (auto [i, v] : {std::pair{2, "31"}, {3, "12"}, {4, "2024"}, {34, "01"}, {35, "04"}, {36, "2021"}})
        c.generale[size_t(i)] = QString::fromLatin1(v);
    for (int i : t.meetingFields)
        c.generale[size_t(i)] = QString::number(i);
    c.riunioniNA = m == Modello::Tradizionale;
    if (c.riunioniNA)
        c.generale[65].clear();
    c.membri.clear();
    for (int r = 0; r < rows; ++r) {
        QStringList riga = c.rigaVuota(r);
        for (int col = 1; col < t.gridColumns; ++col)
            riga[col] = QStringLiteral("%1.%2").arg(r).arg(col);
        riga[3] = r % 2 ? QStringLiteral("NO") : QStringLiteral("SI");
        riga[t.noteColumn()] = r % 5 ? breve : lunga;
        riga[t.noteCell()] = QStringLiteral("SI");
        c.membri.push_back(riga);
    }
    for (int k = 0; k < qst::kGroups; ++k) {
        const qst::PosizioneDomanda *p = qst::posizioneDomanda(m, k);
        const bool voce = k >= 79 && t.answerGroups.contains(k);
        if (!voce && (!p || p->scrittura != qst::Scrittura::Completa || !t.noNaGroups.contains(k)))
            continue;
        Risposta r =
            voce ? (k == 80 && m == Modello::Tradizionale ? Risposta::No : Risposta::Si) : Risposta(k % 4);
        if (r == Risposta::NA && !qst::naShown(m, k)) // no box to tick
            r = Risposta::Si;
        c.risposte[size_t(k)] = r;
        if ((r == Risposta::Si || (r == Risposta::No && k < 79)) && k % 7 != 3) {
            (r == Risposta::Si ? c.noteSi : c.noteNo).set(k, k % 3 ? breve : lunga);
            c.notaRossa[size_t(k)] = true;
        }
    }
    if (t.hasNumberBoxes)
        c.numeri = {QStringLiteral("5"), QString(), QStringLiteral("123")};
    // Values made only of spaces that XML does not count as white space.
    c.generale[0] = QString(QChar(0x00A0));
    if (rows > 1)
        c.membri[1][1] = QString(QChar(0x3000));
    for (int k = 0; k < qst::kGroups; ++k) {
        if (c.notaRossa[size_t(k)]) {
            (c.risposte[size_t(k)] == Risposta::Si ? c.noteSi : c.noteNo).set(k, QString(QChar(0x00A0)));
            break;
        }
    }
    return c;
}

QString sampleNote(const QString &title, int length)
{
    const QString sentence = QStringLiteral("Testo della %1, con parole di prova. ").arg(title);
    return length <= 0 ? sentence.trimmed() : sentence.repeated(length / sentence.size() + 1).left(length);
}

Contenuto printable(Modello m, int members, int noteLength)
{
    Contenuto c(m);
    const QStringList general = {QStringLiteral("Alfa S.p.A."), QStringLiteral("01234567890"),
                                 QStringLiteral("31"),          QStringLiteral("12"),
                                 QStringLiteral("2023"),        QStringLiteral("Via Roma 1"),
                                 QStringLiteral("06 1234567"),  QStringLiteral("info@alfa.it")};
    for (int i = 0; i < general.size(); ++i)
        c.generale[static_cast<size_t>(i)] = general[i];
    for (int f : c.tabella().meetingFields)
        c.generale[static_cast<size_t>(f)] = QString::number(f - 50);
    c.generale[33] = QStringLiteral("5");
    c.membri.clear();
    for (int r = 0; r < members; ++r) {
        QStringList row = c.rigaVuota(r);
        for (int col = 1; col < c.tabella().noteColumn(); ++col)
            row[col] = QStringLiteral("v%1.%2").arg(r + 1).arg(col);
        row[c.tabella().noteColumn()] =
            r == 1 ? sampleNote(QStringLiteral("nota del membro"), noteLength) : QString();
        c.membri.push_back(row);
    }
    for (int page = 1; page <= 5; ++page) {
        for (const qst::PageRow &row : qst::righePagina(m, page)) {
            if (row.k < 0)
                continue;
            c.risposte[static_cast<size_t>(row.k)] = Risposta::Si;
            if (row.linkVisible)
                c.noteSi.set(row.k, sampleNote(row.link, noteLength));
        }
    }
    for (int k : {79, 81}) {
        c.risposte[static_cast<size_t>(k)] = Risposta::Si;
        c.noteSi.set(k, sampleNote(qst::didascaliaNota(m, k), noteLength));
    }
    c.numeri = {QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13")};
    return c;
}

QStringList describe(const Contenuto &c)
{
    QStringList out{QStringLiteral("righe %1").arg(c.membri.size())};
    const auto add = [&out](const QString &chiave, QString v) {
        if (!v.isEmpty())
            out << chiave + QStringLiteral(": ") +
                       v.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    };
    for (size_t i = 0; i < c.generale.size(); ++i)
        add(QStringLiteral("campo %1").arg(i), c.generale[i]);
    if (c.riunioniNA)
        out << QStringLiteral("NA");
    for (size_t r = 0; r < c.membri.size(); ++r)
        for (int col = 0; col < c.membri[r].size(); ++col)
            add(QStringLiteral("cella %1 %2").arg(r).arg(col), c.membri[r][col]);
    const QStringList parole = {{}, QStringLiteral("SI"), QStringLiteral("NO"), QStringLiteral("NA")};
    for (int k = 0; k < qst::kGroups; ++k) {
        add(QStringLiteral("risposta %1").arg(k), parole[int(c.risposte[size_t(k)])]);
        if (c.notaRossa[size_t(k)])
            out << QStringLiteral("rossa %1").arg(k);
        add(QStringLiteral("noteSi %1").arg(k), c.noteSi.at(k));
        add(QStringLiteral("noteNo %1").arg(k), c.noteNo.at(k));
    }
    for (size_t i = 0; i < c.numeri.size(); ++i)
        add(QStringLiteral("numero %1").arg(i), c.numeri[i]);
    out.sort();
    return out;
}

QStringList printedLines(const prn::RecordingPrinter &p, double furniture)
{
    QStringList out;
    const prn::Printer::Item *prev = nullptr;
    for (const prn::Printer::Item &i : p.items()) {
        if (i.page > 0 && i.y < furniture)
            continue;
        QString text = i.text;
        for (QChar run : {QLatin1Char('.'), QLatin1Char('_')})
            if (text.count(run) == text.size())
                text = QString(3, run);
        if (prev && prev->page == i.page && prev->y == i.y)
            out.last() += text;
        else
            out << text;
        prev = &i;
    }
    return out;
}

QStringList boxRows(const Contenuto &c)
{
    QStringList out;
    for (const qst::RigaRiquadro &row : qst::righeRiquadri(c.modello)) {
        QString text = qst::testoDomanda(c.modello, row.q).value_or(QString());
        if (row.k >= 0) {
            const QString &link = qst::didascaliaNota(c.modello, row.k);
            if (link != QStringLiteral("NO"))
                text.prepend(QLatin1Char('(') + link + QStringLiteral(") "));
            text += QStringLiteral("...") + prn::rispostaRiga(c, row.k);
        }
        out << text.simplified();
    }
    return out;
}

} // namespace testing
