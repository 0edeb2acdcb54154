// A study's rows against single runs, its own noise, and Cancel.

#include "study/StudyRunner.h"

#include "engine/CSplineEngine.h"
#include "engine/Noise.h"
#include "study/StudyText.h"

#include "tests/study/StudyTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <thread>

using namespace spln;
using namespace spln::study;
using spln::test::FreshSettings;

namespace {

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void ExpectSameErrors(const StudyRow& a, const StudyRow& b, const char* what)
{
    EXPECT_EQ(a.value, b.value) << what;
    EXPECT_TRUE(SameBits(a.leftError, b.leftError)) << what << " at " << a.value;
    EXPECT_TRUE(SameBits(a.interiorError, b.interiorError)) << what << " at " << a.value;
    EXPECT_TRUE(SameBits(a.rightError, b.rightError)) << what << " at " << a.value;
}

StudyPlan WindowSweep()
{
    StudyPlan plan;
    plan.sweep.setting = kSettingWindow;
    plan.sweep.from = 1;
    plan.sweep.to = 41;
    plan.sweep.step = 8;
    return plan;
}

}  // namespace

TEST(StudyRunner, RowsWithoutNoiseAreThoseOfSingleRuns)
{
    CSplnSettings base = FreshSettings();
    base.m_nExample = 3;
    const StudyPlan plan = WindowSweep();
    const StudyResult result = RunStudy(plan, base, nullptr, 2);
    ASSERT_EQ(result.rows.size(), 6u);
    EXPECT_FALSE(result.cancelled);

    auto engine = std::make_unique<CSplineEngine>();
    for (const StudyRow& row : result.rows) {
        CopySettingsForRun(SettingsForValue(base, plan.sweep.setting, row.value), *engine);
        engine->Run();
        const StudyRow single{row.value, engine->m_dLeftError, engine->m_dInteriorError, engine->m_dRightError, 0};
        ExpectSameErrors(row, single, "single run");
    }
}

TEST(StudyRunner, NoisyRowsDependOnTheSeedAloneAndLeaveTheProgramsNoise)
{
    CSplnSettings base = FreshSettings();
    base.m_dAmplitude = 0.2;
    base.m_nFileLength = 2000;
    StudyPlan plan;
    plan.kind = StudyKind::Repeat;
    plan.repeat = 9;
    plan.seed = 42;

    ResetNoise();
    const StudyResult parallel = RunStudy(plan, base, nullptr, 3);
    EXPECT_EQ(NextNoise(), 41) << "the study moved the program's noise";
    const StudyResult sequential = RunStudy(plan, base, nullptr, 1);
    ASSERT_EQ(parallel.rows.size(), 9u);
    ASSERT_EQ(sequential.rows.size(), 9u);
    for (size_t i = 0; i < 9; ++i)
        ExpectSameErrors(parallel.rows[i], sequential.rows[i], "threads");
    EXPECT_FALSE(SameBits(parallel.rows[0].interiorError, parallel.rows[1].interiorError)) << "no new noise";

    // The runs are those of one engine going on through the sequence from the seed.
    auto engine = std::make_unique<CSplineEngine>();
    NoiseSequence noise(42);
    engine->m_pNoise = &noise;
    CopySettingsForRun(base, *engine);
    for (const StudyRow& row : parallel.rows) {
        engine->Run();
        ExpectSameErrors(row, {row.value, engine->m_dLeftError, engine->m_dInteriorError, engine->m_dRightError, 0},
                         "one engine");
    }

    plan.seed = 43;
    const StudyResult otherSeed = RunStudy(plan, base, nullptr, 2);
    EXPECT_FALSE(SameBits(otherSeed.rows[0].interiorError, parallel.rows[0].interiorError));
}

