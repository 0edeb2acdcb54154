// The "Method of Least Squares": shifted basis functions fitted through
// regularised normal equations.

#include "engine/LeastSquares.h"

#include "engine/CSplineEngine.h"
#include "engine/Kernels.h"

#include <algorithm>
#include <cmath>

namespace {

// The quantities a basis function needs besides its type and offset.
struct LsqShape {
    double centreSpacing;  // distance between neighbouring centres
    double sigma;          // width of the smoothed |u| of type 1
};

LsqShape MakeLsqShape(const CSplineEngine& engine, int count)
{
    const double h = engine.m_dHalfWidth;
    LsqShape shape;
    shape.centreSpacing = (h - (-h)) / (count - 1);
    shape.sigma = std::sqrt(2.0) * engine.m_nWindow * (h - (-h)) / (engine.m_nSamples - 1);
    return shape;
}

double BasisValue(int type, double u, const LsqShape& shape)
{
    switch (type) {
    case 1:
        return shape.sigma * spln::ErfIntegral(u / shape.sigma);
    case 2:
        return std::sqrt(std::fabs(u) * u * u);
    case 3: {
        // |s| with a parabolic cap of one centre spacing; value and slope match at |s| = 0.5.
        const double s = u / shape.centreSpacing;
        if (std::fabs(s) <= 0.5)
            return s * s + 0.25;
        return std::fabs(s);
    }
    case 4:
        return u * std::sqrt(std::fabs(u)) * u;
    case 5:
        return std::fabs(u) * u * u;
    default:
        return u;
    }
}

// values[i] = BasisValue(type, u[i], shape) for i < n; the smoothed |u| of
// type 1 takes its exponentials a block at a time. u and values may be the same array.
void BasisValues(int type, const double* u, double* values, int n, const LsqShape& shape)
{
    if (type != 1) {
        for (int i = 0; i < n; ++i)
            values[i] = BasisValue(type, u[i], shape);
        return;
    }
    for (int i = 0; i < n; ++i)
        values[i] = u[i] / shape.sigma;
    spln::ErfIntegralBlock(values, values, n);
    for (int i = 0; i < n; ++i)
        values[i] = shape.sigma * values[i];
}

// out[g] = the sum over i = 0..n-1, in increasing i, of rows[g][i] * b[i],
// for g < count: up to four sums side by side, independent chains of
// additions that keep the processor's adders busy.
void GramEntries(const double* const* rows, int count, const double* b, int n, double* out)
{
    constexpr int kAtOnce = 4;
    for (int g = 0; g < count; g += kAtOnce) {
        if (count - g >= kAtOnce) {
            const double* r0 = rows[g];
            const double* r1 = rows[g + 1];
            const double* r2 = rows[g + 2];
            const double* r3 = rows[g + 3];
            double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
            for (int i = 0; i < n; ++i) {
                s0 = s0 + r0[i] * b[i];
                s1 = s1 + r1[i] * b[i];
                s2 = s2 + r2[i] * b[i];
                s3 = s3 + r3[i] * b[i];
            }
            out[g] = s0;
            out[g + 1] = s1;
            out[g + 2] = s2;
            out[g + 3] = s3;
            continue;
        }
        for (int h = g; h < count; ++h) {
            double sum = 0.0;
            for (int i = 0; i < n; ++i)
                sum = sum + rows[h][i] * b[i];
            out[h] = sum;
        }
    }
}

}  // namespace

double CSplineEngine::LsqBasis(int type, double u) const
{
    return BasisValue(type, u, MakeLsqShape(*this, m_nLsqCount));
}

