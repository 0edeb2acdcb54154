// Chooses the path of ExpBlock at first use and guards it against std::exp.

#include "engine/VectorExp.h"

#include "engine/VectorExpPaths.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace spln {

namespace {

using BlockFunction = void (*)(const double*, double*, int);

void ExpBlockScalar(const double* x, double* y, int n)
{
    for (int i = 0; i < n; ++i)
        y[i] = std::exp(x[i]);
}

void ExpNegBlockScalar(const double* a, double* y, int n)
{
    for (int i = 0; i < n; ++i)
        y[i] = a[i] > 100.0 ? 0.0 : std::exp(-a[i]);
}

BlockFunction NegFunctionOf(ExpPath path)
{
    switch (path) {
    case ExpPath::Avx2Fma:
        return detail::ExpNegBlockAvx2Fma;
    case ExpPath::Avx512:
        return detail::ExpNegBlockAvx512;
    default:
        return ExpNegBlockScalar;
    }
}

BlockFunction FunctionOf(ExpPath path)
{
    switch (path) {
    case ExpPath::Avx2Fma:
        return detail::ExpBlockAvx2Fma;
    case ExpPath::Avx512:
        return detail::ExpBlockAvx512;
    default:
        return ExpBlockScalar;
    }
}

// A fixed sequence of pseudo-random bits (SplitMix64), the same on every machine.
struct BitSource {
    std::uint64_t state;

