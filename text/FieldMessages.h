#pragma once

// What a user is told about a number that is not accepted: the settings
// dialog's messages, which experiment files repeat for their values.

#include <string>

namespace spln {

inline constexpr const char* kNotAnInteger = "Please enter an integer.";
inline constexpr const char* kNotANumber = "Please enter a number.";

// "Please enter an integer between 1 and 11."
std::string IntegerRangeMessage(int min, int max);

// "Please enter a number between -0.5 and 0.5.", the bounds with up to 15
// significant digits as the dialog's fields show numbers.
std::string NumberRangeMessage(double min, double max);

}  // namespace spln
