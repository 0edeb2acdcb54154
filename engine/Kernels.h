#pragma once

// The kernel module: the elementary real functions, the four kernel types and
// their hat-function convolutions ("integrated kernels"). Every function is
// pure and evaluates its formula in one fixed order, so results are
// reproducible to the last bit.
//
// Kernel types: 1 Gaussian e^(-u^2/2); 2 Gaussian times (4 - u^2)^3, zero for
// |u| >= 2; 3 logistic density 1/(e^u + e^-u + 2); 4 rational (1 + u^2/3)^-2.
// A type a function does not handle gives 0.

#include <cmath>

namespace spln {

// -1 for x < 0, +1 for x > 0, 0 for x = 0 (and for a NaN).
double Sign(double x);

// x multiplied into 1.0 n times; 1.0 when n <= 0. Inline: the cubic's loops call it for every sample.
inline double IntPower(int n, double x)
{
    double p = 1.0;
    for (int i = 0; i < n; ++i)
        p = p * x;
    return p;
}

// Normalising constant of (1 + u^2/(2n+1))^-(n+1): Student's t density with 2n+1 degrees of freedom.
double StudentNorm(int n);

// e^(-x), cut to 0 when x > 100. Inline: the windowed sums call it millions of times.
inline double ExpNeg(double x)
{
    return x > 100.0 ? 0.0 : std::exp(-x);
}

// e^(-x*x), cut to 0 when x*x > 100.
inline double ExpNegSquare(double x)
{
    return ExpNeg(x * x);
}

// Error function by the rational approximation 7.1.26 of Abramowitz and Stegun;
// exactly 0 at 0 and exactly +-1 beyond |x| = 10.
double Erf(double x);

// x * Erf(x) + e^(-x^2) / sqrt(pi): the antiderivative of Erf with value 1/sqrt(pi) at 0.
double ErfIntegral(double x);

// out[i] = ErfIntegral(x[i]) for i < n, the exponentials a block at a time. x and out may be the same array.
void ErfIntegralBlock(const double* x, double* out, int n);

// Antiderivative from 0 of the unit kernel of type 3 (logistic) or 4 (1/(1 + t^2)^2).
double KernelPrimitive(int type, double x);

// Antiderivative of t times the unit kernel of type 3 or 4.
double KernelMoment(int type, double x);

// The hat function max(0, 1 - |t|) convolved with the kernel of type 3 or with
// the stretched kernel 1/(1 + u^2/3)^2 of type 4, at x.
double HatConvolution(int type, double x);

// The kernel of the given type at u.
double Kernel(int type, double u);

// Kernel(type, (x - t) / h).
double ScaledKernel(int type, double h, double x, double t);

// The hat function smoothed by the unit-mass kernel of the given type, at
// u = (x - t) / h. Types 1, 3 and 4; type 2 and others give 0.
double IntegratedKernel(int type, double h, double x, double t);

// out[i] = IntegratedKernel(type, h, x, t[i]) for i < count, the exponentials a block at a time.
void IntegratedKernelBlock(int type, double h, double x, const double* t, int count, double* out);

}  // namespace spln
