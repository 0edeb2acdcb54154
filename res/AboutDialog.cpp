// The About box's template.

#include "res/AboutDialog.h"

#include "res/CommandIds.h"

namespace spln::res {
namespace {

constexpr ControlTemplate kAboutControls[] = {
    {IDC_ABOUT_ICON, ControlKind::Label, "", 11, 17, 20, 20, kGroupStart, 0},
    {IDC_STATIC, ControlKind::Label, "Velmoric Splines. Version 1.0", 40, 10, 119, 8, 0, 0},
    {IDC_STATIC, ControlKind::Label, "Approximating functions on [-1, 1] by basic splines", 40, 25, 227, 8, 0, 0},
    {1, ControlKind::DefPushButton, "OK", 224, 7, 50, 14, kGroupStart | kTabStop, 0},
};

}  // namespace

const DialogTemplate kAboutDialogTemplate{
    static_cast<int>(IDD_ABOUTBOX),
    "About Spln",
    281,
    55,
    "MS Sans Serif",
    8,
    kAboutControls,
    static_cast<int>(sizeof kAboutControls / sizeof kAboutControls[0]),
};

}  // namespace spln::res
