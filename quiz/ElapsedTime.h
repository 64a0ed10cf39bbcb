#pragma once

#include <cstdint>
#include <string>

// The time text of the end-of-game notice, e.g.
// "0 heures  1 minutes 2 secondes et 345 millisecondes !".
// A negative time (the clock was set back) shows as its absolute value, and
// whole days are dropped.
std::string FormatElapsedTime(std::int64_t elapsedMilliseconds);
