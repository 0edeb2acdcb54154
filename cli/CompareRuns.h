#pragma once

// --compare: experiment files whose approximations are run on their own and
// drawn and written beside this run's.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "model/ResultText.h"

class CSplineEngine;

namespace spln::cli {

// Takes the file of one --compare flag; its settings are read once every
// flag is (ReadComparedFiles). The message of a fault.
std::optional<std::string> AddComparedFile(CliOptions& options, const std::string& flag, const std::string& path);

// Reads the settings of every compared file as the desktop program opens
// it: the window check and the formula included; its kept approximations are
// not drawn. The first fault, with its file and line, or empty.
std::string ReadComparedFiles(CliOptions& options);

// Runs each compared file's settings as a single run of that file would go
// (with a noise seed of 0 the noise a first run draws), and names each as
// Spline > Keep would, by what differs from this run's settings; where that
// says nothing ("same") or repeats an earlier name, by the file's name.
// Returns kExitDone, or the exit status after telling err why: a run that
// could not continue, or a run at other points than the main run's.
int RunComparedFiles(const CliOptions& options, const CSplineEngine& main, std::vector<ComparedRun>& runs,
                     std::ostream& err);

}  // namespace spln::cli
