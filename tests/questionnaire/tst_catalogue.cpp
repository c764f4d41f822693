#include "questionnaire/catalogue.h"
#include "questionnaire/v11content.h"

#include <QTest>

#include <map>
#include <set>

using namespace qst;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

constexpr Modello T = Modello::Tradizionale;
constexpr Modello D = Modello::Dualistico;
constexpr Modello M = Modello::Monistico;

// Per model, in enum order: name, control body, labels and answer groups the form lists.
struct Expect {
    const char *name;
    const char *body;
    const char *labels;
    const char *groups;
    int withText; // labels with a non-empty text
    int shown;    // of which not hidden
};
constexpr Expect kExpect[] = {
    {"Tradizionale", "collegio sindacale", "0-80", "0-81", 79, 79},
    {"Dualistico", "consiglio di sorveglianza", "0-32, 50-72, 74-76, 79, 80", "0-30, 48-70, 72-74, 77-81", 61,
     60},
    {"Monistico", "comitato per il controllo sulla gestione", "0-33, 50-76, 79, 80", "0-31, 48-74, 77-81", 63,
     62},
};
const Expect &expect(Modello m)
{
    return kExpect[static_cast<int>(m)];
}

// Pages 1..5 by answer group, as the form lays them out.
const char *const kPageGroups[] = {"0-14, 72", "15-31, 73, 74", "32-47, 75, 76", "48-61, 77", "62-71, 78"};

const PageRow *findRow(Modello m, int page, int q)
{
    for (const PageRow &r : righePagina(m, page))
        if (r.q == q)
            return &r;
    return nullptr;
}

void addModelRows()
{
    QTest::addColumn<Modello>("m");
    for (Modello m : kModelli)
        QTest::newRow(expect(m).name) << m;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogueInvariants_data() { addModelRows(); }
    void catalogueInvariants();
    void modelTextsNameOwnBody_data();
    void modelTextsNameOwnBody();
    void beginnings_data();
    void beginnings();
    void derivedTexts();
    void rowsCoverGroups_data() { addModelRows(); }
    void rowsCoverGroups();
    void rowLooks_data();
    void rowLooks();
    void rowOrder_data();
    void rowOrder();
    void generalLabels_data() { addModelRows(); }
    void generalLabels();
    void v11Texts();
    void v11Rows_data();
    void v11Rows();
};

// Presence, counts, body names, closing punctuation and item indentation of every text.
void TestCatalogue::catalogueInvariants()
{
    QFETCH(Modello, m);
    const Expect &e = expect(m);
    const IndexSet labels(e.labels);
    QCOMPARE(modelTable(m).questionLabels, labels);

    std::map<int, QString> endings = {{0, QStringLiteral("con:")},
                                      {1, QString::fromUtf8("società infragruppo")},
                                      {2, QStringLiteral("parti correlate")},
                                      {3, QStringLiteral("terzi")},
                                      {5, QStringLiteral("ricorrente")},
                                      {9, QStringLiteral("risulta:")},
                                      {79, QStringLiteral("costitutivo")},
                                      {80, QStringLiteral("controllate")}};
    if (m == M)
        endings[73] = QStringLiteral("codice civile");
    const std::set<int> items = {1, 2, 3, 6, 7};
    const QString indent(48, QLatin1Char(' '));

    std::set<int> hidden;
    for (int page = 1; page <= 5; ++page)
        for (const PageRow &r : righePagina(m, page))
            if (r.labelHidden)
                hidden.insert(r.q);

    int withText = 0, shown = 0;
    for (int q = -1; q <= kLabels; ++q) {
        const auto t = testoDomanda(m, q);
        const QByteArray where = QByteArray::number(q);
        QVERIFY2(t.has_value() == labels.contains(q), where);
        if (!t || t->isEmpty())
            continue;
        ++withText;
        shown += hidden.count(q) ? 0 : 1;
        for (const Expect &other : kExpect)
            if (&other != &e)
                QVERIFY2(!t->contains(QString::fromUtf8(other.body), Qt::CaseInsensitive), where);
        if (m != T)
            QVERIFY2(!t->contains(QStringLiteral("collegio"), Qt::CaseInsensitive) &&
                         !t->contains(QStringLiteral("sindac"), Qt::CaseInsensitive),
                     where);
        if (auto end = endings.find(q); end != endings.end())
            QVERIFY2(t->endsWith(end->second) && !t->contains(QLatin1Char('?')), where);
        else
            QVERIFY2(t->endsWith(QLatin1Char('?')), where);
        if (items.count(q))
            QVERIFY2(t->startsWith(indent) && t->at(48) != QLatin1Char(' '), where);
        else
            QVERIFY2(!t->startsWith(QLatin1Char(' ')), where);
    }
    QCOMPARE(withText, e.withText);
    QCOMPARE(shown, e.shown);
}

