#pragma once

// The command line's runs: preparing the engine, repeating the run and timing it.

#include <string>
#include <vector>

#include "cli/CliOptions.h"

class CSplineEngine;

namespace spln::cli {

// Puts the typed settings into the engine as the result view does before it
// draws (method plus 1, projection kernel types 3 and 4 exchanged) and names
// the sample file.
void PrepareEngine(CSplineEngine& engine, const CliOptions& options);

// Runs the engine `repeat` times, as that many repaints would: the noise goes
// on from run to run. Records each run's wall time in `milliseconds` (sized
// before the first run, so timing allocates nothing between runs). Stops at
// the first run that cannot continue and returns false.
bool RunRepeatedly(CSplineEngine& engine, int repeat, std::vector<double>& milliseconds);

struct TimingSummary {
    double median = 0.0;  // the middle time, or the mean of the two middle ones
    double min = 0.0;
    int runs = 0;
};

TimingSummary SummariseTimes(std::vector<double> milliseconds);

// "run time: median M ms, min m ms over K runs", milliseconds with three decimals.
std::string FormatTimingLine(const TimingSummary& summary);

}  // namespace spln::cli
