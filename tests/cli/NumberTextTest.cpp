#include <gtest/gtest.h>

#include <cstring>

#include "cli/NumberText.h"

using spln::cli::NumberStatus;
using spln::cli::ParseRealNumber;
using spln::cli::ParseWholeNumber;

TEST(WholeNumberText, AcceptsSignedDecimalsOnly) {
    int value = 0;
    EXPECT_EQ(ParseWholeNumber("501", value), NumberStatus::Ok);
    EXPECT_EQ(value, 501);
    EXPECT_EQ(ParseWholeNumber("+7", value), NumberStatus::Ok);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(ParseWholeNumber("-12", value), NumberStatus::Ok);
    EXPECT_EQ(value, -12);

    for (const char* text : {"", "+", "-", "501.5", "12abc", "1e2", "0x10", " 5", "5 ", "+-5", "++5", "five"}) {
        value = 99;
        EXPECT_EQ(ParseWholeNumber(text, value), NumberStatus::NotANumber) << '"' << text << '"';
        EXPECT_EQ(value, 99) << "a refused text must not change the value";
    }
}

TEST(WholeNumberText, TooLargeForAnIntIsOutOfRangeNotGarbage) {
    int value = 0;
    EXPECT_EQ(ParseWholeNumber("2147483647", value), NumberStatus::Ok);
    EXPECT_EQ(ParseWholeNumber("2147483648", value), NumberStatus::OutOfRange);
    EXPECT_EQ(ParseWholeNumber("-99999999999999999999", value), NumberStatus::OutOfRange);
}

TEST(RealNumberText, AcceptsDecimalAndExponentForms) {
    double value = 0.0;
    EXPECT_EQ(ParseRealNumber("0.5", value), NumberStatus::Ok);
    EXPECT_EQ(value, 0.5);
    EXPECT_EQ(ParseRealNumber("+.25", value), NumberStatus::Ok);
    EXPECT_EQ(value, 0.25);
    EXPECT_EQ(ParseRealNumber("-1E1", value), NumberStatus::Ok);
    EXPECT_EQ(value, -10.0);
    EXPECT_EQ(ParseRealNumber("3", value), NumberStatus::Ok);
    EXPECT_EQ(value, 3.0);
    // Correctly rounded, independent of the locale's decimal separator.
    EXPECT_EQ(ParseRealNumber("0.1", value), NumberStatus::Ok);
    EXPECT_EQ(value, 0.1);
}

TEST(RealNumberText, RefusesTextThatIsNotAFiniteNumber) {
    double value = 0.0;
    for (const char* text : {"", "12abc", "1,5", "inf", "-inf", "nan", "NaN", "0x1p3", "1e", ". ", "--1", "+-1"})
        EXPECT_EQ(ParseRealNumber(text, value), NumberStatus::NotANumber) << '"' << text << '"';
    EXPECT_EQ(ParseRealNumber("1e400", value), NumberStatus::OutOfRange);
    EXPECT_EQ(ParseRealNumber("-1e400", value), NumberStatus::OutOfRange);
}
