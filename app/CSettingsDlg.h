#pragma once

// The settings dialog (resource 131): every setting of a run, exchanged
// directly with the document's members, range-checked on OK, followed by the
// check that the window of averaging is small against the number of samples,
// which keeps the dialog open as the range checks do.

#include "platform/CDialog.h"

class CSplineEngine;
class CSplnDoc;

class CSettingsDlg : public CDialog {
    Q_OBJECT

public:
    // Loads the document's settings from engine (the document's engine), so
    // the dialog starts from the last accepted settings.
    CSettingsDlg(CSplnDoc* pDoc, CSplineEngine& engine, QWidget* parent = nullptr);

    // Cancel leaves the document as it was before the dialog opened: the
    // settings reloaded from the engine and the view's permission to draw
    // restored.
    void OnCancel() override;

protected:
    // Names the data file and shows the caption of the function the number
    // field chooses, following the number as it is typed.
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // Window of averaging against the number of samples; sets m_bValid. On
    // failure it warns; on OK it then fails the exchange at the window field,
    // keeping what was typed; while loading it resets the window and the file
    // length.
    void CheckWindow(CDataExchange* pDX);

    // On OK, a formula that is the source must parse and be finite at every
    // sample; otherwise the dialog says why and stays open at the formula.
    void CheckFormula(CDataExchange* pDX);

    CSplnDoc* m_pDoc;
    CSplineEngine& m_engine;
    int m_bValidBefore;
};
