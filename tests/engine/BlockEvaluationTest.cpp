// The functions that evaluate many independent arguments at once give, on
// every exponential path, the bits of the one-at-a-time functions they replace.

#include "engine/CSplineEngine.h"
#include "engine/Kernels.h"
#include "engine/LeastSquares.h"
#include "engine/Noise.h"
#include "engine/Projection.h"
#include "engine/VectorExp.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

using namespace spln;
using spln::test::MakeEngine;
using spln::test::SameBits;

namespace {

// Runs check once on each path this processor has, then returns to the guard's choice.
template <typename Check>
void OnEveryPath(Check check)
{
    for (ExpPath path : {ExpPath::Scalar, ExpPath::Avx2Fma, ExpPath::Avx512}) {
        if (!ForceExpPath(path))
            continue;
        SCOPED_TRACE(ExpPathName(path));
        check();
    }
    ResetExpPath();
}

// Arguments across the kernels' cut-offs (|u| = 2, 10, 15, 100 and beyond) and both signs of zero.
std::vector<double> Arguments()
{
    std::vector<double> u = {0.0, -0.0, 2.0, -2.0, 10.0, -10.0, 15.0, -15.0, 100.0, 1e6, -1e6};
    for (int i = 0; i < 150; ++i)
        u.push_back(-23.0 + 0.31 * i);
    return u;
}

}  // namespace

TEST(BlockEvaluation, IntegratedKernelsAndErfIntegral)
{
    const std::vector<double> t = Arguments();
    const int n = static_cast<int>(t.size());
    OnEveryPath([&] {
        std::vector<double> out(t.size());
        for (int type = 0; type <= 5; ++type) {
            for (int count : {1, 5, 32, 33, n}) {
                IntegratedKernelBlock(type, 0.7, 0.3, t.data(), count, out.data());
                for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
                    ASSERT_TRUE(SameBits(out[i], IntegratedKernel(type, 0.7, 0.3, t[i])))
                        << "type " << type << " t " << t[i];
            }
        }
        ErfIntegralBlock(t.data(), out.data(), n);
        for (std::size_t i = 0; i < t.size(); ++i)
            ASSERT_TRUE(SameBits(out[i], ErfIntegral(t[i]))) << t[i];
    });
}

// An expansion's m coefficients on uniform centres over [-1, 1], g apart.
struct Expansion {
    int m;
    double g;
    std::vector<double> centres, coefficients;

    Expansion(int count, double frequency)
        : m(count), g(2.0 / (count - 1)), centres(static_cast<std::size_t>(count)), coefficients(centres.size())
    {
        for (std::size_t i = 0; i < centres.size(); ++i) {
            centres[i] = -1.0 + static_cast<double>(i) * g;
            coefficients[i] = std::sin(frequency * static_cast<double>(i)) + 0.1;
        }
    }
};

TEST(BlockEvaluation, ExpansionsSumTermByTerm)
{
    auto e = MakeEngine();
    const Expansion expansion(41, 1.7);
    const int m = expansion.m;
    const double g = expansion.g;
    const std::vector<double>& centres = expansion.centres;
    const std::vector<double>& coefficients = expansion.coefficients;
    OnEveryPath([&] {
        // Narrow bandwidths put most terms beyond the kernels' cut-offs.
        for (int type = 0; type <= 5; ++type) {
            for (double b : {0.001, 0.02, 0.3}) {
                for (const IndexWindow window : {IndexWindow{0, m - 1}, IndexWindow{3, 9}, IndexWindow{5, 5}}) {
                    double sum = 0.0;
                    const auto first = static_cast<std::size_t>(window.first);
                    const auto last = static_cast<std::size_t>(window.last);
                    for (std::size_t i = first; i <= last; ++i)
                        sum = sum + coefficients[i] * Kernel(type, (0.1 - centres[i]) / b);
                    ASSERT_TRUE(
                        SameBits(WindowedKernelSum(type, 0.1, b, coefficients.data(), centres.data(), window), sum))
                        << "type " << type << " b " << b << " from " << window.first;
                }
            }
        }
        for (int type : {1, 3, 4}) {
            const int w = type == 1 ? 4 : type == 3 ? 7 : 10;
            for (double x : {-1.0, -0.5123, 0.0, 0.77, 1.0}) {
                const int j = static_cast<int>((x + 1.0) / g);
                double sum = 0.0;
                const auto first = static_cast<std::size_t>(std::max(0, j - w));
                const auto last = static_cast<std::size_t>(std::min(m - 1, j + w + 1));
                for (std::size_t i = first; i <= last; ++i)
                    sum = sum + coefficients[i] * IntegratedKernel(type, g, x, centres[i]);
                ASSERT_TRUE(SameBits(e->HatKernelSum(type, m, x, g, coefficients.data(), centres.data()), sum))
                    << "type " << type << " x " << x;
            }
        }
        for (int type = 1; type <= 5; ++type) {
            e->m_nLsqCount = 13;
            const double a[13] = {0.5, -1, 2, 0.25, 3, -0.125, 1, 1, -2, 0.75, 0.3, -0.3, 1e-3};
            for (double x : {-1.0, 0.123, 0.9}) {
                double sum = 0.0;
                double centre = -1.0;
                for (int k = 0; k < 13; ++k) {
                    sum = sum + e->LsqBasis(type, x - centre) * a[k];
                    centre = centre + 2.0 / 12;
                }
                ASSERT_TRUE(SameBits(e->LsqSum(type, x, a), sum)) << "basis " << type << " x " << x;
            }
        }
    });
}

