#pragma once

// The settings of a run as the document holds them, and their copies to and from an engine.

class CSplineEngine;

// The seventeen settings of a run as the user edits them: method 0/1 and the
// sample count named m_nFileLength. The document keeps them (its defaults
// below); the engine keeps the same numbers under the same names, except for
// the method (1/2) and m_nSamples.
struct CSplnSettings {
    int m_nSource = 0;
    int m_nFileLength = 10000;
    double m_dAmplitude = 0.0;
    int m_nExample = 1;
    int m_nBoard = 1;
    double m_dLeftValue = 0.0;
    double m_dRightValue = 0.0;
    double m_dRightDeriv = 0.0;
    double m_dLeftDeriv = 0.0;
    int m_nLeftMargin = 250;
    int m_nRightMargin = 250;
    int m_nMethod = 1;
    int m_nWindow = 1;
    int m_nSchwarzCount = 51;
    int m_nSchwarzType = 1;
    int m_nLsqCount = 5;
    int m_nLsqType = 1;
};

// Engine to settings, as the settings dialog loads them (method minus 1).
void LoadSettingsFromEngine(const CSplineEngine& engine, CSplnSettings& settings);

// Settings to the document's engine on an accepted Run (method plus 1, kernel types as chosen).
void StoreSettingsInEngine(const CSplnSettings& settings, CSplineEngine& engine);

// Settings to the engine that computes, before every run (method plus 1,
// projection kernel types 3 and 4 exchanged).
void CopySettingsForRun(const CSplnSettings& settings, CSplineEngine& engine);
