// The benchmark: times of save, open, validation, printing and start-up at the largest
// questionnaire the program accepts and at a typical one, each beside a baseline measured in the
// same run, and how they grow with the notes and the members. Every case and every baseline runs
// in a child process of its own (this program, started again with the case's name), so its peak
// memory is that child's own. `scheda-bench --help` lists the options.
#include "cases.h"
#include "questionnaire/models.h"
#include "questionnaires.h"
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
#include <sys/resource.h>
#include <utility>
#include <vector>

using bench::Subject;
using qst::Modello;

namespace
{

struct Options {
    int runs = 5;
    int warmUps = 1;
    int startRuns = 9;
    int noteLength = bench::kNoteLimit;
    int members = 200;
    QString only;
    bool offscreen = false;
};

// What a child reported.
struct Result {
    bool ok = false;
    double ms = 0;      // the median; for start-up, of the questionnaire window
    double firstMs = 0; // start-up: the start window
    long peakKb = 0;
    QString error;
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

// An Xvfb server of the benchmark's own for the start-up cases.
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

    // A case run in its own child, once per subject and run count.
    Result run(const Subject &s)
    {
        const QString key =
            QStringLiteral("%1/%2/%3/%4").arg(s.operation).arg(int(s.model)).arg(s.noteLength).arg(s.members);
        if (cache_.contains(key))
            return cache_[key];
        say(QStringLiteral("  %1 %2, notes %3, members %4")
                .arg(s.operation, modelName(s.model))
                .arg(s.noteLength)
                .arg(s.members));
        QStringList args = {QStringLiteral("--child"),   s.operation,
                            QStringLiteral("--model"),   QString::number(int(s.model)),
                            QStringLiteral("--notes"),   QString::number(s.noteLength),
                            QStringLiteral("--members"), QString::number(s.members),
                            QStringLiteral("--runs"),    QString::number(o_.runs),
                            QStringLiteral("--warmups"), QString::number(o_.warmUps)};
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        Result r = child(args, env);
        cache_.insert(key, r);
        return r;
    }

    // The start-up child `operation` ("startup-app" or "startup-floor"): the medians of the runs
    // after a warm-up, under `display` (offscreen when empty).
    Result start(const QString &operation, const QString &display)
    {
        say(QStringLiteral("  %1").arg(operation));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (display.isEmpty()) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        } else {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            env.insert(QStringLiteral("DISPLAY"), display);
        }
        std::vector<double> first, second;
        Result out;
        out.ok = true;
        for (int i = 0; i < o_.warmUps + o_.startRuns; ++i) {
            const QStringList args = {QStringLiteral("--child"), operation, QStringLiteral("--launched"),
                                      QString::number(bench::monotonicNs())};
            const Result r = child(args, env);
            if (!r.ok)
                return r;
            if (i < o_.warmUps)
                continue;
            first.push_back(r.firstMs);
            second.push_back(r.ms);
            out.peakKb = std::max(out.peakKb, r.peakKb);
        }
        out.firstMs = bench::median(first);
        out.ms = bench::median(second);
        return out;
    }

