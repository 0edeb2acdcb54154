// The --help text, its settings rows taken from the settings record.

#include "cli/HelpText.h"

#include "cli/CliOptions.h"
#include "model/SettingsRecord.h"
#include "text/NumberFormat.h"

namespace spln::cli {
namespace {

std::string ValueForm(const SettingRange& range)
{
    switch (range.kind) {
    case SettingKind::Choice:
        return std::string(range.choice0) + "|" + range.choice1 + " (or 0|1)";
    case SettingKind::Integer:
        return "N in " + FormatNumber(range.min) + ".." + FormatNumber(range.max);
    case SettingKind::Real:
        return "X in " + FormatNumber(range.min) + ".." + FormatNumber(range.max);
    }
    return {};
}

std::string DefaultText(const SettingRange& range, double value)
{
    if (range.kind == SettingKind::Choice)
        return value == 0 ? range.choice0 : range.choice1;
    return FormatNumber(value);
}

// A flag with its values on one line, what it does indented below it.
void AppendRow(std::string& text, const std::string& flag, const std::string& meaning)
{
    if (!flag.empty())
        text += "  " + flag + "\n";
    text += "      " + meaning + "\n";
}

}  // namespace

std::string HelpText()
{
    const CSplnSettings defaults = DefaultSettings();
    std::string text =
        "Usage: spln-cli [flags]\n"
        "Approximates a built-in function or the sample file on [-1, 1] by basic splines\n"
        "and writes the results. Flags take \"--flag value\" or \"--flag=value\".\n"
        "\nSettings (a setting left out keeps its default):\n";
    for (const SettingRange& range : kSettingRanges) {
        AppendRow(text, std::string("--") + range.flag + " " + ValueForm(range),
                  std::string(range.help) + " [default " + DefaultText(range, GetSetting(defaults, range.id)) + "]");
    }
    text +=
        "  The window must be at most a tenth of the samples: of --samples for the\n"
        "  built-in function, of the 4501 values of the sample file otherwise.\n"
        "\nOutputs (without any of them the report line goes to standard output):\n";
    AppendRow(text, "--json FILE|-", "the settings, the point count, x, data, exact, approx and");
    AppendRow(text, "", "the report as one JSON object (- is standard output)");
    AppendRow(text, "--csv FILE|-", "columns x,data,exact,approx, one row a point");
    AppendRow(text, "--png FILE, --svg FILE, --pdf FILE", "the picture the desktop view shows for these settings");
    AppendRow(text, "--size WxH in " + std::to_string(kMinPictureSide) + ".." + std::to_string(kMaxPictureSide),
              "size in pixels of the window the picture shows [default 800x600]");
    text += "\nExperiment files (the format the desktop program saves and opens):\n";
    AppendRow(text, "--settings FILE", "start from the settings in FILE; setting flags override single ones");
    AppendRow(text, "--save-settings FILE", "write the settings of this run to FILE as an experiment file");
    text += "\nRunning:\n";
    AppendRow(text, "--data PATH", "the sample file [default sig.dat in the current directory]");
    AppendRow(text, "--repeat N in 1.." + std::to_string(kMaxRepeat),
              "run N times as N repaints would; outputs from the last run [default 1]");
    AppendRow(text, "--timing", "print the median and least run time and the vector path to standard error");
    AppendRow(text, "--help", "print this list and exit");
    AppendRow(text, "--version", "print the program name and version and exit");
    text +=
        "\nStudies (the outputs above then carry the study: its rows, the fitted order or\n"
        "the spread, and its log-log plot; without any, a table goes to standard output):\n";
    AppendRow(text, "--study NAME=FROM:TO[:STEP]",
              "run once for each value FROM, FROM+STEP, ... up to TO [STEP 1] of NAME,");
    AppendRow(text, "", "one of schwarz-count, lsq-count, window, samples, and fit the order p of");
    AppendRow(text, "", "interior error = C n^-p over the errors above 1e-13");
    AppendRow(text, "--study NAME=FROM:TO:logN", "the same for N values from FROM to TO spaced evenly on a log scale");
    AppendRow(text,
              "--study-repeat K in " + std::to_string(study::kMinRepeat) + ".." + std::to_string(study::kMaxRepeat),
              "run the settings K times with new noise (amplitude above 0); mean,");
    AppendRow(text, "", "deviation, min and max of each error");
    AppendRow(text, "--seed S", "start of the study's own noise sequence [default 1]");
    text += "\nExit status: 0 done, 1 a run or an output failed, 2 bad input.\n";
    return text;
}

}  // namespace spln::cli
