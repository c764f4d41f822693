// Opening questionnaire files through "Leggi": refusals with their messages, the state after every
// path of the command, round trips through real windows, damaged files.
#include "commandsupport.h"
#include "core/error.h"
#include "questionnaire/posizionixml.h"
#include "schedafile/lettorexml.h"
#include "schedafile/scrittorexml.h"
#include "windows/contenutofinestra.h"

#include <QBuffer>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using platform::Answer;
using qst::CommandButton;
using qst::Contenuto;
using qst::Modello;
using qst::Risposta;
using testing::Banco;
using testing::kSigle;
using testing::programma;

Q_DECLARE_METATYPE(qst::Modello)

namespace
{

QByteArray fixture(Modello m)
{
    return testing::testData(QStringLiteral("lettura_%1.xml").arg(QLatin1String(kSigle[int(m)])));
}

// What the fixture of model m holds, as describe() lists it.
QStringList atteso(Modello m)
{
    return QString::fromUtf8(
               testing::testData(QStringLiteral("lettura_%1.atteso").arg(QLatin1String(kSigle[int(m)]))))
        .split(u'\n', Qt::SkipEmptyParts);
}

QString scrivi(const QTemporaryDir &dir, const QString &nome, const QByteArray &dati)
{
    QFile f(dir.filePath(nome));
    f.open(QIODevice::WriteOnly);
    f.write(dati);
    return f.fileName();
}

} // namespace

class TestApertura : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void apertura_data();
    void apertura();
    void andataRitorno_data();
    void andataRitorno();
    void robustezza();
};

void TestApertura::apertura_data()
{
    QTest::addColumn<Modello>("m");
    QTest::addColumn<int>("domanda");       // answer to the unsaved-edits question; 0: no edits
    QTest::addColumn<QString>("salva");     // the save dialog's file; "": cancelled, "-": not shown
    QTest::addColumn<QByteArray>("dati");   // the opened file; "": cancelled, "-": no open dialog
    QTest::addColumn<int>("importa");       // the version 1.1 import: -1 none, 0 refuses, 1 takes, 2 fails
    QTest::addColumn<QString>("messaggio"); // the "Errore" box, if any
    QTest::addColumn<QString>("esito");     // "letto", "vuoto", or "prima": the window as it was
    QTest::addColumn<bool>("salvato");
    QTest::addColumn<bool>("leggi");
    QTest::addColumn<bool>("hidden"); // the window starts hidden in the notification area
    QTest::addColumn<bool>("shown");  // the window is shown at the end
    const int no = int(Answer::No), si = int(Answer::Yes);
    const QString apertura = sf::erroreApertura(), nulla;
    const auto mon = Modello::Monistico, trad = Modello::Tradizionale, dual = Modello::Dualistico;
    const QByteArray fm = fixture(mon), ft = fixture(trad), fd = fixture(dual), annullato(""), nessuno("-");
    const QByteArray altra = "<?xml version='1.0'?><Vecchia><a/></Vecchia>\n";
    const auto row = [](const char *tag, Modello m, int domanda, const char *salva, const QByteArray &dati,
                        int importa, const QString &messaggio, const char *esito, bool salvato, bool leggi) {
        QTest::newRow(tag) << m << domanda << QString::fromUtf8(salva) << dati << importa << messaggio
                           << QString::fromUtf8(esito) << salvato << leggi << false << (importa != 1);
    };
    row("senza modifiche", mon, 0, "-", fm, -1, nulla, "letto", true, true);
    row("annulla alla domanda", mon, int(Answer::Cancel), "-", nessuno, -1, nulla, "prima", false, false);
    row("no, annullato", mon, no, "-", annullato, -1, nulla, "prima", false, false);
    row("si, salvataggio annullato", mon, si, "", nessuno, -1, nulla, "prima", false, false);
    row("si, salvato, letto", mon, si, "s.xml", fm, -1, nulla, "letto", true, true);
    row("si, salvato, annullato", mon, si, "s.xml", annullato, -1, nulla, "prima", true, true);
    // An import empties the window and its title; one that fails brings a hidden window back.
    row("importato", trad, no, "-", altra, 1, nulla, "vuoto", true, true);
    row("importazione rifiutata", trad, no, "-", altra, 0, nulla, "prima", false, true);
    row("importazione fallita", trad, no, "-", altra, 2, apertura, "prima", false, true);
    QTest::newRow("importazione fallita, nascosta")
        << trad << no << "-" << altra << 2 << apertura << "prima" << false << true << true << true;
    // Refusals: the message, and the window as it was.
    const auto rifiuto = [no](const char *nome, Modello m, const QByteArray &dati, const QString &messaggio,
                              bool hidden = false, bool shown = true) {
        QTest::newRow(nome) << m << no << "-" << dati << -1 << messaggio << "prima" << false << true << hidden
                            << shown;
    };
    const auto senza = [](const QByteArray &d, const char *espressione) {
        return QString::fromUtf8(d).remove(QRegularExpression(QString::fromUtf8(espressione))).toUtf8();
    };
    rifiuto("non XML", trad, "SI - NO\n", apertura);
    rifiuto("altra radice, tradizionale", trad, altra, apertura);
    rifiuto("altra radice, dualistico", dual, altra, apertura);
    rifiuto("commento dopo la radice", mon, fm + "<!-- x -->", apertura);
    rifiuto(
        "dualistico nel tradizionale", trad, fd,
        QString::fromUtf8(
            "Quello che si sta cercando di aprire non è un MODELLO TRADIZIONALE.\nOperazione annullata."));
    rifiuto("tradizionale nel monistico", mon, ft, sf::erroreAltroModello(mon));
    rifiuto("monistico nel dualistico", dual, fm, sf::erroreAltroModello(dual));
    rifiuto("cinque dati generali", dual, senza(fd, "<Riun>.*</Riun>"), apertura);
    rifiuto("tre figli dei membri", dual, senza(fd, "<Max></Max>"), apertura);
    rifiuto("membro senza un figlio", mon, senza(fm, "<e>NO</e>"), apertura);
    rifiuto("senza riquadro", mon, senza(fm, "(?s)<Box1>.*</Box1>"), apertura);
    rifiuto("domanda senza risposta", trad, senza(ft, "<R><V>NA</V>.*g2</N></R><B>1</B><I>4</I>"), apertura);
    rifiuto("risposta senza figli", dual, senza(fd, "<V>NO</V><N ref=\"Nota x\">g77</N>"), apertura);
    rifiuto("senza attributo", trad, senza(ft, " NonApplicabile=[^>]*"), apertura);
    // Hidden in the notification area: a file that cannot be read brings the window back before
    // its message; a questionnaire of another model or another kind of file leaves it hidden.
    rifiuto("nascosta, non XML", dual, "SI - NO\n", apertura, true, true);
    rifiuto("nascosta, membro senza un figlio", mon, senza(fm, "<e>NO</e>"), apertura, true, true);
    rifiuto("nascosta, altro modello", mon, ft, sf::erroreAltroModello(mon), true, false);
    rifiuto("nascosta, altra radice", dual, altra, apertura, true, false);
}

