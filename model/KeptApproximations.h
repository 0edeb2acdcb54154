#pragma once

// Approximations kept for comparison: the settings each was run with, its
// curve and errors as kept, whether it is drawn, and a name, either the
// user's or one made from what differs from the current settings. Also the
// table of them as CSV. No toolkit involved.

#include "model/SplnSettings.h"

#include <string>
#include <vector>

class CSplineEngine;

namespace spln {

struct KeptApproximation {
    CSplnSettings settings;
    std::string ownName;  // the user's name; empty: named from what differs
    bool shown = true;
    std::vector<double> x;  // the output points and the approximation there, as drawn when kept
    std::vector<double> approx;
    bool hasErrors = false;  // a built-in function: the three errors below hold
    double leftError = 0.0;
    double interiorError = 0.0;
    double rightError = 0.0;
    double runMilliseconds = 0.0;  // shown in the comparison, never written to a file
};

// At most this many are kept; each has a pen of its own.
inline constexpr int kMaxKept = 8;

// The curve and the errors of the engine's last run of settings, as kept.
KeptApproximation KeptFromRun(const CSplnSettings& settings, const CSplineEngine& engine);

// Runs settings on an engine of their own, reading the sample file at
// dataPath; returns the run's time in milliseconds. Without a seed the noise
// comes from a sequence of its own, started where the program's starts: the
// program's noise goes on as it would, and the run draws what a first run of
// these settings in a new process draws. A seed draws its own noise anyway.
double RunOnItsOwn(const CSplnSettings& settings, const char* dataPath, CSplineEngine& engine);

// What differs from current, briefly: "lsq 51", "window 8", "example 7,
// amplitude 0.1"; the method's rows read as the method with its number of
// functions, and the rows of the method not used are left out. "same" when
// nothing differs.
std::string ShortName(const CSplnSettings& kept, const CSplnSettings& current);

// The name shown: the user's, else the short name.
std::string DisplayName(const KeptApproximation& kept, const CSplnSettings& current);

// The settings that differ from the defaults, as "flag=value" pairs.
std::string SettingsSummary(const CSplnSettings& settings);

// The comparison table: a header line, then one line a kept approximation
// with its name, settings summary, whether it is shown, its three errors
// (empty for the sample file) and its run time.
std::string ComparisonCsv(const std::vector<KeptApproximation>& kept, const CSplnSettings& current);

}  // namespace spln
