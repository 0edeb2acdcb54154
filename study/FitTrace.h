#pragma once

// How much a run's fit follows its own data. Both methods are linear in the
// samples: the fit at the N sample abscissae is S y plus terms the data do
// not move, and the trace of S is the fit's degrees of freedom, which
// generalized cross-validation sets against the residual.

#include <vector>

#include "engine/CSplineEngine.h"

namespace spln::study {

// The diagonal of S for a run with the engine's settings on N samples:
// entry i is how far the fit at sample i moves when sample i moves by one.
// S is the kernel smoothing and expansion of the projection, or the
// smoothing and least-squares fit, of the samples other than the two ends
// (the run replaces those by its boundary values), and, when endsFitted,
// the boundary cubic fitted to the first and last samples. The engine's
// linear system and basis table serve as scratch.
std::vector<double> FitDiagonal(CSplineEngine& engine, int samples, bool endsFitted);

// The trace of S: the diagonal summed in index order.
double FitTrace(CSplineEngine& engine, int samples, bool endsFitted);

// Generalized cross-validation, N squares / (N - trace)^2 for the sum of
// squared residuals over N samples: the mean squared residual inflated by
// the degrees of freedom spent. Infinite when the trace reaches N.
double GcvScore(double squares, double trace, int samples);

}  // namespace spln::study
