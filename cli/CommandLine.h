#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace spln::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;    // a run could not continue, or an output could not be written
inline constexpr int kExitBadInput = 2;  // the arguments were refused; nothing was run

// The whole command: parse the arguments (after the program name), run the
// engine, write the outputs. Returns the exit status.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace spln::cli
