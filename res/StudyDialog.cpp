// The study dialog's resource: title, size, font and controls.

#include "res/StudyDialog.h"

namespace {

using K = ControlKind;
constexpr unsigned G = kGroupStart;
constexpr unsigned T = kTabStop;

// In template order, which is also the tab order. Rectangles: x, y, width,
// height in dialog units.
constexpr ControlTemplate kControls[] = {
    {IDOK, K::DefPushButton, "Run", 364, 10, 50, 14, T, 0},
    {IDCANCEL, K::PushButton, "Cancel", 364, 30, 50, 14, T, 0},
    {IDC_STUDY_SWEEP, K::RadioButton, "&Sweep one setting", 10, 8, 84, 10, G | T, 0},
    {IDC_STUDY_GRID, K::RadioButton, "Sweep t&wo settings", 96, 8, 84, 10, 0, 0},
    {IDC_STUDY_SELECT, K::RadioButton, "&Choose from the data", 182, 8, 90, 10, 0, 0},
    {IDC_STUDY_REPEAT, K::RadioButton, "&Repeat with new noise", 274, 8, 88, 10, 0, 0},

    {IDC_STATIC, K::GroupBox, "Setting", 10, 24, 172, 130, G, 0},
    {IDC_SWEEP_SCHWARZ_COUNT, K::RadioButton, "Number of basic splines (&projection)", 18, 36, 160, 10, G | T, 0},
    {IDC_SWEEP_LSQ_COUNT, K::RadioButton, "Number of basic splines (&least squares)", 18, 48, 160, 10, 0, 0},
    {IDC_SWEEP_WINDOW, K::RadioButton, "Window of &averaging", 18, 60, 160, 10, 0, 0},
    {IDC_SWEEP_SAMPLES, K::RadioButton, "Number of sa&mples (File Length)", 18, 72, 160, 10, 0, 0},
    {IDC_STATIC, K::Label, "&From", 18, 90, 22, 8, G, IDC_SWEEP_FROM},
    {IDC_SWEEP_FROM, K::Edit, nullptr, 42, 88, 44, 14, T, 0},
    {IDC_STATIC, K::Label, "&To", 98, 90, 14, 8, G, IDC_SWEEP_TO},
    {IDC_SWEEP_TO, K::Edit, nullptr, 126, 88, 44, 14, T, 0},
    {IDC_SPACING_STEP, K::RadioButton, "S&tep", 18, 112, 100, 10, G | T, 0},
    {IDC_SPACING_LOG, K::RadioButton, "&Values on a log scale", 18, 134, 100, 10, 0, 0},
    {IDC_SWEEP_STEP, K::Edit, nullptr, 126, 110, 44, 14, G | T, 0},
    {IDC_SWEEP_LOG_COUNT, K::Edit, nullptr, 126, 132, 44, 14, T, 0},

    {IDC_STATIC, K::GroupBox, "Second setting (two settings)", 188, 24, 172, 130, G, 0},
    {IDC_ACROSS_SCHWARZ_COUNT, K::RadioButton, "Number of basic splines (projection)", 196, 36, 160, 10, G | T, 0},
    {IDC_ACROSS_LSQ_COUNT, K::RadioButton, "Number of basic splines (least squares)", 196, 48, 160, 10, 0, 0},
    {IDC_ACROSS_WINDOW, K::RadioButton, "Window of averagin&g", 196, 60, 160, 10, 0, 0},
    {IDC_ACROSS_SAMPLES, K::RadioButton, "Number of samples (File Length)", 196, 72, 160, 10, 0, 0},
    {IDC_STATIC, K::Label, "Fr&om", 196, 90, 22, 8, G, IDC_ACROSS_FROM},
    {IDC_ACROSS_FROM, K::Edit, nullptr, 220, 88, 44, 14, T, 0},
    {IDC_STATIC, K::Label, "To", 276, 90, 14, 8, G, IDC_ACROSS_TO},
    {IDC_ACROSS_TO, K::Edit, nullptr, 304, 88, 44, 14, T, 0},
    {IDC_ACROSS_SPACING_STEP, K::RadioButton, "Step", 196, 112, 100, 10, G | T, 0},
    {IDC_ACROSS_SPACING_LOG, K::RadioButton, "Values on a log scale", 196, 134, 100, 10, 0, 0},
    {IDC_ACROSS_STEP, K::Edit, nullptr, 304, 110, 44, 14, G | T, 0},
    {IDC_ACROSS_LOG_COUNT, K::Edit, nullptr, 304, 132, 44, 14, T, 0},

    {IDC_STATIC, K::GroupBox, "Choose from the data", 10, 160, 172, 72, G, 0},
    {IDC_SELECT_NOTE, K::Label, "", 18, 172, 158, 56, G, 0},
    {IDC_STATIC, K::GroupBox, "Repeat", 188, 160, 172, 72, G, 0},
    {IDC_STATIC, K::Label, "R&uns (2 to 10000)", 196, 174, 90, 8, G, IDC_REPEAT_COUNT},
    {IDC_REPEAT_COUNT, K::Edit, nullptr, 304, 172, 44, 14, T, 0},
    {IDC_STUDY_NOISE_NOTE, K::Label, "", 196, 192, 158, 36, G, 0},
    {IDC_STATIC, K::Label, "Seed of the study's &noise", 10, 244, 110, 8, G, IDC_STUDY_SEED},
    {IDC_STUDY_SEED, K::Edit, nullptr, 126, 242, 44, 14, T, 0},
};

}  // namespace

const DialogTemplate kStudyDialogTemplate = {
    IDD_STUDY,       "Study", 424,       264,
    "MS Sans Serif", 8,       kControls, static_cast<int>(sizeof kControls / sizeof kControls[0]),
};
