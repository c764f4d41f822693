// The benchmark: times of opening, saving, validation, printing and start-up at the largest
// questionnaire the program accepts and at a typical one, each beside a baseline measured in the
// same run, and how they grow with the notes and the members. Every case and every baseline runs
// in a child process of its own (this program, started again with the case's name), so its peak
// memory is its own and its first run is what the user's first command costs. `scheda-bench
// --help` lists the options.
#include "app/application.h"
#include "cases.h"
#include "core/error.h"
#include "questionnaire/models.h"
#include "questionnaires.h"
#include "schedafile/scrittorexml.h"
#include "startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

using bench::Subject;
using bench::Times;
using qst::Modello;

namespace
{

struct Options {
    int runs = 5;      // warm runs after the cold one
    int processes = 3; // fresh processes of a case under a second
    int startRuns = 9;
    int noteLength = bench::kNoteLimit;
    int members = 200;
    QString only;
    bool offscreen = false;
};

// What a child reported.
struct Result {
    bool ok = false;
    Times times;
    std::vector<std::pair<QString, Times>> parts;
    double firstMs = 0;  // start-up: the start window
    double secondMs = 0; // start-up: the questionnaire window
    long peakKb = 0;
    QString error;

    // The times of part `name`; none when the child reported no such part.
    std::optional<Times> part(const QString &name) const
    {
        for (const auto &[n, t] : parts)
            if (n == name)
                return t;
        return std::nullopt;
    }
};

void say(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
}

QString modelName(Modello m)
{
    return qst::modelTable(m).nome;
}

// An Xvfb server of the benchmark's own, for the start-up and the cases that show the window.
class Display
{
public:
    ~Display()
    {
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            server_.waitForFinished(5000);
        }
    }
    // Starts the server; the empty text when it cannot be started.
    QString start()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (program.isEmpty())
            return QString();
        for (int n = 90; n < 190; ++n) {
            if (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            server_.setProgram(program);
            server_.setArguments({QStringLiteral(":%1").arg(n), QStringLiteral("-screen"),
                                  QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                  QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            server_.setStandardOutputFile(QProcess::nullDevice());
            server_.start();
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
            for (int i = 0; i < 100 && server_.state() != QProcess::NotRunning; ++i) {
                if (QFileInfo::exists(socket))
                    return QStringLiteral(":%1").arg(n);
                QThread::msleep(50);
            }
            server_.kill();
            server_.waitForFinished();
        }
        return QString();
    }

private:
    QProcess server_;
};

class Bench
{
public:
    explicit Bench(Options o) : o_(std::move(o)) {}

    // A case run in its own child, once per subject and table: the figures a table compares are
    // measured minutes apart at most, not across the whole run.
    Result run(Subject s, const QString &table = QString())
    {
        const QString key = QStringLiteral("%1/%2/%3/%4/%5")
                                .arg(s.operation)
                                .arg(int(s.model))
                                .arg(s.noteLength)
                                .arg(s.members)
                                .arg(table);
        if (cache_.contains(key))
            return cache_[key];
        say(QStringLiteral("  %1 %2, notes %3, members %4")
                .arg(s.operation, modelName(s.model))
                .arg(s.noteLength)
                .arg(s.members));
        Result r;
        try {
            if (bench::readsFile(s.operation))
                s.file = file(s);
            QStringList args = {QStringLiteral("--child"),   s.operation,
                                QStringLiteral("--model"),   QString::number(int(s.model)),
                                QStringLiteral("--notes"),   QString::number(s.noteLength),
                                QStringLiteral("--members"), QString::number(s.members),
                                QStringLiteral("--file"),    s.file,
                                QStringLiteral("--runs"),    QString::number(o_.runs)};
            const QProcessEnvironment env = environment(bench::showsWindow(s.operation));
            r = child(args, env);
            // One process is one sample of the memory layout and the caches it meets: a case under a
            // second runs in several fresh processes, and its figures are the medians of theirs.
            std::vector<Result> all = {r};
            for (int i = 1; r.ok && r.times.cold < 1000 && i < o_.processes; ++i) {
                all.push_back(child(args, env));
                r.ok = all.back().ok;
                r.error = all.back().error;
            }
            if (r.ok && all.size() > 1) {
                r.times = medianTimes(all, [](const Result &x) { return x.times; });
                for (auto &[name, times] : r.parts)
                    times =
                        medianTimes(all, [&name](const Result &x) { return x.part(name).value_or(Times{}); });
                for (const Result &x : all)
                    r.peakKb = std::max(r.peakKb, x.peakKb);
            }
        } catch (const core::SchedaError &e) {
            r.error = e.description();
            say(QStringLiteral("  failed: ") + r.error);
            failed_ = true;
        }
        cache_.insert(key, r);
        return r;
    }

    // The start-up child `operation` ("startup-app" or "startup-floor"): the medians of the runs
    // after one warm-up run, each in a fresh process.
    Result start(const QString &operation)
    {
        say(QStringLiteral("  %1").arg(operation));
        const QProcessEnvironment env = environment(true);
        std::vector<double> first, second;
        Result out;
        out.ok = true;
        for (int i = 0; i < 1 + o_.startRuns; ++i) {
            const QStringList args = {QStringLiteral("--child"), operation, QStringLiteral("--launched"),
                                      QString::number(bench::monotonicNs())};
            const Result r = child(args, env);
            if (!r.ok)
                return r;
            if (i == 0)
                continue;
            first.push_back(r.firstMs);
            second.push_back(r.secondMs);
            out.peakKb = std::max(out.peakKb, r.peakKb);
        }
        out.firstMs = bench::median(first);
        out.secondMs = bench::median(second);
        return out;
    }

    // Where the windows are shown: "Xvfb" or "offscreen".
    QString screen() { return display().isEmpty() ? QStringLiteral("offscreen") : QStringLiteral("Xvfb"); }

    const Options &options() const { return o_; }
    bool failed() const { return failed_; }

private:
    // The benchmark's own display; empty offscreen, or when Xvfb cannot be started.
    QString display()
    {
        if (!o_.offscreen && !displayTried_) {
            displayTried_ = true;
            displayName_ = display_.start();
            if (displayName_.isEmpty())
                say(QStringLiteral("  Xvfb could not be started: the windows are shown offscreen"));
        }
        return displayName_;
    }

    QProcessEnvironment environment(bool window)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString name = window ? display() : QString();
        if (name.isEmpty()) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        } else {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            env.insert(QStringLiteral("DISPLAY"), name);
        }
        return env;
    }