void TestCatalogue::modelTextsNameOwnBody_data()
{
    QTest::addColumn<Modello>("m");
    QTest::addColumn<QList<int>>("labels");
    QTest::addColumn<QString>("words");
    QTest::newRow("T") << T << QList<int>{8, 18, 64, 75, 76} << QStringLiteral("collegio sindacale");
    QTest::newRow("T collegio") << T << QList<int>{25, 26, 46, 66} << QStringLiteral("collegio");
    QTest::newRow("M") << M << QList<int>{8, 18, 25, 26, 33, 64, 66, 73, 75, 76}
                       << QString::fromUtf8(expect(M).body);
    QTest::newRow("D") << D << QList<int>{8, 18, 25, 26, 64, 66, 75, 76} << QString::fromUtf8(expect(D).body);
    QTest::newRow("D management") << D << QList<int>{10, 56} << QStringLiteral("consiglieri di gestione");
}

void TestCatalogue::modelTextsNameOwnBody()
{
    QFETCH(Modello, m);
    QFETCH(QList<int>, labels);
    QFETCH(QString, words);
    for (int q : labels) {
        const auto t = testoDomanda(m, q);
        QVERIFY2(t && t->contains(words, Qt::CaseInsensitive), qPrintable(QString::number(q)));
    }
}

void TestCatalogue::beginnings_data()
{
    QTest::addColumn<int>("q");
    QTest::addColumn<QString>("begin");
    const std::pair<int, const char *> table[] = {
        {4, "Sono state effettuate altre operazioni rilevanti"},
        {11, "Sono stati esaminati i rilievi ed"},
        {12, "E' stata valutata la proposta di"},
        {17, "Sono stati esaminati gli eventuali ulteriori"},
        {19, "Si sono tenute periodiche riunioni con"},
        {20, "Nel corso delle riunioni di cui"},
        {23, "Sono state ritenute adeguate le disposizioni"},
        {24, "Sono state individuate eventuali azioni correttive intraprese o da intraprendere per "
             "migliorare le"},
        {27, "E' stato ritenuto adeguato il sistema di"},
        {29, "E' stato ritenuto adeguato il sistema amministrativo-contabile"},
        {30, "Sono state individuate eventuali azioni correttive intraprese o da intraprendere per "
             "migliorare il sistema amministrativo-contabile"},
        {31, "Sono state svolte eventuali altre valutazioni,"},
        {32, "Sono stati rilevati omissioni, fatti censurabili"},
        {34, "La società ha aderito al Codice"},
        {38, "I rapporti tra Comitato e i"},
        {43, "Il CdA vigila sul generale andamento"},
        {44, "Il CdA esamina e approva le"},
        {46, "Il collegio ritiene che il numero"},
        {47, "Il Comitato esecutivo e/o gli amministratori"},
        {48, "Gli organi delegati forniscono adeguata informativa"},
        {49, "Ai sindaci sono state fornite le"},
        {50, "Le considerazioni sulle operazioni di maggior"},
        {57, "Le osservazioni e le proposte sui"},
        {59, "Le indicazioni sulla presenza ovvero sull'assenza"},
        {60, "Le indicazioni sulla presenza ovvero l'assenza di esposti"},
        {61, "Le indicazioni sulla presenza ovvero l'assenza di ulteriori"},
        {62, "Le indicazioni sulla presenza ovvero l'assenza di aspetti"},
        {63, "L'indicazione sull'esistenza di pareri rilasciati ai"},
        {65, "Le osservazioni sul rispetto dei principi"},
        {67, "Le osservazioni sull'adeguatezza del sistema di"},
        {68, "Le osservazioni sull'adeguatezza del sistema amministrativo-contabile"},
        {69, "Le osservazioni sull'adeguatezza delle disposizioni impartite"},
        {70, "Gli eventuali aspetti rilevanti  emersi"},
        {71, "L'indicazione sull'adesione al codice di autodisciplina"},
        {72, "Le valutazioni conclusive in ordine all'attività"},
    };
    for (const auto &[q, begin] : table)
        QTest::addRow("q%d", q) << q << QString::fromUtf8(begin);
}

