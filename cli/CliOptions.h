#pragma once

// Everything the command line can ask for: settings, outputs, picture size, repeats.

#include <string>
#include <vector>

#include "model/SettingsRecord.h"
#include "plot/PictureSize.h"
#include "plot/PlotOptions.h"
#include "study/StudyPlan.h"

namespace spln::cli {

// What a run writes. Every requested output is served by one dispatch point
// (AddRunOutputs), so a new kind needs a flag, an enumerator and a writer.
enum class OutputKind { Json, Csv, Png, Svg, Pdf };

// Pictures go through the picture exporter, not the text writers.
inline bool IsPicture(OutputKind kind)
{
    return kind == OutputKind::Png || kind == OutputKind::Svg || kind == OutputKind::Pdf;
}

struct OutputRequest {
    OutputKind kind;
    std::string path;       // "-" is standard output
    std::string flag = {};  // the flag that asked for it, as messages name it
};

// An experiment file of --compare, as given, and its settings once read.
struct ComparedFile {
    std::string path;
    CSplnSettings settings;
};

inline constexpr int kMaxRepeat = 1000000;
inline constexpr int kMinPictureSide = 16;

// Everything the command line asked for.
struct CliOptions {
    CSplnSettings settings;              // as typed: method 0/1, kernel types as chosen
    std::string dataPath;                // empty: "sig.dat" in the current directory
    std::string settingsPath;            // experiment file the settings start from; empty: the defaults
    std::string saveSettingsPath;        // where to write the run's settings as an experiment file; empty: nowhere
    int repeat = 1;                      // runs in this process; the outputs are the last run's
    bool timing = false;                 // print the run-time summary to standard error; a study's files
                                         // and table then carry each row's time
    bool help = false;                   // print the flag list and do nothing else
    bool version = false;                // print the name and version and do nothing else
    std::vector<OutputRequest> outputs;  // empty: the report line on standard output
    std::vector<ComparedFile> compared;  // run beside this run, drawn and written with it
    int pictureWidth = 800;              // size of the window a picture shows, in pixels
    int pictureHeight = 600;
    PlotOptions plot;    // the looks of the pictures: the error panel, the legend
    bool study = false;  // run the study plan; the outputs are the study's
    bool seedGiven = false;
    study::StudyPlan studyPlan;  // a sweep, a grid, a selection or a repeat, and the seed of its noise
};

}  // namespace spln::cli
