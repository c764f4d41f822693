#pragma once

// The start-up cases: a child process that starts, shows its first window, clicks through to a
// second and reports when each was first exposed, counted from `launched` (the monotonic clock
// in nanoseconds when the parent started the child).
#include <cstdint>

namespace bench
{

// The monotonic clock in nanoseconds, shared by the parent and its children.
std::int64_t monotonicNs();

// The real application: the start window, then the traditional questionnaire window after a
// click on its button. Prints "START <start window ms> <questionnaire window ms> <peak KiB>".
int startApplication(int argc, char *argv[], std::int64_t launched);
// The floor: one empty widget, then a second one shown from the first's expose.
int startFloor(int argc, char *argv[], std::int64_t launched);

} // namespace bench