// Every way through "Leggi": what the window holds after it, its title, the saved flag, the
// "Leggi" button, whether it is shown and the message of a file that is refused.
void TestApertura::apertura()
{
    QFETCH(Modello, m);
    QFETCH(int, domanda);
    QFETCH(QString, salva);
    QFETCH(QByteArray, dati);
    QFETCH(int, importa);
    QFETCH(QString, messaggio);
    QFETCH(QString, esito);
    QFETCH(bool, hidden);
    QTemporaryDir dir;
    Banco b(m);
    if (importa >= 0)
        b.apri.setImportaSchedaV11([&b, importa](const QString &) {
            if (importa)
                b.w.hide(); // the version 1.1 window takes its place
            if (importa == 2)
                throw core::SchedaError(QStringLiteral("riga illeggibile"));
            return importa == 1;
        });
    win::applicaContenuto(b.module, testing::full(m, 4, 50));
    b.module.setSalvato(true);
    b.w.showFileInTitle(dir.filePath(QStringLiteral("prima.xml")));
    if (domanda) {
        b.modifica();
        b.platform.answer(Answer(domanda), QStringLiteral("si desidera salvarle"));
    }
    if (salva != QStringLiteral("-"))
        b.platform.chooseFile(salva.isEmpty() ? salva : dir.filePath(salva));
    QString path = dati.isEmpty() ? QString() : scrivi(dir, QStringLiteral("a [*].xml"), dati);
    if (dati != "-")
        b.platform.chooseFile(path);
    if (!messaggio.isEmpty())
        b.platform.answer(Answer::Ok);
    const QStringList prima = testing::describe(win::leggiContenuto(b.module));
    const QString titolo = b.w.windowTitle();
    if (hidden)
        b.w.hide();

    win::controls(b.w).MENU_LEGGI->trigger();
    QVERIFY(b.platform.allConsumed());
    QCOMPARE(testing::describe(win::leggiContenuto(b.module)), esito == QStringLiteral("letto") ? atteso(m)
                                                               : esito == QStringLiteral("vuoto")
                                                                   ? testing::describe(Contenuto(m))
                                                                   : prima);
    QTEST(b.module.state().salvato, "salvato");
    QTEST(testing::leggiEnabled(b.w), "leggi");
    QTEST(b.w.isVisible(), "shown");
    if (esito == QStringLiteral("letto"))
        QCOMPARE(b.w.windowTitle(), b.w.titoloBase() + QStringLiteral(" - ") +
                                        path.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
    else if (esito == QStringLiteral("vuoto"))
        QCOMPARE(b.w.windowTitle(), b.w.titoloBase());
    else if (salva == QStringLiteral("-"))
        QCOMPARE(b.w.windowTitle(), titolo);
    const platform::BoxRequest box = b.platform.messages.value(b.platform.messages.size() - 1);
    QCOMPARE(box.title == QStringLiteral("Errore") ? box.text : QString(), messaggio);
    QVERIFY(messaggio.isEmpty() ||
            (box.icon == platform::Icon::Critical && box.buttons == platform::Buttons::Ok));
    // The company name read from a file is shown from its first character.
    if (esito == QStringLiteral("letto"))
        QCOMPARE(win::controls(b.w).TEXT_GENERALE[0]->cursorPosition(), 0);
}

void TestApertura::andataRitorno_data()
{
    QTest::addColumn<Modello>("m");
    for (Modello m : qst::kModelli)
        QTest::newRow(testing::modelName(m)) << m;
}

// A questionnaire filled in a window, saved, and opened in a fresh window of the model comes back
// whole: every field, box, link, note and grid cell.
void TestApertura::andataRitorno()
{
    QFETCH(Modello, m);
    const Contenuto c = testing::full(m, 40, qst::kNoteLimit);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scheda.xml"));
    Banco a(m);
    win::applicaContenuto(a.module, c);
    QCOMPARE(testing::describe(win::leggiContenuto(a.module)), testing::describe(c));
    a.platform.chooseFile(path);
    testing::button(win::controls(a.w), CommandButton::SalvaTemp)->click();

    Banco b(m);
    b.platform.chooseFile(path);
    win::controls(b.w).MENU_LEGGI->trigger();
    QCOMPARE(b.stato(), testing::describe(c) << b.w.titoloBase() + QStringLiteral(" - ") + path
                                             << QStringLiteral("salvato 1") << QStringLiteral("Leggi 1"));
    QVERIFY(b.platform.messages.isEmpty() && !b.module.state().inCaricamento && !b.module.state().bloccaNota);
    const platform::FileDialogOptions d = b.platform.fileDialogs.value(0);
    QCOMPARE(
        QStringList({d.title, d.filter, d.folder}),
        QStringList({QStringLiteral("Apri file"), QStringLiteral("Xml File (*.xml)|*.xml|"), programma()}));
    if (win::controls(b.w).chk_RiunioniNA)
        QCOMPARE(win::controls(b.w).TEXT_GENERALE[65]->isEnabled(), !c.riunioniNA);
}

// Damaged files, seeded: truncated, with bits flipped, with lines taken out. Each one either opens
// or gives its message and leaves the window as it was.
void TestApertura::robustezza()
{
    QTemporaryDir dir;
    for (Modello m : qst::kModelli) {
        Banco b(m);
        const QByteArray base = fixture(m);
        const Contenuto prima = testing::full(m, 4, 100);
        QRandomGenerator caso(1000 + uint(m));
        for (int n = 0; n < 110; ++n) {
            QByteArray dati = base;
            if (n % 3 == 0) {
                dati.truncate(caso.bounded(int(dati.size())));
            } else if (n % 3 == 1) {
                for (int i = 0; i <= n % 4; ++i)
                    dati[caso.bounded(int(dati.size()))] ^= char(1 << caso.bounded(8));
            } else {
                QList<QByteArray> righe = dati.split('\n');
                righe.removeAt(caso.bounded(int(righe.size())));
                dati = righe.join('\n');
            }
            win::applicaContenuto(b.module, prima);
            b.module.setSalvato(true);
            b.w.setWindowTitle(b.w.titoloBase());
            testing::button(win::controls(b.w), CommandButton::Leggi)->setEnabled(true);
            const QStringList stato = b.stato();
            const qsizetype scatole = b.platform.messages.size();
            b.platform.chooseFile(scrivi(dir, QStringLiteral("d.xml"), dati));
            b.platform.answer(Answer::Ok);
            win::controls(b.w).MENU_LEGGI->trigger();
            const QString descrizione =
                QStringLiteral("%1 case %2").arg(QLatin1String(kSigle[int(m)])).arg(n);
            if (b.platform.messages.size() > scatole) {
                QStringList dopo = b.stato();
                QVERIFY2(b.platform.messages.last().title == QStringLiteral("Errore"),
                         qPrintable(descrizione));
                QVERIFY2(dopo == stato, qPrintable(descrizione));
            } else {
                QVERIFY2(b.w.windowTitle() != b.w.titoloBase() && b.module.state().salvato,
                         qPrintable(descrizione));
            }
        }
    }
}

QTEST_MAIN(TestApertura)
#include "tst_apertura.moc"
