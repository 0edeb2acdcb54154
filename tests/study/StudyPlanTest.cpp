// The values of a sweep and the plans that are refused.

#include "study/StudyPlan.h"

#include "tests/study/StudyTestSupport.h"

#include <gtest/gtest.h>

using namespace spln;
using namespace spln::study;
using spln::test::FreshSettings;

TEST(StudyPlan, SweepValuesByStepAndOnALogScale)
{
    SweepRange plan;
    plan.from = 15;
    plan.to = 501;
    plan.step = 2;
    const std::vector<int> stepped = SweepValues(plan);
    ASSERT_EQ(stepped.size(), 244u);
    EXPECT_EQ(stepped.front(), 15);
    EXPECT_EQ(stepped.back(), 501);

    plan.to = 20;
    plan.step = 4;
    EXPECT_EQ(SweepValues(plan), (std::vector<int>{15, 19}));  // the last step stops short

    plan.spacing = Spacing::Log;
    plan.from = 10;
    plan.to = 1000;
    plan.logCount = 5;
    EXPECT_EQ(SweepValues(plan), (std::vector<int>{10, 32, 100, 316, 1000}));
    plan.from = 15;
    plan.to = 20;
    plan.logCount = 20;
    EXPECT_EQ(SweepValues(plan), (std::vector<int>{15, 16, 17, 18, 19, 20}));  // repeats dropped
}

TEST(StudyPlan, RefusesWhatTheSettingsDialogRefuses)
{
    CSplnSettings projection = FreshSettings();  // built-in function 1, projection, no noise
    CSplnSettings leastSquares = FreshSettings();
    leastSquares.m_nMethod = 1;  // least squares
    CSplnSettings noisy = FreshSettings();
    noisy.m_dAmplitude = 0.1;
    CSplnSettings file = FreshSettings();
    file.m_nSource = 1;
    CSplnSettings wideWindow = FreshSettings();
    wideWindow.m_nWindow = 50;

    const auto sweep = [](SettingId id, int from, int to, int step = 1) {
        StudyPlan plan;
        plan.sweep.setting = id;
        plan.sweep.from = from;
        plan.sweep.to = to;
        plan.sweep.step = step;
        return plan;
    };
    const auto logSweep = [&](int count) {
        StudyPlan plan = sweep(kSettingSchwarzCount, 15, 501);
        plan.sweep.spacing = Spacing::Log;
        plan.sweep.logCount = count;
        return plan;
    };
    const auto grid = [&](StudyPlan first, SettingId second, int from, int to) {
        first.kind = StudyKind::Grid;
        first.across = sweep(second, from, to).sweep;
        return first;
    };
    const StudyPlan splines = sweep(kSettingSchwarzCount, 15, 501, 2);
    const auto select = [&](SettingId id, int from, int to) {
        StudyPlan plan = sweep(id, from, to);
        plan.kind = StudyKind::Select;
        return plan;
    };
    const auto repeat = [](int runs) {
        StudyPlan plan;
        plan.kind = StudyKind::Repeat;
        plan.repeat = runs;
        return plan;
    };

    struct Case {
        const char* what;
        StudyPlan plan;
        CSplnSettings base;
        std::optional<PlanFault> fault;
        int value;
    };
    const Case cases[] = {
        {"sweep within range", sweep(kSettingSchwarzCount, 15, 501), projection, std::nullopt, 0},
        {"count above range", sweep(kSettingSchwarzCount, 15, 502), projection, PlanFault::OutOfRange, 502},
        {"count below range", sweep(kSettingLsqCount, 4, 51), leastSquares, PlanFault::OutOfRange, 4},
        {"other method's count", sweep(kSettingLsqCount, 5, 51), projection, PlanFault::OtherMethod, 0},
        {"not a count", sweep(kSettingExample, 1, 11), projection, PlanFault::NotSweepable, 0},
        {"backwards", sweep(kSettingWindow, 20, 10), projection, PlanFault::EmptyRange, 0},
        {"step zero", sweep(kSettingWindow, 1, 10, 0), projection, PlanFault::BadStep, 0},
        {"one log value", logSweep(1), projection, PlanFault::BadLogCount, 1},
        {"window too wide for the samples", sweep(kSettingFileLength, 100, 1000, 100), wideWindow,
         PlanFault::WindowCheck, 100},
        {"window sweep past a tenth", sweep(kSettingWindow, 1, 1001, 100), projection, PlanFault::OutOfRange, 1001},
        {"sample file", sweep(kSettingSchwarzCount, 15, 51), file, PlanFault::NeedsBuiltInFunction, 0},
        {"selection on the sample file", select(kSettingSchwarzCount, 15, 51), file, std::nullopt, 0},
        {"selection of the window on the file", select(kSettingWindow, 1, 451), file, PlanFault::WindowCheck, 451},
        {"selection of the samples", select(kSettingFileLength, 100, 1000), projection, PlanFault::NotSelectable, 0},
        {"grid within range", grid(splines, kSettingWindow, 1, 40), projection, std::nullopt, 0},
        {"grid of one setting", grid(splines, kSettingSchwarzCount, 15, 51), projection, PlanFault::SameSettingTwice,
         0},
        {"grid's second out of range", grid(splines, kSettingWindow, 0, 40), projection, PlanFault::OutOfRange, 0},
        {"grid's window too wide for its samples",
         grid(sweep(kSettingFileLength, 100, 1000, 100), kSettingWindow, 1, 20), projection, PlanFault::WindowCheck,
         11},
        {"grid too large", grid(sweep(kSettingFileLength, 100, 10000), kSettingWindow, 1, 40), projection,
         PlanFault::GridTooLarge, 9901 * 40},
        {"repeat with noise", repeat(2), noisy, std::nullopt, 0},
        {"repeat without noise", repeat(10), projection, PlanFault::RepeatNeedsNoise, 0},
        {"one repeat", repeat(1), noisy, PlanFault::RepeatOutOfRange, 1},
        {"too many repeats", repeat(10001), noisy, PlanFault::RepeatOutOfRange, 10001},
    };
    for (const Case& c : cases) {
        const std::optional<PlanProblem> problem = CheckPlan(c.plan, c.base);
        ASSERT_EQ(problem.has_value(), c.fault.has_value()) << c.what;
        if (!problem)
            continue;
        EXPECT_EQ(problem->fault, *c.fault) << c.what;
        EXPECT_EQ(problem->value, c.value) << c.what;
        EXPECT_FALSE(DescribeProblem(*problem, c.plan).empty()) << c.what;
    }
}