// Each completed text is one question, worded alike in every model that has it.
void TestCatalogue::beginnings()
{
    QFETCH(int, q);
    QFETCH(QString, begin);
    for (Modello m : kModelli) {
        const auto t = testoDomanda(m, q);
        if (!t)
            continue;
        QVERIFY2(t->startsWith(begin) && t->endsWith(QLatin1Char('?')), qPrintable(*t));
        QCOMPARE(t->count(QLatin1Char('?')), 1);
        QCOMPARE(*t, *testoDomanda(T, q));
    }
}

// Texts known from elsewhere in the form: the earlier catalogue (which writes "Cda") and the
// validation's quotation of label 4.
void TestCatalogue::derivedTexts()
{
    QString q43 = QString::fromUtf8(
        "Il Cda vigila sul generale andamento della gestione, con particolare attenzione alle "
        "situazioni di conflitto di interessi, tenendo in considerazione, in particolare, le "
        "informazioni ricevute dal comitato esecutivo, dagli amministratori delegati e dal "
        "comitato per il controllo interno, nonché confrontando periodicamente i risultati "
        "conseguiti con quelli programmati?");
    QString q47 = QString::fromUtf8("Il Comitato esecutivo e/o gli amministratori delegati "
                                    "rendono periodicamente conto al Cda delle attività svolte "
                                    "nell'esercizio delle deleghe?");
    const QString cda = QStringLiteral("CdA");
    QCOMPARE(*testoDomanda(T, 43), q43.replace(QStringLiteral("Cda"), cda));
    QCOMPARE(*testoDomanda(T, 47), q47.replace(QStringLiteral("Cda"), cda));
    QCOMPARE(*testoDomanda(D, 4), QStringLiteral("Sono state effettuate altre operazioni "
                                                 "rilevanti sotto il profilo economico, "
                                                 "finanziario e patrimoniale?"));
    QCOMPARE(*testoDomanda(T, 40), *testoDomanda(T, 42));
    // The earlier catalogue words 17 and 61 differently.
    QVERIFY(!testoDomanda(T, 17)->endsWith(
        QString::fromUtf8("conferiti alla società di revisione e valutati i relativi costi?")));
    QVERIFY(!testoDomanda(T, 61)->endsWith(
        QString::fromUtf8("conferiti alla società di revisione ed i relativi costi?")));
    // Double blanks that belong to the captions.
    QVERIFY(testoDomanda(T, 21)->contains(QStringLiteral("amministrativa  della")));
    QVERIFY(!testoDomanda(D, 21)->contains(QStringLiteral("  ")));
    QVERIFY(testoDomanda(D, 22)->contains(QStringLiteral("amministrativa  della")));
    QVERIFY(testoDomanda(M, 75)->contains(QStringLiteral("gestione,o un")));
}

void TestCatalogue::rowsCoverGroups()
{
    QFETCH(Modello, m);
    const IndexSet groups(expect(m).groups);
    QCOMPARE(modelTable(m).answerGroups, groups);

    std::map<int, int> pageOfK;
    std::map<int, int> rowsOfQ;
    for (int page = 1; page <= 5; ++page) {
        const IndexSet onPage(kPageGroups[page - 1]);
        for (const PageRow &r : righePagina(m, page)) {
            const QByteArray where = QByteArray::number(r.q);
            ++rowsOfQ[r.q];
            if (r.q == 0 || r.q == 5) {
                QVERIFY2(r.k == -1 && page == 1 && !r.linkVisible && !r.naVisible, where);
                continue;
            }
            QVERIFY2(groups.contains(r.k) && onPage.contains(r.k), where);
            QVERIFY2(pageOfK.emplace(r.k, page).second, where);
            QCOMPARE(pageOfGroup(r.k), page);
            QCOMPARE(r.q, r.k <= 3 ? r.k + 1 : r.k + 2);
            QVERIFY2(!r.linkVisible || r.link.startsWith(QStringLiteral("Nota ")), where);
            QVERIFY2(!r.labelHidden || (r.frameHidden && !r.linkVisible && !r.naVisible), where);
        }
    }
    for (int k : groups.toVector())
        QVERIFY2(k >= 79 || pageOfK.count(k), qPrintable(QString::number(k)));
    for (int q : IndexSet(expect(m).labels).toVector())
        QVERIFY2(rowsOfQ[q] == 1, qPrintable(QString::number(q)));
    QCOMPARE(righePagina(m, 3).empty(), m != T);
}

