#pragma once

// The command line from arguments to exit status: parse, run, write the outputs.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/StudyCommand.h"

class CSplineEngine;

namespace spln::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;    // a run could not continue, or an output could not be written
inline constexpr int kExitBadInput = 2;  // the arguments were refused; nothing was run

// Draws the picture of the engine's last run for these settings into a PNG,
// SVG or PDF file of the given window size; false with a message naming the
// file in *error when it cannot be written.
using PictureExporter = std::function<bool(const CSplnSettings& settings, CSplineEngine& engine, OutputKind kind,
                                           const std::string& path, int width, int height, std::string* error)>;

// The whole command: parse the arguments (after the program name), run the
// engine or the study, write the outputs. Pictures need an exporter; without
// one they are refused as bad input. Returns the exit status.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const PictureExporter& exportPicture = {}, const StudyPictureExporter& exportStudyPicture = {});

}  // namespace spln::cli
