#pragma once

// The exponential for blocks of independent arguments, bit for bit the C
// library's std::exp. Where the processor has AVX2 with FMA, or AVX-512, the
// library's own algorithm runs four or eight arguments wide; a guard checks
// that path against std::exp on a fixed set of arguments at first use and
// falls back to the scalar library calls for the whole process if a single
// bit differs. Of the paths it accepts, the fastest by measurement serves.

namespace spln {

struct IndexWindow;

enum class ExpPath {
    Scalar,   // std::exp one argument at a time
    Avx2Fma,  // four arguments at once
    Avx512,   // eight arguments at once
};

// y[i] = std::exp(x[i]) for i = 0..n-1, on the active path. x and y may be the same array.
void ExpBlock(const double* x, double* y, int n);

// y[i] = ExpNeg(a[i]): e^(-a), cut to 0 when a > 100. a and y may be the same array.
void ExpNegBlock(const double* a, double* y, int n);

// The path ExpBlock and the fused kernel sums use: of the vector paths the
// guard accepts, the fastest on a short fixed workload timed at first use
// (CalibrationSeconds, FastestPath), or the scalar path where it accepts none.
ExpPath ActiveExpPath();

// Seconds each of the given vector paths takes for the fixed workload (an
// ExpNegBlock and fused kernel sums, about a thousand terms each): the least
// of several tries, each path warmed up first and timed on its own.
void CalibrationSeconds(const ExpPath* paths, int count, double* seconds);

// Of the measured paths, listed narrowest first, the fastest: a wider path
// only where it beats the best narrower one by more than kWiderPathMargin,
// so that a path that measures no faster is never chosen for its width.
struct PathTime {
    ExpPath path;
    double seconds;
};
inline constexpr double kWiderPathMargin = 0.03;
ExpPath FastestPath(const PathTime* measured, int count);

// The path's name as the benchmark and test output show it.
const char* ExpPathName(ExpPath path);

// Whether this processor can run the path (Scalar always can).
bool ExpPathAvailable(ExpPath path);

// The guard's verdict: whether the path gives std::exp's bits on every
// argument of GuardArguments. False for a path the processor cannot run.
bool ExpPathMatchesLibrary(ExpPath path);

// ExpPathMatchesLibrary, evaluated once per process and path.
bool ExpPathAccepted(ExpPath path);

// ExpBlock and ExpNegBlock on the given path, which must be available.
void ExpBlockOn(ExpPath path, const double* x, double* y, int n);
void ExpNegBlockOn(ExpPath path, const double* a, double* y, int n);

// y[i] = a[i] / b[i] on the given path, which must be available: the
// benchmark's measure of how fast the path divides.
void DivideBlockOn(ExpPath path, const double* a, const double* b, double* y, int n);

// y[i] = ExpNeg(a[i]) or a[i] / b[i] on the given path, which must be
// available: vectors of exponentials and of divisions interleaved in the
// proportion expShare : divisionShare (vectors of one on the scalar path),
// the benchmark's measure of how fast a run's exponentials and divisions go
// together, since the divider shares the processor with the exponential.
void ExpNegAndDivideBlockOn(ExpPath path, const double* a, const double* b, double* y, int n, long long expShare,
                            long long divisionShare);

// The guard's fixed arguments: ordinary ones, both sides of the reduction's
// rounding points, the kernels' cut-offs, sub-normal and overflowing results,
// huge, tiny and special values. Writes kGuardArgumentCount values to out.
inline constexpr int kGuardArgumentCount = 4096;
void GuardArguments(double* out);

// For tests and the benchmark: makes ExpBlock use the given path, without
// the guard, if the processor can run it; returns whether it does.
// ResetExpPath returns to the guard's choice.
bool ForceExpPath(ExpPath path);
void ResetExpPath();

// sums[j] = WindowedKernelSum(type, x[j], b, p, q, windows[j]) for j < count
// and kernel types 1 to 4, fused on the vector path in use, several nodes at
// once; nullptr where the block path serves.
using FusedKernelSums = void (*)(int type, int count, const double* x, double b, const double* p, const double* q,
                                 const IndexWindow* windows, double* sums);
FusedKernelSums ActiveFusedKernelSums();

// sums[j] = the sum of p[i] * IntegratedKernel(1, b, x[j], q[i]) over
// windows[j], in increasing i, for j < count: HatKernelSum's sums for the
// Gaussian, fused on the vector path in use; nullptr where the block path serves.
using FusedIntegratedSums = void (*)(int count, const double* x, double b, const double* p, const double* q,
                                     const IndexWindow* windows, double* sums);
FusedIntegratedSums ActiveFusedIntegratedGaussianSums();

// For tests: called with the arguments of every block ExpBlock (negated
// false) or ExpNegBlock (negated true) evaluates, before the evaluation, from
// whichever thread evaluates it; nullptr for none.
using ExpBlockObserver = void (*)(const double* arguments, int n, bool negated);
void ObserveExpBlocks(ExpBlockObserver observer);

}  // namespace spln
