#include "models.h"

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
        Modello::Tradizionale,
        QStringLiteral("Tradizionale"),
        captionOf(QStringLiteral("TRADIZIONALE")),
        QStringLiteral("Nota_Trad"),
        QStringLiteral("Function_Tradizionale"),
        QStringLiteral("collegio sindacale"),
        QStringLiteral("SchedaOrganiSociali_base_trad.dat"),
        QStringLiteral("ModelloTradizionale"),
        QStringLiteral("MembroCollegioSindacale"),
        13,
        IndexSet("0-81"),
        IndexSet("0-78, 80"),
        IndexSet("0-80"),
        true,
        {62, 63, 64, 65},
        true,
        true,
        IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 43, 74, 76, 80"),
        IndexSet("6, 7, 15, 20-24, 26, 28, 48-72, 75, 77, 78"),
        IndexSet("0-3, 11-16, 18, 43, 74, 76, 79-81"),
        IndexSet("6, 7, 21, 23, 48-73, 75, 77, 78"),
        IndexSet("20, 22, 24, 26, 28"),
    };
}

ModelTable makeDualistico()
{
    return ModelTable{
        Modello::Dualistico,
        QStringLiteral("Dualistico"),
        captionOf(QStringLiteral("DUALISTICO")),
        QStringLiteral("Nota_Dual"),
        QStringLiteral("Function_Dualistico"),
        QStringLiteral("consiglio di sorveglianza"),
        QStringLiteral("SchedaOrganiSociali_base_dual.dat"),
        QStringLiteral("ModelloDualistico"),
        QStringLiteral("MembroConsiglioSorveglianza"),
        12,
        IndexSet("0-30, 48-70, 72-74, 77-81"),
        IndexSet("0-30, 48-70, 72-74, 77, 78"),
        IndexSet("0-32, 50-72, 74-76, 79, 80"),
        false,
        {62, 63, 64},
        false,
        false,
        IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 74"),
        IndexSet("6, 7, 15, 16, 20-24, 26, 28, 48-70, 72, 77, 78"),
        IndexSet("0-3, 11-16, 18, 74, 79-81"),
        IndexSet("6, 7, 21, 23, 48-70, 72, 73, 77, 78"),
        IndexSet("20, 22, 24, 26, 28"),
    };
}

ModelTable makeMonistico()
{
    return ModelTable{
        Modello::Monistico,
        QStringLiteral("Monistico"),
        captionOf(QStringLiteral("MONISTICO")),
        QStringLiteral("Nota_Mon"),
        QStringLiteral("Function_Monistico"),
        QStringLiteral("comitato per il controllo sulla gestione"),
        QStringLiteral("SchedaOrganiSociali_base_mon.dat"),
        QStringLiteral("ModelloMonistico"),
        QStringLiteral("MembroControlloGestione"),
        13,
        IndexSet("0-31, 48-74, 77-81"),
        IndexSet("0-31, 48-74, 77, 78"),
        IndexSet("0-33, 50-76, 79, 80"),
        false,
        {62, 63, 64, 65},
        true,
        false,
        IndexSet("0-3, 11-16, 18, 20, 22, 24, 26, 28, 30, 31, 74"),
        IndexSet("6, 7, 15, 16, 20-24, 26, 28, 48-73, 77, 78"),
        IndexSet("0-3, 11-16, 18, 31, 74, 79-81"),
        IndexSet("6, 7, 21, 23, 48-73, 77, 78"),
        IndexSet("20, 22, 24, 26, 28"),
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
