#include "cases.h"

#include "platform/scriptedplatform.h"
#include "questionnaire/check.h"
#include "questionnaires.h"
#include "schedafile/lettorexml.h"
#include "schedafile/scrittorexml.h"
#include "schedafile/v11reader.h"
#include "textbaseline.h"
#include "windows/contenutofinestra.h"
#include "windows/modelmodule.h"

#include "core/error.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace bench
{

namespace
{

using Action = std::function<void()>;

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QByteArray written(const qst::Contenuto &c)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    sf::scriviXml(c, programFolder(), buffer);
    return buffer.data();
}

// The state an operation keeps between its runs.
struct Fixture {
    QTemporaryDir folder;
    qst::Contenuto content;
    QByteArray bytes;
    QDomDocument document;
    qst::V11Content v11;
    Paragraphs paragraphs;
    std::unique_ptr<platform::ScriptedPlatform> platform;
    std::unique_ptr<win::ModelModule> module;
};

// The timed action of operation `s.operation`, after its untimed preparation into `f`.
Action prepare(const Subject &s, Fixture &f)
{
    const QString &op = s.operation;
    const QString pdf = f.folder.filePath(QStringLiteral("out.pdf"));
    if (op.startsWith(QStringLiteral("v11-"))) {
        f.bytes = v11File(s.noteLength);
        f.v11 = sf::parseV11(f.bytes).content;
        if (op == QStringLiteral("v11-open"))
            return [&f] { sf::parseV11(f.bytes); };
        if (op == QStringLiteral("v11-open-dom"))
            return [&f] { QDomDocument().setContent(f.bytes); };
        if (op == QStringLiteral("v11-print"))
            return [&f, pdf] { printForm(f.v11, pdf); };
        if (op == QStringLiteral("v11-print-text"))
            return [&f, pdf] { printWithTextDocument(printedTexts(f.v11), pdf); };
        return {};
    }
    f.content = questionnaire(s.model, s.noteLength, s.members);
    f.bytes = written(f.content);
    if (op == QStringLiteral("save"))
        return [&f] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            sf::scriviXml(f.content, programFolder(), buffer);
        };
    if (op == QStringLiteral("save-dom")) {
        f.document.setContent(f.bytes);
        return [&f] {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QTextStream stream(&buffer);
            f.document.save(stream, 2);
        };
    }
    if (op == QStringLiteral("commit"))
        return [&f] {
            QSaveFile file(f.folder.filePath(QStringLiteral("scheda.xml")));
            if (!file.open(QIODevice::WriteOnly) || file.write(f.bytes) != f.bytes.size() || !file.commit())
                throw core::SchedaError(QStringLiteral("commit failed"));
        };
    if (op == QStringLiteral("open"))
        return [&f, m = s.model] { sf::FileScheda(f.bytes).leggiXml(m); };
    if (op == QStringLiteral("open-dom"))
        return [&f] { QDomDocument().setContent(f.bytes); };
    if (op == QStringLiteral("apply")) {
        f.platform = std::make_unique<platform::ScriptedPlatform>();
        f.module = std::make_unique<win::ModelModule>(s.model, f.platform->platform());
        f.module->window();
        return [&f] { win::applicaContenuto(*f.module, f.content); };
    }
    if (op == QStringLiteral("check")) {
        const std::vector<qst::Finding> findings = qst::checkContent(f.content);
        if (!findings.empty())
            throw core::SchedaError(QStringLiteral("the questionnaire does not pass the check: ") +
                                    findings.front().text);
        return [&f] { qst::checkContent(f.content); };
    }
    if (op == QStringLiteral("print"))
        return [&f, pdf] { printForm(f.content, pdf); };
    if (op == QStringLiteral("print-text"))
        return [&f, pdf] { printWithTextDocument(printedTexts(f.content), pdf); };
    return {};
}

} // namespace

double median(std::vector<double> times)
{
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

std::optional<double> measure(const Subject &s, int warmUps, int runs, QString &error)
{
    try {
        Fixture f;
        const Action action = prepare(s, f);
        if (!action) {
            error = QStringLiteral("unknown operation ") + s.operation;
            return std::nullopt;
        }
        for (int i = 0; i < warmUps; ++i)
            action();
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            action();
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        return median(std::move(times));
    } catch (const core::SchedaError &e) {
        error = e.description();
    } catch (const std::exception &e) {
        error = QString::fromUtf8(e.what());
    }
    return std::nullopt;
}

} // namespace bench
