// Cost of whole studies: a sweep of the projection's splines and a repeat of noisy default runs.

#include "model/SettingsRecord.h"
#include "study/StudyRunner.h"

#include <benchmark/benchmark.h>

namespace {

CSplnSettings FreshSettings()
{
    return spln::DefaultSettings();
}

void RunPlan(benchmark::State& state, const spln::study::StudyPlan& plan, const CSplnSettings& base)
{
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const spln::study::StudyResult result = spln::study::RunStudy(plan, base, nullptr, threads);
        if (static_cast<int>(result.rows.size()) != result.planned)
            state.SkipWithError("the study stopped early");
        benchmark::DoNotOptimize(result.rows.back().interiorError);
    }
}

// 244 runs: splines 15, 17, ..., 501 with window 1. The argument is the thread count.
void BM_SweepProjectionSplines(benchmark::State& state)
{
    spln::study::StudyPlan plan;
    plan.sweep = {spln::kSettingSchwarzCount, 15, 501, spln::study::Spacing::Step, 2, 0};
    RunPlan(state, plan, FreshSettings());
}

// 1000 default runs with noise of amplitude 0.1. The argument is the thread count.
void BM_RepeatNoisyDefaults(benchmark::State& state)
{
    CSplnSettings base = FreshSettings();
    base.m_dAmplitude = 0.1;
    spln::study::StudyPlan plan;
    plan.kind = spln::study::StudyKind::Repeat;
    plan.repeat = 1000;
    RunPlan(state, plan, base);
}

}  // namespace

BENCHMARK(BM_SweepProjectionSplines)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_RepeatNoisyDefaults)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