// Fills rows and columns 0..K-1 of m_dMatrix and entries 0..K-1 of m_dVector
// with the normal equations of fitting K shifted basis functions to the n
// values at equally spaced points of [-h, h], plus 1e-9 times the basis taken
// at the centre distances.
void CSplineEngine::BuildLsqSystem(int type, int K, int n, const double* values)
{
    const double h = m_dHalfWidth;
    const double step = (h - (-h)) / (n - 1);
    const LsqShape shape = MakeLsqShape(*this, K);

    double centre = -h;
    for (int k = 0; k < K; ++k) {
        double* row = m_wsBasis[k];
        double t = -h;
        for (int i = 0; i < n; ++i) {
            row[i] = t - centre;
            t = t + step;
        }
        BasisValues(type, row, row, n, shape);
        centre = centre + shape.centreSpacing;
    }

    // The regularising term depends on j - k alone: the basis at each centre
    // distance d = j - k, -(K-1)..K-1, stored at d + K - 1.
    double regular[2 * spln::kMaxSystem - 1] = {};
    for (int d = 1 - K; d <= K - 1; ++d)
        regular[d + K - 1] = d * shape.centreSpacing;
    BasisValues(type, regular, regular, 2 * K - 1, shape);

    // B[j] . B[k] and B[k] . B[j] multiply the same pairs in the same order,
    // so each sum serves both entries; the regularising term is added to each.
    const double* rows[spln::kMaxSystem];
    double sums[spln::kMaxSystem];
    for (int k = 0; k < K; ++k) {
        for (int j = k; j < K; ++j)
            rows[j - k] = m_wsBasis[j];
        GramEntries(rows, K - k, m_wsBasis[k], n, sums);
        for (int j = k; j < K; ++j) {
            m_dMatrix[k][j] = sums[j - k] + 1e-9 * regular[j - k + K - 1];
            m_dMatrix[j][k] = sums[j - k] + 1e-9 * regular[k - j + K - 1];
        }
    }

    // values . B[k]; a product of two doubles is the same whichever comes first.
    for (int k = 0; k < K; ++k)
        rows[k] = m_wsBasis[k];
    GramEntries(rows, K, values, n, m_dVector);
}

double CSplineEngine::LsqSum(int type, double x, const double* a) const
{
    const int K = m_nLsqCount;
    if (K < 1)
        return 0.0;
    const LsqShape shape = MakeLsqShape(*this, K);
    double values[spln::kMaxSystem];
    double centre = -m_dHalfWidth;
    double sum = 0.0;
    for (int start = 0; start < K; start += spln::kMaxSystem) {
        const int count = std::min(spln::kMaxSystem, K - start);
        for (int k = 0; k < count; ++k) {
            values[k] = x - centre;
            centre = centre + shape.centreSpacing;
        }
        BasisValues(type, values, values, count, shape);
        for (int k = 0; k < count; ++k)
            sum = sum + values[k] * a[start + k];
    }
    return sum;
}

void spln::LsqSumsAt(const CSplineEngine& engine, int type, const double* x, int count, const double* a, double* out)
{
    const int K = engine.m_nLsqCount;
    if (K > kMaxSystem) {
        for (int j = 0; j < count; ++j)
            out[j] = engine.LsqSum(type, x[j], a);
        return;
    }
    if (K < 1) {
        for (int j = 0; j < count; ++j)
            out[j] = 0.0;
        return;
    }
    // The centres, accumulated as LsqSum accumulates them.
    const LsqShape shape = MakeLsqShape(engine, K);
    double centres[kMaxSystem];
    double centre = -engine.m_dHalfWidth;
    for (int k = 0; k < K; ++k) {
        centres[k] = centre;
        centre = centre + shape.centreSpacing;
    }
    constexpr int kAtOnce = 4;
    double values[kAtOnce][kMaxSystem];
    for (int j = 0; j < count; j += kAtOnce) {
        const int points = std::min(kAtOnce, count - j);
        for (int g = 0; g < points; ++g) {
            for (int k = 0; k < K; ++k)
                values[g][k] = x[j + g] - centres[k];
            BasisValues(type, values[g], values[g], K, shape);
        }
        double sums[kAtOnce] = {};
        for (int k = 0; k < K; ++k) {
            for (int g = 0; g < points; ++g)
                sums[g] = sums[g] + values[g][k] * a[k];
        }
        for (int g = 0; g < points; ++g)
            out[j + g] = sums[g];
    }
}
