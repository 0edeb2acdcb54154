#pragma once

#include <cmath>

// Kernel formulas that the windowed sums evaluate on whole blocks of
// arguments, visible inline so that the compiler can apply them to several
// arguments at once. Each is the exact operation sequence of Kernel(); IEEE
// arithmetic gives the same bits in one lane or many.

namespace spln {

inline constexpr double kOneThird = 0.3333333333333333;

// The argument of the Gaussian's exponential for kernel types 1 and 2: u / sqrt(2).
inline double GaussianArgument(double u)
{
    return u / std::sqrt(2.0);
}

// Kernel type 3 near the centre, 1/(d + 1/d + 2), from d = ExpNeg(|u|).
inline double LogisticNear(double d)
{
    return 1.0 / (d + 1.0 / d + 2.0);
}

// Kernel type 3 at a = |u| from d = ExpNeg(a) and near = LogisticNear(d). Far
// out the near formula equals e^-a to working precision and 1/d would
// overflow, so the tail is d itself.
inline double LogisticSelect(double a, double d, double near)
{
    return a > 15.0 ? d : near;
}

// Kernel type 4: 1 / (u^2/3 + 1)^2, the square multiplied out as IntPower does.
inline double RationalKernel(double u)
{
    const double v = u * u * kOneThird + 1.0;
    return 1.0 / (v * v);
}

}  // namespace spln
