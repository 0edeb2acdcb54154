// spln-cli --compare: each compared file's row is what a single run of that
// file writes, to the bit; a bad file or combination is refused before anything is written.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/ArgumentParser.h"
#include "cli/RunLoop.h"
#include "engine/CSplineEngine.h"
#include "engine/Noise.h"
#include "tests/cli/JsonReader.h"
#include "tests/cli/ProcessRunner.h"

namespace {

using spln::test::JsonValue;
using spln::test::ProcessResult;

const std::string kProgram = SPLN_CLI_PATH;

ProcessResult Cli(const std::vector<std::string>& args)
{
    return spln::test::RunProcess(kProgram, args);
}

JsonValue Json(const ProcessResult& result)
{
    JsonValue json;
    std::string error;
    EXPECT_TRUE(spln::test::ParseJson(result.out, json, error)) << error;
    return json;
}

std::uint64_t Bits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// One column of a CSV table, by its header.
std::vector<std::string> Column(const std::string& csv, const std::string& name)
{
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    std::vector<std::string> header;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ',');)
        header.push_back(cell);
    std::size_t at = 0;
    while (at < header.size() && header[at] != name)
        ++at;
    EXPECT_LT(at, header.size()) << name << " in " << line;
    std::vector<std::string> column;
    while (std::getline(lines, line)) {
        std::istringstream row(line);
        std::string cell;
        for (std::size_t k = 0; k <= at; ++k)
            std::getline(row, cell, ',');
        column.push_back(cell);
    }
    return column;
}

class Compare : public ::testing::Test {
protected:
    Compare() : m_dir(spln::test::MakeTempDirectory())
    {
        std::string samples;
        char line[64];
        for (int i = 0; i < spln::kFileSamples; ++i) {
            std::snprintf(line, sizeof line, "%.9g\n", std::cos(3.0 * (-1.0 + i * (2.0 / 4500))));
            samples += line;
        }
        spln::test::WriteFile(Path("sig.dat"), samples);
    }
    ~Compare() override { std::filesystem::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }

    std::string m_dir;
};

}  // namespace

TEST_F(Compare, EachRowIsASingleRunOfItsFileToTheBit)
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
    const std::string main = "Spln experiment 1\nexample = 7\namplitude = 0.05\n";
    std::vector<std::string> args{"--example", "7", "--amplitude", "0.05", "--repeat", "3", "--data", Path("sig.dat")};
    for (const auto& file : files) {
        spln::test::WriteFile(Path(file.name), main + file.settings);
        args.insert(args.end(), {"--compare", Path(file.name)});
    }
    std::vector<std::string> csvArgs = args;
    csvArgs.insert(csvArgs.end(), {"--csv", "-"});
    args.insert(args.end(), {"--json", "-"});
    const ProcessResult json = Cli(args);
    const ProcessResult csv = Cli(csvArgs);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    const JsonValue compared = Json(json)["compare"];
    ASSERT_EQ(compared.items.size(), std::size(files));

    for (std::size_t k = 0; k < std::size(files); ++k) {
        SCOPED_TRACE(files[k].name);
        const std::vector<std::string> single{"--settings", Path(files[k].name), "--data", Path("sig.dat")};
        std::vector<std::string> singleJson = single;
        singleJson.insert(singleJson.end(), {"--json", "-"});
        std::vector<std::string> singleCsv = single;
        singleCsv.insert(singleCsv.end(), {"--csv", "-"});
        const JsonValue alone = Json(Cli(singleJson));
        const JsonValue& entry = compared.items[k];
        EXPECT_EQ(entry["file"].text, Path(files[k].name));
        EXPECT_EQ(entry["name"].text, files[k].label);
        EXPECT_EQ(entry["settings"].order, alone["settings"].order);
        for (const auto& [flag, value] : alone["settings"].members)
            EXPECT_EQ(entry["settings"][flag].text, value.text) << flag;
        ASSERT_EQ(entry["approx"].items.size(), alone["approx"].items.size());
        for (std::size_t i = 0; i < alone["approx"].items.size(); ++i)
            ASSERT_EQ(entry["approx"].items[i].text, alone["approx"].items[i].text) << i;
        EXPECT_EQ(Column(csv.out, "approx_" + std::to_string(k + 2)), Column(Cli(singleCsv).out, "approx"));

        // The errors, which the single run writes only rounded in its report.
        const spln::cli::ParseOutcome parsed = spln::cli::ParseArguments(single);
        ASSERT_TRUE(parsed.Accepted()) << parsed.error;
        auto engine = std::make_unique<CSplineEngine>();
        spln::ResetNoise();
        spln::cli::PrepareEngine(*engine, parsed.options);
        engine->Run();
        const bool sample = parsed.options.settings.m_nSource == 1;
        const std::pair<const char*, double> errors[] = {{"left_error", engine->m_dLeftError},
                                                         {"interior_error", engine->m_dInteriorError},
                                                         {"right_error", engine->m_dRightError}};
        for (const auto& [name, value] : errors) {
            if (sample)
                EXPECT_EQ(entry[name].type, JsonValue::Type::Null) << name;
            else
                EXPECT_EQ(Bits(entry[name].Number()), Bits(value)) << name;
        }
    }
}

TEST_F(Compare, BadFilesAndCombinationsAreRefusedBeforeAnythingIsWritten)
{
    spln::test::WriteFile(Path("good.spl"), "Spln experiment 1\nwindow = 4\n");
    spln::test::WriteFile(Path("bad.spl"), "Spln experiment 1\n# wide\nwindow = 900\n");
    spln::test::WriteFile(Path("kept.spl"), "Spln experiment 1\n[kept]\nlsq-count = 52\n");
    const std::vector<std::string> nine(9, Path("good.spl"));
    std::vector<std::string> tooMany;
    for (const std::string& file : nine)
        tooMany.insert(tooMany.end(), {"--compare", file});
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"--compare", Path("good.spl"), "--compare", Path("bad.spl")},
         Path("bad.spl") + ", line 3: window = 900: Please enter an integer between 1 and 500.\n"},
        {{"--compare", Path("kept.spl")},
         Path("kept.spl") + ", line 3: lsq-count = 52: Please enter an integer between 5 and 51.\n"},
        {{"--compare", Path("none.spl")},
         Path("none.spl") + ": the file cannot be opened: No such file or directory.\n"},
        {{"--compare", "-"}, "--compare needs the name of an experiment file\n"},
        {tooMany, "--compare: at most 8 files can be compared, each in a pen of its own\n"},
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
        EXPECT_FALSE(std::filesystem::exists(Path("out.json")));
        EXPECT_FALSE(std::filesystem::exists(Path("saved.spl")));
    }
    EXPECT_EQ(spln::test::ReadFile(Path("good.spl")), "Spln experiment 1\nwindow = 4\n");
}
