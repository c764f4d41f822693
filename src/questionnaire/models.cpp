#include "models.h"

#include "indices.h"

namespace qst
{

namespace
{

QString captionOf(const QString &suffix)
{
    return titoloInizio() + QStringLiteral(" - MODELLO ") + suffix;
}

ModelTable makeTradizionale()
{
    return ModelTable{
        .modello = Modello::Tradizionale,
        .nome = QStringLiteral("Tradizionale"),
        .caption = captionOf(QStringLiteral("TRADIZIONALE")),
        .noteWindowName = QStringLiteral("Nota_Trad"),
        .moduleName = QStringLiteral("Function_Tradizionale"),
        .organo = QStringLiteral("collegio sindacale"),
        .templateFile = QStringLiteral("SchedaOrganiSociali_base_trad.dat"),
        .modelElement = QStringLiteral("ModelloTradizionale"),
        .memberElement = QStringLiteral("MembroCollegioSindacale"),
        .gridColumns = 13,
        .answerGroups = IndexSet("0-81"),
        .noNaGroups = IndexSet("0-78, 80"),
        .questionLabels = IndexSet("0-80"),
        .riquadroIIHasQuestions = true,
        .meetingFields = {field::BodyMeetings, field::ShareholderMeetings, field::BoardMeetings,
                          field::ExecutiveCommitteeMeetings},
        .hasRiunioniNA = true,
        .hasNumberBoxes = true,
        .siOpening = IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 43, 74, 76, 80"),
        .noOpening = IndexSet("6, 7, 15, 20-24, 26, 28, 48-72, 75, 77, 78"),
        .siLink = IndexSet("0-3, 11-16, 18, 43, 74, 76, 79-81"),
        .noLink = IndexSet("6, 7, 21, 23, 48-73, 75, 77, 78"),
        .siOrNoLink = IndexSet("20, 22, 24, 26, 28"),
    };
}

ModelTable makeDualistico()
{
    return ModelTable{
        .modello = Modello::Dualistico,
        .nome = QStringLiteral("Dualistico"),
        .caption = captionOf(QStringLiteral("DUALISTICO")),
        .noteWindowName = QStringLiteral("Nota_Dual"),
        .moduleName = QStringLiteral("Function_Dualistico"),
        .organo = QStringLiteral("consiglio di sorveglianza"),
        .templateFile = QStringLiteral("SchedaOrganiSociali_base_dual.dat"),
        .modelElement = QStringLiteral("ModelloDualistico"),
        .memberElement = QStringLiteral("MembroConsiglioSorveglianza"),
        .gridColumns = 12,
        .answerGroups = IndexSet("0-30, 48-70, 72-74, 77-81"),
        .noNaGroups = IndexSet("0-30, 48-70, 72-74, 77, 78"),
        .questionLabels = IndexSet("0-32, 50-72, 74-76, 79, 80"),
        .riquadroIIHasQuestions = false,
        .meetingFields = {field::BodyMeetings, field::ShareholderMeetings, field::BoardMeetings},
        .hasRiunioniNA = false,
        .hasNumberBoxes = false,
        .siOpening = IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 74"),
        .noOpening = IndexSet("6, 7, 15, 16, 20-24, 26, 28, 48-70, 72, 77, 78"),
        .siLink = IndexSet("0-3, 11-16, 18, 74, 79-81"),
        .noLink = IndexSet("6, 7, 21, 23, 48-70, 72, 73, 77, 78"),
        .siOrNoLink = IndexSet("20, 22, 24, 26, 28"),
    };
}

ModelTable makeMonistico()
{
    return ModelTable{
        .modello = Modello::Monistico,
        .nome = QStringLiteral("Monistico"),
        .caption = captionOf(QStringLiteral("MONISTICO")),
        .noteWindowName = QStringLiteral("Nota_Mon"),
        .moduleName = QStringLiteral("Function_Monistico"),
        .organo = QStringLiteral("comitato per il controllo sulla gestione"),
        .templateFile = QStringLiteral("SchedaOrganiSociali_base_mon.dat"),
        .modelElement = QStringLiteral("ModelloMonistico"),
        .memberElement = QStringLiteral("MembroControlloGestione"),
        .gridColumns = 13,
        .answerGroups = IndexSet("0-31, 48-74, 77-81"),
        .noNaGroups = IndexSet("0-31, 48-74, 77, 78"),
        .questionLabels = IndexSet("0-33, 50-76, 79, 80"),
        .riquadroIIHasQuestions = false,
        .meetingFields = {field::BodyMeetings, field::ShareholderMeetings, field::BoardMeetings,
                          field::ExecutiveCommitteeMeetings},
        .hasRiunioniNA = true,
        .hasNumberBoxes = false,
        .siOpening = IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 31, 74"),
        .noOpening = IndexSet("6, 7, 15, 16, 20-24, 26, 28, 48-73, 77, 78"),
        .siLink = IndexSet("0-3, 11-16, 18, 31, 74, 79-81"),
        .noLink = IndexSet("6, 7, 21, 23, 48-73, 77, 78"),
        .siOrNoLink = IndexSet("20, 22, 24, 26, 28"),
    };
}

} // namespace

const ModelTable &modelTable(Modello m)
{
    static const std::array<ModelTable, 3> tables = {makeTradizionale(), makeDualistico(), makeMonistico()};
    return tables[static_cast<size_t>(m)];
}

QString titoloInizio()
{
    return QStringLiteral("Varzen - Scheda riepilogativa dell'Quadrivex v. 2.0");
}

QString trayTip(const QString &caption)
{
    const QString marker = QStringLiteral("v. 2.0 ");
    const qsizetype at = caption.indexOf(marker);
    if (at < 0)
        return caption.left(63);
    return caption.left(at + marker.size());
}

int labelOfGroup(int k)
{
    if (k >= 0 && k <= 3)
        return k + 1;
    if (k >= 4 && k <= 78)
        return k + 2;
    return -1;
}

int groupOfLabel(int q)
{
    if (q >= 1 && q <= 4)
        return q - 1;
    if (q >= 6 && q <= 80)
        return q - 2;
    return -1;
}

int pageOfGroup(int k)
{
    if ((k >= 0 && k <= 14) || k == 72)
        return 1;
    if ((k >= 15 && k <= 31) || k == 73 || k == 74)
        return 2;
    if ((k >= 32 && k <= 47) || k == 75 || k == 76)
        return 3;
    if ((k >= 48 && k <= 61) || k == 77)
        return 4;
    if ((k >= 62 && k <= 71) || k == 78)
        return 5;
    return 0;
}

int numberBoxOfGroup(Modello m, int k)
{
    if (!modelTable(m).hasNumberBoxes)
        return -1;
    switch (k) {
    case 34:
        return 0;
    case 38:
        return 1;
    case 40:
        return 2;
    default:
        return -1;
    }
}

const QStringList &pageCaptions()
{
    static const QStringList captions = {
        QStringLiteral("Dati Generali"),      QStringLiteral("Riquadro I [1/2]"),
        QStringLiteral("Riquadro I [2/2]"),   QStringLiteral("Riquadro II"),
        QStringLiteral("Riquadro III [1/2]"), QStringLiteral("Riquadro III [2/2]"),
    };
    return captions;
}

QString unsavedEditsText()
{
    return QStringLiteral("Con questa operazione verranno perse tutte le modifiche\n"
                          "effettuate: si desidera salvarle in un file temporaneo?");
}

} // namespace qst
