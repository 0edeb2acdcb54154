// The linear solver, the cubic, the least-squares basis and its normal equations.

#include "engine/CSplineEngine.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using spln::test::MakeEngine;

namespace {

void LoadSystem(CSplineEngine& e, const std::vector<std::vector<double>>& a, const std::vector<double>& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < a.size(); ++j)
            e.m_dMatrix[i][j] = a[i][j];
        e.m_dVector[i] = b[i];
    }
}

}  // namespace

TEST(Solver, PivotingExchangesRows)
{
    auto e = MakeEngine();
    LoadSystem(*e, {{0, 1}, {1, 0}}, {2, 3});
    double out[2];
    e->Solve(2, out);
    EXPECT_EQ(out[0], 3.0);
    EXPECT_EQ(out[1], 2.0);
}

TEST(Solver, DiagonalSystemDividesExactly)
{
    auto e = MakeEngine();
    LoadSystem(*e, {{3, 0, 0}, {0, 7, 0}, {0, 0, -0.1}}, {1, 1, 1});
    double out[3];
    e->Solve(3, out);
    EXPECT_EQ(out[0], 1.0 / 3.0);
    EXPECT_EQ(out[1], 1.0 / 7.0);
    EXPECT_EQ(out[2], 1.0 / -0.1);
}

TEST(Solver, TiesKeepTheUpperRow)
{
    // Rows of equal magnitude in the pivot column: the row taken as pivot
    // decides whether the first unknown comes out as exactly 0 or as -1e-17/3.
    auto e = MakeEngine();
    double out[2];
    LoadSystem(*e, {{1, 3}, {1, 1e-17}}, {1, 0});
    e->Solve(2, out);
    EXPECT_EQ(out[0], 0.0);

    LoadSystem(*e, {{1, 1e-17}, {-1, 3}}, {0, 1});
    e->Solve(2, out);
    EXPECT_NE(out[0], 0.0);
    EXPECT_NEAR(out[0], -1e-17 / 3, 1e-30);
}

TEST(Solver, RecoversAKnownSolution)
{
    // A well-conditioned dense 51 x 51 system built around a chosen solution.
    auto e = MakeEngine();
    const int n = spln::kMaxSystem;
    double solution[n];
    for (int i = 0; i < n; ++i)
        solution[i] = std::sin(1.0 + i) * 3.0;
    for (int i = 0; i < n; ++i) {
        double b = 0.0;
        for (int j = 0; j < n; ++j) {
            e->m_dMatrix[i][j] = (i == j ? 60.0 : 0.0) + std::cos(0.37 * i * j + j);
            b += e->m_dMatrix[i][j] * solution[j];
        }
        e->m_dVector[i] = b;
    }
    double out[spln::kMaxSystem];
    e->Solve(n, out);
    for (int i = 0; i < n; ++i)
        EXPECT_NEAR(out[i], solution[i], 1e-12) << i;
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(e->m_dVector[i], out[i]);
}

TEST(Solver, NeedsPivotingToSucceed)
{
    auto e = MakeEngine();
    LoadSystem(*e, {{1e-18, 1, 1}, {1, 1, 0}, {0, 1, 2}}, {2, 2, 3});
    double out[3];
    e->Solve(3, out);
    EXPECT_NEAR(out[0], 1.0, 1e-15);
    EXPECT_NEAR(out[1], 1.0, 1e-15);
    EXPECT_NEAR(out[2], 1.0, 1e-15);
}

TEST(CubicPolynomial, EvaluatesFromLowestPower)
{
    auto e = MakeEngine();
    const double one[4] = {1, 0, 0, 0};
    EXPECT_EQ(e->Cubic(0.0, one), 1.0);
    EXPECT_EQ(e->Cubic(-7.5, one), 1.0);
    const double c[4] = {1, -2, 0.5, 3};
    EXPECT_EQ(e->Cubic(2.0, c), 1.0 - 4.0 + 2.0 + 24.0);
}

TEST(LeastSquaresBasis, ShapesOfTheFiveTypes)
{
    auto e = MakeEngine();
    e->m_nLsqCount = 5;  // centre spacing 0.5
    EXPECT_EQ(e->LsqBasis(3, 0.25), 0.5);
    EXPECT_EQ(e->LsqBasis(3, 0.0), 0.25);
    EXPECT_EQ(e->LsqBasis(3, -1.0), 2.0);
    EXPECT_EQ(e->LsqBasis(2, 0.0), 0.0);
    EXPECT_EQ(e->LsqBasis(4, 0.0), 0.0);
    EXPECT_EQ(e->LsqBasis(5, 0.0), 0.0);
    EXPECT_EQ(e->LsqBasis(2, -4.0), 8.0);
    EXPECT_EQ(e->LsqBasis(4, 4.0), 32.0);
    EXPECT_EQ(e->LsqBasis(5, -2.0), 8.0);
    EXPECT_EQ(e->LsqBasis(9, -2.0), -2.0);
    for (int type = 1; type <= 5; ++type)
        EXPECT_EQ(e->LsqBasis(type, 0.3), e->LsqBasis(type, -0.3)) << type;
}