namespace {

// Sum of p[i] * Kernel(type, (x - q[i]) / b) over the window, term by term.
double PlainWindowSum(int type, double x, double b, const double* p, const double* q, IndexWindow w)
{
    double sum = 0.0;
    for (int i = w.first; i <= w.last; ++i)
        sum = sum + p[i] * Kernel(type, (x - q[i]) / b);
    return sum;
}

}  // namespace

// Several nodes summed side by side, on every path: windows of one length
// and of different lengths, clipped at the ends, shorter than a vector, empty.
TEST(BlockEvaluation, SumsOfSeveralNodesKeepEachNodesOrder)
{
    const int n = 300;
    std::vector<double> abscissae(n), values(n);
    double* q = abscissae.data();
    double* p = values.data();
    for (int i = 0; i < n; ++i) {
        q[i] = -1.0 + i * (2.0 / (n - 1));
        p[i] = std::cos(0.37 * i) - 0.2;
    }
    // A value that is not finite spreads into its own node's sums and no other.
    p[298] = std::numeric_limits<double>::quiet_NaN();
    p[297] = std::numeric_limits<double>::infinity();
    struct Node {
        double x;
        IndexWindow window;
    };
    // The last twelve make groups whose common length is one vector of
    // terms or a little more on each path: the fewest the lanes' stages
    // start and stop with.
    const std::vector<Node> nodes = {
        {-1.0, {0, 70}},     {-0.9, {0, 84}},     {-0.5, {40, 140}},  {-0.45, {47, 147}}, {0.0, {100, 200}},
        {0.01, {101, 201}},  {0.3, {150, 231}},   {0.35, {157, 250}}, {0.6, {220, 299}},  {0.99, {280, 299}},
        {1.0, {296, 299}},   {0.2, {180, 180}},   {0.21, {181, 187}}, {0.22, {150, 149}}, {-0.7, {3, 12}},
        {-0.69, {4, 13}},    {-0.68, {5, 14}},    {-0.67, {6, 15}},   {0.5, {10, 290}},   {0.51, {10, 291}},
        {-0.57, {60, 68}},   {-0.56, {61, 71}},   {-0.55, {62, 73}},  {-0.54, {63, 75}},  {0.7, {250, 254}},
        {0.71, {251, 256}},  {0.72, {252, 258}},  {0.73, {253, 257}}, {-0.2, {115, 126}}, {-0.19, {116, 128}},
        {-0.18, {117, 130}}, {-0.17, {118, 132}},
    };
    std::vector<double> x;
    std::vector<IndexWindow> windows;
    for (const Node& node : nodes) {
        x.push_back(node.x);
        windows.push_back(node.window);
    }
    OnEveryPath([&] {
        for (int type = 0; type <= 5; ++type) {
            for (double b : {0.004, 0.05, 0.9}) {
                for (int count : {1, 2, 3, 4, 5, 8, 16, static_cast<int>(nodes.size())}) {
                    for (int start = 0; start + count <= static_cast<int>(nodes.size()); start += count) {
                        double sums[32];
                        const double* xs = x.data() + start;
                        const IndexWindow* ws = windows.data() + start;
                        WindowedKernelSums(type, count, xs, b, p, q, ws, sums);
                        for (int g = 0; g < count; ++g) {
                            // Which of two NaNs an addition passes on is the compiler's choice.
                            const double plain = PlainWindowSum(type, xs[g], b, p, q, ws[g]);
                            ASSERT_TRUE(std::isnan(plain) ? std::isnan(sums[g]) : SameBits(sums[g], plain))
                                << "type " << type << " b " << b << " group of " << count << " node " << start + g;
                        }
                    }
                }
            }
        }
    });
}

