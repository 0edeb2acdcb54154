#pragma once

// A study as text: CSV rows, one JSON object with the settings, the rows and
// the fitted order or the spread, and a short summary for people.

#include <string>

#include "study/StudyRunner.h"

namespace spln::study {

// The name of the first column: the swept setting's command-line name, or "run".
std::string ValueColumnName(const StudyResult& result);

// A header line "NAME,left_error,interior_error,right_error,milliseconds" and
// one line a run; doubles with 17 significant digits.
std::string FormatStudyCsv(const StudyResult& result);

// One JSON object: "study" ("sweep" or "repeat"), the swept "setting" or the
// "seed", "settings" (the base, as typed), "planned", "cancelled", "rows",
// and "order" (p, C and the points fitted, or null) for a sweep or
// "statistics" (mean, deviation, min and max of each error) for a repeat.
std::string FormatStudyJson(const StudyResult& result);

// The order line of a sweep, or the spread of each error of a repeat, with
// a note when the study was cancelled.
std::string FormatStudySummary(const StudyResult& result);

// "Study of schwarz-count" or "Study of 100 runs with new noise" - names the window and the picture.
std::string StudyTitle(const StudyResult& result);

}  // namespace spln::study
