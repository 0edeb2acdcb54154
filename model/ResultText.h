#pragma once

// The results of a run as text: the JSON object and the CSV table that the
// command line and the desktop program's exports write, and the summary line.

#include <string>
#include <string_view>

#include "model/RunResults.h"

namespace spln {

// One JSON object: "settings" (as typed: method 0/1, kernel types as chosen),
// "points", the arrays "x", "data", "exact", "approx", for a built-in
// function "error" (approx - exact, point by point), and "report". Every
// double has 17 significant digits, so it reads back to the same bits;
// values that are not finite, and the exact function of a sample-file run,
// are null. The report of a sample-file run is null.
std::string FormatJson(const RunResults& results);

// A header line "x,data,exact,approx,error" and one row a point, doubles with
// 17 significant digits, the error being approx - exact; a sample-file run
// has no exact function: its exact column is empty and it has no error column.
std::string FormatCsv(const RunResults& results);

// What standard output shows when no output is requested: the report line,
// or for the sample file the number of points computed.
std::string FormatSummaryLine(const RunResults& results);

// Text as a JSON string: quoted, with quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view text);

}  // namespace spln
