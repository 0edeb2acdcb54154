// The kernels of the projection and the basis functions of least squares.

#include "engine/Kernels.h"

#include "engine/KernelFormulas.h"

#include <cmath>

namespace spln {

namespace {

// The double nearest to pi, as the kernel module has always used it.
constexpr double kPi = 3.141592653589793;
constexpr double kOneOverPi = 0.3183098861837907;
// 1 / 38.559: brings kernel type 2 to about the mass of the Gaussian.
constexpr double kType2Factor = -0.025934282528073862;

}  // namespace

double Sign(double x)
{
    if (x < 0.0)
        return -1.0;
    if (x > 0.0)
        return 1.0;
    return 0.0;
}

double IntPower(int n, double x)
{
    double p = 1.0;
    for (int i = 0; i < n; ++i)
        p = p * x;
    return p;
}

double StudentNorm(int n)
{
    double p = 1.0;
    for (int i = 1; i <= n; ++i)
        p = p * (2 * i) / (2 * i - 1);
    return p * kOneOverPi / std::sqrt(static_cast<double>(2 * n + 1));
}

double Erf(double x)
{
    const double t = 1.0 / (1.0 + 0.3275911 * std::fabs(x));
    const double poly =
        0.254829592 + t * (-0.284496736 + t * (1.421413741 + t * (-1.453152027 + t * 1.061405429)));
    const double e = 1.0 - t * poly * ExpNegSquare(x);
    if (x < 0.0)
        return -e;
    if (x > 0.0)
        return e;
    return 0.0;
}

double ErfIntegral(double x)
{
    return x * Erf(x) + ExpNegSquare(x) / std::sqrt(kPi);
}

double KernelPrimitive(int type, double x)
{
    if (type == 3) {
        const double b = 1.0 / (ExpNeg(std::fabs(x)) + 1.0) - 0.5;
        return x >= 0.0 ? b : -b;
    }
    if (type == 4)
        return (std::atan(x) + x / (x * x + 1.0)) * 0.5;
    return 0.0;
}

double KernelMoment(int type, double x)
{
    if (type == 3) {
        const double a = std::fabs(x);
        const double tail = std::log(1.0 + ExpNeg(a));
        // Above 15 e^a would only feed a quotient that ExpNeg gives directly.
        if (a > 15.0)
            return -a * ExpNeg(a) - tail;
        return -a / (std::exp(a) + 1.0) - tail;
    }
    if (type == 4)
        return -0.5 / (x * x + 1.0);
    return 0.0;
}

double HatConvolution(int type, double x)
{
    // Type 4's kernel is stretched by sqrt(3); its moment term scales by 3.
    const double s = type == 4 ? std::sqrt(3.0) : 1.0;
    const double m = type == 4 ? 3.0 : 1.0;
    const double r = 1.0 / s;
    const double u1 = (x + 1.0) * r;
    const double u2 = (x - 1.0) * r;
    const double u3 = x * r;
    const double f1 = KernelPrimitive(type, u1);
    const double f2 = KernelPrimitive(type, u2);
    const double f3 = KernelPrimitive(type, u3);
    const double g1 = KernelMoment(type, u1);
    const double g2 = KernelMoment(type, u2);
    const double g3 = KernelMoment(type, u3);
    return s * ((f1 - f2) + x * (f1 + f2 - 2.0 * f3)) + m * (2.0 * g3 - g1 - g2);
}

double Kernel(int type, double u)
{
    switch (type) {
    case 1:
        return ExpNegSquare(GaussianArgument(u));
    case 2: {
        const double b = u * u;
        if (b >= 4.0)
            return 0.0;
        const double v = b - 4.0;
        return ExpNegSquare(GaussianArgument(u)) * (v * v * v) * kType2Factor;
    }
    case 3: {
        const double a = std::fabs(u);
        const double d = ExpNeg(a);
        return LogisticSelect(a, d, LogisticNear(d));
    }
    case 4:
        return RationalKernel(u);
    default:
        return 0.0;
    }
}

double ScaledKernel(int type, double h, double x, double t)
{
    return Kernel(type, (x - t) / h);
}

double IntegratedKernel(int type, double h, double x, double t)
{
    const double u = (x - t) / h;
    switch (type) {
    case 1: {
        const double r = 1.0 / std::sqrt(2.0);
        return (ErfIntegral((u - 1.0) * r) + ErfIntegral((u + 1.0) * r) - 2.0 * ErfIntegral(u * r)) * r;
    }
    case 3:
        return HatConvolution(3, u);
    case 4:
        return HatConvolution(4, u) * StudentNorm(1);
    default:
        return 0.0;
    }
}

}  // namespace spln
