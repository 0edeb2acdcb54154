#pragma once

// spln-cli with --study or --study-repeat: runs the study and writes its
// table, CSV, JSON and pictures.

#include <functional>
#include <ostream>
#include <string>

#include "cli/CliOptions.h"
#include "cli/OutputWriter.h"
#include "study/StudyRunner.h"

namespace spln::cli {

// Draws the study's plot as the bytes of a PNG, SVG or PDF file of the given
// size; false with the reason in *reason when it cannot.
using StudyPictureEncoder = std::function<bool(const study::StudyResult& result, OutputKind kind, int width, int height,
                                               std::string* bytes, std::string* reason)>;

// The table of rows with what they say below, as standard output shows it;
// the run time of each row only with timing.
std::string FormatStudyTable(const study::StudyResult& result, bool timing);

// Runs the study of the parsed options and writes its outputs together with
// whatever `outputs` holds already; returns the exit status.
int RunStudyCommand(const CliOptions& options, OutputSet& outputs, std::ostream& err,
                    const StudyPictureEncoder& encodePicture);

}  // namespace spln::cli
