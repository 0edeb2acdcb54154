// The engine's defaults at construction.

#include "engine/CSplineEngine.h"

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
