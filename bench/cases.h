#pragma once

// The measured operations, each run inside a child process of the benchmark.
#include "questionnaire/models.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace bench
{

// What a child measures: an operation, the model and the size of its questionnaire, and the
// file of that questionnaire, written by the parent (empty for the operations that need none).
struct Subject {
    QString operation;
    qst::Modello model = qst::Modello::Tradizionale;
    int noteLength = 0;
    int members = 0;
    QString file;
};

// Whether `operation` reads the questionnaire file the parent writes.
bool readsFile(const QString &operation);
// Whether `operation` shows the program's window, and so runs on the benchmark's display.
bool showsWindow(const QString &operation);

// The times of an operation in milliseconds: its first run in a fresh process, and the median of
// the warm runs after it (none when there were no warm runs).
struct Times {
    double cold = 0;
    std::optional<double> warm;
};

// What a child measured: the operation's times and those of its parts (printing: the layout
// and the painting), and its peak resident memory in KiB while it ran (the memory it built
// before included, the checks after its runs left out).
struct Measurement {
    Times times;
    std::vector<std::pair<QString, Times>> parts;
    long peakKb = 0;
};

// The peak resident memory of this process in KiB (VmHWM, which a child does not inherit), since
// it started or since the last resetPeakMemory().
long peakMemoryKb();
void resetPeakMemory();

// The median of `times`; 0 for none.
double median(std::vector<double> times);

// Runs the operation once cold and then `warmRuns` times, checking the result of every run
// outside the clock; nullopt with `error` set when the operation failed or a result was wrong.
// Needs a QApplication.
std::optional<Measurement> measure(const Subject &s, int warmRuns, QString &error);

} // namespace bench
