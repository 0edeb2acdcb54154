#pragma once

// What a user is told about a number or a text that is not accepted: the
// settings dialog's messages, which its panel and experiment files repeat.

#include <string>

namespace spln {

inline constexpr const char* kNotAnInteger = "Please enter an integer.";
inline constexpr const char* kNotANumber = "Please enter a number.";

// "Please enter an integer between 1 and 11."
std::string IntegerRangeMessage(int min, int max);

// "Please enter a number between -0.5 and 0.5.", the bounds with up to 15
// significant digits as the dialog's fields show numbers.
std::string NumberRangeMessage(double min, double max);

// "Please enter at most 1000 characters.", for a text field of that many.
std::string TextLengthMessage(int maxCharacters);

}  // namespace spln