    std::uint64_t Next()
    {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

    // Uniform in [lo, hi).
    double Uniform(double lo, double hi) { return lo + (hi - lo) * (static_cast<double>(Next() >> 11) * 0x1p-53); }
};

struct GuardSet {
    double arguments[kGuardArgumentCount];
    double expected[kGuardArgumentCount];
    double negated[kGuardArgumentCount];          // ExpNegBlock's arguments: -arguments
    double negatedExpected[kGuardArgumentCount];  // ExpNeg of those
};

const GuardSet& Guard()
{
    static const GuardSet set = [] {
        GuardSet s;
        GuardArguments(s.arguments);
        for (int i = 0; i < kGuardArgumentCount; ++i) {
            s.expected[i] = std::exp(s.arguments[i]);
            s.negated[i] = -s.arguments[i];
            s.negatedExpected[i] = s.negated[i] > 100.0 ? 0.0 : std::exp(-s.negated[i]);
        }
        return s;
    }();
    return set;
}

bool SameBits(const double* a, const double* b, int n)
{
    return std::memcmp(a, b, sizeof(double) * static_cast<std::size_t>(n)) == 0;
}

ExpPath ChoosePath()
{
    for (ExpPath path : {ExpPath::Avx512, ExpPath::Avx2Fma}) {
        if (ExpPathAccepted(path))
            return path;
    }
    return ExpPath::Scalar;
}

// -1 while the guard's choice holds, otherwise the forced ExpPath.
std::atomic<int> g_forcedPath{-1};

std::atomic<ExpBlockObserver> g_observer{nullptr};

}  // namespace

ExpPath ActiveExpPath()
{
    const int forced = g_forcedPath.load(std::memory_order_relaxed);
    if (forced >= 0)
        return static_cast<ExpPath>(forced);
    static const ExpPath chosen = ChoosePath();
    return chosen;
}

void ExpBlock(const double* x, double* y, int n)
{
    if (const ExpBlockObserver observer = g_observer.load(std::memory_order_relaxed))
        observer(x, n, false);
    FunctionOf(ActiveExpPath())(x, y, n);
}

void ExpNegBlock(const double* a, double* y, int n)
{
    if (const ExpBlockObserver observer = g_observer.load(std::memory_order_relaxed))
        observer(a, n, true);
    NegFunctionOf(ActiveExpPath())(a, y, n);
}

const char* ExpPathName(ExpPath path)
{
    switch (path) {
    case ExpPath::Avx2Fma:
        return "AVX2+FMA";
    case ExpPath::Avx512:
        return "AVX-512";
    default:
        return "scalar";
    }
}

bool ExpPathAvailable(ExpPath path)
{
    switch (path) {
    case ExpPath::Avx2Fma:
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    case ExpPath::Avx512:
        return __builtin_cpu_supports("avx512f");
    default:
        return true;
    }
}

bool ExpPathMatchesLibrary(ExpPath path)
{
    if (!ExpPathAvailable(path))
        return false;
    const GuardSet& guard = Guard();
    double got[kGuardArgumentCount];
    FunctionOf(path)(guard.arguments, got, kGuardArgumentCount);
    if (!SameBits(got, guard.expected, kGuardArgumentCount))
        return false;
    NegFunctionOf(path)(guard.negated, got, kGuardArgumentCount);
    if (!SameBits(got, guard.negatedExpected, kGuardArgumentCount))
        return false;
    // Short blocks take the padded tail; each length must agree as well.
    for (int n = 1; n < 16; ++n) {
        FunctionOf(path)(guard.arguments + 3584, got, n);
        if (!SameBits(got, guard.expected + 3584, n))
            return false;
        NegFunctionOf(path)(guard.negated + 3584, got, n);
        if (!SameBits(got, guard.negatedExpected + 3584, n))
            return false;
    }
    return true;
}

bool ExpPathAccepted(ExpPath path)
{
    switch (path) {
    case ExpPath::Avx2Fma: {
        static const bool accepted = ExpPathMatchesLibrary(ExpPath::Avx2Fma);
        return accepted;
    }
    case ExpPath::Avx512: {
        static const bool accepted = ExpPathMatchesLibrary(ExpPath::Avx512);
        return accepted;
    }
    default:
        return true;
    }
}

void ExpBlockOn(ExpPath path, const double* x, double* y, int n)
{
    FunctionOf(path)(x, y, n);
}

void ExpNegBlockOn(ExpPath path, const double* a, double* y, int n)
{
    NegFunctionOf(path)(a, y, n);
}

bool ForceExpPath(ExpPath path)
{
    if (!ExpPathAvailable(path))
        return false;
    g_forcedPath.store(static_cast<int>(path), std::memory_order_relaxed);
    return true;
}

void ResetExpPath()
{
    g_forcedPath.store(-1, std::memory_order_relaxed);
}

void ObserveExpBlocks(ExpBlockObserver observer)
{
    g_observer.store(observer, std::memory_order_relaxed);
}

void GuardArguments(double* out)
{
    constexpr double kLn2N = 0x1.62e42fefa39efp-8;  // ln 2 / 128
    constexpr double kInf = std::numeric_limits<double>::infinity();
    BitSource bits{12345};
    int i = 0;
    // Ordinary arguments over the whole finite-result range, then the kernels' range.
    while (i < 1024)
        out[i++] = bits.Uniform(-745.5, 709.9);
    while (i < 2048)
        out[i++] = bits.Uniform(-100.0, 0.0);
    // Where x 128/ln2 lies halfway between integers the reduction's rounding
    // picks the table entry: the nearest doubles and their neighbours. Also
    // the table's own points k ln2/128.
    while (i < 3072) {
        const double k = std::floor(bits.Uniform(-107000.0, 91000.0));
        const double half = (k + 0.5) * kLn2N;
        out[i++] = std::nextafter(half, -kInf);
        out[i++] = half;
        out[i++] = std::nextafter(half, kInf);
        out[i++] = k * kLn2N;
    }
    // Sub-normal and vanishing results.
    while (i < 3584)
        out[i++] = bits.Uniform(-746.0, -708.3);
    // Cut-offs, edges of the main path and special values.
    const double edges[] = {-100.0,
                            -15.0,
                            -4.0,
                            -2.0,
                            -1.0,
                            0.0,
                            0x1p-54,
                            0x1p-55,
                            0x1p-1022,
                            0x1p-1074,
                            512.0,
                            709.782712893384,
                            709.7827128933841,
                            710.0,
                            -708.3964185322641,
                            -708.4,
                            -745.1332191019411,
                            -745.1332191019412,
                            -745.2,
                            1e300,
                            std::numeric_limits<double>::max(),
                            kInf,
                            std::numeric_limits<double>::quiet_NaN(),
                            1.0,
                            0.5,
                            1e-10,
                            1e-17,
                            100.0,
                            15.0};
    for (double edge : edges) {
        for (double x : {edge, -edge}) {
            out[i++] = std::nextafter(x, -kInf);
            out[i++] = x;
            out[i++] = std::nextafter(x, kInf);
        }
    }
    // The rest: more of the kernels' range, where nearly every argument lies.
    while (i < kGuardArgumentCount)
        out[i++] = bits.Uniform(-70.0, 0.0);
}

}  // namespace spln
