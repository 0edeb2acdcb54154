#pragma once

// Text outputs of the command line to a file or to standard output.

#include <ostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "model/RunResults.h"

namespace spln::cli {

// Writes `text` to the file `path` (through a temporary file renamed into
// place, so a failed write leaves an earlier file untouched), or to `out`
// when the path is "-". On a failure tells `err` which file and why, and
// returns false.
bool WriteText(const std::string& path, const std::string& text, std::ostream& out, std::ostream& err);

// Writes every requested text output of one run (pictures are left to the
// picture exporter); with no output requested at all, the summary line goes
// to `out`. Returns false when any output could not be written (the others
// are still written).
bool WriteOutputs(const std::vector<OutputRequest>& outputs, const RunResults& results, std::ostream& out,
                  std::ostream& err);

}  // namespace spln::cli
