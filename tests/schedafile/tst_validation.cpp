// The check before "Genera": its findings on a content value per model and kind of fault, and what
// the window shows of them (restore, page, focus, the question about note "Nota 1.0.c").
#include "schedafile/controllofinestra.h"
#include "schedafile/salvascheda.h"
#include "support.h"
#include "windows/contenutofinestra.h"
#include "windows/generaldata.h"
#include "windows/gridrules.h"
#include "windows/membersgrid.h"
#include "windows/notelink.h"
#include "windows/notewindow.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using qst::Contenuto;
using qst::Modello;
using qst::Risposta;
using sf::Rilievo;
using testing::Fixture;
using C = sf::Fuoco::Controllo;
using T = Rilievo::Tipo;

using Modifica = std::function<void(Contenuto &)>;
Q_DECLARE_METATYPE(Modello)
Q_DECLARE_METATYPE(Modifica)

namespace
{

const QString kPrima = QStringLiteral("prima di passare alla generazione del file.");
const QString kDomanda81 = QStringLiteral(
    "Il numero massimo di incarichi previsti dallo statuto\nè inferiore agli incarichi ricoperti.\n"
    "E' necessario compilare la nota 1.0.c.\nSi desidera compilare tale nota adesso?");
const QString kData = QStringLiteral("Si è inserita una data non corretta!");

// Member row r filled in every data column.
void membroCompleto(Contenuto &c, int r)
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

// A questionnaire that passes: every group answered SI with its note, the number boxes filled.
Contenuto completo(Modello m)
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
        membroCompleto(c, r);
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

// Puts a content value into the window as a file would: no edit marked, no note window.
void applica(Fixture &f, const Contenuto &c)
{
    win::applicaContenuto(*f.module, c);
    f.state().salvato = true;
}

// The control that has the focus in the window, or takes it when the window is next active.
QString nomeFuoco(const QWidget &window)
{
    const QWidget *w = window.focusWidget();
    return w ? w->objectName() : QString();
}

QStringList descrivi(const std::vector<Rilievo> &rilievi)
{
    QStringList out;
    for (const Rilievo &r : rilievi)
        out << QStringLiteral(
                   "kind %1, %2 icon %3, page %4, focus %5:%6 cell %7,%8, row %9, message %10: %11")
                   .arg(int(r.tipo))
                   .arg(r.titolo)
                   .arg(int(r.icona))
                   .arg(r.pagina)
                   .arg(int(r.fuoco.controllo))
                   .arg(r.fuoco.indice)
                   .arg(r.fuoco.riga)
                   .arg(r.fuoco.colonna)
                   .arg(r.riga)
                   .arg(QLatin1String(r.messaggioPrima ? "first" : "last"), r.testo);
    return out;
}

Rilievo rilievo(T tipo, const char *titolo, const QString &testo, sf::Fuoco fuoco, int pagina, bool prima)
{
    return Rilievo{.tipo = tipo,
                   .testo = testo,
                   .titolo = QString::fromLatin1(titolo),
                   .fuoco = fuoco,
                   .pagina = pagina,
                   .messaggioPrima = prima};
}

Rilievo griglia(const QString &testo, int riga = -1, int colonna = -1)
{
    return rilievo(T::Blocca, "Errore", testo, {C::Griglia, -1, riga, colonna}, 0, false);
}

Rilievo domanda(const QString &pagina, const QString &citata, sf::Fuoco fuoco, int tab, bool prima)
{
    return rilievo(T::Blocca, "Errore",
                   QStringLiteral("Verificare la domanda nel ") + pagina + QStringLiteral("\n<") + citata +
                       QStringLiteral(">\n") + kPrima,
                   fuoco, tab, prima);
}

Rilievo nota(const char *link, const QString &pagina, int tab)
{
    return rilievo(T::Blocca, "Errore",
                   QStringLiteral("Verificare la <%1> nel %2\n").arg(QLatin1String(link), pagina) + kPrima,
                   {}, tab, true);
}

Rilievo chiede81(int riga)
{
    Rilievo r = rilievo(T::Domanda, "Attenzione", kDomanda81, {}, -1, true);
    r.icona = platform::Icon::Exclamation;
    r.riga = riga;
    return r;
}

} // namespace

