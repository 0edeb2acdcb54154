// spln-cli's studies: bad arguments, the JSON, repeats by seed, pictures, help.

#include <gtest/gtest.h>

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
    EXPECT_GT(json["order"]["p"].Number(), 1.0);

    // The rows are the errors of runs made here, to the last bit.
    CSplnSettings base = spln::DefaultSettings();
    base.m_nExample = 3;
    spln::study::StudyPlan plan;
    plan.from = 15;
    plan.to = 201;
    plan.spacing = spln::study::Spacing::Log;
    plan.logCount = 6;
    const spln::study::StudyResult here = spln::study::RunStudy(plan, base);
    const std::vector<JsonValue>& rows = json["rows"].items;
    ASSERT_EQ(rows.size(), here.rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i]["schwarz-count"].Number(), here.rows[i].value);
        EXPECT_TRUE(SameBits(rows[i]["interior_error"].Number(), here.rows[i].interiorError)) << i;
        EXPECT_TRUE(SameBits(rows[i]["left_error"].Number(), here.rows[i].leftError)) << i;
    }
}

TEST(StudyCommand, RepeatWithTheSameSeedGivesTheSameErrors)
{
    const std::vector<std::string> args = {"--study-repeat", "6", "--amplitude", "0.2", "--seed", "9", "--csv", "-"};
    const ProcessResult first = Cli(args);
    const ProcessResult second = Cli(args);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    // The last column is the run time; everything before it repeats exactly.
    const auto errorsOnly = [](const std::string& csv) {
        std::string kept;
        size_t start = 0;
        while (start < csv.size()) {
            const size_t end = csv.find('\n', start);
            const std::string line = csv.substr(start, end - start);
            kept += line.substr(0, line.rfind(',')) + "\n";
            start = end + 1;
        }
        return kept;
    };
    EXPECT_EQ(errorsOnly(first.out), errorsOnly(second.out));
    EXPECT_TRUE(Contains(first.out, "run,left_error,interior_error,right_error,milliseconds\n1,"));
    const ProcessResult otherSeed = Cli({"--study-repeat", "6", "--amplitude", "0.2", "--seed", "10", "--csv", "-"});
    EXPECT_NE(errorsOnly(first.out), errorsOnly(otherSeed.out));
}

#ifdef SPLN_CLI_PICTURES
TEST(StudyCommand, PicturesOfTheStudyAreWritten)
{
    const std::string folder = spln::test::MakeTempDirectory();
    const ProcessResult result = Cli({"--study", "window=1:9:2", "--png", folder + "/s.png", "--svg", folder + "/s.svg",
                                      "--pdf", folder + "/s.pdf", "--size", "400x300"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(spln::test::ReadFile(folder + "/s.png").substr(1, 3), "PNG");
    EXPECT_TRUE(Contains(spln::test::ReadFile(folder + "/s.svg"), "<title>Study of window</title>"));
    EXPECT_EQ(spln::test::ReadFile(folder + "/s.pdf").substr(0, 5), "%PDF-");
    EXPECT_TRUE(result.err.empty()) << result.err;
    std::filesystem::remove_all(folder);
}
#endif

TEST(StudyCommand, HelpListsTheStudyFlags)
{
    const ProcessResult result = Cli({"--help"});
    for (const char* flag :
         {"--study NAME=FROM:TO[:STEP]", "--study NAME=FROM:TO:logN", "--study-repeat K", "--seed S"})
        EXPECT_TRUE(Contains(result.out, flag)) << flag;
}
