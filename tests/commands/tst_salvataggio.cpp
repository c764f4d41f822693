// Saving a questionnaire: the file each model's window gives, read back by an independent
// parser; hostile note texts; the failures that must write nothing and change nothing.
#include "commandsupport.h"
#include "core/error.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/posizionixml.h"
#include "schedafile/scrittorexml.h"
#include "windows/membersgrid.h"
#include "windows/notelink.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <QXmlStreamReader>

using platform::Answer;
using qst::CommandButton;
using qst::Modello;
using qst::Risposta;
using testing::Banco;
using testing::programma;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

// An element as QXmlStreamReader reads it, without the white space between elements.
struct Nodo {
    QString nome, testo, attributo; // attributo: the only attribute's value
    QList<Nodo> figli;
    const Nodo &operator[](int i) const
    {
        static const Nodo assente{QStringLiteral("<assente>"), {}, {}, {}};
        return i >= 0 && i < figli.size() ? figli[i] : assente;
    }
};

Nodo leggiNodo(QXmlStreamReader &r)
{
    const QXmlStreamAttributes a = r.attributes();
    Nodo n{r.name().toString(), {}, a.size() == 1 ? a[0].value().toString() : QString(), {}};
    while (r.readNext() != QXmlStreamReader::EndElement && !r.hasError()) {
        if (r.isStartElement())
            n.figli << leggiNodo(r);
        else if (r.isCharacters() && !r.isWhitespace())
            n.testo += r.text();
    }
    return n;
}

// The root element of a file; `errore` is the parser's complaint, if any.
Nodo leggiFile(const QString &path, QString &errore)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QXmlStreamReader r(&f);
    r.readNextStartElement();
    const Nodo radice = leggiNodo(r);
    errore = r.hasError() || !f.isOpen() ? r.errorString() + f.errorString() : QString();
    return radice;
}

QString didascalia(Modello m, int k)
{
    for (int page = 1; page <= 5; ++page)
        for (const qst::PageRow &r : qst::righePagina(m, page))
            if (r.k == k)
                return r.link;
    return QString();
}

} // namespace

class TestSalvataggio : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void salvaModello_data();
    void salvaModello();
    void noteOstili_data();
    void noteOstili();
    void fallimenti_data();
    void fallimenti();
    void generaEUscita();
    void cartellaDeiDialoghi();
};

void TestSalvataggio::salvaModello_data()
{
    QTest::addColumn<Modello>("m");
    QTest::addColumn<QStringList>("date"); // closing date, start of office: three boxes each
    QTest::addColumn<QStringList>("dateXml");
    const auto l = [](const char *s) { return QString::fromUtf8(s).split(u','); };
    QTest::newRow("Tradizionale") << Modello::Tradizionale << l("7,,2024,15,3,2023")
                                  << l("07  2024,15032023");
    QTest::newRow("Dualistico") << Modello::Dualistico << l(",,,,12,") << l(",  12");
    QTest::newRow("Monistico") << Modello::Monistico << l("31,12,2024,1,1,") << l("31122024,0101");
}

