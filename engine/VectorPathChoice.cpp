// Times the vector paths on a short fixed workload, so that the fastest, not
// the widest, serves the runs.

#include "engine/Projection.h"
#include "engine/VectorExp.h"
#include "engine/VectorPaths.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace spln {

namespace {

// Arguments, values and abscissae like those of the heavy runs' windowed sums.
constexpr int kCalibrationTerms = 512;

struct CalibrationData {
    double arguments[kCalibrationTerms];  // ExpNeg's arguments over the kernels' range
    double values[kCalibrationTerms];
    double abscissae[kCalibrationTerms];
};

const CalibrationData& Calibration()
{
    static const CalibrationData data = [] {
        CalibrationData d;
        for (int i = 0; i < kCalibrationTerms; ++i) {
            const unsigned spread = (static_cast<unsigned>(i) * 2654435761u) % kCalibrationTerms;
            d.arguments[i] = 70.0 * spread / kCalibrationTerms;
            d.abscissae[i] = -1.0 + 2.0 * i / (kCalibrationTerms - 1);
            d.values[i] = std::sin(7.0 * d.abscissae[i]);
        }
        return d;
    }();
    return data;
}

// One pass of the workload on the path: an ExpNegBlock and the Gaussian
// kernel's windowed sums of two nodes over every abscissa.
double OnePass(const detail::PathFunctions& functions)
{
    const CalibrationData& data = Calibration();
    double out[kCalibrationTerms];
    const double nodes[2] = {-0.2, 0.1};
    const IndexWindow windows[2] = {{0, kCalibrationTerms - 1}, {0, kCalibrationTerms - 1}};
    double sums[2];
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    functions.expNeg(data.arguments, out, kCalibrationTerms);
    if (functions.kernelSums)
        functions.kernelSums(1, 2, nodes, 0.05, data.values, data.abscissae, windows, sums);
    else
        sums[0] = sums[1] = 0.0;
    const Clock::time_point stop = Clock::now();
    // Keeps the results alive, so that the compiler cannot drop the work.
    volatile double sink = out[kCalibrationTerms / 2] + sums[0] + sums[1];
    (void)sink;
    return std::chrono::duration<double>(stop - start).count();
}

}  // namespace

ExpPath FastestPath(const PathTime* measured, int count)
{
    int best = 0;
    for (int i = 1; i < count; ++i) {
        if (measured[i].seconds * (1.0 + kWiderPathMargin) < measured[best].seconds)
            best = i;
    }
    return measured[best].path;
}

void CalibrationSeconds(const ExpPath* paths, int count, double* seconds)
{
    // Each path runs a while before it is timed, and alone: a processor may
    // run its widest instructions slowly until it has been using them for a
    // few microseconds, and switching between widths pass by pass keeps it
    // from settling. Two rounds through the paths, the least time of each counts.
    constexpr int kRounds = 2;
    constexpr int kWarmPasses = 8;
    constexpr int kTimedPasses = 8;
    for (int i = 0; i < count; ++i)
        seconds[i] = INFINITY;
    for (int round = 0; round < kRounds; ++round) {
        for (int i = 0; i < count; ++i) {
            const detail::PathFunctions& functions = detail::FunctionsOf(paths[i]);
            for (int pass = 0; pass < kWarmPasses; ++pass)
                OnePass(functions);
            for (int pass = 0; pass < kTimedPasses; ++pass)
                seconds[i] = std::min(seconds[i], OnePass(functions));
        }
    }
}

}  // namespace spln
