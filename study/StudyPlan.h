#pragma once

// What a study runs: a sweep of one whole-number setting over a range of
// values, a grid of two such sweeps, a choice of one setting's value from the
// data alone, or a repeat of the same settings with new noise; the values a
// sweep takes, and the check that refuses a plan the settings dialog would refuse.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/SettingsRecord.h"

namespace spln::study {

// Sweep: one setting over its values. Grid: every pair of values of two
// settings. Select: one setting's values judged by a criterion of the data
// alone. Repeat: the same settings again with new noise.
enum class StudyKind { Sweep, Grid, Select, Repeat };

// A sweep steps from its first value by a fixed step, or takes a count of
// values spaced evenly on a log scale (rounded to whole numbers, repeats dropped).
enum class Spacing { Step, Log };

inline constexpr int kMinRepeat = 2;
inline constexpr int kMaxRepeat = 10000;
inline constexpr int kMinLogCount = 2;
inline constexpr int kMaxLogCount = 1000;
inline constexpr int kMaxGridRuns = 250000;  // a grid of 500 x 500 values
inline constexpr std::uint32_t kDefaultSeed = 1;

// The settings a sweep may vary.
inline constexpr SettingId kSweepableSettings[] = {kSettingSchwarzCount, kSettingLsqCount, kSettingWindow,
                                                   kSettingFileLength};
// The settings a selection may choose: those that smooth the same data more or less.
inline constexpr SettingId kSelectableSettings[] = {kSettingSchwarzCount, kSettingLsqCount, kSettingWindow};

// One swept setting and the values it takes.
struct SweepRange {
    SettingId setting = kSettingSchwarzCount;
    int from = 15;
    int to = 501;
    Spacing spacing = Spacing::Step;
    int step = 2;       // Step: the difference between neighbouring values
    int logCount = 20;  // Log: how many values
};

struct StudyPlan {
    StudyKind kind = StudyKind::Sweep;
    SweepRange sweep;                   // Sweep and Select: the swept setting; Grid: the first of the two
    SweepRange across;                  // Grid: the second setting, varied fastest
    int repeat = 100;                   // Repeat: how many runs
    std::uint32_t seed = kDefaultSeed;  // start of the study's own noise sequence
    std::string dataPath;               // the sample file a selection on the file reads; empty: sig.dat here
};

bool IsSweepable(SettingId id);
bool IsSelectable(SettingId id);

// The number of basic splines of the method the settings choose.
SettingId DefaultSweepSetting(const CSplnSettings& settings);

// A sweep of the setting over the values the base settings allow: its whole
// range (the window up to a tenth of the samples, the samples from ten
// windows), in 20 values on a log scale, or step 1 for a short range.
SweepRange SuggestedSweep(SettingId setting, const CSplnSettings& base);

// True when the runs draw noise that changes their results.
bool HasNoise(const CSplnSettings& settings);

// True when the runs measure their error against an exact function.
bool HasExactFunction(const CSplnSettings& settings);

// The values in order from `from` to `to` (the last step may stop short of `to`).
std::vector<int> SweepValues(const SweepRange& range);

// The base settings with the swept setting set to value.
CSplnSettings SettingsForValue(const CSplnSettings& base, SettingId setting, int value);

// Why a plan cannot run, in terms each front end words its own way.
enum class PlanFault {
    NeedsBuiltInFunction,  // the sample file has no exact function to measure errors against
    NotSweepable,          // the setting is not one of kSweepableSettings
    NotSelectable,         // the setting is not one of kSelectableSettings
    SameSettingTwice,      // a grid of one setting against itself
    OtherMethod,           // the swept count belongs to the method not chosen
    OutOfRange,            // value (from or to) is outside the setting's range
    WindowCheck,           // value fails the window check with the base settings
    EmptyRange,            // from is not below to
    BadStep,               // step below 1
    BadLogCount,           // log count outside kMinLogCount..kMaxLogCount
    GridTooLarge,          // more than kMaxGridRuns pairs of values
    RepeatOutOfRange,      // repeat count outside kMinRepeat..kMaxRepeat
    RepeatNeedsNoise,      // a repeat without noise would give the same run K times
};

struct PlanProblem {
    PlanFault fault;
    int value = 0;        // the offending value, where there is one
    bool across = false;  // the fault is in a grid's second setting
};

// The first fault of the plan on these base settings, or nothing when it can run.
std::optional<PlanProblem> CheckPlan(const StudyPlan& plan, const CSplnSettings& base);

// A sentence naming what is wrong, the setting by its command-line name.
std::string DescribeProblem(const PlanProblem& problem, const StudyPlan& plan);

}  // namespace spln::study
