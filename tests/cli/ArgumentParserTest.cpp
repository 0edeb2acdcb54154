// Reading the command line: every setting, the ranges, the outputs and the faults.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "cli/ArgumentParser.h"
#include "engine/CSplineEngine.h"
#include "model/SettingsRecord.h"
#include "tests/model/SettingsTestSupport.h"

using spln::cli::OutputKind;
using spln::cli::ParseArguments;
using spln::cli::ParseOutcome;
using spln::test::SameSettingsAs;
using Args = std::vector<std::string>;

namespace {

// A number as text that reads back to the same double.
std::string Text(double value)
{
    return spln::test::SettingValueText(value);
}

ParseOutcome Accepted(const Args& args)
{
    ParseOutcome outcome = ParseArguments(args);
    EXPECT_TRUE(outcome.Accepted()) << outcome.error;
    return outcome;
}

std::string Refused(const Args& args)
{
    ParseOutcome outcome = ParseArguments(args);
    EXPECT_FALSE(outcome.Accepted()) << "accepted: " << ::testing::PrintToString(args);
    return outcome.error;
}

}  // namespace

TEST(ArgumentParser, NoFlagsGiveTheEngineDefaultsInDialogNumbering)
{
    const ParseOutcome outcome = Accepted({});
    CSplnSettings engineDefaults;
    LoadSettingsFromEngine(*std::make_unique<CSplineEngine>(), engineDefaults);
    EXPECT_TRUE(SameSettingsAs(engineDefaults, outcome.options.settings));
    EXPECT_TRUE(outcome.options.outputs.empty());
    EXPECT_TRUE(outcome.options.dataPath.empty());
    EXPECT_EQ(outcome.options.repeat, 1);
    EXPECT_FALSE(outcome.options.timing);
    EXPECT_FALSE(outcome.options.help);
}

// One command line with every setting, choices by name: each reaches its own
// setting, the projection kernel type as typed (the exchange happens on the
// way into the engine).
TEST(ArgumentParser, EveryFlagReachesItsSetting)
{
    const CSplnSettings typed = spln::test::SettingsAwayFromDefaults();
    Args args;
    for (const spln::SettingRange& range : spln::kSettingRanges) {
        const double value = spln::GetSetting(typed, range.id);
        args.push_back(std::string("--") + range.flag);
        if (range.kind == spln::SettingKind::Choice)
            args.push_back(range.ChoiceName(static_cast<int>(value)));
        else if (range.kind == spln::SettingKind::Text)
            args.push_back(std::string(spln::GetSettingText(typed, range.id)));
        else
            args.push_back(Text(value));
    }
    EXPECT_TRUE(SameSettingsAs(typed, Accepted(args).options.settings));
}

// Every row of the settings record, given at each end of its range, reaches
// its own setting and leaves the others at their defaults.
TEST(ArgumentParser, EveryRowOfTheRecordReachesItsOwnSetting)
{
    for (const spln::SettingRange& range : spln::kSettingRanges) {
        if (range.kind == spln::SettingKind::Text)
            continue;  // FormulaFlag
        for (double value : {range.min, range.max}) {
            if (range.id == spln::kSettingSource && value == spln::kSourceFormula)
                continue;  // a formula source needs its formula: FormulaFlag
            const std::string arg = std::string("--") + range.flag + "=" + Text(value);
            const ParseOutcome outcome = Accepted({arg});
            CSplnSettings expected = spln::DefaultSettings();
            spln::SetSetting(expected, range.id, value);
            for (const spln::SettingRange& other : spln::kSettingRanges)
                EXPECT_EQ(spln::GetSetting(outcome.options.settings, other.id), spln::GetSetting(expected, other.id))
                    << arg << " -> " << other.flag;
        }
    }
}

