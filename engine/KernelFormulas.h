#pragma once

// The kernel formulas, written once over a vocabulary of operations on one
// double (VectorOpsScalar.h) or on a vector of them (VectorOpsAvx2.h,
// VectorOpsAvx512.h): the scalar Kernel(), the block path of the windowed
// sums and the fused vector sums all evaluate these. Each operation rounds to
// double in the order written, so one lane or many give the same bits.
//
// A kernel is computed in three steps: a = KernelExpArgument(u), d = ExpNeg(a)
// (not for type 4) and KernelFromExp(u, a, d); the caller supplies ExpNeg.

#include <cmath>

namespace spln {

inline constexpr double kOneThird = 0.3333333333333333;
// The double nearest to pi, as the kernel module has always used it.
inline constexpr double kPi = 3.141592653589793;
// 1 / 38.559: brings kernel type 2 to about the mass of the Gaussian.
inline constexpr double kType2Factor = -0.025934282528073862;

// The argument of ExpNeg in the kernel of the type at u: for types 1 and 2
// the square of u / sqrt(2) (ExpNegSquare(z) is ExpNeg(z * z)), for type 3
// |u|; type 4 has no exponential.
template <int type, class V>
[[gnu::always_inline]] inline typename V::Vec KernelExpArgument(typename V::Vec u)
{
    if constexpr (type == 3) {
        return V::Abs(u);
    } else if constexpr (type == 4) {
        return u;
    } else {
        const typename V::Vec z = V::Div(u, V::Set(std::sqrt(2.0)));
        return V::Mul(z, z);
    }
}

// The kernel of the type (1 to 4) at u from a = KernelExpArgument(u) and d = ExpNeg(a).
template <int type, class V>
[[gnu::always_inline]] inline typename V::Vec KernelFromExp(typename V::Vec u, typename V::Vec a, typename V::Vec d)
{
    using Vec = typename V::Vec;
    if constexpr (type == 1) {
        return d;
    } else if constexpr (type == 2) {
        // e (u^2 - 4)^3 / 38.559, and 0 for |u| >= 2.
        const Vec square = V::Mul(u, u);
        const Vec v = V::Sub(square, V::Set(4.0));
        const Vec k = V::Mul(V::Mul(d, V::Mul(V::Mul(v, v), v)), V::Set(kType2Factor));
        return V::Select(V::GreaterEqual(square, V::Set(4.0)), V::Set(0.0), k);
    } else if constexpr (type == 3) {
        // 1/(d + 1/d + 2). Far out it equals e^-a to working precision and
        // 1/d would overflow, so the tail is d itself.
        const Vec one = V::Set(1.0);
        const Vec near = V::Div(one, V::Add(V::Add(d, V::Div(one, d)), V::Set(2.0)));
        return V::Select(V::Greater(a, V::Set(15.0)), d, near);
    } else {
        // 1 / (u^2/3 + 1)^2, the square multiplied out as IntPower does.
        const Vec v = V::Add(V::Mul(V::Mul(u, u), V::Set(kOneThird)), V::Set(1.0));
        return V::Div(V::Set(1.0), V::Mul(v, v));
    }
}

// The rational approximation 7.1.26 of Abramowitz and Stegun to Erf(x) is
// written in t = ErfReciprocal(x) and e = ExpNegSquare(x); it is exactly 0
// at 0 (and for a NaN).
template <class V>
[[gnu::always_inline]] inline typename V::Vec ErfReciprocal(typename V::Vec x)
{
    return V::Div(V::Set(1.0), V::Add(V::Set(1.0), V::Mul(V::Set(0.3275911), V::Abs(x))));
}

template <class V>
[[gnu::always_inline]] inline typename V::Vec ErfFromReciprocal(typename V::Vec x, typename V::Vec t, typename V::Vec e)
{
    using Vec = typename V::Vec;
    const Vec inner = V::Add(V::Set(-1.453152027), V::Mul(t, V::Set(1.061405429)));
    const Vec poly =
        V::Add(V::Set(0.254829592),
               V::Mul(t, V::Add(V::Set(-0.284496736), V::Mul(t, V::Add(V::Set(1.421413741), V::Mul(t, inner))))));
    const Vec r = V::Sub(V::Set(1.0), V::Mul(V::Mul(t, poly), e));
    const Vec zero = V::Set(0.0);
    return V::Select(V::Less(x, zero), V::Neg(r), V::Select(V::Greater(x, zero), r, zero));
}

// Erf(x) from e = ExpNegSquare(x).
template <class V>
[[gnu::always_inline]] inline typename V::Vec ErfFrom(typename V::Vec x, typename V::Vec e)
{
    return ErfFromReciprocal<V>(x, ErfReciprocal<V>(x), e);
}

// ErfIntegral(x) = x Erf(x) + e / sqrt(pi) from t = ErfReciprocal(x) and e = ExpNegSquare(x).
template <class V>
[[gnu::always_inline]] inline typename V::Vec ErfIntegralFromReciprocal(typename V::Vec x, typename V::Vec t,
                                                                        typename V::Vec e)
{
    return V::Add(V::Mul(x, ErfFromReciprocal<V>(x, t, e)), V::Div(e, V::Set(std::sqrt(kPi))));
}

// ErfIntegral(x) from e = ExpNegSquare(x).
template <class V>
[[gnu::always_inline]] inline typename V::Vec ErfIntegralFrom(typename V::Vec x, typename V::Vec e)
{
    return ErfIntegralFromReciprocal<V>(x, ErfReciprocal<V>(x), e);
}

// The integrated Gaussian (IntegratedKernel of type 1) at u is
// (ErfIntegral(z[0]) + ErfIntegral(z[1]) - 2 ErfIntegral(z[2])) / sqrt(2) with
// z = (u - 1, u + 1, u) / sqrt(2), each quotient a product with 1 / sqrt(2).
template <class V>
[[gnu::always_inline]] inline void IntegratedGaussianArguments(typename V::Vec u, typename V::Vec* z)
{
    const typename V::Vec r = V::Set(1.0 / std::sqrt(2.0));
    z[0] = V::Mul(V::Sub(u, V::Set(1.0)), r);
    z[1] = V::Mul(V::Add(u, V::Set(1.0)), r);
    z[2] = V::Mul(u, r);
}

// The integrated Gaussian from f[k] = ErfIntegral(z[k]).
template <class V>
[[gnu::always_inline]] inline typename V::Vec IntegratedGaussianFrom(const typename V::Vec* f)
{
    const typename V::Vec r = V::Set(1.0 / std::sqrt(2.0));
    return V::Mul(V::Sub(V::Add(f[0], f[1]), V::Mul(V::Set(2.0), f[2])), r);
}

}  // namespace spln
