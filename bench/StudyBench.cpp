// Cost of whole studies: a sweep of the projection's splines, a repeat of noisy
// default runs, a grid of two settings and a selection on a sample file.

#include "model/SettingsRecord.h"
#include "study/StudyRunner.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

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

// 1600 default runs: 40 counts of splines from 15 to 501 on a log scale, each
// with the windows 1 to 40. The argument is the thread count.
void BM_GridSplinesAndWindows(benchmark::State& state)
{
    spln::study::StudyPlan plan;
    plan.kind = spln::study::StudyKind::Grid;
    plan.sweep = {spln::kSettingSchwarzCount, 15, 501, spln::study::Spacing::Log, 1, 40};
    plan.across = {spln::kSettingWindow, 1, 40, spln::study::Spacing::Step, 1, 0};
    RunPlan(state, plan, FreshSettings());
}

// A sample file of a smooth signal with a little noise, written once.
std::string SampleFile()
{
    const std::string path = (std::filesystem::temp_directory_path() / "spln-bench-sig.dat").string();
    if (std::FILE* file = std::fopen(path.c_str(), "w")) {
        unsigned state = 11;
        for (int i = 0; i < 4501; ++i) {
            state = state * 1664525u + 1013904223u;
            const double x = -1.0 + i / 2250.0;
            std::fprintf(file, "%.7g\n",
                         std::sin(6.0 * x) * std::exp(-x * x) + 0.02 * ((state >> 8) / 16777216.0 - 0.5));
        }
        std::fclose(file);
    }
    return path;
}

// The choice of the projection's splines among 100 counts, 15 to 213, on the
// sample file with the default settings. The argument is the thread count.
void BM_SelectSplinesOnSampleFile(benchmark::State& state)
{
    static const std::string path = SampleFile();
    CSplnSettings base = FreshSettings();
    base.m_nSource = 1;
    spln::study::StudyPlan plan;
    plan.kind = spln::study::StudyKind::Select;
    plan.sweep = {spln::kSettingSchwarzCount, 15, 213, spln::study::Spacing::Step, 2, 0};
    plan.dataPath = path;
    RunPlan(state, plan, base);
}

}  // namespace

BENCHMARK(BM_GridSplinesAndWindows)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_SelectSplinesOnSampleFile)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
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
