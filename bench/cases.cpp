#include "cases.h"

#include "app/application.h"
#include "checks.h"
#include "core/error.h"
#include "platform/scriptedplatform.h"
#include "questionnaire/check.h"
#include "questionnaires.h"
#include "schedafile/lettorexml.h"
#include "schedafile/scrittorexml.h"
#include "schedafile/v11reader.h"
#include "textbaseline.h"
#include "windows/contenutofinestra.h"
#include "windows/modelmodule.h"
#include "windows/questionnairewindow.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace bench
{

namespace
{

// One run of an operation: what it timed, in milliseconds, and the parts of that.
struct Run {
    double ms = 0;
    std::vector<std::pair<QString, double>> parts;
};

// A prepared operation: `run` performs it once and says what it timed; `check` then looks at its
// result, outside the clock, and throws when it is wrong.
struct Operation {
    std::function<Run()> run;
    std::function<void()> check;
};

Run timed(const std::function<void()> &action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    return {double(clock.nsecsElapsed()) / 1e6, {}};
}

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

// Times the change of a window's title: from arm() until the title names a text.
class TitleWatch : public QObject
{
public:
    explicit TitleWatch(QWidget &window) : window_(window) { window.installEventFilter(this); }

    // Starts the clock; it stops when the title next names `expected`.
    void arm(const QString &expected)
    {
        expected_ = expected;
        ms_.reset();
        clock_.start();
    }
    // The milliseconds from arm() to that title; throws when it never came.
    double ms() const
    {
        require(ms_.has_value(), QStringLiteral("the window's title does not name ") + expected_);
        return *ms_;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &window_ && event->type() == QEvent::WindowTitleChange && !ms_ &&
            window_.windowTitle().contains(expected_))
            ms_ = double(clock_.nsecsElapsed()) / 1e6;
        return false;
    }

private:
    QWidget &window_;
    QString expected_;
    QElapsedTimer clock_;
    std::optional<double> ms_;
};

// The program as the user has it: the application on the scripted platform, with the window of
// one model shown.
struct Program {
    explicit Program(qst::Modello m) : application(platform.platform()), module(application.module(m))
    {
        application.avviaModello(m);
        win::QuestionnaireWindow &w = module.window();
        const QDeadlineTimer deadline(20000);
        while (!(w.windowHandle() && w.windowHandle()->isExposed())) {
            require(!deadline.hasExpired(), QStringLiteral("the questionnaire window is never shown"));
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        QCoreApplication::processEvents();
        title = std::make_unique<TitleWatch>(w);
    }

    // The button of the window's command `caption`.
    QPushButton &button(const QString &caption)
    {
        for (QPushButton *b : module.window().findChildren<QPushButton *>())
            if (b->text() == caption)
                return *b;
        throw core::SchedaError(QStringLiteral("the window has no button ") + caption);
    }
    // Throws when the command showed a box (its message) or met something the script did not
    // expect.
    void requireQuiet()
    {
        require(platform.messages.isEmpty(),
                platform.messages.isEmpty() ? QString() : platform.messages.first().text);
        require(platform.failures.isEmpty(), platform.failures.join(u'\n'));
    }

    platform::ScriptedPlatform platform;
    app::Application application;
    win::ModelModule &module;
    std::unique_ptr<TitleWatch> title;
};

// The state an operation keeps between its runs.
struct Fixture {
    QTemporaryDir folder;
    qst::Contenuto content;
    QByteArray bytes;
    QByteArray fileDigest;    // of the questionnaire's file
    QByteArray contentDigest; // of the questionnaire
    QByteArray output;        // what the last run wrote into memory
    QByteArray firstDigest;
    qst::Contenuto opened;
    QDomDocument document;
    bool parsed = false;
    qst::V11Content v11;
    Paragraphs paragraphs;
    std::vector<qst::Finding> findings;
    int pages = 0;
    int runs = 0;
    std::unique_ptr<Program> program;
    std::unique_ptr<platform::ScriptedPlatform> platform;
    std::unique_ptr<win::ModelModule> module;
};

// Throws unless `bytes` are those of the first run.
void requireSameAsFirst(Fixture &f, const QByteArray &bytes)
{
    const QByteArray d = digest(bytes);
    if (f.firstDigest.isEmpty())
        f.firstDigest = d;
    require(d == f.firstDigest, QStringLiteral("the bytes written differ from the first run's"));
}

// Throws unless a save of the opened content is, byte for byte, the file it was opened from (so
// that the content reads back as itself), and the content is the questionnaire the file was
// written from.
void requireOpened(const qst::Contenuto &opened, const Subject &s, Fixture &f)
{
    require(digest(written(opened)) == f.fileDigest,
            QStringLiteral("a save of the opened content differs from the file"));
    if (f.contentDigest.isEmpty())
        f.contentDigest = contentDigest(questionnaire(s.model, s.noteLength, s.members));
    if (contentDigest(opened) != f.contentDigest) {
        requireSameContent(opened, questionnaire(s.model, s.noteLength, s.members)); // names what differs
        throw core::SchedaError(QStringLiteral("the opened content is not the questionnaire of the file"));
    }
}

Operation domParse(Fixture &f)
{
    return {[&f] { return timed([&f] { f.parsed = f.document.setContent(f.bytes); }); },
            [&f] {
                require(f.parsed && !f.document.documentElement().isNull(),
                        QStringLiteral("setContent refuses the file"));
                f.document = QDomDocument();
            }};
}

Operation printing(Fixture &f, const QString &pdf, std::function<Printout()> print)
{
    return {
        [&f, print] {
            QElapsedTimer clock;
            clock.start();
            const Printout p = print();
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            f.pages = p.pages;
            return Run{ms, {{QStringLiteral("layout"), p.layoutMs}, {QStringLiteral("painting"), p.paintMs}}};
        },
        [&f, pdf] {
            require(pdfPages(pdf) == f.pages, QStringLiteral("the PDF's pages are not the printer's"));
        }};
}

Operation textPrinting(Fixture &f, const QString &pdf)
{
    return {[&f, pdf] { return timed([&f, pdf] { f.pages = printWithTextDocument(f.paragraphs, pdf); }); },
            [&f, pdf] {
                require(pdfPages(pdf) == f.pages, QStringLiteral("the PDF's pages are not the document's"));
            }};
}

// The printout of `c` ("print") or its QTextDocument baseline ("print-text"), the operation's
// name after `prefix`; nothing for another operation.
template <typename Content>
Operation printCase(const QString &op, const QString &prefix, Fixture &f, const Content &c)
{
    const QString pdf = f.folder.filePath(QStringLiteral("out.pdf"));
    if (op == prefix + QStringLiteral("print"))
        return printing(f, pdf, [&c, pdf] { return printForm(c, pdf); });
    if (op == prefix + QStringLiteral("print-text")) {
        f.paragraphs = printedTexts(c);
        return textPrinting(f, pdf);
    }
    return {};
}

Operation prepareV11(const QString &op, int noteLength, Fixture &f)
{
    f.bytes = v11File(noteLength);
    if (op == QStringLiteral("v11-open"))
        return {[&f] { return timed([&f] { f.v11 = sf::parseV11(f.bytes).content; }); },
                [&f, noteLength] {
                    requireV11Content(f.v11, noteLength);
                    f.v11 = qst::V11Content();
                }};
    if (op == QStringLiteral("v11-open-dom"))
        return domParse(f);
    f.v11 = sf::parseV11(f.bytes).content;
    f.bytes.clear();
    return printCase(op, QStringLiteral("v11-"), f, f.v11);
}

// The end-to-end operations, on the program's window.
Operation prepareWindow(const Subject &s, Fixture &f)
{
    const QString &op = s.operation;
    const QStringList paths = {f.folder.filePath(QStringLiteral("scheda-a.xml")),
                               f.folder.filePath(QStringLiteral("scheda-b.xml"))};
    f.fileDigest = digest(fileBytes(s.file));
    if (op == QStringLiteral("open-window-dom"))
        return {[&f, file = s.file] {
                    return timed([&f, &file] {
                        QFile in(file);
                        f.parsed = in.open(QIODevice::ReadOnly) && f.document.setContent(in.readAll());
                    });
                },
                [&f] {
                    require(f.parsed && !f.document.documentElement().isNull(),
                            QStringLiteral("setContent refuses the file"));
                    f.document = QDomDocument();
                }};
    if (op == QStringLiteral("save-window-dom")) {
        require(f.document.setContent(fileBytes(s.file)), QStringLiteral("setContent refuses the file"));
        return {[&f, path = paths[0]] {
                    return timed([&f, &path] {
                        QSaveFile file(path);
                        require(file.open(QIODevice::WriteOnly), QStringLiteral("cannot write ") + path);
                        QTextStream stream(&file);
                        f.document.save(stream, 2);
                        stream.flush();
                        require(file.commit(), QStringLiteral("cannot commit ") + path);
                    });
                },
                [&f, path = paths[0]] { requireSameAsFirst(f, fileBytes(path)); }};
    }
    if (op == QStringLiteral("open-window")) {
        // Two copies, so that every open changes the title.
        for (const QString &path : paths)
            require(QFile::copy(s.file, path), QStringLiteral("cannot copy ") + s.file);
        f.program = std::make_unique<Program>(s.model);
        QPushButton *leggi = &f.program->button(QStringLiteral("Leggi"));
        return {[&f, paths, leggi] {
                    const QString &path = paths[f.runs++ % 2];
                    f.program->platform.chooseFile(path);
                    f.program->title->arm(path);
                    leggi->click();
                    return Run{f.program->title->ms(), {}};
                },
                [&f, s] {
                    f.program->requireQuiet();
                    requireOpened(win::leggiContenuto(f.program->module), s, f);
                }};
    }
    if (op == QStringLiteral("save-window")) {
        f.program = std::make_unique<Program>(s.model);
        win::applicaContenuto(f.program->module, questionnaire(s.model, s.noteLength, s.members));
        QPushButton *salva = &f.program->button(QStringLiteral("Salva temp."));
        return {[&f, paths, salva] {
                    const QString &path = paths[f.runs % 2];
                    f.program->platform.chooseFile(path);
                    f.program->title->arm(QFileInfo(path).fileName());
                    salva->click();
                    return Run{f.program->title->ms(), {}};
                },
                [&f, paths] {
                    f.program->requireQuiet();
                    const QByteArray saved = fileBytes(paths[f.runs++ % 2]);
                    requireSameAsFirst(f, saved);
                    require(digest(saved) == f.fileDigest,
                            QStringLiteral("the saved file differs from the questionnaire's file"));
                }};
    }
    return {};
}

// The timed operation `s.operation`, after its untimed preparation into `f`.
Operation prepare(const Subject &s, Fixture &f)
{
    const QString &op = s.operation;
    if (op.startsWith(QStringLiteral("v11-")))
        return prepareV11(op, s.noteLength, f);
    if (showsWindow(op))
        return prepareWindow(s, f);
    if (readsFile(op)) {
        f.bytes = fileBytes(s.file);
        f.fileDigest = digest(f.bytes);
    }
    if (op == QStringLiteral("open"))
        return {
            [&f, m = s.model] { return timed([&f, m] { f.opened = sf::FileScheda(f.bytes).leggiXml(m); }); },
            [&f, s] {
                requireOpened(f.opened, s, f);
                f.opened = qst::Contenuto(s.model);
            }};
    if (op == QStringLiteral("open-dom"))
        return domParse(f);
    if (op == QStringLiteral("save-dom")) {
        require(f.document.setContent(f.bytes), QStringLiteral("setContent refuses the file"));
        f.bytes.clear();
        return {[&f] {
                    return timed([&f] {
                        QBuffer buffer(&f.output);
                        buffer.open(QIODevice::WriteOnly);
                        QTextStream stream(&buffer);
                        f.document.save(stream, 2);
                    });
                },
                [&f] {
                    requireSameAsFirst(f, f.output);
                    f.output = QByteArray();
                }};
    }
    if (op == QStringLiteral("commit")) {
        const QString path = f.folder.filePath(QStringLiteral("scheda.xml"));
        return {[&f, path] {
                    return timed([&f, &path] {
                        QSaveFile file(path);
                        require(file.open(QIODevice::WriteOnly) && file.write(f.bytes) == f.bytes.size() &&
                                    file.commit(),
                                QStringLiteral("cannot commit ") + path);
                    });
                },
                [&f, path] {
                    require(digest(fileBytes(path)) == f.fileDigest, QStringLiteral("the file differs"));
                }};
    }

    f.content = questionnaire(s.model, s.noteLength, s.members);
    if (op == QStringLiteral("save"))
        return {[&f] {
                    return timed([&f] {
                        QBuffer buffer(&f.output);
                        buffer.open(QIODevice::WriteOnly);
                        sf::scriviXml(f.content, programFolder(), buffer);
                    });
                },
                [&f] {
                    require(digest(f.output) == f.fileDigest,
                            QStringLiteral("the bytes written differ from the questionnaire's file"));
                    f.output = QByteArray();
                }};
    if (op == QStringLiteral("apply")) {
        f.platform = std::make_unique<platform::ScriptedPlatform>();
        f.module = std::make_unique<win::ModelModule>(s.model, f.platform->platform());
        f.module->window();
        return {[&f] { return timed([&f] { win::applicaContenuto(*f.module, f.content); }); },
                [&f] { requireSameContent(win::leggiContenuto(*f.module), f.content); }};
    }
    if (op == QStringLiteral("check")) {
        // The whole check as "Genera" runs it; a complete questionnaire asks nothing.
        const auto check = [&f] {
            f.findings.clear();
            qst::runCheck(
                f.content, [&f](const qst::Finding &finding) { f.findings.push_back(finding); },
                [](const qst::Finding &) { return std::nullopt; });
        };
        return {[check] { return timed(check); },
                [&f] {
                    require(f.findings.empty(),
                            QStringLiteral("the questionnaire does not pass the check: ") +
                                (f.findings.empty() ? QString() : f.findings.front().text));
                }};
    }
    return printCase(op, QString(), f, f.content);
}

Times timesOf(const std::vector<double> &runs)
{
    Times t;
    t.cold = runs.front();
    if (runs.size() > 1)
        t.warm = median(std::vector<double>(runs.begin() + 1, runs.end()));
    return t;
}

} // namespace

long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

void resetPeakMemory()
{
    // Linux sets the peak to the present resident size on "5".
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

bool readsFile(const QString &operation)
{
    static const QStringList operations = {QStringLiteral("open"),
                                           QStringLiteral("open-dom"),
                                           QStringLiteral("save"),
                                           QStringLiteral("save-dom"),
                                           QStringLiteral("commit"),
                                           QStringLiteral("open-window"),
                                           QStringLiteral("open-window-dom"),
                                           QStringLiteral("save-window"),
                                           QStringLiteral("save-window-dom")};
    return operations.contains(operation);
}

bool showsWindow(const QString &operation)
{
    return operation.startsWith(QStringLiteral("open-window")) ||
           operation.startsWith(QStringLiteral("save-window"));
}

double median(std::vector<double> times)
{
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

std::optional<Measurement> measure(const Subject &s, int warmRuns, QString &error)
{
    try {
        Fixture f;
        const Operation operation = prepare(s, f);
        if (!operation.run) {
            error = QStringLiteral("unknown operation ") + s.operation;
            return std::nullopt;
        }
        std::vector<Run> runs;
        long peak = 0;
        for (int i = 0; i <= warmRuns; ++i) {
            runs.push_back(operation.run());
            peak = std::max(peak, peakMemoryKb());
            operation.check();
            resetPeakMemory();
            // What the program does after a command (painting the window) stays out of the clock.
            QCoreApplication::processEvents();
        }
        Measurement m;
        m.peakKb = peak;
        std::vector<double> ms;
        for (const Run &r : runs)
            ms.push_back(r.ms);
        m.times = timesOf(ms);
        for (size_t p = 0; p < runs.front().parts.size(); ++p) {
            std::vector<double> part;
            for (const Run &r : runs)
                part.push_back(r.parts[p].second);
            m.parts.emplace_back(runs.front().parts[p].first, timesOf(part));
        }
        return m;
    } catch (const core::SchedaError &e) {
        error = e.description();
    } catch (const std::exception &e) {
        error = QString::fromUtf8(e.what());
    }
    return std::nullopt;
}

} // namespace bench
