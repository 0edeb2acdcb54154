// Strict, locale-independent reading of typed numbers.

#include "text/StrictNumber.h"

#include <charconv>
#include <cmath>

namespace spln {
namespace {

// std::from_chars takes no leading '+'; a sign followed by another sign is not a number.
std::string_view WithoutPlus(std::string_view text)
{
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    return text;
}

}  // namespace

NumberStatus ParseWholeNumber(std::string_view text, int& value)
{
    text = WithoutPlus(text);
    if (text.empty())
        return NumberStatus::NotANumber;
    int parsed = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, parsed, 10);
    if (stop != end)
        return NumberStatus::NotANumber;
    if (error == std::errc::result_out_of_range)
        return NumberStatus::OutOfRange;
    if (error != std::errc())
        return NumberStatus::NotANumber;
    value = parsed;
    return NumberStatus::Ok;
}

NumberStatus ParseRealNumber(std::string_view text, double& value)
{
    text = WithoutPlus(text);
    if (text.empty())
        return NumberStatus::NotANumber;
    double parsed = 0.0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, parsed, std::chars_format::general);
    if (stop != end)
        return NumberStatus::NotANumber;
    if (error == std::errc::result_out_of_range)
        return NumberStatus::OutOfRange;
    if (error != std::errc() || !std::isfinite(parsed))
        return NumberStatus::NotANumber;
    value = parsed;
    return NumberStatus::Ok;
}

NumberStatus ParseNumberWithin(std::string_view text, bool whole, double min, double max, double& value)
{
    double number = 0.0;
    NumberStatus status;
    if (whole) {
        int wholeNumber = 0;
        status = ParseWholeNumber(text, wholeNumber);
        number = wholeNumber;
    } else {
        status = ParseRealNumber(text, number);
    }
    if (status != NumberStatus::Ok)
        return status;
    if (number < min || number > max)
        return NumberStatus::OutOfRange;
    value = number;
    return NumberStatus::Ok;
}

}  // namespace spln
