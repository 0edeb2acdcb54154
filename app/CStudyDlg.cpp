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

// The kinds in the order of the dialog's radio buttons.
constexpr StudyKind kKinds[] = {StudyKind::Sweep, StudyKind::Grid, StudyKind::Select, StudyKind::Repeat};

int PositionOf(SettingId setting)
{
    for (int i = 0; i < kSweepableCount; ++i)
        if (kSweepableSettings[i] == setting)
            return i;
    return 0;
}

int PositionOf(StudyKind kind)
{
    for (int i = 0; i < static_cast<int>(std::size(kKinds)); ++i)
        if (kKinds[i] == kind)
            return i;
    return 0;
}

// True when a plan of the kind with only this range could run on the base.
bool RangeSuits(const SweepRange& range, StudyKind kind, const CSplnSettings& base)
{
    StudyPlan probe;
    probe.kind = kind == StudyKind::Select ? StudyKind::Select : StudyKind::Sweep;
    probe.sweep = range;
    return !CheckPlan(probe, base);
}

// The plan the dialog opens with: the one given, with what does not suit
// the base settings replaced by suggestions.
StudyPlan SuitedPlan(StudyPlan plan, const CSplnSettings& base)
{
    if (!HasExactFunction(base))
        plan.kind = StudyKind::Select;
    else if (plan.kind == StudyKind::Repeat && !HasNoise(base))
        plan.kind = StudyKind::Sweep;
    const StudyKind sweepKind = plan.kind == StudyKind::Select ? StudyKind::Select : StudyKind::Sweep;
    if (!RangeSuits(plan.sweep, sweepKind, base))
        plan.sweep = SuggestedSweep(DefaultSweepSetting(base), base);
    if (plan.across.setting == plan.sweep.setting || !RangeSuits(plan.across, StudyKind::Sweep, base)) {
        const SettingId other = plan.sweep.setting == kSettingWindow ? DefaultSweepSetting(base) : kSettingWindow;
        plan.across = SuggestedSweep(other, base);
    }
    return plan;
}

void ShowNumber(CDialog& dialog, int id, int value)
{
    static_cast<QLineEdit*>(dialog.GetDlgItem(id))->setText(QString::number(value));
}

}  // namespace

const CStudyDlg::RangeFields CStudyDlg::kSweepFields = {IDC_SWEEP_SCHWARZ_COUNT, IDC_SWEEP_FROM, IDC_SWEEP_TO,
                                                        IDC_SPACING_STEP,        IDC_SWEEP_STEP, IDC_SWEEP_LOG_COUNT};
const CStudyDlg::RangeFields CStudyDlg::kAcrossFields = {
    IDC_ACROSS_SCHWARZ_COUNT, IDC_ACROSS_FROM, IDC_ACROSS_TO,
    IDC_ACROSS_SPACING_STEP,  IDC_ACROSS_STEP, IDC_ACROSS_LOG_COUNT};

CStudyDlg::CStudyDlg(const CSplnSettings& base, const StudyPlan& plan, QWidget* parent)
    : CDialog(kStudyDialogTemplate, parent), m_base(base), m_plan(SuitedPlan(plan, base))
{
    LoadFields(m_plan);
}

void CStudyDlg::LoadFields(const StudyPlan& plan)
{
    m_nKind = PositionOf(plan.kind);
    const auto load = [](const SweepRange& range, RangeValues& values) {
        values.setting = PositionOf(range.setting);
        values.spacing = range.spacing == Spacing::Log ? 1 : 0;
        values.from = range.from;
        values.to = range.to;
        values.step = range.step;
        values.logCount = range.logCount;
    };
    load(plan.sweep, m_sweep);
    load(plan.across, m_across);
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
    auto* selection = static_cast<QLabel*>(GetDlgItem(IDC_SELECT_NOTE));
    selection->setWordWrap(true);
    selection->setText(HasExactFunction(m_base)
                           ? QStringLiteral("Generalized cross-validation chooses the value of the setting from "
                                            "the data alone; the internal error stands beside it.")
                           : QStringLiteral("The sample file has no exact function: generalized cross-validation "
                                            "chooses the value of the setting from the data alone."));

    for (int group : {IDC_STUDY_SWEEP, IDC_SPACING_STEP, IDC_ACROSS_SPACING_STEP})
        connect(GetRadioGroup(group), &QButtonGroup::idClicked, this, [this] { EnableFields(); });
    connect(GetRadioGroup(IDC_SWEEP_SCHWARZ_COUNT), &QButtonGroup::idClicked, this,
            [this](int index) { OnSettingChosen(kSweepFields, index); });
    connect(GetRadioGroup(IDC_ACROSS_SCHWARZ_COUNT), &QButtonGroup::idClicked, this,
            [this](int index) { OnSettingChosen(kAcrossFields, index); });
    EnableFields();
    return true;
}

StudyKind CStudyDlg::ChosenKind() const
{
    const int position = GetRadioGroup(IDC_STUDY_SWEEP)->checkedId();
    return position >= 0 && position < static_cast<int>(std::size(kKinds)) ? kKinds[position] : StudyKind::Sweep;
}

void CStudyDlg::OnSettingChosen(const RangeFields& fields, int index)
{
    // A new setting brings the values that suit it; the other fields stay as typed.
    const SweepRange suggested = SuggestedSweep(kSweepableSettings[index], m_base);
    ShowNumber(*this, fields.from, suggested.from);
    ShowNumber(*this, fields.to, suggested.to);
    ShowNumber(*this, fields.step, suggested.step);
    ShowNumber(*this, fields.logCount, suggested.logCount);
    GetRadioGroup(fields.spacingGroup)->button(suggested.spacing == Spacing::Log ? 1 : 0)->setChecked(true);
    EnableFields();
}

