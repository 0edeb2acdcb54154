// "Projection on Schwarz space": kernel smoothing of the residual at the nodes
// and evaluation of the kernel expansion. Each sum visits only a window of
// consecutive entries around the point, in increasing index order.

#include "engine/Projection.h"

#include "engine/CSplineEngine.h"
#include "engine/KernelFormulas.h"
#include "engine/Kernels.h"
#include "engine/VectorClones.h"
#include "engine/VectorExp.h"
#include "engine/VectorOpsScalar.h"

#include <algorithm>
#include <cmath>

namespace spln {

IndexWindow WindowAround(double x, double halfWidth, double spacing, int w, int n)
{
    const int j = static_cast<int>((x + halfWidth) / spacing);
    return {std::max(0, j - w), std::min(n - 1, j + w + 1)};
}

double KernelNorm(int type)
{
    switch (type) {
    case 1:
    case 2:
        return 1.0 / std::sqrt(6.283185307179586);
    case 3:
        return 1.0;
    default:
        return StudentNorm(1);
    }
}

int SmoothingHalfWidth(double b, double h)
{
    const double r = 5.0 * std::log(10.0) * b / h;
    const int nearest = static_cast<int>(r >= 0.0 ? r + 0.5 : r - 0.5);
    return nearest + 1;
}

namespace {

// Narrows the window to the indices where the type-2 kernel can be non-zero.
// u = (x - q[i]) / b falls as i grows, so the kernel's cut-off u * u >= 4
// holds on a prefix (u >= 2) and a suffix (u <= -2) of the window, found by
// bisection with the kernel's own test.
IndexWindow Type2Support(double x, double b, const double* q, IndexWindow window)
{
    auto beyond = [&](int i, bool left) {
        const double u = (x - q[i]) / b;
        return (left ? u >= 0.0 : u <= 0.0) && u * u >= 4.0;
    };
    int lo = window.first;
    int hi = window.last + 1;  // first index not beyond on the left
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (beyond(mid, true))
            lo = mid + 1;
        else
            hi = mid;
    }
    const int first = lo;
    lo = first - 1;  // last index not beyond on the right
    hi = window.last;
    while (lo < hi) {
        const int mid = hi - (hi - lo) / 2;
        if (beyond(mid, false))
            hi = mid - 1;
        else
            lo = mid;
    }
    return {first, lo};
}

// Kernel values are computed a block at a time: the arithmetic around the
// exponentials runs on several arguments at once, and the sum then adds the
// terms one by one in index order, exactly as a term-by-term loop would.
constexpr int kBlock = 64;

// The kernel values from u, the exponentials' arguments a and their ExpNeg d.
template <int type>
void KernelsFromExp(const double* u, const double* a, const double* d, int count, double* k)
{
    for (int i = 0; i < count; ++i)
        k[i] = KernelFromExp<type, scalar::Ops>(u[i], a[i], d[i]);
}

template <int type>
void ExpArguments(const double* u, int count, double* a)
{
    for (int i = 0; i < count; ++i)
        a[i] = KernelExpArgument<type, scalar::Ops>(u[i]);
}

// u[i] = (x - q[i]) / b and a[i] = KernelExpArgument(type, u[i]) for i < count.
SPLN_VECTOR_CLONES
void KernelArguments(int type, double x, double b, const double* q, int count, double* u, double* a)
{
    for (int i = 0; i < count; ++i)
        u[i] = (x - q[i]) / b;
    switch (type) {
    case 1:
    case 2:
        ExpArguments<1>(u, count, a);
        return;
    case 3:
        ExpArguments<3>(u, count, a);
        return;
    default:
        ExpArguments<4>(u, count, a);
        return;
    }
}

// k[i] from u[i], a[i] and d[i] = ExpNeg(a[i]); type 4 reads no exponential.
SPLN_VECTOR_CLONES
void KernelValues(int type, const double* u, const double* a, const double* d, int count, double* k)
{
    switch (type) {
    case 2:
        KernelsFromExp<2>(u, a, d, count, k);
        return;
    case 3:
        KernelsFromExp<3>(u, a, d, count, k);
        return;
    case 4:
        KernelsFromExp<4>(u, a, a, count, k);
        return;
    default:
        for (int i = 0; i < count; ++i)
            k[i] = 0.0;
        return;
    }
}

// k[i] = Kernel(type, (x - q[i]) / b) for i < count <= kBlock: the arithmetic
// before and after the exponentials, and the exponentials themselves, each
// in one pass over the block.
void KernelBlock(int type, double x, double b, const double* q, int count, double* k)
{
    double u[kBlock];
    double a[kBlock] = {};  // written by KernelArguments; GCC cannot always see that
    double d[kBlock];
    KernelArguments(type, x, b, q, count, u, a);
    switch (type) {
    case 1:
        ExpNegBlock(a, k, count);
        return;
    case 2:
    case 3:
        ExpNegBlock(a, d, count);
        break;
    default:
        break;
    }
    KernelValues(type, u, a, d, count, k);
}

// sum plus the terms of the indices first..last, a block of kernel values at a time.
double BlockSum(int type, double x, double b, const double* p, const double* q, int first, int last, double sum)
{
    double k[kBlock];
    for (int start = first; start <= last; start += kBlock) {
        const int count = std::min(kBlock, last - start + 1);
        KernelBlock(type, x, b, q + start, count, k);
        const double* values = p + start;
        for (int i = 0; i < count; ++i)
            sum = sum + values[i] * k[i];
    }
    return sum;
}

// The block path for kBlockGroup nodes at once: over the windows' common
// length the nodes' additions are interleaved, independent chains each in
// its own order; the rest of each window is summed alone.
constexpr int kBlockGroup = 4;

void BlockSums(int type, const double* x, double b, const double* p, const double* q, const IndexWindow* windows,
               double* sums)
{
    int common = windows[0].last - windows[0].first + 1;
    for (int g = 1; g < kBlockGroup; ++g)
        common = std::min(common, windows[g].last - windows[g].first + 1);
    double sum[kBlockGroup] = {};
    double k[kBlockGroup][kBlock];
    int done = 0;
    while (done < common) {
        const int count = std::min(kBlock, common - done);
        for (int g = 0; g < kBlockGroup; ++g)
            KernelBlock(type, x[g], b, q + windows[g].first + done, count, k[g]);
        for (int i = 0; i < count; ++i) {
            for (int g = 0; g < kBlockGroup; ++g)
                sum[g] = sum[g] + p[windows[g].first + done + i] * k[g][i];
        }
        done += count;
    }
    for (int g = 0; g < kBlockGroup; ++g)
        sums[g] = BlockSum(type, x[g], b, p, q, windows[g].first + done, windows[g].last, sum[g]);
}

}  // namespace