class TestValidation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findings_data();
    void findings();
    void window_data();
    void window();
    void officesQuestion_data();
    void officesQuestion();
    void largestQuestionnaireIsQuick();
    void generaWritesOnlyAComplete_data();
    void generaWritesOnlyAComplete();
};

void TestValidation::findings_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<Modifica>("modifica");
    QTest::addColumn<QStringList>("expected");

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
        const auto add = [m](const char *name, Modifica mod, const std::vector<Rilievo> &expected) {
            QTest::addRow("%s: %s", testing::modelName(m), name) << m << mod << descrivi(expected);
        };
        const auto vuoto = [&](const QString &frase, int i) {
            return rilievo(T::Blocca, "Errore",
                           QStringLiteral("Verificare nel riquadro Dati Generali") + frase + kPrima,
                           {C::Campo, i}, 0, primaDG);
        };
        const auto data = [&](int giorno) {
            return rilievo(T::Prosegue, "Attenzione", kData, {C::Campo, giorno}, 0, primaDG);
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
            [](Contenuto &c) { membroCompleto(c, 3), c.membri[2] = c.rigaVuota(2); },
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

        add("nothing answered", [](Contenuto &c) { c.risposte.fill(Risposta::Nessuna), c.numeri.fill({}); },
            {domanda(r1,
                     QStringLiteral("La società ha effettuato operazioni atipiche o inusuali con: società "
                                    "infragruppo"),
                     {C::Risposta, 0}, 1, primaDom)});
        add("group 3 unanswered", senzaNota(3, Risposta::Nessuna),
            {domanda(
                r1,
                QStringLiteral("Sono state effettuate altre operazioni rilevanti sotto il profilo economico, "
                               "finanziario e patrimoniale?"),
                {C::Risposta, 3}, 1, primaDom)});
        add("group 4 unanswered", senzaNota(4, Risposta::Nessuna),
            {domanda(
                r1,
                QStringLiteral("Sono state effettuate altre operazioni infragruppo e con parti correlate "
                               "aventi natura ordinaria o ricorrente Sono di natura commerciale?"),
                {C::Risposta, 4}, 1, primaDom)});
        add("Inadeguata without note", senzaNota(7, Risposta::No), {nota("Nota 2.a", r1, 1)});
        add("Adeguata without note", senzaNota(7, Risposta::Si), {});
        add("red link over a blank note", [](Contenuto &c) { c.noteSi.set(20, QStringLiteral(" \r\n\t")); },
            {nota("Nota 8.a", r2, 2)});
        add("note kept with the other answer", [](Contenuto &c) { c.risposte[20] = Risposta::No; },
            {nota("Nota 8.a", r2, 2)});
        add("group 21 NO without note", senzaNota(21, Risposta::No), {});
        add("N/A without note", senzaNota(0, Risposta::NA), {});
        add("item 79 unticked", senzaNota(79, Risposta::Nessuna),
            {domanda(dg, QString::fromUtf8(items[mi][0]), {C::Risposta, 79}, 0, primaDom)});
        add("item 79 without note", senzaNota(79, Risposta::Si), {nota("Nota 1.0.a", dg, 0)});
        if (trad) {
            add("item 80 NO without note", senzaNota(80, Risposta::No), {});
            add("item 80 SI without note", senzaNota(80, Risposta::Si), {nota("Nota 1.0.b", dg, 0)});
            add("number box 34 blank", [](Contenuto &c) { c.numeri[0] = QStringLiteral(" "); },
                {domanda(
                    QStringLiteral("Riquadro II"),
                    QStringLiteral("Quante riunioni sono state svolte dal comitato per il controllo interno "
                                   "nel corso dell'anno?"),
                    {C::Numero, 0}, 3, false)});
            add("groups 75 and 76 unanswered",
                [](Contenuto &c) { c.risposte[75] = c.risposte[76] = Risposta::Nessuna; }, {});
        } else {
            add("item 80 unticked", senzaNota(80, Risposta::Nessuna),
                {domanda(dg, QString::fromUtf8(items[mi][1]), {C::Risposta, 80}, 0, primaDom)});
            add("hidden group 69 unanswered", senzaNota(69, Risposta::Nessuna), {});
        }

        add("two-digit year", set({{4, "23"}}), {data(2)});
        add("31 February", set({{34, "31"}, {35, "02"}}), {data(34)});
        add("day and month swapped", set({{2, "12"}, {3, "31"}}), {data(2)});
        add("both dates and a statute maximum past 32767", set({{36, ""}, {4, "23"}, {33, "32768"}}),
            {data(34), data(2),
             rilievo(T::Blocca, "Attenzione", QStringLiteral("Si è inserito un valore non numerico!"),
                     {C::Campo, 33}, 0, true)});
        add("statute maximum of 32767", set({{33, "32767"}}), {});
        add("offices past 32767", membro(1, 5, "32768"),
            {rilievo(T::Blocca, "Attenzione",
                     QStringLiteral("Si è inserito un valore non numerico nel campo incarichi ricoperti!"),
                     {C::Griglia, -1, 1, 5}, 0, true)});
        add("offices beyond the maximum", set({{33, "1"}}), {chiede81(0)});
        add("offices beyond the maximum, note 1.0.c written", nota81("Delibera"), {});
        add("offices beyond the maximum, note 1.0.c blank", nota81(" "), {chiede81(1)});
    }
}

