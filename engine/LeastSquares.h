#pragma once

// Least squares at several output points at once.

class CSplineEngine;

namespace spln {

// out[j] = engine.LsqSum(type, x[j], a) for j < count: the points' sums side
// by side, each in the order LsqSum adds its terms.
void LsqSumsAt(const CSplineEngine& engine, int type, const double* x, int count, const double* a, double* out);

}  // namespace spln