void WindowedKernelSums(int type, int count, const double* x, double b, const double* p, const double* q,
                        const IndexWindow* windows, double* sums)
{
    if (type >= 1 && type <= 4) {
        if (const FusedKernelSums fused = ActiveFusedKernelSums()) {
            fused(type, count, x, b, p, q, windows, sums);
            return;
        }
    }
    int j = 0;
    for (; j + kBlockGroup <= count; j += kBlockGroup)
        BlockSums(type, x + j, b, p, q, windows + j, sums + j);
    for (; j < count; ++j)
        sums[j] = BlockSum(type, x[j], b, p, q, windows[j].first, windows[j].last, 0.0);
}

double WindowedKernelSum(int type, double x, double b, const double* p, const double* q, IndexWindow window)
{
    double sum;
    WindowedKernelSums(type, 1, &x, b, p, q, &window, &sum);
    return sum;
}

IndexWindow SmoothingWindow(double halfWidth, int type, int n, double x, double b, const double* q,
                            bool increasingAndFinite)
{
    const double H = halfWidth;
    const double h = (H - (-H)) / (n - 1);
    const IndexWindow window = WindowAround(x, H, h, SmoothingHalfWidth(b, h), n);
    if (type == 2 && increasingAndFinite && window.first <= window.last)
        return Type2Support(x, b, q, window);
    return window;
}

