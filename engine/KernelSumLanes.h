#pragma once

// The windowed kernel sums on whole vectors, written once over a vocabulary
// of vector operations: the arithmetic around the exponential, the
// exponential itself and the products run a vector of terms at a time while
// the additions keep their order. Two things keep the processor busy: the
// divisions of the next vector are issued before the exponential of this one
// needs its own, and several nodes are summed at once, each node's sum a
// chain of its own in increasing index order. Compiled inside each
// instruction set's target region, after ExpCore.h and KernelFormulas.h.

namespace spln::lanes {

// u = (x - q) / b and the exponential's argument a = KernelExpArgument(u), in each lane.
template <class V>
struct KernelArguments {
    typename V::Vec u;
    typename V::Vec a;
};

template <int type, class V>
[[gnu::always_inline]] inline KernelArguments<V> ArgumentsAt(typename V::Vec x, typename V::Vec b, typename V::Vec q)
{
    const typename V::Vec u = V::Div(V::Sub(x, q), b);
    return {u, KernelExpArgument<type, V>(u)};
}

// Kernel(type, u) in each lane from its arguments.
template <int type, class V>
[[gnu::always_inline]] inline typename V::Vec KernelOf(const KernelArguments<V>& k)
{
    return KernelFromExp<type, V>(k.u, k.a, type == 4 ? k.a : ExpNeg<V>(k.a));
}

// sum plus p[i] * Kernel(type, (x - q[i]) / b) for i = 0..count-1, added one by one in increasing i.
template <int type, class V>
double NodeSum(double x, double b, const double* p, const double* q, int count, double sum)
{
    constexpr int kLanes = V::kLanes;
    const typename V::Vec vx = V::Set(x);
    const typename V::Vec vb = V::Set(b);
    alignas(64) double terms[V::kLanes];
    const int full = count > 0 ? count / kLanes : 0;
    if (full > 0) {
        KernelArguments<V> next = ArgumentsAt<type, V>(vx, vb, V::Load(q));
        for (int s = 0; s < full; ++s) {
            const KernelArguments<V> current = next;
            if (s + 1 < full)
                next = ArgumentsAt<type, V>(vx, vb, V::Load(q + (s + 1) * kLanes));
            V::Store(terms, V::Mul(V::Load(p + s * kLanes), KernelOf<type, V>(current)));
            for (int l = 0; l < kLanes; ++l)
                sum = sum + terms[l];
        }
    }
    const int done = full * kLanes;
    if (done >= count)
        return sum;
    // The last terms; the padding lanes (u = 0, p = 0) are computed and dropped.
    const typename V::Vec k = KernelOf<type, V>(ArgumentsAt<type, V>(vx, vb, LoadFirst<V>(q + done, count - done, x)));
    V::Store(terms, V::Mul(LoadFirst<V>(p + done, count - done, 0.0), k));
    for (int l = 0; l < count - done; ++l)
        sum = sum + terms[l];
    return sum;
}

// sums[g] = NodeSum over first[g]..last[g] at x[g] for G nodes at once: the
// windows' common length in lockstep, G independent chains of additions;
// the rest of each window alone.
template <int type, class V, int G>
void NodeSums(const double* x, double b, const double* p, const double* q, const IndexWindow* windows, double* sums)
{
    constexpr int kLanes = V::kLanes;
    int first[G];
    int common = windows[0].last - windows[0].first + 1;
    for (int g = 0; g < G; ++g) {
        first[g] = windows[g].first;
        const int length = windows[g].last - windows[g].first + 1;
        common = common < length ? common : length;
    }
    const int full = common > 0 ? common / kLanes : 0;
    const typename V::Vec vb = V::Set(b);
    double sum[G] = {};
    if (full > 0) {
        typename V::Vec vx[G];
        KernelArguments<V> next[G];
        for (int g = 0; g < G; ++g) {
            vx[g] = V::Set(x[g]);
            next[g] = ArgumentsAt<type, V>(vx[g], vb, V::Load(q + first[g]));
        }
        alignas(64) double terms[G][V::kLanes];
        for (int s = 0; s < full; ++s) {
            KernelArguments<V> current[G];
            for (int g = 0; g < G; ++g)
                current[g] = next[g];
            if (s + 1 < full) {
                for (int g = 0; g < G; ++g)
                    next[g] = ArgumentsAt<type, V>(vx[g], vb, V::Load(q + first[g] + (s + 1) * kLanes));
            }
            for (int g = 0; g < G; ++g)
                V::Store(terms[g], V::Mul(V::Load(p + first[g] + s * kLanes), KernelOf<type, V>(current[g])));
            for (int l = 0; l < kLanes; ++l) {
                for (int g = 0; g < G; ++g)
                    sum[g] = sum[g] + terms[g][l];
            }
        }
    }
    const int done = full * kLanes;
    for (int g = 0; g < G; ++g)
        sums[g] = NodeSum<type, V>(x[g], b, p + first[g] + done, q + first[g] + done,
                                   windows[g].last - first[g] + 1 - done, sum[g]);
}

// The nodes' sums V::NodesAtOnce(type) at a time; count may be anything.
template <int type, class V>
void NodeSumsOf(int count, const double* x, double b, const double* p, const double* q, const IndexWindow* windows,
                double* sums)
{
    constexpr int kGroup = V::NodesAtOnce(type);
    int j = 0;
    for (; j + kGroup <= count; j += kGroup)
        NodeSums<type, V, kGroup>(x + j, b, p, q, windows + j, sums + j);
    for (; j < count; ++j) {
        const IndexWindow w = windows[j];
        sums[j] = NodeSum<type, V>(x[j], b, p + w.first, q + w.first, w.last - w.first + 1, 0.0);
    }
}

// NodeSumsOf for a kernel type 1 to 4 (any other: 4).
template <class V>
void KernelSums(int type, int count, const double* x, double b, const double* p, const double* q,
                const IndexWindow* windows, double* sums)
{
    switch (type) {
    case 1:
        return NodeSumsOf<1, V>(count, x, b, p, q, windows, sums);
    case 2:
        return NodeSumsOf<2, V>(count, x, b, p, q, windows, sums);
    case 3:
        return NodeSumsOf<3, V>(count, x, b, p, q, windows, sums);
    default:
        return NodeSumsOf<4, V>(count, x, b, p, q, windows, sums);
    }
}

}  // namespace spln::lanes
