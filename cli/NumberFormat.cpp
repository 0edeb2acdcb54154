// Numbers written with 17 significant digits.

#include "cli/NumberFormat.h"

#include <cstdio>

namespace spln::cli {

std::string FormatNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

}  // namespace spln::cli