TEST(ArgumentParser, ChoicesByNameOrNumber)
{
    struct Case {
        const char* flag;
        const char* value;
        int CSplnSettings::*member;
        int expected;
    };
    const Case cases[] = {
        {"--source", "example", &CSplnSettings::m_nSource, 0}, {"--source", "file", &CSplnSettings::m_nSource, 1},
        {"--source", "0", &CSplnSettings::m_nSource, 0},       {"--source", "1", &CSplnSettings::m_nSource, 1},
        {"--board", "given", &CSplnSettings::m_nBoard, 0},     {"--board", "estimate", &CSplnSettings::m_nBoard, 1},
        {"--board", "0", &CSplnSettings::m_nBoard, 0},         {"--board", "1", &CSplnSettings::m_nBoard, 1},
        {"--method", "schwarz", &CSplnSettings::m_nMethod, 0}, {"--method", "lsq", &CSplnSettings::m_nMethod, 1},
        {"--method", "0", &CSplnSettings::m_nMethod, 0},       {"--method", "1", &CSplnSettings::m_nMethod, 1},
    };
    for (const Case& c : cases) {
        const ParseOutcome outcome = Accepted({c.flag, c.value});
        EXPECT_EQ(outcome.options.settings.*c.member, c.expected) << c.flag << " " << c.value;
    }
    for (const char* value : {"2", "-1", "File", "estimation", "least-squares", ""}) {
        const std::string error = Refused({"--method", value});
        EXPECT_NE(error.find("--method"), std::string::npos) << error;
        EXPECT_NE(error.find("schwarz, lsq"), std::string::npos) << error;
    }
}

TEST(ArgumentParser, BothFormsAndEachSettingOnce)
{
    EXPECT_EQ(Accepted({"--example=4"}).options.settings.m_nExample, 4);
    EXPECT_EQ(Accepted({"--amplitude=-0"}).options.settings.m_dAmplitude, 0.0);
    EXPECT_EQ(Refused({"--example", "4", "--example=9"}), "--example is given twice; a setting takes one value");
    EXPECT_EQ(Accepted({"--left-value", "-1"}).options.settings.m_dLeftValue, -1.0);  // a negative value, not a flag
    EXPECT_EQ(Accepted({"--data=dir/with=sign.dat"}).options.dataPath, "dir/with=sign.dat");
}

// Each range is accepted at both bounds and refused just outside, with a
// message that names the flag and both bounds.
TEST(ArgumentParser, RangesAtAndJustBeyondBothBounds)
{
    for (const spln::SettingRange& r : spln::kSettingRanges) {
        if (r.kind == spln::SettingKind::Choice || r.kind == spln::SettingKind::Text)
            continue;  // ChoicesByNameOrNumber, FormulaFlag
        const bool whole = r.kind == spln::SettingKind::Integer;
        const std::string flag = std::string("--") + r.flag;
        const double below = whole ? r.min - 1 : std::nextafter(r.min, -INFINITY);
        const double above = whole ? r.max + 1 : std::nextafter(r.max, INFINITY);
        // The window bound is checked against a sample count it fits in.
        const Args room = r.id == spln::kSettingFileLength ? Args{} : Args{"--samples", "10000"};
        for (double inside : {r.min, r.max}) {
            Args args = room;
            args.insert(args.end(), {flag, Text(inside)});
            Accepted(args);
        }
        for (double outside : {below, above}) {
            Args args = room;
            args.insert(args.end(), {flag, Text(outside)});
            const std::string error = Refused(args);
            EXPECT_NE(error.find(flag), std::string::npos) << error;
            EXPECT_NE(error.find("from " + Text(r.min) + " to " + Text(r.max)), std::string::npos) << error;
        }
    }
}

TEST(ArgumentParser, ValuesThatAreNotNumbers)
{
    for (const char* flag : {"--example", "--samples", "--window", "--schwarz-type", "--lsq-count"}) {
        for (const char* value : {"12abc", "501.5", "1e2", "abc", ""}) {
            const std::string error = Refused({flag + std::string("=") + value});
            EXPECT_NE(error.find(flag), std::string::npos) << error;
        }
    }
    for (const char* value : {"12abc", "1e400", "nan", "inf", "0.1.2", "1,5"}) {
        const std::string error = Refused({"--amplitude", value});
        EXPECT_NE(error.find("--amplitude"), std::string::npos) << error;
        EXPECT_NE(error.find(value), std::string::npos) << error;
    }
    // Too large for an int is a range fault, not a silently wrapped value.
    const std::string error = Refused({"--samples", "4294977296"});
    EXPECT_NE(error.find("100"), std::string::npos) << error;
    EXPECT_NE(error.find("10000"), std::string::npos) << error;
}

