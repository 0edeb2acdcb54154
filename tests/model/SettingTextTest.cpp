// A setting's value read from text: choices, whole and real numbers, ranges.

#include "model/SettingText.h"

#include <gtest/gtest.h>

using namespace spln;

TEST(SettingText, FindsEveryRowByItsFlagAndNothingElse)
{
    for (const SettingRange& range : kSettingRanges)
        EXPECT_EQ(FindSetting(range.flag), &range) << range.flag;
    for (const char* name : {"", "--example", "Example", "m_nExample", "example ", "colour"})
        EXPECT_EQ(FindSetting(name), nullptr) << name;
}

TEST(SettingText, ReadsAValueOrSaysWhyNot)
{
    using F = SettingTextFault;
    const struct {
        SettingId id;
        const char* text;
        F fault;
        double value;
    } cases[] = {
        {kSettingMethod, "lsq", F::None, 1},
        {kSettingMethod, "0", F::None, 0},
        {kSettingMethod, "2", F::NotAChoice, 0},
        {kSettingMethod, "LSQ", F::NotAChoice, 0},
        {kSettingExample, "+11", F::None, 11},
        {kSettingExample, "12", F::OutOfRange, 0},
        {kSettingExample, "0", F::OutOfRange, 0},
        {kSettingExample, "3.0", F::NotANumber, 0},
        {kSettingExample, "4294967297", F::OutOfRange, 0},  // beyond int: refused, not wrapped
        {kSettingFileLength, "10000", F::None, 10000},
        {kSettingAmplitude, ".5", F::None, 0.5},
        {kSettingAmplitude, "5e-1", F::None, 0.5},
        {kSettingAmplitude, "0.50000000000000011", F::OutOfRange, 0},
        {kSettingAmplitude, "-0", F::None, 0},
        {kSettingAmplitude, "1e400", F::OutOfRange, 0},
        {kSettingAmplitude, "nan", F::NotANumber, 0},
        {kSettingAmplitude, "", F::NotANumber, 0},
        {kSettingLeftDeriv, "-10", F::None, -10},
    };
    for (const auto& c : cases) {
        const SettingText read = ReadSettingText(RangeOf(c.id), c.text);
        EXPECT_EQ(read.fault, c.fault) << RangeOf(c.id).flag << " = " << c.text;
        EXPECT_EQ(read.Accepted(), c.fault == F::None) << c.text;
        if (read.Accepted()) {
            EXPECT_EQ(read.value, c.value) << RangeOf(c.id).flag << " = " << c.text;
        }
    }
}
