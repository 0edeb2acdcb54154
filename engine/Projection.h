#pragma once

// Helpers of the windowed kernel sums shared by the projection routines and
// the parallel projection of a run.

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

// The factor that gives the kernel of the given type unit mass.
double KernelNorm(int type);

// Half width, in samples, of KernelSmooth's window for bandwidth b and sample spacing h:
// the nearest integer to 5 ln(10) b / h, plus 1. The kernels are negligible beyond it.
int SmoothingHalfWidth(double b, double h);

}  // namespace spln
