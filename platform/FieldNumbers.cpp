// Numbers as dialog fields show and accept them, independent of the locale.

#include "platform/FieldNumbers.h"

#include <charconv>

#include "text/StrictNumber.h"

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<int> ParseIntField(std::string_view text)
{
    int value = 0;
    if (spln::ParseWholeNumber(TrimBlanks(text), value) != spln::NumberStatus::Ok) return std::nullopt;
    return value;
}

std::optional<double> ParseDoubleField(std::string_view text)
{
    double value = 0.0;
    if (spln::ParseRealNumber(TrimBlanks(text), value) != spln::NumberStatus::Ok) return std::nullopt;
    return value;
}

std::string FormatDoubleField(double value)
{
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (ec != std::errc()) return "0";
    return std::string(buffer, end);
}
