// Pins the exact bits of runs whose arithmetic uses only IEEE basic
// operations and square roots (rational example functions, the noise
// generator, least squares, the rational kernel's smoothing), so the pinned
// values hold on any conforming platform. They were taken from the plain
// term-by-term implementation; a change of operation order anywhere along
// these paths changes them.

#include "engine/CSplineEngine.h"
#include "engine/Noise.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

using namespace spln;
using spln::test::MakeEngine;

namespace {

std::uint64_t Fnv1a(const void* data, std::size_t size, std::uint64_t hash = 1469598103934665603ull)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= 1099511628211ull;
    }
    return hash;
}

std::uint64_t ResultBits(const CSplineEngine& e)
{
    const std::size_t bytes = sizeof(double) * static_cast<std::size_t>(e.m_nResultCount);
    std::uint64_t hash = Fnv1a(e.m_dX, bytes);
    hash = Fnv1a(e.m_dApprox, bytes, hash);
    hash = Fnv1a(e.m_dData, bytes, hash);
    return Fnv1a(e.m_szReport, std::strlen(e.m_szReport), hash);
}

}  // namespace

TEST(GoldenBits, NoisyLeastSquaresOnRationalFunctions)
{
    struct Case {
        int example, type, count;
        std::uint64_t bits;
    };
    const Case cases[] = {
        {3, 2, 35, 0x40107877fb096cf9ull},
        {3, 3, 51, 0xf2a82903ac78efc4ull},
        {4, 4, 20, 0x3e2ef0b9e0644880ull},
        {9, 5, 35, 0x83d8c2faa9c60966ull},
    };
    for (const Case& c : cases) {
        auto e = MakeEngine();
        e->m_nExample = c.example;
        e->m_dAmplitude = 0.1;
        e->m_nSamples = 400;  // fitted directly, with no smoothing
        e->m_nMethod = 2;
        e->m_nLsqType = c.type;
        e->m_nLsqCount = c.count;
        ResetNoise();
        e->Run();
        EXPECT_EQ(ResultBits(*e), c.bits)
            << std::hex << "example " << c.example << " basis " << c.type << ": 0x" << ResultBits(*e);
    }
}

TEST(GoldenBits, RationalKernelSmoothingOfNoisySamples)
{
    auto e = MakeEngine();
    e->m_nExample = 10;
    e->m_dAmplitude = 0.2;
    e->m_nWindow = 7;
    e->m_nSchwarzCount = 101;
    e->m_nSchwarzType = 4;
    ResetNoise(7);
    e->Run();
    const std::uint64_t bits = Fnv1a(e->m_wsCoef, sizeof(double) * 101);
    EXPECT_EQ(bits, 0xe45cb32e3c20781full) << std::hex << "0x" << bits;
}
