#pragma once

// Reading the command line's arguments into options, with the first fault named.

#include <string>
#include <vector>

#include "cli/CliOptions.h"

namespace spln::cli {

struct ParseOutcome {
    CliOptions options;
    std::string error;  // empty when the arguments were accepted

    bool Accepted() const { return error.empty(); }
};

// Reads the arguments after the program name. Flags take "--flag value" or
// "--flag=value"; a setting, and an option that holds one value, is given at
// most once (the outputs may be many). Settings start from the experiment
// file of --settings, read here, or else from the defaults of a fresh engine;
// setting flags override them wherever they stand. Every value is checked
// against the dialog's range, and finally, after the overrides, the window
// against the number of samples; the first fault found is reported in `error`
// with the flag, or the file and line, it concerns.
ParseOutcome ParseArguments(const std::vector<std::string>& args);

}  // namespace spln::cli
