// The fitted order of a sweep and the spread of a repeat.

#include "study/StudyFit.h"

#include "tests/study/StudyTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace spln;
using namespace spln::study;
using spln::test::FreshSettings;

namespace {

OrderFit FitSweep(int example)
{
    CSplnSettings base = FreshSettings();
    base.m_nExample = example;
    StudyPlan plan;
    plan.from = 15;
    plan.to = 201;
    plan.spacing = Spacing::Log;
    plan.logCount = 8;
    return FitOrder(RunStudy(plan, base).rows);
}

}  // namespace

TEST(StudyFit, SmoothFunctionConvergesFootstepDoesNot)
{
    const OrderFit smooth = FitSweep(3);  // 1 / (25 x^2 + 1)
    ASSERT_TRUE(smooth.clear);
    EXPECT_GT(smooth.order, 1.0) << DescribeOrder(smooth);
    EXPECT_NE(DescribeOrder(smooth).find("p = "), std::string::npos);

    const OrderFit footstep = FitSweep(7);
    EXPECT_TRUE(!footstep.clear || footstep.order < 0.5) << DescribeOrder(footstep);
}

TEST(StudyFit, OrderOfExactPowersAndTheFloor)
{
    std::vector<StudyRow> rows;
    for (int n : {10, 20, 40, 80, 160})
        rows.push_back({n, 0, 3.0 * std::pow(n, -4.0), 0, 0});
    const OrderFit fit = FitOrder(rows);
    ASSERT_TRUE(fit.clear);
    EXPECT_NEAR(fit.order, 4.0, 1e-12);
    EXPECT_NEAR(fit.constant, 3.0, 1e-10);

    // Errors at the rounding floor leave too few points.
    rows[2].interiorError = rows[3].interiorError = 1e-14;
    EXPECT_FALSE(FitOrder(rows).clear);
    EXPECT_EQ(DescribeOrder(FitOrder(rows)), "no clear order");
}

TEST(StudyFit, SpreadOfEachError)
{
    const std::vector<StudyRow> rows = {{1, 1.0, 10.0, 5.0, 0}, {2, 2.0, 20.0, 5.0, 0}, {3, 3.0, 60.0, 5.0, 0}};
    const ErrorSpreads spreads = SpreadsOf(rows);
    EXPECT_DOUBLE_EQ(spreads.left.mean, 2.0);
    EXPECT_DOUBLE_EQ(spreads.left.deviation, 1.0);
    EXPECT_DOUBLE_EQ(spreads.interior.min, 10.0);
    EXPECT_DOUBLE_EQ(spreads.interior.max, 60.0);
    EXPECT_DOUBLE_EQ(spreads.right.deviation, 0.0);
}
