#pragma once

// The files a command reads and writes, and the check that no output
// overwrites an input or another output.

#include <optional>
#include <string>
#include <vector>

#include "cli/CliOptions.h"

namespace spln::cli {

struct CommandFile {
    std::string role;  // how the message names it: the flag, or what the file is for
    std::string path;
    bool written;  // an output; inputs are only read
};

// The sample file the command reads (when named, or when the run reads the
// default one, also for a compared file), the experiment file its settings
// start from and those of --compare, then every file
// it writes: the experiment file it saves and the outputs (standard output
// left out).
std::vector<CommandFile> CommandFiles(const CliOptions& options);

// A message naming both of the first two entries that are one file (the same
// file through any spelling, symbolic or hard link) where at least one is
// written; nothing when there are none.
std::optional<std::string> FindSharedFile(const std::vector<CommandFile>& files);

}  // namespace spln::cli
