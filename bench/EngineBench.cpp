// Cost of complete runs: the defaults, and the heaviest settings the dialog
// allows, each heavy run against its floor; and of the block exponential and
// of division on each path against std::exp.
//
// The floor of a heavy run is the time its exponentials and divisions alone
// take at the rates ExpNegBlock and the path's block division reach here: the
// larger of the two, since the processor divides while it does the rest.
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

// Exponentials and divisions per second on the active path, the best of many blocks.
struct Rates {
    double exps;
    double divisions;
};

const Rates& MeasuredRates()
{
    static const Rates rates = [] {
        using Clock = std::chrono::steady_clock;
        const spln::ExpPath path = spln::ActiveExpPath();
        std::vector<double> a = KernelRangeArguments();
        for (double& v : a)
            v = -v;
        std::vector<double> d(a.size(), 1.0000001);
        std::vector<double> y(a.size());
        const int n = static_cast<int>(a.size());
        double expSeconds = INFINITY;
        double divideSeconds = INFINITY;
        for (int r = 0; r < 200; ++r) {
            Clock::time_point t0 = Clock::now();
            spln::ExpNegBlockOn(path, a.data(), y.data(), n);
            Clock::time_point t1 = Clock::now();
            spln::DivideBlockOn(path, a.data(), d.data(), y.data(), n);
            Clock::time_point t2 = Clock::now();
            benchmark::DoNotOptimize(y.data());
            expSeconds = std::min(expSeconds, std::chrono::duration<double>(t1 - t0).count());
            divideSeconds = std::min(divideSeconds, std::chrono::duration<double>(t2 - t1).count());
        }
        return Rates{n / expSeconds, n / divideSeconds};
    }();
    return rates;
}

// Runs the engine for the benchmark; for a heavy run (threads > 0, the
// threads its node smoothing runs on) also reports its counts and floor.
void RunRepeatedly(benchmark::State& state, CSplineEngine& engine, int threads = 0)
{
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        engine.Run();
        benchmark::DoNotOptimize(engine.m_dApprox[0]);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (engine.m_eFailure != spln::RunFailure::None)
        state.SkipWithError("the run stopped early");
    // The label names the path the measurement at first use chose.
    state.SetLabel(spln::ExpPathName(spln::ActiveExpPath()));
    if (threads == 0 || state.iterations() == 0)
        return;
    const spln::bench::RunOperations ops = spln::bench::CountRunOperations(engine);
    const Rates& rates = MeasuredRates();
    const double expTime = (ops.smoothingExps / threads + ops.otherExps) / rates.exps;
    const double divideTime = (ops.smoothingDivisions / threads + ops.otherDivisions) / rates.divisions;
    const double floor = std::max(expTime, divideTime);
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
// 1 AVX2+FMA, 2 AVX-512) over the kernels' range, d all but 1.
template <typename Block>
void OnPath(benchmark::State& state, Block block)
{
    const auto path = static_cast<spln::ExpPath>(state.range(0));
    if (!spln::ExpPathAvailable(path)) {
        state.SkipWithError("this processor lacks the path");
        return;
    }
    state.SetLabel(spln::ExpPathName(path));
    const std::vector<double> a = KernelRangeArguments();
    const std::vector<double> d(a.size(), 1.0000001);
    std::vector<double> y(a.size());
    for (auto _ : state) {
        block(path, a.data(), d.data(), y.data(), static_cast<int>(a.size()));
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    CountArguments(state, a.size());
}

void BM_ExpBlock(benchmark::State& state)
{
    OnPath(state, [](spln::ExpPath path, const double* a, const double*, double* y, int n) {
        spln::ExpBlockOn(path, a, y, n);
    });
}

// Divisions per second on each path: the rate the floor uses.
void BM_DivideBlock(benchmark::State& state)
{
    OnPath(state, spln::DivideBlockOn);
}

}  // namespace

BENCHMARK(BM_StdExp);
BENCHMARK(BM_ExpBlock)->DenseRange(0, 2);
BENCHMARK(BM_DivideBlock)->DenseRange(0, 2);
BENCHMARK(BM_RunDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLeastSquaresDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestProjection)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestProjectionOneThread)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestLeastSquares)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);
