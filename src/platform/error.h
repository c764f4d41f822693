#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

// The program's own error: a procedure that fails throws it with the description to show.
class SchedaError : public std::runtime_error {
public:
    explicit SchedaError(const QString &description)
        : std::runtime_error(description.toStdString()), description_(description)
    {
    }
    const QString &description() const { return description_; }

private:
    QString description_;
};

} // namespace platform
