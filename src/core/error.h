#pragma once

#include <QString>
#include <stdexcept>

namespace core
{

// The program's own error: a procedure that fails throws it with the description to show.
class SchedaError : public std::runtime_error
{
public:
    explicit SchedaError(const QString &description)
        : std::runtime_error(description.toStdString()), description_(description)
    {
    }
    const QString &description() const { return description_; }

private:
    QString description_;
};

// The error of an index outside its array, with the description the program shows for it.
inline SchedaError outOfRange()
{
    return SchedaError(QStringLiteral("Indice non compreso nell'intervallo"));
}

} // namespace core
