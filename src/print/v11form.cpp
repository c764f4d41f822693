#include "v11form.h"

#include "domanda.h"
#include "nota.h"
#include "pagina.h"
#include "printer.h"
#include "questionnaire/catalogue.h"
#include "questionnaire/models.h"

#include <functional>

namespace prn
{

namespace
{

using qst::V11Content;

const QString kDatiGenerali = QStringLiteral("DATI GENERALI");
const QString kNessunaNota = QStringLiteral("NO");

// Prints one item line: its label and its value.
using Item = std::function<void(const QString &etichetta, const QString &valore)>;

// A date of three fields as printed: day/month/year, empty when all three are.
QString data(const V11Content &c, int day)
{
    const auto field = [&c](int i) { return c.general[static_cast<size_t>(i)]; };
    const QString joined = field(day) + QLatin1Char('/') + field(day + 1) + QLatin1Char('/') + field(day + 2);
    return joined == QStringLiteral("//") ? QString() : joined;
}

// The member block of row m: name, tax code, minority, offices in three kinds of company.
void stampaMembroPre(const V11Content &c, int m, const Item &item)
{
    const auto field = [&c](int i) { return c.general[static_cast<size_t>(i)]; };
    const QString indent = QStringLiteral("   ");
    const QString taxCode = field(13 + m);
    const bool ticked = c.minority[static_cast<size_t>(m)] != qst::BoxState::Unticked;
    const QString minority = taxCode.isEmpty() && !ticked ? QString()
                             : ticked                     ? qst::captionWord(qst::Risposta::Si, 0)
                                                          : qst::captionWord(qst::Risposta::No, 0);
    item(m == 0 ? QStringLiteral("Presidente") : QStringLiteral("Membro"), field(8 + m));
    item(indent + etichettaGeneralePre(12), taxCode);
    item(indent + etichettaGeneralePre(13), minority);
    for (int kind = 0; kind < 3; ++kind)
        item(indent + etichettaGeneralePre(14 + kind), field(18 + 5 * kind + m));
}

// Page 1: title, heading with the page label, and the 39 item lines.
void stampaPrimaPagina(Pagina &pg, const V11Content &c)
{
    Printer &p = pg.printer;
    p.setFontSize(15);
    p.setCurrentX(5);
    p.setCurrentY(1);
    p.Print(QStringLiteral("VARZEN - SCHEDA RIEPILOGATIVA DELL'QUADRIVEX v. 1.1"));

    p.setFontSize(12);
    p.setCurrentX(5);
    p.setCurrentY(15);
    p.setFontBold(false);
    p.Print(kDatiGenerali);

    p.setFontSize(10);
    const QString label = pg.layout().numeroPagina.arg(1);
    p.setCurrentX(p.ScaleWidth() - p.TextWidth(label) - 2);
    p.setCurrentY(15);
    p.Print(label);
    const QString rule = pg.filetto();
    p.setCurrentY(15.75);
    p.Print(rule);

    p.setCurrentY(25);
    pg.stato.rigaStampa = 25;
    pg.stato.titoloSezione = kDatiGenerali;
    const Item item = [&pg](const QString &etichetta, const QString &valore) {
        pg.stampaVoce(etichetta, valore);
    };
    const auto field = [&c](int i) { return c.general[static_cast<size_t>(i)]; };
    item(etichettaGeneralePre(0), field(0));
    item(etichettaGeneralePre(1), field(1));
    item(etichettaGeneralePre(2), data(c, 2));
    for (int i = 3; i <= 5; ++i)
        item(etichettaGeneralePre(i), field(i + 2));
    item(etichettaGeneralePre(6), QString());
    for (int m = 0; m < qst::kV11MemberRows; ++m)
        stampaMembroPre(c, m, item);
    item(etichettaGeneralePre(33), field(33));
    item(etichettaGeneralePre(34), data(c, 34));
}

} // namespace

QString rispostaPre(const V11Content &c, int k)
{
    if (k < 0 || k >= qst::kV11Groups)
        return QString();
    const size_t i = static_cast<size_t>(k);
    if (c.noTicked[i])
        return qst::captionWord(qst::Risposta::No, k);
    if (c.siTicked[i])
        return qst::captionWord(qst::Risposta::Si, k);
    if (c.naTicked[i])
        return qst::captionWord(qst::Risposta::NA, k);
    return QString();
}

QString etichettaGeneralePre(int i)
{
    const QStringList &labels = qst::v11GeneralLabels();
    if (i == 33)
        return labels.value(10);
    if (i == 34)
        return labels.value(11);
    if ((i >= 0 && i <= 6) || (i >= 10 && i <= 16))
        return labels.value(i);
    return QString();
}

void stampaRiquadriPre(Pagina &pg, const V11Content &c)
{
    Printer &p = pg.printer;
    p.setFontBold(true);
    p.setFontName(QStringLiteral("MS Sans Serif"));
    pg.stato.rigaStampa = p.CurrentY();
    // The question that opens each box, its page number and its heading.
    struct Box {
        int q;
        long page;
        QString heading;
    };
    const Box boxes[] = {{0, 2, QStringLiteral("Riquadro I - Quadrivex")},
                         {34, 3, QStringLiteral("Riquadro II - Adesione al codice di autodisciplina")},
                         {50, 4, QStringLiteral("Riquadro III - Relazione per l'assemblea")}};
    for (int q = 0; q < qst::kV11Labels; ++q) {
        for (const Box &box : boxes)
            if (box.q == q) {
                pg.nuovaPagina(box.page);
                pg.stampaTitolo(box.heading);
            }
        p.setFontBold(true);
        const QString question = qst::v11QuestionText(q).value_or(QString());
        const int k = qst::groupOfLabel(q);
        if (k < 0) {
            stampaDomanda(pg, question, std::nullopt);
            continue;
        }
        const QString &link = qst::v11NoteCaption(k);
        const QString prefix =
            link == kNessunaNota ? QString() : QLatin1Char('(') + link + QStringLiteral(") ");
        // The count questions print the number of their box.
        const int box = qst::numberBoxOfGroup(qst::Modello::Tradizionale, k);
        stampaDomanda(pg, prefix + question,
                      box >= 0 ? c.numbers[static_cast<size_t>(box)] : rispostaPre(c, k));
    }
}

void stampaNotePre(Pagina &pg, const V11Content &c)
{
    pg.stampaTitolo(QStringLiteral("Note"));
    for (int k = 0; k < qst::kV11Groups - 1; ++k) {
        const size_t i = static_cast<size_t>(k);
        const QString &link = qst::v11NoteCaption(k);
        if (link == kNessunaNota || !c.redLink[i])
            continue;
        stampaNota(pg, link, c.noteNoPre[i].isEmpty() ? c.noteSiPre[i] : c.noteNoPre[i]);
    }
}

void printV11Form(Printer &p, const V11Content &c)
{
    Pagina pg(p, impaginazioneSchedaPre());
    p.setScaleWidth(197);
    p.setScaleHeight(297);
    p.setFontName(QStringLiteral("MS Sans Serif"));
    p.setFontSize(10);
    p.setFontBold(false);
    stampaPrimaPagina(pg, c);
    stampaRiquadriPre(pg, c);
    p.NewPage();
    stampaNotePre(pg, c);
    p.EndDoc();
}

} // namespace prn