void TestCatalogue::rowLooks_data()
{
    QTest::addColumn<Modello>("m");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("q");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("flags"); // l: link shown, n: N/A shown, f: frame hidden, h: row hidden
    const auto add = [](const char *tag, Modello m, int page, int q, const char *link, const char *flags) {
        QTest::newRow(tag) << m << page << q << QString::fromUtf8(link) << QString::fromUtf8(flags);
    };
    add("T 74", T, 1, 74, "Nota 0.a", "l");
    add("T 8", T, 1, 8, "Nota 1.e", "ln");
    add("T 9", T, 1, 9, "Nota 2.a", "l");
    add("D 12", D, 1, 12, "NO", "n");
    add("T 33", T, 2, 33, "NO", "");
    add("M 33", M, 2, 33, "Nota 8.h", "l");
    add("T 36", T, 3, 36, "NO", "f");
    add("T 38", T, 3, 38, "NO", "n");
    add("T 77", T, 3, 77, "", "fh");
    add("M 80", M, 5, 80, "Nota 10.u.1", "l");
    add("T 71", T, 5, 71, "Nota 10.w", "l");
    add("M 71", M, 5, 71, "Nota 10.w", "fh");
    add("D 71", D, 5, 71, "Nota 10.w", "fh");
    add("T 73", T, 5, 73, "NO", "n");
    add("M 73", M, 5, 73, "Nota 10.y", "l");
}

void TestCatalogue::rowLooks()
{
    QFETCH(Modello, m);
    QFETCH(int, page);
    QFETCH(int, q);
    QFETCH(QString, link);
    QFETCH(QString, flags);
    const PageRow *r = findRow(m, page, q);
    QVERIFY(r);
    QCOMPARE(r->link, link);
    QString got;
    got += r->linkVisible ? QStringLiteral("l") : QString();
    got += r->naVisible ? QStringLiteral("n") : QString();
    got += r->frameHidden ? QStringLiteral("f") : QString();
    got += r->labelHidden ? QStringLiteral("h") : QString();
    QCOMPARE(got, flags);
}

void TestCatalogue::rowOrder_data()
{
    QTest::addColumn<Modello>("m");
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("labels");
    const QList<int> page1 = {74, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const QList<int> page2 = {17, 18, 19, 20, 21, 22, 23, 24, 75, 25, 26, 27, 28, 29, 30, 31, 32};
    const QList<int> page4 = {79, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63};
    const QList<int> page5 = {64, 65, 66, 67, 68, 69, 80, 70};
    for (Modello m : kModelli) {
        QTest::addRow("%s page 1", expect(m).name) << m << 1 << page1;
        QTest::addRow("%s page 4", expect(m).name) << m << 4 << page4;
    }
    QTest::newRow("T page 2") << T << 2 << page2 + QList<int>{33, 76};
    QTest::newRow("M page 2") << M << 2 << page2 + QList<int>{76, 33};
    QTest::newRow("D page 2") << D << 2 << page2 + QList<int>{76};
    QTest::newRow("T page 3") << T << 3 << QList<int>{34, 35, 36, 37, 38, 39, 40, 41, 42,
                                                      43, 44, 45, 46, 47, 48, 49, 78, 77};
    QTest::newRow("T page 5") << T << 5 << page5 + QList<int>{71, 72, 73};
    QTest::newRow("M page 5") << M << 5 << page5 + QList<int>{72, 73, 71};
    QTest::newRow("D page 5") << D << 5 << page5 + QList<int>{72, 71};
}

void TestCatalogue::rowOrder()
{
    QFETCH(Modello, m);
    QFETCH(int, page);
    QFETCH(QList<int>, labels);
    QList<int> got;
    for (const PageRow &r : righePagina(m, page))
        got << r.q;
    QCOMPARE(got, labels);
}

void TestCatalogue::generalLabels()
{
    QFETCH(Modello, m);
    const GeneralLabels &g = etichetteGenerali(m);
    const bool dual = m == D;
    const QString body = QString::fromUtf8(expect(m).body);
    const QString professionalita = QString::fromUtf8("Requisiti di professionalità");

    QCOMPARE(g.labelGenerale.size(), 14);
    QCOMPARE(g.label6.size(), 12);
    QCOMPARE(g.label6Tips.size(), 5);
    // The texts that depend on the control body name the model's own.
    QVERIFY(g.labelGenerale.at(6).endsWith(body));
    QVERIFY(g.label6.at(8).endsWith(body));
    QCOMPARE(g.label6Tips.at(0), QStringLiteral("Numero presenze alle riunioni del ") + body);
    QCOMPARE(g.label7.endsWith(QStringLiteral("dei sindaci")), m == T);
    QCOMPARE(g.labelGenerale8Tip, QStringLiteral("Eletto dalle minoranze"));
    QCOMPARE(g.label6.at(7), QStringLiteral("Numero di assemblee e riunioni nell'anno"));
    QCOMPARE(g.label6.at(9), QStringLiteral("Numero di assemblee"));
    QCOMPARE(g.label6Tips.at(1), g.label6.at(1));

    // Dualistico has no executive committee: one grid column and one meeting count fewer,
    // and its professional-requirements column is Label6(3).
    for (int i = 0; i < g.label6.size(); ++i)
        QCOMPARE(g.label6.at(i).isEmpty(), dual && (i == 4 || i == 11));
    QCOMPARE(g.label6Tips.at(4).isEmpty(), dual);
    QCOMPARE(g.label6Tips.at(dual ? 3 : 4), professionalita);
    QCOMPARE(g.label6.at(3) == professionalita, dual);
}

// The version 1.1 labels are the traditional ones but eight, worded as the earlier form had them
// (43 and 47 only write "Cda" for "CdA"); its "Dati Generali" reuses the traditional texts.
void TestCatalogue::v11Texts()
{
    const IndexSet own("9, 17, 18, 43, 47, 55, 61, 62");
    for (int q = -1; q <= kV11Labels; ++q) {
        const auto t = v11QuestionText(q);
        QCOMPARE(t.has_value(), q >= 0 && q < kV11Labels);
        QVERIFY2(!t || (*t == testoDomanda(T, q)) != own.contains(q), qPrintable(QString::number(q)));
    }
    for (int q : {43, 47})
        QCOMPARE(v11QuestionText(q)->replace(QStringLiteral("Cda"), QStringLiteral("CdA")),
                 testoDomanda(T, q));
    const QStringList &g = v11GeneralLabels();
    QCOMPARE(g.size(), 17);
    QCOMPARE(g.mid(7, 7).join(u'|'),
             QStringLiteral("Pres.|||%1|%2|Codice Fiscale|Eletto dalle minoranze")
                 .arg(etichetteGenerali(T).labelGenerale[12], etichetteGenerali(T).labelGenerale[13]));
}

void TestCatalogue::v11Rows_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("labels");
    QTest::addColumn<QString>("na"); // groups whose "N/A" box shows
    for (auto [page, labels, na] : {std::tuple{1, "0-16", "6, 8-10, 12, 14"},
                                    {2, "17-33", "15, 16, 20-22, 24, 26, 28"},
                                    {3, "34-49", "36, 44-46"},
                                    {4, "50-63", ""},
                                    {5, "64-73", "71"}})
        QTest::addRow("page %d", page) << page << QString::fromLatin1(labels) << QString::fromLatin1(na);
}

