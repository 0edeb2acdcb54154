// Cost of complete runs: the defaults, and the heaviest settings the dialog
// allows, each heavy run against its floor; and of the block exponential and
// of division on each path against std::exp.
//
// The floor of a heavy run is the time its exponentials and divisions alone
// take on the path: a block of both, vectors of each interleaved in the run's
// proportion, timed here. Not the larger of the two blocks' times: the
// divider shares the processor's ports with the exponential's arithmetic, so
// the two overlap only in part (on one AVX-512 processor an exponential with
// two divisions takes 1.46 times the exponential alone, not 1).
// The counters exps and divs are the run's counts, floor_ms that time on the
// run's threads, and run/floor how far the run is from it.

#include "bench/RunOperations.h"
#include "engine/CSplineEngine.h"
#include "engine/NodeSmoothing.h"
#include "engine/VectorExp.h"
#include "engine/WorkerPool.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

// Arguments spread over the kernels' range, as the windowed sums produce them.
std::vector<double> KernelRangeArguments()
{
    constexpr unsigned kCount = 4096;
    std::vector<double> x(kCount);
    for (unsigned i = 0; i < kCount; ++i)
        x[i] = -70.0 * ((i * 2654435761u) % kCount) / kCount;
    return x;
}

// A block's inputs: arguments over the kernels' range (negated where asked,
// then a >= 0) and divisors all but 1.
struct BlockInputs {
    std::vector<double> a = KernelRangeArguments();
    std::vector<double> d = std::vector<double>(a.size(), 1.0000001);
    std::vector<double> y = std::vector<double>(a.size());
    explicit BlockInputs(bool negated)
    {
        if (negated) {
            for (double& v : a)
                v = -v;
        }
    }
    int Count() const { return static_cast<int>(a.size()); }
};

// Seconds an exponential or division takes on the path, with exps and
// divisions mixed in that proportion: the best of many blocks.
double SecondsPerOperation(spln::ExpPath path, double exps, double divisions)
{
    using Clock = std::chrono::steady_clock;
    BlockInputs in(true);
    const auto expShare = std::llround(exps);
    const auto divisionShare = std::llround(divisions);
    double seconds = INFINITY;
    for (int r = 0; r < 200; ++r) {
        const Clock::time_point start = Clock::now();
        spln::ExpNegAndDivideBlockOn(path, in.a.data(), in.d.data(), in.y.data(), in.Count(), expShare, divisionShare);
        seconds = std::min(seconds, std::chrono::duration<double>(Clock::now() - start).count());
        benchmark::DoNotOptimize(in.y.data());
    }
    return seconds / in.Count();
}

// Runs the engine for the benchmark; for a heavy run (threads > 0, the
// threads its node smoothing runs on) also reports its counts and floor.
void RunRepeatedly(benchmark::State& state, CSplineEngine& engine, int threads = 0)
{
    // The label names the path the measurement at first use chose.
    const spln::ExpPath path = spln::ActiveExpPath();
    state.SetLabel(spln::ExpPathName(path));
    const spln::bench::RunOperations ops =
        threads > 0 ? spln::bench::CountRunOperations(engine) : spln::bench::RunOperations{};
    // One thread's share: the node smoothing's divided among them, the rest whole.
    const double exps = threads > 0 ? ops.smoothingExps / threads + ops.otherExps : 0.0;
    const double divisions = threads > 0 ? ops.smoothingDivisions / threads + ops.otherDivisions : 0.0;
    // The floor's block is timed before the runs and after them, the faster
    // taken: the machine's pace drifts over a benchmark's seconds.
    const auto floorSeconds = [&] { return (exps + divisions) * SecondsPerOperation(path, exps, divisions); };
    const double floorBefore = threads > 0 ? floorSeconds() : 0.0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        engine.Run();
        benchmark::DoNotOptimize(engine.m_dApprox[0]);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (engine.m_eFailure != spln::RunFailure::None)
        state.SkipWithError("the run stopped early");
    if (threads == 0 || state.iterations() == 0)
        return;
    const double floor = std::min(floorBefore, floorSeconds());
    state.counters["exps"] = ops.smoothingExps + ops.otherExps;
    state.counters["divs"] = ops.smoothingDivisions + ops.otherDivisions;
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["run/floor"] = seconds / static_cast<double>(state.iterations()) / floor;
}

// The threads a heavy run's node smoothing shares.
int SmoothingThreads(bool parallel)
{
    return parallel ? spln::WorkerPool::Instance().WorkerCount() + 1 : 1;
}

void BM_RunDefaults(benchmark::State& state)
{
    auto engine = std::make_unique<CSplineEngine>();
    RunRepeatedly(state, *engine);
}

void BM_RunLeastSquaresDefaults(benchmark::State& state)
{
    auto engine = std::make_unique<CSplineEngine>();
    engine->m_nMethod = 2;
    RunRepeatedly(state, *engine);
}

// 10000 samples, window of averaging 500, 501 basic splines; the kernel type is the argument.
void HeaviestProjection(benchmark::State& state, bool parallel)
{
    auto engine = std::make_unique<CSplineEngine>();
    engine->m_nWindow = 500;
    engine->m_nSchwarzCount = 501;
    engine->m_nSchwarzType = static_cast<int>(state.range(0));
    spln::EnableParallelNodes(parallel);
    RunRepeatedly(state, *engine, SmoothingThreads(parallel));
    spln::EnableParallelNodes(true);
}