TEST(ArgumentParser, NumberFormsAcceptedAndRefused)
{
    EXPECT_EQ(Accepted({"--example", "+7"}).options.settings.m_nExample, 7);
    EXPECT_EQ(Accepted({"--amplitude", "+.25"}).options.settings.m_dAmplitude, 0.25);
    EXPECT_EQ(Accepted({"--left-deriv", "-1E1"}).options.settings.m_dLeftDeriv, -10.0);
    EXPECT_EQ(Accepted({"--amplitude", "0.1"}).options.settings.m_dAmplitude, 0.1);  // correctly rounded
    for (const char* value : {"+-5", "++5", " 5", "5 ", "0x5", "+", "-"})
        Refused({"--example", value});
    for (const char* value : {"0x1p-3", "-inf", "1e", ".", "--1"})
        Refused({"--amplitude=" + std::string(value)});
}

TEST(ArgumentParser, UnknownFlagsStrayWordsAndMissingValues)
{
    EXPECT_NE(Refused({"--exmaple", "3"}).find("--exmaple"), std::string::npos);
    EXPECT_NE(Refused({"-x"}).find("-x"), std::string::npos);
    EXPECT_NE(Refused({"3"}).find("\"3\""), std::string::npos);
    EXPECT_NE(Refused({"--"}).find("\"--\""), std::string::npos);
    EXPECT_NE(Refused({"--example"}).find("--example needs a value"), std::string::npos);
    EXPECT_NE(Refused({"--json", "--csv", "out.csv"}).find("--json needs a value"), std::string::npos);
    EXPECT_NE(Refused({"--json="}).find("--json"), std::string::npos);
    EXPECT_NE(Refused({"--timing=yes"}).find("--timing takes no value"), std::string::npos);
    EXPECT_NE(Refused({"--repeat", "0"}).find("--repeat"), std::string::npos);
    EXPECT_NE(Refused({"--repeat", "2.5"}).find("--repeat"), std::string::npos);
    EXPECT_NE(Refused({"--data", std::string(5000, 'd')}).find("--data"), std::string::npos);
}

TEST(ArgumentParser, HelpWinsOverEverythingElse)
{
    EXPECT_TRUE(Accepted({"--help"}).options.help);
    EXPECT_TRUE(Accepted({"--bogus", "-h"}).options.help);
}

TEST(ArgumentParser, OutputsAreKeptInOrderAndMayNotShareADestination)
{
    const ParseOutcome outcome =
        Accepted({"--csv", "a.csv", "--json", "-", "--json=b.json", "--repeat", "3", "--timing", "--data", "my.dat"});
    const auto& outputs = outcome.options.outputs;
    ASSERT_EQ(outputs.size(), 3u);
    EXPECT_EQ(outputs[0].kind, OutputKind::Csv);
    EXPECT_EQ(outputs[0].path, "a.csv");
    EXPECT_EQ(outputs[1].kind, OutputKind::Json);
    EXPECT_EQ(outputs[1].path, "-");
    EXPECT_EQ(outputs[2].path, "b.json");
    EXPECT_EQ(outcome.options.repeat, 3);
    EXPECT_TRUE(outcome.options.timing);
    EXPECT_EQ(outcome.options.dataPath, "my.dat");

    EXPECT_NE(Refused({"--json", "-", "--csv", "-"}).find("standard output"), std::string::npos);
    EXPECT_NE(Refused({"--json", "x", "--csv", "x"}).find("\"x\""), std::string::npos);
}

TEST(ArgumentParser, WindowCheckForTheBuiltInFunction)
{
    Accepted({"--samples", "100", "--window", "10"});
    EXPECT_EQ(Refused({"--samples", "100", "--window", "11"}), spln::kWindowCheckMessage);
    Accepted({"--window", "500"});  // the default 10000 samples
    // The check runs on the final values, whatever the order of the flags.
    Accepted({"--window", "10", "--samples", "100"});
    EXPECT_EQ(Refused({"--window", "11", "--samples", "100"}), spln::kWindowCheckMessage);
}

