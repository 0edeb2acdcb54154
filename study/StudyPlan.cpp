// The values a study plan runs, and the check of a plan against the settings rules.

#include "study/StudyPlan.h"

#include <algorithm>
#include <cmath>

namespace spln::study {
namespace {

std::string Name(SettingId id)
{
    return RangeOf(id).flag;
}

}  // namespace

bool IsSweepable(SettingId id)
{
    for (SettingId sweepable : kSweepableSettings)
        if (id == sweepable)
            return true;
    return false;
}

SettingId DefaultSweepSetting(const CSplnSettings& settings)
{
    return settings.m_nMethod == 0 ? kSettingSchwarzCount : kSettingLsqCount;
}

StudyPlan SuggestedSweep(SettingId setting, const CSplnSettings& base)
{
    const SettingRange& range = RangeOf(setting);
    StudyPlan plan;
    plan.kind = StudyKind::Sweep;
    plan.setting = setting;
    plan.from = range.MinInt();
    plan.to = range.MaxInt();
    if (setting == kSettingWindow && base.m_nSource == 0)
        plan.to = std::max(plan.from + 1, std::min(plan.to, base.m_nFileLength / 10));
    if (setting == kSettingFileLength)
        plan.from = std::min(plan.to - 1, std::max(plan.from, base.m_nWindow * 10));
    constexpr int kSuggestedLogCount = 20;
    plan.spacing = plan.to - plan.from < 2 * kSuggestedLogCount ? Spacing::Step : Spacing::Log;
    plan.step = 1;
    plan.logCount = kSuggestedLogCount;
    return plan;
}

bool HasNoise(const CSplnSettings& settings)
{
    return settings.m_nSource == 0 && settings.m_dAmplitude != 0.0;
}

std::vector<int> SweepValues(const StudyPlan& plan)
{
    std::vector<int> values;
    if (plan.kind != StudyKind::Sweep || plan.from > plan.to)
        return values;
    if (plan.spacing == Spacing::Step) {
        if (plan.step < 1)
            return values;
        for (long long value = plan.from; value <= plan.to; value += plan.step)
            values.push_back(static_cast<int>(value));
        return values;
    }
    if (plan.logCount < 1 || plan.from < 1)
        return values;
    const double first = std::log(static_cast<double>(plan.from));
    const double last = std::log(static_cast<double>(plan.to));
    for (int i = 0; i < plan.logCount; ++i) {
        const double t = plan.logCount == 1 ? 0.0 : static_cast<double>(i) / (plan.logCount - 1);
        int value = static_cast<int>(std::lround(std::exp(first + (last - first) * t)));
        // The ends are exact, whatever the rounding of exp and log.
        if (i == 0)
            value = plan.from;
        if (i == plan.logCount - 1)
            value = plan.to;
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
    if (base.m_nSource != 0)
        return PlanProblem{PlanFault::NeedsBuiltInFunction};
    if (plan.kind == StudyKind::Repeat) {
        if (plan.repeat < kMinRepeat || plan.repeat > kMaxRepeat)
            return PlanProblem{PlanFault::RepeatOutOfRange, plan.repeat};
        if (!HasNoise(base))
            return PlanProblem{PlanFault::RepeatNeedsNoise};
        return std::nullopt;
    }

    if (!IsSweepable(plan.setting))
        return PlanProblem{PlanFault::NotSweepable};
    if ((plan.setting == kSettingSchwarzCount && base.m_nMethod != 0) ||
        (plan.setting == kSettingLsqCount && base.m_nMethod == 0))
        return PlanProblem{PlanFault::OtherMethod};
    const SettingRange& range = RangeOf(plan.setting);
    for (int value : {plan.from, plan.to})
        if (!range.Contains(value))
            return PlanProblem{PlanFault::OutOfRange, value};
    if (plan.from >= plan.to)
        return PlanProblem{PlanFault::EmptyRange};
    if (plan.spacing == Spacing::Step && plan.step < 1)
        return PlanProblem{PlanFault::BadStep, plan.step};
    if (plan.spacing == Spacing::Log && (plan.logCount < kMinLogCount || plan.logCount > kMaxLogCount))
        return PlanProblem{PlanFault::BadLogCount, plan.logCount};
    for (int value : SweepValues(plan)) {
        const CSplnSettings settings = SettingsForValue(base, plan.setting, value);
        if (!WindowCheckPasses(settings.m_nSource, settings.m_nWindow, settings.m_nFileLength))
            return PlanProblem{PlanFault::WindowCheck, value};
    }
    return std::nullopt;
}

std::string DescribeProblem(const PlanProblem& problem, const StudyPlan& plan)
{
    const std::string name = Name(plan.setting);
    const SettingRange& range = RangeOf(plan.setting);
    switch (problem.fault) {
    case PlanFault::NeedsBuiltInFunction:
        return "a study needs a built-in function: the sample file has no exact function to measure the error "
               "against";
    case PlanFault::NotSweepable:
        return "only schwarz-count, lsq-count, window and samples can be swept";
    case PlanFault::OtherMethod:
        return name + " belongs to the method not chosen; sweep " +
               Name(plan.setting == kSettingSchwarzCount ? kSettingLsqCount : kSettingSchwarzCount) +
               " or choose the other method";
    case PlanFault::OutOfRange:
        return name + " = " + std::to_string(problem.value) + " is out of range; it must be a whole number from " +
               std::to_string(range.MinInt()) + " to " + std::to_string(range.MaxInt());
    case PlanFault::WindowCheck:
        return name + " = " + std::to_string(problem.value) + ": " + kWindowCheckMessage;
    case PlanFault::EmptyRange:
        return "the first value of " + name + " must be below the last";
    case PlanFault::BadStep:
        return "the step must be a whole number of at least 1";
    case PlanFault::BadLogCount:
        return "the count of log-spaced values must be from " + std::to_string(kMinLogCount) + " to " +
               std::to_string(kMaxLogCount);
    case PlanFault::RepeatOutOfRange:
        return "the number of runs must be from " + std::to_string(kMinRepeat) + " to " + std::to_string(kMaxRepeat);
    case PlanFault::RepeatNeedsNoise:
        return "a repeat needs noise: with amplitude 0 every run gives the same numbers";
    }
    return {};
}

}  // namespace spln::study
