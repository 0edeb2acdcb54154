#pragma once

// Numbers written by the command line, with every digit needed to read them back.

#include <string>

#include "text/StrictNumber.h"

namespace spln::cli {

// The value as "%.17g" writes it: 17 significant digits, which read back to the
// same double.
std::string FormatNumber(double value);

}  // namespace spln::cli
