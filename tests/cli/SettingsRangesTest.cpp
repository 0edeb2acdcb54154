#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cli/SettingFields.h"
#include "engine/SettingsRanges.h"

using namespace spln;

// The table is indexed by SettingId: each entry must sit at its own position.
TEST(SettingsRangeTable, EntriesSitAtTheirIdsWithDistinctFlagsAndMembers) {
    std::set<std::string> flags, members;
    for (int i = 0; i < kSettingCount; ++i) {
        const SettingRange& range = kSettingRanges[i];
        EXPECT_EQ(range.id, i);
        EXPECT_TRUE(flags.insert(range.flag).second) << range.flag;
        EXPECT_TRUE(members.insert(range.member).second) << range.member;
        EXPECT_LT(range.min, range.max) << range.flag;
        EXPECT_EQ(range.kind == SettingKind::Choice, range.choice0 != nullptr) << range.flag;
    }
    EXPECT_EQ(flags.size(), 17u);
}

// Whole-number settings must be stored in int members and real ones in
// double members, or a value would be cut or widened on the way.
TEST(SettingsRangeTable, EachSettingReachesAMemberOfItsKind) {
    for (const SettingRange& range : kSettingRanges) {
        CSplnSettings settings;
        cli::SetSetting(settings, range.id, 0.25);
        const double expected = range.kind == SettingKind::Real ? 0.25 : 0.0;
        EXPECT_EQ(cli::GetSetting(settings, range.id), expected) << range.flag;
    }
}

TEST(WindowCheck, BuiltInFunctionAllowsATenthOfTheSamples) {
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

TEST(WindowCheck, SampleFileIgnoresTheFileLength) {
    for (int fileLength : {100, 4501, 10000, 0}) {
        EXPECT_TRUE(WindowCheckPasses(1, 450, fileLength));
        EXPECT_FALSE(WindowCheckPasses(1, 451, fileLength));
    }
    EXPECT_EQ(WindowRatio(1, 4501, 100), 4501 * kInverseFileSamples);
}

TEST(WindowCheck, ZeroSamplesFailsInsteadOfDividingByZero) {
    EXPECT_FALSE(WindowCheckPasses(0, 1, 0));
    EXPECT_FALSE(WindowCheckPasses(0, 0, 0));
}

TEST(WindowCheck, MessageText) {
    EXPECT_STREQ(kWindowCheckMessage, "Window Averaging divide by Length of File should be less then 0.1");
}
