#pragma once

// The command line from arguments to exit status: parse, run, write the outputs.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/StudyCommand.h"
#include "model/ResultText.h"

class CSplineEngine;

namespace spln::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;    // a run could not continue, or an output could not be written
inline constexpr int kExitBadInput = 2;  // the arguments were refused; nothing was run

// Draws the picture of the engine's last run for these settings as the bytes
// of a PNG, SVG or PDF file of the given window size, the compared runs over
// it as kept approximations are drawn; false with the reason in *reason when
// it cannot.
using PictureEncoder = std::function<bool(const CSplnSettings& settings, CSplineEngine& engine, const PlotOptions& plot,
                                          const std::vector<ComparedRun>& compared, OutputKind kind, int width,
                                          int height, std::string* bytes, std::string* reason)>;

// The whole command: parse the arguments (after the program name), run the
// engine or the study, write the outputs, all of them or, when one cannot be
// written, none. Pictures need an encoder; without one they are refused as
// bad input. Messages go to err with their control characters escaped.
// Returns the exit status.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const PictureEncoder& encodePicture = {}, const StudyPictureEncoder& encodeStudyPicture = {});

}  // namespace spln::cli
