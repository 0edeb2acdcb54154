// Fuzz target: arbitrary command lines (arguments separated by NUL bytes)
// through the argument parser; whatever it accepts must be a command that can
// run.

#include "cli/ArgumentParser.h"
#include "cli/SameFileCheck.h"
#include "engine/CSplineEngine.h"
#include "model/SettingsRecord.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMaxArguments = 64;

void CheckAccepted(const spln::cli::CliOptions& options)
{
    using namespace spln;
    for (const SettingRange& range : kSettingRanges)
        if (!range.Contains(GetSetting(options.settings, range.id)))
            std::abort();
    // A sweep of the window or the sample count checks each value it runs, not the base.
    const CSplnSettings& s = options.settings;
    const study::StudyPlan& plan = options.studyPlan;
    const auto checked = [](SettingId id) { return id == kSettingWindow || id == kSettingFileLength; };
    const bool sweepsTheWindow =
        options.study && plan.kind != study::StudyKind::Repeat &&
        (checked(plan.sweep.setting) || (plan.kind == study::StudyKind::Grid && checked(plan.across.setting)));
    if (!WindowCheckPasses(s.m_nSource, s.m_nWindow, s.m_nFileLength) && !sweepsTheWindow)
        std::abort();
    if (options.repeat < 1 || options.repeat > cli::kMaxRepeat)
        std::abort();
    if (options.pictureWidth < cli::kMinPictureSide || options.pictureWidth > kMaxPictureSide ||
        options.pictureHeight < cli::kMinPictureSide || options.pictureHeight > kMaxPictureSide)
        std::abort();
    if (options.dataPath.size() >= static_cast<std::size_t>(kPathSize))
        std::abort();
    std::size_t toStandardOutput = 0;
    for (const cli::OutputRequest& output : options.outputs) {
        if (output.path.empty() || output.flag.empty())
            std::abort();
        toStandardOutput += output.path == "-";
        if (cli::IsPicture(output.kind) && output.path == "-")
            std::abort();
    }
    if (toStandardOutput > 1)
        std::abort();
    // Every file written (the outputs and a saved experiment file) is in the
    // list the same-file check goes through.
    std::size_t files = 0;
    for (const cli::CommandFile& file : cli::CommandFiles(options))
        files += file.written;
    if (files + toStandardOutput != options.outputs.size() + !options.saveSettingsPath.empty())
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] != '\0') {
            args.back() += static_cast<char>(data[i]);
        } else if (args.size() < kMaxArguments) {
            args.emplace_back();
        }
    }
    const spln::cli::ParseOutcome outcome = spln::cli::ParseArguments(args);
    if (outcome.Accepted() && !outcome.options.help)
        CheckAccepted(outcome.options);
    if (!outcome.Accepted() && outcome.error.find_first_not_of(' ') == std::string::npos)
        std::abort();
    return 0;
}
