// A setting's value read from text: the command line's and experiment files'
// own tests check their messages; here, how each text is classed.

#include "model/SettingText.h"

#include <gtest/gtest.h>

using namespace spln;

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
        {kSettingMethod, "LSQ", F::NotAChoice, 0},
        {kSettingMethod, "2", F::NotAChoice, 0},
        {kSettingExample, "+11", F::None, 11},
        {kSettingExample, "12", F::OutOfRange, 0},
        {kSettingExample, "3.0", F::NotANumber, 0},
        {kSettingExample, "4294967297", F::OutOfRange, 0},
        {kSettingAmplitude, "5e-1", F::None, 0.5},
        {kSettingAmplitude, "0.50000000000000011", F::OutOfRange, 0},
        {kSettingAmplitude, "1e400", F::OutOfRange, 0},
        {kSettingAmplitude, "nan", F::NotANumber, 0},
    };
    for (const auto& c : cases) {
        const SettingText read = ReadSettingText(RangeOf(c.id), c.text);
        EXPECT_EQ(read.fault, c.fault) << RangeOf(c.id).flag << " = " << c.text;
        EXPECT_EQ(read.value, c.value) << RangeOf(c.id).flag << " = " << c.text;
    }
    for (const SettingRange& range : kSettingRanges)
        EXPECT_EQ(FindSetting(range.flag), &range) << range.flag;
    EXPECT_EQ(FindSetting("--example"), nullptr);
}
