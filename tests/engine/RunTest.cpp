// Whole runs: a fresh engine, results, report lines, noise and the sample file's ends.

#include "engine/CSplineEngine.h"
#include "engine/Kernels.h"
#include "engine/Noise.h"
#include "engine/RunDomain.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

using namespace spln;
using namespace spln::test;

namespace {

bool AllFinite(const CSplineEngine& e)
{
    for (int k = 0; k < e.m_nResultCount; ++k)
        if (!std::isfinite(e.m_dX[k]) || !std::isfinite(e.m_dApprox[k]) || !std::isfinite(e.m_dData[k]) ||
            !std::isfinite(e.m_dExact[k]))
            return false;
    return true;
}

// A file whose 4501 numbers lie on a polynomial of the sample position and
// normalise exactly: (m^2 + 3m + c) / 2^23 with m = 2250 x, largest 2^23.
constexpr double kOffset = 3319358.0;
constexpr double kScale = 8388608.0;

double FilePolynomial(double x)
{
    const double m = 2250.0 * x;
    return (m * m + 3.0 * m + kOffset) / kScale;
}

double FilePolynomialSlope(double x)
{
    return (2.0 * 2250.0 * 2250.0 * x + 3.0 * 2250.0) / kScale;
}

std::string PolynomialFileText()
{
    std::string text;
    for (int i = 0; i < kFileSamples; ++i) {
        const long long m = i - 2250;
        text += std::to_string(m * m + 3 * m + static_cast<long long>(kOffset)) + "\n";
    }
    return text;
}

}  // namespace

// The settings' defaults are the settings record's, checked there; what
// matters here is that they make a run and that nothing reads as a result yet.
TEST(EngineDefaults, AFreshEngineCanRunAndHoldsNoResults)
{
    auto e = MakeEngine();
    EXPECT_EQ(FirstUncomputableSetting(*e), 0);
    // Pinned: every picture and output file covers [-1, 1] in 640 points.
    EXPECT_EQ(e->m_dHalfWidth, 1.0);
    EXPECT_EQ(e->m_nPoints, 640);
    EXPECT_EQ(e->m_nMaxLsqSamples, kMaxLsqPoints);  // the basis table's columns

    // As in a zero-initialised program-wide instance, though this one is on the heap.
    EXPECT_EQ(e->m_nResultCount, 0);
    EXPECT_STREQ(e->m_szReport, "");
    EXPECT_STREQ(e->m_szDataPath, "");
    EXPECT_EQ(e->m_eFailure, RunFailure::None);
    const auto allZero = [](const double* values, std::size_t count) {
        return std::all_of(values, values + count, [](double v) { return SameBits(v, 0.0); });
    };
    for (const double* results : {e->m_dX, e->m_dApprox, e->m_dData, e->m_dExact})
        EXPECT_TRUE(allZero(results, kMaxSamples));
    EXPECT_TRUE(allZero(&e->m_dMatrix[0][0], sizeof e->m_dMatrix / sizeof(double)));
    EXPECT_TRUE(allZero(e->m_dVector, kMaxSystem));
    for (const double error : {e->m_dLeftError, e->m_dInteriorError, e->m_dRightError})
        EXPECT_TRUE(SameBits(error, 0.0));
}

TEST(RunBuiltIn, DefaultRunFillsTheResults)
{
    auto e = MakeEngine();
    e->Run();
    ASSERT_EQ(e->m_eFailure, RunFailure::None);
    ASSERT_EQ(e->m_nResultCount, 640);
    EXPECT_EQ(e->m_dX[0], -1.0);
    EXPECT_NEAR(e->m_dX[639], 1.0, 1e-13);
    EXPECT_TRUE(AllFinite(*e));
    EXPECT_EQ(e->m_dX[640], 0.0);  // entries beyond the output points stay untouched
    for (int k = 0; k < 640; k += 37)
        EXPECT_EQ(e->m_dExact[k], e->ExampleFunction(e->m_dX[k]));
    // Without noise the data are the function itself, up to the trend line's rounding.
    EXPECT_NEAR(e->m_dData[100], e->m_dExact[100], 1e-15);
    EXPECT_NEAR(e->m_dApprox[320], e->m_dExact[320], 1e-3);
}

