// spln-cli --compare: each compared file's entry is what a single run of that
// file gives, to the bit; a bad file or combination is refused before anything is written.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/ArgumentParser.h"
#include "cli/CommandLine.h"
#include "cli/CompareRuns.h"
#include "cli/RunLoop.h"
#include "engine/CSplineEngine.h"
#include "engine/Noise.h"
#include "tests/cli/JsonReader.h"
#include "tests/cli/ProcessRunner.h"

namespace {

using spln::test::JsonValue;
using spln::test::ProcessResult;

ProcessResult Cli(std::vector<std::string> args, const char* output = nullptr)
{
    if (output)
        args.insert(args.end(), {output, "-"});
    return spln::test::RunProcess(SPLN_CLI_PATH, args);
}

JsonValue Json(const ProcessResult& result)
{
    JsonValue json;
    std::string error;
    EXPECT_TRUE(spln::test::ParseJson(result.out, json, error)) << error << result.err;
    return json;
}

class Compare : public ::testing::Test {
protected:
    Compare()
    {
        std::string samples;
        for (int i = 0; i < spln::kFileSamples; ++i)
            samples += std::to_string(std::cos(3.0 * (-1.0 + i * (2.0 / 4500)))) + "\n";
        spln::test::WriteFile(Path("sig.dat"), samples);
    }
    ~Compare() override { std::filesystem::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }

    const std::string m_dir = spln::test::MakeTempDirectory();
};

}  // namespace

TEST_F(Compare, EachEntryIsASingleRunOfItsFileToTheBit)
{
    const struct {
        const char* name;
        const char* settings;  // after those of the main run
        const char* label;     // what differs from the main run; the file's name where that says nothing new
    } files[] = {
        {"lsq.spl", "method = lsq\nlsq-count = 51\n", "lsq 51"},
        {"wide.spl", "window = 8\n", "window 8"},
        {"same.spl", "[kept]\nwindow = 2\n", "same.spl"},
        {"seeded.spl", "noise-seed = 5\n", "noise-seed 5"},
        {"file.spl", "source = file\nwindow = 3\n", "source file, window 3"},
        {"formula.spl", "source = formula\nformula = \"abs(x)^1.5\"\n", "source formula, formula abs(x)^1.5"},
        {"wide2.spl", "window = 8\n", "wide2.spl"},
    };
    // The main run is noisy and repeated: a compared run's noise does not depend on it.
    std::vector<std::string> args{"--example", "7", "--amplitude", "0.05", "--repeat", "3", "--data", Path("sig.dat")};
    for (const auto& file : files) {
        spln::test::WriteFile(Path(file.name),
                              std::string("Spln experiment 1\nexample = 7\namplitude = 0.05\n") + file.settings);
        args.insert(args.end(), {"--compare", Path(file.name)});
    }
    const JsonValue compared = Json(Cli(args, "--json"))["compare"];
    ASSERT_EQ(compared.items.size(), std::size(files));
    std::vector<std::string> csv;
    std::istringstream csvText(Cli(args, "--csv").out);
    for (std::string line; std::getline(csvText, line);)
        csv.push_back(line);
    EXPECT_EQ(csv.at(0), "x,data,exact,approx,error,approx_2,approx_3,approx_4,approx_5,approx_6,approx_7,approx_8");

    for (std::size_t k = 0; k < std::size(files); ++k) {
        SCOPED_TRACE(files[k].name);
        const std::vector<std::string> single{"--settings", Path(files[k].name), "--data", Path("sig.dat")};
        const JsonValue alone = Json(Cli(single, "--json"));
        const JsonValue& entry = compared.items[k];
        EXPECT_EQ(entry["file"].text, Path(files[k].name));
        EXPECT_EQ(entry["name"].text, files[k].label);
        EXPECT_EQ(entry["settings"].order, alone["settings"].order);
        for (const auto& [flag, value] : alone["settings"].members)
            EXPECT_EQ(entry["settings"][flag].text, value.text) << flag;
        ASSERT_EQ(entry["approx"].items.size(), alone["approx"].items.size());
        for (std::size_t i = 0; i < alone["approx"].items.size(); ++i)
            ASSERT_EQ(entry["approx"].items[i].text, alone["approx"].items[i].text) << i;

        // The errors, which a single run writes only rounded in its report.
        auto engine = std::make_unique<CSplineEngine>();
        spln::ResetNoise();
        spln::cli::PrepareEngine(*engine, spln::cli::ParseArguments(single).options);
        engine->Run();
        const bool sampleFile = std::string(files[k].name) == "file.spl";
        const std::pair<const char*, double> errors[] = {{"left_error", engine->m_dLeftError},
                                                         {"interior_error", engine->m_dInteriorError},
                                                         {"right_error", engine->m_dRightError}};
        for (const auto& [name, value] : errors)
            EXPECT_TRUE(sampleFile ? entry[name].type == JsonValue::Type::Null : entry[name].Number() == value) << name;
    }
    // Each CSV row ends with the compared runs' values there, in their order.
    ASSERT_EQ(csv.size(), compared.items[0]["approx"].items.size() + 1);
    for (std::size_t i = 1; i < csv.size(); ++i) {
        std::string tail;
        for (const JsonValue& entry : compared.items)
            tail += "," + entry["approx"].items[i - 1].text;
        ASSERT_TRUE(csv[i].ends_with(tail)) << csv[i];
    }
}