    // The questionnaire file of a subject, written once by the program's writer in a child: the
    // children inherit the peak memory of this process.
    QString file(const Subject &s)
    {
        const QString path = folder_.filePath(
            QStringLiteral("scheda-%1-%2-%3.xml").arg(int(s.model)).arg(s.noteLength).arg(s.members));
        if (QFileInfo::exists(path))
            return path;
        QProcess p;
        p.setProcessEnvironment(environment(false));
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child"), QStringLiteral("write-file"), QStringLiteral("--model"),
                 QString::number(int(s.model)), QStringLiteral("--notes"), QString::number(s.noteLength),
                 QStringLiteral("--members"), QString::number(s.members), QStringLiteral("--file"), path});
        p.waitForFinished(-1);
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || !QFileInfo::exists(path))
            throw core::SchedaError(QStringLiteral("the questionnaire file could not be written: ") +
                                    QString::fromUtf8(p.readAllStandardOutput()));
        return path;
    }

    // The medians of the cold and of the warm figures of several processes.
    template <typename Of> static Times medianTimes(const std::vector<Result> &results, Of of)
    {
        std::vector<double> cold, warm;
        for (const Result &x : results) {
            cold.push_back(of(x).cold);
            if (of(x).warm)
                warm.push_back(*of(x).warm);
        }
        Times t{bench::median(cold), std::nullopt};
        if (!warm.empty())
            t.warm = bench::median(warm);
        return t;
    }

    Result child(const QStringList &args, const QProcessEnvironment &env)
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QCoreApplication::applicationFilePath(), args);
        p.waitForFinished(-1);
        Result r;
        const auto times = [](const QByteArray &cold, const QByteArray &warm) {
            Times t{cold.toDouble(), std::nullopt};
            if (warm != "-")
                t.warm = warm.toDouble();
            return t;
        };
        const QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
        for (const QByteArray &line : lines) {
            const QList<QByteArray> f = line.split(' ');
            if (f.value(0) == "TIMES" && f.size() == 4) {
                r.ok = true;
                r.times = times(f[1], f[2]);
                r.peakKb = f[3].toLong();
            } else if (f.value(0) == "PART" && f.size() == 4) {
                r.parts.emplace_back(QString::fromUtf8(f[1]), times(f[2], f[3]));
            } else if (f.value(0) == "START" && f.size() == 4) {
                r.ok = true;
                r.firstMs = f[1].toDouble();
                r.secondMs = f[2].toDouble();
                r.peakKb = f[3].toLong();
            } else if (f.value(0) == "ERROR") {
                r.error = QString::fromUtf8(line.mid(6));
            }
        }
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            r.ok = false;
        if (!r.ok) {
            if (r.error.isEmpty())
                r.error = QStringLiteral("the child ended with status %1").arg(p.exitCode());
            say(QStringLiteral("  failed: ") + r.error);
            failed_ = true;
        }
        return r;
    }

    Options o_;
    QMap<QString, Result> cache_;
    QTemporaryDir folder_;
    Display display_;
    bool displayTried_ = false;
    QString displayName_;
    bool failed_ = false;
};

