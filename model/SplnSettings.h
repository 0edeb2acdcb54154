#pragma once

// The settings of a run as the document holds them, and their copies to and from an engine.

#include "engine/CSplineEngine.h"

// The eighteen settings of a run as the user edits them: method 0/1 and the
// sample count named m_nFileLength. The document keeps them; the engine keeps
// the same numbers under the same names, except for the method (1/2) and
// m_nSamples.
//
// Every setting starts at the engine's default but for the three marked
// "document's own", which keep the values the document has always been
// constructed with. They are never shown or run: the settings dialog loads
// the document's engine before its first exchange, and the view draws nothing
// until an exchange has passed the window check.
struct CSplnSettings {
    int m_nSource = spln::kDefaultSource;
    int m_nFileLength = spln::kDefaultSamples;
    double m_dAmplitude = spln::kDefaultAmplitude;
    int m_nExample = spln::kDefaultExample;
    int m_nBoard = spln::kDefaultBoard;
    double m_dLeftValue = spln::kDefaultLeftValue;
    double m_dRightValue = spln::kDefaultRightValue;
    double m_dRightDeriv = spln::kDefaultRightDeriv;
    double m_dLeftDeriv = spln::kDefaultLeftDeriv;
    int m_nLeftMargin = spln::kDefaultLeftMargin;
    int m_nRightMargin = spln::kDefaultRightMargin;
    int m_nMethod = 1;  // document's own: least squares
    int m_nWindow = spln::kDefaultWindow;
    int m_nSchwarzCount = spln::kDefaultSchwarzCount;
    int m_nSchwarzType = spln::kDefaultSchwarzType;
    int m_nLsqCount = 5;  // document's own
    int m_nLsqType = 1;   // document's own
    char m_szFormula[spln::kFormulaSize] = {};
    int m_nNoiseSeed = spln::kDefaultNoiseSeed;
    int m_nResample = spln::kDefaultResample;
};

// Engine to settings, as the settings dialog loads them (method minus 1).
void LoadSettingsFromEngine(const CSplineEngine& engine, CSplnSettings& settings);

// Settings to the document's engine on an accepted Run (method plus 1, kernel types as chosen).
void StoreSettingsInEngine(const CSplnSettings& settings, CSplineEngine& engine);

// Settings to the engine that computes, before every run (method plus 1,
// projection kernel types 3 and 4 exchanged), and a typed formula's table for
// the run; a formula that cannot be tabulated leaves none, which the run reports.
void CopySettingsForRun(const CSplnSettings& settings, CSplineEngine& engine);
