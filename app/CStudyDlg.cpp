// The study dialog: its fields to and from the plan, and the checks of OK.

#include "app/CStudyDlg.h"

#include "platform/DDX.h"
#include "platform/MessageBox.h"
#include "res/StudyDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>

#include <climits>
#include <iterator>

using namespace spln;
using namespace spln::study;

namespace {

constexpr int kSweepableCount = static_cast<int>(std::size(kSweepableSettings));

int PositionOf(SettingId setting)
{
    for (int i = 0; i < kSweepableCount; ++i)
        if (kSweepableSettings[i] == setting)
            return i;
    return 0;
}

}  // namespace

CStudyDlg::CStudyDlg(const CSplnSettings& base, const StudyPlan& plan, QWidget* parent)
    : CDialog(kStudyDialogTemplate, parent), m_base(base), m_plan(plan)
{
    const bool sweepSuits = IsSweepable(plan.setting) && !CheckPlan(plan, base);
    if (!sweepSuits || plan.kind == StudyKind::Repeat) {
        const StudyPlan sweep = SuggestedSweep(DefaultSweepSetting(base), base);
        const StudyKind kind = plan.kind == StudyKind::Repeat && HasNoise(base) ? StudyKind::Repeat : StudyKind::Sweep;
        if (!sweepSuits) {
            m_plan.setting = sweep.setting;
            m_plan.from = sweep.from;
            m_plan.to = sweep.to;
            m_plan.spacing = sweep.spacing;
            m_plan.step = sweep.step;
            m_plan.logCount = sweep.logCount;
        }
        m_plan.kind = kind;
    }
    LoadFields(m_plan);
}

void CStudyDlg::LoadFields(const StudyPlan& plan)
{
    m_nKind = plan.kind == StudyKind::Repeat ? 1 : 0;
    m_nSetting = PositionOf(plan.setting);
    m_nSpacing = plan.spacing == Spacing::Log ? 1 : 0;
    m_nFrom = plan.from;
    m_nTo = plan.to;
    m_nStep = plan.step;
    m_nLogCount = plan.logCount;
    m_nRepeat = plan.repeat;
    m_nSeed = static_cast<int>(plan.seed);
}

bool CStudyDlg::OnInitDialog()
{
    if (!CDialog::OnInitDialog())
        return false;
    auto* note = static_cast<QLabel*>(GetDlgItem(IDC_STUDY_NOISE_NOTE));
    note->setWordWrap(true);
    if (HasNoise(m_base))
        note->setText(QStringLiteral("Each run draws new noise of amplitude %1 from the study's own sequence.")
                          .arg(m_base.m_dAmplitude));
    else
        note->setText(
            QStringLiteral("The settings have no noise: give an amplitude above 0 in Spline > Run "
                           "to repeat with new noise."));
    GetDlgItem(IDC_STUDY_REPEAT)->setEnabled(HasNoise(m_base));

    for (int group : {IDC_STUDY_SWEEP, IDC_SPACING_STEP})
        connect(GetRadioGroup(group), &QButtonGroup::idClicked, this, [this] { EnableFields(); });
    connect(GetRadioGroup(IDC_SWEEP_SCHWARZ_COUNT), &QButtonGroup::idClicked, this,
            [this](int index) { OnSettingChosen(index); });
    EnableFields();
    return true;
}

void CStudyDlg::OnSettingChosen(int index)
{
    // A new setting brings the values that suit it; the other fields stay as typed.
    const StudyPlan suggested = SuggestedSweep(kSweepableSettings[index], m_base);
    const auto show = [this](int id, int value) {
        static_cast<QLineEdit*>(GetDlgItem(id))->setText(QString::number(value));
    };
    show(IDC_SWEEP_FROM, suggested.from);
    show(IDC_SWEEP_TO, suggested.to);
    show(IDC_SWEEP_STEP, suggested.step);
    show(IDC_SWEEP_LOG_COUNT, suggested.logCount);
    GetRadioGroup(IDC_SPACING_STEP)->button(suggested.spacing == Spacing::Log ? 1 : 0)->setChecked(true);
    EnableFields();
}