TEST(RunBuiltIn, BoundaryCubicFromTheDerivativeTable)
{
    // The residual is the detrended function minus the cubic through the end
    // values 0 with the table's slopes: example 6 (slopes -1, 1) subtracts
    // 0.5 x^2 - 0.5, example 4 (slopes -0.75, -0.75) subtracts 0.375 (x - x^3).
    auto e = MakeEngine();
    e->m_nSamples = 101;
    e->m_nExample = 6;
    e->Run();
    for (int i = 0; i < 101; i += 5) {
        const double x = e->m_wsX[i];
        EXPECT_NEAR(e->m_wsY[i], e->Detrended(x) - (0.5 * x * x - 0.5), 1e-15) << x;
    }
    e->m_nExample = 4;
    e->Run();
    for (int i = 0; i < 101; i += 5) {
        const double x = e->m_wsX[i];
        EXPECT_NEAR(e->m_wsY[i], e->Detrended(x) - 0.375 * (x - x * x * x), 1e-15) << x;
    }
}

TEST(RunBuiltIn, ReportLineFormat)
{
    auto e = MakeEngine();
    e->Run();
    const std::string report = e->m_szReport;
    const std::regex format(
        R"(left board error = \d+\.\d{6}    internal error = \d+\.\d{6}    right board error = \d+\.\d{6})");
    EXPECT_TRUE(std::regex_match(report, format)) << report;
    double left = 0, inner = 0, right = 0;
    ASSERT_EQ(std::sscanf(e->m_szReport, "left board error = %lf    internal error = %lf    right board error = %lf",
                          &left, &inner, &right),
              3);
    double largest = -1.0;
    for (int k = 6; k <= 633; ++k)
        largest = std::max(largest, std::fabs(e->m_dApprox[k] - e->m_dExact[k]));
    EXPECT_NEAR(inner, largest, 5e-7);
    EXPECT_NEAR(left, std::fabs(e->m_dApprox[0] - e->m_dExact[0]), 5e-7);
    // The same errors as numbers, to the last bit.
    EXPECT_TRUE(SameBits(e->m_dInteriorError, largest));
    EXPECT_TRUE(SameBits(e->m_dLeftError, std::fabs(e->m_dApprox[0] - e->m_dExact[0])));
    EXPECT_TRUE(SameBits(e->m_dRightError, std::fabs(e->m_dApprox[639] - e->m_dExact[639])));
}

TEST(RunBuiltIn, FewOutputPointsHaveNoInterior)
{
    auto e = MakeEngine();
    e->m_nPoints = 11;
    e->Run();
    EXPECT_NE(std::string(e->m_szReport).find("internal error = -1.000000"), std::string::npos) << e->m_szReport;
    e->m_nPoints = 12;
    e->Run();
    EXPECT_EQ(std::string(e->m_szReport).find("-1.000000"), std::string::npos) << e->m_szReport;
}

TEST(RunBuiltIn, EveryExampleMethodAndTypeGivesFiniteResults)
{
    auto e = MakeEngine();
    e->m_nSamples = 2000;
    for (int example = 1; example <= 11; ++example) {
        e->m_nExample = example;
        e->m_nMethod = 1;
        for (int type = 1; type <= 4; ++type) {
            e->m_nSchwarzType = type;
            e->Run();
            EXPECT_TRUE(AllFinite(*e)) << "example " << example << " kernel " << type;
        }
        e->m_nMethod = 2;
        for (int type = 1; type <= 5; ++type) {
            e->m_nLsqType = type;
            e->Run();
            EXPECT_TRUE(AllFinite(*e)) << "example " << example << " basis " << type;
        }
    }
}

