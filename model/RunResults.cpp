// Collects the settings and results of a run for the CSV and JSON writers.

#include "model/RunResults.h"

#include "engine/CSplineEngine.h"

namespace spln {

RunResults ResultsOf(const CSplineEngine& engine, const CSplnSettings& settings)
{
    RunResults results;
    results.settings = settings;
    results.count = engine.m_nResultCount;
    results.x = engine.m_dX;
    results.data = engine.m_dData;
    results.approx = engine.m_dApprox;
    // The engine leaves m_dExact and m_szReport as an earlier run left them
    // when it reads the sample file; they say nothing about this run.
    if (settings.m_nSource == 0) {
        results.exact = engine.m_dExact;
        results.report = engine.m_szReport;
        results.hasReport = true;
    }
    return results;
}

}  // namespace spln
