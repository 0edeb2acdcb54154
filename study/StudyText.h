#pragma once

// A study as text: its columns with their keys and headings, CSV rows, one
// JSON object with the settings, the rows and what they say, a short summary
// for people, and the title of its window and picture.

#include <string>
#include <vector>

#include "study/StudyRunner.h"

namespace spln::study {

// The errors as the main window's report line names them.
inline constexpr const char* kLeftErrorName = "left board error";
inline constexpr const char* kInteriorErrorName = "internal error";
inline constexpr const char* kRightErrorName = "right board error";

// The settings dialog's name of a sweepable setting ("number of basic splines").
std::string SettingLabel(SettingId id);

// The columns of a study's rows, in their order.
enum class StudyColumn {
    Value,      // the swept value, a grid's first value, or the run number
    Across,     // a grid's second value
    Criterion,  // a selection's generalized cross-validation score
    Freedom,    // a selection's degrees of freedom
    LeftError,
    InteriorError,
    RightError,
    LocalOrder,    // a sweep's order from the row before
    Milliseconds,  // the row's run time, only when asked for
};

// The columns the kind of study has; the run time only with timing.
std::vector<StudyColumn> StudyColumns(const StudyResult& result, bool timing);

// The column's CSV header and JSON key ("schwarz-count", "interior_error").
std::string ColumnKey(const StudyResult& result, StudyColumn column);

// The column's heading for people ("number of basic splines", "internal error").
std::string ColumnHeading(const StudyResult& result, StudyColumn column);

// The column's number in a row; the local order comes from `localOrders`
// (one a row, as JudgeConvergence gives them). NaN where there is none.
double ColumnValue(StudyColumn column, const StudyRow& row, double localOrder);

// A local order for each row: a sweep's, NaN for the other kinds.
std::vector<double> LocalOrdersOf(const StudyResult& result);

// The name of the first column: the swept setting's command-line name, or "run".
std::string ValueColumnName(const StudyResult& result);

// A header line of the column keys and one line a row; doubles with 17
// significant digits, an empty cell where there is no number, the run time
// in milliseconds with three decimals and only with timing.
std::string FormatStudyCsv(const StudyResult& result, bool timing = false);

// One JSON object: "study" ("sweep", "grid", "select" or "repeat"), the swept
// "setting" (and a grid's "second_setting"), the "seed", "settings" (the base,
// as typed), "planned", "cancelled", "rows" keyed as the CSV columns, and
// what they say: a sweep's "order" {p, C, low, high, r2, first, last, points}
// (null without a clear order) and "plateau" {level, from} (or null); a
// grid's "best" cell; a selection's "criterion", its "chosen" row and, with an
// exact function, the "best" row; a repeat's "statistics" (mean, deviation,
// min and max of each error).
std::string FormatStudyJson(const StudyResult& result, bool timing = false);

// What the rows say, a line or a few, with a note when the study stopped early.
std::string FormatStudySummary(const StudyResult& result);

// "Study of the window of averaging, 20 runs"; "..., 7 of 20 runs (cancelled)"
// for a study stopped early: names the window and the picture.
std::string StudyTitle(const StudyResult& result);

}  // namespace spln::study
