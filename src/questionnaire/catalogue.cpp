#include "catalogue.h"

#include "indices.h"
#include "v11content.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

namespace qst
{

namespace
{

constexpr size_t kModelCount = kModelli.size();
constexpr int kPages = 5; // question pages 1..5

size_t indexOf(Modello m)
{
    return static_cast<size_t>(m);
}

// ---------------------------------------------------------------------------------------------
// Question texts
// ---------------------------------------------------------------------------------------------

// Marks a label the model does not have (compared by address, never printed).
constexpr char kAbsent[] = "<absent>";

// One question label: its traditional text and where the other two models differ.
// A null override means "same text as the traditional model".
struct TextEntry {
    int q = -1;
    const char *base = nullptr; // UTF-8
    const char *mon = nullptr;  // Monistico override, kAbsent, or null
    const char *dual = nullptr; // Dualistico override, kAbsent, or null
    bool indented = false;      // sub-item: the caption starts with kItemIndent blanks
};

// Sub-items under a heading are pushed right by blanks that belong to the caption.
constexpr int kItemIndent = 48;

// The question catalogue. Every text of every model lives here and only here.
constexpr TextEntry kTexts[] = {
    {.q = 0, .base = "La società ha effettuato operazioni atipiche o inusuali con:"},
    {.q = 1, .base = "società infragruppo", .indented = true},
    {.q = 2, .base = "parti correlate", .indented = true},
    {.q = 3, .base = "terzi", .indented = true},
    {.q = 4,
     .base = "Sono state effettuate altre operazioni rilevanti sotto il profilo economico, "
             "finanziario e patrimoniale?"},
    // Heading of items 6 and 7: no closing punctuation.
    {.q = 5,
     .base = "Sono state effettuate altre operazioni infragruppo e con parti correlate aventi "
             "natura ordinaria o ricorrente"},
    {.q = 6, .base = "Sono di natura commerciale?", .indented = true},
    {.q = 7, .base = "Sono di natura finanziaria?", .indented = true},
    {.q = 8,
     .base = "Il collegio sindacale ha valutato positivamente la rispondenza all'interesse sociale "
             "per tutte le operazioni esaminate?",
     .mon = "Il comitato per il controllo sulla gestione ha valutato positivamente la rispondenza "
            "all'interesse sociale per tutte le operazioni esaminate?",
     .dual = "Il consiglio di sorveglianza ha valutato positivamente la rispondenza all'interesse "
             "sociale per tutte le operazioni esaminate?"},
    // Answered "Adeguata" / "Inadeguata", hence the colon.
    {.q = 9,
     .base = "L'informativa resa dagli amministratori nella relazione sulla gestione rispetto alle "
             "indicazioni fornite dalla Varzen risulta:"},
    {.q = 10,
     .base = "In particolare gli amministratori hanno esplicitato l'interesse della società al "
             "compimento delle operazioni?",
     .dual = "In particolare i consiglieri di gestione hanno esplicitato l'interesse della società "
             "al compimento delle operazioni?"},
    {.q = 11,
     .base = "Sono stati esaminati i rilievi ed i richiami d'informativa contenuti nella relazione "
             "della società di revisione?"},
    {.q = 12,
     .base = "E' stata valutata la proposta di conferimento dell'incarico alla società di "
             "revisione?"},
    {.q = 13, .base = "Sono state ricevute denunce ex art. 2408 c.c.?"},
    {.q = 14, .base = "Sono state intraprese iniziative in merito alle denunce ricevute?"},
    {.q = 15, .base = "Sono stati ricevuti esposti?"},
    {.q = 16, .base = "Sono state intraprese iniziative in merito agli esposti ricevuti?"},
    {.q = 17,
     .base = "Sono stati esaminati gli eventuali ulteriori incarichi conferiti alla società di "
             "revisione e alle entità appartenenti alla sua rete e valutati i relativi "
             "corrispettivi?"},
    {.q = 18,
     .base = "Più in generale, a seguito del coinvolgimento del collegio sindacale nella "
             "valutazione dell'indipendenza della società di revisione (come previsto dal "
             "documento \"Principi di indipendenza del Revisore\" raccomandato dalla Varzen il 5 "
             "ottobre 2005 e, in particolare, dal punto 4.5.2.2 e successive \"circostanze "
             "specifiche\") sono emersi aspetti critici in materia d'indipendenza e sono state "
             "individuate eventuali iniziative intraprese o da intraprendere al riguardo?",
     .mon = "Più in generale, a seguito del coinvolgimento del comitato per il controllo sulla "
            "gestione nella valutazione dell'indipendenza della società di revisione (come "
            "previsto dal documento \"Principi di indipendenza del Revisore\" raccomandato dalla "
            "Varzen il 5 ottobre 2005 e, in particolare, dal punto 4.5.2.2 e successive "
            "\"circostanze specifiche\") sono emersi aspetti critici in materia d'indipendenza e "
            "sono state individuate eventuali iniziative intraprese o da intraprendere al "
            "riguardo?",
     .dual = "Più in generale, a seguito del coinvolgimento del consiglio di sorveglianza nella "
             "valutazione dell'indipendenza della società di revisione (come previsto dal "
             "documento \"Principi di indipendenza del Revisore\" raccomandato dalla Varzen il 5 "
             "ottobre 2005 e, in particolare, dal punto 4.5.2.2 e successive \"circostanze "
             "specifiche\") sono emersi aspetti critici in materia d'indipendenza e sono state "
             "individuate eventuali iniziative intraprese o da intraprendere al riguardo?"},
    {.q = 19, .base = "Si sono tenute periodiche riunioni con i responsabili della società di revisione?"},
    {.q = 20,
     .base = "Nel corso delle riunioni di cui alla domanda precedente sono emersi aspetti "
             "rilevanti?"},
    // Two blanks before "della" except in Dualistico.
    {.q = 21,
     .base = "E' stata ritenuta adeguata la struttura amministrativa  della società ai fini del "
             "rispetto dei principi di corretta amministrazione?",
     .dual = "E' stata ritenuta adeguata la struttura amministrativa della società ai fini del "
             "rispetto dei principi di corretta amministrazione?"},
    {.q = 22,
     .base = "Sono state individuate eventuali azioni correttive intraprese o da intraprendere per "
             "migliorare la struttura amministrativa  della società?"},
    {.q = 23,
     .base = "Sono state ritenute adeguate le disposizioni impartite dalla società alle società "
             "controllate?"},
    {.q = 24,
     .base = "Sono state individuate eventuali azioni correttive intraprese o da intraprendere per "
             "migliorare le disposizioni impartite dalla società alle società controllate?"},
    {.q = 25,
     .base = "E' stata ritenuta adeguata la struttura organizzativa per gli aspetti di competenza "
             "del collegio?",
     .mon = "E' stata ritenuta adeguata la struttura organizzativa per gli aspetti di competenza "
            "del comitato per il controllo sulla gestione?",
     .dual = "E' stata ritenuta adeguata la struttura organizzativa per gli aspetti di competenza "
             "del consiglio di sorveglianza?"},
    {.q = 26,
     .base = "Sono state individuate eventuali azioni correttive intraprese o da intraprendere per "
             "migliorare la struttura organizzativa per gli aspetti di competenza del collegio?",
     .mon = "Sono state individuate eventuali azioni correttive intraprese o da intraprendere per "
            "migliorare la struttura organizzativa per gli aspetti di competenza del comitato per "
            "il controllo sulla gestione?",
     .dual = "Sono state individuate eventuali azioni correttive intraprese o da intraprendere per "
             "migliorare la struttura organizzativa per gli aspetti di competenza del consiglio di "
             "sorveglianza?"},
    {.q = 27, .base = "E' stato ritenuto adeguato il sistema di controllo interno?"},
    {.q = 28,
     .base = "Sono state individuate eventuali azioni correttive intraprese o da intraprendere per "
             "migliorare il sistema di controllo interno?"},
    {.q = 29,
     .base = "E' stato ritenuto adeguato il sistema amministrativo-contabile, nonché affidabile a "
             "rappresentare correttamente i fatti di gestione?"},
    {.q = 30,
     .base = "Sono state individuate eventuali azioni correttive intraprese o da intraprendere per "
             "migliorare il sistema amministrativo-contabile?"},
    {.q = 31,
     .base = "Sono state svolte eventuali altre valutazioni, oltre a quelle sopra indicate, "
             "nell'ambito dell'attività di vigilanza?"},
    {.q = 32,
     .base = "Sono stati rilevati omissioni, fatti censurabili o irregolarità nel corso "
             "dell'attività di vigilanza?"},
    {.q = 33,
     .base = "E' stato necessario presentare all'assemblea le proposte così come previsto "
             "dall'art. 153, c.2, del D.Lgs. 58/98?",
     .mon = "Al comitato per il controllo sulla gestione sono stati affidati ulteriori compiti, ai "
            "sensi dell'art. 2409-octiesdecies, comma 5, lett. c) del codice civile?",
     .dual = kAbsent},
    // Adherence to the governance code: traditional model only.
    {.q = 34,
     .base = "La società ha aderito al Codice di autodisciplina delle società quotate?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 35,
     .base = "E' stato istituito il comitato per il controllo interno?",
     .mon = kAbsent,
     .dual = kAbsent},
    // 36, 40 and 42 are answered with a number.
    {.q = 36,
     .base = "Quante riunioni sono state svolte dal comitato per il controllo interno nel corso "
             "dell'anno?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 37, .base = "Sono individuati i preposti al controllo interno?", .mon = kAbsent, .dual = kAbsent},
    {.q = 38,
     .base = "I rapporti tra Comitato e i preposti al controllo interno sono adeguatamente "
             "disciplinati?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 39,
     .base = "E' stato istituito il comitato per le proposte di nomina?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 40,
     .base = "Quante riunioni sono state svolte dal comitato nel corso dell'anno?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 41,
     .base = "E' stato istituito il comitato per la remunerazione?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 42,
     .base = "Quante riunioni sono state svolte dal comitato nel corso dell'anno?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 43,
     .base = "Il CdA vigila sul generale andamento della gestione, con particolare attenzione alle "
             "situazioni di conflitto di interessi, tenendo in considerazione, in particolare, le "
             "informazioni ricevute dal comitato esecutivo, dagli amministratori delegati e dal "
             "comitato per il controllo interno, nonché confrontando periodicamente i risultati "
             "conseguiti con quelli programmati?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 44,
     .base = "Il CdA esamina e approva le operazioni aventi un significativo rilievo economico, "
             "patrimoniale e finanziario?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 45, .base = "Nel CdA sono presenti amministratori indipendenti?", .mon = kAbsent, .dual = kAbsent},
    {.q = 46,
     .base = "Il collegio ritiene che il numero degli amministratori indipendenti sia adeguato?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 47,
     .base = "Il Comitato esecutivo e/o gli amministratori delegati rendono periodicamente conto "
             "al CdA delle attività svolte nell'esercizio delle deleghe?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 48,
     .base = "Gli organi delegati forniscono adeguata informativa al CdA e al collegio sindacale "
             "sulle operazioni atipiche, inusuali o con parti correlate?",
     .mon = kAbsent,
     .dual = kAbsent},
    {.q = 49,
     .base = "Ai sindaci sono state fornite le informazioni sull'attività svolta e sulle "
             "operazioni di maggior rilievo con la periodicità prevista dallo statuto?",
     .mon = kAbsent,
     .dual = kAbsent},
    // Contents of the report to the shareholders' meeting.
    {.q = 50,
     .base = "Le considerazioni sulle operazioni di maggior rilievo economico, finanziario e "
             "patrimoniale effettuate dalla società?"},
    {.q = 51,
     .base = "L'indicazione sulla presenza ovvero l'assenza delle operazioni indicate al par. 2 p. "
             "2 della Comunicazione Varzen n. 1025564 del 6 aprile 2001?"},
    {.q = 52,
     .base = "Le informazioni richieste al par. 2 p.2.1 della Comunicazione Varzen n. 1025564 del "
             "6 aprile 2001, per le operazioni di cui al par. 2 p. 2 con parti correlate ovvero "
             "significative?"},
    {.q = 53,
     .base = "Le informazioni richieste al par. 2 p.2.2 della Comunicazione Varzen n. 1025564 del "
             "6 aprile 2001, per le altre operazioni di cui al par. 2 p. 2?"},
    {.q = 54,
     .base = "Le informazioni richieste al par. 2 p.2.3 della Comunicazione Varzen n. 1025564 del "
             "6 aprile 2001, per le operazioni di cui al par. 2 p. 2 aventi natura ordinaria?"},
    {.q = 55,
     .base = "La valutazione circa l'adeguatezza delle informazioni rese dagli amministratori "
             "nella relazione sulla gestione sulle operazioni atipiche e/o inusuali, in conformità "
             "alle indicazioni fornite dalla Varzen?"},
    {.q = 56,
     .base = "La valutazione circa l'adeguatezza delle informazioni rese dagli amministratori "
             "nella relazione sulla gestione sulle operazioni infragruppo e con parti correlate?",
     .dual = "La valutazione circa l'adeguatezza delle informazioni rese dai consiglieri di "
             "gestione nella relazione sulla gestione sulle operazioni infragruppo e con parti "
             "correlate?"},
    {.q = 57,
     .base = "Le osservazioni e le proposte sui rilievi ed i richiami d'informativa contenuti "
             "nella relazione della società di revisione?"},
    {.q = 58, .base = "Le osservazioni sulla proposta di distribuzione dei dividendi?"},
    {.q = 59,
     .base = "Le indicazioni sulla presenza ovvero sull'assenza di denunce ex art. 2408 c.c. e "
             "delle eventuali iniziative intraprese?"},
    {.q = 60,
     .base = "Le indicazioni sulla presenza ovvero l'assenza di esposti e delle eventuali "
             "iniziative intraprese?"},
    {.q = 61,
     .base = "Le indicazioni sulla presenza ovvero l'assenza di ulteriori incarichi conferiti "
             "alla società di revisione e alle entità appartenenti alla sua rete ed i relativi "
             "corrispettivi?"},
    {.q = 62,
     .base = "Le indicazioni sulla presenza ovvero l'assenza di aspetti critici in materia "
             "d'indipendenza della società di revisione e delle eventuali iniziative intraprese "
             "al riguardo?"},
    {.q = 63,
     .base = "L'indicazione sull'esistenza di pareri rilasciati ai sensi di legge nel corso "
             "dell'esercizio?"},
    {.q = 64,
     .base = "L'indicazione sulla frequenza e numero delle riunioni del CdA, del Comitato "
             "Esecutivo e del Collegio Sindacale?",
     .mon = "L'indicazione sulla frequenza e numero delle riunioni del CdA, del Comitato "
            "Esecutivo e del Comitato per il controllo sulla gestione?",
     .dual = "L'indicazione sulla frequenza e numero delle riunioni del Consiglio di Gestione e "
             "del Consiglio di Sorveglianza?"},
    {.q = 65, .base = "Le osservazioni sul rispetto dei principi di corretta amministrazione?"},
    {.q = 66,
     .base = "Le osservazioni sull'adeguatezza della struttura organizzativa per gli aspetti di "
             "competenza del collegio e l'evidenziazione delle eventuali azioni correttive "
             "intraprese e di quelle ancora da adottare?",
     .mon = "Le osservazioni sull'adeguatezza della struttura organizzativa per gli aspetti di "
            "competenza del comitato per il controllo sulla gestione e l'evidenziazione delle "
            "eventuali azioni correttive intraprese e di quelle ancora da adottare?",
     .dual = "Le osservazioni sull'adeguatezza della struttura organizzativa per gli aspetti di "
             "competenza del consiglio di sorveglianza e l'evidenziazione delle eventuali azioni "
             "correttive intraprese e di quelle ancora da adottare?"},
    {.q = 67,
     .base = "Le osservazioni sull'adeguatezza del sistema di controllo interno e "
             "l'evidenziazione delle eventuali azioni correttive intraprese e di quelle ancora da "
             "adottare?"},
    {.q = 68,
     .base = "Le osservazioni sull'adeguatezza del sistema amministrativo-contabile e sulla sua "
             "affidabilità a rappresentare correttamente i fatti di gestione?"},
    {.q = 69,
     .base = "Le osservazioni sull'adeguatezza delle disposizioni impartite dalla società alle "
             "società controllate?"},
    // Two blanks before "emersi".
    {.q = 70,
     .base = "Gli eventuali aspetti rilevanti  emersi nel corso delle riunioni con i responsabili "
             "della società di revisione?"},
    {.q = 71, .base = "L'indicazione sull'adesione al codice di autodisciplina delle società quotate?"},
    {.q = 72,
     .base = "Le valutazioni conclusive in ordine all'attività di vigilanza svolta nel corso "
             "dell'esercizio?"},
    // The Monistico text has no closing question mark.
    {.q = 73,
     .base = "L'indicazione di eventuali proposte all'assemblea così come previsto dall'art. 153, "
             "c.2, del D.Lgs. 58/98?",
     .mon = "I risultati di eventuali ulteriori compiti affidati al comitato per il controllo "
            "sulla gestione, ai sensi dell'art. 2409 octiesdecies, comma 5, lett. c) del codice "
            "civile",
     .dual = kAbsent},
    {.q = 74, .base = "Sono stati rispettati la legge e l'atto costitutivo?"},
    // Monistico: no blank after the comma before "o".
    {.q = 75,
     .base = "Il collegio sindacale ha scambiato informazioni con i corrispondenti organi delle "
             "controllate, ai sensi dell'art. 151, comma 2 del TUF?",
     .mon = "Il comitato per il controllo sulla gestione,o un suo componente appositamente "
            "delegato, ha scambiato informazioni con i corrispondenti organi delle controllate, ai "
            "sensi dell'art. 151-ter, comma 4 del TUF?",
     .dual = "Il consiglio di sorveglianza, o un suo componente appositamente delegato, ha "
             "scambiato informazioni con i corrispondenti organi delle controllate, ai sensi "
             "dell'art. 151-bis, comma 4 del TUF?"},
    {.q = 76,
     .base = "Il collegio sindacale si è avvalso dei poteri di convocazione dell'assemblea, del "
             "CdA o del Comitato esecutivo?",
     .mon = "Il comitato per il controllo sulla gestione si è avvalso dei poteri di convocazione "
            "del Cda o del Comitato esecutivo?",
     .dual = "Il consiglio di sorveglianza si è avvalso dei poteri di convocazione "
             "dell'assemblea o del consiglio di gestione?"},
    // Hidden rows of the traditional model.
    {.q = 77, .base = "", .mon = kAbsent, .dual = kAbsent},
    {.q = 78, .base = "", .mon = kAbsent, .dual = kAbsent},
    // 79 and 80 have no closing question mark.
    {.q = 79, .base = "L'indicazione se siano stati rispettati la legge e l'atto costitutivo"},
    {.q = 80,
     .base = "Eventuali aspetti rilevanti emersi nei contatti con i corrispondenti organi delle "
             "controllate"},
};
static_assert(std::size(kTexts) == kLabels);

constexpr bool textTableInOrder()
{
    for (size_t i = 0; i < std::size(kTexts); ++i)
        if (kTexts[i].q != static_cast<int>(i) || kTexts[i].base == nullptr)
            return false;
    return true;
}
static_assert(textTableInOrder(), "one entry per question label, in label order");

// The version 1.1 form's own wording of a traditional label.
struct V11Text {
    int q;
    const char *text; // UTF-8
};
constexpr V11Text kV11Texts[] = {
    {9, "L'informativa resa dagli amministratori nella relazione sulla gestione rispetto a quanto "
        "previsto dalle Comunicazioni Varzen in materia di controlli societari risulta:"},
    {17, "Sono stati esaminati gli eventuali ulteriori incarichi conferiti alla società di revisione "
         "e valutati i relativi costi?"},
    {18, "Sono stati esaminati gli eventuali incarichi conferiti a soggetti legati alla società "
         "incaricata della revisione da rapporti continuativi e valutati i relativi costi? (cfr. Com. "
         "Varzen 3558 - 18.4.96)"},
    {43, "Il Cda vigila sul generale andamento della gestione, con particolare attenzione alle "
         "situazioni di conflitto di interessi, tenendo in considerazione, in particolare, le "
         "informazioni ricevute dal comitato esecutivo, dagli amministratori delegati e dal comitato "
         "per il controllo interno, nonché confrontando periodicamente i risultati conseguiti con "
         "quelli programmati?"},
    {47, "Il Comitato esecutivo e/o gli amministratori delegati rendono periodicamente conto al Cda "
         "delle attività svolte nell'esercizio delle deleghe?"},
    {55, "La valutazione circa l'adeguatezza delle informazioni rese dagli amministratori nella "
         "relazione sulla gestione sulle operazioni atipiche e/o inusuali, così come indicato nelle "
         "Comunicazioni Varzen in materia di controlli societari?"},
    {61, "Le indicazioni sulla presenza ovvero l'assenza di ulteriori incarichi conferiti alla "
         "società di revisione ed i relativi costi?"},
    {62, "Le indicazioni sulla presenza ovvero l'assenza di incarichi conferiti a soggetti legati "
         "alla società incaricata della revisione da rapporti continuativi ed i relativi costi?"},
};

using Catalogue = std::array<std::optional<QString>, kLabels>;

QString caption(const TextEntry &e, const char *text)
{
    QString s = QString::fromUtf8(text);
    if (e.indented)
        s.prepend(QString(kItemIndent, QLatin1Char(' ')));
    return s;
}

Catalogue buildCatalogue(Modello m)
{
    Catalogue out;
    for (const TextEntry &e : kTexts) {
        const char *text = e.base;
        if (m == Modello::Monistico && e.mon)
            text = e.mon;
        else if (m == Modello::Dualistico && e.dual)
            text = e.dual;
        if (text == kAbsent)
            continue;
        out[static_cast<size_t>(e.q)] = caption(e, text);
    }
    return out;
}

std::array<QString, kV11Labels> buildV11Catalogue()
{
    std::array<QString, kV11Labels> out;
    for (int q = 0; q < kV11Labels; ++q)
        out[static_cast<size_t>(q)] = caption(kTexts[q], kTexts[q].base);
    for (const V11Text &t : kV11Texts)
        out[static_cast<size_t>(t.q)] = caption(kTexts[t.q], t.text);
    return out;
}

// ---------------------------------------------------------------------------------------------
// Page rows
// ---------------------------------------------------------------------------------------------

// How a row looks in one model.
struct Look {
    const char *link = "";
    bool linkVisible = false;
    bool na = false;
    bool frameHidden = false;
    bool labelHidden = false;
};

enum class Var : unsigned char { Same, Own, Absent };

// One row as the traditional model has it, and how the other two models differ.
struct RowDef {
    int page;
    int q;
    int k; // -1 for a heading
    Look trad;
    Var mon = Var::Same;
    Look monLook = {};
    Var dual = Var::Same;
    Look dualLook = {};
};

constexpr Look heading()
{
    return Look{};
}
constexpr Look note(const char *caption, bool na = false)
{
    return Look{.link = caption, .linkVisible = true, .na = na};
}
constexpr Look noteNA(const char *caption)
{
    return note(caption, true);
}
// A group for which no note is foreseen: hidden link "NO".
constexpr Look noNote(bool na = false)
{
    return Look{.link = "NO", .linkVisible = false, .na = na};
}
constexpr Look noNoteNA()
{
    return noNote(true);
}
// Traditional count questions: number box in place of the answer frame.
constexpr Look numberBox()
{
    return Look{.link = "NO", .frameHidden = true};
}
// A row that exists but is wholly hidden.
constexpr Look hiddenRow(const char *caption)
{
    return Look{.link = caption, .frameHidden = true, .labelHidden = true};
}

// The rows of the five question pages, in the traditional screen order.
constexpr RowDef kRows[] = {
    // Riquadro I [1/2]
    {1, 74, 72, note("Nota 0.a")},
    {1, 0, -1, heading()},
    {1, 1, 0, note("Nota 1.a")},
    {1, 2, 1, note("Nota 1.b")},
    {1, 3, 2, note("Nota 1.c")},
    {1, 4, 3, note("Nota 1.d")},
    {1, 5, -1, heading()},
    {1, 6, 4, noNote()},
    {1, 7, 5, noNote()},
    {1, 8, 6, noteNA("Nota 1.e")},
    {1, 9, 7, note("Nota 2.a")},
    {1, 10, 8, noNoteNA()},
    {1, 11, 9, noNoteNA()},
    {1, 12, 10, noNoteNA()},
    {1, 13, 11, note("Nota 3.a")},
    {1, 14, 12, noteNA("Nota 3.b")},
    {1, 15, 13, note("Nota 4.a")},
    {1, 16, 14, noteNA("Nota 4.b")},
    // Riquadro I [2/2]
    {2, 17, 15, noteNA("Nota 5.a")},
    {2, 18, 16, note("Nota 6.a")},
    {2, 19, 17, noNote()},
    {2, 20, 18, note("Nota 7.a")},
    {2, 21, 19, noNote()},
    {2, 22, 20, noteNA("Nota 8.a")},
    {2, 23, 21, noNoteNA()},
    {2, 24, 22, noteNA("Nota 8.b")},
    {2, 75, 73, noNote()},
    {2, 25, 23, noNote()},
    {2, 26, 24, noteNA("Nota 8.c")},
    {2, 27, 25, noNote()},
    {2, 28, 26, noteNA("Nota 8.d")},
    {2, 29, 27, noNote()},
    {2, 30, 28, noteNA("Nota 8.e")},
    {2, 31, 29, noNote()},
    {2, 32, 30, note("Nota 8.f")},
    {2, 33, 31, noNote(), Var::Own, note("Nota 8.h"), Var::Absent},
    {2, 76, 74, note("Nota 8.g")},
    // Riquadro II: traditional model only
    {3, 34, 32, noNote(), Var::Absent, {}, Var::Absent},
    {3, 35, 33, noNote(), Var::Absent, {}, Var::Absent},
    {3, 36, 34, numberBox(), Var::Absent, {}, Var::Absent},
    {3, 37, 35, noNote(), Var::Absent, {}, Var::Absent},
    {3, 38, 36, noNoteNA(), Var::Absent, {}, Var::Absent},
    {3, 39, 37, noNote(), Var::Absent, {}, Var::Absent},
    {3, 40, 38, numberBox(), Var::Absent, {}, Var::Absent},
    {3, 41, 39, noNote(), Var::Absent, {}, Var::Absent},
    {3, 42, 40, numberBox(), Var::Absent, {}, Var::Absent},
    {3, 43, 41, noNote(), Var::Absent, {}, Var::Absent},
    {3, 44, 42, noNote(), Var::Absent, {}, Var::Absent},
    {3, 45, 43, note("Nota 9.a"), Var::Absent, {}, Var::Absent},
    {3, 46, 44, noNoteNA(), Var::Absent, {}, Var::Absent},
    {3, 47, 45, noNoteNA(), Var::Absent, {}, Var::Absent},
    {3, 48, 46, noNoteNA(), Var::Absent, {}, Var::Absent},
    {3, 49, 47, noNote(), Var::Absent, {}, Var::Absent},
    {3, 78, 76, hiddenRow(""), Var::Absent, {}, Var::Absent},
    {3, 77, 75, hiddenRow(""), Var::Absent, {}, Var::Absent},
    // Riquadro III [1/2]
    {4, 79, 77, note("Nota 10.a.1")},
    {4, 50, 48, note("Nota 10.a.2")},
    {4, 51, 49, note("Nota 10.b")},
    {4, 52, 50, note("Nota 10.c")},
    {4, 53, 51, note("Nota 10.d")},
    {4, 54, 52, note("Nota 10.e")},
    {4, 55, 53, note("Nota 10.f")},
    {4, 56, 54, note("Nota 10.g")},
    {4, 57, 55, note("Nota 10.h")},
    {4, 58, 56, note("Nota 10.i")},
    {4, 59, 57, note("Nota 10.j")},
    {4, 60, 58, note("Nota 10.k")},
    {4, 61, 59, note("Nota 10.l")},
    {4, 62, 60, note("Nota 10.m")},
    {4, 63, 61, note("Nota 10.n")},
    // Riquadro III [2/2]
    {5, 64, 62, note("Nota 10.o")},
    {5, 65, 63, note("Nota 10.p")},
    {5, 66, 64, note("Nota 10.q")},
    {5, 67, 65, note("Nota 10.r")},
    {5, 68, 66, note("Nota 10.t")},
    {5, 69, 67, note("Nota 10.u")},
    {5, 80, 78, note("Nota 10.u.1")},
    {5, 70, 68, note("Nota 10.v")},
    {5, 71, 69, note("Nota 10.w"), Var::Own, hiddenRow("Nota 10.w"), Var::Own, hiddenRow("Nota 10.w")},
    {5, 72, 70, note("Nota 10.x")},
    {5, 73, 71, noNoteNA(), Var::Own, note("Nota 10.y"), Var::Absent},
};

// Rows that another model draws elsewhere on the same page.
struct Move {
    Modello modello;
    int page;
    int q;
    int beforeQ; // -1: to the foot of the page
};

constexpr Move kMoves[] = {
    {Modello::Monistico, 2, 76, 33},
    {Modello::Monistico, 5, 71, -1},
    {Modello::Dualistico, 5, 71, -1},
};

using PageRows = std::array<std::vector<PageRow>, kPages>;

PageRows buildRows(Modello m)
{
    PageRows pages;
    for (const RowDef &d : kRows) {
        Var var = Var::Same;
        Look look = d.trad;
        if (m == Modello::Monistico) {
            var = d.mon;
            if (var == Var::Own)
                look = d.monLook;
        } else if (m == Modello::Dualistico) {
            var = d.dual;
            if (var == Var::Own)
                look = d.dualLook;
        }
        if (var == Var::Absent)
            continue;
        PageRow r;
        r.q = d.q;
        r.k = d.k;
        r.link = QString::fromUtf8(look.link);
        r.linkVisible = look.linkVisible;
        r.naVisible = look.na;
        r.frameHidden = look.frameHidden;
        r.labelHidden = look.labelHidden;
        pages[static_cast<size_t>(d.page - 1)].push_back(r);
    }

    for (const Move &mv : kMoves) {
        if (mv.modello != m)
            continue;
        std::vector<PageRow> &rows = pages[static_cast<size_t>(mv.page - 1)];
        const auto byQ = [](int q) { return [q](const PageRow &r) { return r.q == q; }; };
        auto from = std::find_if(rows.begin(), rows.end(), byQ(mv.q));
        if (from == rows.end())
            continue;
        const PageRow moved = *from;
        rows.erase(from);
        auto to = mv.beforeQ < 0 ? rows.end() : std::find_if(rows.begin(), rows.end(), byQ(mv.beforeQ));
        rows.insert(to, moved);
    }
    return pages;
}

// ---------------------------------------------------------------------------------------------
// "Dati Generali" labels
// ---------------------------------------------------------------------------------------------

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

GeneralLabels buildGeneralLabels(Modello m)
{
    const bool dual = m == Modello::Dualistico;
    const auto pick = [m](const char *t, const char *mo, const char *d) {
        switch (m) {
        case Modello::Monistico:
            return u8(mo);
        case Modello::Dualistico:
            return u8(d);
        case Modello::Tradizionale:
            break;
        }
        return u8(t);
    };
    const QString professionalita = u8("Requisiti di professionalità");

    GeneralLabels g;
    g.labelGenerale = {
        u8("Denominazione della società"),
        u8("Codice Fiscale della società"),
        u8("Data di chiusura del bilancio (gg/mm/aaaa)"),
        u8("Indirizzo Referente"),
        u8("Telefono Referente"),
        u8("E-mail Referente"),
        pick("Membri effettivi del collegio sindacale",
             "Membri effettivi del comitato per il controllo sulla gestione",
             "Membri effettivi del consiglio di sorveglianza"),
        u8("Codice Fiscale"),
        u8("Eletto dalle minor."),
        u8("Numero di incarichi ricoperti in società del gruppo"),
        u8("Numero di incarichi ricoperti in società quotate"),
        u8("Numero di incarichi ricoperti in altre società"),
        u8("Numero massimo di incarichi previsti dallo statuto"),
        u8("Data inizio incarico (gg/mm/aaaa)"),
    };

    g.label6 = {
        // 0..4: column headings of the members grid
        pick("Numero presenze alle riunioni del collegio sindacale",
             "Numero pres. alle riunioni del comitato per il contr. sulla gest.",
             "Numero presenze alle riunioni del consigl. di sorvegl."),
        u8("Numero presenze alle assemblee"),
        dual ? u8("Numero presenze alle riunioni del consiglio di gestione")
             : u8("Numero pres. alle riunioni del consiglio d'amministr."),
        dual ? professionalita : u8("Numero pres. alle riunioni del comitato esecutivo"),
        dual ? QString() : u8("Requisiti di profes."),
        // 5, 6: requirement items 79 and 80
        pick("Materie e settori strettamente attinenti quello dell'impresa",
             "Requisiti di professionalità dei membri del comitato per il controllo sulla "
             "gestione",
             "Requisiti di professionalità dei consiglieri di sorveglianza"),
        pick("Eventuali condizioni aggiuntive per la sussistenza dei requisisti di "
             "professionalità dei sindaci",
             "Requisiti di indipendenza previsti da codici di comportamento di associazioni di "
             "categoria o di soci",
             "Requisiti di indipendenza, cause di ineleggibilità e decadenze ulteriori rispetto a "
             "quelli di legge"),
        // 7..11: meeting counts
        u8("Numero di assemblee e riunioni nell'anno"),
        pick("Numero di riunioni del collegio sindacale",
             "Numero di riunioni del comitato per il controllo sulla gestione",
             "Numero di riunioni del consiglio di sorveglianza"),
        u8("Numero di assemblee"),
        dual ? u8("Numero di riunioni del consiglio di gestione")
             : u8("Numero di riunioni del consiglio d'amministrazione"),
        dual ? QString() : u8("Numero di riunioni del comitato esecutivo"),
    };

    // The abbreviated headings carry their full wording as tool tip; the others their caption.
    g.label6Tips = {
        pick("Numero presenze alle riunioni del collegio sindacale",
             "Numero presenze alle riunioni del comitato per il controllo sulla gestione",
             "Numero presenze alle riunioni del consiglio di sorveglianza"),
        g.label6.at(1),
        dual ? u8("Numero presenze alle riunioni del consiglio di gestione")
             : u8("Numero presenze alle riunioni del consiglio d'amministrazione"),
        dual ? professionalita : u8("Numero presenze alle riunioni del comitato esecutivo"),
        dual ? QString() : professionalita,
    };
    g.labelGenerale8Tip = u8("Eletto dalle minoranze");
    g.label7 =
        pick("Requisiti di professionalità dei sindaci", "Requisiti di professionalità ed indipendenza",
             "Requisiti di professionalità ed indipendenza");
    return g;
}

// ---------------------------------------------------------------------------------------------
// The version 1.1 pages
// ---------------------------------------------------------------------------------------------

// Where the version 1.1 rows differ from the traditional ones.
constexpr std::pair<int, const char *> kV11Links[] = {{48, "Nota 10.a"}};
constexpr int kV11NaGroups[] = {16};

PageRows buildV11Rows()
{
    PageRows pages = buildRows(Modello::Tradizionale);
    for (std::vector<PageRow> &rows : pages) {
        std::erase_if(rows, [](const PageRow &r) { return r.q >= kV11Labels; });
        for (PageRow &r : rows) {
            for (const auto &[k, link] : kV11Links)
                if (r.k == k)
                    r.link = u8(link);
            if (std::find(std::begin(kV11NaGroups), std::end(kV11NaGroups), r.k) != std::end(kV11NaGroups))
                r.naVisible = true;
        }
    }
    return pages;
}

QStringList buildV11GeneralLabels()
{
    // The traditional window's texts, in the version 1.1 window's order: its member rows are
    // text boxes with row labels, and its minority heading is written out.
    const GeneralLabels &g = etichetteGenerali(Modello::Tradizionale);
    const QStringList &t = g.labelGenerale;
    QStringList labels = t.mid(0, 7);
    labels << QStringLiteral("Pres.") << QString() << QString() << t[12] << t[13] << t[7]
           << g.labelGenerale8Tip << t[9] << t[10] << t[11];
    return labels;
}

} // namespace

std::optional<QString> v11QuestionText(int q)
{
    static const std::array<QString, kV11Labels> catalogue = buildV11Catalogue();
    if (q < 0 || q >= kV11Labels)
        return std::nullopt;
    return catalogue[static_cast<size_t>(q)];
}

const std::vector<PageRow> &v11PageRows(int page)
{
    static const PageRows rows = buildV11Rows();
    static const std::vector<PageRow> none;
    if (page < 1 || page > kPages)
        return none;
    return rows[static_cast<size_t>(page - 1)];
}

const QString &v11NoteCaption(int k)
{
    static const std::array<QString, kV11Groups> captions = [] {
        std::array<QString, kV11Groups> out;
        for (int page = 1; page <= kPages; ++page)
            for (const PageRow &row : v11PageRows(page))
                if (row.k >= 0)
                    out[static_cast<size_t>(row.k)] = row.link;
        return out;
    }();
    static const QString none;
    if (k < 0 || k >= kV11Groups)
        return none;
    return captions[static_cast<size_t>(k)];
}

const QStringList &v11GeneralLabels()
{
    static const QStringList labels = buildV11GeneralLabels();
    return labels;
}

std::optional<QString> testoDomanda(Modello m, int q)
{
    static const std::array<Catalogue, kModelCount> catalogues = {buildCatalogue(Modello::Tradizionale),
                                                                  buildCatalogue(Modello::Dualistico),
                                                                  buildCatalogue(Modello::Monistico)};
    if (q < 0 || q >= kLabels)
        return std::nullopt;
    return catalogues[indexOf(m)][static_cast<size_t>(q)];
}

const std::vector<PageRow> &righePagina(Modello m, int page)
{
    static const std::array<PageRows, kModelCount> rows = {
        buildRows(Modello::Tradizionale), buildRows(Modello::Dualistico), buildRows(Modello::Monistico)};
    static const std::vector<PageRow> none;
    if (page < 1 || page > kPages)
        return none;
    return rows[indexOf(m)][static_cast<size_t>(page - 1)];
}

bool naShown(Modello m, int k)
{
    using Shown = std::array<bool, kGroups>;
    static const std::array<Shown, kModelCount> shown = [] {
        std::array<Shown, kModelCount> out{};
        for (Modello mod : kModelli)
            for (int page = 1; page <= kPages; ++page)
                for (const PageRow &row : righePagina(mod, page))
                    if (row.k >= 0 && row.naVisible)
                        out[indexOf(mod)][static_cast<size_t>(row.k)] = true;
        return out;
    }();
    return k >= 0 && k < kGroups && shown[indexOf(m)][static_cast<size_t>(k)];
}

const QString &didascaliaNota(Modello m, int k)
{
    using Didascalie = std::array<QString, kGroups>;
    static const std::array<Didascalie, kModelCount> didascalie = [] {
        std::array<Didascalie, kModelCount> out;
        for (Modello mod : kModelli) {
            Didascalie &d = out[indexOf(mod)];
            for (int page = 1; page <= kPages; ++page)
                for (const PageRow &row : righePagina(mod, page))
                    if (row.k >= 0)
                        d[static_cast<size_t>(row.k)] = row.link;
            for (int item = kFirstItemGroup; item < kGroups; ++item)
                d[static_cast<size_t>(item)] =
                    QStringLiteral("Nota 1.0.") + QChar(u'a' + (item - kFirstItemGroup));
        }
        return out;
    }();
    static const QString nessuna;
    if (k < 0 || k >= kGroups)
        return nessuna;
    return didascalie[indexOf(m)][static_cast<size_t>(k)];
}

const GeneralLabels &etichetteGenerali(Modello m)
{
    static const std::array<GeneralLabels, kModelCount> labels = {buildGeneralLabels(Modello::Tradizionale),
                                                                  buildGeneralLabels(Modello::Dualistico),
                                                                  buildGeneralLabels(Modello::Monistico)};
    return labels[indexOf(m)];
}

} // namespace qst
