#pragma once

// Reading the study flags: --study NAME=FROM:TO[:STEP] or NAME=FROM:TO:logN
// (once for a sweep, twice for a grid), --study-select in the same form,
// --study-repeat K and --seed S.

#include <optional>
#include <string>

#include "study/StudyPlan.h"

namespace spln::cli {

// Each returns the message of a fault, naming the flag, or nothing when the
// value was taken into the plan. A second --study makes the plan a grid.
std::optional<std::string> ReadStudySweep(const std::string& flag, const std::string& value, study::StudyPlan& plan,
                                          bool second);
std::optional<std::string> ReadStudySelect(const std::string& flag, const std::string& value, study::StudyPlan& plan);
std::optional<std::string> ReadStudyRepeat(const std::string& flag, const std::string& value, study::StudyPlan& plan);
std::optional<std::string> ReadStudySeed(const std::string& flag, const std::string& value, study::StudyPlan& plan);

}  // namespace spln::cli
