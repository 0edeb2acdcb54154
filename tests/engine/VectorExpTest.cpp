// The block exponential against std::exp: its table against an independent
// quad-precision computation, every vector path on millions of arguments and
// on every argument of the heaviest runs, the guard, and whole runs on each path.

#include "engine/CSplineEngine.h"
#include "engine/ExpTable.h"
#include "engine/Kernels.h"
#include "engine/Noise.h"
#include "engine/VectorExp.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>
#include <quadmath.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

using namespace spln;
using spln::test::MakeEngine;

namespace {

constexpr ExpPath kVectorPaths[] = {ExpPath::Avx2Fma, ExpPath::Avx512};

std::vector<ExpPath> AvailableVectorPaths()
{
    std::vector<ExpPath> paths;
    for (ExpPath path : kVectorPaths) {
        if (ExpPathAvailable(path))
            paths.push_back(path);
    }
    return paths;
}

double Reference(double x, bool negated)
{
    if (negated)
        return x > 100.0 ? 0.0 : std::exp(-x);
    return std::exp(x);
}

// Arguments whose result on a path differed from the reference; counted, not stopped at.
long long Mismatches(ExpPath path, const double* x, int n, bool negated)
{
    std::vector<double> got(static_cast<std::size_t>(n));
    (negated ? ExpNegBlockOn : ExpBlockOn)(path, x, got.data(), n);
    long long bad = 0;
    for (std::size_t i = 0; i < got.size(); ++i) {
        const double want = Reference(x[i], negated);
        if (std::bit_cast<std::uint64_t>(got[i]) != std::bit_cast<std::uint64_t>(want))
            ++bad;
    }
    return bad;
}

}  // namespace

TEST(ExpTable, HeadsTailsAndReductionConstantsAreTheNearestDoubles)
{
    namespace t = exp_table;
    for (int i = 0; i < 128; ++i) {
        const __float128 exact = exp2q(static_cast<__float128>(i) / 128);
        const double head = static_cast<double>(exact);
        const std::uint64_t headBits = std::bit_cast<std::uint64_t>(head) - (static_cast<std::uint64_t>(i) << 45);
        EXPECT_EQ(t::kTable[2 * i + 1], headBits) << "head " << i;
        // The tail is the nearest double to (2^(i/128) - H) / H; quad precision
        // decides that to within 2^-110, so the check allows that much beyond half an ulp.
        const double tail = std::bit_cast<double>(t::kTable[2 * i]);
        const double halfUlp = (std::nextafter(std::fabs(tail), INFINITY) - std::fabs(tail)) / 2;
        EXPECT_LE(fabsq((exact - head) / head - tail), halfUlp + static_cast<__float128>(0x1p-110)) << "tail " << i;
    }
    const __float128 ln2N = logq(2) / 128;
    EXPECT_EQ(t::kInvLn2N, static_cast<double>(1 / ln2N));
    // The head carries 37 significant bits, so k times it is exact for |k| < 2^16.
    EXPECT_EQ(std::bit_cast<std::uint64_t>(t::kNegLn2HiN) & ((1ull << 16) - 1), 0u);
    EXPECT_LT(fabsq(-ln2N - t::kNegLn2HiN), static_cast<__float128>(0x1p-44));
    EXPECT_EQ(t::kNegLn2LoN, static_cast<double>(-ln2N - t::kNegLn2HiN));
    EXPECT_EQ(t::kShift, 0x1.8p52);
    // The main path's range, 2^-54 <= |x| < 512, by the biased exponent field.
    EXPECT_EQ(t::kTopTiny, static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(0x1p-54) >> 52));
    EXPECT_EQ(t::kTopLarge, static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(512.0) >> 52));
}

// At least ten million arguments per vector path, drawn from the whole
// range of finite results, from the kernels' range and from ExpNeg's.
TEST(VectorExp, EveryPathGivesTheLibraryBitsOnTenMillionArguments)
{
    const std::vector<ExpPath> paths = AvailableVectorPaths();
    if (paths.empty())
        GTEST_SKIP() << "no vector path on this processor";
    struct Range {
        double lo, hi;
        int count;
        bool negated;
    };
    const Range ranges[] = {
        {-745.0, 705.0, 4000000, false},
        {-70.0, 0.0, 4000000, false},
        {0.0, 110.0, 2000000, true},
    };
    constexpr int kChunk = 1 << 16;
    std::vector<double> x(kChunk);
    for (ExpPath path : paths) {
        std::mt19937_64 bits(20261207);
        long long compared = 0;
        for (const Range& r : ranges) {
            std::uniform_real_distribution<double> draw(r.lo, r.hi);
            long long bad = 0;
            for (int done = 0; done < r.count; done += kChunk) {
                const int n = std::min(kChunk, r.count - done);
                for (int i = 0; i < n; ++i)
                    x[static_cast<std::size_t>(i)] = draw(bits);
                bad += Mismatches(path, x.data(), n, r.negated);
            }
            compared += r.count;
            EXPECT_EQ(bad, 0) << ExpPathName(path) << " on [" << r.lo << ", " << r.hi << "]"
                              << (r.negated ? " negated" : "");
        }
        EXPECT_GE(compared, 10000000);
    }
}

