#pragma once

// The main frame's keyboard accelerators.

#include "platform/FrameTemplates.h"

#include <span>

namespace spln::res {

// The accelerator table (resource 128): virtual keys with modifiers.
std::span<const AcceleratorEntry> MainAccelerators();

}  // namespace spln::res
