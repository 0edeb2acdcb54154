#pragma once

// spln-cli with --study or --study-repeat: runs the study and writes its
// table, CSV, JSON and pictures.

#include <functional>
#include <ostream>
#include <string>

#include "cli/CliOptions.h"
#include "study/StudyRunner.h"

namespace spln::cli {

// Draws the study's plot into a PNG, SVG or PDF file of the given size; false
// with a message naming the file in *error when it cannot be written.
using StudyPictureExporter = std::function<bool(const study::StudyResult& result, OutputKind kind,
                                                const std::string& path, int width, int height, std::string* error)>;

// The table of rows with what they say below, as standard output shows it;
// the run time of each row only with timing.
std::string FormatStudyTable(const study::StudyResult& result, bool timing);

// Runs the study of the parsed options and writes its outputs; returns the exit status.
int RunStudyCommand(const CliOptions& options, std::ostream& out, std::ostream& err,
                    const StudyPictureExporter& exportPicture);

}  // namespace spln::cli