TEST(ArgumentParser, WindowCheckForTheSampleFileIgnoresTheFileLength)
{
    Accepted({"--source", "file", "--window", "450", "--samples", "100"});
    EXPECT_EQ(Refused({"--source", "file", "--window", "451"}), spln::kWindowCheckMessage);
    EXPECT_EQ(Refused({"--source", "file", "--window", "451", "--samples", "10000"}), spln::kWindowCheckMessage);
}

TEST(ArgumentParser, RangeFaultsComeBeforeTheWindowCheck)
{
    const std::string error = Refused({"--samples", "99", "--window", "500"});
    EXPECT_NE(error.find("--samples"), std::string::npos) << error;
}

TEST(ArgumentParser, PictureOutputsAndTheirSize)
{
    const ParseOutcome outcome = Accepted({"--png", "a.png", "--svg=b.svg", "--pdf", "c.pdf", "--size", "1024x768"});
    const auto& outputs = outcome.options.outputs;
    ASSERT_EQ(outputs.size(), 3u);
    EXPECT_EQ(outputs[0].kind, OutputKind::Png);
    EXPECT_EQ(outputs[1].kind, OutputKind::Svg);
    EXPECT_EQ(outputs[2].kind, OutputKind::Pdf);
    EXPECT_EQ(outcome.options.pictureWidth, 1024);
    EXPECT_EQ(outcome.options.pictureHeight, 768);

    const ParseOutcome defaults = Accepted({"--png", "a.png"});
    EXPECT_EQ(defaults.options.pictureWidth, 800);
    EXPECT_EQ(defaults.options.pictureHeight, 600);
    Accepted({"--size", "16x10000"});

    EXPECT_NE(Refused({"--png", "-"}).find("--png"), std::string::npos);
    EXPECT_NE(Refused({"--png", "x", "--svg", "x"}).find("\"x\""), std::string::npos);
    for (const char* size : {"800", "800x", "x600", "15x600", "800x10001", "800.5x600", "800*600", "-800x600"})
        EXPECT_NE(Refused({"--size", size}).find("--size"), std::string::npos) << size;
}

// --formula makes the formula the source unless --source says otherwise, and
// a formula that cannot run at the run's samples is refused with the flag.
TEST(ArgumentParser, FormulaFlag)
{
    const ParseOutcome typed = Accepted({"--formula", "sin(5*x) + abs(x)^0.5"});
    EXPECT_EQ(typed.options.settings.m_nSource, spln::kSourceFormula);
    EXPECT_EQ(spln::GetSettingText(typed.options.settings, spln::kSettingFormula), "sin(5*x) + abs(x)^0.5");
    EXPECT_EQ(Accepted({"--formula=x", "--source", "example"}).options.settings.m_nSource, spln::kSourceExample);

    const struct {
        Args args;
        const char* message;
    } refused[] = {
        {{"--formula", "sinn(x)"}, "--formula: the formula cannot be read: unknown name 'sinn' at position 1."},
        {{"--formula", "1/x", "--samples", "101"}, "--formula: the formula gives an infinity at x = 0."},
        {{"--formula="}, "--formula: Please enter a formula"},
        {{"--source", "formula"}, "--formula: Please enter a formula"},
        {{"--formula", std::string(1001, 'x')}, "--formula: the text has 1001 characters; it may have at most 1000"},
        {{"--formula", "x +\n1"}, "--formula: the text holds a control character"},
        {{"--source", "formulas"}, "--source: \"formulas\" is not one of example, file, formula, 0, 1, 2"},
    };
    for (const auto& c : refused)
        EXPECT_EQ(Refused(c.args).rfind(c.message, 0), 0u) << Refused(c.args);
}

// A built-in function by its number or the short name --help lists.
TEST(ArgumentParser, ExampleByNumberOrName)
{
    const struct {
        const char* text;
        int example;
    } named[] = {{"cosh", 1}, {"footstep", 7}, {"exp-fast-sine", 11}, {"7", 7}};
    for (const auto& c : named)
        EXPECT_EQ(Accepted({"--example", c.text}).options.settings.m_nExample, c.example) << c.text;
    EXPECT_NE(Refused({"--example", "foot"}).find("nor the name of a built-in function"), std::string::npos);
    EXPECT_NE(Refused({"--example", "12"}).find("from 1 to 11"), std::string::npos);
}