void TestValidation::findings()
{
    QFETCH(Modello, model);
    QFETCH(Modifica, modifica);
    QFETCH(QStringList, expected);
    Contenuto c = completo(model);
    modifica(c);
    QCOMPARE(descrivi(sf::controllaContenuto(c)), expected);
}

void TestValidation::window_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<Modifica>("modifica");
    QTest::addColumn<bool>("inTray");
    QTest::addColumn<QString>("focus"); // empty: the questionnaire passes
    QTest::addColumn<int>("page");
    QTest::addColumn<QPoint>("cell"); // the grid's current column and row; (-1, -1) not looked at
    const QPoint none(-1, -1);
    const auto row = [](const QString &name, Modello m, Modifica mod, bool tray, const char *focus, int page,
                        QPoint cell) {
        QTest::newRow(qPrintable(name)) << m << mod << tray << QString::fromLatin1(focus) << page << cell;
    };
    for (Modello m : qst::kModelli)
        row(
            QStringLiteral("complete %1").arg(QLatin1String(testing::modelName(m))), m, [](Contenuto &) {},
            false, "", 5, none);
    row(
        QStringLiteral("empty address, in the tray"), Modello::Tradizionale,
        [](Contenuto &c) { c.generale[5].clear(); }, true, "TEXT_GENERALE_5", 0, none);
    row(
        QStringLiteral("short tax code"), Modello::Dualistico,
        [](Contenuto &c) { c.generale[1] = QStringLiteral("1"); }, false, "TEXT_GENERALE_1", 0, none);
    row(
        QStringLiteral("incomplete member"), Modello::Monistico, [](Contenuto &c) { c.membri[1][6].clear(); },
        false, "MSHFlexGrid1", 0, QPoint(6, 1));
    for (int i : {0, 1, 2})
        row(
            QStringLiteral("number box %1").arg(i), Modello::Tradizionale,
            [i](Contenuto &c) { c.numeri[size_t(i)].clear(); }, false,
            qPrintable(QStringLiteral("TEXT_%1").arg(i)), 3, none);
    row(
        QStringLiteral("unanswered question"), Modello::Dualistico,
        [](Contenuto &c) { c.risposte[50] = Risposta::Nessuna; }, false, "Check_SI_50", 4, none);
    row(
        QStringLiteral("offices not a number"), Modello::Tradizionale,
        [](Contenuto &c) { c.membri[2][5] = QStringLiteral("-1"); }, false, "MSHFlexGrid1", 0, QPoint(5, 2));
    // A missing note moves no focus: it stays on "Genera".
    row(
        QStringLiteral("missing note"), Modello::Monistico, [](Contenuto &c) { c.notaRossa[31] = false; },
        false, "Command_Function_3", 2, none);
}

