// Tests of the settings check: every setting at its extremes is refused with the results untouched.

#include "engine/CSplineEngine.h"
#include "engine/RunFailure.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace spln;
using namespace spln::test;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct WholeSetting {
    const char* name;
    int CSplineEngine::*member;
    int min;
    int max;
};

struct RealSetting {
    const char* name;
    double CSplineEngine::*member;
    double min;
    double max;
};

const WholeSetting kWholeSettings[] = {
    {"source", &CSplineEngine::m_nSource, 0, 2},
    {"method", &CSplineEngine::m_nMethod, 1, 2},
    {"example", &CSplineEngine::m_nExample, 1, 11},
    {"samples", &CSplineEngine::m_nSamples, 2, kMaxSamples},
    {"window", &CSplineEngine::m_nWindow, 1, kMaxSamples},
    {"basic splines", &CSplineEngine::m_nSchwarzCount, 2, kMaxSamples},
    {"projection kernel", &CSplineEngine::m_nSchwarzType, 1, 4},
    {"least-squares functions", &CSplineEngine::m_nLsqCount, 2, kMaxSystem},
    {"least-squares basis", &CSplineEngine::m_nLsqType, 1, 5},
    {"least-squares points", &CSplineEngine::m_nMaxLsqSamples, 2, kMaxLsqPoints},
    {"output points", &CSplineEngine::m_nPoints, 2, kMaxSamples},
};

const RealSetting kRealSettings[] = {
    {"half width", &CSplineEngine::m_dHalfWidth, 1e-30, 1e30},
    {"amplitude", &CSplineEngine::m_dAmplitude, -1e100, 1e100},
    {"left value", &CSplineEngine::m_dLeftValue, -1e100, 1e100},
    {"right value", &CSplineEngine::m_dRightValue, -1e100, 1e100},
    {"left derivative", &CSplineEngine::m_dLeftDeriv, -1e100, 1e100},
    {"right derivative", &CSplineEngine::m_dRightDeriv, -1e100, 1e100},
};

// A valid sample file, for the runs that switch the source to it.
const std::string& SampleFilePath()
{
    static const TempDir dir;
    static const std::string path = [] {
        std::vector<double> numbers;
        for (int i = 0; i < kFileSamples; ++i)
            numbers.push_back(std::sin(0.01 * i));
        return dir.Write("sig.dat", NumbersText(numbers));
    }();
    return path;
}

// Small counts, so that a run at any single extreme stays cheap.
std::unique_ptr<CSplineEngine> CheapEngine(int method)
{
    auto e = MakeEngine();
    UseSampleFile(*e, SampleFilePath());
    e->m_nSource = 0;
    e->m_nSamples = 200;
    e->m_nPoints = 50;
    // A table of zeros, so that a formula run completes as well.
    e->m_nFunctionSamples = 200;
    e->m_nFunctionPoints = 50;
    e->m_nSchwarzCount = 15;
    e->m_nLsqCount = 5;
    e->m_nMaxLsqSamples = 101;
    e->m_nMethod = method;
    return e;
}

// Runs with one setting changed; outside its domain the run must be refused
// with the earlier results untouched, inside it must complete.
template <typename Setting, typename Value>
void ExpectRun(const Setting& setting, Value value, bool computable)
{
    for (int method : {1, 2}) {
        auto e = CheapEngine(method);
        e->Run();
        ASSERT_EQ(e->m_eFailure, RunFailure::None);
        const ResultSnapshot before = ResultSnapshot::Of(*e);
        (*e).*setting.member = value;
        e->Run();
        if (computable) {
            EXPECT_EQ(e->m_eFailure, RunFailure::None) << setting.name << " = " << value << ", method " << method;
            continue;
        }
        EXPECT_EQ(e->m_eFailure, RunFailure::BadSettings) << setting.name << " = " << value;
        EXPECT_TRUE(ResultSnapshot::Of(*e) == before) << setting.name << " = " << value;
        EXPECT_NE(DescribeRunFailure(*e).find(" is "), std::string::npos) << DescribeRunFailure(*e);
    }
}

}  // namespace

TEST(RunDomain, EveryWholeSettingAtItsExtremes)
{
    for (const WholeSetting& s : kWholeSettings) {
        for (int value : {INT_MIN, INT_MAX, s.min - 1, s.max + 1})
            ExpectRun(s, value, false);
        for (int value : {s.min, s.max})
            ExpectRun(s, value, true);
    }
}

TEST(RunDomain, EveryRealSettingAtItsExtremes)
{
    for (const RealSetting& s : kRealSettings) {
        for (double value : {kNaN, kInf, -kInf, std::nextafter(s.min, -kInf), std::nextafter(s.max, kInf),
                             -std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min()})
            if (!(value >= s.min && value <= s.max))
                ExpectRun(s, value, false);
        for (double value : {s.min, s.max})
            ExpectRun(s, value, true);
    }
}

TEST(RunDomain, MessageNamesTheSettingItsValueAndItsRange)
{
    auto e = MakeEngine();
    e->m_nWindow = 200000000;
    e->Run();
    EXPECT_EQ(DescribeRunFailure(*e),
              "The run settings cannot be computed: the window of averaging is 200000000; it must be from 1 to "
              "10000.");
    e->m_nWindow = 1;
    e->m_dHalfWidth = kNaN;
    e->Run();
    EXPECT_NE(DescribeRunFailure(*e).find("the half width of the interval is nan; it must be from 1e-30 to 1e+30"),
              std::string::npos)
        << DescribeRunFailure(*e);
}
