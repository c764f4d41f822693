#include "modulo.h"

#include "domanda.h"
#include "nota.h"
#include "pagina.h"
#include "printer.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/indices.h"
#include "questionnaire/stampa.h"

#include <QScopeGuard>

namespace prn
{

namespace
{

using qst::Contenuto;

const QString kDatiGenerali = QStringLiteral("DATI GENERALI");

// A date of three boxes as printed: day/month/year, empty when all three are.
QString data(const Contenuto &c, int day)
{
    const QString joined =
        c.campo(day) + QLatin1Char('/') + c.campo(day + 1) + QLatin1Char('/') + c.campo(day + 2);
    return joined == QStringLiteral("//") ? QString() : joined;
}

// "(Nota 1.0.a) " in front of a general-data label.
QString prefisso(const Contenuto &c, int k)
{
    return QLatin1Char('(') + qst::didascaliaNota(c.modello, k) + QStringLiteral(") ");
}

// The member blocks: each filled row under a rule, one line per data column, each line
// page-checked; a closing rule after the last.
void stampaMembri(Pagina &pg, const Contenuto &c)
{
    const qst::GeneralLabels &g = qst::etichetteGenerali(c.modello);
    const int last = c.tabella().lastDataColumn();
    const QString indent = QStringLiteral("   ");
    for (int m = 0; m < static_cast<int>(c.membri.size()); ++m) {
        if (!c.membroCompilato(m))
            continue;
        pg.stampaLinea();
        for (int col = 1; col <= last; ++col) {
            QString label;
            QString value = c.cella(m, col);
            if (col == 1) {
                label = m == 0 ? QStringLiteral("Presidente") : QStringLiteral("Membro");
            } else if (col <= 6) {
                label = indent + g.labelGenerale.value(col + 5);
            } else if (col < last) {
                label = indent + g.label6Tips.value(col - 7);
            } else {
                label = indent +
                        (m == 0 ? QStringLiteral("(Nota Pres.) ")
                                : QStringLiteral("(Nota Membro ") + c.cella(m, 0) + QStringLiteral(") ")) +
                        g.label6Tips.value(last - 7);
                value = value.isEmpty() ? QStringLiteral("No") : QStringLiteral("Si");
            }
            pg.stampaVoce(label, value);
        }
    }
    pg.stampaLinea();
}

// Title, model line, the general data with the members, and the last requirement item.
void stampaDatiGenerali(Pagina &pg, const Contenuto &c)
{
    Printer &p = pg.printer;
    const qst::TabellaStampa &tab = qst::tabellaStampa(c.modello);
    const qst::GeneralLabels &g = qst::etichetteGenerali(c.modello);

    p.setFontSize(15);
    p.setCurrentX(5);
    p.setCurrentY(1);
    p.Print(QStringLiteral("VARZEN - SCHEDA RIEPILOGATIVA DELL'QUADRIVEX v. 2.0"));

    p.setFontBold(false);
    p.setFontSize(12);
    p.setCurrentX((p.ScaleWidth() - p.TextWidth(tab.rigaModello)) / 2);
    p.setCurrentY(10);
    p.Print(tab.rigaModello);

    p.setCurrentX(5);
    p.setCurrentY(15);
    p.Print(kDatiGenerali);

    p.setFontSize(10);
    const QString rule = pg.filetto();
    p.setCurrentY(16);
    p.Print(rule);

    p.setCurrentY(25);
    pg.stato.rigaStampa = 25;
    pg.stato.titoloSezione = kDatiGenerali;

    const auto item = [&pg](const QString &etichetta, const QString &valore) {
        pg.stampaVoce(etichetta, valore);
    };
    // The start of a fixed line of bold text, page-checked.
    const auto fixedLine = [&pg, &p] {
        pg.controllaPagina();
        p.setFontBold(true);
        p.setCurrentX(0);
        p.setCurrentY(pg.stato.rigaStampa);
    };
    const qst::Modello m = c.modello;
    using namespace qst::field;
    item(etichettaGenerale(m, 0), c.campo(CompanyName));
    item(etichettaGenerale(m, 1), c.campo(CompanyTaxCode));
    item(etichettaGenerale(m, 2), data(c, ClosingDay));
    item(etichettaGenerale(m, 3), c.campo(ContactAddress));
    item(etichettaGenerale(m, 4), c.campo(ContactPhone));
    item(etichettaGenerale(m, 5), c.campo(ContactEmail));
    item(prefisso(c, qst::kFirstItemGroup) + g.label6.value(5), rispostaDomanda(c, qst::kFirstItemGroup));
    if (tab.voceSette.isEmpty()) {
        item(prefisso(c, qst::kSecondItemGroup) + g.label6.value(6),
             rispostaDomanda(c, qst::kSecondItemGroup));
    } else {
        // Fixed lines, the leader and the answer on the last one.
        for (qsizetype i = 0; i + 1 < tab.voceSette.size(); ++i) {
            fixedLine();
            p.Print(tab.voceSette.at(i));
            p.setCurrentY(p.CurrentY() + 2);
            pg.stato.rigaStampa = p.CurrentY();
        }
        fixedLine();
        pg.stato.testoAppoggio = tab.voceSette.last();
        p.Print(pg.stato.testoAppoggio);
        p.setCurrentX(p.TextWidth(pg.stato.testoAppoggio) + 1);
        pg.stampaPuntini(rispostaDomanda(c, qst::kSecondItemGroup));
    }
    const std::vector<int> &meetings = c.tabella().meetingFields;
    for (size_t j = 0; j < meetings.size(); ++j)
        item(g.label6.value(8 + static_cast<int>(j)), c.campo(meetings[j]));

    stampaMembri(pg, c);

    item(g.labelGenerale.value(12), c.campo(qst::field::MaxOffices));
    item(g.labelGenerale.value(13), data(c, qst::field::OfficeStartDay));
    item(prefisso(c, qst::kOfficesItemGroup), rispostaDomanda(c, qst::kOfficesItemGroup));
}

// Every question of the boxes in screen order, each box on a new page under its heading.
void stampaRiquadri(Pagina &pg, const Contenuto &c)
{
    Printer &p = pg.printer;
    p.setFontBold(true);
    p.setFontName(QStringLiteral("MS Sans Serif"));
    pg.stato.rigaStampa = p.CurrentY();
    for (const qst::RigaRiquadro &row : qst::righeRiquadri(c.modello)) {
        if (!row.riquadro.isEmpty())
            pg.paginaSeguente(row.riquadro);
        p.setFontBold(true);
        const QString question = qst::testoDomanda(c.modello, row.q).value_or(QString());
        if (row.k < 0) {
            stampaDomanda(pg, question, std::nullopt);
            continue;
        }
        const QString &link = qst::didascaliaNota(c.modello, row.k);
        const QString prefix =
            link == QStringLiteral("NO") ? QString() : QLatin1Char('(') + link + QStringLiteral(") ");
        stampaDomanda(pg, prefix + question, rispostaRiga(c, row.k));
    }
}

// The members' requirement notes, then the notes of the answers in note-number order, on pages
// of their own.
void stampaNote(Pagina &pg, const Contenuto &c)
{
    pg.paginaSeguente(QStringLiteral("       Note"));
    const int column = c.tabella().noteColumn();
    for (int r = 0; r < static_cast<int>(c.membri.size()); ++r) {
        const QString text = c.cella(r, column);
        if (!text.isEmpty())
            stampaNota(pg,
                       r == 0 ? QStringLiteral("Nota Pres.") : QStringLiteral("Nota Membro %1").arg(r + 1),
                       text);
    }
    for (int k : qst::tabellaStampa(c.modello).ordineNote) {
        const QString &link = qst::didascaliaNota(c.modello, k);
        if (link == QStringLiteral("NO"))
            continue;
        const QString text = c.notaScritta(k);
        if (!text.isEmpty())
            stampaNota(pg, link, text);
    }
}

} // namespace

QString rispostaDomanda(const Contenuto &c, int k)
{
    if (k < 0 || k >= qst::kGroups)
        return QString();
    const qst::Risposta r = c.risposte[static_cast<size_t>(k)];
    if (qst::tabellaStampa(c.modello).gruppiDueVie.contains(k))
        return qst::captionWord(r == qst::Risposta::Si ? r : qst::Risposta::No, k);
    return qst::captionWord(r, k);
}

QString rispostaRiga(const Contenuto &c, int k)
{
    if (const int box = qst::numberBoxOfGroup(c.modello, k); box >= 0)
        return c.numeri[static_cast<size_t>(box)];
    return rispostaDomanda(c, k);
}

QString etichettaGenerale(qst::Modello m, int i)
{
    if (i < 0 || i > 6)
        return QString();
    return qst::etichetteGenerali(m).labelGenerale.value(i);
}

void stampaModulo(Printer &p, const Contenuto &c, StatoStampa &stato)
{
    Pagina pg(p);
    pg.stato.contaPagine = 1;
    pg.stato.titoloSezione = stato.titoloSezione;
    pg.stato.testoAppoggio = stato.testoAppoggio;
    // The caller gets the print state back, also when the printout stops at an error.
    const auto keep = qScopeGuard([&] { stato = pg.stato; });

    p.setScaleWidth(197);
    p.setScaleHeight(297);
    p.setFontName(QStringLiteral("MS Sans Serif"));
    p.setFontSize(10);
    p.setFontBold(false);

    stampaDatiGenerali(pg, c);
    stampaRiquadri(pg, c);
    stampaNote(pg, c);
    p.EndDoc();
}

} // namespace prn
