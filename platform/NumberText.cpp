#include "platform/NumberText.h"

#include <charconv>
#include <cmath>

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// from_chars accepts a leading '-' but not '+'; a '+' followed by another sign is not a number.
std::string_view DropPlusSign(std::string_view text)
{
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
    return text;
}

}  // namespace

std::optional<int> ParseIntField(std::string_view text)
{
    text = DropPlusSign(TrimBlanks(text));
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> ParseDoubleField(std::string_view text)
{
    text = DropPlusSign(TrimBlanks(text));
    // from_chars would also take "inf", "nan" and their spellings; a field
    // value must be an ordinary number, written with digits.
    if (text.empty() || text.find_first_of("0123456789") == std::string_view::npos) return std::nullopt;
    if (text.find_first_of("iInN") != std::string_view::npos) return std::nullopt;
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
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
