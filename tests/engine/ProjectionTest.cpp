// The projection on Schwarz space: smoothing windows and the kernel expansion.

#include "engine/CSplineEngine.h"
#include "engine/Kernels.h"
#include "engine/Projection.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace spln;
using spln::test::MakeEngine;
using spln::test::SameBits;

namespace {

// A uniform grid of n abscissae from -1 to 1, as the run builds its samples.
std::vector<double> Grid(int n)
{
    std::vector<double> q;
    const double s = 2.0 / (n - 1);
    for (int i = 0; i < n; ++i)
        q.push_back(-1.0 + i * s);
    return q;
}

// An engine with n grid abscissae on [-1, 1], their spacing and unit values.
struct GridSetup {
    explicit GridSetup(int count) : n(count), q(Grid(count)), ones(q.size(), 1.0), spacing(2.0 / (count - 1)) {}

    std::unique_ptr<CSplineEngine> e = MakeEngine();
    int n;
    std::vector<double> q;
    std::vector<double> ones;
    double spacing;
};

std::vector<double> Indicator(int n, int index)
{
    std::vector<double> p(static_cast<std::size_t>(n), 0.0);
    p[static_cast<std::size_t>(index)] = 1.0;
    return p;
}

}  // namespace

TEST(SmoothingWindow, HalfWidthFromBandwidth)
{
    const double h = 2.0 / 9999;
    EXPECT_EQ(SmoothingHalfWidth(h, h), 13);
    EXPECT_EQ(SmoothingHalfWidth(500 * h, h), 5757);
    EXPECT_EQ(SmoothingHalfWidth(10 * h, h), 116);
}

TEST(SmoothingWindow, SumsExactlyTheSamplesAroundThePoint)
{
    // Type 4 never vanishes, so a sample contributes exactly when the window holds it.
    auto e = MakeEngine();
    const int n = 10000;
    const std::vector<double> q = Grid(n);
    const double b = 2.0 / (n - 1);
    for (int index : {4985, 4986, 5013, 5014}) {
        const std::vector<double> p = Indicator(n, index);
        const double smoothed = e->KernelSmooth(4, n, 0.0, b, p.data(), q.data());
        if (index >= 4986 && index <= 5013)
            EXPECT_GT(smoothed, 0.0) << index;
        else
            EXPECT_EQ(smoothed, 0.0) << index;
    }
}

TEST(SmoothingWindow, WideWindowIsClippedToTheArray)
{
    // Window of averaging 500: 5757 + 1 samples on each side of the point,
    // which from the middle reach past both ends of the array.
    auto e = MakeEngine();
    const int n = 10000;
    const std::vector<double> q = Grid(n);
    const double b = 500 * 2.0 / (n - 1);
    for (int index : {0, n - 1}) {
        const std::vector<double> p = Indicator(n, index);
        EXPECT_GT(e->KernelSmooth(4, n, 0.0, b, p.data(), q.data()), 0.0) << index;
        EXPECT_GT(e->KernelSmooth(1, n, 0.0, b, p.data(), q.data()), 0.0) << index;
    }
    for (int index : {5757, 5758, 5759}) {
        const std::vector<double> p = Indicator(n, index);
        EXPECT_EQ(e->KernelSmooth(4, n, -1.0, b, p.data(), q.data()) > 0.0, index <= 5758) << index;
    }
    const std::vector<double> first = Indicator(n, 0);
    EXPECT_EQ(e->KernelSmooth(4, n, 1.0, b, first.data(), q.data()), 0.0);
}

TEST(Smoothing, ConstantDataAtTheEdgeAndInside)
{
    const GridSetup g(10000);
    const auto& [e, n, q, ones, b] = g;
    const double edge[4] = {0.699, 0.832, 0.625, 0.684};
    for (int type = 1; type <= 4; ++type) {
        EXPECT_NEAR(e->KernelSmooth(type, n, -1.0, b, ones.data(), q.data()), edge[type - 1], 1e-3) << type;
        EXPECT_NEAR(e->KernelSmooth(type, n, 0.1234, b, ones.data(), q.data()), 1.0, 2e-3) << type;
        const double wide = e->KernelSmooth(type, n, -1.0, 10 * b, ones.data(), q.data());
        EXPECT_GT(wide, 0.51) << type;
        EXPECT_LT(wide, 0.54) << type;
    }
}

