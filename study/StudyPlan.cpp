// The values a study plan runs, and the check of a plan against the settings rules.

#include "study/StudyPlan.h"

#include "study/SampleSource.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace spln::study {
namespace {

std::string Name(SettingId id)
{
    return RangeOf(id).flag;
}

bool Among(SettingId id, const SettingId* first, const SettingId* last)
{
    return std::find(first, last, id) != last;
}

// The largest window the window check lets the base settings take.
int WidestWindow(const CSplnSettings& base)
{
    int window = RangeOf(kSettingWindow).MaxInt();
    while (window > 1 && !WindowCheckPasses(base.m_nSource, window, base.m_nFileLength))
        --window;
    return window;
}

std::optional<PlanFault> RangeFault(const SweepRange& range, int& value)
{
    const SettingRange& setting = RangeOf(range.setting);
    for (int end : {range.from, range.to}) {
        if (!setting.Contains(end)) {
            value = end;
            return PlanFault::OutOfRange;
        }
    }
    if (range.from >= range.to)
        return PlanFault::EmptyRange;
    if (range.spacing == Spacing::Step && range.step < 1) {
        value = range.step;
        return PlanFault::BadStep;
    }
    if (range.spacing == Spacing::Log && (range.logCount < kMinLogCount || range.logCount > kMaxLogCount)) {
        value = range.logCount;
        return PlanFault::BadLogCount;
    }
    return std::nullopt;
}

bool OtherMethodsCount(SettingId setting, const CSplnSettings& base)
{
    return (setting == kSettingSchwarzCount && base.m_nMethod != 0) ||
           (setting == kSettingLsqCount && base.m_nMethod == 0);
}

// The faults of one swept setting on its own: which it is and its values.
std::optional<PlanProblem> CheckRange(const SweepRange& range, const CSplnSettings& base, bool selection, bool across)
{
    if (!IsSweepable(range.setting))
        return PlanProblem{PlanFault::NotSweepable, 0, across};
    if (selection && !IsSelectable(range.setting))
        return PlanProblem{PlanFault::NotSelectable, 0, across};
    if (OtherMethodsCount(range.setting, base))
        return PlanProblem{PlanFault::OtherMethod, 0, across};
    int value = 0;
    if (const std::optional<PlanFault> fault = RangeFault(range, value))
        return PlanProblem{*fault, value, across};
    return std::nullopt;
}

bool WindowCheckPasses(const CSplnSettings& settings)
{
    return spln::WindowCheckPasses(settings.m_nSource, settings.m_nWindow, settings.m_nFileLength);
}

}  // namespace

bool IsSweepable(SettingId id)
{
    return Among(id, std::begin(kSweepableSettings), std::end(kSweepableSettings));
}

bool IsSelectable(SettingId id)
{
    return Among(id, std::begin(kSelectableSettings), std::end(kSelectableSettings));
}

SettingId DefaultSweepSetting(const CSplnSettings& settings)
{
    return settings.m_nMethod == 0 ? kSettingSchwarzCount : kSettingLsqCount;
}

SweepRange SuggestedSweep(SettingId setting, const CSplnSettings& base)
{
    const SettingRange& range = RangeOf(setting);
    SweepRange sweep;
    sweep.setting = setting;
    sweep.from = range.MinInt();
    sweep.to = range.MaxInt();
    if (setting == kSettingWindow)
        sweep.to = std::max(sweep.from + 1, WidestWindow(base));
    if (setting == kSettingFileLength)
        sweep.from = std::min(sweep.to - 1, std::max(sweep.from, base.m_nWindow * 10));
    constexpr int kSuggestedLogCount = 20;
    sweep.spacing = sweep.to - sweep.from < 2 * kSuggestedLogCount ? Spacing::Step : Spacing::Log;
    sweep.step = 1;
    sweep.logCount = kSuggestedLogCount;
    return sweep;
}

bool HasNoise(const CSplnSettings& settings)
{
    return settings.m_nSource != kSourceFile && settings.m_dAmplitude != 0.0;
}

bool HasExactFunction(const CSplnSettings& settings)
{
    return MakeSampleSource(settings, {})->HasExactFunction();
}

std::vector<int> SweepValues(const SweepRange& range)
{
    std::vector<int> values;
    if (range.from > range.to)
        return values;
    if (range.spacing == Spacing::Step) {
        if (range.step < 1)
            return values;
        for (long long value = range.from; value <= range.to; value += range.step)
            values.push_back(static_cast<int>(value));
        return values;
    }
    if (range.logCount < 1 || range.from < 1)
        return values;
    const double first = std::log(static_cast<double>(range.from));
    const double last = std::log(static_cast<double>(range.to));
    for (int i = 0; i < range.logCount; ++i) {
        const double t = range.logCount == 1 ? 0.0 : static_cast<double>(i) / (range.logCount - 1);
        int value = static_cast<int>(std::lround(std::exp(first + (last - first) * t)));
        // The ends are exact, whatever the rounding of exp and log.
        if (i == 0)
            value = range.from;
        if (i == range.logCount - 1)
            value = range.to;
        if (values.empty() || value > values.back())
            values.push_back(value);
    }
    return values;
}

