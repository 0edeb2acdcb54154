// The functions that evaluate many independent arguments at once give, on
// every exponential path, the bits of the one-at-a-time functions they replace.

#include "engine/CSplineEngine.h"
#include "engine/Kernels.h"
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

TEST(BlockEvaluation, ExpansionsSumTermByTerm)
{
    auto e = MakeEngine();
    const int m = 41;
    const double g = 2.0 / (m - 1);
    std::vector<double> centres, coefficients;
    for (int i = 0; i < m; ++i) {
        centres.push_back(-1.0 + i * g);
        coefficients.push_back(std::sin(1.7 * i) + 0.1);
    }
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