    const Options &options() const { return o_; }
    bool failed() const { return failed_; }

private:
    Result child(const QStringList &args, const QProcessEnvironment &env)
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QCoreApplication::applicationFilePath(), args);
        p.waitForFinished(-1);
        Result r;
        const QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
        for (const QByteArray &line : lines) {
            const QList<QByteArray> f = line.split(' ');
            if (f.value(0) == "RESULT" && f.size() == 3) {
                r.ok = true;
                r.ms = f[1].toDouble();
                r.peakKb = f[2].toLong();
            } else if (f.value(0) == "RESULT" && f.size() == 4) {
                r.ok = true;
                r.firstMs = f[1].toDouble();
                r.ms = f[2].toDouble();
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
    bool failed_ = false;
};

QString ms(double v)
{
    return v < 10    ? QString::number(v, 'f', 2)
           : v < 100 ? QString::number(v, 'f', 1)
                     : QString::number(v, 'f', 0);
}

QString mib(long kb)
{
    return QString::number(double(kb) / 1024, 'f', 0);
}

QString cell(const Result &r)
{
    return r.ok ? ms(r.ms) : QStringLiteral("failed");
}

QString verdict(bool met)
{
    return met ? QStringLiteral("met") : QStringLiteral("**missed**");
}

// The goal `limit` on the ratio a / b of two results.
QString ratioVerdict(const Result &a, const Result &b, double limit)
{
    if (!a.ok || !b.ok || b.ms <= 0)
        return QStringLiteral("not measured");
    return verdict(a.ms / b.ms <= limit);
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
    const Kind kinds[] = {
        {"Save (writer into memory)", "save", "save-dom", 1.5, 0},
        {"Save: file commit (QSaveFile, synced)", "commit", nullptr, 0, 0},
        {"Open (bytes to content value)", "open", "open-dom", 1.5, 0},
        {"Open: content into the window", "apply", nullptr, 0, 0},
        {"Validation", "check", nullptr, 0, 50},
        {"Print to PDF", "print", "print-text", 0.5, 0},
    };
    bool header = false;
    for (const Kind &k : kinds) {
        for (Modello m : qst::kModelli) {
            for (const Size &size : sizes) {
                const QString label = QString::fromLatin1(k.name);
                if (!wanted(b, {label, QString::fromLatin1(k.op)}))
                    continue;
                if (!std::exchange(header, true))
                    head({QStringLiteral("Case"), QStringLiteral("Model"), QStringLiteral("Size"),
                          QStringLiteral("Median ms"), QStringLiteral("Peak MiB"),
                          QStringLiteral("Baseline ms"), QStringLiteral("Baseline peak MiB"),
                          QStringLiteral("Ratio"), QStringLiteral("Goal")},
                         3);
                const Result r = b.run(Subject{QString::fromLatin1(k.op), m, size.noteLength, size.members});
                QStringList cells = {label, modelName(m), QString::fromLatin1(size.name), cell(r),
                                     mib(r.peakKb)};
                const bool largest = &size == &sizes.back();
                QString goal;
                if (k.baseline) {
                    const Result base =
                        b.run(Subject{QString::fromLatin1(k.baseline), m, size.noteLength, size.members});
                    const double ratio = r.ok && base.ok && base.ms > 0 ? r.ms / base.ms : 0;
                    cells << cell(base) << mib(base.peakKb) << QString::number(ratio, 'f', 2);
                    if (largest && k.ratioGoal > 0)
                        goal = QStringLiteral("≤ %1: %2")
                                   .arg(k.ratioGoal)
                                   .arg(ratioVerdict(r, base, k.ratioGoal));
                } else {
                    cells << QString() << QString() << QString();
                    if (largest && k.msGoal > 0)
                        goal = QStringLiteral("< %1 ms: %2")
                                   .arg(k.msGoal)
                                   .arg(r.ok ? verdict(r.ms < k.msGoal) : QStringLiteral("not measured"));
                }
                line(cells << goal);
            }
        }
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
                  QStringLiteral("Median ms"), QStringLiteral("Peak MiB"), QStringLiteral("Baseline"),
                  QStringLiteral("Baseline ms"), QStringLiteral("Ratio")},
                 1);
        const Result r = b.run(Subject{QString::fromLatin1(row.op), Modello::Tradizionale, noteLength, 0});
        const Result base =
            b.run(Subject{QString::fromLatin1(row.baseline), Modello::Tradizionale, noteLength, 0});
        line({QString::fromLatin1(row.name), cell(r), mib(r.peakKb), QString::fromLatin1(row.baselineName),
              cell(base), QString::number(r.ok && base.ok && base.ms > 0 ? r.ms / base.ms : 0, 'f', 2)});
    }
}

void startTable(Bench &b)
{
    if (!wanted(b, {QStringLiteral("start-up"), QStringLiteral("startup")}))
        return;
    Display display;
    QString name;
    if (!b.options().offscreen) {
        name = display.start();
        if (name.isEmpty()) {
            std::printf("\nStart-up: not measured, Xvfb could not be started.\n");
            return;
        }
    }
    const Result app = b.start(QStringLiteral("startup-app"), name);
    const Result floor = b.start(QStringLiteral("startup-floor"), name);
    head({QStringLiteral("Start-up (%1), median of %2")
              .arg(name.isEmpty() ? QStringLiteral("offscreen") : QStringLiteral("Xvfb"))
              .arg(b.options().startRuns),
          QStringLiteral("First window ms"), QStringLiteral("Second window ms"), QStringLiteral("Peak MiB")},
         1);
    const auto firstCell = [](const Result &r) { return r.ok ? ms(r.firstMs) : QStringLiteral("failed"); };
    line({QStringLiteral("Program: \"Inizio\", then the traditional window"), firstCell(app), cell(app),
          mib(app.peakKb)});
    line({QStringLiteral("Floor: an empty QWidget, then a second"), firstCell(floor), cell(floor),
          mib(floor.peakKb)});
    if (app.ok && floor.ok)
        std::printf("\nQuestionnaire window %s ms after the floor's second window (goal ≤ 150 ms: %s).\n",
                    qPrintable(ms(app.ms - floor.ms)), qPrintable(verdict(app.ms - floor.ms <= 150)));
}

