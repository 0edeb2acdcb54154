#pragma once

// The largest side of a picture, in pixels, for every way of asking for one:
// the command line's --size, the exports and the study charts.

namespace spln {

inline constexpr int kMaxPictureSide = 10000;

}  // namespace spln
