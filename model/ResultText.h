#pragma once

// The results of a run as text: the JSON object and the CSV table that the
// command line and the desktop program's exports write, and the summary line.

#include <string>

#include "model/RunResults.h"

namespace spln {

// One JSON object: "settings" (as typed: method 0/1, kernel types as chosen),
// "points", the arrays "x", "data", "exact", "approx", for a built-in
// function "error" (approx - exact, point by point), and "report". Every
// double has 17 significant digits, so it reads back to the same bits;
// values that are not finite, and the exact function of a sample-file run,
// are null. The report of a sample-file run is null.
std::string FormatJson(const RunResults& results);

// A header line "x,data,exact,approx" and one row a point, doubles with 17
// significant digits; the exact column is empty for a sample-file run.
std::string FormatCsv(const RunResults& results);

// What standard output shows when no output is requested: the report line,
// or for the sample file the number of points computed.
std::string FormatSummaryLine(const RunResults& results);

}  // namespace spln