void TestSalvataggio::salvaModello()
{
    QFETCH(Modello, m);
    QFETCH(QStringList, date);
    QFETCH(QStringList, dateXml);
    const qst::ModelTable &t = qst::modelTable(m);
    const bool trad = m == Modello::Tradizionale;
    Banco b(m);
    for (int i : {0, 1, 5, 6, 7, 33})
        b.campo(i, QStringLiteral("campo %1 è").arg(i));
    for (int i = 0; i < 6; ++i)
        b.campo(i < 3 ? 2 + i : 31 + i, date[i]);
    for (int i : t.meetingFields)
        b.campo(i, QString::number(i));
    if (trad)
        win::controls(b.w).chk_RiunioniNA->setChecked(true);
    b.rispondi(79, Risposta::Si, QStringLiteral("nota 79\r\nriga"));
    b.rispondi(80, trad ? Risposta::No : Risposta::Nessuna, {}, QStringLiteral("mai scritta"));
    b.rispondi(81, Risposta::Si, QStringLiteral("nota 81"));
    // Member rows: 0 full, 1 empty, 2 a name, 3 only the requirements note, 4 empty.
    win::MembersGrid &grid = *win::controls(b.w).MSHFlexGrid1;
    win::controls(b.w).btnAggiungi->click();
    win::controls(b.w).btnAggiungi->click();
    for (int c = 1; c <= t.lastDataColumn(); ++c)
        grid.setTextMatrix(0, c, QStringLiteral("r0c%1").arg(c));
    grid.setTextMatrix(0, 3, QStringLiteral("si"));
    grid.setTextMatrix(0, t.noteColumn(), QStringLiteral("req\r\n0"));
    grid.setTextMatrix(2, 1, QStringLiteral("Rossi"));
    grid.setTextMatrix(2, 3, QStringLiteral("no"));
    grid.setTextMatrix(3, t.noteColumn(), QStringLiteral("solo nota"));
    // Answers run SI, NO, N/A, none; both note tables hold text for every group.
    const auto risposta = [m](int k) { return Risposta(((k + static_cast<int>(m)) % 4 + 1) % 4); };
    for (int k = 0; k <= 78; ++k)
        if (t.answerGroups.contains(k))
            b.rispondi(k, risposta(k), QStringLiteral("si %1").arg(k), QStringLiteral("no %1").arg(k));
    const QStringList numeri = {QStringLiteral("5"), QString(), QStringLiteral("123")};
    for (int i = 0; trad && i < 3; ++i)
        win::controls(b.w).TEXT[static_cast<size_t>(i)]->setText(numeri[i]);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scheda [*] 1.xml"));
    b.platform.chooseFile(path);
    testing::button(win::controls(b.w), CommandButton::SalvaTemp)->click();
    VERIFY_NO_FAILURES_OF(b.platform);
    const platform::FileDialogOptions d = b.platform.fileDialogs.value(0);
    QCOMPARE(
        QStringList({d.title, d.filter, d.folder}),
        QStringList({QStringLiteral("Salva file"), QStringLiteral("Xml File (*.xml)|*.xml|"), programma()}));
    QVERIFY(b.module.state().salvato && testing::leggiEnabled(b.w));
    QCOMPARE(b.w.windowHandle()->title(), t.caption + QStringLiteral(" - scheda [*] 1.xml"));

    QString errore;
    const Nodo radice = leggiFile(path, errore);
    QVERIFY2(errore.isEmpty(), qPrintable(errore));
    QCOMPARE(radice.nome, QStringLiteral("SchedaOrganoControllo"));
    const Nodo &modello = radice[0][0];
    QCOMPARE(modello.nome, t.modelElement);
    const Nodo &gen = modello[0];
    QCOMPARE(QStringList({gen[0].testo, gen[1].testo, gen[2].testo, gen[3][2].testo}),
             QStringList({QStringLiteral("campo 0 è"), QStringLiteral("campo 1 è"), dateXml[0],
                          QStringLiteral("campo 7 è")}));
    // Requirement items, Monistico with 80 first, each with its text as the page shows it.
    for (int i = 0; i < 2; ++i) {
        const int k = (m == Modello::Monistico) != (i == 1) ? 80 : 79;
        const Nodo &voce = gen[4][i][0];
        QCOMPARE(voce[0].testo, qst::etichetteGenerali(m).label6.at(k - 74));
        QCOMPARE(voce[1][0].testo, k == 79 ? QStringLiteral("SI") : trad ? QStringLiteral("NO") : QString());
        QCOMPARE(voce[1][1].testo, k == 79 ? QStringLiteral("nota 79\nriga") : QString());
    }
    QCOMPARE(gen[5].figli.size(), static_cast<int>(t.meetingFields.size()));
    QCOMPARE(gen[5][2].testo, QStringLiteral("64"));
    if (t.hasRiunioniNA) // "N/A" writes "0" whatever the box held
        QCOMPARE(QStringList({gen[5][3].testo, gen[5][3].attributo}),
                 trad ? QStringList({QStringLiteral("0"), QStringLiteral("true")})
                      : QStringList({QStringLiteral("65"), QStringLiteral("false")}));

    // Members: row 0 in the template's element, rows 2 and 3 added, then the trailing nodes.
    const Nodo &membri = modello[1];
    QCOMPARE(membri.figli.size(), 6);
    const QList<int> colonne = {1, 2, 3, -1, t.noteColumn(), 7, 8, 9, 10}; // -1: the offices
    for (const auto &[riga, nodo] :
         {std::pair{0, membri[0][0]}, std::pair{2, membri[1]}, std::pair{3, membri[2]}}) {
        QCOMPARE(nodo.nome, t.memberElement);
        QStringList atteso, scritto;
        for (const Nodo &n : nodo.figli + nodo[3].figli)
            scritto << n.testo;
        for (int c : colonne.mid(0, t.gridColumns == 13 ? 9 : 8) + QList<int>{4, 5, 6}) {
            const QString cella = c < 0 ? QString() : grid.textMatrix(riga, c);
            atteso << (c == 3 ? cella.toUpper() : c == t.noteColumn() ? QString(cella).remove(u'\r') : cella);
        }
        QCOMPARE(scritto, atteso);
    }
    QCOMPARE(membri[1][4].nome, QStringLiteral("RequisitiProfessionalitàInPossesso"));
    QCOMPARE(QStringList({membri[3].testo, membri[4].testo, membri[5][1][0].testo, membri[5][1][1].testo}),
             QStringList({QStringLiteral("campo 33 è"), dateXml[1], QStringLiteral("SI"),
                          QStringLiteral("nota 81")}));

    // Every question element: text, answer, note, caption, box, number; the template's content
    // where a group is not written.
    QCOMPARE(modello[2].figli.size(), qst::elementiRiquadro(m));
    for (const qst::PosizioneDomanda &p : qst::posizioniDomande(m)) {
        const int k = p.gruppo;
        const Nodo &q = modello[2][p.elemento][p.posizione];
        QStringList atteso = {QString::number(k),       {}, {}, {}, {}, QString::number(p.riquadro),
                              QString::number(p.numero)};
        if (p.scrittura == qst::Scrittura::NonScritta)
            atteso[5] = QStringLiteral("3"), atteso[6].clear();
        if (p.scrittura == qst::Scrittura::Completa || p.scrittura == qst::Scrittura::Conteggio) {
            const Risposta r = risposta(k);
            const bool si = r == Risposta::Si, no = r == Risposta::No;
            atteso[1] = *qst::testoDomanda(m, k < 4 ? k + 1 : k + 2);
            atteso[2] = p.conteggio >= 0 ? numeri[p.conteggio]
                        : k == 7 && (si || no)
                            ? (si ? QStringLiteral("Adeguata") : QStringLiteral("Inadeguata"))
                        : si                ? QStringLiteral("SI")
                        : no                ? QStringLiteral("NO")
                        : r == Risposta::NA ? QStringLiteral("NA")
                                            : QString();
            atteso[3] =
                si || no ? (si ? QStringLiteral("si %1") : QStringLiteral("no %1")).arg(k) : QString();
            atteso[4] = didascalia(m, k);
        }
        QCOMPARE(QStringList({QString::number(k), q[0].testo, q[1][0].testo, q[1][1].testo, q[1][1].attributo,
                              q[2].testo, q[3].testo}),
                 atteso);
    }
    if (trad) // the hidden items 75 and 76 keep their own numbers
        QCOMPARE(modello[2][1][3][3].testo + modello[2][1][12][3].testo, QStringLiteral("413"));
}

