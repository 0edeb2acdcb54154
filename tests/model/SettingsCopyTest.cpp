// Copies of the settings into and out of the engine, member by member.

#include "engine/CSplineEngine.h"
#include "model/SplnSettings.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using spln::test::MakeEngine;

namespace {

CSplnSettings DistinctSettings()
{
    CSplnSettings s;
    s.m_nSource = 1;
    s.m_nFileLength = 4321;
    s.m_dAmplitude = 0.25;
    s.m_nExample = 9;
    s.m_nBoard = 0;
    s.m_dLeftValue = -0.5;
    s.m_dRightValue = 0.75;
    s.m_dRightDeriv = 3.5;
    s.m_dLeftDeriv = -2.5;
    s.m_nLeftMargin = 17;
    s.m_nRightMargin = 23;
    s.m_nMethod = 1;
    s.m_nWindow = 31;
    s.m_nSchwarzCount = 77;
    s.m_nSchwarzType = 3;
    s.m_nLsqCount = 12;
    s.m_nLsqType = 4;
    return s;
}

void ExpectCopied(const CSplnSettings& s, const CSplineEngine& e)
{
    EXPECT_EQ(e.m_nSource, s.m_nSource);
    EXPECT_EQ(e.m_nSamples, s.m_nFileLength);
    EXPECT_EQ(e.m_dAmplitude, s.m_dAmplitude);
    EXPECT_EQ(e.m_nExample, s.m_nExample);
    EXPECT_EQ(e.m_nBoard, s.m_nBoard);
    EXPECT_EQ(e.m_dLeftValue, s.m_dLeftValue);
    EXPECT_EQ(e.m_dRightValue, s.m_dRightValue);
    EXPECT_EQ(e.m_dRightDeriv, s.m_dRightDeriv);
    EXPECT_EQ(e.m_dLeftDeriv, s.m_dLeftDeriv);
    EXPECT_EQ(e.m_nLeftMargin, s.m_nLeftMargin);
    EXPECT_EQ(e.m_nRightMargin, s.m_nRightMargin);
    EXPECT_EQ(e.m_nMethod, s.m_nMethod + 1);
    EXPECT_EQ(e.m_nWindow, s.m_nWindow);
    EXPECT_EQ(e.m_nSchwarzCount, s.m_nSchwarzCount);
    EXPECT_EQ(e.m_nLsqCount, s.m_nLsqCount);
    EXPECT_EQ(e.m_nLsqType, s.m_nLsqType);
}

void ExpectFixedMembersKept(const CSplineEngine& e)
{
    EXPECT_EQ(e.m_dHalfWidth, 1.0);
    EXPECT_EQ(e.m_nPoints, 640);
    EXPECT_EQ(e.m_nMaxLsqSamples, 501);
    EXPECT_EQ(e.m_nResultCount, 0);
}

}  // namespace

TEST(SettingsCopies, DialogLoadsFromTheEngineMinusOne)
{
    auto e = MakeEngine();
    CSplnSettings s;
    LoadSettingsFromEngine(*e, s);
    EXPECT_EQ(s.m_nMethod, 0);
    EXPECT_EQ(s.m_nLsqCount, 35);
    EXPECT_EQ(s.m_nLsqType, 5);
    EXPECT_EQ(s.m_nFileLength, 10000);

    StoreSettingsInEngine(DistinctSettings(), *e);
    LoadSettingsFromEngine(*e, s);
    const CSplnSettings expected = DistinctSettings();
    EXPECT_EQ(s.m_nSchwarzType, 3);
    EXPECT_EQ(s.m_nMethod, expected.m_nMethod);
    ExpectCopied(s, *e);
}

TEST(SettingsCopies, DocumentStoresWithoutExchangingKernelTypes)
{
    auto e = MakeEngine();
    const CSplnSettings s = DistinctSettings();
    StoreSettingsInEngine(s, *e);
    ExpectCopied(s, *e);
    EXPECT_EQ(e->m_nSchwarzType, 3);
    ExpectFixedMembersKept(*e);
}

TEST(SettingsCopies, ViewExchangesKernelTypes3And4)
{
    auto e = MakeEngine();
    CSplnSettings s = DistinctSettings();
    CopySettingsForRun(s, *e);
    ExpectCopied(s, *e);
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
