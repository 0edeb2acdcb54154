// Numbers typed into dialog fields: accepted forms, refusals and formatting.

#include "platform/FieldNumbers.h"

#include <gtest/gtest.h>

using namespace spln;

TEST(FieldNumbers, IntegersAcceptBlanksAndOneSign)
{
    EXPECT_EQ(ParseIntField("42"), 42);
    EXPECT_EQ(ParseIntField("  250\t"), 250);
    EXPECT_EQ(ParseIntField("+7"), 7);
    EXPECT_EQ(ParseIntField("-3"), -3);
    EXPECT_EQ(ParseIntField("-2147483648"), -2147483647 - 1);
}

TEST(FieldNumbers, IntegersRefuseAnythingElse)
{
    for (const char* text : {"", "   ", "501.5", "12abc", "1 2", "--1", "+-1", "+", "0x10", "1e3", "99999999999"})
        EXPECT_FALSE(ParseIntField(text).has_value()) << '"' << text << '"';
}

TEST(FieldNumbers, RealsAcceptDecimalNotation)
{
    EXPECT_EQ(ParseDoubleField("0.5"), 0.5);
    EXPECT_EQ(ParseDoubleField(" -1e-3 "), -1e-3);
    EXPECT_EQ(ParseDoubleField(".5"), 0.5);
    EXPECT_EQ(ParseDoubleField("5."), 5.0);
    EXPECT_EQ(ParseDoubleField("+2"), 2.0);
    EXPECT_EQ(ParseDoubleField("10"), 10.0);
}

TEST(FieldNumbers, RealsRefuseNonNumbersAndNonFiniteValues)
{
    for (const char* text :
         {"", "abc", "1,5", "inf", "-Infinity", "nan", "NaN", "1e400", "0x1p3", "1e", ".", "-", "1.2.3", "0.1 x"})
        EXPECT_FALSE(ParseDoubleField(text).has_value()) << '"' << text << '"';
}

TEST(FieldNumbers, RealsShowTheShortestTextThatReadsBackToTheSameBits)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {0.05, "0.05"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1.0 / 3.0, "0.3333333333333333"},
        {-10.0, "-10"},
        {100000.0, "100000"},
        {1e-4, "0.0001"},
        {1e-5, "1e-05"},
        {1e-20, "1e-20"},
        {1e15, "1e+15"},
        {123456789012345678.0, "1.2345678901234568e+17"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDoubleField(c.value), c.text) << c.text;
        EXPECT_EQ(ParseDoubleField(c.text), c.value) << c.text;
    }
}

TEST(FieldNumbers, ShownRealsReadBackAsTheSameNumberWhenShortEnough)
{
    for (double value : {0.5, -1.0, 0.25, 9.75, 1e-5, 0.123456789012345})
        EXPECT_EQ(ParseDoubleField(FormatDoubleField(value)), value);
}
