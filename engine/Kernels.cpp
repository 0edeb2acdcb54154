// The kernels of the projection and the basis functions of least squares.

#include "engine/Kernels.h"

#include "engine/KernelFormulas.h"
#include "engine/VectorClones.h"
#include "engine/VectorExp.h"
#include "engine/VectorOpsScalar.h"

#include <algorithm>
#include <cmath>

namespace spln {

namespace {

constexpr double kOneOverPi = 0.3183098861837907;

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

// Kernel(type, u) for a type 1 to 4.
template <int type>
double KernelOfType(double u)
{
    const double a = KernelExpArgument<type, scalar::Ops>(u);
    return KernelFromExp<type, scalar::Ops>(u, a, type == 4 ? a : ExpNeg(a));
}

}  // namespace

double Sign(double x)
{
    if (x < 0.0)
        return -1.0;
    if (x > 0.0)
        return 1.0;
    return 0.0;
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
    return ErfFrom<scalar::Ops>(x, ExpNegSquare(x));
}

double ErfIntegral(double x)
{
    return ErfIntegralFrom<scalar::Ops>(x, ExpNegSquare(x));
}

namespace {

SPLN_VECTOR_CLONES
void SquaresOf(const double* x, double* squares, int n)
{
    for (int i = 0; i < n; ++i)
        squares[i] = x[i] * x[i];
}

SPLN_VECTOR_CLONES
void ErfIntegralsFrom(const double* x, const double* e, double* out, int n)
{
    for (int i = 0; i < n; ++i)
        out[i] = ErfIntegralFrom<scalar::Ops>(x[i], e[i]);
}

}  // namespace

void ErfIntegralBlock(const double* x, double* out, int n)
{
    constexpr int kChunk = 64;
    double squares[kChunk];
    double e[kChunk];
    for (int start = 0; start < n; start += kChunk) {
        const int count = std::min(kChunk, n - start);
        SquaresOf(x + start, squares, count);
        ExpNegBlock(squares, e, count);
        ErfIntegralsFrom(x + start, e, out + start, count);
    }
}

double KernelPrimitive(int type, double x)
{
    if (type == 3)
        return LogisticPrimitive(x, ExpNeg(std::fabs(x)));
    if (type == 4)
        return (std::atan(x) + x / (x * x + 1.0)) * 0.5;
    return 0.0;
}

double KernelMoment(int type, double x)
{
    if (type == 3) {
        const double a = std::fabs(x);
        return LogisticMoment(x, ExpNeg(a), a > 15.0 ? 0.0 : std::exp(a));
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
    return HatCombination(s, m, x, f1, f2, f3, g1, g2, g3);
}

double Kernel(int type, double u)
{
    switch (type) {
    case 1:
        return KernelOfType<1>(u);
    case 2:
        return KernelOfType<2>(u);
    case 3:
        return KernelOfType<3>(u);
    case 4:
        return KernelOfType<4>(u);
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
        double z[3];
        IntegratedGaussianArguments<scalar::Ops>(u, z);
        const double f[3] = {ErfIntegral(z[0]), ErfIntegral(z[1]), ErfIntegral(z[2])};
        return IntegratedGaussianFrom<scalar::Ops>(f);
    }
    case 3:
        return HatConvolution(3, u);
    case 4:
        return HatConvolution(4, u) * StudentNorm(1);
    default:
        return 0.0;
    }
}

void IntegratedKernelBlock(int type, double h, double x, const double* t, int count, double* out)
{
    constexpr int kChunk = 32;
    double u[kChunk];
    double z[3 * kChunk];
    double d[3 * kChunk];
    double g[3 * kChunk];
    for (int start = 0; start < count; start += kChunk) {
        const int n = std::min(kChunk, count - start);
        for (int i = 0; i < n; ++i)
            u[i] = (x - t[start + i]) / h;
        double* result = out + start;
        switch (type) {
        case 1:
            for (int i = 0; i < n; ++i)
                IntegratedGaussianArguments<scalar::Ops>(u[i], z + 3 * i);
            ErfIntegralBlock(z, z, 3 * n);
            for (int i = 0; i < n; ++i)
                result[i] = IntegratedGaussianFrom<scalar::Ops>(z + 3 * i);
            break;
        case 3:
            // HatConvolution(3, u): the stretch is 1, so the arguments are u + 1, u - 1 and u.
            for (int i = 0; i < n; ++i) {
                z[3 * i] = std::fabs(u[i] + 1.0);
                z[3 * i + 1] = std::fabs(u[i] - 1.0);
                z[3 * i + 2] = std::fabs(u[i]);
            }
            ExpNegBlock(z, d, 3 * n);
            // e^|u| is read only up to 15; larger arguments are not evaluated, as in KernelMoment.
            for (int i = 0; i < 3 * n; ++i)
                g[i] = z[i] > 15.0 ? 0.0 : z[i];
            ExpBlock(g, g, 3 * n);
            for (int i = 0; i < n; ++i) {
                const double u1 = u[i] + 1.0;
                const double u2 = u[i] - 1.0;
                const double* di = d + 3 * i;
                const double* gi = g + 3 * i;
                result[i] = HatCombination(1.0, 1.0, u[i], LogisticPrimitive(u1, di[0]), LogisticPrimitive(u2, di[1]),
                                           LogisticPrimitive(u[i], di[2]), LogisticMoment(u1, di[0], gi[0]),
                                           LogisticMoment(u2, di[1], gi[1]), LogisticMoment(u[i], di[2], gi[2]));
            }
            break;
        default:
            for (int i = 0; i < n; ++i)
                result[i] = IntegratedKernel(type, h, x, t[start + i]);
            break;
        }
    }
}

}  // namespace spln