// How the times of the traditional model grow with the length of the notes (200 members) and
// with the members (notes at full length).
void scalingTable(Bench &b, int noteLength, int members)
{
    const char *const ops[] = {"save", "open", "apply", "check", "print", "v11-open", "v11-print"};
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
        std::vector<Result> r;
        for (int d : {4, 2, 1})
            r.push_back(b.run(Subject{o, Modello::Tradizionale, noteLength / d,
                                      o.startsWith(QStringLiteral("v11")) ? 0 : members}));
        line({o.startsWith(QStringLiteral("v11")) ? QStringLiteral("version 1.1 file")
                                                  : QStringLiteral("Tradizionale, %1 members").arg(members),
              o, cell(r[0]), cell(r[1]), cell(r[2]),
              QString::number(r[0].ms > 0 ? r[2].ms / r[0].ms : 0, 'f', 2),
              QStringLiteral("≤ 5: ") + ratioVerdict(r[2], r[0], 5)});
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
            r.push_back(b.run(Subject{o, Modello::Tradizionale, noteLength, members / d}));
        line({QStringLiteral("Tradizionale, notes of %1 characters").arg(noteLength), o, cell(r[0]),
              cell(r[1]), cell(r[2]), cell(r[3]),
              QString::number(r[0].ms > 0 ? r[3].ms / r[0].ms : 0, 'f', 2),
              QStringLiteral("≤ 10: ") + ratioVerdict(r[3], r[0], 10)});
    }
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
    Subject s{operation, Modello(value("--model").toInt()), value("--notes").toInt(),
              value("--members").toInt()};
    QString error;
    const std::optional<double> median =
        bench::measure(s, value("--warmups").toInt(), value("--runs").toInt(), error);
    if (!median) {
        std::printf("ERROR %s\n", qPrintable(error));
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("RESULT %.3f %ld\n", *median, usage.ru_maxrss);
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
        QStringLiteral("Times of the program's commands, each beside a baseline."));
    parser.addHelpOption();
    const QCommandLineOption only(QStringLiteral("only"),
                                  QStringLiteral("Run the cases whose name holds <text>."),
                                  QStringLiteral("text"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Measured runs of every case (5)."),
                                  QStringLiteral("n"));
    const QCommandLineOption notes(
        QStringLiteral("notes"), QStringLiteral("Length of the longest notes (65000)."), QStringLiteral("n"));
    const QCommandLineOption members(QStringLiteral("members"),
                                     QStringLiteral("Member rows at the largest size (200)."),
                                     QStringLiteral("n"));
    const QCommandLineOption offscreen(QStringLiteral("offscreen"), QStringLiteral("Start-up without Xvfb."));
    const QCommandLineOption smoke(
        QStringLiteral("smoke"),
        QStringLiteral("Every case once at tiny sizes, offscreen: a check that it runs."));
    parser.addOptions({only, runs, notes, members, offscreen, smoke});
    parser.process(qapp);

    Options o;
    if (parser.isSet(smoke)) {
        o.runs = 1;
        o.warmUps = 0;
        o.startRuns = 1;
        o.noteLength = 400;
        o.members = 24;
        o.offscreen = true;
    }
    if (parser.isSet(runs))
        o.runs = std::max(1, parser.value(runs).toInt());
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
    std::printf("Medians of %d runs after %d warm-up; peak memory is each child's ru_maxrss.\n", o.runs,
                o.warmUps);
    std::printf(
        "Typical: notes of 60 characters, 5 members. Largest: every note of %d characters, %d members.\n",
        o.noteLength, o.members);
    operationsTable(b, {{"typical", 60, 5}, {"largest", o.noteLength, o.members}});
    v11Table(b, o.noteLength);
    startTable(b);
    scalingTable(b, o.noteLength, o.members);
    return b.failed() ? 1 : 0;
}