QString ms(double v)
{
    return v < 10    ? QString::number(v, 'f', 2)
           : v < 100 ? QString::number(v, 'f', 1)
                     : QString::number(v, 'f', 0);
}

QString ms(const std::optional<double> &v)
{
    return v ? ms(*v) : QStringLiteral("–");
}

QString mib(long kb)
{
    return QString::number(double(kb) / 1024, 'f', 0);
}

QString cold(const Result &r)
{
    return r.ok ? ms(r.times.cold) : QStringLiteral("failed");
}

QString warm(const Result &r)
{
    return r.ok ? ms(r.times.warm) : QStringLiteral("failed");
}

// The ratios a / b of two results, cold to cold and warm to warm.
std::optional<double> coldRatio(const Result &a, const Result &b)
{
    if (!a.ok || !b.ok || b.times.cold <= 0)
        return std::nullopt;
    return a.times.cold / b.times.cold;
}

std::optional<double> warmRatio(const Result &a, const Result &b)
{
    if (!a.ok || !b.ok || !a.times.warm || !b.times.warm || *b.times.warm <= 0)
        return std::nullopt;
    return *a.times.warm / *b.times.warm;
}

QString ratio(const std::optional<double> &r)
{
    return r ? QString::number(*r, 'f', 2) : QStringLiteral("–");
}

QString verdict(bool met)
{
    return met ? QStringLiteral("met") : QStringLiteral("**missed**");
}

// The verdict of a goal on the cold and the warm figure: "cold met, warm met".
QString verdicts(const std::optional<bool> &coldMet, const std::optional<bool> &warmMet)
{
    const auto one = [](const std::optional<bool> &m) {
        return m ? verdict(*m) : QStringLiteral("not measured");
    };
    if (!warmMet) // no warm runs
        return QStringLiteral("cold %1").arg(one(coldMet));
    return QStringLiteral("cold %1, warm %2").arg(one(coldMet), one(warmMet));
}

std::optional<bool> atMost(const std::optional<double> &value, double limit)
{
    if (!value)
        return std::nullopt;
    return *value <= limit;
}

void line(const QStringList &cells)
{
    std::printf("| %s |\n", qPrintable(cells.join(QStringLiteral(" | "))));
    std::fflush(stdout);
}

// Prints the head of a table: its titles, the first `textColumns` aligned left, the rest right.
void head(const QStringList &titles, int textColumns)
{
    std::printf("\n");
    line(titles);
    QStringList rule;
    for (int i = 0; i < titles.size(); ++i)
        rule << (i < textColumns ? QStringLiteral("---") : QStringLiteral("---:"));
    line(rule);
}

