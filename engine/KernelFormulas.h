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

}  // namespace spln
