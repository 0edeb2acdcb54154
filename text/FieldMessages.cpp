// The messages about a number that is not accepted.

#include "text/FieldMessages.h"

#include <charconv>

namespace spln {
namespace {

std::string FifteenDigits(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

}  // namespace

std::string IntegerRangeMessage(int min, int max)
{
    return "Please enter an integer between " + std::to_string(min) + " and " + std::to_string(max) + ".";
}

std::string NumberRangeMessage(double min, double max)
{
    return "Please enter a number between " + FifteenDigits(min) + " and " + FifteenDigits(max) + ".";
}

std::string TextLengthMessage(int maxCharacters)
{
    return "Please enter at most " + std::to_string(maxCharacters) + " characters.";
}

}  // namespace spln
