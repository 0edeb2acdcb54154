#include "engine/SplnSettings.h"

#include "engine/CSplineEngine.h"

#include <climits>

namespace {

// The dialog offers the projection kernels in another order than the engine
// numbers them: its types 3 and 4 are the engine's 4 and 3.
int SwapKernelTypes3And4(int type)
{
    if (type == 3)
        return 4;
    if (type == 4)
        return 3;
    return type;
}

// The settings number the methods from 0, the engine from 1. A value that is
// no method stays one (the engine refuses it) rather than overflowing.
int ShiftMethod(int method, int by)
{
    if ((by > 0 && method > INT_MAX - by) || (by < 0 && method < INT_MIN - by))
        return method;
    return method + by;
}

// Every copy from the settings into an engine transfers the same seventeen
// members; only the projection kernel type may be translated on the way.
void CopyIntoEngine(const CSplnSettings& settings, CSplineEngine& engine, int schwarzType)
{
    engine.m_nSource = settings.m_nSource;
    engine.m_nMethod = ShiftMethod(settings.m_nMethod, 1);
    engine.m_nBoard = settings.m_nBoard;
    engine.m_nSamples = settings.m_nFileLength;
    engine.m_nExample = settings.m_nExample;
    engine.m_dAmplitude = settings.m_dAmplitude;
    engine.m_dLeftValue = settings.m_dLeftValue;
    engine.m_dRightValue = settings.m_dRightValue;
    engine.m_dLeftDeriv = settings.m_dLeftDeriv;
    engine.m_dRightDeriv = settings.m_dRightDeriv;
    engine.m_nLeftMargin = settings.m_nLeftMargin;
    engine.m_nRightMargin = settings.m_nRightMargin;
    engine.m_nWindow = settings.m_nWindow;
    engine.m_nSchwarzCount = settings.m_nSchwarzCount;
    engine.m_nSchwarzType = schwarzType;
    engine.m_nLsqCount = settings.m_nLsqCount;
    engine.m_nLsqType = settings.m_nLsqType;
}

}  // namespace

void LoadSettingsFromEngine(const CSplineEngine& engine, CSplnSettings& settings)
{
    settings.m_nSource = engine.m_nSource;
    settings.m_nMethod = ShiftMethod(engine.m_nMethod, -1);
    settings.m_nBoard = engine.m_nBoard;
    settings.m_nFileLength = engine.m_nSamples;
    settings.m_nExample = engine.m_nExample;
    settings.m_dAmplitude = engine.m_dAmplitude;
    settings.m_dLeftValue = engine.m_dLeftValue;
    settings.m_dRightValue = engine.m_dRightValue;
    settings.m_dLeftDeriv = engine.m_dLeftDeriv;
    settings.m_dRightDeriv = engine.m_dRightDeriv;
    settings.m_nLeftMargin = engine.m_nLeftMargin;
    settings.m_nRightMargin = engine.m_nRightMargin;
    settings.m_nWindow = engine.m_nWindow;
    settings.m_nSchwarzCount = engine.m_nSchwarzCount;
    settings.m_nSchwarzType = engine.m_nSchwarzType;
    settings.m_nLsqCount = engine.m_nLsqCount;
    settings.m_nLsqType = engine.m_nLsqType;
}

void StoreSettingsInEngine(const CSplnSettings& settings, CSplineEngine& engine)
{
    CopyIntoEngine(settings, engine, settings.m_nSchwarzType);
}

void CopySettingsForRun(const CSplnSettings& settings, CSplineEngine& engine)
{
    CopyIntoEngine(settings, engine, SwapKernelTypes3And4(settings.m_nSchwarzType));
}
