// Numbers typed into dialog fields: accepted forms, refusals and formatting.

#include "platform/FieldNumbers.h"

#include <gtest/gtest.h>

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
    for (const char* text : {"", "abc", "1,5", "inf", "-Infinity", "nan", "NaN", "1e400", "0x1p3", "1e", ".", "-", "1.2.3", "0.1 x"})
        EXPECT_FALSE(ParseDoubleField(text).has_value()) << '"' << text << '"';
}

TEST(FieldNumbers, RealsShowWithFifteenSignificantDigits)
{
    EXPECT_EQ(FormatDoubleField(0.0), "0");
    EXPECT_EQ(FormatDoubleField(0.1), "0.1");
    EXPECT_EQ(FormatDoubleField(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatDoubleField(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatDoubleField(-10.0), "-10");
    EXPECT_EQ(FormatDoubleField(1e-20), "1e-20");
    EXPECT_EQ(FormatDoubleField(123456789012345678.0), "1.23456789012346e+17");
}

TEST(FieldNumbers, ShownRealsReadBackAsTheSameNumberWhenShortEnough)
{
    for (double value : {0.5, -1.0, 0.25, 9.75, 1e-5, 0.123456789012345})
        EXPECT_EQ(ParseDoubleField(FormatDoubleField(value)), value);
}