void CStudyDlg::EnableFields()
{
    const bool sweep = GetRadioGroup(IDC_STUDY_SWEEP)->checkedId() != 1;
    const bool log = GetRadioGroup(IDC_SPACING_STEP)->checkedId() == 1;
    for (int id : {IDC_SWEEP_SCHWARZ_COUNT, IDC_SWEEP_LSQ_COUNT, IDC_SWEEP_WINDOW, IDC_SWEEP_SAMPLES, IDC_SWEEP_FROM,
                   IDC_SWEEP_TO, IDC_SPACING_STEP, IDC_SPACING_LOG})
        GetDlgItem(id)->setEnabled(sweep);
    GetDlgItem(IDC_SWEEP_STEP)->setEnabled(sweep && !log);
    GetDlgItem(IDC_SWEEP_LOG_COUNT)->setEnabled(sweep && log);
    GetDlgItem(IDC_REPEAT_COUNT)->setEnabled(!sweep);
    // The counts of the method not chosen do not change its runs.
    GetDlgItem(IDC_SWEEP_SCHWARZ_COUNT)->setEnabled(sweep && m_base.m_nMethod == 0);
    GetDlgItem(IDC_SWEEP_LSQ_COUNT)->setEnabled(sweep && m_base.m_nMethod != 0);
}

void CStudyDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_STUDY_SWEEP, m_nKind);
    DDX_Radio(pDX, IDC_SWEEP_SCHWARZ_COUNT, m_nSetting);
    DDX_Radio(pDX, IDC_SPACING_STEP, m_nSpacing);
    const bool storing = pDX->m_bSaveAndValidate;
    const bool sweep = m_nKind != 1;
    const SettingRange& range = RangeOf(kSweepableSettings[m_nSetting < 0 ? 0 : m_nSetting]);

    // Only the fields of the chosen study are checked; the others keep what they hold.
    DDX_Text(pDX, IDC_SWEEP_FROM, m_nFrom);
    if (storing && sweep)
        DDV_MinMaxInt(pDX, m_nFrom, range.MinInt(), range.MaxInt());
    DDX_Text(pDX, IDC_SWEEP_TO, m_nTo);
    if (storing && sweep)
        DDV_MinMaxInt(pDX, m_nTo, range.MinInt(), range.MaxInt());
    DDX_Text(pDX, IDC_SWEEP_STEP, m_nStep);
    if (storing && sweep && m_nSpacing == 0)
        DDV_MinMaxInt(pDX, m_nStep, 1, range.MaxInt());
    DDX_Text(pDX, IDC_SWEEP_LOG_COUNT, m_nLogCount);
    if (storing && sweep && m_nSpacing == 1)
        DDV_MinMaxInt(pDX, m_nLogCount, kMinLogCount, kMaxLogCount);
    DDX_Text(pDX, IDC_REPEAT_COUNT, m_nRepeat);
    if (storing && !sweep)
        DDV_MinMaxInt(pDX, m_nRepeat, kMinRepeat, kMaxRepeat);
    DDX_Text(pDX, IDC_STUDY_SEED, m_nSeed);
    if (storing)
        DDV_MinMaxInt(pDX, m_nSeed, 0, INT_MAX);
    if (!storing)
        return;

    StudyPlan plan = m_plan;
    plan.kind = sweep ? StudyKind::Sweep : StudyKind::Repeat;
    plan.setting = range.id;
    plan.from = m_nFrom;
    plan.to = m_nTo;
    plan.spacing = m_nSpacing == 1 ? Spacing::Log : Spacing::Step;
    plan.step = m_nStep;
    plan.logCount = m_nLogCount;
    plan.repeat = m_nRepeat;
    plan.seed = static_cast<std::uint32_t>(m_nSeed);
    if (const std::optional<PlanProblem> problem = CheckPlan(plan, m_base)) {
        // The window check speaks as the settings dialog does; the rest name the setting.
        AfxMessageBox(problem->fault == PlanFault::WindowCheck
                          ? QString::fromLatin1(kWindowCheckMessage)
                          : QString::fromStdString(DescribeProblem(*problem, plan)),
                      MB_OK);
        pDX->PrepareEditCtrl(sweep ? IDC_SWEEP_FROM : IDC_REPEAT_COUNT);
        pDX->Fail();
    }
    m_plan = plan;
}
