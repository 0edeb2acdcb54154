// Chooses the vector path at first use and guards its exponential against std::exp.

#include "engine/VectorExp.h"

#include "engine/Kernels.h"
#include "engine/VectorPaths.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>

// The engine's build says whether the vector paths are compiled (1) or not (0).
#if !defined(SPLN_VECTOR_PATHS)
#error "SPLN_VECTOR_PATHS must be defined to 0 or 1"
#endif

namespace spln {

namespace {

void ExpBlockScalar(const double* x, double* y, int n)
{
    for (int i = 0; i < n; ++i)
        y[i] = std::exp(x[i]);
}

void ExpNegBlockScalar(const double* a, double* y, int n)
{
    for (int i = 0; i < n; ++i)
        y[i] = ExpNeg(a[i]);
}

// One value at a time: the vector paths' schedule with vectors of one.
void ExpNegAndDivideBlockScalar(const double* a, const double* b, double* y, int n, long long expShare,
                                long long divisionShare)
{
    const long long total = expShare + divisionShare;
    long long owed = 0;
    for (int i = 0; i < n; ++i) {
        owed += expShare;
        if (total > 0 && owed >= total) {
            owed -= total;
            y[i] = ExpNeg(a[i]);
        } else {
            y[i] = a[i] / b[i];
        }
    }
}

// The scalar path has no fused kernel sums: the windowed sums take the block path.
constexpr detail::PathFunctions kScalarFunctions = {ExpBlockScalar, ExpNegBlockScalar, nullptr, nullptr,
                                                    ExpNegAndDivideBlockScalar};

}  // namespace

const detail::PathFunctions& detail::FunctionsOf(ExpPath path)
{
#if SPLN_VECTOR_PATHS
    switch (path) {
    case ExpPath::Avx2Fma:
        return detail::kAvx2FmaFunctions;
    case ExpPath::Avx512:
        return detail::kAvx512Functions;
    default:
        break;
    }
#endif
    (void)path;
    return kScalarFunctions;
}

namespace {

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

// The fastest of the vector paths the guard accepts; the scalar path where it accepts none.
ExpPath ChoosePath()
{
    ExpPath accepted[2];
    int count = 0;
    for (ExpPath path : {ExpPath::Avx2Fma, ExpPath::Avx512}) {
        if (ExpPathAccepted(path))
            accepted[count++] = path;
    }
    if (count == 0)
        return ExpPath::Scalar;
    double seconds[2];
    CalibrationSeconds(accepted, count, seconds);
    PathTime measured[2];
    for (int i = 0; i < count; ++i)
        measured[i] = {accepted[i], seconds[i]};
    return FastestPath(measured, count);
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
    detail::FunctionsOf(ActiveExpPath()).exp(x, y, n);
}

void ExpNegBlock(const double* a, double* y, int n)
{
    if (const ExpBlockObserver observer = g_observer.load(std::memory_order_relaxed))
        observer(a, n, true);
    detail::FunctionsOf(ActiveExpPath()).expNeg(a, y, n);
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
#if SPLN_VECTOR_PATHS
    case ExpPath::Avx2Fma:
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    case ExpPath::Avx512:
        return __builtin_cpu_supports("avx512f");
#else
    case ExpPath::Avx2Fma:
    case ExpPath::Avx512:
        return false;
#endif
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
    detail::FunctionsOf(path).exp(guard.arguments, got, kGuardArgumentCount);
    if (!SameBits(got, guard.expected, kGuardArgumentCount))
        return false;
    detail::FunctionsOf(path).expNeg(guard.negated, got, kGuardArgumentCount);
    if (!SameBits(got, guard.negatedExpected, kGuardArgumentCount))
        return false;
    // Short blocks take the padded tail; each length must agree as well.
    for (int n = 1; n < 16; ++n) {
        detail::FunctionsOf(path).exp(guard.arguments + 3584, got, n);
        if (!SameBits(got, guard.expected + 3584, n))
            return false;
        detail::FunctionsOf(path).expNeg(guard.negated + 3584, got, n);
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
    detail::FunctionsOf(path).exp(x, y, n);
}

void ExpNegBlockOn(ExpPath path, const double* a, double* y, int n)
{
    detail::FunctionsOf(path).expNeg(a, y, n);
}

void DivideBlockOn(ExpPath path, const double* a, const double* b, double* y, int n)
{
    ExpNegAndDivideBlockOn(path, a, b, y, n, 0, 1);
}

void ExpNegAndDivideBlockOn(ExpPath path, const double* a, const double* b, double* y, int n, long long expShare,
                            long long divisionShare)
{
    detail::FunctionsOf(path).expNegAndDivide(a, b, y, n, expShare, divisionShare);
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

FusedKernelSums ActiveFusedKernelSums()
{
    return detail::FunctionsOf(ActiveExpPath()).kernelSums;
}

FusedIntegratedSums ActiveFusedIntegratedGaussianSums()
{
    return detail::FunctionsOf(ActiveExpPath()).integratedGaussianSums;
}

void ObserveExpBlocks(ExpBlockObserver observer)
{
    g_observer.store(observer, std::memory_order_relaxed);
}

}  // namespace spln
