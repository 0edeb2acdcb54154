#pragma once

// The main frame's menu.

#include "platform/FrameTemplates.h"

#include <span>

namespace spln::res {

// The main menu (resource 128).
std::span<const MenuItemTemplate> MainMenuTemplate();

}  // namespace spln::res
