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

}  // namespace

std::optional<std::string> ReadStudySweep(const std::string& flag, const std::string& value, study::StudyPlan& plan)
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

    const std::vector<std::string> parts = SplitAtColons(value.substr(equals + 1));
    if (parts.size() < 2 || parts.size() > 3)
        return form;
    study::StudyPlan sweep;
    sweep.kind = study::StudyKind::Sweep;
    sweep.setting = setting->id;
    sweep.seed = plan.seed;
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
    plan = sweep;
    return std::nullopt;
}

std::optional<std::string> ReadStudyRepeat(const std::string& flag, const std::string& value, study::StudyPlan& plan)
{
    int runs = 0;
    if (std::optional<std::string> fault = ReadWhole(flag + ":", value, runs))
        return fault;
    const std::uint32_t seed = plan.seed;
    plan = study::StudyPlan{};
    plan.kind = study::StudyKind::Repeat;
    plan.repeat = runs;
    plan.seed = seed;
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
