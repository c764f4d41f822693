#include "checks.h"

#include "core/error.h"
#include "questionnaires.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace bench
{

void require(bool ok, const QString &what)
{
    if (!ok)
        throw core::SchedaError(what);
}

QByteArray digest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly), QStringLiteral("cannot read ") + path);
    return file.readAll();
}

void requireSameContent(const qst::Contenuto &a, const qst::Contenuto &b)
{
    require(a.modello == b.modello, QStringLiteral("the model differs"));
    for (size_t i = 0; i < a.generale.size(); ++i)
        require(a.generale[i] == b.generale[i], QStringLiteral("general field %1 differs").arg(i));
    require(a.riunioniNA == b.riunioniNA, QStringLiteral("the meetings' N/A differs"));
    require(a.membri == b.membri, QStringLiteral("the members differ"));
    for (int k = 0; k < qst::kGroups; ++k) {
        const size_t i = static_cast<size_t>(k);
        require(a.risposte[i] == b.risposte[i] && a.notaRossa[i] == b.notaRossa[i] &&
                    a.noteSi.at(k) == b.noteSi.at(k) && a.noteNo.at(k) == b.noteNo.at(k),
                QStringLiteral("group %1 differs").arg(k));
    }
    require(a.numeri == b.numeri, QStringLiteral("the number boxes differ"));
}

QByteArray contentDigest(const qst::Contenuto &c)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const auto add = [&hash](const QString &text) {
        const qsizetype size = text.size();
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(&size), sizeof size));
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(text.constData()), text.size() * 2));
    };
    add(c.tabella().nome);
    for (const QString &g : c.generale)
        add(g);
    add(c.riunioniNA ? QStringLiteral("NA") : QString());
    for (const QStringList &row : c.membri) {
        add(QStringLiteral("row"));
        for (const QString &cell : row)
            add(cell);
    }
    for (int k = 0; k < qst::kGroups; ++k) {
        add(qst::fileWord(c.risposte[size_t(k)], k) +
            (c.notaRossa[size_t(k)] ? QStringLiteral("*") : QString()));
        add(c.noteSi.at(k));
        add(c.noteNo.at(k));
    }
    for (const QString &n : c.numeri)
        add(n);
    return hash.result();
}

void requireV11Content(const qst::V11Content &c, int noteLength)
{
    const V11Fields f = v11Fields();
    for (size_t i = 0; i < c.general.size(); ++i)
        require(c.general[i] == f.general[i], QStringLiteral("version 1.1 general field %1 differs").arg(i));
    require(c.minority == f.minority, QStringLiteral("version 1.1 minority boxes differ"));
    require(c.numbers == f.numbers, QStringLiteral("version 1.1 number boxes differ"));
    for (int k = 0; k < qst::kV11Groups; ++k) {
        const size_t i = static_cast<size_t>(k);
        const bool si = v11Word(k) != QLatin1String("No");
        const QString note = noteText(noteLength, k);
        require(c.siTicked[i] == si && c.noTicked[i] == !si && !c.naTicked[i] && c.redLink[i] &&
                    (si ? c.noteSiPre[i] : c.noteNoPre[i]) == note &&
                    (si ? c.noteNoPre[i] : c.noteSiPre[i]).isEmpty(),
                QStringLiteral("version 1.1 group %1 differs").arg(k));
    }
}

int pdfPages(const QString &path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdfinfo"), {path});
    require(tool.waitForFinished(60000) && tool.exitCode() == 0,
            QStringLiteral("pdfinfo (poppler-utils) cannot read ") + path);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(tool.readAllStandardOutput()));
    require(m.hasMatch(), QStringLiteral("pdfinfo gives no page count for ") + path);
    return m.captured(1).toInt();
}

} // namespace bench