void TestSalvataggio::noteOstili_data()
{
    QTest::addColumn<QString>("nota");
    QTest::addColumn<QString>("scritta");
    const QString lunga = QString(64999, u'x') + QStringLiteral("é");
    const QString emoji = QString::fromUtf8("😀");
    const QString italiano = QStringLiteral("Perché è già così: àèìòù ÀÉ €");
    const QString markup = QStringLiteral("<a b=\"c\">&amp; ' ]]> &</a>");
    QTest::newRow("italiano") << italiano << italiano;
    QTest::newRow("markup") << markup << markup;
    QTest::newRow("controllo") << QStringLiteral("a\x01"
                                                 "b\x1f"
                                                 "c\td\x0b\x7f")
                               << QStringLiteral("abc\td\x7f");
    QTest::newRow("non caratteri") << QChar(0xFFFE) + QStringLiteral("x") + QChar(0xFFFF) + QChar(0xD800) +
                                          QStringLiteral("y") + QChar(0xDC00) + emoji
                                   << QStringLiteral("xy") + emoji;
    QTest::newRow("ritorni") << QStringLiteral("uno\r\ndue\rtre\n\rquattro")
                             << QStringLiteral("uno\ndue\ntre\n\nquattro");
    QTest::newRow("65000") << lunga << lunga;
    // Long texts are written in pieces: no piece may split "]]>" or a surrogate pair.
    const QString pezzi = (QStringLiteral("]]>") + emoji + QStringLiteral("<&\"'")).repeated(4000);
    QTest::newRow("65000 markup") << pezzi.left(65000) << pezzi.left(65000);
    QTest::newRow("parentesi") << QString(9000, u']') + QStringLiteral(">x")
                               << QString(9000, u']') + QStringLiteral(">x");
}

