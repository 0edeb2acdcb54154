// Reads the command line's flags: settings from the settings record, then the other options.

#include "cli/ArgumentParser.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/CompareRuns.h"
#include "cli/StudyArguments.h"
#include "engine/CSplineEngine.h"
#include "model/ExperimentFile.h"
#include "model/Formula.h"
#include "model/SettingText.h"
#include "model/SettingsRecord.h"
#include "text/NumberFormat.h"
#include "text/StrictNumber.h"

namespace spln::cli {
namespace {

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

// The message about a number not accepted: not one at all, or outside [min, max].
std::string NumberFault(const std::string& flag, std::string_view text, bool whole, double min, double max,
                        bool notANumber)
{
    if (notANumber)
        return flag + ": " + Quoted(text) + (whole ? " is not a whole number" : " is not a number");
    return flag + ": " + std::string(text) + " is out of range; it must be " + (whole ? "a whole number " : "") +
           "from " + FormatNumber(min) + " to " + FormatNumber(max);
}

// Parses a number that must lie in [min, max]; returns the message of a fault.
std::optional<std::string> ReadNumber(const std::string& flag, std::string_view text, bool whole, double min,
                                      double max, double& value)
{
    const NumberStatus status = ParseNumberWithin(text, whole, min, max, value);
    if (status == NumberStatus::Ok)
        return std::nullopt;
    return NumberFault(flag, text, whole, min, max, status == NumberStatus::NotANumber);
}

// Parses one setting's value text into `value`; returns the message of a fault.
std::optional<std::string> ReadSettingValue(const SettingRange& range, std::string_view text, SettingText& value)
{
    const std::string flag = std::string("--") + range.flag;
    SettingText read = ReadSettingText(range, text);
    if (read.Accepted()) {
        value = std::move(read);
        return std::nullopt;
    }
    if (read.fault == SettingTextFault::NotOneLine)
        return flag + ": the text holds a control character; give the formula on one line";
    if (read.fault == SettingTextFault::TooLong)
        return flag + ": the text has " + std::to_string(text.size()) + " characters; it may have at most " +
               std::to_string(range.MaxInt());
    if (read.fault == SettingTextFault::NotAChoice) {
        std::string numbers;
        for (int number = 0; number <= range.MaxInt(); ++number)
            numbers += ", " + std::to_string(number);
        return flag + ": " + Quoted(text) + " is not one of " + ChoiceNames(range, ", ") + numbers;
    }
    if (range.id == kSettingExample && read.fault == SettingTextFault::NotANumber)
        return flag + ": " + Quoted(text) +
               " is neither a number from 1 to 11 nor the name of a built-in function (see --help)";
    return NumberFault(flag, text, range.kind == SettingKind::Integer, range.min, range.max,
                       read.fault == SettingTextFault::NotANumber);
}

// The flags that are not settings.
enum class Option {
    Json,
    Csv,
    Png,
    Svg,
    Pdf,
    Size,
    ErrorPanel,
    Legend,
    Scale,
    PreciseCurves,
    Data,
    Settings,
    SaveSettings,
    Repeat,
    Timing,
    Help,
    Version,
    Study,
    StudySelect,
    StudyRepeat,
    Seed,
    Compare
};

struct OptionFlag {
    const char* name;
    Option option;
    bool takesValue;
    const char* once;  // why the flag is given at most once; null: it may be repeated
};

constexpr OptionFlag kOptionFlags[] = {
    {"json", Option::Json, true, nullptr},
    {"csv", Option::Csv, true, nullptr},
    {"png", Option::Png, true, nullptr},
    {"svg", Option::Svg, true, nullptr},
    {"pdf", Option::Pdf, true, nullptr},
    {"size", Option::Size, true, "every picture has one size"},
    {"error-panel", Option::ErrorPanel, true, "every picture has one error panel"},
    {"legend", Option::Legend, false, nullptr},
    {"scale", Option::Scale, true, "every picture has one pixel ratio"},
    {"precise-curves", Option::PreciseCurves, false, nullptr},
    {"data", Option::Data, true, "a run reads one sample file"},
    {"settings", Option::Settings, true, "the settings start from one file"},
    {"save-settings", Option::SaveSettings, true, "the settings are saved to one file"},
    {"repeat", Option::Repeat, true, "give the number of runs once"},
    {"timing", Option::Timing, false, nullptr},
    {"help", Option::Help, false, nullptr},
    {"version", Option::Version, false, nullptr},
    {"study", Option::Study, true, nullptr},
    {"study-select", Option::StudySelect, true, nullptr},
    {"study-repeat", Option::StudyRepeat, true, nullptr},
    {"seed", Option::Seed, true, "a study's noise starts from one seed"},
    {"compare", Option::Compare, true, nullptr},
};

const OptionFlag* FindOption(std::string_view name)
{
    for (const OptionFlag& flag : kOptionFlags)
        if (name == flag.name)
            return &flag;
    return nullptr;
}

bool IsFlag(std::string_view arg)
{
    return arg.size() > 2 && arg.substr(0, 2) == "--";
}

std::optional<std::string> AddOutput(CliOptions& options, OutputKind kind, const std::string& flag,
                                     const std::string& path)
{
    if (path.empty())
        return flag + " needs a file name, or - for standard output";
    for (const OutputRequest& earlier : options.outputs)
        if (earlier.path == path)
            return flag + ": " +
                   (path == "-" ? std::string("only one output can go to standard output")
                                : Quoted(path) + " is named by two outputs");
    options.outputs.push_back({kind, path, flag});
    return std::nullopt;
}

// "WxH", each side a whole number of pixels within the picture limits.
std::optional<std::string> ReadPictureSize(CliOptions& options, const std::string& flag, const std::string& value)
{
    const size_t cross = value.find('x');
    if (cross == std::string::npos)
        return flag + ": " + Quoted(value) + " is not a size; write it as WIDTHxHEIGHT, for example 800x600";
    double width = 0;
    double height = 0;
    std::optional<std::string> fault =
        ReadNumber(flag + " width", value.substr(0, cross), true, kMinPictureSide, kMaxPictureSide, width);
    if (!fault)
        fault = ReadNumber(flag + " height", value.substr(cross + 1), true, kMinPictureSide, kMaxPictureSide, height);
    if (fault)
        return fault;
    options.pictureWidth = static_cast<int>(width);
    options.pictureHeight = static_cast<int>(height);
    return std::nullopt;
}

std::optional<std::string> AddPicture(CliOptions& options, OutputKind kind, const std::string& flag,
                                      const std::string& path)
{
    if (path == "-")
        return flag + " writes a file; give it a file name";
    return AddOutput(options, kind, flag, path);
}

std::optional<std::string> ApplyOption(CliOptions& options, Option option, const std::string& flag,
                                       const std::string& value)
{
    switch (option) {
    case Option::Json:
        return AddOutput(options, OutputKind::Json, flag, value);
    case Option::Csv:
        return AddOutput(options, OutputKind::Csv, flag, value);
    case Option::Png:
        return AddPicture(options, OutputKind::Png, flag, value);
    case Option::Svg:
        return AddPicture(options, OutputKind::Svg, flag, value);
    case Option::Pdf:
        return AddPicture(options, OutputKind::Pdf, flag, value);
    case Option::Size:
        return ReadPictureSize(options, flag, value);
    case Option::ErrorPanel:
        if (!ParseErrorPanelMode(value, options.plot.errorPanel))
            return flag + ": " + Quoted(value) + " is not one of signed, log";
        return std::nullopt;
    case Option::Legend:
        options.plot.legend = true;
        return std::nullopt;
    case Option::PreciseCurves:
        options.plot.preciseCurves = true;
        return std::nullopt;
    case Option::Scale:
        return ReadNumber(flag, value, false, kMinPixelRatio, kMaxPixelRatio, options.plot.pixelRatio);
    case Option::Data:
        if (value.empty())
            return flag + " needs a file name";
        if (value.size() >= static_cast<size_t>(spln::kPathSize))
            return flag + ": the path is longer than " + std::to_string(spln::kPathSize - 1) + " characters";
        options.dataPath = value;
        return std::nullopt;
    case Option::Settings:
        if (value.empty() || value == "-")
            return flag + " needs the name of an experiment file";
        options.settingsPath = value;
        return std::nullopt;
    case Option::SaveSettings:
        if (value.empty() || value == "-")
            return flag + " writes a file; give it a file name";
        options.saveSettingsPath = value;
        return std::nullopt;
    case Option::Repeat: {
        double count = 0;
        std::optional<std::string> fault = ReadNumber(flag, value, true, 1, kMaxRepeat, count);
        if (!fault)
            options.repeat = static_cast<int>(count);
        return fault;
    }
    case Option::Timing:
        options.timing = true;
        return std::nullopt;
    case Option::Help:
        options.help = true;
        return std::nullopt;
    case Option::Version:
        options.version = true;
        return std::nullopt;
    case Option::Study:
        // A second --study makes the sweep a grid of both settings.
        if (options.study && options.studyPlan.kind == study::StudyKind::Grid)
            return flag + ": a grid sweeps two settings; give --study at most twice";
        if (options.study && options.studyPlan.kind != study::StudyKind::Sweep)
            return flag + ": only one study at a time (--study once or twice, --study-select or --study-repeat)";
        if (options.study)
            return ReadStudySweep(flag, value, options.studyPlan, true);
        options.study = true;
        return ReadStudySweep(flag, value, options.studyPlan, false);
    case Option::StudySelect:
    case Option::StudyRepeat:
        if (options.study)
            return flag + ": only one study at a time (--study once or twice, --study-select or --study-repeat)";
        options.study = true;
        return option == Option::StudySelect ? ReadStudySelect(flag, value, options.studyPlan)
                                             : ReadStudyRepeat(flag, value, options.studyPlan);
    case Option::Seed:
        options.seedGiven = true;
        return ReadStudySeed(flag, value, options.studyPlan);
    case Option::Compare:
        return AddComparedFile(options, flag, value);
    }
    return flag + ": unknown option";
}

// The flag that asked for the study, as its messages name it.
std::string StudyFlag(const study::StudyPlan& plan)
{
    switch (plan.kind) {
    case study::StudyKind::Select:
        return "--study-select";
    case study::StudyKind::Repeat:
        return "--study-repeat";
    case study::StudyKind::Sweep:
    case study::StudyKind::Grid:
        break;
    }
    return "--study";
}

bool SweepsWindowCheck(SettingId setting)
{
    return setting == kSettingWindow || setting == kSettingFileLength;
}

// A study checks the window of every value it runs instead of the base
// settings' alone; the base value of a swept setting is never run.
std::string CheckStudyOptions(const CliOptions& options, const std::string& windowFault)
{
    const study::StudyPlan& plan = options.studyPlan;
    const std::string flag = StudyFlag(plan);
    if (options.repeat != 1)
        return "--repeat cannot be combined with " + flag;
    if (!options.compared.empty())
        return "--compare cannot be combined with " + flag + "; it draws approximations over one run";
    if (const std::optional<study::PlanProblem> problem = study::CheckPlan(plan, options.settings))
        return flag + ": " + study::DescribeProblem(*problem, plan);
    const CSplnSettings& s = options.settings;
    const bool swept = plan.kind != study::StudyKind::Repeat &&
                       (SweepsWindowCheck(plan.sweep.setting) ||
                        (plan.kind == study::StudyKind::Grid && SweepsWindowCheck(plan.across.setting)));
    if (!WindowCheckPasses(s.m_nSource, s.m_nWindow, s.m_nFileLength) && !swept)
        return windowFault;
    return {};
}

// The message of a failed window check, which runs once the flags have
// overridden the experiment file: the file's line is named when the file's
// own settings fail it, that is when no flag set the window, the sample
// count or the source.
std::string WindowFault(const CliOptions& options, const ExperimentRead& file, const bool (&typed)[kSettingCount])
{
    if (options.settingsPath.empty() || typed[kSettingWindow] || typed[kSettingFileLength] || typed[kSettingSource])
        return kWindowCheckMessage;
    ExperimentRead fault;
    fault.line = file.windowLine;
    fault.message = kWindowCheckMessage;
    return DescribeExperimentFault(options.settingsPath, fault);
}

// A formula refused at the samples of the run: blamed on --formula when it
// was typed, on the experiment file's line when the file gave it.
std::string FormulaFault(const CliOptions& options, const ExperimentRead& file, const bool (&typed)[kSettingCount],
                         const std::string& problem)
{
    if (options.settingsPath.empty() || typed[kSettingFormula])
        return "--formula: " + problem;
    ExperimentRead fault;
    fault.line = file.formulaLine;
    fault.message = problem;
    return DescribeExperimentFault(options.settingsPath, fault);
}

}  // namespace

ParseOutcome ParseArguments(const std::vector<std::string>& args)
{
    ParseOutcome outcome;
    CliOptions& options = outcome.options;
    options.settings = DefaultSettings();
    // Setting flags override the experiment file wherever they stand, so they
    // are applied once the whole command line has been read. Each is given
    // once, as each name is in an experiment file.
    std::vector<std::pair<SettingId, SettingText>> typedSettings;
    bool typed[kSettingCount] = {};
    std::vector<Option> givenOnce;

    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return outcome;
        }
        if (arg == "--version") {
            options.version = true;
            return outcome;
        }
    }

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!IsFlag(arg)) {
            outcome.error = "unexpected argument " + Quoted(arg) + "; every value follows its flag (see --help)";
            return outcome;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const std::string flag = "--" + name;
        const SettingRange* setting = FindSetting(name);
        const OptionFlag* option = setting ? nullptr : FindOption(name);
        if (!setting && !option) {
            outcome.error = "unknown flag " + Quoted(flag) + " (see --help)";
            return outcome;
        }

        const bool takesValue = setting || option->takesValue;
        std::string value;
        // --resample alone asks for it; a value may still say yes or no.
        const bool bareResample = setting && setting->id == kSettingResample && equals == std::string::npos &&
                                  (i + 1 >= args.size() || IsFlag(args[i + 1]));
        if (bareResample) {
            value = "yes";
        } else if (equals != std::string::npos) {
            if (!takesValue) {
                outcome.error = flag + " takes no value";
                return outcome;
            }
            value = arg.substr(equals + 1);
        } else if (takesValue) {
            // A following flag is never taken as a value, so "--json --csv x"
            // reports the missing file name instead of writing a file "--csv".
            if (i + 1 >= args.size() || IsFlag(args[i + 1])) {
                outcome.error = flag + " needs a value";
                return outcome;
            }
            value = args[++i];
        }

        std::optional<std::string> fault;
        if (setting) {
            SettingText parsed;
            if (typed[setting->id])
                fault = flag + " is given twice; a setting takes one value";
            else
                fault = ReadSettingValue(*setting, value, parsed);
            if (!fault)
                typedSettings.emplace_back(setting->id, parsed);
            typed[setting->id] = true;
        } else if (option->once && std::find(givenOnce.begin(), givenOnce.end(), option->option) != givenOnce.end()) {
            fault = flag + " is given twice; " + option->once;
        } else {
            if (option->once)
                givenOnce.push_back(option->option);
            fault = ApplyOption(options, option->option, flag, value);
        }
        if (fault) {
            outcome.error = *fault;
            return outcome;
        }
    }

    ExperimentRead file;
    if (!options.settingsPath.empty()) {
        file = ReadExperimentFile(options.settingsPath, options.settings, WindowCheck::Later);
        if (file.status == ExperimentStatus::Fault) {
            outcome.error = DescribeExperimentFault(options.settingsPath, file);
            return outcome;
        }
        options.settings = file.settings;
        // The file's data file, unless --data names another.
        if (options.dataPath.empty() && !file.dataPath.empty())
            options.dataPath = DataPathFromFile(options.settingsPath, file.dataPath);
    }
    for (const auto& [id, value] : typedSettings)
        ApplySettingText(options.settings, RangeOf(id), value);
    // A formula typed on the command line is the signal unless --source says otherwise.
    if (typed[kSettingFormula] && !typed[kSettingSource])
        options.settings.m_nSource = kSourceFormula;
    const std::string windowFault = WindowFault(options, file, typed);
    if (const std::string problem = FormulaProblem(options.settings); !problem.empty()) {
        outcome.error = FormulaFault(options, file, typed, problem);
        return outcome;
    }

    if (options.study) {
        options.studyPlan.dataPath = options.dataPath;
        outcome.error = CheckStudyOptions(options, windowFault);
        // A study may start from settings the window check refuses; an
        // experiment file of them could not be opened again.
        const CSplnSettings& s = options.settings;
        if (outcome.error.empty() && !options.saveSettingsPath.empty() &&
            !WindowCheckPasses(s.m_nSource, s.m_nWindow, s.m_nFileLength))
            outcome.error = std::string("--save-settings: ") + kWindowCheckMessage;
        return outcome;
    }
    if (options.seedGiven) {
        outcome.error = "--seed starts the noise of a study; give --study, --study-select or --study-repeat";
        return outcome;
    }
    const CSplnSettings& s = options.settings;
    if (!WindowCheckPasses(s.m_nSource, s.m_nWindow, s.m_nFileLength))
        outcome.error = windowFault;
    else
        outcome.error = ReadComparedFiles(options);
    return outcome;
}

}  // namespace spln::cli
