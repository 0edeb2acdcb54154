// Collects the settings and results of a run for the CSV and JSON writers.

#include "model/RunResults.h"

#include <algorithm>
#include <cstring>

#include "engine/CSplineEngine.h"
#include "model/SettingsRecord.h"

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
    if (settings.m_nSource != kSourceFile) {
        results.exact = engine.m_dExact;
        results.report = engine.m_szReport;
        results.hasReport = true;
    } else {
        results.dataShape = engine.m_dataShown;
        results.dataScale = engine.m_dDataScale;
    }
    return results;
}

void CopyRunOutcome(const CSplineEngine& from, CSplineEngine& to)
{
    for (const SettingRange& range : kSettingRanges) {
        if (range.engineText)
            std::memcpy(to.*range.engineText, from.*range.engineText, kFormulaSize);
        else if (range.engineReal)
            to.*range.engineReal = from.*range.engineReal;
        else
            to.*range.engineWhole = from.*range.engineWhole;
    }
    // Fixed at construction; no setting of the record holds them.
    to.m_dHalfWidth = from.m_dHalfWidth;
    to.m_nPoints = from.m_nPoints;
    to.m_nMaxLsqSamples = from.m_nMaxLsqSamples;

    // Readers take the count of the run or of the settings' output points.
    const int count = std::clamp(std::max(from.m_nResultCount, from.m_nPoints), 0, kMaxSamples);
    std::copy_n(from.m_dX, count, to.m_dX);
    std::copy_n(from.m_dApprox, count, to.m_dApprox);
    std::copy_n(from.m_dData, count, to.m_dData);
    std::copy_n(from.m_dExact, count, to.m_dExact);
    to.m_nResultCount = from.m_nResultCount;

    std::memcpy(to.m_szReport, from.m_szReport, sizeof to.m_szReport);
    to.m_dLeftError = from.m_dLeftError;
    to.m_dInteriorError = from.m_dInteriorError;
    to.m_dRightError = from.m_dRightError;
    to.m_pNoise = from.m_pNoise;
    std::memcpy(to.m_szDataPath, from.m_szDataPath, sizeof to.m_szDataPath);
    to.m_dataTable = from.m_dataTable;
    to.m_dataShown = from.m_dataShown;
    to.m_dDataScale = from.m_dDataScale;
    to.m_nFailureLine = from.m_nFailureLine;
    to.m_nFailureColumn = from.m_nFailureColumn;
    std::memcpy(to.m_szFailureText, from.m_szFailureText, sizeof to.m_szFailureText);
    to.m_eFailure = from.m_eFailure;
    to.m_nFailureDetail = from.m_nFailureDetail;
    std::memcpy(to.m_szFailurePath, from.m_szFailurePath, sizeof to.m_szFailurePath);
}

}  // namespace spln
