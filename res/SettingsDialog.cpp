// The settings dialog's template.

#include "res/SettingsDialog.h"

namespace {

using K = ControlKind;
constexpr unsigned G = kGroupStart;
constexpr unsigned T = kTabStop;

// In template order, which is also the tab order. Rectangles: x, y, width,
// height in dialog units. A label's mnemonic focuses the field in its row.
constexpr ControlTemplate kControls[] = {
    {IDOK, K::DefPushButton, "OK", 359, 15, 50, 14, T, 0},
    {IDCANCEL, K::PushButton, "Cancel", 360, 40, 50, 14, T, 0},
    {IDC_STATIC, K::GroupBox, "Example of function", 16, 3, 163, 76, 0, 0},
    {IDC_SOURCE_EXAMPLE, K::RadioButton, "&Example", 25, 14, 43, 10, G, 0},
    {IDC_SOURCE_FILE, K::RadioButton, "&File", 26, 95, 39, 20, 0, 0},
    {IDC_SOURCE_FORMULA, K::RadioButton, "F&ormula in x", 194, 268, 60, 10, 0, 0},
    {IDC_STATIC, K::GroupBox, "Date from file", 16, 87, 164, 221, 0, 0},
    {IDC_FILE_LENGTH, K::Edit, nullptr, 101, 25, 40, 14, T, 0},
    {IDC_AMPLITUDE, K::Edit, nullptr, 101, 42, 40, 14, T, 0},
    {IDC_FILE_LENGTH_LABEL, K::Label, "File &Length", 27, 25, 36, 8, G, IDC_FILE_LENGTH},
    {IDC_AMPLITUDE_LABEL, K::Label, "&Amplitude", 28, 42, 32, 8, G, IDC_AMPLITUDE},
    {IDC_LEFT_DERIV, K::Edit, nullptr, 100, 158, 40, 14, T, 0},
    {IDC_EXAMPLE_LABEL, K::Label, "&Number of Example", 27, 58, 62, 8, G, IDC_EXAMPLE},
    {IDC_EXAMPLE, K::Edit, nullptr, 101, 58, 40, 14, T, 0},
    {IDC_STATIC, K::GroupBox, "Board values", 18, 112, 144, 108, 0, 0},
    {IDC_STATIC, K::Label, "Left value derivative", 23, 158, 65, 8, G, 0},
    {IDC_STATIC, K::Label, "Right value derivative", 23, 195, 70, 8, G, 0},
    {IDC_RIGHT_DERIV, K::Edit, nullptr, 100, 195, 40, 14, T, 0},
    {IDC_STATIC, K::GroupBox, "Board values", 19, 223, 144, 80, 0, 0},
    {IDC_STATIC, K::Label, "Left margine", 23, 257, 40, 8, G, 0},
    {IDC_STATIC, K::Label, "Right margine", 23, 282, 44, 8, G, 0},
    {IDC_LEFT_MARGIN, K::Edit, nullptr, 100, 257, 40, 14, T, 0},
    {IDC_RIGHT_MARGIN, K::Edit, nullptr, 100, 285, 40, 14, T, 0},
    {IDC_STATIC, K::GroupBox, "Method", 185, 7, 165, 70, 0, 0},
    {IDC_STATIC, K::GroupBox, "Method", 185, 87, 167, 66, 0, 0},
    {IDC_METHOD_SCHWARZ, K::RadioButton, "Projection on Schwarz space", 194, 17, 108, 10, G, 0},
    {IDC_METHOD_LSQ, K::RadioButton, "Method of Least Squares", 194, 97, 95, 10, 0, 0},
    {IDC_SCHWARZ_TYPE, K::Edit, nullptr, 293, 34, 40, 14, T, 0},
    {IDC_SCHWARZ_COUNT, K::Edit, nullptr, 293, 52, 40, 14, T, 0},
    {IDC_STATIC, K::Label, "Type of basic", 194, 34, 44, 8, G, 0},
    {IDC_STATIC, K::Label, "Number of basic splines", 194, 51, 76, 8, G, 0},
    {IDC_LSQ_TYPE, K::Edit, nullptr, 293, 114, 40, 14, T, 0},
    {IDC_STATIC, K::Label, "Type of basic", 194, 114, 44, 8, G, 0},
    {IDC_LSQ_COUNT, K::Edit, nullptr, 293, 130, 40, 14, T, 0},
    {IDC_STATIC, K::Label, "Number of basic splines", 194, 130, 76, 8, G, 0},
    {IDC_WINDOW, K::Edit, nullptr, 293, 219, 40, 14, T, 0},
    {IDC_STATIC, K::Label, "Window of averaging", 207, 219, 68, 8, G, 0},
    {IDC_NOISE_SEED, K::Edit, nullptr, 293, 237, 40, 14, T, 0},
    {IDC_STATIC, K::Label, "Noise seed (0: new noise)", 207, 239, 84, 8, G, 0},
    {IDC_BOARD_GIVEN, K::RadioButton, "&Value of appriore", 23, 121, 89, 20, G, 0},
    {IDC_BOARD_ESTIMATE, K::RadioButton, "&Estimation", 23, 233, 89, 20, 0, 0},
    {IDC_STATIC, K::Label, "Right value function", 23, 177, 64, 8, G, 0},
    {IDC_RIGHT_VALUE, K::Edit, nullptr, 100, 177, 40, 14, T, 0},
    {IDC_STATIC, K::Label, "Left value function", 23, 142, 60, 8, G, 0},
    {IDC_LEFT_VALUE, K::Edit, nullptr, 100, 142, 40, 14, T, 0},
    {IDC_STATIC, K::GroupBox, "Your own function", 185, 256, 225, 56, 0, 0},
    {IDC_FORMULA, K::Edit, nullptr, 194, 284, 206, 14, T, 0},
    {IDC_STATIC, K::GroupBox, "Data file", 185, 156, 167, 58, 0, 0},
    {IDC_DATA_FILE_NAME, K::Label, "", 194, 167, 150, 8, G, 0},
    {IDC_RESAMPLE_NO, K::RadioButton, "Refuse &uneven x", 194, 180, 100, 10, G, 0},
    {IDC_RESAMPLE_YES, K::RadioButton, "Re&sample uneven x", 194, 195, 100, 10, 0, 0},
    // Beside the function's number, where the box leaves room: elided, whole in its tooltip.
    {IDC_EXAMPLE_CAPTION, K::Label, "", 143, 61, 35, 8, G, 0},
};

}  // namespace

const DialogTemplate kSettingsDialogTemplate = {
    IDD_SETTINGS, "Velmoric splines in problems of approximation",          416, 325, "MS Sans Serif", 8,
    kControls,    static_cast<int>(sizeof kControls / sizeof kControls[0]),
};
