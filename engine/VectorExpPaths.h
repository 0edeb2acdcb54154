#pragma once

// The vector paths of ExpBlock, each compiled for its own instruction set and
// called only where the processor has it.

namespace spln::detail {

// std::exp of x[i] into y[i] for i < n; lanes that need the library's
// special cases (|x| >= 512, |x| < 2^-54, infinities, NaN) are recomputed
// with std::exp itself.
void ExpBlockAvx2Fma(const double* x, double* y, int n);
void ExpBlockAvx512(const double* x, double* y, int n);

// ExpNeg(a[i]) into y[i] for i < n; arguments beyond the cut-off are not evaluated.
void ExpNegBlockAvx2Fma(const double* a, double* y, int n);
void ExpNegBlockAvx512(const double* a, double* y, int n);

}  // namespace spln::detail
