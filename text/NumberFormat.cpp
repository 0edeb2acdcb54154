// Formats doubles as text that reads back to the same bits.

#include "text/NumberFormat.h"

#include <cstdio>

namespace spln {

std::string FormatNumber(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

}  // namespace spln
