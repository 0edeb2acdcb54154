#pragma once

// The settings a run can compute, and the check a run makes first.

#include <string>

class CSplineEngine;

// The settings a run can compute: every count within the engine's capacity,
// every choice one the run knows, every real number finite and within a range
// where the arithmetic neither overflows nor converts out of the range of int.

namespace spln {

// 1-based position, among the checked settings, of the first one outside its
// domain; 0 when the run can compute them all.
int FirstUncomputableSetting(const CSplineEngine& engine);

// "the window of averaging is 0; it must be from 1 to 10000", for the setting
// at that position as the engine holds it now.
std::string DescribeUncomputableSetting(const CSplineEngine& engine, int position);

}  // namespace spln
