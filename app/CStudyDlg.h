#pragma once

// The study dialog (resource 132): a sweep of one whole-number setting, a
// grid of two, a choice of one setting's value from the data, or a repeat
// with new noise, on the current settings as the base. OK checks every field
// of the chosen study as the settings dialog checks its own, then the whole plan.

#include "platform/CDialog.h"
#include "study/StudyPlan.h"

class CStudyDlg : public CDialog {
    Q_OBJECT

public:
    // Starts from plan as far as it suits the base settings: on the sample
    // file a choice from the data, else a sweep of the splines of the chosen method.
    CStudyDlg(const CSplnSettings& base, const spln::study::StudyPlan& plan, QWidget* parent = nullptr);

    bool OnInitDialog() override;

    // The plan as accepted on OK.
    const spln::study::StudyPlan& Plan() const { return m_plan; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The fields of one swept setting: its radio group, range and spacing.
    struct RangeFields {
        int settingGroup;
        int from;
        int to;
        int spacingGroup;
        int step;
        int logCount;
    };
    struct RangeValues {
        int setting = 0;  // position in kSweepableSettings
        int spacing = 0;  // 0 step, 1 log
        int from = 0;
        int to = 0;
        int step = 1;
        int logCount = 20;
    };

    void LoadFields(const spln::study::StudyPlan& plan);
    void EnableFields();
    void OnSettingChosen(const RangeFields& fields, int index);
    spln::study::StudyKind ChosenKind() const;
    void ExchangeRange(CDataExchange* pDX, const RangeFields& fields, RangeValues& values, bool checked);

    static const RangeFields kSweepFields;
    static const RangeFields kAcrossFields;

    CSplnSettings m_base;
    spln::study::StudyPlan m_plan;

    // The fields as exchanged: positions within each radio group, and numbers.
    int m_nKind = 0;
    RangeValues m_sweep;
    RangeValues m_across;
    int m_nRepeat = 100;
    int m_nSeed = 1;
};