// Whether the case of `names` was asked for by --only.
bool wanted(const Bench &b, const QStringList &names)
{
    const QString &only = b.options().only;
    return only.isEmpty() || std::any_of(names.begin(), names.end(), [&](const QString &n) {
               return n.contains(only, Qt::CaseInsensitive);
           });
}

struct Size {
    const char *name;
    int noteLength;
    int members;
};

void operationsTable(Bench &b, const std::vector<Size> &sizes)
{
    struct Kind {
        const char *name;
        const char *op;
        const char *baseline; // nullptr: absolute
        double ratioGoal;     // largest size: the ratio to the baseline at most this, or 0
        double msGoal;        // largest size: under this many milliseconds, or 0
    };
    // The end-to-end rows are the headline of opening and saving; the rows after them are the
    // breakdown.
    const Kind kinds[] = {
        {"Open: from the file into the window (end to end)", "open-window", "open-window-dom", 1.5, 0},
        {"Save: the command onto a file (end to end)", "save-window", "save-window-dom", 1.5, 0},
        {"Open: bytes to content value", "open", "open-dom", 0, 0},
        {"Open: content into the window", "apply", nullptr, 0, 0},
        {"Save: writer into memory", "save", "save-dom", 0, 0},
        {"Save: file commit (QSaveFile, synced)", "commit", nullptr, 0, 0},
        {"Validation", "check", nullptr, 0, 50},
        {"Print to PDF", "print", "print-text", 0.5, 0},
    };
    bool header = false;
    bool printed = false;
    for (const Kind &k : kinds) {
        for (Modello m : qst::kModelli) {
            for (const Size &size : sizes) {
                const QString label = QString::fromLatin1(k.name);
                if (!wanted(b, {label, QString::fromLatin1(k.op)}))
                    continue;
                if (!std::exchange(header, true))
                    head({QStringLiteral("Case"), QStringLiteral("Model"), QStringLiteral("Size"),
                          QStringLiteral("Cold ms"), QStringLiteral("Warm ms"), QStringLiteral("Peak MiB"),
                          QStringLiteral("Baseline cold ms"), QStringLiteral("Baseline warm ms"),
                          QStringLiteral("Baseline peak MiB"), QStringLiteral("Ratio cold"),
                          QStringLiteral("Ratio warm"), QStringLiteral("Goal")},
                         3);
                printed = printed || QString::fromLatin1(k.op) == QStringLiteral("print");
                const Result r =
                    b.run(Subject{QString::fromLatin1(k.op), m, size.noteLength, size.members, {}});
                QStringList cells = {label,   modelName(m), QString::fromLatin1(size.name),
                                     cold(r), warm(r),      mib(r.peakKb)};
                const bool largest = &size == &sizes.back();
                QString goal;
                if (k.baseline) {
                    const Result base =
                        b.run(Subject{QString::fromLatin1(k.baseline), m, size.noteLength, size.members, {}});
                    const std::optional<double> c = coldRatio(r, base), w = warmRatio(r, base);
                    cells << cold(base) << warm(base) << mib(base.peakKb) << ratio(c) << ratio(w);
                    if (largest && k.ratioGoal > 0)
                        goal = QStringLiteral("≤ %1: %2")
                                   .arg(k.ratioGoal)
                                   .arg(verdicts(atMost(c, k.ratioGoal), atMost(w, k.ratioGoal)));
                } else {
                    cells << QString() << QString() << QString() << QString() << QString();
                    if (largest && k.msGoal > 0 && r.ok)
                        goal = QStringLiteral("< %1 ms: %2")
                                   .arg(k.msGoal)
                                   .arg(verdicts(r.times.cold < k.msGoal,
                                                 r.times.warm ? std::optional<bool>(*r.times.warm < k.msGoal)
                                                              : std::nullopt));
                }
                line(cells << goal);
            }
        }
    }
    if (printed)
        std::printf("\nPrint to PDF: the baseline, QTextDocument, shapes and kerns its text; the printout "
                    "does neither (each character at its own width), so its ratio compares unlike work.\n");
}

