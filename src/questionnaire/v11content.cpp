#include "v11content.h"

#include "core/error.h"

namespace qst
{

const QString &V11Content::notaMostrata(int k) const
{
    if (k < 0 || k >= kV11Groups)
        throw core::outOfRange();
    const size_t i = static_cast<size_t>(k);
    return siTicked[i] ? noteSiPre[i] : noteNoPre[i];
}

} // namespace qst
