#pragma once

// Strict reading of numbers typed by a user (settings on the command line or
// in the dialog's fields): the whole text must be the number, independent of
// the user's locale.

#include <string_view>

namespace spln {

enum class NumberStatus {
    Ok,
    NotANumber,  // the text as a whole is not a number of the expected form
    OutOfRange,  // a number, but too large (or too small) for its type
};

// A signed decimal whole number: optional sign and digits, nothing else.
NumberStatus ParseWholeNumber(std::string_view text, int& value);

// A finite real number in decimal notation with an optional exponent, taking
// the whole text; infinities, NaNs, hexadecimal forms and values beyond the
// range of a double are refused.
NumberStatus ParseRealNumber(std::string_view text, double& value);

// A whole number (when `whole`) or a real number as above that must also lie
// in [min, max]: one outside them is OutOfRange, as is one beyond its type.
NumberStatus ParseNumberWithin(std::string_view text, bool whole, double min, double max, double& value);

}  // namespace spln