TEST(StudyRunner, CancelKeepsTheFinishedRows)
{
    CSplnSettings base = FreshSettings();
    StudyPlan plan;
    plan.sweep.from = 15;
    plan.sweep.to = 501;
    plan.sweep.step = 2;
    StudyProgress progress;
    std::thread watcher([&progress] {
        while (progress.done.load() < 3)
            std::this_thread::yield();
        progress.cancel.store(true);
    });
    const StudyResult cancelled = RunStudy(plan, base, &progress, 2);
    watcher.join();
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.planned, 244);
    ASSERT_GE(cancelled.rows.size(), 3u);
    ASSERT_LT(cancelled.rows.size(), 244u);
    EXPECT_EQ(static_cast<int>(cancelled.rows.size()), progress.done.load());

    // The rows kept are the first of the plan, as a full study gives them.
    plan.sweep.to = 15 + 2 * static_cast<int>(cancelled.rows.size() - 1);
    const StudyResult full = RunStudy(plan, base, nullptr, 1);
    ASSERT_EQ(full.rows.size(), cancelled.rows.size());
    for (size_t i = 0; i < full.rows.size(); ++i)
        ExpectSameErrors(cancelled.rows[i], full.rows[i], "kept row");
}

TEST(StudyRunner, GridRowsAreThoseOfSingleRunsGoingOnThroughTheNoise)
{
    CSplnSettings base = FreshSettings();
    base.m_dAmplitude = 0.1;
    base.m_nFileLength = 3000;
    StudyPlan plan;
    plan.kind = StudyKind::Grid;
    plan.sweep = {kSettingSchwarzCount, 15, 101, Spacing::Log, 1, 3};
    plan.across = {kSettingWindow, 1, 9, Spacing::Step, 4, 0};
    plan.seed = 5;
    const StudyResult grid = RunStudy(plan, base, nullptr, 3);
    ASSERT_EQ(grid.planned, 9);
    ASSERT_EQ(grid.rows.size(), 9u);

    // Row by row, the second setting fastest, each run going on with the sequence.
    auto engine = std::make_unique<CSplineEngine>();
    NoiseSequence noise(5);
    engine->m_pNoise = &noise;
    size_t at = 0;
    for (int splines : SweepValues(plan.sweep)) {
        for (int window : SweepValues(plan.across)) {
            const StudyRow& row = grid.rows[at++];
            EXPECT_EQ(row.value, splines);
            EXPECT_EQ(row.across, window);
            CSplnSettings settings = SettingsForValue(base, kSettingSchwarzCount, splines);
            CopySettingsForRun(SettingsForValue(settings, kSettingWindow, window), *engine);
            engine->Run();
            ExpectSameErrors(row, {splines, engine->m_dLeftError, engine->m_dInteriorError, engine->m_dRightError, 0},
                             "grid cell");
        }
    }
}

TEST(StudyRunner, SeededStudiesGiveTheSameBytesAtAnyThreadCount)
{
    CSplnSettings noisy = FreshSettings();
    noisy.m_dAmplitude = 0.2;
    noisy.m_nFileLength = 2000;
    StudyPlan sweep;
    sweep.sweep = {kSettingSchwarzCount, 15, 201, Spacing::Log, 1, 7};
    StudyPlan grid = sweep;
    grid.kind = StudyKind::Grid;
    grid.across = {kSettingWindow, 1, 3, Spacing::Step, 1, 0};
    StudyPlan selection = sweep;
    selection.kind = StudyKind::Select;
    StudyPlan repeat;
    repeat.kind = StudyKind::Repeat;
    repeat.repeat = 12;
    for (const StudyPlan& plan : {sweep, grid, selection, repeat}) {
        const StudyResult one = RunStudy(plan, noisy, nullptr, 1);
        const StudyResult three = RunStudy(plan, noisy, nullptr, 3);
        ASSERT_TRUE(one.failure.empty()) << one.failure;
        EXPECT_EQ(FormatStudyCsv(one), FormatStudyCsv(three));
        EXPECT_EQ(FormatStudyJson(one), FormatStudyJson(three));
        EXPECT_EQ(FormatStudyCsv(one).find("milliseconds"), std::string::npos);
        EXPECT_NE(FormatStudyCsv(one, true).find("milliseconds"), std::string::npos);
    }

    // A selection fits the same data at every value: one value alone gives its row again.
    const StudyResult chosen = RunStudy(selection, noisy, nullptr, 2);
    StudyPlan single = selection;
    const int value = chosen.rows[2].value;
    single.sweep = {kSettingSchwarzCount, value, value + 1, Spacing::Step, 2, 0};
    const StudyResult alone = RunStudy(single, noisy, nullptr, 1);
    ASSERT_EQ(alone.rows.size(), 1u);
    EXPECT_TRUE(SameBits(chosen.rows[2].criterion, alone.rows[0].criterion));
    ExpectSameErrors(chosen.rows[2], alone.rows[0], "selection row");
}
