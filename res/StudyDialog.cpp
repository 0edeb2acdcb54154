// The study dialog's resource: title, size, font and controls.

#include "res/StudyDialog.h"

namespace {

using K = ControlKind;
constexpr unsigned G = kGroupStart;
constexpr unsigned T = kTabStop;

// In template order, which is also the tab order. Rectangles: x, y, width,
// height in dialog units.
constexpr ControlTemplate kControls[] = {
    {IDOK, K::DefPushButton, "Run", 250, 10, 50, 14, T, 0},
    {IDCANCEL, K::PushButton, "Cancel", 250, 30, 50, 14, T, 0},
    {IDC_STUDY_SWEEP, K::RadioButton, "&Sweep one setting", 10, 8, 110, 10, G | T, 0},
    {IDC_STUDY_REPEAT, K::RadioButton, "&Repeat with new noise", 125, 8, 110, 10, 0, 0},
    {IDC_STATIC, K::GroupBox, "Sweep", 10, 22, 230, 140, G, 0},
    {IDC_SWEEP_SCHWARZ_COUNT, K::RadioButton, "Number of basic splines (&projection)", 18, 34, 200, 10, G | T, 0},
    {IDC_SWEEP_LSQ_COUNT, K::RadioButton, "Number of basis functions (&least squares)", 18, 46, 200, 10, 0, 0},
    {IDC_SWEEP_WINDOW, K::RadioButton, "&Window of averaging", 18, 58, 200, 10, 0, 0},
    {IDC_SWEEP_SAMPLES, K::RadioButton, "Number of sa&mples (File Length)", 18, 70, 200, 10, 0, 0},
    {IDC_STATIC, K::Label, "&From", 18, 88, 30, 8, G, IDC_SWEEP_FROM},
    {IDC_SWEEP_FROM, K::Edit, nullptr, 50, 86, 50, 14, T, 0},
    {IDC_STATIC, K::Label, "&To", 120, 88, 20, 8, G, IDC_SWEEP_TO},
    {IDC_SWEEP_TO, K::Edit, nullptr, 145, 86, 50, 14, T, 0},
    {IDC_SPACING_STEP, K::RadioButton, "S&tep", 18, 110, 110, 10, G | T, 0},
    {IDC_SPACING_LOG, K::RadioButton, "&Values spaced on a log scale", 18, 132, 120, 10, 0, 0},
    {IDC_SWEEP_STEP, K::Edit, nullptr, 145, 108, 50, 14, G | T, 0},
    {IDC_SWEEP_LOG_COUNT, K::Edit, nullptr, 145, 130, 50, 14, T, 0},
    {IDC_STATIC, K::GroupBox, "Repeat", 10, 170, 230, 68, G, 0},
    {IDC_STATIC, K::Label, "R&uns (2 to 10000)", 18, 184, 90, 8, G, IDC_REPEAT_COUNT},
    {IDC_REPEAT_COUNT, K::Edit, nullptr, 145, 182, 50, 14, T, 0},
    {IDC_STUDY_NOISE_NOTE, K::Label, "", 18, 202, 215, 30, G, 0},
    {IDC_STATIC, K::Label, "Seed of the study's &noise", 10, 250, 110, 8, G, IDC_STUDY_SEED},
    {IDC_STUDY_SEED, K::Edit, nullptr, 145, 248, 50, 14, T, 0},
};

}  // namespace

const DialogTemplate kStudyDialogTemplate = {
    IDD_STUDY,       "Study", 310,       272,
    "MS Sans Serif", 8,       kControls, static_cast<int>(sizeof kControls / sizeof kControls[0]),
};
