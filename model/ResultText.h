#pragma once

// The results of a run as text: the JSON object and the CSV table that the
// command line and the desktop program's exports write, and the summary line.

#include <string>
#include <string_view>
#include <vector>

#include "model/KeptApproximations.h"
#include "model/RunResults.h"

namespace spln {

// One JSON object: "settings" (as typed: method 0/1, kernel types as chosen),
// "points", the arrays "x", "data", "exact", "approx", for a built-in
// function "error" (approx - exact, point by point), and "report". Every
// double has 17 significant digits, so it reads back to the same bits;
// values that are not finite, and the exact function of a sample-file run,
// are null. The report of a sample-file run is null.
std::string FormatJson(const RunResults& results);

// An approximation drawn over the run: the experiment file a user named, as
// given, and its run as kept, ownName its label.
struct ComparedRun {
    std::string file;
    KeptApproximation run;
};

// The same object with, when compared is not empty, a last member "compare":
// for each compared run its "file", "name", "settings" (as the run's own),
// "approx" and the three errors "left_error", "interior_error" and
// "right_error" (null for the sample file).
std::string FormatJson(const RunResults& results, const std::vector<ComparedRun>& compared);

// A header line "x,data,exact,approx,error" and one row a point, doubles with
// 17 significant digits, the error being approx - exact; a sample-file run
// has no exact function: its exact column is empty and it has no error column.
std::string FormatCsv(const RunResults& results);

// The same table with a column approx_2, approx_3, ... after the others for
// each compared run, in their order.
std::string FormatCsv(const RunResults& results, const std::vector<ComparedRun>& compared);

// What standard output shows when no output is requested: the report line,
// or for the sample file the number of points computed.
std::string FormatSummaryLine(const RunResults& results);

// Text as a JSON string: quoted, with quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view text);

}  // namespace spln
