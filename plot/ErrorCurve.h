#pragma once

// The error of a run along [-1, 1]: the curve the error panel draws and the
// places where the report line takes its three errors. No toolkit.

#include "plot/PlotOptions.h"

#include <array>
#include <vector>

class CSplineEngine;

namespace spln {

// Approximation minus exact function at every output point of the engine's
// last run; for a run on the sample file approximation minus data. In Log mode
// log10 of the magnitude, a zero error held at the smallest nonzero one (or
// -300 when every error is zero) so that the curve stays finite.
std::vector<double> ErrorValues(const CSplineEngine& engine, bool fromFile, ErrorPanelMode mode);

// The same for any curve against a reference, over count points.
std::vector<double> ErrorValues(const double* curve, const double* reference, int count, ErrorPanelMode mode);

// The output points where the report's errors are taken: the left end, the
// first interior point of the largest error (points 6..P-6) and the right end.
// The interior place is -1 when the run has fewer than 13 points and so no
// interior. Only a run on a built-in function has these places.
std::array<int, 3> ReportErrorPlaces(const CSplineEngine& engine);

}  // namespace spln
