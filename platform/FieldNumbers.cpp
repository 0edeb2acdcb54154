// Numbers as dialog fields show and accept them, independent of the locale.

#include "platform/FieldNumbers.h"

#include <charconv>

#include "text/StrictNumber.h"

namespace spln {

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<int> ParseIntField(std::string_view text)
{
    int value = 0;
    if (spln::ParseWholeNumber(TrimBlanks(text), value) != spln::NumberStatus::Ok)
        return std::nullopt;
    return value;
}

std::optional<double> ParseDoubleField(std::string_view text)
{
    double value = 0.0;
    if (spln::ParseRealNumber(TrimBlanks(text), value) != spln::NumberStatus::Ok)
        return std::nullopt;
    return value;
}

std::string FormatDoubleField(double value)
{
    // A field's text is read back on OK: fewer digits than the shortest that
    // read back would change a value loaded from a file without the user
    // touching it.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    if (ec != std::errc())
        return "0";
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = scientific.find('e');
    if (e == std::string_view::npos)
        return std::string(scientific);
    int exponent = 0;
    const char* digits = scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1);
    std::from_chars(digits, end, exponent);
    // Positional from 1e-4 up to below 1e15, as "%.15g" lays numbers out.
    if (exponent < -4 || exponent >= 15)
        return std::string(scientific);
    char fixed[64];
    const auto [fixedEnd, fixedError] = std::to_chars(fixed, fixed + sizeof fixed, value, std::chars_format::fixed);
    if (fixedError != std::errc())
        return std::string(scientific);
    return std::string(fixed, fixedEnd);
}

}  // namespace spln
