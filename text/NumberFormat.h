#pragma once

// Doubles as text that reads back to the same bits.

#include <string>

namespace spln {

// The value as "%.17g" writes it: 17 significant digits, which read back to the
// same double.
std::string FormatNumber(double value);

}  // namespace spln
