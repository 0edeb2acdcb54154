// Formats doubles as text that reads back to the same bits.

#include "text/NumberFormat.h"

#include <charconv>
#include <cstdio>

namespace spln {

std::string FormatNumber(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string FormatShortest(double value)
{
    char text[32];  // the longest, "-2.2250738585072014e-308", takes 24
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::string("0");
}

}  // namespace spln
