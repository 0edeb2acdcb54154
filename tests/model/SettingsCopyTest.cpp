// Copies of the settings into and out of the engine, and of a finished run's outcome.

#include "engine/CSplineEngine.h"
#include "model/RunResults.h"
#include "model/SettingsRecord.h"
#include "model/SplnSettings.h"
#include "tests/engine/EngineTestSupport.h"
#include "tests/model/SettingsTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace spln;
using spln::test::MakeEngine;
using spln::test::SameBitsAt;
using spln::test::SameSettingsAs;

namespace {

double EngineValue(const SettingRange& range, const CSplineEngine& e)
{
    return range.engineReal ? e.*range.engineReal : e.*range.engineWhole;
}

// Every setting reaches its own engine member in the engine's form: the
// method plus one and, in a run's copy only, projection types 3 and 4 exchanged.
void ExpectInEngine(const CSplnSettings& s, const CSplineEngine& e, bool forRun)
{
    for (const SettingRange& range : kSettingRanges) {
        if (range.engineText) {
            EXPECT_STREQ(e.*range.engineText, s.*range.docText) << range.flag;
            continue;
        }
        double expected = GetSetting(s, range.id);
        if (range.engineForm == EngineForm::MethodNumber)
            expected += 1;
        else if (range.engineForm == EngineForm::ProjectionType && forRun)
            expected = ProjectionTypeForRun(static_cast<int>(expected));
        EXPECT_EQ(EngineValue(range, e), expected) << range.flag;
    }
}

// No copy of the settings touches what the engine fixes at construction.
void ExpectFixedMembersKept(const CSplineEngine& e)
{
    const auto fresh = MakeEngine();
    EXPECT_EQ(e.m_dHalfWidth, fresh->m_dHalfWidth);
    EXPECT_EQ(e.m_nPoints, fresh->m_nPoints);
    EXPECT_EQ(e.m_nMaxLsqSamples, fresh->m_nMaxLsqSamples);
    EXPECT_EQ(e.m_nResultCount, 0);
}

CSplnSettings AwayWithProjectionType(int type)
{
    CSplnSettings s = test::SettingsAwayFromDefaults();
    s.m_nSchwarzType = type;
    return s;
}

}  // namespace

TEST(SettingsCopies, DialogLoadsFromTheEngineMinusOne)
{
    auto e = MakeEngine();
    CSplnSettings s;
    LoadSettingsFromEngine(*e, s);
    EXPECT_TRUE(SameSettingsAs(DefaultSettings(), s));
    EXPECT_EQ(s.m_nMethod, 0);

    const CSplnSettings away = AwayWithProjectionType(3);
    StoreSettingsInEngine(away, *e);
    LoadSettingsFromEngine(*e, s);
    EXPECT_TRUE(SameSettingsAs(away, s));
}

TEST(SettingsCopies, DocumentStoresWithoutExchangingKernelTypes)
{
    auto e = MakeEngine();
    const CSplnSettings s = AwayWithProjectionType(3);
    StoreSettingsInEngine(s, *e);
    ExpectInEngine(s, *e, false);
    EXPECT_EQ(e->m_nSchwarzType, 3);
    ExpectFixedMembersKept(*e);
}

TEST(SettingsCopies, ViewExchangesKernelTypes3And4)
{
    auto e = MakeEngine();
    CSplnSettings s = test::SettingsAwayFromDefaults();
    CopySettingsForRun(s, *e);
    ExpectInEngine(s, *e, true);
    ExpectFixedMembersKept(*e);
    const int expected[5] = {0, 1, 2, 4, 3};
    for (int type = 1; type <= 4; ++type) {
        s.m_nSchwarzType = type;
        CopySettingsForRun(s, *e);
        EXPECT_EQ(e->m_nSchwarzType, expected[type]) << type;
    }
    s.m_nMethod = 0;
    CopySettingsForRun(s, *e);
    EXPECT_EQ(e->m_nMethod, 1);
}

TEST(SettingsCopies, MethodsThatAreNoMethodReachTheEngineWithoutOverflow)
{
    // The engine refuses them as bad settings; the copies must not overflow on the way.
    for (int method : {INT_MIN, -1, 2, INT_MAX}) {
        CSplnSettings s;
        s.m_nMethod = method;
        auto e = MakeEngine();
        CopySettingsForRun(s, *e);
        e->Run();
        EXPECT_EQ(e->m_eFailure, spln::RunFailure::BadSettings) << method;
        LoadSettingsFromEngine(*e, s);
        EXPECT_TRUE(s.m_nMethod != 0 && s.m_nMethod != 1) << method << " came back as a method";
    }
}

// The copy the desktop view keeps of the run it drew: whatever a reader of
// the results sees must be the same in the copy, for both methods.
TEST(RunOutcomeCopy, KeepsEverySettingAndWhatReadersSee)
{
    for (int method : {0, 1}) {
        CSplnSettings settings = test::RunnableAwayFromDefaults();
        settings.m_nMethod = method;
        auto run = MakeEngine();
        CopySettingsForRun(settings, *run);
        run->Run();
        ASSERT_EQ(run->m_eFailure, RunFailure::None) << method;
        auto copy = MakeEngine();
        CopyRunOutcome(*run, *copy);

        for (const SettingRange& range : kSettingRanges) {
            if (range.engineText)
                EXPECT_STREQ(copy.get()->*range.engineText, run.get()->*range.engineText) << range.flag;
            else
                EXPECT_EQ(EngineValue(range, *copy), EngineValue(range, *run)) << range.flag;
        }
        EXPECT_EQ(copy->m_nResultCount, run->m_nResultCount);
        const int count = run->m_nResultCount;
        EXPECT_TRUE(SameBitsAt("x", run->m_dX, copy->m_dX, count));
        EXPECT_TRUE(SameBitsAt("data", run->m_dData, copy->m_dData, count));
        EXPECT_TRUE(SameBitsAt("exact", run->m_dExact, copy->m_dExact, count));
        EXPECT_TRUE(SameBitsAt("approx", run->m_dApprox, copy->m_dApprox, count));
        EXPECT_STREQ(copy->m_szReport, run->m_szReport);
        EXPECT_EQ(copy->m_dLeftError, run->m_dLeftError);
        EXPECT_EQ(copy->m_dInteriorError, run->m_dInteriorError);
        EXPECT_EQ(copy->m_dRightError, run->m_dRightError);
        EXPECT_EQ(copy->m_eFailure, run->m_eFailure);
    }
}
