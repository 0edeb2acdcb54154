// The judgment of a sweep: error sequences of a known order, start and floor, and the built-ins.

#include "study/Convergence.h"

#include "tests/study/StudyTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace spln;
using namespace spln::study;
using spln::test::FreshSettings;

namespace {

std::vector<int> LogValues(int from, int to, int count)
{
    return SweepValues({kSettingSchwarzCount, from, to, Spacing::Log, 1, count});
}

std::vector<int> SteppedValues(int from, int to, int step)
{
    return SweepValues({kSettingSchwarzCount, from, to, Spacing::Step, step, 0});
}

std::vector<StudyRow> Rows(const std::vector<int>& values, const std::function<double(double, size_t)>& error)
{
    std::vector<StudyRow> rows;
    for (size_t i = 0; i < values.size(); ++i)
        rows.push_back({values[i], 0, error(values[i], i), 0, 0});
    return rows;
}

Convergence SweepOf(int example, SettingId setting, int from, int to, int logCount, int splines = 51)
{
    CSplnSettings base = FreshSettings();
    base.m_nExample = example;
    base.m_nSchwarzCount = splines;
    StudyPlan plan;
    plan.sweep = {setting, from, to, Spacing::Log, 1, logCount};
    return JudgeConvergence(RunStudy(plan, base).rows);
}

}  // namespace

TEST(Convergence, SyntheticSequencesOfKnownOrderStartAndFloor)
{
    // Below 50 the error falls as n^-0.5, from there on as n^-2.
    const auto kinked = [](double n, size_t) { return n < 50 ? std::pow(n, -0.5) : std::pow(50.0, 1.5) / (n * n); };
    struct Case {
        const char* what;
        std::vector<StudyRow> rows;
        bool clear;
        double order;      // the order the fit must find
        double tolerance;  // 0: within the fit's own interval
        int first;         // the first value fitted, or 0 for any
        bool plateau;
        double level;  // the plateau's level within 10 %
        int from;      // its first value within a factor 1.5
    };
    const Case cases[] = {
        {"power law", Rows(LogValues(10, 1000, 20), [](double n, size_t) { return 3.0 / (n * n); }), true, 2.0, 0, 10,
         false, 0, 0},
        {"power law, small steps", Rows(SteppedValues(15, 501, 2), [](double n, size_t) { return std::pow(n, -1.5); }),
         true, 1.5, 0, 15, false, 0, 0},
        {"pre-asymptotic start", Rows(LogValues(10, 2000, 30), kinked), true, 2.0, 0, 0, false, 0, 0},
        {"floor", Rows(LogValues(10, 10000, 40), [](double n, size_t) { return 2.0 / (n * n * n) + 1e-6; }), true, 3.0,
         0.1, 10, true, 1e-6, 126},
        {"start and floor", Rows(LogValues(10, 200000, 60), [&](double n, size_t i) { return kinked(n, i) + 1e-5; }),
         true, 2.0, 0.1, 0, true, 1e-5, 5946},
        {"no convergence",
         Rows(LogValues(15, 501, 20), [](double, size_t i) { return 0.5 + 1e-3 * static_cast<double>(i % 2); }), false,
         0, 0, 0, true, 0.5, 15},
        {"error grows", Rows(LogValues(1, 500, 20), [](double n, size_t) { return 1e-4 * std::pow(n, 1.5); }), true,
         -1.5, 0, 1, false, 0, 0},
        {"noisy floor",
         Rows(LogValues(15, 501, 25),
              [](double, size_t i) { return 1e-3 * (1 + 0.3 * std::sin(7.0 * static_cast<double>(i))); }),
         false, 0, 0, 0, true, 1e-3, 15},
        {"rounding", Rows(LogValues(10, 10000, 20), [](double n, size_t) { return std::max(1e-14, std::pow(n, -4)); }),
         true, 4.0, 0, 10, false, 0, 0},
    };
    for (const Case& c : cases) {
        const Convergence judged = JudgeConvergence(c.rows);
        const OrderFit& fit = judged.order;
        ASSERT_EQ(fit.clear, c.clear) << c.what << ": " << DescribeOrder(fit);
        if (c.clear) {
            if (c.tolerance > 0) {
                EXPECT_NEAR(fit.order, c.order, c.tolerance) << c.what;
            } else {
                EXPECT_LE(fit.low, c.order + 1e-9) << c.what;
                EXPECT_GE(fit.high, c.order - 1e-9) << c.what;
                EXPECT_LT(fit.high - fit.low, 0.05) << c.what;
            }
            EXPECT_GT(fit.r2, 0.99) << c.what;
            if (c.first) {
                EXPECT_EQ(fit.first, c.first) << c.what;
            }
            EXPECT_LE(fit.last, c.rows.back().value) << c.what;
        }
        ASSERT_EQ(judged.plateau.found, c.plateau) << c.what << ": " << DescribePlateau(judged.plateau);
        if (c.plateau) {
            EXPECT_NEAR(judged.plateau.level, c.level, 0.1 * c.level) << c.what;
            EXPECT_GE(judged.plateau.from, c.from / 1.5) << c.what;
            EXPECT_LE(judged.plateau.from, c.from * 1.5) << c.what;
            // The fit keeps clear of the plateau.
            if (fit.points) {
                EXPECT_LT(fit.last, judged.plateau.from) << c.what;
            }
        }
    }
}