TEST(RunBuiltIn, ApproximationsFollowSmoothFunctions)
{
    auto e = MakeEngine();
    e->m_nExample = 3;
    e->m_nSchwarzCount = 101;
    e->m_nWindow = 5;
    for (int type = 1; type <= 4; ++type) {
        e->m_nSchwarzType = type;
        e->Run();
        double worst = 0.0;
        for (int k = 0; k < 640; ++k)
            worst = std::max(worst, std::fabs(e->m_dApprox[k] - e->m_dExact[k]));
        EXPECT_LT(worst, 0.04) << "kernel " << type;
    }
    e->m_nMethod = 2;
    e->m_nLsqCount = 35;
    e->m_nLsqType = 5;
    e->Run();
    double worst = 0.0;
    for (int k = 0; k < 640; ++k)
        worst = std::max(worst, std::fabs(e->m_dApprox[k] - e->m_dExact[k]));
    EXPECT_LT(worst, 0.01);
}

TEST(RunBuiltIn, NoiseGoesOnFromRunToRun)
{
    auto e = MakeEngine();
    e->m_dAmplitude = 0.1;
    e->Run();
    const ResultSnapshot first = ResultSnapshot::Of(*e);
    e->Run();
    const ResultSnapshot second = ResultSnapshot::Of(*e);
    EXPECT_NE(first.data, second.data);
    EXPECT_NE(first.approx, second.approx);
    EXPECT_EQ(first.exact, second.exact);
}

TEST(RunBuiltIn, SameNoiseStateGivesIdenticalBits)
{
    auto a = MakeEngine();
    auto b = MakeEngine();
    for (auto* e : {a.get(), b.get()}) {
        e->m_dAmplitude = 0.3;
        e->m_nExample = 8;
        e->m_nMethod = 2;
        e->m_nLsqType = 1;
    }
    ResetNoise(12345);
    a->Run();
    ResetNoise(12345);
    b->Run();
    for (int k = 0; k < 640; ++k) {
        ASSERT_TRUE(SameBits(a->m_dApprox[k], b->m_dApprox[k])) << k;
        ASSERT_TRUE(SameBits(a->m_dData[k], b->m_dData[k])) << k;
    }
    EXPECT_STREQ(a->m_szReport, b->m_szReport);
}

TEST(RunBuiltIn, UsesOneDrawPerSampleAndOutputPoint)
{
    auto e = MakeEngine();
    e->m_nSamples = 100;
    ResetNoise();
    e->Run();
    const int afterRun = NextNoise();
    ResetNoise();
    for (int i = 0; i < 100 + 640; ++i)
        NextNoise();
    EXPECT_EQ(afterRun, NextNoise());
}

TEST(RunBuiltIn, EndSamplesAreNoiseFree)
{
    // The residual workspace keeps the samples minus the boundary cubic: the
    // ends carry no noise, so the cubic takes them to zero.
    auto e = MakeEngine();
    e->m_nExample = 6;
    e->m_dAmplitude = 0.5;
    e->m_nSamples = 500;
    e->Run();
    EXPECT_NEAR(e->m_wsY[0], 0.0, 1e-15);
    EXPECT_NEAR(e->m_wsY[499], 0.0, 1e-15);
    double largest = 0.0;
    for (int i = 1; i < 499; ++i)
        largest = std::max(largest, std::fabs(e->m_wsY[i]));
    EXPECT_GT(largest, 0.2);
}

TEST(RunBuiltIn, SettingsBeyondCapacityAreRefused)
{
    auto e = MakeEngine();
    e->Run();
    const ResultSnapshot before = ResultSnapshot::Of(*e);
    e->m_nSamples = kMaxSamples + 1;
    e->Run();
    EXPECT_EQ(e->m_eFailure, RunFailure::BadSettings);
    EXPECT_TRUE(ResultSnapshot::Of(*e) == before);
    e->m_nSamples = 10000;
    e->m_nMethod = 2;
    e->m_nLsqCount = 52;
    e->Run();
    EXPECT_EQ(e->m_eFailure, RunFailure::BadSettings);
    e->m_nLsqCount = 51;
    e->Run();
    EXPECT_EQ(e->m_eFailure, RunFailure::None);
    const ResultSnapshot lsq = ResultSnapshot::Of(*e);
    e->m_nMethod = 3;
    e->Run();
    EXPECT_EQ(e->m_eFailure, RunFailure::BadSettings);
    e->m_nMethod = 1;
    e->m_nSource = 3;
    e->Run();
    EXPECT_EQ(e->m_eFailure, RunFailure::BadSettings);
    EXPECT_TRUE(ResultSnapshot::Of(*e) == lsq);
}