void TestSalvataggio::noteOstili()
{
    QFETCH(QString, nota);
    QFETCH(QString, scritta);
    Banco b(Modello::Tradizionale);
    QTemporaryDir dir;
    b.rispondi(0, Risposta::Si, nota);
    win::controls(b.w).MSHFlexGrid1->setTextMatrix(0, 11, nota);
    b.platform.chooseFile(dir.filePath(QStringLiteral("n.xml")));
    testing::button(win::controls(b.w), CommandButton::SalvaTemp)->click();
    VERIFY_NO_FAILURES_OF(b.platform);
    QFile f(dir.filePath(QStringLiteral("n.xml")));
    QVERIFY(f.open(QIODevice::ReadOnly) && !f.readAll().contains("&#xd;"));
    QString errore;
    const Nodo modello = leggiFile(f.fileName(), errore)[0][0];
    QVERIFY2(errore.isEmpty(), qPrintable(errore));
    QCOMPARE(modello[2][0][1][1][1].testo, scritta); // group 0: Riquadro I, position 1
    QCOMPARE(modello[1][0][0][4].testo, scritta);
}

void TestSalvataggio::fallimenti_data()
{
    QTest::addColumn<QString>("caso");
    for (const char *caso : {"annullato", "modello mancante", "modello rotto", "modello senza una domanda",
                             "cartella inesistente", "destinazione cartella", "sopra il modello"})
        QTest::newRow(caso) << QString::fromUtf8(caso);
}

// Nothing written, nothing changed: by "Salva temp.", by the exit's Yes and by the close box's.
void TestSalvataggio::fallimenti()
{
    QFETCH(QString, caso);
    QTemporaryDir dir;
    const QString cartella = dir.filePath(QStringLiteral("programma"));
    const QString modello = sf::percorsoModello(Modello::Dualistico, cartella);
    QFile originale(sf::percorsoModello(Modello::Dualistico, programma()));
    QVERIFY(QDir().mkpath(cartella) && originale.open(QIODevice::ReadOnly));
    QByteArray dati = originale.readAll();
    if (caso.endsWith(QStringLiteral("rotto")))
        dati.truncate(dati.size() / 2);
    if (caso.endsWith(QStringLiteral("domanda")))
        dati.remove(dati.indexOf("<Domanda>"), dati.indexOf("</Domanda>") - dati.indexOf("<Domanda>") + 10);
    QFile copia(modello);
    QVERIFY(caso.endsWith(QStringLiteral("mancante")) ||
            (copia.open(QIODevice::WriteOnly) && copia.write(dati) > 0));
    copia.close();
    QFile vecchio(dir.filePath(QStringLiteral("vecchio.xml")));
    QVERIFY(vecchio.open(QIODevice::WriteOnly) && vecchio.write("prima") == 5);
    vecchio.close();

    const bool manca = caso.startsWith(QStringLiteral("cartella"));
    const QString path = manca ? dir.filePath(QStringLiteral("manca/x.xml"))
                         : caso.startsWith(QStringLiteral("destinazione")) ? cartella
                         : caso.startsWith(QStringLiteral("sopra"))        ? modello
                                                                           : vecchio.fileName();
    const QString messaggio =
        caso.startsWith(QStringLiteral("modello"))
            ? QStringLiteral("Impossibile leggere il modello %1.\nNessun file è stato salvato.").arg(modello)
        : caso == QStringLiteral("annullato") ? QString()
        // The dialog takes no name in a missing folder: it says so, and the user then cancels it.
        : manca ? QStringLiteral("La cartella %1 non esiste.").arg(dir.filePath(QStringLiteral("manca")))
                : QStringLiteral("Impossibile salvare il file %1.\n").arg(path) +
                      (caso.startsWith(QStringLiteral("sopra"))
                           ? QStringLiteral("Il file è un modello del programma.")
                           : QString());
    for (int via = 0; via < 3; ++via) { // "Salva temp.", "Esci" and Yes, the close box and Yes
        Banco b(Modello::Dualistico, cartella);
        b.campo(0, QStringLiteral("modifica"));
        if (via > 0)
            b.platform.answer(Answer::Yes, QStringLiteral("si desidera salvarle"));
        b.platform.chooseFile(caso == QStringLiteral("annullato") ? QString() : path);
        if (!messaggio.isEmpty())
            b.platform.answer(Answer::Ok, messaggio);
        if (manca)
            b.platform.chooseFile(QString());
        if (via < 2)
            testing::button(win::controls(b.w), via == 0 ? CommandButton::SalvaTemp : CommandButton::Esci)
                ->click();
        else
            QVERIFY(!b.w.close());
        VERIFY_NO_FAILURES_OF(b.platform);
        QVERIFY(b.platform.allConsumed());
        const platform::BoxRequest box = b.platform.messages.value(b.platform.messages.size() - 1);
        QVERIFY(messaggio.isEmpty() || manca ||
                (box.text.startsWith(messaggio) && box.title.isEmpty() && box.icon == platform::Icon::None));
        QVERIFY(b.w.isVisible() && !b.platform.ended() && !b.module.state().uscitaRichiesta);
        QVERIFY(!b.module.state().salvato && !testing::leggiEnabled(b.w));
        QCOMPARE(b.w.windowTitle(), qst::modelTable(Modello::Dualistico).caption);
        QCOMPARE(win::controls(b.w).TEXT_GENERALE[0]->text(), QStringLiteral("modifica"));
        QVERIFY(vecchio.open(QIODevice::ReadOnly));
        QCOMPARE(vecchio.readAll(), QByteArray("prima"));
        vecchio.close();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList(QStringLiteral("vecchio.xml")));
        QVERIFY(!copia.exists() || (copia.open(QIODevice::ReadOnly) && copia.readAll() == dati));
        copia.close();
    }
}