TEST(VectorExp, GuardAcceptsOnlyPathsThatMatchAndTheFastestAcceptedOneServes)
{
    ResetExpPath();
    EXPECT_TRUE(ExpPathMatchesLibrary(ExpPath::Scalar));
    std::vector<ExpPath> accepted;
    for (ExpPath path : kVectorPaths) {
        std::vector<double> arguments(kGuardArgumentCount);
        GuardArguments(arguments.data());
        if (!ExpPathAvailable(path)) {
            EXPECT_FALSE(ExpPathMatchesLibrary(path)) << ExpPathName(path);
            EXPECT_FALSE(ForceExpPath(path)) << ExpPathName(path);
            continue;
        }
        const bool matches = Mismatches(path, arguments.data(), kGuardArgumentCount, false) == 0 &&
                             Mismatches(path, arguments.data(), kGuardArgumentCount, true) == 0;
        EXPECT_EQ(ExpPathMatchesLibrary(path), matches) << ExpPathName(path);
        EXPECT_EQ(ExpPathAccepted(path), matches) << ExpPathName(path);
        EXPECT_TRUE(matches) << ExpPathName(path) << " differs from std::exp on this machine";
        if (matches)
            accepted.push_back(path);
    }
    // The choice is made once, by timing: any accepted path may win, the scalar one only without them.
    const ExpPath chosen = ActiveExpPath();
    if (accepted.empty())
        EXPECT_EQ(chosen, ExpPath::Scalar);
    else
        EXPECT_NE(std::find(accepted.begin(), accepted.end(), chosen), accepted.end()) << ExpPathName(chosen);
    std::vector<double> seconds(accepted.size());
    CalibrationSeconds(accepted.data(), static_cast<int>(accepted.size()), seconds.data());
    for (double s : seconds)
        EXPECT_TRUE(s > 0.0 && s < 0.01) << s;

    EXPECT_TRUE(ForceExpPath(ExpPath::Scalar));
    EXPECT_EQ(ActiveExpPath(), ExpPath::Scalar);
    ResetExpPath();
    EXPECT_EQ(ActiveExpPath(), chosen);
}

// The benchmark's floor divides, and mixes exponentials with divisions, on
// each path: every value one of the two to the bit, in the proportion asked.
TEST(VectorExp, BlockDivisionAndItsMixWithExponentialsAreExactOnEveryPath)
{
    std::mt19937_64 bits(7);
    std::uniform_real_distribution<double> draw(-1e3, 1e3);
    double a[37], b[37], got[37];
    for (int i = 0; i < 37; ++i) {
        a[i] = draw(bits);
        b[i] = draw(bits);
    }
    b[5] = 0.0;
    a[7] = 0.25;  // an exponential of a lane that is neither cut nor overflowing
    const auto same = [](double x, double y) {
        return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
    };
    struct Mix {
        long long exps, divisions;
    };
    for (ExpPath path : {ExpPath::Scalar, ExpPath::Avx2Fma, ExpPath::Avx512}) {
        if (!ExpPathAvailable(path))
            continue;
        for (int n : {1, 3, 8, 37}) {
            DivideBlockOn(path, a, b, got, n);
            for (int i = 0; i < n; ++i)
                EXPECT_TRUE(same(got[i], a[i] / b[i])) << ExpPathName(path) << " n " << n << " at " << i;
        }
        for (const Mix mix : {Mix{1, 0}, Mix{1, 2}, Mix{3, 1}}) {
            ExpNegAndDivideBlockOn(path, a, b, got, 37, mix.exps, mix.divisions);
            int exps = 0;
            for (int i = 0; i < 37; ++i) {
                const bool exp = same(got[i], ExpNeg(a[i]));
                EXPECT_TRUE(exp || same(got[i], a[i] / b[i])) << ExpPathName(path) << " at " << i;
                exps += exp ? 1 : 0;
            }
            const double share = static_cast<double>(mix.exps) / static_cast<double>(mix.exps + mix.divisions);
            if (mix.divisions == 0) {
                EXPECT_EQ(exps, 37) << ExpPathName(path);
            }
            EXPECT_NEAR(exps, 37 * share, 8.0) << ExpPathName(path) << " " << mix.exps << ":" << mix.divisions;
        }
    }
}