TEST(RunLeastSquares, FewSamplesAreFittedDirectly)
{
    // With at most 501 samples the values fitted are the samples themselves, so
    // the window of averaging has no effect; with 502 it has.
    auto a = MakeEngine();
    auto b = MakeEngine();
    for (auto* e : {a.get(), b.get()}) {
        e->m_nMethod = 2;
        e->m_nExample = 7;
        e->m_nSamples = 501;
    }
    b->m_nWindow = 40;
    a->Run();
    b->Run();
    // Only the type-1 basis reads the window; type 5 is the default.
    EXPECT_TRUE(ResultSnapshot::Of(*a).approx == ResultSnapshot::Of(*b).approx);
    a->m_nSamples = b->m_nSamples = 502;
    a->Run();
    b->Run();
    EXPECT_FALSE(ResultSnapshot::Of(*a).approx == ResultSnapshot::Of(*b).approx);
}

class RunPolynomialFile : public ::testing::TestWithParam<int> {};

TEST_P(RunPolynomialFile, EstimatedEndsLeaveNoResidual)
{
    TempDir dir;
    auto e = MakeEngine();
    UseSampleFile(*e, dir.Write("sig.dat", PolynomialFileText()));
    e->m_nMethod = GetParam();
    e->m_nBoard = 1;
    e->Run();
    ASSERT_EQ(e->m_eFailure, RunFailure::None);
    EXPECT_EQ(e->m_dData[0], FilePolynomial(-1.0));
    for (int k = 0; k < 640; ++k)
        ASSERT_NEAR(e->m_dApprox[k], FilePolynomial(e->m_dX[k]), 1e-12) << k;
    for (int i = 0; i < kFileSamples; ++i)
        ASSERT_NEAR(e->m_wsY[i], 0.0, 1e-13) << i;
}

TEST_P(RunPolynomialFile, GivenEndsCarryTheCubic)
{
    TempDir dir;
    auto e = MakeEngine();
    UseSampleFile(*e, dir.Write("sig.dat", PolynomialFileText()));
    e->m_nMethod = GetParam();
    e->m_nBoard = 0;
    e->m_dLeftValue = FilePolynomial(-1.0);
    e->m_dRightValue = FilePolynomial(1.0);
    e->m_dLeftDeriv = FilePolynomialSlope(-1.0);
    e->m_dRightDeriv = FilePolynomialSlope(1.0);
    e->Run();
    ASSERT_EQ(e->m_eFailure, RunFailure::None);
    for (int k = 0; k < 640; ++k)
        ASSERT_NEAR(e->m_dApprox[k], FilePolynomial(e->m_dX[k]), 1e-12) << k;
}

INSTANTIATE_TEST_SUITE_P(BothMethods, RunPolynomialFile, ::testing::Values(1, 2));

