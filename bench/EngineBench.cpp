// Cost of complete runs: the defaults, and the heaviest settings the dialog allows.

#include "engine/CSplineEngine.h"
#include "engine/NodeSmoothing.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void RunRepeatedly(benchmark::State& state, CSplineEngine& engine)
{
    for (auto _ : state) {
        engine.Run();
        benchmark::DoNotOptimize(engine.m_dApprox[0]);
    }
    if (engine.m_eFailure != spln::RunFailure::None)
        state.SkipWithError("the run stopped early");
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

}  // namespace

BENCHMARK(BM_RunDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunLeastSquaresDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestProjection)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestProjectionOneThread)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunHeaviestLeastSquares)->Arg(5)->Arg(1)->Unit(benchmark::kMillisecond);
