// A study's rows against single runs, its own noise, and Cancel.

#include "study/StudyRunner.h"

#include "engine/CSplineEngine.h"
#include "engine/Noise.h"

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
    plan.setting = kSettingWindow;
    plan.from = 1;
    plan.to = 41;
    plan.step = 8;
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
        CopySettingsForRun(SettingsForValue(base, plan.setting, row.value), *engine);
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
    plan.from = 15;
    plan.to = 501;
    plan.step = 2;
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
    plan.to = 15 + 2 * static_cast<int>(cancelled.rows.size() - 1);
    const StudyResult full = RunStudy(plan, base, nullptr, 1);
    ASSERT_EQ(full.rows.size(), cancelled.rows.size());
    for (size_t i = 0; i < full.rows.size(); ++i)
        ExpectSameErrors(cancelled.rows[i], full.rows[i], "kept row");
}