double SmoothingResult(double halfWidth, int type, int n, double b, double sum)
{
    const double H = halfWidth;
    const double h = (H - (-H)) / (n - 1);
    return sum * h / b * KernelNorm(type);
}

double SmoothAt(double halfWidth, int type, int n, double x, double b, const double* p, const double* q,
                bool increasingAndFinite)
{
    const IndexWindow window = SmoothingWindow(halfWidth, type, n, x, b, q, increasingAndFinite);
    return SmoothingResult(halfWidth, type, n, b, WindowedKernelSum(type, x, b, p, q, window));
}

int ExpansionHalfWidth(int type)
{
    switch (type) {
    case 1:
        return 4;
    case 2:
        return kExpansionHalfWidth;
    case 3:
        return 7;
    case 4:
        return 10;
    default:
        return 0;
    }
}

}  // namespace spln

using namespace spln;

// The n values p at the abscissae q (spaced 2H/(n-1) from -H) averaged around
// x with the unit-mass kernel of the given type and bandwidth b.
double CSplineEngine::KernelSmooth(int type, int n, double x, double b, const double* p, const double* q) const
{
    return SmoothAt(m_dHalfWidth, type, n, x, b, p, q, false);
}

// The expansion with the n coefficients p on the nodes q (spacing b) in the
// unit-mass kernel itself, at x.
double CSplineEngine::KernelSum(int type, int n, double x, double b, const double* p, const double* q) const
{
    double sum;
    KernelSumsAt(*this, type, n, &x, 1, b, p, q, &sum);
    return sum;
}

// The expansion with the n coefficients p on the nodes q (spacing b) in the
// integrated kernels, at x.
double CSplineEngine::HatKernelSum(int type, int n, double x, double b, const double* p, const double* q) const
{
    double sum;
    HatKernelSumsAt(*this, type, n, &x, 1, b, p, q, &sum);
    return sum;
}

namespace spln {

void KernelSumsAt(const CSplineEngine& engine, int type, int n, const double* x, int count, double b, const double* p,
                  const double* q, double* out)
{
    IndexWindow windows[kMaxPointsAtOnce];
    for (int start = 0; start < count; start += kMaxPointsAtOnce) {
        const int points = std::min(kMaxPointsAtOnce, count - start);
        for (int k = 0; k < points; ++k)
            windows[k] = WindowAround(x[start + k], engine.m_dHalfWidth, b, kExpansionHalfWidth, n);
        WindowedKernelSums(type, points, x + start, b, p, q, windows, out + start);
        for (int k = 0; k < points; ++k)
            out[start + k] = out[start + k] * KernelNorm(type);
    }
}

void HatKernelSumsAt(const CSplineEngine& engine, int type, int n, const double* x, int count, double b,
                     const double* p, const double* q, double* out)
{
    const int w = ExpansionHalfWidth(type);
    IndexWindow windows[kMaxPointsAtOnce];
    for (int start = 0; start < count; start += kMaxPointsAtOnce) {
        const int points = std::min(kMaxPointsAtOnce, count - start);
        for (int k = 0; k < points; ++k)
            windows[k] = WindowAround(x[start + k], engine.m_dHalfWidth, b, w, n);
        const FusedIntegratedSums fused = type == 1 ? ActiveFusedIntegratedGaussianSums() : nullptr;
        if (fused) {
            fused(points, x + start, b, p, q, windows, out + start);
            continue;
        }
        for (int k = 0; k < points; ++k) {
            if (w == 0) {
                out[start + k] = 0.0;
                continue;
            }
            const IndexWindow window = windows[k];
            double kernels[kBlock];
            double sum = 0.0;
            for (int first = window.first; first <= window.last; first += kBlock) {
                const int terms = std::min(kBlock, window.last - first + 1);
                IntegratedKernelBlock(type, b, x[start + k], q + first, terms, kernels);
                for (int i = 0; i < terms; ++i)
                    sum = sum + p[first + i] * kernels[i];
            }
            out[start + k] = sum;
        }
    }
}

}  // namespace spln
