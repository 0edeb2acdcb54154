#pragma once

// The functions each vector path provides, compiled for its own instruction
// set (VectorAvx2.cpp, VectorAvx512.cpp) and called only where the processor
// has it (VectorExp.cpp).

#include "engine/Projection.h"
#include "engine/VectorExp.h"

namespace spln::detail {

struct PathFunctions {
    // std::exp of x[i] into y[i] for i < n; lanes that need the library's
    // special cases (|x| >= 512, |x| < 2^-54, infinities, NaN) are recomputed
    // with std::exp itself.
    void (*exp)(const double* x, double* y, int n);
    // ExpNeg(a[i]) into y[i] for i < n; arguments beyond the cut-off are not evaluated.
    void (*expNeg)(const double* a, double* y, int n);
    // sums[j] = WindowedKernelSum(type, x[j], b, p, q, windows[j]) for j < count, kernel types 1 to 4.
    void (*kernelSums)(int type, int count, const double* x, double b, const double* p, const double* q,
                       const IndexWindow* windows, double* sums);
    // sums[j] = the sum of p[i] * IntegratedKernel(1, b, x[j], q[i]) over
    // windows[j] for j < count; nullptr where the block path is faster.
    void (*integratedGaussianSums)(int count, const double* x, double b, const double* p, const double* q,
                                   const IndexWindow* windows, double* sums);
    // y[i] = ExpNeg(a[i]) or a[i] / b[i] for i < n, whole vectors of each
    // in the proportion expShare : divisionShare: the benchmark's floor.
    void (*expNegAndDivide)(const double* a, const double* b, double* y, int n, long long expShare,
                            long long divisionShare);
};

extern const PathFunctions kAvx2FmaFunctions;
extern const PathFunctions kAvx512Functions;

// The path's functions; the scalar path has no fused kernel sums (nullptr).
const PathFunctions& FunctionsOf(ExpPath path);

}  // namespace spln::detail