TEST(Convergence, LocalOrdersAndTheReasonsForNoClearOrder)
{
    const std::vector<StudyRow> rows =
        Rows({10, 20, 40, 80, 160}, [](double n, size_t) { return 3.0 * std::pow(n, -4.0); });
    const Convergence exact = JudgeConvergence(rows);
    ASSERT_EQ(exact.localOrders.size(), 5u);
    EXPECT_TRUE(std::isnan(exact.localOrders[0]));
    for (size_t i = 1; i < 5; ++i)
        EXPECT_NEAR(exact.localOrders[i], 4.0, 1e-12);
    EXPECT_NEAR(exact.order.constant, 3.0, 1e-10);
    EXPECT_EQ(exact.order.points, 5);

    // Errors at the rounding floor have no local order and leave too few rows.
    std::vector<StudyRow> rounded = rows;
    rounded[2].interiorError = rounded[3].interiorError = 1e-14;
    const Convergence floor = JudgeConvergence(rounded);
    EXPECT_TRUE(std::isnan(floor.localOrders[3]));
    EXPECT_FALSE(floor.order.clear);
    EXPECT_NE(DescribeOrder(floor.order).find("no clear order"), std::string::npos);

    // An order whose interval is too wide is no clear order either, and says why.
    const std::vector<StudyRow> ragged =
        Rows(LogValues(10, 100, 8), [](double n, size_t i) { return std::pow(n, -2.0) * (i % 2 ? 3.0 : 1.0); });
    const Convergence wide = JudgeConvergence(ragged);
    EXPECT_FALSE(wide.order.clear);
    EXPECT_GT(wide.order.high - wide.order.low, kMaxOrderWidth);
    EXPECT_NE(DescribeOrder(wide.order).find("wider than"), std::string::npos) << DescribeOrder(wide.order);

    EXPECT_NEAR(StudentQuantile95(1), 12.706, 1e-3);
    EXPECT_NEAR(StudentQuantile95(30), 2.0423, 1e-4);
    EXPECT_NEAR(StudentQuantile95(100), 1.9840, 1e-4);
}

TEST(Convergence, BuiltInFunctions)
{
    // 1 / (25 x^2 + 1) converges at about the second order; the footstep does not converge.
    const Convergence smooth = SweepOf(3, kSettingSchwarzCount, 15, 501, 20);
    ASSERT_TRUE(smooth.order.clear) << DescribeOrder(smooth.order);
    EXPECT_NEAR(smooth.order.order, 2.0, 0.15) << DescribeOrder(smooth.order);
    EXPECT_FALSE(smooth.plateau.found);
    const Convergence footstep = SweepOf(7, kSettingSchwarzCount, 15, 501, 20);
    EXPECT_FALSE(footstep.order.clear) << DescribeOrder(footstep.order);
    EXPECT_TRUE(footstep.plateau.found);

    // More samples than the 501 splines resolve: the error stops at the kernel's floor.
    const Convergence samples = SweepOf(3, kSettingFileLength, 100, 10000, 20, 501);
    ASSERT_TRUE(samples.plateau.found) << DescribePlateau(samples.plateau);
    EXPECT_NEAR(samples.plateau.level, 4.8e-4, 0.3e-4);
    EXPECT_TRUE(samples.order.clear) << DescribeOrder(samples.order);
    EXPECT_LT(samples.order.last, samples.plateau.from);
}
