#pragma once

// How a font description becomes a real font on this system.

#include <string>

namespace spln {

// The face that stands in for a requested one. The Windows faces the plot asks
// for are not installed on Linux; the Liberation fonts have the same metrics:
// "MS Sans Serif" and "Arial" become "Liberation Sans", "Times New Roman Cyr"
// (and "Times New Roman") "Liberation Serif". Any other face is kept.
std::string ResolveFontFace(const std::string& face);

// The character (em) height, in logical units, of a font created from a point
// size without a surface: the size as a 96-dpi screen shows it, rounded to
// whole units (8 pt -> 11, 12 pt -> 16).
int PointFontHeight(int pointSizeTenths);

}  // namespace spln