// "Genera" validates first, unless an exit is pending; a written file then ends the process.
void TestSalvataggio::generaEUscita()
{
    QTemporaryDir dir;
    for (const bool uscita : {false, true}) {
        Banco b(Modello::Monistico);
        int controlli = 0;
        b.salva.setControllaScheda([&] { return ++controlli < 0; }); // fails every time
        b.module.setUscitaRichiesta(uscita);
        if (uscita)
            b.platform.chooseFile(dir.filePath(QStringLiteral("g.xml")));
        testing::button(win::controls(b.w), CommandButton::Genera)->click();
        VERIFY_NO_FAILURES_OF(b.platform);
        QCOMPARE(QList<int>({controlli, int(b.platform.fileDialogs.size()), b.platform.endProcessCalls}),
                 uscita ? QList<int>({0, 1, 1}) : QList<int>({1, 0, 0}));
        QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("g.xml"))), uscita);
        QCOMPARE(b.platform.tray()->isShown(), !uscita);
    }
}

// The dialogs start in the program's folder only where the user can write; a write that fails
// names its cause.
void TestSalvataggio::cartellaDeiDialoghi()
{
    QTemporaryDir casa;
    QVERIFY(QDir(casa.path()).mkpath(QStringLiteral("Documents")));
    qputenv("HOME", casa.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", casa.filePath(QStringLiteral("config")).toLocal8Bit());
    for (const QString &cartella : {programma(), casa.filePath(QStringLiteral("installata"))}) {
        Banco b(Modello::Tradizionale, cartella);
        b.platform.chooseFile(QString());
        testing::button(win::controls(b.w), CommandButton::SalvaTemp)->click();
        QCOMPARE(b.platform.fileDialogs.value(0).folder,
                 cartella == programma() ? cartella : casa.filePath(QStringLiteral("Documents")));
    }
    const QString path = casa.filePath(QStringLiteral("manca/x.xml"));
    try {
        sf::salvaXml(testing::complete(Modello::Monistico), programma(), path);
    } catch (const core::SchedaError &e) {
        QCOMPARE(e.description(), sf::erroreSalvataggio(path, QStringLiteral("La cartella non esiste.")));
    }
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestSalvataggio)
#include "tst_salvataggio.moc"
