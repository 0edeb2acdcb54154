// Cost of tabulating a typed formula for a run at the most samples a run
// takes: parsing, the bulk evaluation at every sample and output point, and
// the check that every value is finite.

#include "engine/CSplineEngine.h"
#include "model/Formula.h"
#include "model/SettingsRecord.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void BM_TabulateFormula(benchmark::State& state)
{
    const char* const formulas[] = {"sin(5*x) + abs(x)^0.5", "exp(x) + exp(-x) - 2",
                                    "1/(25*x*x + 1) + 0.1*sin(40*x)*cos(3*x)"};
    const char* formula = formulas[state.range(0)];
    auto engine = std::make_unique<CSplineEngine>();
    CSplnSettings settings = spln::DefaultSettings();
    settings.m_nSource = spln::kSourceFormula;
    settings.m_nFileLength = spln::kMaxSamples;
    spln::SetSettingText(settings, spln::kSettingFormula, formula);
    StoreSettingsInEngine(settings, *engine);
    for (auto _ : state) {
        const std::string problem = spln::TabulateFormula(formula, *engine);
        benchmark::DoNotOptimize(problem);
        benchmark::DoNotOptimize(engine->m_dFunctionSamples[spln::kMaxSamples - 1]);
    }
    state.SetLabel(formula);
    state.SetItemsProcessed(state.iterations() * (spln::kMaxSamples + spln::kOutputPoints));
}

}  // namespace

BENCHMARK(BM_TabulateFormula)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