// The expansions at many output points at once, on every path, against each
// point's own sum: edge points have clipped windows, the interior ones share a length.
TEST(BlockEvaluation, ExpansionsAtManyPointsAtOnce)
{
    auto e = MakeEngine();
    const Expansion expansion(41, 1.3);
    const int m = expansion.m;
    const double g = expansion.g;
    const double* centres = expansion.centres.data();
    const double* coefficients = expansion.coefficients.data();
    constexpr int count = 203;
    double x[count];
    double out[count];
    for (int k = 0; k < count; ++k)
        x[k] = -1.0 + k * (2.0 / (count - 1));
    OnEveryPath([&] {
        for (int type = 0; type <= 5; ++type) {
            HatKernelSumsAt(*e, type, m, x, count, g, coefficients, centres, out);
            for (int k = 0; k < count; ++k)
                ASSERT_TRUE(SameBits(out[k], e->HatKernelSum(type, m, x[k], g, coefficients, centres)))
                    << "integrated type " << type << " point " << k;
            KernelSumsAt(*e, type, m, x, count, g, coefficients, centres, out);
            for (int k = 0; k < count; ++k)
                ASSERT_TRUE(SameBits(out[k], e->KernelSum(type, m, x[k], g, coefficients, centres)))
                    << "kernel type " << type << " point " << k;
        }
        const double a[13] = {0.5, -1, 2, 0.25, 3, -0.125, 1, 1, -2, 0.75, 0.3, -0.3, 1e-3};
        e->m_nLsqCount = 13;
        for (int type = 1; type <= 5; ++type) {
            LsqSumsAt(*e, type, x, 23, a, out);
            for (int k = 0; k < 23; ++k)
                ASSERT_TRUE(SameBits(out[k], e->LsqSum(type, x[k], a))) << "basis " << type << " point " << k;
        }
    });
}

TEST(BlockEvaluation, ExampleFunctionsAndNoisySamples)
{
    std::vector<double> x = Arguments();
    for (double& v : x)
        v = v / 23.0;
    x.push_back(std::numeric_limits<double>::quiet_NaN());
    x.push_back(800.0);
    const int n = static_cast<int>(x.size());
    OnEveryPath([&] {
        auto e = MakeEngine();
        e->m_dAmplitude = 0.3;
        std::vector<double> out(x.size());
        for (int source : {0, 1}) {
            e->m_nSource = source;
            for (int example = 0; example <= 12; ++example) {
                e->m_nExample = example;
                e->ExampleFunctions(x.data(), out.data(), n);
                for (std::size_t i = 0; i < x.size(); ++i)
                    ASSERT_TRUE(SameBits(out[i], e->ExampleFunction(x[i]))) << "example " << example << " x " << x[i];
                // From the process-wide sequence and from an engine's own.
                NoiseSequence own;
                for (NoiseSequence* noise : {static_cast<NoiseSequence*>(nullptr), &own}) {
                    e->m_pNoise = noise;
                    ResetNoise(99);
                    own.Reset(99);
                    e->NoisySamples(x.data(), out.data(), n);
                    ResetNoise(99);
                    own.Reset(99);
                    for (std::size_t i = 0; i < x.size(); ++i)
                        ASSERT_TRUE(SameBits(out[i], e->NoisySample(x[i]))) << "example " << example << " x " << x[i];
                }
            }
        }
    });
}
