#pragma once

// The legend and the subtitle of a picture: what was drawn, in which pen, and
// by which method and settings.

#include "plot/PlotOptions.h"

#include <string>
#include <vector>

struct CSplnSettings;

namespace spln {

// One line naming the method and its settings, for example
// "Least squares, basis 5, 35 functions, window 1, 10000 samples"; a noisy
// built-in function adds its noise amplitude, the sample file its name.
std::string SubtitleFor(const CSplnSettings& settings);

// Draws the entries in the current font as a framed box whose top right
// corner is (right, top), filled white: a stroke in each entry's pen, then
// its label in black. Puts back the pen and text colour it changes. Returns the box's
// bottom edge.
int DrawLegend(CDC& dc, int right, int top, const std::vector<LegendEntry>& entries, CPen* framePen);

}  // namespace spln