void CStudyDlg::EnableFields()
{
    const StudyKind kind = ChosenKind();
    const bool exact = HasExactFunction(m_base);
    // Without an exact function only the data can judge a fit.
    GetDlgItem(IDC_STUDY_SWEEP)->setEnabled(exact);
    GetDlgItem(IDC_STUDY_GRID)->setEnabled(exact);
    GetDlgItem(IDC_STUDY_REPEAT)->setEnabled(exact && HasNoise(m_base));

    const auto enableRange = [this](const RangeFields& fields, bool on, bool selection) {
        QButtonGroup* settings = GetRadioGroup(fields.settingGroup);
        for (int i = 0; i < kSweepableCount; ++i) {
            const SettingId setting = kSweepableSettings[i];
            // The counts of the method not chosen do not change its runs.
            const bool otherMethod = (setting == kSettingSchwarzCount && m_base.m_nMethod != 0) ||
                                     (setting == kSettingLsqCount && m_base.m_nMethod == 0);
            settings->button(i)->setEnabled(on && !otherMethod && (!selection || IsSelectable(setting)));
        }
        const bool log = GetRadioGroup(fields.spacingGroup)->checkedId() == 1;
        for (int id : {fields.from, fields.to})
            GetDlgItem(id)->setEnabled(on);
        for (QAbstractButton* button : GetRadioGroup(fields.spacingGroup)->buttons())
            button->setEnabled(on);
        GetDlgItem(fields.step)->setEnabled(on && !log);
        GetDlgItem(fields.logCount)->setEnabled(on && log);
    };
    enableRange(kSweepFields, kind != StudyKind::Repeat, kind == StudyKind::Select);
    enableRange(kAcrossFields, kind == StudyKind::Grid, false);
    GetDlgItem(IDC_REPEAT_COUNT)->setEnabled(kind == StudyKind::Repeat);
}

void CStudyDlg::ExchangeRange(CDataExchange* pDX, const RangeFields& fields, RangeValues& values, bool checked)
{
    DDX_Radio(pDX, fields.settingGroup, values.setting);
    DDX_Radio(pDX, fields.spacingGroup, values.spacing);
    const bool storing = pDX->m_bSaveAndValidate && checked;
    const SettingRange& range = RangeOf(kSweepableSettings[values.setting < 0 ? 0 : values.setting]);
    DDX_Text(pDX, fields.from, values.from);
    if (storing)
        DDV_MinMaxInt(pDX, values.from, range.MinInt(), range.MaxInt());
    DDX_Text(pDX, fields.to, values.to);
    if (storing)
        DDV_MinMaxInt(pDX, values.to, range.MinInt(), range.MaxInt());
    DDX_Text(pDX, fields.step, values.step);
    if (storing && values.spacing == 0)
        DDV_MinMaxInt(pDX, values.step, 1, range.MaxInt());
    DDX_Text(pDX, fields.logCount, values.logCount);
    if (storing && values.spacing == 1)
        DDV_MinMaxInt(pDX, values.logCount, kMinLogCount, kMaxLogCount);
}

void CStudyDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_STUDY_SWEEP, m_nKind);
    const bool storing = pDX->m_bSaveAndValidate;
    const StudyKind kind = kKinds[m_nKind < 0 ? 0 : m_nKind];

    // Only the fields of the chosen study are checked; the others keep what they hold.
    ExchangeRange(pDX, kSweepFields, m_sweep, kind != StudyKind::Repeat);
    ExchangeRange(pDX, kAcrossFields, m_across, kind == StudyKind::Grid);
    DDX_Text(pDX, IDC_REPEAT_COUNT, m_nRepeat);
    if (storing && kind == StudyKind::Repeat)
        DDV_MinMaxInt(pDX, m_nRepeat, kMinRepeat, kMaxRepeat);
    DDX_Text(pDX, IDC_STUDY_SEED, m_nSeed);
    if (storing)
        DDV_MinMaxInt(pDX, m_nSeed, 0, INT_MAX);
    if (!storing)
        return;

    const auto rangeOf = [](const RangeValues& values) {
        return SweepRange{kSweepableSettings[values.setting < 0 ? 0 : values.setting], values.from, values.to,
                          values.spacing == 1 ? Spacing::Log : Spacing::Step,          values.step, values.logCount};
    };
    StudyPlan plan = m_plan;
    plan.kind = kind;
    plan.sweep = rangeOf(m_sweep);
    plan.across = rangeOf(m_across);
    plan.repeat = m_nRepeat;
    plan.seed = static_cast<std::uint32_t>(m_nSeed);
    if (const std::optional<PlanProblem> problem = CheckPlan(plan, m_base)) {
        // The window check speaks as the settings dialog does; the rest name the setting.
        AfxMessageBox(problem->fault == PlanFault::WindowCheck
                          ? QString::fromLatin1(kWindowCheckMessage)
                          : QString::fromStdString(DescribeProblem(*problem, plan)),
                      MB_OK);
        pDX->PrepareEditCtrl(kind == StudyKind::Repeat ? IDC_REPEAT_COUNT
                             : problem->across         ? IDC_ACROSS_FROM
                                                       : IDC_SWEEP_FROM);
        pDX->Fail();
    }
    m_plan = plan;
}