CSplnSettings SettingsForValue(const CSplnSettings& base, SettingId setting, int value)
{
    CSplnSettings settings = base;
    SetSetting(settings, setting, value);
    return settings;
}

std::optional<PlanProblem> CheckPlan(const StudyPlan& plan, const CSplnSettings& base)
{
    if (plan.kind == StudyKind::Repeat) {
        if (!HasExactFunction(base))
            return PlanProblem{PlanFault::NeedsBuiltInFunction};
        if (plan.repeat < kMinRepeat || plan.repeat > kMaxRepeat)
            return PlanProblem{PlanFault::RepeatOutOfRange, plan.repeat};
        if (!HasNoise(base))
            return PlanProblem{PlanFault::RepeatNeedsNoise};
        return std::nullopt;
    }

    // A selection judges the fit by the data alone; the others measure the error.
    const bool selection = plan.kind == StudyKind::Select;
    if (!selection && !HasExactFunction(base))
        return PlanProblem{PlanFault::NeedsBuiltInFunction};
    if (std::optional<PlanProblem> problem = CheckRange(plan.sweep, base, selection, false))
        return problem;
    if (plan.kind != StudyKind::Grid) {
        for (int value : SweepValues(plan.sweep))
            if (!WindowCheckPasses(SettingsForValue(base, plan.sweep.setting, value)))
                return PlanProblem{PlanFault::WindowCheck, value};
        return std::nullopt;
    }

    if (plan.across.setting == plan.sweep.setting)
        return PlanProblem{PlanFault::SameSettingTwice, 0, true};
    if (std::optional<PlanProblem> problem = CheckRange(plan.across, base, false, true))
        return problem;
    const std::vector<int> first = SweepValues(plan.sweep);
    const std::vector<int> second = SweepValues(plan.across);
    // Each range holds at most the 9901 values of the samples, so the count fits an int.
    const int pairs = static_cast<int>(first.size() * second.size());
    if (pairs > kMaxGridRuns)
        return PlanProblem{PlanFault::GridTooLarge, pairs};
    for (int value : first) {
        const CSplnSettings row = SettingsForValue(base, plan.sweep.setting, value);
        for (int other : second)
            if (!WindowCheckPasses(SettingsForValue(row, plan.across.setting, other)))
                return PlanProblem{PlanFault::WindowCheck, other, true};
    }
    return std::nullopt;
}

std::string DescribeProblem(const PlanProblem& problem, const StudyPlan& plan)
{
    const SweepRange& range = problem.across ? plan.across : plan.sweep;
    const std::string name = Name(range.setting);
    const SettingRange& setting = RangeOf(range.setting);
    switch (problem.fault) {
    case PlanFault::NeedsBuiltInFunction:
        return "a sweep, a grid or a repeat needs a built-in function: the sample file has no exact function "
               "to measure the error against (a selection works on it)";
    case PlanFault::NotSweepable:
        return "only schwarz-count, lsq-count, window and samples can be swept";
    case PlanFault::NotSelectable:
        return "only schwarz-count, lsq-count and window can be chosen from the data";
    case PlanFault::SameSettingTwice:
        return "a grid needs two different settings; " + name + " is given twice";
    case PlanFault::OtherMethod:
        return name + " belongs to the method not chosen; sweep " +
               Name(range.setting == kSettingSchwarzCount ? kSettingLsqCount : kSettingSchwarzCount) +
               " or choose the other method";
    case PlanFault::OutOfRange:
        return name + " = " + std::to_string(problem.value) + " is out of range; it must be a whole number from " +
               std::to_string(setting.MinInt()) + " to " + std::to_string(setting.MaxInt());
    case PlanFault::WindowCheck:
        return name + " = " + std::to_string(problem.value) + ": " + kWindowCheckMessage;
    case PlanFault::EmptyRange:
        return "the first value of " + name + " must be below the last";
    case PlanFault::BadStep:
        return "the step must be a whole number of at least 1";
    case PlanFault::BadLogCount:
        return "the count of log-spaced values must be from " + std::to_string(kMinLogCount) + " to " +
               std::to_string(kMaxLogCount);
    case PlanFault::GridTooLarge:
        return "the grid has " + std::to_string(problem.value) + " pairs of values; at most " +
               std::to_string(kMaxGridRuns) + " can run";
    case PlanFault::RepeatOutOfRange:
        return "the number of runs must be from " + std::to_string(kMinRepeat) + " to " + std::to_string(kMaxRepeat);
    case PlanFault::RepeatNeedsNoise:
        return "a repeat needs noise: with amplitude 0 every run gives the same numbers";
    }
    return {};
}

}  // namespace spln::study
