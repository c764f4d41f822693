// The check before "Genera" on a content value: its findings per model and kind of fault.
#include "contents.h"
#include "questionnaire/check.h"

#include <QTest>

using qst::Contenuto;
using qst::Finding;
using qst::Modello;
using qst::Risposta;
using C = qst::FocusTarget::Kind;
using T = Finding::Kind;

using Modifica = std::function<void(Contenuto &)>;
using testing::kData;
using testing::kDomanda81;
using testing::kPrima;
Q_DECLARE_METATYPE(Modello)
Q_DECLARE_METATYPE(Modifica)

namespace
{

QStringList descrivi(const std::vector<Finding> &rilievi)
{
    QStringList out;
    for (const Finding &r : rilievi)
        out << QStringLiteral(
                   "kind %1, %2 icon %3, page %4, focus %5:%6 cell %7,%8, row %9, message %10: %11")
                   .arg(int(r.kind))
                   .arg(r.title)
                   .arg(int(r.icon))
                   .arg(r.page)
                   .arg(int(r.focus.kind))
                   .arg(r.focus.index)
                   .arg(r.focus.row)
                   .arg(r.focus.column)
                   .arg(r.row)
                   .arg(QLatin1String(r.messageFirst ? "first" : "last"), r.text);
    return out;
}

Finding rilievo(T tipo, const char *titolo, const QString &testo, qst::FocusTarget fuoco, int pagina,
                bool prima)
{
    return Finding{.kind = tipo,
                   .text = testo,
                   .title = QString::fromLatin1(titolo),
                   .focus = fuoco,
                   .page = pagina,
                   .messageFirst = prima};
}

Finding griglia(const QString &testo, int riga = -1, int colonna = -1)
{
    return rilievo(T::Stop, "Errore", testo, {C::Grid, -1, riga, colonna}, 0, false);
}

Finding domanda(const QString &pagina, const QString &citata, qst::FocusTarget fuoco, int tab, bool prima)
{
    return rilievo(T::Stop, "Errore",
                   QStringLiteral("Verificare la domanda nel ") + pagina + QStringLiteral("\n<") + citata +
                       QStringLiteral(">\n") + kPrima,
                   fuoco, tab, prima);
}

Finding nota(const char *link, const QString &pagina, int tab)
{
    return rilievo(T::Stop, "Errore",
                   QStringLiteral("Verificare la <%1> nel %2\n").arg(QLatin1String(link), pagina) + kPrima,
                   {}, tab, true);
}

Finding chiede81(int riga)
{
    Finding r = rilievo(T::Question, "Attenzione", kDomanda81, {}, -1, true);
    r.icon = qst::FindingIcon::Exclamation;
    r.row = riga;
    return r;
}

} // namespace

class TestCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findings_data();
    void findings();
};