TEST(Smoothing, IsTheWindowedSumTimesSpacingOverBandwidth)
{
    // Term by term with the kernel itself, to the last bit, across several blocks of the window.
    auto e = MakeEngine();
    const int n = 1001;
    const std::vector<double> q = Grid(n);
    std::vector<double> p;
    for (int i = 0; i < n; ++i)
        p.push_back(0.5 + 0.01 * (i % 17) - 0.003 * i);
    const double h = 2.0 / (n - 1);
    for (int type = 1; type <= 4; ++type) {
        for (double b : {h, 7 * h, 40 * h}) {
            for (double x : {-1.0, -0.3337, 0.5, 1.0}) {
                const int w = SmoothingHalfWidth(b, h);
                const int j = static_cast<int>((x + 1.0) / h);
                double sum = 0.0;
                const auto first = static_cast<std::size_t>(std::max(0, j - w));
                const auto last = static_cast<std::size_t>(std::min(n - 1, j + w + 1));
                for (std::size_t i = first; i <= last; ++i)
                    sum = sum + p[i] * Kernel(type, (x - q[i]) / b);
                const double expected = sum * h / b * KernelNorm(type);
                ASSERT_TRUE(SameBits(e->KernelSmooth(type, n, x, b, p.data(), q.data()), expected))
                    << "type " << type << " b " << b << " x " << x;
            }
        }
    }
}

TEST(KernelExpansion, PointKernelWindow)
{
    const GridSetup setup(51);
    const auto& [e, m, t, ones, g] = setup;
    for (int index = 20; index <= 31; ++index) {
        const std::vector<double> p = Indicator(m, index);
        const double value = e->KernelSum(4, m, 0.0, g, p.data(), t.data());
        if (index >= 22 && index <= 29)
            EXPECT_GT(value, 0.0) << index;
        else
            EXPECT_EQ(value, 0.0) << index;
    }
    for (int index = 0; index <= 6; ++index) {
        const std::vector<double> p = Indicator(m, index);
        const double value = e->KernelSum(4, m, -1.0, g, p.data(), t.data());
        EXPECT_EQ(value > 0.0, index <= 4) << index;
    }
}

TEST(KernelExpansion, IntegratedKernelWindowsByType)
{
    const GridSetup setup(51);
    const auto& [e, m, t, ones, g] = setup;
    struct Case {
        int type, first, last;
    };
    for (const Case c : {Case{1, 21, 30}, Case{3, 18, 33}, Case{4, 15, 36}}) {
        for (int index : {c.first - 1, c.first, c.last, c.last + 1}) {
            ASSERT_NE(IntegratedKernel(c.type, g, 0.0, t[static_cast<std::size_t>(index)]), 0.0);
            const std::vector<double> p = Indicator(m, index);
            const double value = e->HatKernelSum(c.type, m, 0.0, g, p.data(), t.data());
            EXPECT_EQ(value != 0.0, index >= c.first && index <= c.last) << c.type << " " << index;
        }
    }
}

TEST(KernelExpansion, UnitCoefficientsReproduceOneInside)
{
    const GridSetup setup(51);
    const auto& [e, m, t, ones, g] = setup;
    for (int type : {1, 3, 4})
        for (double x : {-0.5, 0.0, 0.013, 0.3})
            EXPECT_NEAR(e->HatKernelSum(type, m, x, g, ones.data(), t.data()), 1.0, 2e-3) << type << " " << x;
    EXPECT_NEAR(e->KernelSum(2, m, 0.0131, g, ones.data(), t.data()), 1.0, 2e-3);
}

TEST(KernelExpansion, UnknownTypesGiveZero)
{
    const GridSetup setup(51);
    const auto& [e, m, t, ones, g] = setup;
    for (int type : {0, 5}) {
        EXPECT_EQ(e->KernelSmooth(type, m, 0.1, g, ones.data(), t.data()), 0.0);
        EXPECT_EQ(e->KernelSum(type, m, 0.1, g, ones.data(), t.data()), 0.0);
        EXPECT_EQ(e->HatKernelSum(type, m, 0.1, g, ones.data(), t.data()), 0.0);
    }
    EXPECT_EQ(e->HatKernelSum(2, m, 0.1, g, ones.data(), t.data()), 0.0);
}
