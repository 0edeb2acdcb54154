// The settings record's rows, their round trips through the engine, and the window check.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/SettingsRecord.h"
#include "tests/engine/EngineTestSupport.h"

using namespace spln;

// The table is indexed by SettingId: each row must sit at its own position,
// with its own flag and member.
TEST(SettingsRecord, RowsSitAtTheirIdsWithDistinctNames)
{
    std::set<std::string> flags, members;
    for (int i = 0; i < kSettingCount; ++i) {
        const SettingRange& range = kSettingRanges[i];
        EXPECT_EQ(range.id, i);
        EXPECT_TRUE(flags.insert(range.flag).second) << range.flag;
        EXPECT_TRUE(members.insert(range.member).second) << range.member;
        EXPECT_LT(range.min, range.max) << range.flag;
        EXPECT_TRUE(range.Contains(range.defaultValue)) << range.flag;
        EXPECT_EQ(range.kind == SettingKind::Choice, range.choice0 != nullptr) << range.flag;
        EXPECT_NE(range.help[0], '\0') << range.flag;
        // Whole numbers live in int members and real ones in double members,
        // or a value would be cut or widened on the way.
        const bool real = range.kind == SettingKind::Real;
        const bool text = range.kind == SettingKind::Text;
        EXPECT_EQ(range.docReal != nullptr, real) << range.flag;
        EXPECT_EQ(range.docWhole != nullptr, !real && !text) << range.flag;
        EXPECT_EQ(range.engineReal != nullptr, real) << range.flag;
        EXPECT_EQ(range.engineWhole != nullptr, !real && !text) << range.flag;
        EXPECT_EQ(range.docText != nullptr, text) << range.flag;
        EXPECT_EQ(range.engineText != nullptr, text) << range.flag;
    }
    EXPECT_EQ(flags.size(), static_cast<std::size_t>(kSettingCount));
}

// Pinned: the names, ranges and defaults users type, read in --help and keep
// in experiment files; a change here is a change of the program's interface.
TEST(SettingsRecord, PublishedNamesRangesAndDefaults)
{
    const struct {
        const char* flag;
        double min, max, defaultValue;
    } published[kSettingCount] = {
        {"source", 0, 2, 0},
        {"example", 1, 11, 1},
        {"amplitude", 0, 0.5, 0},
        {"samples", 100, 10000, 10000},
        {"board", 0, 1, 1},
        {"left-value", -1, 1, 0},
        {"right-value", -1, 1, 0},
        {"left-deriv", -10, 10, 0},
        {"right-deriv", -10, 10, 0},
        {"left-margin", 1, 250, 250},
        {"right-margin", 1, 250, 250},
        {"method", 0, 1, 0},
        {"window", 1, 500, 1},
        {"schwarz-type", 1, 4, 1},
        {"schwarz-count", 15, 501, 51},
        {"lsq-type", 1, 5, 5},
        {"lsq-count", 5, 51, 35},
        {"formula", 0, 1000, 0},
        {"noise-seed", 0, 2147483647, 0},
        {"resample", 0, 1, 0},
    };
    for (const SettingRange& range : kSettingRanges) {
        const auto& expected = published[range.id];
        EXPECT_STREQ(range.flag, expected.flag);
        EXPECT_EQ(range.min, expected.min) << range.flag;
        EXPECT_EQ(range.max, expected.max) << range.flag;
        EXPECT_EQ(range.defaultValue, expected.defaultValue) << range.flag;
    }
}

// The defaults are what a dialog opened on a fresh engine shows.
TEST(SettingsRecord, DefaultsAreTheFreshEngines)
{
    auto engine = test::MakeEngine();
    CSplnSettings loaded;
    LoadSettingsFromEngine(*engine, loaded);
    const CSplnSettings defaults = DefaultSettings();
    for (const SettingRange& range : kSettingRanges)
        EXPECT_EQ(GetSetting(defaults, range.id), GetSetting(loaded, range.id)) << range.flag;
}

// Every row, set alone to a value of its own, travels to the engine and back
// unchanged, reaches the engine's member in the engine's form, and disturbs
// no other setting.
TEST(SettingsRecord, EveryRowRoundTripsThroughTheEngine)
{
    auto engine = test::MakeEngine();
    for (const SettingRange& range : kSettingRanges) {
        if (range.docText)
            continue;  // carried as text, not as a number
        for (double value : {range.min, range.max}) {
            CSplnSettings settings = DefaultSettings();
            SetSetting(settings, range.id, value);
            EXPECT_EQ(GetSetting(settings, range.id), value) << range.flag;

            StoreSettingsInEngine(settings, *engine);
            if (range.engineText)
                continue;
            const double stored = range.engineReal ? engine.get()->*range.engineReal : engine.get()->*range.engineWhole;
            const double expected =
                range.engineForm == EngineForm::MethodNumber ? MethodToEngine(static_cast<int>(value)) : value;
            EXPECT_EQ(stored, expected) << range.flag;

            CSplnSettings loaded;
            LoadSettingsFromEngine(*engine, loaded);
            for (const SettingRange& other : kSettingRanges)
                EXPECT_EQ(GetSetting(loaded, other.id), GetSetting(settings, other.id))
                    << range.flag << " " << value << " -> " << other.flag;
        }
    }
}

TEST(SettingsRecord, TranslationsIntoTheEngine)
{
    EXPECT_EQ(MethodToEngine(0), 1);
    EXPECT_EQ(MethodToEngine(1), 2);
    EXPECT_EQ(MethodFromEngine(2), 1);
    const int forRun[5] = {0, 1, 2, 4, 3};
    for (int type = 1; type <= 4; ++type)
        EXPECT_EQ(ProjectionTypeForRun(type), forRun[type]) << type;
}

TEST(WindowCheck, BuiltInFunctionAllowsATenthOfTheSamples)
{
    EXPECT_TRUE(WindowCheckPasses(0, 10, 100));  // exactly 0.1
    EXPECT_FALSE(WindowCheckPasses(0, 11, 100));
    EXPECT_TRUE(WindowCheckPasses(0, 500, 10000));
    EXPECT_TRUE(WindowCheckPasses(0, 100, 1000));
    EXPECT_FALSE(WindowCheckPasses(0, 101, 1000));
    // In whole numbers: fails exactly when 10 * window > samples.
    for (int samples = 100; samples <= 10000; samples += 37)
        for (int window = samples / 10 - 1; window <= samples / 10 + 2; ++window)
            EXPECT_EQ(WindowCheckPasses(0, window, samples), 10 * window <= samples) << window << "/" << samples;
}

TEST(WindowCheck, SampleFileIgnoresTheFileLength)
{
    for (int fileLength : {100, 4501, 10000, 0}) {
        EXPECT_TRUE(WindowCheckPasses(1, 450, fileLength));
        EXPECT_FALSE(WindowCheckPasses(1, 451, fileLength));
    }
    EXPECT_EQ(WindowRatio(1, 4501, 100), 4501 * kInverseFileSamples);
}

TEST(WindowCheck, ZeroSamplesFailsInsteadOfDividingByZero)
{
    EXPECT_FALSE(WindowCheckPasses(0, 1, 0));
    EXPECT_FALSE(WindowCheckPasses(0, 0, 0));
}

// Pinned: the dialog's own words, which experiment files and the command line repeat.
TEST(WindowCheck, MessageText)
{
    EXPECT_STREQ(kWindowCheckMessage, "Window Averaging divide by Length of File should be less then 0.1");
}
