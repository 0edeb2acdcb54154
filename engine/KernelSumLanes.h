#pragma once

// The windowed kernel sums on whole vectors, written once over a vocabulary
// of vector operations: the arithmetic around the exponential, the
// exponential itself and the products run a vector of terms at a time while
// the additions keep their order. Two things keep the processor busy: the
// divisions of the next vector are issued before the exponential of this one
// needs its own, and several nodes are summed at once, each node's sum a
// chain of its own in increasing index order: side by side, or kLanes nodes
// turned into the lanes of one vector of sums. Compiled inside each
// instruction set's target region, after ExpCore.h and KernelFormulas.h.

#include <cstddef>

namespace spln::lanes {

// The terms of a windowed sum: Prepare takes a vector of abscissae q to the
// arguments of the exponentials (the divisions), Value those to the kernel values.

// Kernel(type, (x - q) / b).
template <int type, class V>
struct KernelTerm {
    struct Arguments {
        typename V::Vec u;
        typename V::Vec a;  // KernelExpArgument(u)
    };

    [[gnu::always_inline]] static Arguments Prepare(typename V::Vec x, typename V::Vec b, typename V::Vec q)
    {
        const typename V::Vec u = V::Div(V::Sub(x, q), b);
        return {u, KernelExpArgument<type, V>(u)};
    }

    // The exponential's stage alone, and the kernel from it: Value(k) is
    // Finish(Exponential(k)), split so that the rest of one vector's term
    // can run beside the next vector's exponential.
    struct Exponentials {
        Arguments k;
        typename V::Vec d;  // ExpNeg(a); a again for type 4
    };

    [[gnu::always_inline]] static Exponentials Exponential(const Arguments& k)
    {
        return {k, type == 4 ? k.a : ExpNeg<V>(k.a)};
    }

    [[gnu::always_inline]] static typename V::Vec Finish(const Exponentials& e)
    {
        return KernelFromExp<type, V>(e.k.u, e.k.a, e.d);
    }

    [[gnu::always_inline]] static typename V::Vec Value(const Arguments& k) { return Finish(Exponential(k)); }
};

// IntegratedKernel(1, b, x, q): the hat function smoothed by the Gaussian.
template <class V>
struct IntegratedGaussianTerm {
    struct Arguments {
        typename V::Vec z[3];  // the ErfIntegrals' arguments
        typename V::Vec t[3];  // and their ErfReciprocal
    };

    [[gnu::always_inline]] static Arguments Prepare(typename V::Vec x, typename V::Vec b, typename V::Vec q)
    {
        Arguments k;
        IntegratedGaussianArguments<V>(V::Div(V::Sub(x, q), b), k.z);
        for (int i = 0; i < 3; ++i)
            k.t[i] = ErfReciprocal<V>(k.z[i]);
        return k;
    }

    // One stage for the whole term (see KernelTerm).
    using Exponentials = Arguments;
    [[gnu::always_inline]] static Exponentials Exponential(const Arguments& k) { return k; }
    [[gnu::always_inline]] static typename V::Vec Finish(const Exponentials& k) { return Value(k); }

