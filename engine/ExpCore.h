#pragma once

// The exponential on whole vectors, written once over a vocabulary of vector
// operations (VectorOpsAvx2.h, VectorOpsAvx512.h) and compiled for each
// instruction set inside its target region (VectorTarget.h).
//
// The operations are the C library's exp in its FMA build, one for one:
// x = k ln2/128 + r, 2^(k/128) = H (1 + T) from the table, and
// e^x = H + H (T + r + r^2 (C2 + r C3) + r^4 (C4 + r C5)), with the
// multiply-adds fused exactly where that build fuses them. Changing any of
// them, or their order, changes the last bit of some results. Lanes outside
// the main path's range are taken from std::exp itself.

#include "engine/ExpTable.h"

#include <cmath>
#include <cstdint>

namespace spln::lanes {

// e^x in each lane for the main path's arguments, with x = v, or x = -v
// where negated (the negation folded into the first two multiply-adds, which
// round the same exact values); the bits of special mark the lanes the
// caller must take from std::exp.
template <class V, bool negated = false>
[[gnu::always_inline]] inline typename V::Vec ExpCore(typename V::Vec v, unsigned& special)
{
    namespace t = exp_table;
    using Vec = typename V::Vec;
    using Int = typename V::Int;
    // The main path serves 2^-54 <= |x| < 512: the magnitude's bits in [tiny, large) << 52.
    special = V::OutsideRange(V::And(V::Bits(v), V::SetInt(INT64_MAX)), t::kTopTiny << 52, t::kTopLarge << 52);

    Vec kd = negated ? V::NegMulAdd(v, V::Set(t::kInvLn2N), V::Set(t::kShift))
                     : V::MulAdd(v, V::Set(t::kInvLn2N), V::Set(t::kShift));
    const Int ki = V::Bits(kd);
    kd = V::Sub(kd, V::Set(t::kShift));
    Vec r = negated ? V::MulSub(kd, V::Set(t::kNegLn2HiN), v) : V::MulAdd(kd, V::Set(t::kNegLn2HiN), v);
    r = V::MulAdd(kd, V::Set(t::kNegLn2LoN), r);

    Vec tail;
    Int head;
    V::TableEntries(V::And(ki, V::SetInt((1 << t::kTableBits) - 1)), tail, head);
    const Vec scale = V::FromBits(V::AddInt(head, V::template ShiftLeft<52 - t::kTableBits>(ki)));

    const Vec r2 = V::Mul(r, r);
    const Vec low = V::MulAdd(r, V::Set(t::kC3), V::Set(t::kC2));
    const Vec high = V::MulAdd(r, V::Set(t::kC5), V::Set(t::kC4));
    Vec tmp = V::Add(tail, r);
    tmp = V::MulAdd(r2, low, tmp);
    tmp = V::MulAdd(V::Mul(r2, r2), high, tmp);
    return V::MulAdd(scale, tmp, scale);
}

// Replaces the lanes of value marked in lanes with std::exp of the same lanes of x.
template <class V>
typename V::Vec PatchLanes(typename V::Vec value, typename V::Vec x, unsigned lanes)
{
    alignas(64) double args[V::kLanes];
    alignas(64) double out[V::kLanes];
    V::Store(args, x);
    V::Store(out, value);
    for (int l = 0; l < V::kLanes; ++l) {
        if ((lanes >> l) & 1u)
            out[l] = std::exp(args[l]);
    }
    return V::Load(out);
}

// std::exp in each lane, to the bit.
template <class V>
[[gnu::always_inline]] inline typename V::Vec Exp(typename V::Vec x)
{
    unsigned special;
    const typename V::Vec out = ExpCore<V>(x, special);
    return special == 0 ? out : PatchLanes<V>(out, x, special);
}

// ExpNeg in each lane, to the bit: e^(-a), and 0 without evaluating e^(-a)
// where a > 100. Those lanes take e^(-101) instead, an ordinary argument;
// Min passes a NaN on, so a NaN's lane is std::exp(-a) as before.
template <class V>
[[gnu::always_inline]] inline typename V::Vec ExpNeg(typename V::Vec a)
{
    using Vec = typename V::Vec;
    const typename V::Mask beyond = V::Greater(a, V::Set(100.0));
    const Vec v = V::Min(V::Set(101.0), a);
    unsigned special;
    Vec out = ExpCore<V, true>(v, special);
    if (special != 0)
        out = PatchLanes<V>(out, V::Neg(v), special);
    return V::Select(beyond, V::Set(0.0), out);
}

// The first count <= kLanes values from p, the other lanes pad.
template <class V>
[[gnu::always_inline]] inline typename V::Vec LoadFirst(const double* p, int count, double pad)
{
    alignas(64) double lanes[V::kLanes];
    for (int l = 0; l < V::kLanes; ++l)
        lanes[l] = l < count ? p[l] : pad;
    return V::Load(lanes);
}

// The first count <= kLanes lanes of v into p.
template <class V>
[[gnu::always_inline]] inline void StoreFirst(double* p, typename V::Vec v, int count)
{
    alignas(64) double lanes[V::kLanes];
    V::Store(lanes, v);
    for (int l = 0; l < count; ++l)
        p[l] = lanes[l];
}

// y[i] = std::exp(in[i]) (negate false) or ExpNeg(in[i]) (negate true) for i < n.
template <class V, bool negate>
void ExpBlock(const double* in, double* y, int n)
{
    constexpr int kLanes = V::kLanes;
    int i = 0;
    for (; i + kLanes <= n; i += kLanes) {
        const typename V::Vec x = V::Load(in + i);
        V::Store(y + i, negate ? ExpNeg<V>(x) : Exp<V>(x));
    }
    if (i == n)
        return;
    // The last few arguments, padded with an ordinary one.
    const typename V::Vec x = LoadFirst<V>(in + i, n - i, 0.5);
    StoreFirst<V>(y + i, negate ? ExpNeg<V>(x) : Exp<V>(x), n - i);
}

// y[i] = ExpNeg(a[i]) or a[i] / b[i] for i < n, a vector at a time, the
// exponentials' vectors and the divisions' interleaved as evenly as the
// proportion expShare : divisionShare allows: how fast the path does a run's
// exponentials and divisions together, for the benchmark's floor.
template <class V>
void ExpNegAndDivideBlock(const double* a, const double* b, double* y, int n, long long expShare,
                          long long divisionShare)
{
    const long long total = expShare + divisionShare;
    long long owed = 0;  // exponentials owed, in vectors times total
    for (int i = 0; i < n; i += V::kLanes) {
        const int count = n - i < V::kLanes ? n - i : V::kLanes;
        const typename V::Vec x = count == V::kLanes ? V::Load(a + i) : LoadFirst<V>(a + i, count, 0.5);
        const typename V::Vec d = count == V::kLanes ? V::Load(b + i) : LoadFirst<V>(b + i, count, 1.0);
        owed += expShare;
        typename V::Vec out;
        if (total > 0 && owed >= total) {
            owed -= total;
            out = ExpNeg<V>(x);
        } else {
            out = V::Div(x, d);
        }
        if (count == V::kLanes)
            V::Store(y + i, out);
        else
            StoreFirst<V>(y + i, out, count);
    }
}

}  // namespace spln::lanes
