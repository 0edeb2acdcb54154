#pragma once

// Dialog resource 100: the About box's title, size, font and controls.

#include "platform/DialogTemplate.h"

namespace spln::res {

// The control that shows the main icon.
constexpr int IDC_ABOUT_ICON = 1000;

extern const DialogTemplate kAboutDialogTemplate;

}  // namespace spln::res
