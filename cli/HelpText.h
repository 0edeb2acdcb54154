#pragma once

// The text --help prints.

#include <string>

namespace spln::cli {

// Usage and every flag with its range and its default.
std::string HelpText();

}  // namespace spln::cli
