// Cost of one redraw of a kept run while zooming: the heaviest picture (least
// squares on 10000 noisy samples, error panel on a log scale, legend) painted
// at 1600 x 1000 from the kept results, without running the engine.

#include "engine/CSplineEngine.h"
#include "model/SettingsRecord.h"
#include "model/SplnSettings.h"
#include "plot/ResultExport.h"

#include <benchmark/benchmark.h>

#include <QtGlobal>

#include <memory>

namespace {

void BM_RedrawKeptRunWhileZooming(benchmark::State& state)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    CSplnSettings settings = spln::DefaultSettings();
    settings.m_nMethod = 1;
    settings.m_nLsqCount = 51;
    settings.m_dAmplitude = 0.1;
    auto engine = std::make_unique<CSplineEngine>();
    CopySettingsForRun(settings, *engine);
    engine->Run();
    spln::PlotOptions options;
    options.errorPanel = spln::ErrorPanelMode::Log;
    options.legend = true;
    const bool zoomed = state.range(0) != 0;
    double width = 2.4;
    for (auto _ : state) {
        // Each redraw a step of the wheel, in and out again.
        if (zoomed) {
            width = width < 0.01 ? 2.4 : width * 0.8;
            options.zoom = {0.3 - width / 2, 0.3 + width / 2};
        }
        const QImage image = spln::RenderResultImage(settings, *engine, 1600, 1000, options);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RedrawKeptRunWhileZooming)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
