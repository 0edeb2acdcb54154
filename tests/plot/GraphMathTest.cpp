// Axis scaling, tick steps and label formats.

#include "plot/GraphMath.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace spln;

namespace {

struct Step {
    int exponent;
    double mantissa;
};

Step StepFor(double range)
{
    Step step{-1, -1.0};
    ChooseTickStep(range, step.exponent, step.mantissa);
    return step;
}

TEST(ChooseTickStep, ThresholdsBelongToTheUpperStep)
{
    EXPECT_EQ(StepFor(0.0).mantissa, 0.1);
    EXPECT_EQ(StepFor(1.0999999).mantissa, 0.1);
    EXPECT_EQ(StepFor(1.1).mantissa, 0.2);
    EXPECT_EQ(StepFor(2.0999999).mantissa, 0.2);
    EXPECT_EQ(StepFor(2.1).mantissa, 0.25);
    EXPECT_EQ(StepFor(2.5999999).mantissa, 0.25);
    EXPECT_EQ(StepFor(2.6).mantissa, 0.5);
    EXPECT_EQ(StepFor(5.0999999).mantissa, 0.5);
    EXPECT_EQ(StepFor(5.1).mantissa, 1.0);
    for (double range : {0.0, 1.1, 2.1, 2.6, 5.1, 7.9, 10.0999})
        EXPECT_EQ(StepFor(range).exponent, 0) << range;
}

TEST(ChooseTickStep, WideRangesMoveUpByDecadesAndKeepAboutADozenIntervals)
{
    EXPECT_EQ(StepFor(10.1).exponent, 1);
    EXPECT_EQ(StepFor(10.1).mantissa, 0.1);
    EXPECT_EQ(StepFor(40.0).exponent, 1);
    EXPECT_EQ(StepFor(40.0).mantissa, 0.5);
    EXPECT_EQ(StepFor(1000.0).exponent, 2);
    EXPECT_EQ(StepFor(1000.0).mantissa, 1.0);
    for (double range = 10.1; range < 1e300; range *= 1.37) {
        const Step step = StepFor(range);
        const double intervals = range / (step.mantissa * PowerOfTen(step.exponent));
        EXPECT_LE(intervals, 12.0) << range;
        EXPECT_GE(intervals, 4.0) << range;
    }
}

TEST(ChooseTickStep, RangesThatAreNotFiniteEndTheSearch)
{
    EXPECT_EQ(StepFor(std::numeric_limits<double>::quiet_NaN()).exponent, 0);
    EXPECT_EQ(StepFor(std::numeric_limits<double>::infinity()).exponent, kMaxExponent);
    EXPECT_EQ(TickCount(std::numeric_limits<double>::infinity(), 1.0, 1.0), kMaxTicks);
    EXPECT_EQ(TickCount(std::numeric_limits<double>::quiet_NaN(), 0.1, 1.0), 2u);
}

TEST(TickCount, AddsTwoIntervalsOrOneForAMinimumOfExactlyZero)
{
    EXPECT_EQ(TickCount(1.0862, 0.1, 0.0), 11u);
    EXPECT_EQ(TickCount(1.0862, 0.1, 0.5), 12u);
    EXPECT_EQ(TickCount(1.0862, 0.1, -0.0), 11u);
    EXPECT_EQ(TickCount(0.0, 0.1, 0.5), 2u);
}

TEST(TruncateToInt, TruncatesTowardZeroAndHoldsAtTheIntLimits)
{
    EXPECT_EQ(TruncateToInt(52.99999999), 52);
    EXPECT_EQ(TruncateToInt(-52.99999999), -52);
    EXPECT_EQ(TruncateToInt(1e30), INT_MAX);
    EXPECT_EQ(TruncateToInt(-1e30), INT_MIN);
    EXPECT_EQ(TruncateToInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(OffsetCoordinate(INT_MAX - 1, 10), INT_MAX);
    EXPECT_EQ(OffsetCoordinate(-5, -10), -15);
}

TEST(Formatting, LabelsAndTheRangeLineUseTheirFormats)
{
    EXPECT_EQ(FormatNumber("%3.1f", -2.7755575615628914e-17), "-0.0");
    EXPECT_EQ(FormatNumber("%5.1f", 1.1000000000000001), "  1.1");
    EXPECT_EQ(FormatRange(0.0, 1.0862), "Range = (0 , 1.09)");
    EXPECT_EQ(FormatRange(-1.0, 7.389), "Range = (-1 , 7.39)");
    EXPECT_EQ(FormatNumber("%3.1f", 1e300).size(), 303u);  // no fixed buffer cuts it
    EXPECT_EQ(FormatInt(-12), "-12");
}

}  // namespace
