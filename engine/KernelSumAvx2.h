#pragma once

// The windowed kernel sum in one AVX2+FMA pass, for processors that have it.

namespace spln {

// WindowedKernelSum for kernel types 1, 2 and 3 over indices first..last in
// one AVX2+FMA pass: four kernel values at a time, each bit for bit
// Kernel(type, (x - q[i]) / b), added to the sum one by one in increasing i.
// Only for processors where the guard accepts the AVX2+FMA exponential.
double WindowedKernelSumAvx2Fma(int type, double x, double b, const double* p, const double* q, int first, int last);

}  // namespace spln
