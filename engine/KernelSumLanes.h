#pragma once

// The windowed kernel sums of kernel types 1 to 3 on whole vectors, written
// once over a vocabulary of vector operations: the arithmetic around the
// exponential, the exponential itself and the products run a vector of
// terms at a time while the additions keep their order, so the work of the
// next terms overlaps the chain of additions. Compiled inside each
// instruction set's target region, after ExpCore.h and KernelFormulas.h.

namespace spln::lanes {

// Kernel(type, (x - q) / b) in each lane.
template <int type, class V>
[[gnu::always_inline]] inline typename V::Vec KernelAt(typename V::Vec x, typename V::Vec b, typename V::Vec q)
{
    const typename V::Vec u = V::Div(V::Sub(x, q), b);
    const typename V::Vec a = KernelExpArgument<type, V>(u);
    return KernelFromExp<type, V>(u, a, type == 4 ? a : ExpNeg<V>(a));
}

// Sum of p[i] * Kernel(type, (x - q[i]) / b) over i = first..last, added one by one in increasing i.
template <int type, class V>
double WindowedKernelSum(double x, double b, const double* p, const double* q, int first, int last)
{
    constexpr int kLanes = V::kLanes;
    const typename V::Vec vx = V::Set(x);
    const typename V::Vec vb = V::Set(b);
    double sum = 0.0;
    alignas(64) double terms[V::kLanes];
    int i = first;
    for (; i + kLanes - 1 <= last; i += kLanes) {
        V::Store(terms, V::Mul(V::Load(p + i), KernelAt<type, V>(vx, vb, V::Load(q + i))));
        for (int l = 0; l < kLanes; ++l)
            sum = sum + terms[l];
    }
    if (i > last)
        return sum;
    // The last terms; the padding lanes (u = 0, p = 0) are computed and dropped.
    const int count = last - i + 1;
    const typename V::Vec k = KernelAt<type, V>(vx, vb, LoadFirst<V>(q + i, count, x));
    V::Store(terms, V::Mul(LoadFirst<V>(p + i, count, 0.0), k));
    for (int l = 0; l < count; ++l)
        sum = sum + terms[l];
    return sum;
}

// WindowedKernelSum for kernel type 1, 2 or 3 (any other: 3).
template <class V>
double WindowedKernelSumOfType(int type, double x, double b, const double* p, const double* q, int first, int last)
{
    switch (type) {
    case 1:
        return WindowedKernelSum<1, V>(x, b, p, q, first, last);
    case 2:
        return WindowedKernelSum<2, V>(x, b, p, q, first, last);
    default:
        return WindowedKernelSum<3, V>(x, b, p, q, first, last);
    }
}

}  // namespace spln::lanes