// The printout at the largest size: the program's layout (recording every item and page) apart
// from the painting (the PDF engine drawing and compressing the recorded items).
void printSplitTable(Bench &b, const Size &largest)
{
    bool header = false;
    for (Modello m : qst::kModelli) {
        if (!wanted(b, {QStringLiteral("Print to PDF"), QStringLiteral("print")}))
            return;
        if (!std::exchange(header, true))
            head({QStringLiteral("Print to PDF, largest, split"), QStringLiteral("Layout cold ms"),
                  QStringLiteral("Layout warm ms"), QStringLiteral("Painting cold ms"),
                  QStringLiteral("Painting warm ms"), QStringLiteral("Layout share")},
                 1);
        const Result r = b.run(Subject{QStringLiteral("print"), m, largest.noteLength, largest.members, {}});
        const std::optional<Times> layout = r.part(QStringLiteral("layout"));
        const std::optional<Times> paint = r.part(QStringLiteral("painting"));
        if (!r.ok || !layout || !paint) {
            line({modelName(m), QStringLiteral("failed"), QString(), QString(), QString(), QString()});
            continue;
        }
        // Of the warm runs; of the cold one when there were none.
        const double l = layout->warm.value_or(layout->cold);
        const double p = paint->warm.value_or(paint->cold);
        line({modelName(m), ms(layout->cold), ms(layout->warm), ms(paint->cold), ms(paint->warm),
              QStringLiteral("%1 %").arg(l + p > 0 ? 100 * l / (l + p) : 0, 0, 'f', 0)});
    }
}

void v11Table(Bench &b, int noteLength)
{
    const struct {
        const char *name, *op, *baseline, *baselineName;
    } rows[] = {{"Import (bytes to content value)", "v11-open", "v11-open-dom", "QDomDocument::setContent"},
                {"Print to PDF", "v11-print", "v11-print-text", "QTextDocument::print"}};
    bool header = false;
    for (const auto &row : rows) {
        const QString name = QStringLiteral("Version 1.1: ") + QString::fromLatin1(row.name);
        if (!wanted(b, {name, QString::fromLatin1(row.op)}))
            continue;
        if (!std::exchange(header, true))
            head({QStringLiteral("Version 1.1, every note of %1 characters").arg(noteLength),
                  QStringLiteral("Cold ms"), QStringLiteral("Warm ms"), QStringLiteral("Peak MiB"),
                  QStringLiteral("Baseline"), QStringLiteral("Baseline cold ms"),
                  QStringLiteral("Baseline warm ms"), QStringLiteral("Ratio cold"),
                  QStringLiteral("Ratio warm")},
                 1);
        const Result r =
            b.run(Subject{QString::fromLatin1(row.op), Modello::Tradizionale, noteLength, 0, {}});
        const Result base =
            b.run(Subject{QString::fromLatin1(row.baseline), Modello::Tradizionale, noteLength, 0, {}});
        line({QString::fromLatin1(row.name), cold(r), warm(r), mib(r.peakKb),
              QString::fromLatin1(row.baselineName), cold(base), warm(base), ratio(coldRatio(r, base)),
              ratio(warmRatio(r, base))});
    }
}

void startTable(Bench &b)
{
    if (!wanted(b, {QStringLiteral("start-up"), QStringLiteral("startup")}))
        return;
    const Result app = b.start(QStringLiteral("startup-app"));
    const Result floor = b.start(QStringLiteral("startup-floor"));
    head({QStringLiteral("Start-up (%1), median of %2 fresh processes")
              .arg(b.screen())
              .arg(b.options().startRuns),
          QStringLiteral("First window ms"), QStringLiteral("Second window ms"), QStringLiteral("Peak MiB")},
         1);
    const auto cell = [](const Result &r, double v) { return r.ok ? ms(v) : QStringLiteral("failed"); };
    line({QStringLiteral("Program: \"Inizio\", then the traditional window"), cell(app, app.firstMs),
          cell(app, app.secondMs), mib(app.peakKb)});
    line({QStringLiteral("Floor: an empty QWidget, then a second"), cell(floor, floor.firstMs),
          cell(floor, floor.secondMs), mib(floor.peakKb)});
    if (app.ok && floor.ok)
        std::printf("\nQuestionnaire window %s ms after the floor's second window (goal ≤ 150 ms: %s).\n",
                    qPrintable(ms(app.secondMs - floor.secondMs)),
                    qPrintable(verdict(app.secondMs - floor.secondMs <= 150)));
}

