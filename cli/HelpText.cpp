// The --help text, its settings rows taken from the settings record.

#include "cli/HelpText.h"

#include <cstdio>

#include "cli/CliOptions.h"
#include "model/DocFunctions.h"
#include "model/KeptApproximations.h"
#include "model/SettingText.h"
#include "model/SettingsRecord.h"
#include "study/Convergence.h"
#include "text/NumberFormat.h"

namespace spln::cli {
namespace {

std::string ValueForm(const SettingRange& range)
{
    switch (range.kind) {
    case SettingKind::Choice: {
        std::string numbers = "0";
        for (int number = 1; number <= range.MaxInt(); ++number) {
            numbers += '|';
            numbers += std::to_string(number);
        }
        return ChoiceNames(range, "|") + " (or " + numbers + ")";
    }
    case SettingKind::Text:
        return "TEXT of at most " + FormatNumber(range.max) + " characters";
    case SettingKind::Integer:
        return "N in " + FormatNumber(range.min) + ".." + FormatNumber(range.max);
    case SettingKind::Real:
        return "X in " + FormatNumber(range.min) + ".." + FormatNumber(range.max);
    }
    return {};
}

std::string DefaultText(const SettingRange& range, const CSplnSettings& defaults)
{
    if (range.kind == SettingKind::Text) {
        const std::string_view text = GetSettingText(defaults, range.id);
        return text.empty() ? "none" : std::string(text);
    }
    const double value = GetSetting(defaults, range.id);
    if (range.kind == SettingKind::Choice)
        return range.ChoiceName(static_cast<int>(value));
    return FormatNumber(value);
}

// A flag with its values on one line, what it does indented below it.
void AppendRow(std::string& text, const std::string& flag, const std::string& meaning)
{
    if (!flag.empty())
        text += "  " + flag + "\n";
    text += "      " + meaning + "\n";
}

// A constant of the study rules as people write it: "1e-13", "0.25".
std::string Short(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

std::string HelpText()
{
    const CSplnSettings defaults = DefaultSettings();
    std::string text =
        "Usage: spln-cli [flags]\n"
        "Approximates a built-in function, a typed formula or the sample file on [-1, 1]\n"
        "by basic splines and writes the results. Flags take \"--flag value\" or \"--flag=value\".\n"
        "\nSettings (a setting left out keeps its default):\n";
    for (const SettingRange& range : kSettingRanges) {
        AppendRow(text, std::string("--") + range.flag + " " + ValueForm(range),
                  std::string(range.help) + " [default " + DefaultText(range, defaults) + "]");
    }
    text +=
        "  The window must be at most a tenth of the samples: of --samples for a\n"
        "  built-in function or a formula, of the data file's samples otherwise.\n"
        "\nBuilt-in functions (--example N or NAME):\n";
    for (int index = 0; index < doc::kFunctionCount; ++index) {
        char row[160];
        std::snprintf(row, sizeof row, "  %2d %-14s %s\n", index + 1, doc::ShortName(index), doc::Caption(index));
        text += row;
    }
    text += "\nOutputs (without any of them the report line goes to standard output):\n";
    AppendRow(text, "--json FILE|-", "the settings, the point count, x, data, exact, approx,");
    AppendRow(text, "", "error (approx - exact, for a built-in function or a formula)");
    AppendRow(text, "", "and the report as one JSON object (- is standard output)");
    AppendRow(text, "--csv FILE|-", "columns x,data,exact,approx, and error where exact exists");
    AppendRow(text, "--png FILE, --svg FILE, --pdf FILE", "the picture the desktop view shows for these settings");
    AppendRow(text, "--size WxH in " + std::to_string(kMinPictureSide) + ".." + std::to_string(kMaxPictureSide),
              "size in pixels of the window the picture shows [default 800x600]");
    AppendRow(text, "--error-panel signed|log", "a panel under each picture's plot: approximation minus");
    AppendRow(text, "", "exact function (minus data for the sample file), or log10");
    AppendRow(text, "", "of its magnitude [default none]");
    AppendRow(text, "--legend", "a legend of the curves and a subtitle naming the method");
    AppendRow(text, "", "and its settings in each picture");
    AppendRow(text, "--scale F in 0.5..4", "PNG pixels for each pixel of --size, for high-density");
    AppendRow(text, "", "screens [default 1]");
    AppendRow(text, "--precise-curves", "curves in coordinates not rounded to whole hundredths of");
    AppendRow(text, "", "an inch, for SVG and PDF files that are zoomed into");
    text +=
        "  All outputs are written, or none: one that fails leaves every earlier file as\n"
        "  it was. A descriptor (/dev/stdout, /dev/fd/N) is written where it stands.\n"
        "\nExperiment files (the format the desktop program saves and opens):\n";
    AppendRow(text, "--settings FILE", "start from the settings in FILE; setting flags override single ones");
    AppendRow(text, "--save-settings FILE", "write the settings of this run to FILE as an experiment file");
    AppendRow(text, "--compare FILE", "also run the settings of FILE (not its [kept] sections; setting");
    AppendRow(text, "", "flags are this run's alone, --data serves both) and draw its");
    AppendRow(text, "", "approximation over this run's pictures, named in the legend by what");
    AppendRow(text, "", "differs from this run (\"lsq 51\", \"window 8\") or, where that tells");
    AppendRow(text, "", "nothing new, by the file's name; --json adds a \"compare\" list of each");
    AppendRow(text, "", "file's settings, approx and three errors, --csv a column approx_2,");
    AppendRow(text, "", "approx_3, ... for each. Up to " + std::to_string(kMaxKept) + " files, each run as a");
    AppendRow(text, "", "single run of it would be, with the same noise");
    text += "\nRunning:\n";
    AppendRow(text, "--data PATH", "the data file of --source file [default sig.dat in the current directory]");
    text +=
        "  A data file holds one column of 100 to 10000 numbers, evenly spaced on [-1, 1]\n"
        "  (the sample file's 4501 numbers may stand in any arrangement), or two columns\n"
        "  x, y separated by commas, tabs or blanks, with an optional header line and\n"
        "  # comments; x increases strictly and evenly (each within 1 % of a step of its\n"
        "  even place) and is mapped onto [-1, 1]; the outputs show x in the file's units\n"
        "  and the JSON's data-file entry gives the interval and the scale the numbers\n"
        "  were divided by. Uneven x is refused with its row unless --resample is given.\n"
        "  A malformed file is refused (status 2) naming FILE:LINE:COLUMN; a UTF-8\n"
        "  byte-order mark and CRLF line ends are read as spreadsheets write them.\n"
        "  --settings and --data read a pipe or a terminal only as standard input (/dev/stdin).\n";
    AppendRow(text, "--repeat N in 1.." + std::to_string(kMaxRepeat),
              "run N times as N repaints would; outputs from the last run [default 1]");
    AppendRow(text, "--timing", "print the median and least run time and the vector path to standard error");
    AppendRow(text, "--help", "print this list and exit");
    AppendRow(text, "--version", "print the program name and version and exit");
    text +=
        "\nStudies (the outputs above then carry the study: its rows, what they say and its\n"
        "plot; without any, a table goes to standard output):\n";
    AppendRow(text, "--study NAME=FROM:TO[:STEP]",
              "run once for each value FROM, FROM+STEP, ... up to TO [STEP 1] of NAME,");
    AppendRow(text, "", "one of schwarz-count, lsq-count, window, samples, and judge the order p");
    AppendRow(text, "", "of interior error = C n^-p (see Judging a sweep below)");
    AppendRow(text, "--study NAME=FROM:TO:logN", "the same for N values from FROM to TO spaced evenly on a log scale");
    AppendRow(text, "--study A=... --study B=...",
              "a grid: every pair of values of two settings, B varied fastest; the least");
    AppendRow(text, "", "interior error is marked");
    AppendRow(text, "--study-select NAME=FROM:TO[:STEP|:logN]",
              "choose NAME (schwarz-count, lsq-count or window) from the data alone: for");
    AppendRow(text, "", "each value the generalized cross-validation score N RSS / (N - df)^2 of");
    AppendRow(text, "", "the fit at the N samples, df the trace of the fit's linear map; the least");
    AppendRow(text, "", "score is chosen. Works on the sample file; for a built-in function the");
    AppendRow(text, "", "interior error stands beside it. Every value fits the same noise");
    AppendRow(text,
              "--study-repeat K in " + std::to_string(study::kMinRepeat) + ".." + std::to_string(study::kMaxRepeat),
              "run the settings K times with new noise (amplitude above 0); mean,");
    AppendRow(text, "", "deviation, min, max and a histogram of each error");
    AppendRow(text, "--seed S", "start of the study's own noise sequence [default 1]");
    AppendRow(text, "--timing", "with a study: each row's time in milliseconds in the table and files");
    AppendRow(text, "", "(without it the same study and seed give the same bytes)");
    text += "\nJudging a sweep (errors at or below " + Short(study::kFitErrorFloor) + " are rounding and left out):\n";
    AppendRow(text, "local order", "-log(e_k / e_k-1) / log(n_k / n_k-1) between each row and the one before");
    AppendRow(text, "plateau",
              "the longest tail of at least " + std::to_string(study::kMinPlateauRows) + " rows, spanning a factor " +
                  Short(study::kPlateauSpan) + " of the value,");
    AppendRow(
        text, "",
        "whose errors lie within a factor " + Short(study::kPlateauBand) + " of their median (its level) and whose");
    AppendRow(text, "",
              "fitted order lies within " + Short(study::kPlateauOrder) + " of 0; it begins at the tail's first value");
    AppendRow(text, "asymptotic range", "the rows up to the last (or, with a plateau, the last whose error is at");
    AppendRow(
        text, "",
        "least " + Short(study::kPlateauClearance) + " times its level), back as long as each local order lies within");
    AppendRow(text, "",
              Short(study::kOrderBand * 100) + " % (at least " + Short(study::kMinOrderBand) +
                  ") of the median of those after it;");
    AppendRow(text, "", "every row up to there when fewer than " + std::to_string(study::kMinFitPoints) + " qualify");
    AppendRow(text, "order p", "least squares on log-log axes over that range, with R^2 and a 95 %");
    AppendRow(text, "", "interval;");
    AppendRow(text, "",
              "\"no clear order\" with fewer than " + std::to_string(study::kMinFitPoints) +
                  " rows or an interval wider than " + Short(study::kMaxOrderWidth));
    text += "\nExit status: 0 done, 1 a run or an output failed, 2 bad input.\n";
    return text;
}

}  // namespace spln::cli
