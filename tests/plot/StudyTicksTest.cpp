// Tick values and labels of the study chart's axes.

#include "plot/StudyTicks.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace spln;

TEST(StudyTicks, RoundValuesInsideAWidenedRange)
{
    struct Case {
        const char* what;
        AxisTicks ticks;
        bool log;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {"decades of errors", LogTicks(3e-7, 0.2, 8), true, {"1e-6", "1e-5", "1e-4", "0.001", "0.01", "0.1"}},
        {"many decades, every second",
         LogTicks(1e-15, 1.0, 8),
         true,
         {"1e-14", "1e-12", "1e-10", "1e-8", "1e-6", "1e-4", "0.01", "1"}},
        {"splines", LogTicks(15, 501, 8), true, {"20", "30", "50", "100", "200", "300", "500"}},
        {"samples", LogTicks(100, 10000, 8), true, {"100", "200", "500", "1000", "2000", "5000", "10000"}},
        {"under a decade", LogTicks(0.011, 0.033, 8), true, {"0.015", "0.02", "0.025", "0.03"}},
        {"fewer for less room", LogTicks(100, 10000, 3), true, {"100", "1000", "10000"}},
        {"window", ValueTicks(1, 3, 8), false, {"1", "1.5", "2", "2.5", "3"}},
        {"counts", LinearTicks(0, 130, 6), false, {"0", "25", "50", "75", "100", "125"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.ticks.log, c.log) << c.what;
        EXPECT_EQ(c.ticks.labels, c.labels) << c.what;
        ASSERT_EQ(c.ticks.values.size(), c.ticks.labels.size()) << c.what;
        for (double value : c.ticks.values) {
            EXPECT_GE(value, c.ticks.low) << c.what;
            EXPECT_LE(value, c.ticks.high) << c.what;
        }
    }
    // No value sits on the range's edge.
    const AxisTicks errors = LogTicks(1e-4, 1e-2, 8);
    EXPECT_LT(errors.low, 1e-4);
    EXPECT_GT(errors.high, 1e-2);
}

TEST(StudyTicks, LabelsReadShort)
{
    const std::pair<double, const char*> cases[] = {
        {0.0, "0"},     {0.002, "0.002"},     {50.0, "50"}, {10000.0, "10000"},
        {2e-5, "2e-5"}, {4.86e-4, "4.86e-4"}, {1e7, "1e7"}, {-0.5, "-0.5"},
    };
    for (const auto& [value, label] : cases)
        EXPECT_EQ(TickLabel(value), label) << value;
}
