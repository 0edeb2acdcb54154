// Cost of complete runs: the defaults, and the heaviest settings the dialog
// allows; and of the block exponential on each path against std::exp.

#include "engine/CSplineEngine.h"
#include "engine/NodeSmoothing.h"
#include "engine/VectorExp.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

void RunRepeatedly(benchmark::State& state, CSplineEngine& engine)
{
    for (auto _ : state) {
        engine.Run();
        benchmark::DoNotOptimize(engine.m_dApprox[0]);
    }
    if (engine.m_eFailure != spln::RunFailure::None)
        state.SkipWithError("the run stopped early");
    // The label names the exponential's path the guard chose.
    state.SetLabel(spln::ExpPathName(spln::ActiveExpPath()));
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
void BM_RunHeaviestProjection(benchmark::State& state)
{
    auto engine = std::make_unique<CSplineEngine>();
    engine->m_nWindow = 500;
    engine->m_nSchwarzCount = 501;
    engine->m_nSchwarzType = static_cast<int>(state.range(0));
    RunRepeatedly(state, *engine);
}

// 10000 samples, window of averaging 500, 51 basis functions; the basis type is the argument.
void BM_RunHeaviestLeastSquares(benchmark::State& state)
{
    auto engine = std::make_unique<CSplineEngine>();
    engine->m_nMethod = 2;
    engine->m_nWindow = 500;
    engine->m_nLsqCount = 51;
    engine->m_nLsqType = static_cast<int>(state.range(0));
    RunRepeatedly(state, *engine);
}

// The same on the calling thread alone, to show what the worker threads add.
void BM_RunHeaviestProjectionOneThread(benchmark::State& state)
{
    spln::EnableParallelNodes(false);
    BM_RunHeaviestProjection(state);
    spln::EnableParallelNodes(true);
}

// Arguments spread over the kernels' range, as the windowed sums produce them.
std::vector<double> KernelRangeArguments()
{
    constexpr unsigned kCount = 4096;
    std::vector<double> x(kCount);
    for (unsigned i = 0; i < kCount; ++i)
        x[i] = -70.0 * ((i * 2654435761u) % kCount) / kCount;
    return x;
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

// The argument selects the path: 0 scalar, 1 AVX2+FMA, 2 AVX-512.
void BM_ExpBlock(benchmark::State& state)
{
    const auto path = static_cast<spln::ExpPath>(state.range(0));
    if (!spln::ExpPathAvailable(path)) {
        state.SkipWithError("this processor lacks the path");
        return;
    }
    state.SetLabel(spln::ExpPathName(path));
    const std::vector<double> x = KernelRangeArguments();
    std::vector<double> y(x.size());
    for (auto _ : state) {
        spln::ExpBlockOn(path, x.data(), y.data(), static_cast<int>(x.size()));
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    CountArguments(state, x.size());
}

}  // namespace

BENCHMARK(BM_StdExp);
BENCHMARK(BM_ExpBlock)->DenseRange(0, 2);
BENCHMARK(BM_RunDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLeastSquaresDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestProjection)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestProjectionOneThread)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestLeastSquares)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);
