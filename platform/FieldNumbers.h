#pragma once

// Numbers as the dialog fields show and accept them, independent of the
// user's locale: a dot as the decimal separator, blanks around the number
// allowed, nothing else.

#include <optional>
#include <string>
#include <string_view>

namespace spln {

// Decimal integer with one optional sign; empty when the text is not one or
// does not fit an int.
std::optional<int> ParseIntField(std::string_view text);

// Finite real number in decimal notation (with an optional exponent); empty
// when the text is not one, or is infinite or not a number.
std::optional<double> ParseDoubleField(std::string_view text);

// The fewest significant digits that read back as the same double, laid out
// as "%g" lays them out: with an exponent below 1e-4 and from 1e15 up.
std::string FormatDoubleField(double value);

}  // namespace spln