// One row of a growth table per run kind: the cold times, then the warm ones, and the ratio of the
// last to the first against `limit`.
void growthRows(const QString &subject, const QString &op, const std::vector<Result> &r, double limit)
{
    for (bool isCold : {true, false}) {
        if (!isCold &&
            std::none_of(r.begin(), r.end(), [](const Result &x) { return x.times.warm.has_value(); }))
            continue;
        QStringList cells = {subject, op + (isCold ? QStringLiteral(", cold") : QStringLiteral(", warm"))};
        for (const Result &x : r)
            cells << (isCold ? cold(x) : warm(x));
        const std::optional<double> q =
            isCold ? coldRatio(r.back(), r.front()) : warmRatio(r.back(), r.front());
        const std::optional<bool> met = atMost(q, limit);
        cells << ratio(q)
              << QStringLiteral("≤ %1: %2")
                     .arg(limit)
                     .arg(met ? verdict(*met) : QStringLiteral("not measured"));
        line(cells);
    }
}

// How the times of the traditional model grow with the length of the notes (200 members) and
// with the members (notes at full length).
void scalingTable(Bench &b, int noteLength, int members)
{
    const char *const ops[] = {"open-window", "save-window", "open",     "save",     "apply",
                               "check",       "print",       "v11-open", "v11-print"};
    bool header = false;
    for (const char *op : ops) {
        const QString o = QString::fromLatin1(op);
        if (!wanted(b, {QStringLiteral("growth"), o}))
            continue;
        if (!std::exchange(header, true))
            head({QStringLiteral("Growth with the notes (%1 characters at 1)").arg(noteLength),
                  QStringLiteral("Operation"), QStringLiteral("1/4"), QStringLiteral("1/2"),
                  QStringLiteral("1"), QStringLiteral("1 / (1/4)"), QStringLiteral("Goal")},
                 2);
        const bool v11 = o.startsWith(QStringLiteral("v11"));
        std::vector<Result> r;
        for (int d : {4, 2, 1})
            r.push_back(b.run(Subject{o, Modello::Tradizionale, noteLength / d, v11 ? 0 : members, {}},
                              QStringLiteral("notes")));
        growthRows(v11 ? QStringLiteral("version 1.1 file")
                       : QStringLiteral("Tradizionale, %1 members").arg(members),
                   o, r, 5);
    }
    header = false;
    for (const char *op : ops) {
        const QString o = QString::fromLatin1(op);
        if (o.startsWith(QStringLiteral("v11")) || !wanted(b, {QStringLiteral("growth"), o}))
            continue;
        if (!std::exchange(header, true))
            head({QStringLiteral("Growth with the members"), QStringLiteral("Operation"),
                  QString::number(members / 8), QString::number(members / 4), QString::number(members / 2),
                  QString::number(members), QStringLiteral("%1 / %2").arg(members).arg(members / 8),
                  QStringLiteral("Goal")},
                 2);
        std::vector<Result> r;
        for (int d : {8, 4, 2, 1})
            r.push_back(b.run(Subject{o, Modello::Tradizionale, noteLength, members / d, {}},
                              QStringLiteral("members")));
        growthRows(QStringLiteral("Tradizionale, notes of %1 characters").arg(noteLength), o, r, 10);
    }
}

QByteArray figure(const std::optional<double> &v)
{
    return v ? QByteArray::number(*v, 'f', 3) : QByteArray("-");
}

