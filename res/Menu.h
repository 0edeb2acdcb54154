#pragma once

#include "platform/FrameTemplates.h"

#include <span>

namespace res {

// The main menu (resource 128).
std::span<const MenuItemTemplate> MainMenuTemplate();

} // namespace res
