#pragma once

// What the CSV and JSON writers read: the settings of a run and its results,
// and the copy of a finished run the desktop view keeps for them.

#include <string>

#include "model/SplnSettings.h"

class CSplineEngine;

namespace spln {

// The results of a completed run as the writers see them: the settings as
// typed and views of the engine's result arrays. A run on the sample file has
// no exact function and no report line.
struct RunResults {
    CSplnSettings settings;
    int count = 0;
    const double* x = nullptr;
    const double* data = nullptr;
    const double* exact = nullptr;  // null for the sample file
    const double* approx = nullptr;
    std::string report;  // empty for the sample file
    bool hasReport = false;
    DataShape dataShape;     // the data file's samples and their interval of x; empty for other sources
    double dataScale = 0.0;  // the largest magnitude the file's numbers were divided by
};

// Views of `engine`'s last completed run; valid while the engine is.
RunResults ResultsOf(const CSplineEngine& engine, const CSplnSettings& settings);

// Copies what a finished run leaves for its readers (the settings, the result
// arrays, the report line and errors, the data path and the failure) from
// `from` into `to`, leaving out the run workspace and the linear system: they
// are most of the engine's megabyte and mean nothing once the run is over.
void CopyRunOutcome(const CSplineEngine& from, CSplineEngine& to);

}  // namespace spln
