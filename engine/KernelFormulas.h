#pragma once

// Kernel formulas that the windowed sums evaluate on whole blocks of
// arguments, visible inline so that the compiler can apply them to several
// arguments at once. Each is the exact operation sequence of Kernel(); IEEE
// arithmetic gives the same bits in one lane or many.

#include <cmath>

namespace spln {

inline constexpr double kOneThird = 0.3333333333333333;
// The double nearest to pi, as the kernel module has always used it.
inline constexpr double kPi = 3.141592653589793;
// 1 / 38.559: brings kernel type 2 to about the mass of the Gaussian.
inline constexpr double kType2Factor = -0.025934282528073862;

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

// Kernel type 2 at u from e = ExpNegSquare(GaussianArgument(u)); 0 for |u| >= 2.
inline double Type2Kernel(double u, double e)
{
    const double b = u * u;
    if (b >= 4.0)
        return 0.0;
    const double v = b - 4.0;
    return e * (v * v * v) * kType2Factor;
}

// Erf(x) from e = ExpNegSquare(x).
inline double ErfFrom(double x, double e)
{
    const double t = 1.0 / (1.0 + 0.3275911 * std::fabs(x));
    const double poly = 0.254829592 + t * (-0.284496736 + t * (1.421413741 + t * (-1.453152027 + t * 1.061405429)));
    const double r = 1.0 - t * poly * e;
    if (x < 0.0)
        return -r;
    if (x > 0.0)
        return r;
    return 0.0;
}

// ErfIntegral(x) from e = ExpNegSquare(x).
inline double ErfIntegralFrom(double x, double e)
{
    return x * ErfFrom(x, e) + e / std::sqrt(kPi);
}

// KernelPrimitive(3, x) from d = ExpNeg(|x|).
inline double LogisticPrimitive(double x, double d)
{
    const double b = 1.0 / (d + 1.0) - 0.5;
    return x >= 0.0 ? b : -b;
}

// KernelMoment(3, x) from d = ExpNeg(|x|) and g = e^|x|, which is read only
// for |x| <= 15: above, e^|x| would only feed a quotient that d gives directly.
inline double LogisticMoment(double x, double d, double g)
{
    const double a = std::fabs(x);
    const double tail = std::log(1.0 + d);
    if (a > 15.0)
        return -a * d - tail;
    return -a / (g + 1.0) - tail;
}

// The hat function convolved with a kernel from the kernel's primitive f and
// moment g at x + 1, x - 1 and x (arguments already divided by the stretch s);
// m is the moment's scale.
inline double HatCombination(double s, double m, double x, double f1, double f2, double f3, double g1, double g2,
                             double g3)
{
    return s * ((f1 - f2) + x * (f1 + f2 - 2.0 * f3)) + m * (2.0 * g3 - g1 - g2);
}

// Kernel type 4: 1 / (u^2/3 + 1)^2, the square multiplied out as IntPower does.
inline double RationalKernel(double u)
{
    const double v = u * u * kOneThird + 1.0;
    return 1.0 / (v * v);
}

}  // namespace spln