TEST(LeastSquaresBasis, Type1IsASmoothedAbsoluteValue)
{
    auto e = MakeEngine();
    e->m_nSamples = 10001;
    e->m_nWindow = 5;  // sigma = sqrt(2) * 5 * 2 / 10000
    const double sigma = std::sqrt(2.0) * 5 * 2.0 / 10000;
    EXPECT_NEAR(e->LsqBasis(1, 0.0), sigma / std::sqrt(M_PI), 1e-16);
    EXPECT_NEAR(e->LsqBasis(1, 0.5), 0.5, 1e-15);
    EXPECT_EQ(e->LsqBasis(1, -0.5), e->LsqBasis(1, 0.5));
}

TEST(LeastSquares, SumWithZeroCoefficientsIsZero)
{
    auto e = MakeEngine();
    const double a[spln::kMaxSystem] = {};
    for (int type = 1; type <= 5; ++type)
        EXPECT_EQ(e->LsqSum(type, 0.3, a), 0.0);
    e->m_nLsqCount = 0;
    const double ones[1] = {1.0};
    EXPECT_EQ(e->LsqSum(5, 0.3, ones), 0.0);
}

TEST(LeastSquares, SystemIsSymmetricWithTheRegularisedDiagonal)
{
    auto e = MakeEngine();
    const int K = 7;
    const int n = 40;
    e->m_nLsqCount = K;
    std::vector<double> values(n, 1.0);
    e->BuildLsqSystem(5, K, n, values.data());
    for (int k = 0; k < K; ++k)
        for (int j = 0; j < K; ++j)
            EXPECT_EQ(e->m_dMatrix[k][j], e->m_dMatrix[j][k]);
    // Type 5 vanishes at distance 0: the diagonal is the plain sum of squares.
    double diagonal = 0.0;
    double t = -1.0;
    for (int i = 0; i < n; ++i) {
        const double b = e->LsqBasis(5, t + 1.0);
        diagonal = diagonal + b * b;
        t = t + 2.0 / (n - 1);
    }
    EXPECT_EQ(e->m_dMatrix[0][0], diagonal);
}

TEST(LeastSquares, ReproducesDataInTheSpanOfItsBasis)
{
    for (int type = 1; type <= 5; ++type) {
        auto e = MakeEngine();
        const int K = 9;
        const int n = 101;
        e->m_nLsqCount = K;
        e->m_nSamples = 200;
        e->m_nWindow = 10;
        double chosen[K];
        for (int k = 0; k < K; ++k)
            chosen[k] = 0.5 + 0.25 * std::cos(2.0 * k);
        double values[n];
        double t = -1.0;
        for (int i = 0; i < n; ++i) {
            values[i] = e->LsqSum(type, t, chosen);
            t = t + 2.0 / (n - 1);
        }
        e->BuildLsqSystem(type, K, n, values);
        double a[spln::kMaxSystem];
        e->Solve(K, a);
        for (double x : {-1.0, -0.55, 0.0, 0.3, 0.99}) {
            const double fit = e->LsqSum(type, x, a);
            EXPECT_NEAR(fit, e->LsqSum(type, x, chosen), 1e-6) << "type " << type << " at " << x;
        }
    }
}

TEST(LeastSquares, NormalEquationsTermByTerm)
{
    // Every entry is its own sum in increasing i, plus 1e-9 times the basis at
    // the centre distance; compared to the last bit.
    for (int type = 1; type <= 5; ++type) {
        auto e = MakeEngine();
        const int K = 13;
        const int n = 77;
        e->m_nLsqCount = K;
        e->m_nSamples = 300;
        e->m_nWindow = 3;
        double values[n];
        for (int i = 0; i < n; ++i)
            values[i] = std::cos(0.3 * i);
        e->BuildLsqSystem(type, K, n, values);

        const double spacing = 2.0 / (K - 1);
        double basis[K][n];
        double centre = -1.0;
        for (int k = 0; k < K; ++k) {
            double t = -1.0;
            for (int i = 0; i < n; ++i) {
                basis[k][i] = e->LsqBasis(type, t - centre);
                t = t + 2.0 / (n - 1);
            }
            centre = centre + spacing;
        }
        for (int k = 0; k < K; ++k) {
            for (int j = 0; j < K; ++j) {
                double a = 0.0;
                for (int i = 0; i < n; ++i)
                    a = a + basis[j][i] * basis[k][i];
                a = a + 1e-9 * e->LsqBasis(type, (j - k) * spacing);
                ASSERT_TRUE(spln::test::SameBits(e->m_dMatrix[k][j], a)) << type << " " << k << " " << j;
            }
            double b = 0.0;
            for (int i = 0; i < n; ++i)
                b = b + values[i] * basis[k][i];
            ASSERT_TRUE(spln::test::SameBits(e->m_dVector[k], b)) << type << " " << k;
        }
    }
}