void TestValidation::window()
{
    QFETCH(Modello, model);
    QFETCH(Modifica, modifica);
    QFETCH(bool, inTray);
    QFETCH(QString, focus);
    QFETCH(int, page);
    QFETCH(QPoint, cell);
    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    Contenuto c = completo(model);
    modifica(c);
    applica(f, c);
    QVERIFY(testing::activate(w));
    w.MySSTab->setCurrentIndex(5);
    w.Command_Function[3]->setFocus();
    if (inTray) {
        w.showMinimized();
        QTRY_VERIFY(w.isHidden());
    }
    if (!focus.isEmpty())
        f.platform.answer(platform::Answer::Ok, QString(),
                          [&] { QVERIFY(w.isVisible() && !w.isMinimized()); });

    QCOMPARE(sf::controllaScheda(*f.module), focus.isEmpty());
    QCOMPARE(f.platform.messages.size(), focus.isEmpty() ? 0 : 1);
    QCOMPARE(w.MySSTab->currentIndex(), page);
    if (!focus.isEmpty()) {
        QCOMPARE(nomeFuoco(w), focus);
        QVERIFY(w.focusWidget()->isVisible());
    }
    if (cell.x() >= 0)
        QCOMPARE(QPoint(w.MSHFlexGrid1->currentColumn(), w.MSHFlexGrid1->currentRow()), cell);
    QVERIFY(f.state().salvato && f.platform.modalShown == 0);
    VERIFY_NO_FAILURES(f);
}

void TestValidation::officesQuestion_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<bool>("datesWrong");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("note"); // typed in the note window before "Fine"
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("passes");
    const QString missing = QStringLiteral("Verificare la <Nota 1.0.c> nel Dati Generali\n") + kPrima;
    QTest::newRow("both dates wrong, then No") << Modello::Tradizionale << true << false << QString()
                                               << QStringList{kData, kData, kDomanda81} << false;
    QTest::newRow("Yes, note left empty") << Modello::Dualistico << false << true << QStringLiteral("  ")
                                          << QStringList{kDomanda81, missing} << false;
    QTest::newRow("Yes, note written")
        << Modello::Monistico << false << true << QStringLiteral("Delibera del CdA")
        << QStringList{kDomanda81} << true;
}

