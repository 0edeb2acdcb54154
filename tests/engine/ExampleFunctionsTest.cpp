// The built-in example functions at known points.

#include "engine/CSplineEngine.h"
#include "engine/Noise.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace spln;
using spln::test::MakeEngine;

namespace {

double ExampleAt(int example, double x)
{
    auto e = MakeEngine();
    e->m_nExample = example;
    return e->ExampleFunction(x);
}

}  // namespace

TEST(ExampleFunctions, NotableValues)
{
    EXPECT_EQ(ExampleAt(1, 0.0), 0.0);
    EXPECT_EQ(ExampleAt(2, 1.0), std::cos(4.7));
    EXPECT_EQ(ExampleAt(2, -1.0), std::cos(4.7));
    EXPECT_EQ(ExampleAt(3, 0.0), 1.0);
    EXPECT_NEAR(ExampleAt(3, 0.2), 0.5, 1e-15);
    EXPECT_NEAR(ExampleAt(4, 0.2), 1.0, 1e-15);
    EXPECT_EQ(ExampleAt(5, 0.0), 0.0);
    EXPECT_EQ(ExampleAt(5, -0.5), -0.75);
    EXPECT_EQ(ExampleAt(6, -0.25), 0.25);
    EXPECT_EQ(ExampleAt(7, 0.5), 1.0);
    EXPECT_EQ(ExampleAt(7, -0.5), 1.0);
    EXPECT_EQ(ExampleAt(7, std::nextafter(0.5, 1.0)), 0.0);
    EXPECT_EQ(ExampleAt(7, std::nextafter(-0.5, -1.0)), 0.0);
    // Function 8 is exp(3 sin(8 pi x) - 1), not what its caption suggests.
    EXPECT_NEAR(ExampleAt(8, 1.0 / 16.0), std::exp(2.0), 1e-12);
    // Function 9 subtracts the shifted bumps.
    EXPECT_NEAR(ExampleAt(9, 0.75), 1.0 / 282.25 - 1.0 / 1126.0 - 1.0, 1e-15);
    EXPECT_NEAR(ExampleAt(10, 0.1), 1.0 + 1.0 / 41.0, 1e-15);
    EXPECT_NEAR(ExampleAt(11, 1.0 / 32.0), 1.0, 1e-12);
}

TEST(ExampleFunctions, OperandOrderOfTheBumps)
{
    const double x = 0.3;
    EXPECT_EQ(ExampleAt(10, x),
              1.0 / (1000.0 * ((x + 0.1) * (x + 0.1)) + 1.0) + 1.0 / (1000.0 * ((x - 0.1) * (x - 0.1)) + 1.0));
    EXPECT_EQ(ExampleAt(3, x), 1.0 / (25.0 * x * x + 1.0));
}

TEST(ExampleFunctions, ZeroOutsideTheBuiltInSource)
{
    auto e = MakeEngine();
    e->m_nExample = 0;
    EXPECT_EQ(e->ExampleFunction(0.3), 0.0);
    e->m_nExample = 12;
    EXPECT_EQ(e->ExampleFunction(0.3), 0.0);
    e->m_nExample = 3;
    e->m_nSource = 1;
    EXPECT_EQ(e->ExampleFunction(0.0), 0.0);
    EXPECT_EQ(e->TrendLine(0.4), 0.0);
    EXPECT_EQ(e->Detrended(0.4), 0.0);
}

TEST(ExampleFunctions, DetrendedVanishesAtTheEnds)
{
    auto e = MakeEngine();
    for (int example = 1; example <= 11; ++example) {
        e->m_nExample = example;
        EXPECT_EQ(e->Detrended(-1.0), 0.0) << example;
        EXPECT_NEAR(e->Detrended(1.0), 0.0, 1e-15) << example;
        EXPECT_EQ(e->TrendLine(-1.0), e->ExampleFunction(-1.0)) << example;
    }
    e->m_nExample = 4;  // odd function: the trend line is the chord through (-1, -10/26) and (1, 10/26)
    EXPECT_NEAR(e->TrendLine(0.0), 0.0, 1e-16);
    EXPECT_NEAR(e->TrendLine(0.5), 5.0 / 26.0, 1e-15);
}

TEST(Noise, ClassicSequenceFromStateOne)
{
    ResetNoise();
    EXPECT_EQ(NextNoise(), 41);
    EXPECT_EQ(NextNoise(), 18467);
    EXPECT_EQ(NextNoise(), 6334);
    EXPECT_EQ(NextNoise(), 26500);
    EXPECT_EQ(NextNoise(), 19169);
    for (int i = 0; i < 100000; ++i) {
        const int r = NextNoise();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, kNoiseMax);
    }
}

TEST(Noise, NoisySampleDrawsOnceEvenWithoutAmplitude)
{
    auto e = MakeEngine();
    e->m_nExample = 3;
    ResetNoise();
    EXPECT_EQ(e->NoisySample(0.25), e->Detrended(0.25));
    EXPECT_EQ(NextNoise(), 18467);
}

TEST(Noise, NoisySampleScalesTheDraw)
{
    auto e = MakeEngine();
    e->m_nSource = 1;  // noise alone
    e->m_dAmplitude = 0.5;
    ResetNoise();
    EXPECT_EQ(e->NoisySample(0.0), (41 * 3.051850947599719e-05 - 0.5) * 0.5);
    e->m_dAmplitude = 0.1;
    for (int i = 0; i < 1000; ++i) {
        const double v = e->NoisySample(0.0);
        ASSERT_GE(v, -0.05);
        ASSERT_LE(v, 0.05);
    }
}
