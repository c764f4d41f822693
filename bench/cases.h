#pragma once

// The measured operations, each run inside a child process of the benchmark.
#include "questionnaire/models.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace bench
{

// What a child measures: an operation, the model and the size of its questionnaire.
struct Subject {
    QString operation;
    qst::Modello model = qst::Modello::Tradizionale;
    int noteLength = 0;
    int members = 0;
};

// The median of `times`; 0 for none.
double median(std::vector<double> times);

// Runs `warmUps` unmeasured and then `runs` measured runs of the operation, and returns the
// median in milliseconds; nullopt with `error` set when the operation failed. Needs a
// QApplication.
std::optional<double> measure(const Subject &s, int warmUps, int runs, QString &error);

} // namespace bench
