// The "Method of Least Squares": shifted basis functions fitted through
// regularised normal equations.

#include "engine/CSplineEngine.h"
#include "engine/Kernels.h"

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

// Sum over i = 0..n-1, in increasing i, of a[i] * b[i].
double GramEntry(const double* a, const double* b, int n)
{
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        sum = sum + a[i] * b[i];
    return sum;
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
        double t = -h;
        for (int i = 0; i < n; ++i) {
            m_wsBasis[k][i] = BasisValue(type, t - centre, shape);
            t = t + step;
        }
        centre = centre + shape.centreSpacing;
    }

    // B[j] . B[k] and B[k] . B[j] multiply the same pairs in the same order,
    // so each sum serves both entries; the regularising term is added to each.
    for (int k = 0; k < K; ++k) {
        for (int j = k; j < K; ++j) {
            const double sum = GramEntry(m_wsBasis[j], m_wsBasis[k], n);
            m_dMatrix[k][j] = sum + 1e-9 * BasisValue(type, (j - k) * shape.centreSpacing, shape);
            m_dMatrix[j][k] = sum + 1e-9 * BasisValue(type, (k - j) * shape.centreSpacing, shape);
        }
    }

    for (int k = 0; k < K; ++k)
        m_dVector[k] = GramEntry(values, m_wsBasis[k], n);
}

double CSplineEngine::LsqSum(int type, double x, const double* a) const
{
    const int K = m_nLsqCount;
    if (K < 1)
        return 0.0;
    const LsqShape shape = MakeLsqShape(*this, K);
    double sum = 0.0;
    double centre = -m_dHalfWidth;
    for (int k = 0; k < K; ++k) {
        sum = sum + BasisValue(type, x - centre, shape) * a[k];
        centre = centre + shape.centreSpacing;
    }
    return sum;
}