void BM_RunHeaviestProjection(benchmark::State& state)
{
    HeaviestProjection(state, true);
}

// The same on the calling thread alone, to show what the worker threads add.
void BM_RunHeaviestProjectionOneThread(benchmark::State& state)
{
    HeaviestProjection(state, false);
}

// 10000 samples, window of averaging 500, 51 basis functions; the basis type is the argument.
void BM_RunHeaviestLeastSquares(benchmark::State& state)
{
    auto engine = std::make_unique<CSplineEngine>();
    engine->m_nMethod = 2;
    engine->m_nWindow = 500;
    engine->m_nLsqCount = 51;
    engine->m_nLsqType = static_cast<int>(state.range(0));
    RunRepeatedly(state, *engine, SmoothingThreads(true));
}

// The heaviest runs on a path of the guard's set, forced: whether the path
// the measurement at first use chose is the fastest for whole runs too.
// Arguments: the projection's kernel type 1 to 4 or, as 10 + type, the
// least-squares basis; then the path (1 AVX2+FMA, 2 AVX-512).
void BM_RunHeaviestOnPath(benchmark::State& state)
{
    const auto path = static_cast<spln::ExpPath>(state.range(1));
    if (!spln::ExpPathAccepted(path) || !spln::ForceExpPath(path)) {
        state.SkipWithError("the guard does not accept the path here");
        return;
    }
    auto engine = std::make_unique<CSplineEngine>();
    engine->m_nWindow = 500;
    const int kind = static_cast<int>(state.range(0));
    if (kind > 10) {
        engine->m_nMethod = 2;
        engine->m_nLsqCount = 51;
        engine->m_nLsqType = kind - 10;
    } else {
        engine->m_nSchwarzCount = 501;
        engine->m_nSchwarzType = kind;
    }
    RunRepeatedly(state, *engine, SmoothingThreads(true));
    spln::ResetExpPath();
}

// Reported as items_per_second; arguments per nanosecond are that over 1e9.
void CountArguments(benchmark::State& state, std::size_t perIteration)
{
    state.SetItemsProcessed(static_cast<std::int64_t>(perIteration) * state.iterations());
}

void BM_StdExp(benchmark::State& state)
{
    const std::vector<double> x = KernelRangeArguments();
    std::vector<double> y(x.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < x.size(); ++i)
            y[i] = std::exp(x[i]);
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    CountArguments(state, x.size());
}

// Times block(path, a, d, y, n) on the path the argument selects (0 scalar,
// 1 AVX2+FMA, 2 AVX-512) over the kernels' range (negated where asked), d all but 1.
template <typename Block>
void OnPath(benchmark::State& state, Block block, bool negated = false)
{
    const auto path = static_cast<spln::ExpPath>(state.range(0));
    if (!spln::ExpPathAvailable(path)) {
        state.SkipWithError("this processor lacks the path");
        return;
    }
    state.SetLabel(spln::ExpPathName(path));
    BlockInputs in(negated);
    for (auto _ : state) {
        block(path, in.a.data(), in.d.data(), in.y.data(), in.Count());
        benchmark::DoNotOptimize(in.y.data());
        benchmark::ClobberMemory();
    }
    CountArguments(state, in.a.size());
}

void BM_ExpBlock(benchmark::State& state)
{
    OnPath(state, [](spln::ExpPath path, const double* a, const double*, double* y, int n) {
        spln::ExpBlockOn(path, a, y, n);
    });
}

// ExpNeg over the same range negated (a >= 0): the exponential of the runs.
void BM_ExpNegBlock(benchmark::State& state)
{
    OnPath(
        state,
        [](spln::ExpPath path, const double* a, const double*, double* y, int n) {
            spln::ExpNegBlockOn(path, a, y, n);
        },
        true);
}

// Divisions per second on each path.
void BM_DivideBlock(benchmark::State& state)
{
    OnPath(state, spln::DivideBlockOn);
}

// An exponential and two divisions, as in a Gaussian's term, on each path:
// the floor's kind of block, slower than the exponentials alone.
void BM_ExpNegWithTwoDivisions(benchmark::State& state)
{
    OnPath(
        state,
        [](spln::ExpPath path, const double* a, const double* d, double* y, int n) {
            spln::ExpNegAndDivideBlockOn(path, a, d, y, n, 1, 2);
        },
        true);
}

}  // namespace

BENCHMARK(BM_StdExp);
BENCHMARK(BM_ExpBlock)->DenseRange(0, 2);
BENCHMARK(BM_ExpNegBlock)->DenseRange(0, 2);
BENCHMARK(BM_DivideBlock)->DenseRange(0, 2);
BENCHMARK(BM_ExpNegWithTwoDivisions)->DenseRange(0, 2);
BENCHMARK(BM_RunDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLeastSquaresDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestProjection)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestProjectionOneThread)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestLeastSquares)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestOnPath)->ArgsProduct({{1, 2, 3, 4, 15, 11}, {1, 2}})->Unit(benchmark::kMillisecond);
