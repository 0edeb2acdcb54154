// Reads the study flags of spln-cli into a study plan.

#include "cli/StudyArguments.h"

#include <limits>
#include <string_view>
#include <vector>

#include "model/SettingText.h"
#include "text/StrictNumber.h"

namespace spln::cli {
namespace {

std::vector<std::string> SplitAtColons(const std::string& text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t colon = text.find(':'); colon != std::string::npos; colon = text.find(':', start)) {
        parts.push_back(text.substr(start, colon - start));
        start = colon + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::optional<std::string> ReadWhole(const std::string& what, std::string_view text, int& value)
{
    if (ParseWholeNumber(text, value) != NumberStatus::Ok)
        return what + " \"" + std::string(text) + "\" is not a whole number";
    return std::nullopt;
}

std::optional<std::string> ReadSweepRange(const std::string& flag, const std::string& value, bool selection,
                                          study::SweepRange& range)
{
    const std::string form = flag + " takes NAME=FROM:TO, NAME=FROM:TO:STEP or NAME=FROM:TO:logN";
    const size_t equals = value.find('=');
    if (equals == std::string::npos)
        return form + "; \"" + value + "\" has no \"=\"";
    const std::string name = value.substr(0, equals);
    const SettingRange* setting = FindSetting(name);
    if (!setting)
        return flag + ": \"" + name + "\" is not a setting (see --help)";
    if (!study::IsSweepable(setting->id))
        return flag + ": " + name + " cannot be swept; sweep schwarz-count, lsq-count, window or samples";
    if (selection && !study::IsSelectable(setting->id))
        return flag + ": " + name + " cannot be chosen from the data; choose schwarz-count, lsq-count or window";

    const std::vector<std::string> parts = SplitAtColons(value.substr(equals + 1));
    if (parts.size() < 2 || parts.size() > 3)
        return form;
    study::SweepRange sweep;
    sweep.setting = setting->id;
    std::optional<std::string> fault = ReadWhole(flag + ": FROM", parts[0], sweep.from);
    if (!fault)
        fault = ReadWhole(flag + ": TO", parts[1], sweep.to);
    if (!fault && parts.size() == 3) {
        const std::string& last = parts[2];
        if (last.rfind("log", 0) == 0) {
            sweep.spacing = study::Spacing::Log;
            fault = ReadWhole(flag + ": the count after log", last.substr(3), sweep.logCount);
        } else {
            sweep.spacing = study::Spacing::Step;
            fault = ReadWhole(flag + ": STEP", last, sweep.step);
        }
    } else if (!fault) {
        sweep.step = 1;
    }
    if (fault)
        return fault;
    range = sweep;
    return std::nullopt;
}

// A new plan of the kind, keeping the seed a --seed before it gave.
study::StudyPlan FreshPlan(study::StudyKind kind, const study::StudyPlan& old)
{
    study::StudyPlan plan;
    plan.kind = kind;
    plan.seed = old.seed;
    return plan;
}

}  // namespace

std::optional<std::string> ReadStudySweep(const std::string& flag, const std::string& value, study::StudyPlan& plan,
                                          bool second)
{
    if (!second) {
        study::StudyPlan sweep = FreshPlan(study::StudyKind::Sweep, plan);
        std::optional<std::string> fault = ReadSweepRange(flag, value, false, sweep.sweep);
        if (!fault)
            plan = sweep;
        return fault;
    }
    std::optional<std::string> fault = ReadSweepRange(flag, value, false, plan.across);
    if (!fault)
        plan.kind = study::StudyKind::Grid;
    return fault;
}

std::optional<std::string> ReadStudySelect(const std::string& flag, const std::string& value, study::StudyPlan& plan)
{
    study::StudyPlan selection = FreshPlan(study::StudyKind::Select, plan);
    std::optional<std::string> fault = ReadSweepRange(flag, value, true, selection.sweep);
    if (!fault)
        plan = selection;
    return fault;
}

std::optional<std::string> ReadStudyRepeat(const std::string& flag, const std::string& value, study::StudyPlan& plan)
{
    int runs = 0;
    if (std::optional<std::string> fault = ReadWhole(flag + ":", value, runs))
        return fault;
    plan = FreshPlan(study::StudyKind::Repeat, plan);
    plan.repeat = runs;
    return std::nullopt;
}

std::optional<std::string> ReadStudySeed(const std::string& flag, const std::string& value, study::StudyPlan& plan)
{
    int seed = 0;
    if (ParseWholeNumber(value, seed) != NumberStatus::Ok || seed < 0)
        return flag + ": \"" + value + "\" is not a whole number from 0 to " +
               std::to_string(std::numeric_limits<int>::max());
    plan.seed = static_cast<std::uint32_t>(seed);
    return std::nullopt;
}

}  // namespace spln::cli
