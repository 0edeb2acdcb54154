#pragma once

// Pure arithmetic of the graph frame: tick steps, truncation to surface
// coordinates and the formatting of labels.

#include <string>
#include <vector>

namespace spln {

// Ranges from this value on are shown one decade up (see ChooseTickStep).
inline constexpr double kDecadeRange = 10.1;

// The tick step for an axis of the given range: a mantissa of 0.1, 0.2, 0.25,
// 0.5 or 1.0 and a decimal exponent. Below kDecadeRange the exponent is 0 and
// the mantissa follows the thresholds 1.1, 2.1, 2.6 and 5.1, which keeps an
// axis at about a dozen intervals. Wider ranges would give one interval per
// unit (hundreds of collapsed grid lines and labels), so the range is divided
// by ten until it falls below kDecadeRange and the exponent counts the
// divisions; the labels then read in units of 10^exponent, as the exponent
// boxes show. Ranges that are not finite take the exponent 0.
void ChooseTickStep(double range, int& exponent, double& mantissa);

// Interval counts are held below this, whatever the data: a safety limit for
// values the step choice cannot tame (an infinite range), never reached by
// finite data, whose axes keep about a dozen intervals.
inline constexpr unsigned kMaxTicks = 200;

// Decimal exponents stop here, where 10^exponent is still a finite double.
inline constexpr int kMaxExponent = 308;

// The smallest and largest of the first count values. Values that are not
// finite (NaN, infinities) are passed over; with none finite both are 0.
void ScanRange(const double* values, unsigned count, double& minimum, double& maximum);

// The number of grid intervals for a range and a step in data units: the whole
// steps in the range plus 2, or plus 1 when the axis minimum is exactly 0.
unsigned TickCount(double range, double step, double minimum);

// 10 to the power exponent (exponent >= 0), by repeated multiplication.
double PowerOfTen(int exponent);

// Truncates toward zero; values beyond the int range (and NaN, as 0) are held
// at the nearest representable value instead of overflowing.
int TruncateToInt(double value);

// origin + offset, held within the int range.
int OffsetCoordinate(int origin, long long offset);

// The label of a tick value on an axis of ticks `step` apart: just the
// significant digits that tell it from its neighbours (at most 15), plain
// from 0.001 to below a million and with an exponent outside ("2.5e-6"); a
// value within a millionth of a step of zero reads "0", never "-0".
std::string RoundTickLabel(double value, double step);

// Round tick values from low to high (low < high, both finite): the
// multiples of 1, 2, 2.5 or 5 times a power of ten inside the range, as many
// as fit under `target`, but two at least where the range holds two.
std::vector<double> RoundTickValues(double low, double high, int target);

// printf-style formatting of one number, of any length.
std::string FormatNumber(const char* format, double value);
std::string FormatRange(double minimum, double maximum);
std::string FormatInt(int value);

}  // namespace spln