// The estimation's twenty sums, taken in one pass, against each sum on its
// own: the left samples, then the right ones, each in index order.
TEST(RunFile, EstimationSumsTermByTerm)
{
    // Multiples of 2^-12 with largest magnitude 1: the normalised samples are these numbers.
    std::vector<double> numbers(kFileSamples);
    double* y = numbers.data();
    for (int i = 0; i < kFileSamples; ++i)
        y[i] = std::ldexp(std::round(std::sin(0.013 * i) * 3000.0), -12);
    y[2000] = 1.0;
    TempDir dir;
    auto e = MakeEngine();
    UseSampleFile(*e, dir.Write("sig.dat", NumbersText(numbers)));
    e->m_nBoard = 1;
    e->Run();
    ASSERT_EQ(e->m_eFailure, RunFailure::None);

    auto reference = MakeEngine();
    const double* x = e->m_wsX;
    auto sum = [&](auto term) {
        double s = 0.0;
        for (int i = 0; i < 250; ++i)  // the first 250 and the last 251 samples
            s = s + term(i);
        for (int i = 4250; i < kFileSamples; ++i)
            s = s + term(i);
        return s;
    };
    for (int k = 0; k < 4; ++k) {
        for (int l = 0; l < 4; ++l)
            reference->m_dMatrix[k][l] = sum([&](int i) { return IntPower(l, x[i]) * IntPower(k, x[i]); });
        reference->m_dVector[k] = sum([&](int i) { return IntPower(k, x[i]) * y[i]; });
    }
    double cubic[4];
    reference->Solve(4, cubic);
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(SameBits(e->m_wsCubic[k], cubic[k])) << "coefficient " << k;
}

TEST(RunBuiltIn, OwnNoiseSequenceLeavesTheProcessWideOneAlone)
{
    auto own = MakeEngine();
    auto shared = MakeEngine();
    for (auto* e : {own.get(), shared.get()})
        e->m_dAmplitude = 0.2;
    NoiseSequence sequence(77);
    own->m_pNoise = &sequence;
    ResetNoise();
    own->Run();
    EXPECT_EQ(NextNoise(), 41) << "the process-wide sequence moved";
    // The run took exactly the draws it announces, and skipping them lands on the same state.
    NoiseSequence skipped(77);
    skipped.Skip(static_cast<std::uint64_t>(own->NoiseDrawsPerRun()));
    EXPECT_EQ(sequence.State(), skipped.State());
    NoiseSequence stepped(77);
    for (int i = 0; i < own->NoiseDrawsPerRun(); ++i)
        stepped.Next();
    EXPECT_EQ(stepped.State(), skipped.State());
    ResetNoise(77);
    shared->Run();
    for (int k = 0; k < 640; ++k)
        ASSERT_TRUE(SameBits(own->m_dApprox[k], shared->m_dApprox[k])) << k;
    EXPECT_TRUE(SameBits(own->m_dInteriorError, shared->m_dInteriorError));
}

TEST(RunBuiltIn, NoiseSeedDrawsTheSameNoiseOnEveryRun)
{
    auto seeded = MakeEngine();
    auto reference = MakeEngine();
    for (auto* e : {seeded.get(), reference.get()}) {
        e->m_dAmplitude = 0.2;
        e->m_nExample = 8;
    }
    seeded->m_nNoiseSeed = 41;
    ResetNoise(9);
    seeded->Run();
    const ResultSnapshot first = ResultSnapshot::Of(*seeded);
    EXPECT_EQ(NextNoise(), NoiseSequence(9).Next()) << "a seeded run moved the process-wide sequence";
    seeded->Run();
    EXPECT_EQ(ResultSnapshot::Of(*seeded), first) << "seed 41 drew other noise the second time";

    // The seed starts the program's own generator at S, as a reset of the process-wide one does.
    ResetNoise(41);
    reference->Run();
    EXPECT_EQ(ResultSnapshot::Of(*reference), first);

    seeded->m_nNoiseSeed = 42;
    seeded->Run();
    EXPECT_NE(ResultSnapshot::Of(*seeded).data, first.data);

    // Seed 0 goes on with the process-wide sequence, as before seeds existed.
    seeded->m_nNoiseSeed = 0;
    ResetNoise(41);
    seeded->Run();
    EXPECT_EQ(ResultSnapshot::Of(*seeded), first);
    seeded->Run();
    EXPECT_NE(ResultSnapshot::Of(*seeded).data, first.data);

    // A sequence handed in (a study's) keeps precedence over the seed.
    NoiseSequence study(41);
    seeded->m_nNoiseSeed = 5;
    seeded->m_pNoise = &study;
    seeded->Run();
    EXPECT_EQ(ResultSnapshot::Of(*seeded), first);
    EXPECT_EQ(seeded->m_pNoise, &study);
}