// Rows, "N/A" boxes, number-box rows and note links of the version 1.1 pages.
void TestCatalogue::v11Rows()
{
    QFETCH(int, page);
    QFETCH(QString, labels);
    QFETCH(QString, na);
    // Runs of note links: first group, step, count, section, first letter.
    const std::tuple<int, int, int, const char *, char> runs[] = {
        {0, 1, 4, "1.", 'a'},  {6, 1, 1, "1.", 'e'},  {7, 1, 1, "2.", 'a'},    {11, 1, 2, "3.", 'a'},
        {13, 1, 2, "4.", 'a'}, {15, 1, 1, "5.", 'a'}, {16, 1, 1, "6.", 'a'},   {18, 1, 1, "7.", 'a'},
        {20, 2, 6, "8.", 'a'}, {43, 1, 1, "9.", 'a'}, {48, 1, 18, "10.", 'a'}, {66, 1, 5, "10.", 't'}};
    std::map<int, QString> links;
    for (const auto &[k, step, n, section, letter] : runs)
        for (int i = 0; i < n; ++i)
            links[k + i * step] =
                QStringLiteral("Nota %1%2").arg(QLatin1String(section)).arg(QChar(letter + i));
    std::vector<int> got;
    for (const PageRow &r : v11PageRows(page)) {
        got.push_back(r.q);
        const QString link = links.count(r.k) ? links[r.k] : QStringLiteral("NO");
        QVERIFY(r.k < 0 || (r.link == link && v11NoteCaption(r.k) == link));
        QCOMPARE(r.linkVisible, links.count(r.k) == 1);
        QCOMPARE(r.naVisible, IndexSet(na.toStdString()).contains(r.k));
        QCOMPARE(r.frameHidden, r.k == 34 || r.k == 38 || r.k == 40);
    }
    QCOMPARE(got, IndexSet(labels.toStdString()).toVector());
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
