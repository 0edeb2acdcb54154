#pragma once

// The exponentials and divisions one run performs, counted over the windows
// its sums visit: the work a run cannot do without, for the benchmark's floor.

class CSplineEngine;

namespace spln::bench {

struct RunOperations {
    double smoothingExps = 0.0;  // the node smoothing, which worker threads share
    double smoothingDivisions = 0.0;
    double otherExps = 0.0;  // sampling, least-squares basis and the expansion at the output points
    double otherDivisions = 0.0;
};

// The counts for a run of the engine's settings on a built-in function.
RunOperations CountRunOperations(const CSplineEngine& settings);

}  // namespace spln::bench
