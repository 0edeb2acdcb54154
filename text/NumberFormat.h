#pragma once

// Doubles as text that reads back to the same bits.

#include <string>

namespace spln {

// The value as "%.17g" writes it: 17 significant digits, which read back to the
// same double.
std::string FormatNumber(double value);

// The shortest text that reads back to the same double: "0.1", "-2.5e-300".
std::string FormatShortest(double value);

}  // namespace spln