void TestValidation::officesQuestion()
{
    QFETCH(Modello, model);
    QFETCH(bool, datesWrong);
    QFETCH(bool, yes);
    QFETCH(QString, note);
    QFETCH(QStringList, messages);
    QFETCH(bool, passes);
    Fixture f(model);
    win::QuestionnaireWindow &w = f.window();
    Contenuto c = completo(model);
    c.generale[33] = QStringLiteral("3");
    c.membri[0][5] = c.membri[2][5] = QStringLiteral("4");
    if (datesWrong) // the start date's day keeps one digit, which leaving its box completes
        c.generale[35] = c.generale[4] = QStringLiteral("13");
    applica(f, c);
    QVERIFY(testing::activate(w));
    w.MySSTab->setCurrentIndex(5);
    // The focus ends in the closing date's day box before the question comes.
    const auto afterDates = [&] { QCOMPARE(nomeFuoco(w), QStringLiteral("TEXT_GENERALE_2")); };
    for (const QString &m : messages)
        f.platform.answer(m != kDomanda81 ? platform::Answer::Ok
                          : yes           ? platform::Answer::Yes
                                          : platform::Answer::No,
                          m, m == kDomanda81 && datesWrong ? afterDates : std::function<void()>());
    if (yes)
        f.platform.modal([note](QDialog &d) {
            auto &nw = static_cast<win::NoteWindow &>(d);
            QCOMPARE(nw.windowTitle(), QStringLiteral("Nota 1.0.c - Testo associato"));
            QTest::keyClicks(nw.TEXT_NOTE, note);
            nw.End_Note->click();
        });

    QCOMPARE(sf::controllaScheda(*f.module), passes);
    QVERIFY(f.platform.allConsumed());
    QCOMPARE(f.platform.messages.size(), messages.size()); // asked once for both rows
    const platform::BoxRequest &q = f.platform.messages[datesWrong ? 2 : 0];
    QVERIFY(q.title == QStringLiteral("Attenzione") && q.buttons == platform::Buttons::YesNo &&
            q.icon == platform::Icon::Exclamation && q.defaultButton == 0);
    if (!yes)
        QCOMPARE(nomeFuoco(w), QStringLiteral("TEXT_GENERALE_33"));
    QCOMPARE(w.MySSTab->currentIndex(), passes ? 5 : 0);
    QCOMPARE(w.Check_SI[81]->isChecked(), passes);
    QCOMPARE(f.state().noteSi.at(81), passes ? note : QString());
    QVERIFY(f.platform.fileDialogs.isEmpty());
    VERIFY_NO_FAILURES(f);
}

void TestValidation::largestQuestionnaireIsQuick()
{
    Fixture f(Modello::Tradizionale);
    Contenuto c = completo(Modello::Tradizionale);
    const QString lunga(qst::kNoteLimit - 1, QLatin1Char('x'));
    for (int r = 0; r < 200; ++r) {
        membroCompleto(c, r);
        c.membri[size_t(r)][c.tabella().noteColumn()] = lunga + QLatin1Char('x');
    }
    for (int k = 0; k < qst::kGroups; ++k)
        c.noteSi.set(k, QLatin1Char(' ') + lunga);
    applica(f, c);

    QElapsedTimer timer;
    timer.start();
    QVERIFY(sf::controllaScheda(*f.module));
    const qint64 ms = timer.elapsed();
    qInfo("controllaScheda of 200 members and 82 notes of 65000 characters: %lld ms", ms);
    QVERIFY2(ms < 50 * SCHEDA_SLOWDOWN, qPrintable(QString::number(ms)));
}

// "Genera" through the save command: a complete questionnaire of each model is written, an
// incomplete one stops at its message before the save dialog.
void TestValidation::generaWritesOnlyAComplete_data()
{
    QTest::addColumn<Modello>("model");
    QTest::addColumn<bool>("complete");
    for (Modello m : qst::kModelli)
        for (bool complete : {true, false})
            QTest::addRow("%s %s", testing::modelName(m), complete ? "complete" : "no company name")
                << m << complete;
}

void TestValidation::generaWritesOnlyAComplete()
{
    QFETCH(Modello, model);
    QFETCH(bool, complete);
    Fixture f(model);
    sf::SalvaScheda salva(*f.module, QCoreApplication::applicationDirPath());
    Contenuto c = completo(model);
    if (!complete)
        c.generale[0].clear();
    applica(f, c);
    f.state().salvato = false;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("finale.xml"));
    if (complete)
        f.platform.chooseFile(path);
    else
        f.platform.answer(platform::Answer::Ok, QStringLiteral("la denominazione della società"));

    QCOMPARE(salva.salvaScheda(true), complete);
    QCOMPARE(QFileInfo::exists(path), complete);
    QCOMPARE(f.platform.fileDialogs.size(), complete ? 1 : 0);
    QCOMPARE(f.state().salvato, complete);
    QCOMPARE(f.window().windowTitle().endsWith(QStringLiteral(" - finale.xml")), complete);
    VERIFY_NO_FAILURES(f);
}

QTEST_MAIN(TestValidation)
#include "tst_validation.moc"
