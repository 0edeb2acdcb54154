// The command line program end to end: exit status, messages and files written.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "cli/ArgumentParser.h"
#include "cli/RunLoop.h"
#include "engine/CSplineEngine.h"
#include "engine/Noise.h"
#include "model/SettingsRecord.h"
#include "tests/cli/JsonReader.h"
#include "tests/cli/ProcessRunner.h"

using spln::test::JsonValue;
using spln::test::ProcessResult;
using spln::test::RunProcess;

namespace {

const std::string kProgram = SPLN_CLI_PATH;

ProcessResult Cli(const std::vector<std::string>& args, const std::string& directory = "")
{
    return RunProcess(kProgram, args, directory);
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::uint64_t Bits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// 4501 values of a smooth signal, one a line.
std::string SampleFileText(int count = spln::kFileSamples)
{
    std::string text;
    char line[64];
    for (int i = 0; i < count; ++i) {
        const double x = -1.0 + i * (2.0 / 4500);
        std::snprintf(line, sizeof line, "%.9g\n", 3.0 * std::sin(2.5 * x) + x * x);
        text += line;
    }
    return text;
}

class TempDir {
public:
    TempDir() : m_path(spln::test::MakeTempDirectory()) {}
    ~TempDir() { std::filesystem::remove_all(m_path); }
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

}  // namespace

TEST(CommandLine, BadInputExitsWithTwoAndNamesTheFault)
{
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    const Case cases[] = {
        {{"--bogus"}, "--bogus"},
        {{"stray"}, "stray"},
        {{"--example"}, "--example needs a value"},
        {{"--example", "12abc"}, "--example"},
        {{"--amplitude", "1e400"}, "1e400"},
        {{"--amplitude", "0.5.1"}, "--amplitude"},
        {{"--samples", "501.5"}, "--samples"},
        {{"--example", "12"}, "from 1 to 11"},
        {{"--example", "0"}, "from 1 to 11"},
        {{"--schwarz-type=16"}, "from 1 to 4"},
        {{"--amplitude=0.6"}, "--amplitude: 0.6 is out of range"},
        {{"--method", "spline"}, "--method"},
        {{"--repeat", "0"}, "--repeat"},
    };
    for (const Case& c : cases) {
        const ProcessResult result = Cli(c.args);
        EXPECT_EQ(result.exitCode, 2) << c.says;
        EXPECT_TRUE(Contains(result.err, c.says)) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
}

TEST(CommandLine, WindowCheckFailurePrintsTheDialogsMessageAndDoesNotRun)
{
    const std::string message = std::string(spln::kWindowCheckMessage) + "\n";
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--samples", "100", "--window", "11"}, {"--source", "file", "--window", "451", "--samples", "10000"}}) {
        const ProcessResult result = Cli(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err, message);
        EXPECT_TRUE(result.out.empty());
    }
    EXPECT_EQ(Cli({"--samples", "100", "--window", "10"}).exitCode, 0);
}

TEST(CommandLine, HelpListsEveryFlagWithRangeAndDefault)
{
    const ProcessResult result = Cli({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const spln::SettingRange& range : spln::kSettingRanges)
        EXPECT_TRUE(Contains(result.out, std::string("--") + range.flag + " ")) << range.flag;
    for (const char* flag :
         {"--json", "--csv", "--data", "--settings", "--save-settings", "--repeat", "--timing", "--help", "--version"})
        EXPECT_TRUE(Contains(result.out, flag)) << flag;
    EXPECT_TRUE(Contains(result.out, "1..11"));
    EXPECT_TRUE(Contains(result.out, "0..0.5"));
    EXPECT_TRUE(Contains(result.out, "[default 35]"));  // the engine's least-squares count
    EXPECT_TRUE(Contains(result.out, "[default schwarz]"));
    EXPECT_TRUE(result.err.empty());
}

// An experiment saved by one run replays in another to the same bits; flags
// override single settings of the file wherever they stand; a bad file is bad
// input that names its line.
TEST(CommandLine, ExperimentFilesReplayRunsAndFlagsOverrideThem)
{
    const TempDir dir;
    const auto read = [](const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    ASSERT_EQ(Cli({"--example", "7", "--amplitude", "0.05", "--method", "lsq", "--samples", "3001", "--save-settings",
                   dir / "study.spl", "--json", dir / "first.json"})
                  .exitCode,
              0);
    const std::string study = read(dir / "study.spl");
    EXPECT_EQ(study.rfind("Spln experiment 1\n", 0), 0u) << study;
    EXPECT_TRUE(Contains(study, "\nmethod = lsq\n")) << study;

    ASSERT_EQ(Cli({"--settings", dir / "study.spl", "--json", dir / "again.json"}).exitCode, 0);
    EXPECT_EQ(read(dir / "again.json"), read(dir / "first.json"));

    ASSERT_EQ(Cli({"--window", "3", "--settings", dir / "study.spl", "--save-settings", dir / "wide.spl"}).exitCode, 0);
    std::string expected = study;
    expected.replace(expected.find("window = 1\n"), 11, "window = 3\n");
    EXPECT_EQ(read(dir / "wide.spl"), expected);

    std::ofstream(dir / "bad.spl") << "Spln experiment 1\n# noise\nexample = 12\n";
    const struct {
        std::vector<std::string> args;
        std::string err;
    } bad[] = {
        {{"--settings", dir / "bad.spl"},
         dir / "bad.spl" + ", line 3: example = 12: Please enter an integer between 1 and 11.\n"},
        {{"--settings", dir / "none.spl"},
         dir / "none.spl" + ": the file cannot be opened: No such file or directory.\n"},
        {{"--settings", dir / "study.spl", "--settings", dir / "wide.spl"},
         "--settings is given twice; the settings start from one file\n"},
        {{"--settings", dir / "study.spl", "--samples", "20"},
         "--samples: 20 is out of range; it must be a whole number from 100 to 10000\n"},
    };
    for (const auto& c : bad) {
        const ProcessResult result = Cli(c.args);
        EXPECT_EQ(result.exitCode, 2) << c.err;
        EXPECT_EQ(result.err, c.err);
        EXPECT_TRUE(result.out.empty());
    }
    const ProcessResult folder = Cli({"--save-settings", dir.Path()});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_TRUE(Contains(folder.err, "The experiment file \"" + dir.Path() + "\" could not be written")) << folder.err;
}

TEST(CommandLine, DefaultRunPrintsTheReportLine)
{
    const ProcessResult result = Cli({});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(
        std::regex_match(result.out, std::regex("left board error = [0-9]+\\.[0-9]{6}    internal error = "
                                                "[0-9]+\\.[0-9]{6}    right board error = [0-9]+\\.[0-9]{6}\n")))
        << result.out;
    EXPECT_TRUE(result.err.empty()) << result.err;
}

// What the executable writes is the engine's result to the last bit: the
// same settings run in this process give the same doubles.
TEST(CommandLine, JsonOnStandardOutputCarriesTheEnginesResultsExactly)
{
    const std::vector<std::string> settings = {"--example", "8",           "--method", "lsq",       "--lsq-type",
                                               "2",         "--amplitude", "0.05",     "--samples", "3000",
                                               "--window",  "5",           "--repeat", "2"};
    std::vector<std::string> args = settings;
    args.insert(args.end(), {"--json", "-"});
    const ProcessResult result = Cli(args);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    JsonValue json;
    std::string error;
    ASSERT_TRUE(spln::test::ParseJson(result.out, json, error)) << error;

    const spln::cli::ParseOutcome parsed = spln::cli::ParseArguments(settings);
    ASSERT_TRUE(parsed.Accepted());
    auto engine = std::make_unique<CSplineEngine>();
    spln::ResetNoise();  // the executable starts its sequence afresh
    spln::cli::PrepareEngine(*engine, parsed.options);
    std::vector<double> times;
    ASSERT_TRUE(spln::cli::RunRepeatedly(*engine, 2, times));

    ASSERT_EQ(json["points"].text, "640");
    const struct {
        const char* name;
        const double* values;
    } arrays[] = {
        {"x", engine->m_dX}, {"data", engine->m_dData}, {"exact", engine->m_dExact}, {"approx", engine->m_dApprox}};
    for (const auto& array : arrays) {
        ASSERT_EQ(json[array.name].items.size(), 640u);
        for (std::size_t i = 0; i < 640; ++i)
            ASSERT_EQ(Bits(json[array.name].items[i].Number()), Bits(array.values[i])) << array.name << "[" << i << "]";
    }
    EXPECT_EQ(json["report"].text, engine->m_szReport);
    EXPECT_EQ(json["settings"]["method"].text, "1");
    EXPECT_EQ(json["settings"]["samples"].text, "3000");
}

TEST(CommandLine, WritesCsvAndJsonFilesTogether)
{
    TempDir dir;
    const ProcessResult result = Cli({"--csv", dir / "r.csv", "--json", dir / "r.json", "--example", "6"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.empty()) << "no report line when outputs are requested";
    const std::string csv = spln::test::ReadFile(dir / "r.csv");
    EXPECT_EQ(csv.rfind("x,data,exact,approx,error\n", 0), 0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 641);
    JsonValue json;
    std::string error;
    EXPECT_TRUE(spln::test::ParseJson(spln::test::ReadFile(dir / "r.json"), json, error)) << error;
}

TEST(CommandLine, SampleFileRunsWithEitherBoundaryMode)
{
    TempDir dir;
    spln::test::WriteFile(dir / "sig.dat", SampleFileText());
    for (const char* board : {"given", "estimate"}) {
        const ProcessResult result = Cli({"--source", "file", "--board", board}, dir.Path());
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "sample file approximated at 640 points\n");
    }
    const ProcessResult json = Cli({"--source=file", "--data", dir / "sig.dat", "--json", "-"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    JsonValue value;
    std::string error;
    ASSERT_TRUE(spln::test::ParseJson(json.out, value, error)) << error;
    EXPECT_EQ(value["report"].type, JsonValue::Type::Null);
    EXPECT_EQ(value["exact"].items.at(0).type, JsonValue::Type::Null);
    // The data shown are every seventh sample, divided by the largest magnitude.
    double largest = 0.0;
    for (int i = 0; i < spln::kFileSamples; ++i) {
        const double x = -1.0 + i * (2.0 / 4500);
        largest = std::max(largest, std::fabs(3.0 * std::sin(2.5 * x) + x * x));
    }
    for (int k : {0, 1, 639}) {
        const double x = -1.0 + 7 * k * (2.0 / 4500);
        EXPECT_NEAR(value["data"].items.at(static_cast<std::size_t>(k)).Number(),
                    (3.0 * std::sin(2.5 * x) + x * x) / largest, 1e-6)
            << k;
    }
}

// A data file that cannot be read is bad input, refused before anything is written.
TEST(CommandLine, BadDataFileExitsWithTwoNamingTheFile)
{
    TempDir dir;
    // No sig.dat in the working directory.
    ProcessResult result = Cli({"--source", "file", "--json", dir / "never.json"}, dir.Path());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(Contains(result.err, "sig.dat")) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "never.json")) << "nothing is written after a failed run";

    spln::test::WriteFile(dir / "short.dat", SampleFileText(99));
    result = Cli({"--source", "file", "--data", dir / "short.dat"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(Contains(result.err, "short.dat")) << result.err;
    EXPECT_TRUE(result.out.empty());

    spln::test::WriteFile(dir / "text.dat", "1 2 three 4\n");
    result = Cli({"--source", "file", "--data", dir / "text.dat", "--repeat", "3", "--timing"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(Contains(result.err, "text.dat")) << result.err;
    EXPECT_FALSE(Contains(result.err, "run time")) << "no timing for runs that failed";
}

TEST(CommandLine, OutputNamingAnInputOrAnotherOutputIsRefused)
{
    TempDir dir;
    const std::string data = SampleFileText();
    spln::test::WriteFile(dir / "f.dat", data);
    std::filesystem::create_symlink("f.dat", dir / "link.dat");
    std::filesystem::create_hard_link(dir / "f.dat", dir / "hard.dat");
    std::filesystem::create_directory(dir / "sub");
    std::filesystem::create_symlink("later.json", dir / "dangling.json");
    const std::string experiment = "Spln experiment 1\nexample = 3\n";
    spln::test::WriteFile(dir / "e.spl", experiment);
    struct Case {
        std::vector<std::string> args;
        std::string first, second;  // both named in the message
    };
    const Case cases[] = {
        {{"--data", "f.dat", "--json", "f.dat"}, "--json \"f.dat\"", "--data \"f.dat\""},
        {{"--csv", "./f.dat", "--data", "f.dat"}, "--csv \"./f.dat\"", "--data \"f.dat\""},
        {{"--data", dir / "f.dat", "--json", "sub/../link.dat"}, "--json", "--data"},
        {{"--data", "hard.dat", "--csv", "f.dat"}, "--csv \"f.dat\"", "--data \"hard.dat\""},
        {{"--json", "out.json", "--csv", "sub/../out.json"}, "--csv", "--json \"out.json\""},
        {{"--json", "dangling.json", "--csv", "later.json"}, "--csv", "--json \"dangling.json\""},
        {{"--source", "file", "--csv", "sig.dat"}, "--csv", "the default sample file"},
        {{"--settings", "e.spl", "--save-settings", "./e.spl"}, "--save-settings", "--settings \"e.spl\""},
        {{"--save-settings", "out.json", "--json", "out.json"}, "--json", "--save-settings"},
    };
    for (const Case& c : cases) {
        const ProcessResult result = Cli(c.args, dir.Path());
        EXPECT_EQ(result.exitCode, 2) << c.first;
        EXPECT_TRUE(Contains(result.err, c.first) && Contains(result.err, c.second)) << result.err;
        EXPECT_EQ(spln::test::ReadFile(dir / "f.dat"), data) << c.first;
        EXPECT_EQ(spln::test::ReadFile(dir / "e.spl"), experiment) << c.first;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.json") || std::filesystem::exists(dir / "later.json"));
    }
    EXPECT_EQ(Cli({"--data", "f.dat", "--json", "g.json", "--csv", "-"}, dir.Path()).exitCode, 0);
}

TEST(CommandLine, SampleFileThatNeverEndsIsRefused)
{
    const ProcessResult result = Cli({"--source", "file", "--data", "/dev/zero"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(Contains(result.err, "/dev/zero")) << result.err;
}

TEST(CommandLine, OutputThatCannotBeWrittenExitsWithOneNamingTheFile)
{
    const std::string path = "/nonexistent-directory/out.json";
    const ProcessResult result = Cli({"--json", path});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(Contains(result.err, path)) << result.err;
}

// A failed output leaves an earlier file as it was and no partial file; the
// other outputs are not written either.
TEST(CommandLine, OutputsThatCannotBeWrittenLeaveEarlierFilesUntouched)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "taken.json");
    spln::test::WriteFile(dir / "good.csv", "earlier");
    const std::pair<std::string, std::string> targets[] = {{dir / "taken.json", "it is a folder"},
                                                           {"/proc/spln-cli-test.csv", ""}};
    for (const auto& [path, reason] : targets) {
        const ProcessResult result = Cli({"--json", path, "--csv", dir / "good.csv"});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(Contains(result.err, "\"" + path + "\" could not be written: " + reason)) << result.err;
        EXPECT_EQ(spln::test::ReadFile(dir / "good.csv"), "earlier");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir / "taken.json"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2) << "no temporary file is left";
}

TEST(CommandLine, TimingLineOnStandardError)
{
    const ProcessResult result = Cli({"--repeat", "4", "--timing", "--samples", "1000"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::regex_match(
        result.err, std::regex("run time: median [0-9]+\\.[0-9]{3} ms, min [0-9]+\\.[0-9]{3} ms over 4 runs\n"
                               "vector path: (scalar|AVX2\\+FMA|AVX-512)\n")))
        << result.err;
    EXPECT_TRUE(Contains(result.out, "left board error = "));
}

#ifdef SPLN_CLI_PICTURES
TEST(CommandLine, WritesEachPictureFormatWithoutADisplay)
{
    TempDir dir;
    const ProcessResult result = Cli({"--example", "7", "--amplitude", "0.05", "--png", dir / "f.png", "--svg",
                                      dir / "f.svg", "--pdf", dir / "f.pdf", "--size", "400x300"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(spln::test::ReadFile(dir / "f.png").substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    const std::string svg = spln::test::ReadFile(dir / "f.svg");
    EXPECT_TRUE(Contains(svg, "<svg")) << svg.substr(0, 200);
    EXPECT_TRUE(Contains(svg, "Footstep"));
    EXPECT_EQ(spln::test::ReadFile(dir / "f.pdf").substr(0, 5), "%PDF-");
}

TEST(CommandLine, PictureOfARunThatCannotContinueIsNotWritten)
{
    TempDir dir;
    const ProcessResult result = Cli({"--source", "file", "--png", dir / "f.png"}, dir.Path());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(Contains(result.err, "sig.dat")) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "f.png"));
}
#endif

// The command line treats its arguments alike wherever they come from and
// never waits on what it was not handed: each case a shell line, its exit
// status and all it says on standard error.
TEST(CommandLine, ArgumentsAndInputsAreHandledConsistently)
{
    struct Case {
        const char* what;
        std::string script;  // $CLI is spln-cli
        int status;
        std::string err;
    };
    const std::string stdinOnly = "a pipe or a terminal is read only as standard input (/dev/stdin).\n";
    const std::string window = std::string(spln::kWindowCheckMessage) + "\n";
    const std::string wide = "printf 'Spln experiment 1\\nsamples = 100\\nwindow = 11\\n' > w.spl; ";
    const Case cases[] = {
        {"a setting given twice", "$CLI --example 3 --example 4", 2,
         "--example is given twice; a setting takes one value\n"},
        {"a sample file given twice", "$CLI --data a.dat --data b.dat", 2,
         "--data is given twice; a run reads one sample file\n"},
        {"a flag that makes the file's settings pass", wide + "$CLI --settings w.spl --window 5", 0, ""},
        {"a flag that makes them fail",
         "$CLI --settings /dev/stdin --window 11 <<E\nSpln experiment 1\nsamples = 100\nE", 2, window},
        {"a file whose settings fail on their own", wide + "$CLI --settings w.spl --example 3", 2,
         "w.spl, line 3: " + window},
        {"a study that sweeps the window the file had",
         wide + "$CLI --settings w.spl --study window=1:10 --csv /dev/null", 0, ""},
        {"control characters are shown escaped", "$CLI --example \"$(printf '3\\033]0;x\\007')\"", 2,
         "--example: \"3\\x1B]0;x\\x07\" is neither a number from 1 to 11 nor the name of a built-in function (see "
         "--help)\n"},
        {"help that cannot be written", "$CLI --help > /dev/full", 1,
         "The help could not be written to standard output.\n"},
        {"an experiment file that is a pipe", "mkfifo p; timeout 20 $CLI --settings p", 2,
         "p: this is a pipe, not a regular file; " + stdinOnly},
        {"a pipe that is not standard input", "echo x | $CLI --settings /dev/fd/3 3<&0 </dev/null", 2,
         "/dev/fd/3: this is a pipe, not a regular file; " + stdinOnly},
        {"a device", "$CLI --source file --data /dev/zero", 2,
         "The sample file \"/dev/zero\" is a device, not a regular file; " + stdinOnly},
        {"a sample file that is a pipe", "mkfifo p; timeout 20 $CLI --source file --data p", 2,
         "The sample file \"p\" is a pipe, not a regular file; " + stdinOnly},
        {"an experiment on standard input", "printf 'Spln experiment 1\\nexample = 3\\n' | $CLI --settings /dev/stdin",
         0, ""},
        {"a sample file on standard input", "printf '1 2\\n' | $CLI --source file --data /dev/stdin", 2,
         "/dev/stdin:2:1: expected from 100 to 10000 rows, found 1.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempDir dir;
        const ProcessResult result = spln::test::RunShell(c.script, dir.Path(), kProgram);
        EXPECT_EQ(result.exitCode, c.status);
        EXPECT_EQ(result.err, c.err);
    }
}