    [[gnu::always_inline]] static typename V::Vec Value(const Arguments& k)
    {
        typename V::Vec f[3];
        for (int i = 0; i < 3; ++i)
            f[i] = ErfIntegralFromReciprocal<V>(k.z[i], k.t[i], ExpNeg<V>(V::Mul(k.z[i], k.z[i])));
        return IntegratedGaussianFrom<V>(f);
    }
};

// sum plus p[i] * Term(x, b, q[i]) for i = 0..count-1, added one by one in increasing i.
template <class Term, class V>
double NodeSum(double x, double b, const double* p, const double* q, int count, double sum)
{
    constexpr int kLanes = V::kLanes;
    const typename V::Vec vx = V::Set(x);
    const typename V::Vec vb = V::Set(b);
    alignas(64) double terms[V::kLanes];
    const int full = count > 0 ? count / kLanes : 0;
    if (full > 0) {
        typename Term::Arguments next = Term::Prepare(vx, vb, V::Load(q));
        for (int s = 0; s < full; ++s) {
            const typename Term::Arguments current = next;
            if (s + 1 < full)
                next = Term::Prepare(vx, vb, V::Load(q + (s + 1) * kLanes));
            V::Store(terms, V::Mul(V::Load(p + s * kLanes), Term::Value(current)));
            for (int l = 0; l < kLanes; ++l)
                sum = sum + terms[l];
        }
    }
    const int done = full * kLanes;
    if (done >= count)
        return sum;
    // The last terms; the padding lanes (u = 1/2, an ordinary argument of
    // every term, and p = 0) are computed and dropped.
    const double pad = x - 0.5 * b;
    const typename V::Vec k = Term::Value(Term::Prepare(vx, vb, LoadFirst<V>(q + done, count - done, pad)));
    V::Store(terms, V::Mul(LoadFirst<V>(p + done, count - done, 0.0), k));
    for (int l = 0; l < count - done; ++l)
        sum = sum + terms[l];
    return sum;
}

// sums[g] = NodeSum over windows[g] at x[g] for G nodes at once: the
// windows' common length in lockstep, G independent chains of additions;
// the rest of each window alone.
template <class Term, class V, int G>
void NodeSums(const double* x, double b, const double* p, const double* q, const IndexWindow* windows, double* sums)
{
    constexpr int kLanes = V::kLanes;
    constexpr std::size_t kNodes = G;  // array bounds
    constexpr std::size_t kWidth = V::kLanes;
    int first[kNodes];
    int common = windows[0].last - windows[0].first + 1;
    for (int g = 0; g < G; ++g) {
        first[g] = windows[g].first;
        const int length = windows[g].last - windows[g].first + 1;
        common = common < length ? common : length;
    }
    const int full = common > 0 ? common / kLanes : 0;
    const typename V::Vec vb = V::Set(b);
    double sum[kNodes] = {};
    if (full > 0) {
        typename V::Vec vx[kNodes];
        typename Term::Arguments next[kNodes];
        for (int g = 0; g < G; ++g) {
            vx[g] = V::Set(x[g]);
            next[g] = Term::Prepare(vx[g], vb, V::Load(q + first[g]));
        }
        alignas(64) double terms[kNodes][kWidth];
        for (int s = 0; s < full; ++s) {
            typename Term::Arguments current[kNodes];
            for (int g = 0; g < G; ++g)
                current[g] = next[g];
            if (s + 1 < full) {
                for (int g = 0; g < G; ++g)
                    next[g] = Term::Prepare(vx[g], vb, V::Load(q + first[g] + (s + 1) * kLanes));
            }
            for (int g = 0; g < G; ++g)
                V::Store(terms[g], V::Mul(V::Load(p + first[g] + s * kLanes), Term::Value(current[g])));
            for (int l = 0; l < kLanes; ++l) {
                for (int g = 0; g < G; ++g)
                    sum[g] = sum[g] + terms[g][l];
            }
        }
    }
    const int done = full * kLanes;
    for (int g = 0; g < G; ++g)
        sums[g] = NodeSum<Term, V>(x[g], b, p + first[g] + done, q + first[g] + done,
                                   windows[g].last - first[g] + 1 - done, sum[g]);
}

// sums[l] = NodeSum over windows[l] at x[l] for kLanes nodes at once: over
// the windows' common length a vector of terms of each node at a time, the
// kLanes vectors then turned so that each lane holds one node's terms, added
// to that node's lane of the sum one vector after another, in increasing
// index order. The additions are kLanes chains in one vector; the rest of
// each window alone.
template <class Term, class V>
void TransposedNodeSums(const double* x, double b, const double* p, const double* q, const IndexWindow* windows,
                        double* sums)
{
    constexpr int kLanes = V::kLanes;
    constexpr std::size_t kWidth = V::kLanes;  // array bounds
    int first[kWidth];
    int common = windows[0].last - windows[0].first + 1;
    for (int l = 0; l < kLanes; ++l) {
        first[l] = windows[l].first;
        const int length = windows[l].last - windows[l].first + 1;
        common = common < length ? common : length;
    }
    const int full = common > 0 ? common / kLanes : 0;
    const typename V::Vec vb = V::Set(b);
    typename V::Vec sum = V::Set(0.0);
    alignas(64) double terms[kWidth][kWidth];
    // The node vectors, taken node by node and step by step, run in three
    // stages a vector apart: while one vector's term is finished, the next
    // one's exponential and the divisions of the one after it are under way,
    // so that each vector's chain of dependent operations overlaps others.
    auto prepare = [&](int node, int step) {
        return Term::Prepare(V::Set(x[node]), vb, V::Load(q + first[node] + step * kLanes));
    };
    typename Term::Arguments prepared;
    typename Term::Exponentials exponentials;
    if (full > 0) {
        exponentials = Term::Exponential(prepare(0, 0));
        prepared = prepare(1, 0);
    }
    for (int s = 0; s < full; ++s) {
        for (int l = 0; l < kLanes; ++l) {
            const typename Term::Exponentials current = exponentials;
            // The vectors one and two after this one: the next node's, or the first's of the next step.
            if (l + 1 < kLanes || s + 1 < full)
                exponentials = Term::Exponential(prepared);
            const int laterNode = (l + 2) % kLanes;
            const int laterStep = s + (l + 2) / kLanes;
            if (laterStep < full)
                prepared = prepare(laterNode, laterStep);
            V::Store(terms[l], V::Mul(V::Load(p + first[l] + s * kLanes), Term::Finish(current)));
        }
        typename V::Vec column[kWidth];
        for (int l = 0; l < kLanes; ++l)
            column[l] = V::Load(terms[l]);
        V::Transpose(column);
        for (int l = 0; l < kLanes; ++l)
            sum = V::Add(sum, column[l]);
    }
    alignas(64) double partial[kWidth];
    V::Store(partial, sum);
    const int done = full * kLanes;
    for (int l = 0; l < kLanes; ++l)
        sums[l] = NodeSum<Term, V>(x[l], b, p + first[l] + done, q + first[l] + done,
                                   windows[l].last - first[l] + 1 - done, partial[l]);
}

// sums[l] = NodeSum over windows[l] at x[l] for kLanes points whose windows
// have the same length: one point in each lane, the lanes' nodes gathered,
// each lane adding its point's terms in increasing index order.
template <class Term, class V>
void SumsAcrossLanes(const double* x, double b, const double* p, const double* q, const IndexWindow* windows,
                     double* sums)
{
    int first[V::kLanes];
    for (int l = 0; l < V::kLanes; ++l)
        first[l] = windows[l].first;
    const int length = windows[0].last - windows[0].first + 1;
    const typename V::Vec vx = V::Load(x);
    const typename V::Vec vb = V::Set(b);
    typename V::Vec sum = V::Set(0.0);
    typename Term::Arguments next = Term::Prepare(vx, vb, V::Gather(q, first));
    for (int k = 0; k < length; ++k) {
        const typename Term::Arguments current = next;
        if (k + 1 < length)
            next = Term::Prepare(vx, vb, V::Gather(q + k + 1, first));
        sum = V::Add(sum, V::Mul(V::Gather(p + k, first), Term::Value(current)));
    }
    V::Store(sums, sum);
}

// Whether the kLanes windows from windows[0] all hold `length` terms.
template <class V>
bool SameLengths(const IndexWindow* windows, int count, int length)
{
    if (count < V::kLanes)
        return false;
    for (int l = 1; l < V::kLanes; ++l) {
        if (windows[l].last - windows[l].first + 1 != length)
            return false;
    }
    return true;
}

// The nodes' sums for any count: a run of kLanes nodes whose windows hold
// one length of at most acrossUpTo terms takes a lane each (so few terms
// fill one node's vectors poorly); otherwise kLanes nodes turned into lanes
// where `transposed`, else `group` nodes side by side; the last few alone.
template <class Term, class V, int group>
void NodeSumsOf(int acrossUpTo, bool transposed, int count, const double* x, double b, const double* p, const double* q,
                const IndexWindow* windows, double* sums)
{
    int j = 0;
    while (j < count) {
        const IndexWindow w = windows[j];
        const int length = w.last - w.first + 1;
        if (length > 0 && length <= acrossUpTo && SameLengths<V>(windows + j, count - j, length)) {
            SumsAcrossLanes<Term, V>(x + j, b, p, q, windows + j, sums + j);
            j += V::kLanes;
        } else if (transposed && j + V::kLanes <= count) {
            TransposedNodeSums<Term, V>(x + j, b, p, q, windows + j, sums + j);
            j += V::kLanes;
        } else if (j + group <= count) {
            NodeSums<Term, V, group>(x + j, b, p, q, windows + j, sums + j);
            j += group;
        } else {
            sums[j] = NodeSum<Term, V>(x[j], b, p + w.first, q + w.first, length, 0.0);
            ++j;
        }
    }
}

// NodeSumsOf for a kernel type 1 to 4 (any other: 4).
template <class V>
void KernelSums(int type, int count, const double* x, double b, const double* p, const double* q,
                const IndexWindow* windows, double* sums)
{
    // The smoothing's windows are long enough for a node's own vectors (one
    // lane a node measured no faster even for the shortest), so never across.
    constexpr int kAcross = 0;
    switch (type) {
    case 1:
        return NodeSumsOf<KernelTerm<1, V>, V, V::NodesAtOnce(1)>(kAcross, V::Transposed(1), count, x, b, p, q, windows,
                                                                  sums);
    case 2:
        return NodeSumsOf<KernelTerm<2, V>, V, V::NodesAtOnce(2)>(kAcross, V::Transposed(2), count, x, b, p, q, windows,
                                                                  sums);
    case 3:
        return NodeSumsOf<KernelTerm<3, V>, V, V::NodesAtOnce(3)>(kAcross, V::Transposed(3), count, x, b, p, q, windows,
                                                                  sums);
    default:
        return NodeSumsOf<KernelTerm<4, V>, V, V::NodesAtOnce(4)>(kAcross, V::Transposed(4), count, x, b, p, q, windows,
                                                                  sums);
    }
}

// The expansion's sums in the integrated Gaussian at count points: their
// windows hold a dozen nodes, so points with windows of one length take a lane each.
template <class V>
void IntegratedGaussianSums(int count, const double* x, double b, const double* p, const double* q,
                            const IndexWindow* windows, double* sums)
{
    NodeSumsOf<IntegratedGaussianTerm<V>, V, 1>(1 << 30, false, count, x, b, p, q, windows, sums);
}

}  // namespace spln::lanes
