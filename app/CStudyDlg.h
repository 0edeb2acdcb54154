#pragma once

// The study dialog (resource 132): a sweep of one whole-number setting or a
// repeat with new noise, on the current settings as the base. OK checks every
// field as the settings dialog checks its own, then the whole plan.

#include "platform/CDialog.h"
#include "study/StudyPlan.h"

class CStudyDlg : public CDialog {
    Q_OBJECT

public:
    // Starts from plan when it suits the base settings, else from a sweep of
    // the splines of the chosen method.
    CStudyDlg(const CSplnSettings& base, const spln::study::StudyPlan& plan, QWidget* parent = nullptr);

    bool OnInitDialog() override;

    // The plan as accepted on OK.
    const spln::study::StudyPlan& Plan() const { return m_plan; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void LoadFields(const spln::study::StudyPlan& plan);
    void EnableFields();
    void OnSettingChosen(int index);

    CSplnSettings m_base;
    spln::study::StudyPlan m_plan;

    // The fields as exchanged: positions within each radio group, and numbers.
    int m_nKind = 0;
    int m_nSetting = 0;
    int m_nSpacing = 0;
    int m_nFrom = 0;
    int m_nTo = 0;
    int m_nStep = 1;
    int m_nLogCount = 20;
    int m_nRepeat = 100;
    int m_nSeed = 1;
};
