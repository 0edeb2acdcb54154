#pragma once

// Helpers of the windowed kernel sums shared by the projection routines and
// the parallel projection of a run.

class CSplineEngine;

namespace spln {

// Consecutive indices first..last of the entries a windowed sum visits; empty when first > last.
struct IndexWindow {
    int first;
    int last;
};

// The window of half width w around x on a grid that starts at -halfWidth
// with the given spacing and holds n entries: w + 1 entries on each side of x,
// clipped to 0..n-1.
IndexWindow WindowAround(double x, double halfWidth, double spacing, int w, int n);

// Half width of KernelSum's window, in nodes.
inline constexpr int kExpansionHalfWidth = 3;

// The factor that gives the kernel of the given type unit mass.
double KernelNorm(int type);

// Half width, in samples, of KernelSmooth's window for bandwidth b and sample spacing h:
// the nearest integer to 5 ln(10) b / h, plus 1. The kernels are negligible beyond it.
int SmoothingHalfWidth(double b, double h);

// Half width, in centres, of the window of the kernel expansion at a point:
// the integrated kernels of types 1, 3 and 4 and the type-2 kernel itself are
// negligible beyond it. 0 for a type without an expansion.
int ExpansionHalfWidth(int type);

// Sum of p[i] * Kernel(type, (x - q[i]) / b) over the window, in increasing i.
double WindowedKernelSum(int type, double x, double b, const double* p, const double* q, IndexWindow window);

// sums[j] = WindowedKernelSum(type, x[j], b, p, q, windows[j]) for j < count:
// several sums at once, so that their additions keep the processor busy,
// each sum still in increasing index order.
void WindowedKernelSums(int type, int count, const double* x, double b, const double* p, const double* q,
                        const IndexWindow* windows, double* sums);

// The window KernelSmooth sums over at x for n values at abscissae q spaced
// 2 halfWidth / (n - 1): WindowAround with SmoothingHalfWidth, narrowed to
// where the type-2 kernel can be non-zero when increasingAndFinite (see SmoothAt).
IndexWindow SmoothingWindow(double halfWidth, int type, int n, double x, double b, const double* q,
                            bool increasingAndFinite);

// KernelSmooth's value from the sum over its window.
double SmoothingResult(double halfWidth, int type, int n, double b, double sum);

// KernelSmooth's value: the n values p at the abscissae q averaged around x
// with the unit-mass kernel of the given type and bandwidth b, on [-halfWidth,
// halfWidth]. When the caller guarantees that q increases and every p is
// finite, the sum leaves out the terms where the kernel vanishes (type 2
// beyond two bandwidths): each would add p * 0 = +-0 to a sum that started at
// +0 and can never be -0, so the result keeps every bit.
double SmoothAt(double halfWidth, int type, int n, double x, double b, const double* p, const double* q,
                bool increasingAndFinite);

// out[k] = engine.KernelSum(type, n, x[k], b, p, q) and
// engine.HatKernelSum(type, n, x[k], b, p, q) for k < count: the expansions
// at several points at once, each sum in its own order.
inline constexpr int kMaxPointsAtOnce = 64;
void KernelSumsAt(const CSplineEngine& engine, int type, int n, const double* x, int count, double b, const double* p,
                  const double* q, double* out);
void HatKernelSumsAt(const CSplineEngine& engine, int type, int n, const double* x, int count, double b,
                     const double* p, const double* q, double* out);

}  // namespace spln