void TestCheck::findings_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<Modifica>("modifica");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("answer"); // the note written when asked for "Nota 1.0.c"; null declines

    const char *const organi[] = {"collegio sindacale", "consiglio di sorveglianza",
                                  "comitato per il controllo sulla gestione"};
    const char *const items[][2] = {
        {"Materie e settori strettamente attinenti quello dell'impresa", ""},
        {"Requisiti di professionalità dei consiglieri di sorveglianza",
         "Requisiti di indipendenza, cause di ineleggibilità e decadenze ulteriori rispetto a quelli di "
         "legge"},
        {"Requisiti di professionalità dei membri del comitato per il controllo sulla gestione",
         "Requisiti di indipendenza previsti da codici di comportamento di associazioni di categoria o di "
         "soci"}};
    const QString r1 = QStringLiteral("Riquadro I [1/2]");
    const QString r2 = QStringLiteral("Riquadro I [2/2]");
    const QString dg = QStringLiteral("Dati Generali");
    const QString mancano = QStringLiteral("All'elemento [%1] mancano uno o più campi!");

    const auto set = [](std::initializer_list<std::pair<int, const char *>> lista) {
        return [campi = std::vector(lista)](Contenuto &c) {
            for (const auto &[i, text] : campi)
                c.generale[size_t(i)] = QString::fromUtf8(text);
        };
    };
    const auto membro = [](int r, int col, const char *text) {
        return [=](Contenuto &c) { c.membri[size_t(r)][col] = QString::fromUtf8(text); };
    };
    const auto senzaNota = [](int k, Risposta r) {
        return [=](Contenuto &c) { c.risposte[size_t(k)] = r, c.notaRossa[size_t(k)] = false; };
    };
    const auto quarta = [](const char *name) {
        return [=](Contenuto &c) {
            c.membri.push_back(c.rigaVuota(3)), c.membri[3][1] = QString::fromUtf8(name);
        };
    };
    const auto nota81 = [](const char *text) {
        return [=](Contenuto &c) {
            c.generale[33] = QStringLiteral("3");
            c.membri[1][5] = QStringLiteral("4");
            c.membri[2][5] = QStringLiteral("x"); // no longer looked at once the note is there
            c.risposte[81] = Risposta::Si;
            c.notaRossa[81] = true;
            c.noteSi.set(81, QString::fromUtf8(text));
        };
    };

    for (Modello m : qst::kModelli) {
        const size_t mi = size_t(m);
        const bool trad = m == Modello::Tradizionale;
        const bool dual = m == Modello::Dualistico;
        const bool primaDG = !dual; // message before the focus: general data and dates
        const bool primaDom = trad; // message before the focus: an unanswered question
        const QString organo = QString::fromUtf8(organi[mi]);
        const int notaMembro = dual ? 10 : 11;
        const auto add = [m](const char *name, Modifica mod, const std::vector<Finding> &expected,
                             const QString &answer = QString()) {
            QTest::addRow("%s: %s", testing::modelName(m), name) << m << mod << descrivi(expected) << answer;
        };
        const auto vuoto = [&](const QString &frase, int i) {
            return rilievo(T::Stop, "Errore",
                           QStringLiteral("Verificare nel riquadro Dati Generali") + frase + kPrima,
                           {C::Field, i}, 0, primaDG);
        };
        const auto data = [&](int giorno) {
            return rilievo(T::Continue, "Attenzione", kData, {C::Field, giorno}, 0, primaDG);
        };

        add("complete", [](Contenuto &) {}, {});
        add("empty name", set({{0, ""}}), {vuoto(QStringLiteral(" la denominazione della società "), 0)});
        add("empty name and short tax code", set({{0, ""}, {1, "123"}}),
            {vuoto(QStringLiteral(" la denominazione della società "), 0)});
        add("blank address", set({{5, " \t "}}), {vuoto(QStringLiteral(" l'indirizzo del referente "), 5)});
        add("tax code of 10 digits", set({{1, "0123456789"}}),
            {vuoto(QStringLiteral(" che il codice fiscale della società sia di 11 caratteri "), 1)});
        add("no body meetings", set({{62, ""}}),
            {vuoto(QStringLiteral(" il numero di riunioni del ") + organo + u' ', 62)});
        add("no board meetings", set({{64, ""}}),
            {vuoto(dual ? QStringLiteral(" il numero di riunioni del consiglio di gestione ")
                        : QStringLiteral(" il numero di riunioni del consiglio d'amministrazione "),
                   64)});
        if (!dual) {
            add("no committee meetings", set({{65, ""}}),
                {vuoto(QStringLiteral(" il numero di riunioni del comitato esecutivo "), 65)});
            add("committee meetings N/A", [](Contenuto &c) { c.generale[65].clear(), c.riunioniNA = true; },
                {});
        }
        add("empty e-mail", set({{7, ""}}), {});

        add("two members", [](Contenuto &c) { c.membri[2] = c.rigaVuota(2); },
            {griglia(QStringLiteral("I membri effettivi del ") + organo +
                     QStringLiteral(" devono essere almeno tre."))});
        add("rows 1, 2 and 4 filled",
            [](Contenuto &c) { testing::fillMember(c, 3), c.membri[2] = c.rigaVuota(2); },
            {griglia(mancano.arg(3), 2, 1)});
        add("no requirements note", membro(0, notaMembro, ""),
            {griglia(mancano.arg(u"Pres."), 0, notaMembro)});
        add("blank member name", membro(1, 1, "   "), {griglia(mancano.arg(2), 1, 1)});
        add("short tax code in an incomplete row",
            [membro](Contenuto &c) { membro(1, 2, "RSSMRA70A01H501")(c), membro(1, 7, "")(c); },
            {griglia(QStringLiteral("Il codice fiscale dell'elemento [2] deve essere di 16 caratteri"), 1,
                     2)});
        add("fourth row with a name only", quarta("Anna Bianchi"), {griglia(mancano.arg(4), 3, 2)});
        add("fourth row of blanks", quarta(" "), {griglia(mancano.arg(4), 3, 1)});
        add("fourth row empty", quarta(""), {});
        add("minority forse", membro(1, 3, "forse"), {griglia(mancano.arg(2), 1, 3)});
        add("minority si", membro(1, 3, "si"), {});

        add("nothing answered", [](Contenuto &c) { c.risposte.fill(Risposta::Nessuna), c.numeri.fill({}); },
            {domanda(r1,
                     QStringLiteral("La società ha effettuato operazioni atipiche o inusuali con: società "
                                    "infragruppo"),
                     {C::Answer, 0}, 1, primaDom)});
        add("group 3 unanswered", senzaNota(3, Risposta::Nessuna),
            {domanda(
                r1,
                QStringLiteral("Sono state effettuate altre operazioni rilevanti sotto il profilo economico, "
                               "finanziario e patrimoniale?"),
                {C::Answer, 3}, 1, primaDom)});
        add("group 4 unanswered", senzaNota(4, Risposta::Nessuna),
            {domanda(
                r1,
                QStringLiteral("Sono state effettuate altre operazioni infragruppo e con parti correlate "
                               "aventi natura ordinaria o ricorrente Sono di natura commerciale?"),
                {C::Answer, 4}, 1, primaDom)});
        add("Inadeguata without note", senzaNota(7, Risposta::No), {nota("Nota 2.a", r1, 1)});
        add("Adeguata without note", senzaNota(7, Risposta::Si), {});
        add("red link over a blank note", [](Contenuto &c) { c.noteSi.set(20, QStringLiteral(" \r\n\t")); },
            {nota("Nota 8.a", r2, 2)});
        add("note kept with the other answer", [](Contenuto &c) { c.risposte[20] = Risposta::No; },
            {nota("Nota 8.a", r2, 2)});
        add("group 21 NO without note", senzaNota(21, Risposta::No), {});
        add("N/A without note", senzaNota(0, Risposta::NA), {});
        add("item 79 unticked", senzaNota(79, Risposta::Nessuna),
            {domanda(dg, QString::fromUtf8(items[mi][0]), {C::Answer, 79}, 0, primaDom)});
        add("item 79 without note", senzaNota(79, Risposta::Si), {nota("Nota 1.0.a", dg, 0)});
        if (trad) {
            add("item 80 NO without note", senzaNota(80, Risposta::No), {});
            add("item 80 SI without note", senzaNota(80, Risposta::Si), {nota("Nota 1.0.b", dg, 0)});
            add("number box 34 blank", [](Contenuto &c) { c.numeri[0] = QStringLiteral(" "); },
                {domanda(
                    QStringLiteral("Riquadro II"),
                    QStringLiteral("Quante riunioni sono state svolte dal comitato per il controllo interno "
                                   "nel corso dell'anno?"),
                    {C::NumberBox, 0}, 3, false)});
            add("groups 75 and 76 unanswered",
                [](Contenuto &c) { c.risposte[75] = c.risposte[76] = Risposta::Nessuna; }, {});
        } else {
            add("item 80 unticked", senzaNota(80, Risposta::Nessuna),
                {domanda(dg, QString::fromUtf8(items[mi][1]), {C::Answer, 80}, 0, primaDom)});
            add("hidden group 69 unanswered", senzaNota(69, Risposta::Nessuna), {});
        }

        add("two-digit year", set({{4, "23"}}), {data(2)});
        add("31 February", set({{34, "31"}, {35, "02"}}), {data(34)});
        add("day and month swapped", set({{2, "12"}, {3, "31"}}), {data(2)});
        add("both dates and a statute maximum past 32767", set({{36, ""}, {4, "23"}, {33, "32768"}}),
            {data(34), data(2),
             rilievo(T::Stop, "Attenzione", QStringLiteral("Si è inserito un valore non numerico!"),
                     {C::Field, 33}, 0, true)});
        add("statute maximum of 32767", set({{33, "32767"}}), {});
        add("offices past 32767", membro(1, 5, "32768"),
            {rilievo(T::Stop, "Attenzione",
                     QStringLiteral("Si è inserito un valore non numerico nel campo incarichi ricoperti!"),
                     {C::Grid, -1, 1, 5}, 0, true)});
        // The question: declined, back to the statute maximum; answered, the note must hold text.
        const Finding declined = rilievo(T::Stop, "", QString(), {C::Field, 33}, 0, false);
        add("offices beyond the maximum, declined", set({{33, "1"}}), {chiede81(0), declined});
        add("offices beyond the maximum, note written when asked", set({{33, "1"}}), {chiede81(0)},
            QStringLiteral("Delibera"));
        add("offices beyond the maximum, blank note when asked", set({{33, "1"}}),
            {chiede81(0), nota("Nota 1.0.c", dg, 0)}, QStringLiteral(" "));
        add("offices beyond the maximum, note 1.0.c written", nota81("Delibera"), {});
        add("offices beyond the maximum, note 1.0.c blank", nota81(" "), {chiede81(1), declined});
    }
}

void TestCheck::findings()
{
    QFETCH(Modello, model);
    QFETCH(Modifica, modifica);
    QFETCH(QStringList, expected);
    QFETCH(QString, answer);
    Contenuto c = testing::complete(model);
    modifica(c);
    std::vector<Finding> shown;
    const bool passes = qst::runCheck(
        c, [&shown](const Finding &f) { shown.push_back(f); },
        [&](const Finding &question) -> std::optional<Contenuto> {
            shown.push_back(question);
            if (answer.isNull())
                return std::nullopt;
            Contenuto after = c;
            after.risposte[81] = Risposta::Si;
            after.notaRossa[81] = true;
            after.noteSi.set(81, answer);
            return after;
        });
    QCOMPARE(descrivi(shown), expected);
    // The questionnaire passes when nothing but a question answered with a note was shown.
    QCOMPARE(passes,
             std::all_of(shown.begin(), shown.end(), [](const Finding &f) { return f.kind == T::Question; }));
}

QTEST_MAIN(TestCheck)
#include "tst_check.moc"
