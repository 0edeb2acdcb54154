// Pins the exact bits of runs whose arithmetic uses only IEEE basic
// operations and square roots (rational example functions, the noise
// generator, least squares, the rational kernel's smoothing), so the pinned
// values hold on any conforming platform. They were taken from the plain
// term-by-term implementation; a change of operation order anywhere along
// these paths changes them. The hashes pin the bits; the files in golden/
// hold the same values point by point, so that a change names its first
// differing point.

#include "engine/CSplineEngine.h"
#include "engine/Noise.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace spln;
using spln::test::MakeEngine;
using spln::test::SameBitsAt;

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

// The columns of a golden file: lines of numbers in C's hexadecimal form,
// after `headerLines` lines of text.
struct GoldenFile {
    std::vector<std::string> header;
    std::vector<std::vector<double>> columns;
};

GoldenFile ReadGolden(const std::string& name, int headerLines)
{
    GoldenFile golden;
    std::ifstream in(std::string(SPLN_GOLDEN_DIR) + "/" + name);
    std::string line;
    for (int i = 0; i < headerLines && std::getline(in, line); ++i)
        golden.header.push_back(line);
    while (std::getline(in, line)) {
        std::istringstream numbers(line);
        std::string number;
        for (std::size_t column = 0; numbers >> number; ++column) {
            if (golden.columns.size() <= column)
                golden.columns.emplace_back();
            golden.columns[column].push_back(std::strtod(number.c_str(), nullptr));
        }
    }
    return golden;
}

// The values of a run against a golden column, point by point.
void ExpectColumn(const GoldenFile& golden, std::size_t column, const char* what, const double* values, int count)
{
    ASSERT_GT(golden.columns.size(), column) << what;
    ASSERT_EQ(golden.columns[column].size(), static_cast<std::size_t>(count)) << what;
    EXPECT_TRUE(SameBitsAt(what, golden.columns[column].data(), values, count));
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

        char name[64];
        std::snprintf(name, sizeof name, "lsq-example%d-basis%d-count%d.txt", c.example, c.type, c.count);
        SCOPED_TRACE(name);
        const GoldenFile golden = ReadGolden(name, 1);
        ASSERT_EQ(golden.header.size(), 1u);
        EXPECT_EQ(e->m_szReport, golden.header[0]);
        ExpectColumn(golden, 0, "x", e->m_dX, e->m_nResultCount);
        ExpectColumn(golden, 1, "approx", e->m_dApprox, e->m_nResultCount);
        ExpectColumn(golden, 2, "data", e->m_dData, e->m_nResultCount);
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
    ExpectColumn(ReadGolden("smoothing-example10-type4.txt", 0), 0, "coefficient", e->m_wsCoef, 101);
}
