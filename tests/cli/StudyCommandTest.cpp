// spln-cli's studies: bad arguments, the JSON, repeats by seed, pictures, help.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/SettingsRecord.h"
#include "study/StudyRunner.h"
#include "tests/cli/JsonReader.h"
#include "tests/cli/ProcessRunner.h"

using spln::test::JsonValue;
using spln::test::ProcessResult;

namespace {

ProcessResult Cli(const std::vector<std::string>& args)
{
    return spln::test::RunProcess(SPLN_CLI_PATH, args);
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

JsonValue ParsedJson(const ProcessResult& result)
{
    JsonValue json;
    std::string error;
    EXPECT_TRUE(spln::test::ParseJson(result.out, json, error)) << error << "\n" << result.out;
    return json;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

TEST(StudyCommand, BadStudyArgumentsExitWithTwoAndNameTheFault)
{
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    const Case cases[] = {
        {{"--study", "schwarz-count"}, "NAME=FROM:TO"},
        {{"--study", "bogus=1:5"}, "\"bogus\" is not a setting"},
        {{"--study", "example=1:5"}, "example cannot be swept"},
        {{"--study", "schwarz-count=15"}, "NAME=FROM:TO"},
        {{"--study", "schwarz-count=15:51:2:4"}, "NAME=FROM:TO"},
        {{"--study", "schwarz-count=15:x"}, "TO \"x\""},
        {{"--study", "schwarz-count=15:51:logx"}, "after log"},
        {{"--study", "schwarz-count=15:502"}, "502 is out of range; it must be a whole number from 15 to 501"},
        {{"--study", "schwarz-count=51:15"}, "below the last"},
        {{"--study", "schwarz-count=15:51:0"}, "step"},
        {{"--study", "schwarz-count=15:51:log1"}, "log-spaced"},
        {{"--study", "lsq-count=5:51"}, "method not chosen"},
        {{"--study", "samples=100:1000:100", "--window", "20"}, "samples = 100: Window Averaging"},
        {{"--study", "window=1:20", "--source", "file"}, "sample file"},
        {{"--study", "window=1:20", "--repeat", "2"}, "--repeat cannot be combined"},
        {{"--study", "window=1:20", "--study-repeat", "5"}, "only one study"},
        {{"--study-select", "window=1:20", "--study", "window=1:20"}, "only one study"},
        {{"--study", "window=1:9", "--study", "schwarz-count=15:51", "--study", "samples=100:200"}, "at most twice"},
        {{"--study", "window=1:9", "--study", "window=1:5"}, "two different settings"},
        {{"--study", "samples=100:10000", "--study", "window=1:100"}, "at most 250000"},
        {{"--study", "schwarz-count=15:51", "--study", "lsq-count=5:9"}, "method not chosen"},
        {{"--study-select", "samples=100:1000"}, "cannot be chosen from the data"},
        {{"--study-select", "window=1:500", "--source", "file"}, "window = 451"},
        {{"--study-repeat", "5"}, "needs noise"},
        {{"--study-repeat", "1", "--amplitude", "0.1"}, "from 2 to 10000"},
        {{"--study-repeat", "10001", "--amplitude", "0.1"}, "from 2 to 10000"},
        {{"--study-repeat", "5", "--amplitude", "0.1", "--seed", "-1"}, "--seed"},
        {{"--seed", "4"}, "--seed starts the noise of a study"},
    };
    for (const Case& c : cases) {
        const ProcessResult result = Cli(c.args);
        EXPECT_EQ(result.exitCode, 2) << c.args[1];
        EXPECT_TRUE(Contains(result.err, c.says)) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
}

TEST(StudyCommand, SweepJsonCarriesSettingsRowsAndOrder)
{
    const ProcessResult result = Cli({"--study", "schwarz-count=15:201:log6", "--example", "3", "--json", "-"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const JsonValue json = ParsedJson(result);
    EXPECT_EQ(json["study"].text, "sweep");
    EXPECT_EQ(json["setting"].text, "schwarz-count");
    EXPECT_EQ(json["settings"]["example"].Number(), 3);
    const JsonValue& order = json["order"];
    EXPECT_GT(order["p"].Number(), 1.0);
    EXPECT_LT(order["low"].Number(), order["p"].Number());
    EXPECT_GT(order["high"].Number(), order["p"].Number());
    EXPECT_GT(order["r2"].Number(), 0.99);
    EXPECT_GT(order["C"].Number(), 0.0);
    EXPECT_GE(order["first"].Number(), 15);
    EXPECT_EQ(order["last"].Number(), 201);
    EXPECT_GE(order["points"].Number(), 4);
    EXPECT_EQ(json["plateau"].type, JsonValue::Type::Null);

    // The rows are the errors of runs made here, to the last bit.
    CSplnSettings base = spln::DefaultSettings();
    base.m_nExample = 3;
    spln::study::StudyPlan plan;
    plan.sweep = {spln::kSettingSchwarzCount, 15, 201, spln::study::Spacing::Log, 1, 6};
    const spln::study::StudyResult here = spln::study::RunStudy(plan, base);
    const std::vector<JsonValue>& rows = json["rows"].items;
    ASSERT_EQ(rows.size(), here.rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i]["schwarz-count"].Number(), here.rows[i].value);
        EXPECT_TRUE(SameBits(rows[i]["interior_error"].Number(), here.rows[i].interiorError)) << i;
        EXPECT_TRUE(SameBits(rows[i]["left_error"].Number(), here.rows[i].leftError)) << i;
        EXPECT_EQ(rows[i].members.count("milliseconds"), 0u) << i;
    }
    EXPECT_EQ(rows[0]["local_order"].type, JsonValue::Type::Null);
    EXPECT_GT(rows[1]["local_order"].Number(), 1.0);
}

TEST(StudyCommand, GridAndSelectionJson)
{
    const ProcessResult grid = Cli({"--study", "schwarz-count=15:51:18", "--study", "window=1:3", "--json", "-"});
    ASSERT_EQ(grid.exitCode, 0) << grid.err;
    const JsonValue gridJson = ParsedJson(grid);
    EXPECT_EQ(gridJson["study"].text, "grid");
    EXPECT_EQ(gridJson["second_setting"].text, "window");
    ASSERT_EQ(gridJson["rows"].items.size(), 9u);
    EXPECT_EQ(gridJson["rows"].items[1]["schwarz-count"].Number(), 15);
    EXPECT_EQ(gridJson["rows"].items[1]["window"].Number(), 2);
    EXPECT_EQ(gridJson["best"]["schwarz-count"].Number(), 51);

    // On the sample file there is no exact function: the criterion alone.
    const std::string folder = spln::test::MakeTempDirectory();
    std::string numbers;
    for (int i = 0; i < 4501; ++i)
        numbers += std::to_string(std::sin(i / 300.0) + 0.01 * ((i * 7919) % 13 - 6)) + "\n";
    spln::test::WriteFile(folder + "/sig.dat", numbers);
    const ProcessResult selection = Cli({"--source", "file", "--data", folder + "/sig.dat", "--study-select",
                                         "schwarz-count=15:101:log5", "--json", "-"});
    ASSERT_EQ(selection.exitCode, 0) << selection.err;
    const JsonValue selectionJson = ParsedJson(selection);
    EXPECT_EQ(selectionJson["study"].text, "select");
    ASSERT_EQ(selectionJson["rows"].items.size(), 5u);
    EXPECT_GT(selectionJson["rows"].items[0]["gcv"].Number(), 0.0);
    EXPECT_GT(selectionJson["rows"].items[0]["degrees_of_freedom"].Number(), 1.0);
    EXPECT_EQ(selectionJson["rows"].items[0].members.count("interior_error"), 0u);
    EXPECT_GE(selectionJson["chosen"]["schwarz-count"].Number(), 15);
    EXPECT_EQ(selectionJson.members.count("best"), 0u);
    std::filesystem::remove_all(folder);
}

TEST(StudyCommand, SeededStudiesRepeatToTheByteAndTimeOnlyWhenAsked)
{
    const std::vector<std::string> args = {"--study-repeat", "6", "--amplitude", "0.2", "--seed", "9", "--csv", "-"};
    const ProcessResult first = Cli(args);
    const ProcessResult second = Cli(args);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, second.out);
    EXPECT_TRUE(Contains(first.out, "run,left_error,interior_error,right_error\n1,"));
    const ProcessResult otherSeed = Cli({"--study-repeat", "6", "--amplitude", "0.2", "--seed", "10", "--csv", "-"});
    EXPECT_NE(first.out, otherSeed.out);

    std::vector<std::string> timed = args;
    timed.push_back("--timing");
    const ProcessResult timing = Cli(timed);
    ASSERT_EQ(timing.exitCode, 0) << timing.err;
    EXPECT_TRUE(Contains(timing.out, "run,left_error,interior_error,right_error,milliseconds\n1,"));
    const std::string firstRow = timing.out.substr(timing.out.find("\n1,") + 1);
    const std::string time = firstRow.substr(firstRow.rfind(',', firstRow.find('\n')) + 1,
                                             firstRow.find('\n') - firstRow.rfind(',', firstRow.find('\n')) - 1);
    EXPECT_EQ(time.size() - time.find('.'), 4u) << time;  // three decimals
}

#ifdef SPLN_CLI_PICTURES
TEST(StudyCommand, PicturesOfTheStudyAreWritten)
{
    const std::string folder = spln::test::MakeTempDirectory();
    const ProcessResult result = Cli({"--study", "window=1:9:2", "--png", folder + "/s.png", "--svg", folder + "/s.svg",
                                      "--pdf", folder + "/s.pdf", "--size", "400x300"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(spln::test::ReadFile(folder + "/s.png").substr(1, 3), "PNG");
    EXPECT_TRUE(
        Contains(spln::test::ReadFile(folder + "/s.svg"), "<title>Study of the window of averaging, 5 runs</title>"));
    EXPECT_EQ(spln::test::ReadFile(folder + "/s.pdf").substr(0, 5), "%PDF-");
    EXPECT_TRUE(result.err.empty()) << result.err;

    // The same seeded study draws the same picture, whatever the threads did.
    for (const char* kind : {"--png", "--svg"}) {
        const std::string a = folder + "/a", b = folder + "/b";
        for (const std::string& path : {a, b}) {
            const ProcessResult again = Cli({"--study-repeat", "40", "--amplitude", "0.1", "--seed", "3", kind, path});
            ASSERT_EQ(again.exitCode, 0) << again.err;
        }
        EXPECT_EQ(spln::test::ReadFile(a), spln::test::ReadFile(b)) << kind;
    }
    std::filesystem::remove_all(folder);
}
#endif

TEST(StudyCommand, HelpListsTheStudyFlags)
{
    const ProcessResult result = Cli({"--help"});
    for (const char* flag : {"--study NAME=FROM:TO[:STEP]", "--study NAME=FROM:TO:logN", "--study A=... --study B=...",
                             "--study-select NAME=FROM:TO[:STEP|:logN]", "--study-repeat K", "--seed S",
                             "asymptotic range", "plateau", "no clear order"})
        EXPECT_TRUE(Contains(result.out, flag)) << flag;
}
