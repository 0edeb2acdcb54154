#pragma once

// The tick values of the study chart's axes: round numbers a reader takes in
// at a glance, on a linear or a log scale, and their labels. No toolkit.

#include <string>
#include <vector>

namespace spln {

struct AxisTicks {
    bool log = false;  // the values sit on a log scale
    double low = 0.0;  // the axis range, in values
    double high = 1.0;
    std::vector<double> values;  // the ticks inside the range, increasing
    std::vector<std::string> labels;
};

// A log axis fits values from low to high (both above 0) when they span at
// least this factor; a narrower range reads better on a linear axis.
inline constexpr double kLogAxisSpan = 4.0;

bool LogAxisFits(double low, double high);

// Ticks for values from low to high (low > 0): powers of ten (every second
// or fifth decade over a wide range), 1-2-5 or 1-2-3-5 in each decade over a
// few, or round steps when the range is under a decade; about `target` ticks
// at most. The range is widened a little so that no value sits on its edge.
AxisTicks LogTicks(double low, double high, int target);

// Ticks for values from low to high on a linear axis: steps of 1, 2, 2.5 or 5
// times a power of ten, at most `target` of them; the range widened a little.
AxisTicks LinearTicks(double low, double high, int target);

// A log axis when it fits, else a linear one.
AxisTicks ValueTicks(double low, double high, int target);

// "0.002", "50", "10000"; below 0.001 and from a million on "2e-5", "4.86e-4":
// up to six significant digits, or four with an exponent.
std::string TickLabel(double value);

}  // namespace spln