TEST(VectorExp, AWiderPathServesOnlyWhenClearlyFaster)
{
    struct Case {
        double avx2, avx512;
        ExpPath expected;
    };
    const double margin = 1.0 + kWiderPathMargin;
    const Case cases[] = {
        {1.0, 0.5, ExpPath::Avx512},            // much faster
        {1.0, 1.0, ExpPath::Avx2Fma},           // as fast: width alone does not count
        {1.0, 1.2, ExpPath::Avx2Fma},           // slower
        {1.0, 1.0 / margin, ExpPath::Avx2Fma},  // within the margin
        {1.0, 0.99 / margin, ExpPath::Avx512},
    };
    for (const Case& c : cases) {
        const PathTime measured[] = {{ExpPath::Avx2Fma, c.avx2}, {ExpPath::Avx512, c.avx512}};
        EXPECT_EQ(FastestPath(measured, 2), c.expected) << c.avx2 << " against " << c.avx512;
    }
    const PathTime one[] = {{ExpPath::Avx512, 3.0}};
    EXPECT_EQ(FastestPath(one, 1), ExpPath::Avx512);
}

namespace {

std::atomic<long long> g_observed{0};
std::atomic<long long> g_observedBad{0};

// Checks every block the engine evaluates on every vector path.
void CheckBlock(const double* arguments, int n, bool negated)
{
    g_observed += n;
    for (ExpPath path : kVectorPaths) {
        if (ExpPathAvailable(path))
            g_observedBad += Mismatches(path, arguments, n, negated);
    }
}

struct RunCase {
    const char* name;
    int method, kernel, basis, example;
};

// The heaviest projection of each kernel type, the heaviest least squares of
// each basis, and the defaults for each example function built on exp.
const RunCase kRuns[] = {
    {"projection kernel 1", 1, 1, 5, 1},   {"projection kernel 2", 1, 2, 5, 1},   {"projection kernel 3", 1, 3, 5, 1},
    {"projection kernel 4", 1, 4, 5, 1},   {"least squares basis 1", 2, 1, 1, 1}, {"least squares basis 2", 2, 1, 2, 1},
    {"least squares basis 3", 2, 1, 3, 1}, {"least squares basis 4", 2, 1, 4, 1}, {"least squares basis 5", 2, 1, 5, 1},
    {"defaults example 8", 0, 1, 5, 8},    {"defaults example 11", 0, 1, 5, 11},
};

std::vector<double> RunResults(const RunCase& c)
{
    auto e = MakeEngine();
    e->m_nExample = c.example;
    e->m_dAmplitude = 0.1;
    if (c.method != 0) {
        e->m_nMethod = c.method;
        e->m_nWindow = 500;
        e->m_nSchwarzCount = 501;
        e->m_nLsqCount = 51;
        e->m_nSchwarzType = c.kernel;
        e->m_nLsqType = c.basis;
    }
    ResetNoise();
    e->Run();
    EXPECT_EQ(e->m_eFailure, RunFailure::None) << c.name;
    std::vector<double> out;
    for (const double* a : {e->m_dX, e->m_dApprox, e->m_dData, e->m_dExact, e->m_wsCoef})
        out.insert(out.end(), a, a + e->m_nResultCount);
    out.insert(out.end(), e->m_wsLsq, e->m_wsLsq + spln::kMaxSystem);
    return out;
}

}  // namespace

TEST(VectorExp, HeaviestRunsGiveTheSameBitsOnEveryPath)
{
    g_observed = 0;
    g_observedBad = 0;
    for (const RunCase& c : kRuns) {
        ASSERT_TRUE(ForceExpPath(ExpPath::Scalar));
        ObserveExpBlocks(CheckBlock);
        const std::vector<double> scalar = RunResults(c);
        ObserveExpBlocks(nullptr);
        for (ExpPath path : AvailableVectorPaths()) {
            ASSERT_TRUE(ForceExpPath(path));
            const std::vector<double> vector = RunResults(c);
            EXPECT_EQ(std::memcmp(scalar.data(), vector.data(), sizeof(double) * scalar.size()), 0)
                << c.name << " on " << ExpPathName(path);
        }
    }
    ResetExpPath();
    EXPECT_EQ(g_observedBad.load(), 0) << "of " << g_observed.load() << " arguments";
    EXPECT_GT(g_observed.load(), 10000000);
    std::printf("[ info ] %lld arguments of the runs checked on every vector path\n", g_observed.load());
}
