// From a changed setting to the finished picture, offscreen at 800x600: the
// run of the new settings and its picture with five kept approximations drawn
// as further curves with their legend entries.

#include "engine/CSplineEngine.h"
#include "model/SettingsRecord.h"
#include "model/SplnSettings.h"
#include "plot/ResultExport.h"
#include "plot/ResultPicture.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kKept = 5;

// The default experiment, or the heaviest: the projection with the widest
// window and the most basic splines the ranges allow on all samples.
CSplnSettings Experiment(bool heaviest)
{
    CSplnSettings settings = spln::DefaultSettings();
    if (heaviest) {
        settings.m_nWindow = 500;
        settings.m_nSchwarzCount = 501;
    }
    return settings;
}

void ChangedSettingToPicture(benchmark::State& state)
{
    const bool heaviest = state.range(0) != 0;
    auto engine = std::make_unique<CSplineEngine>();
    CSplnSettings settings = Experiment(heaviest);
    CopySettingsForRun(settings, *engine);
    engine->Run();
    spln::KeptPenSet pens;
    spln::PlotOptions options;
    options.legend = true;
    for (int k = 0; k < kKept; ++k) {
        spln::KeptApproximation kept = spln::KeptFromRun(settings, *engine);
        for (double& value : kept.approx)
            value += 0.01 * (k + 1);
        options.extraCurves.push_back(
            spln::KeptCurve(kept, "kept " + std::to_string(k + 1), static_cast<std::size_t>(k), pens));
    }
    int example = 1;
    for (auto _ : state) {
        // The changed setting: the next built-in function, each time.
        example = example % 11 + 1;
        settings.m_nExample = example;
        CopySettingsForRun(settings, *engine);
        engine->Run();
        const QImage image = spln::RenderResultImage(settings, *engine, 800, 600, options);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(heaviest ? "heaviest, 5 kept" : "default, 5 kept");
}
BENCHMARK(ChangedSettingToPicture)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
