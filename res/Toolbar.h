#pragma once

#include <span>

// The main toolbar (resource 128): button ids left to right, ID_SEPARATOR
// for a gap. Images are 16 by 15 pixels, one per button that is not a gap.

namespace spln::res {

constexpr int kToolbarImageWidth = 16;
constexpr int kToolbarImageHeight = 15;

std::span<const unsigned> MainToolbarButtons();

}  // namespace spln::res