int childMain(int argc, char *argv[])
{
    // Read before QApplication, which the start-up children construct themselves.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const auto value = [&args](const char *name) {
        return args.value(args.indexOf(QString::fromLatin1(name)) + 1);
    };
    const QString operation = value("--child");
    if (operation == QStringLiteral("startup-app"))
        return bench::startApplication(argc, argv, value("--launched").toLongLong());
    if (operation == QStringLiteral("startup-floor"))
        return bench::startFloor(argc, argv, value("--launched").toLongLong());
    QApplication qapp(argc, argv);
    app::configuraApplicazione(qapp);
    Subject s{operation, Modello(value("--model").toInt()), value("--notes").toInt(),
              value("--members").toInt(), value("--file")};
    if (operation == QStringLiteral("write-file")) {
        try {
            sf::salvaXml(bench::questionnaire(s.model, s.noteLength, s.members),
                         QCoreApplication::applicationDirPath(), s.file);
            return 0;
        } catch (const core::SchedaError &e) {
            std::printf("%s\n", qPrintable(e.description()));
            return 1;
        }
    }
    QString error;
    const std::optional<bench::Measurement> m = bench::measure(s, value("--runs").toInt(), error);
    if (!m) {
        std::printf("ERROR %s\n", qPrintable(error));
        return 1;
    }
    for (const auto &[name, t] : m->parts)
        std::printf("PART %s %s %s\n", qPrintable(name), figure(t.cold).constData(),
                    figure(t.warm).constData());
    std::printf("TIMES %s %s %ld\n", figure(m->times.cold).constData(), figure(m->times.warm).constData(),
                m->peakKb);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--child") == 0)
            return childMain(argc, argv);

    QCoreApplication qapp(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times of the program's commands, cold and warm, each beside a baseline."));
    parser.addHelpOption();
    const QCommandLineOption only(QStringLiteral("only"),
                                  QStringLiteral("Run the cases whose name holds <text>."),
                                  QStringLiteral("text"));
    const QCommandLineOption runs(QStringLiteral("runs"),
                                  QStringLiteral("Warm runs of every case after its cold one (5)."),
                                  QStringLiteral("n"));
    const QCommandLineOption processes(QStringLiteral("processes"),
                                       QStringLiteral("Fresh processes of every case under a second (3)."),
                                       QStringLiteral("n"));
    const QCommandLineOption notes(
        QStringLiteral("notes"), QStringLiteral("Length of the longest notes (65000)."), QStringLiteral("n"));
    const QCommandLineOption members(QStringLiteral("members"),
                                     QStringLiteral("Member rows at the largest size (200)."),
                                     QStringLiteral("n"));
    const QCommandLineOption offscreen(QStringLiteral("offscreen"),
                                       QStringLiteral("Show the windows offscreen rather than on Xvfb."));
    const QCommandLineOption smoke(
        QStringLiteral("smoke"),
        QStringLiteral("Every case once at tiny sizes, offscreen, checked: a test that it runs."));
    parser.addOptions({only, runs, processes, notes, members, offscreen, smoke});
    parser.process(qapp);

    Options o;
    if (parser.isSet(smoke)) {
        o.runs = 0;
        o.processes = 1;
        o.startRuns = 1;
        o.noteLength = 400;
        o.members = 24;
        o.offscreen = true;
    }
    if (parser.isSet(runs))
        o.runs = std::max(0, parser.value(runs).toInt());
    if (parser.isSet(processes))
        o.processes = std::max(1, parser.value(processes).toInt());
    if (parser.isSet(notes))
        o.noteLength = std::clamp(parser.value(notes).toInt(), 40, bench::kNoteLimit);
    if (parser.isSet(members))
        o.members = std::clamp(parser.value(members).toInt(), 24, 2000);
    o.only = parser.value(only);
    o.offscreen = o.offscreen || parser.isSet(offscreen);

    // Qt warns in every child when the session has no runtime folder.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        QFile::setPermissions(runtime.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    Bench b(o);
    std::printf("Cold: the first run in a fresh process. Warm: the median of the %d runs after it. A case "
                "under a second runs in %d fresh processes, and its figures are the medians of theirs. Peak "
                "memory: the largest VmHWM of a case's processes over their runs (not over the checks after "
                "them).\n",
                o.runs, o.processes);
    std::printf(
        "Typical: notes of 60 characters, 5 members. Largest: every note of %d characters, %d members.\n",
        o.noteLength, o.members);
    const std::vector<Size> sizes = {{"typical", 60, 5}, {"largest", o.noteLength, o.members}};
    operationsTable(b, sizes);
    printSplitTable(b, sizes.back());
    v11Table(b, o.noteLength);
    startTable(b);
    scalingTable(b, o.noteLength, o.members);
    return b.failed() ? 1 : 0;
}
