// The engine's defaults at construction.

#include "engine/CSplineEngine.h"

// Settings take their defaults; results, systems, report and failure start
// empty, as they would in a zero-initialised program-wide instance, because an
// engine may also live on the heap. The workspace is left as it is: a run
// writes every entry before reading it.
CSplineEngine::CSplineEngine()
    : m_nSource(spln::kDefaultSource),
      m_nExample(spln::kDefaultExample),
      m_dAmplitude(spln::kDefaultAmplitude),
      m_dHalfWidth(1.0),
      m_nSamples(spln::kDefaultSamples),
      m_nWindow(spln::kDefaultWindow),
      m_nSchwarzCount(spln::kDefaultSchwarzCount),
      m_nLsqCount(spln::kDefaultLsqCount),
      m_nSchwarzType(spln::kDefaultSchwarzType),
      m_nLsqType(spln::kDefaultLsqType),
      m_nPoints(spln::kOutputPoints),
      m_nMaxLsqSamples(spln::kMaxLsqPoints),
      m_nMethod(spln::kDefaultMethod),
      m_nBoard(spln::kDefaultBoard),
      m_nNoiseSeed(spln::kDefaultNoiseSeed),
      m_dX{},
      m_dApprox{},
      m_dData{},
      m_dExact{},
      m_dLeftValue(spln::kDefaultLeftValue),
      m_dRightValue(spln::kDefaultRightValue),
      m_dLeftDeriv(spln::kDefaultLeftDeriv),
      m_dRightDeriv(spln::kDefaultRightDeriv),
      m_nLeftMargin(spln::kDefaultLeftMargin),
      m_nRightMargin(spln::kDefaultRightMargin),
      m_nResultCount(0),
      m_dMatrix{},
      m_dVector{},
      m_szReport{},
      m_dLeftError(0.0),
      m_dInteriorError(0.0),
      m_dRightError(0.0),
      m_pNoise(nullptr),
      m_szDataPath{},
      m_szFormula{},
      m_dFunctionSamples{},
      m_dFunctionOutputs{},
      m_dFunctionLeft(0.0),
      m_dFunctionRight(0.0),
      m_dFunctionLeftDeriv(0.0),
      m_dFunctionRightDeriv(0.0),
      m_nFunctionSamples(0),
      m_nFunctionPoints(0),
      m_eFailure(spln::RunFailure::None),
      m_nFailureDetail(0),
      m_szFailurePath{}
{}
