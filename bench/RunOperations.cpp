// Counts a run's exponentials and divisions from its settings, with the
// engine's own windows; the counts per term follow the formulas of
// engine/KernelFormulas.h, engine/Kernels.cpp and engine/LeastSquares.cpp.

#include "bench/RunOperations.h"

#include "engine/CSplineEngine.h"
#include "engine/Projection.h"

#include <algorithm>
#include <vector>

namespace spln::bench {

namespace {

struct PerTerm {
    int exps;
    int divisions;
};

// Per term, by type 0..5 (types outside a table count as the table's type 0).
// Kernel(type, (x - q) / b): the division by b, then u / sqrt(2) and ExpNeg for
// the Gaussians; ExpNeg, 1/d and 1/(d + 1/d + 2) for the logistic kernel; 1/(v v) for type 4.
constexpr PerTerm kKernelTerms[] = {{0, 2}, {1, 2}, {1, 2}, {1, 3}, {0, 2}, {0, 2}};
// IntegratedKernel: u, then three ErfIntegrals (an exponential, 1/(1 + p|x|)
// and e/sqrt(pi) each) for type 1; three ExpNeg, three e^|u| and six quotients
// for type 3; the quotients of HatConvolution and StudentNorm for type 4.
constexpr PerTerm kIntegratedTerms[] = {{0, 0}, {3, 7}, {0, 0}, {6, 7}, {0, 10}, {0, 0}};
// A least-squares basis value: u / sigma and an ErfIntegral for type 1, u / spacing for type 3.
constexpr PerTerm kBasisTerms[] = {{0, 0}, {1, 3}, {0, 0}, {0, 1}, {0, 0}, {0, 0}};

PerTerm Of(const PerTerm (&table)[6], int type)
{
    return table[type >= 0 && type < 6 ? type : 0];
}

void Add(double& exps, double& divisions, PerTerm per, double terms)
{
    exps += per.exps * terms;
    divisions += per.divisions * terms;
}

double Length(IndexWindow w)
{
    return w.last >= w.first ? w.last - w.first + 1 : 0;
}

// Kernel terms of KernelSmooth at `count` nodes accumulated from -h over N samples.
double SmoothingTerms(const CSplineEngine& e, int type, int N, double b, int count, const std::vector<double>& x)
{
    const double h = e.m_dHalfWidth;
    const double step = (h - (-h)) / (count - 1);
    double node = -h;
    double terms = 0.0;
    for (int j = 0; j < count; ++j) {
        terms += Length(SmoothingWindow(h, type, N, node, b, x.data(), type == 2));
        node = node + step;
    }
    return terms;
}

}  // namespace

RunOperations CountRunOperations(const CSplineEngine& e)
{
    RunOperations ops;
    const double h = e.m_dHalfWidth;
    const int N = e.m_nSamples;
    const int P = e.m_nPoints;
    const double s = (h - (-h)) / (N - 1);
    std::vector<double> x(static_cast<std::size_t>(N));
    for (int i = 0; i < N; ++i)
        x[static_cast<std::size_t>(i)] = -h + i * s;
    const double b = e.m_nWindow * s;

    // The example function at the samples and the output points.
    const int perPoint = e.m_nExample == 1 ? 2 : (e.m_nExample == 8 || e.m_nExample == 11) ? 1 : 0;
    ops.otherExps += perPoint * static_cast<double>(N + P);

    if (e.m_nMethod == 1) {
        const int M = e.m_nSchwarzCount;
        const int type = e.m_nSchwarzType;
        Add(ops.smoothingExps, ops.smoothingDivisions, Of(kKernelTerms, type), SmoothingTerms(e, type, N, b, M, x));
        const double spacing = (h - (-h)) / (M - 1);
        const int w = ExpansionHalfWidth(type);
        double terms = 0.0;
        double xi = -h;
        for (int k = 0; k < P; ++k) {
            terms += Length(WindowAround(xi, h, spacing, w, M));
            xi = xi + (h - (-h)) / (P - 1);
        }
        Add(ops.otherExps, ops.otherDivisions, type == 2 ? Of(kKernelTerms, 2) : Of(kIntegratedTerms, type), terms);
        return ops;
    }
    const int n = std::min(N, e.m_nMaxLsqSamples);
    if (N > e.m_nMaxLsqSamples)
        Add(ops.smoothingExps, ops.smoothingDivisions, Of(kKernelTerms, 1), SmoothingTerms(e, 1, N, b, n, x));
    const int K = e.m_nLsqCount;
    Add(ops.otherExps, ops.otherDivisions, Of(kBasisTerms, e.m_nLsqType),
        static_cast<double>(K) * n + (2 * K - 1) + K * P);
    return ops;
}

}  // namespace spln::bench
