#pragma once

// The document's own copy of the eleven built-in functions, by document index
// 0..10 (the engine numbers them 1..11). Each must give, for every x, the same
// bits as the engine's example function: the same operations in the same
// order, a power before its coefficient, everything else left to right.

#include <string_view>

namespace spln::doc {

inline constexpr int kFunctionCount = 11;

double ExpSumMinusTwo(double x);     // 0: e^-x + e^x - 2
double CosOfSine(double x);          // 1: cos(4.7 sin(x pi/2))
double RungeBump(double x);          // 2: 1 / (25 x x + 1)
double RungeOdd(double x);           // 3: 10 x / (25 x x + 1)
double SignedQuartic(double x);      // 4: Sgn(x) (1 - x x) x x 4
double Absolute(double x);           // 5: |x|
double Footstep(double x);           // 6: 1 on |x| <= 0.5, else 0
double ExpOfSine(double x);          // 7: exp(3 sin(8 pi x) - 1)
double ThreeShiftedBumps(double x);  // 8: centred bump minus the bumps at -0.75 and 0.75
double TwoShiftedBumps(double x);    // 9: bumps at -0.1 and 0.1
double ExpOfFastSine(double x);      // 10: exp(5 (sin(16 pi x) - 1))

// The function at document index, or 0 for an index outside 0..10.
double Evaluate(int index, double x);

// The caption of the function at document index; empty outside 0..10.
const char* Caption(int index);

// The short name a user types for the function at document index
// ("footstep"); empty outside 0..10.
const char* ShortName(int index);

// The document index of the function with that short name, or -1.
int IndexOfShortName(std::string_view name);

}  // namespace spln::doc