TEST_F(Compare, BadFilesAndCombinationsAreRefusedBeforeAnythingIsWritten)
{
    spln::test::WriteFile(Path("good.spl"), "Spln experiment 1\nwindow = 4\n");
    spln::test::WriteFile(Path("bad.spl"), "Spln experiment 1\n[kept]\nlsq-count = 52\n");
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"--compare", Path("good.spl"), "--compare", Path("bad.spl")},
         Path("bad.spl") + ", line 3: lsq-count = 52: Please enter an integer between 5 and 51.\n"},
        {{"--compare", Path("good.spl"), "--study", "window=1:3"},
         "--compare cannot be combined with --study; it draws approximations over one run\n"},
        {{"--compare", Path("good.spl"), "--csv", Path("good.spl")},
         "--csv \"" + Path("good.spl") + "\" and --compare \"" + Path("good.spl") +
             "\" name the same file; nothing was run\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--json", Path("out.json"), "--save-settings", Path("saved.spl")});
        const ProcessResult result = Cli(args);
        EXPECT_EQ(result.exitCode, 2) << c.err;
        EXPECT_EQ(result.err, c.err);
        EXPECT_FALSE(std::filesystem::exists(Path("out.json")) || std::filesystem::exists(Path("saved.spl")));
    }
    EXPECT_EQ(spln::test::ReadFile(Path("good.spl")), "Spln experiment 1\nwindow = 4\n");
}

// Approximations at other points than the run's cannot share its table: refused.
TEST_F(Compare, ARunAtOtherPointsIsRefused)
{
    spln::test::WriteFile(Path("good.spl"), "Spln experiment 1\nwindow = 4\n");
    spln::cli::ParseOutcome parsed = spln::cli::ParseArguments({"--compare", Path("good.spl")});
    ASSERT_TRUE(parsed.Accepted()) << parsed.error;
    auto main = std::make_unique<CSplineEngine>();
    spln::cli::PrepareEngine(*main, parsed.options);
    main->Run();
    main->m_nResultCount = 320;  // as a run of another length would leave it
    std::vector<spln::ComparedRun> runs;
    std::ostringstream err;
    EXPECT_EQ(spln::cli::RunComparedFiles(parsed.options, *main, runs, err), spln::cli::kExitBadInput);
    EXPECT_EQ(err.str(), "--compare \"" + Path("good.spl") +
                             "\": its approximation is at 640 points from -1 to 1, this run's at 320 points from -1 "
                             "to -0.00156495; approximations are compared at the same points\n");
}
