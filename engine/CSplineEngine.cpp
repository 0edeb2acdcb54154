// The engine's defaults at construction.

#include "engine/CSplineEngine.h"

#include <algorithm>
#include <cstring>

// Settings take their defaults; results, systems, report and failure start
// empty, as they would in a zero-initialised program-wide instance, because an
// engine may also live on the heap. The workspace is left as it is: a run
// writes every entry before reading it.
CSplineEngine::CSplineEngine()
    : m_nSource(0),
      m_nExample(1),
      m_dAmplitude(0.0),
      m_dHalfWidth(1.0),
      m_nSamples(10000),
      m_nWindow(1),
      m_nSchwarzCount(51),
      m_nLsqCount(35),
      m_nSchwarzType(1),
      m_nLsqType(5),
      m_nPoints(spln::kOutputPoints),
      m_nMaxLsqSamples(501),
      m_nMethod(1),
      m_nBoard(1),
      m_dX{},
      m_dApprox{},
      m_dData{},
      m_dExact{},
      m_dLeftValue(0.0),
      m_dRightValue(0.0),
      m_dLeftDeriv(0.0),
      m_dRightDeriv(0.0),
      m_nLeftMargin(250),
      m_nRightMargin(250),
      m_nResultCount(0),
      m_dMatrix{},
      m_dVector{},
      m_szReport{},
      m_dLeftError(0.0),
      m_dInteriorError(0.0),
      m_dRightError(0.0),
      m_pNoise(nullptr),
      m_szDataPath{},
      m_eFailure(spln::RunFailure::None),
      m_nFailureDetail(0),
      m_szFailurePath{}
{}

void CopyRunOutcome(const CSplineEngine& from, CSplineEngine& to)
{
    to.m_nSource = from.m_nSource;
    to.m_nExample = from.m_nExample;
    to.m_dAmplitude = from.m_dAmplitude;
    to.m_dHalfWidth = from.m_dHalfWidth;
    to.m_nSamples = from.m_nSamples;
    to.m_nWindow = from.m_nWindow;
    to.m_nSchwarzCount = from.m_nSchwarzCount;
    to.m_nLsqCount = from.m_nLsqCount;
    to.m_nSchwarzType = from.m_nSchwarzType;
    to.m_nLsqType = from.m_nLsqType;
    to.m_nPoints = from.m_nPoints;
    to.m_nMaxLsqSamples = from.m_nMaxLsqSamples;
    to.m_nMethod = from.m_nMethod;
    to.m_nBoard = from.m_nBoard;
    to.m_dLeftValue = from.m_dLeftValue;
    to.m_dRightValue = from.m_dRightValue;
    to.m_dLeftDeriv = from.m_dLeftDeriv;
    to.m_dRightDeriv = from.m_dRightDeriv;
    to.m_nLeftMargin = from.m_nLeftMargin;
    to.m_nRightMargin = from.m_nRightMargin;

    // Readers take the count of the run or of the settings' output points.
    const int count = std::clamp(std::max(from.m_nResultCount, from.m_nPoints), 0, spln::kMaxSamples);
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
    to.m_eFailure = from.m_eFailure;
    to.m_nFailureDetail = from.m_nFailureDetail;
    std::memcpy(to.m_szFailurePath, from.m_szFailurePath, sizeof to.m_szFailurePath);
}
