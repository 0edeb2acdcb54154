// The error curve of a run and the places of the report's errors.

#include "plot/ErrorCurve.h"

#include "engine/CSplineEngine.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace spln {

std::vector<double> ErrorValues(const CSplineEngine& engine, bool fromFile, ErrorPanelMode mode)
{
    return ErrorValues(engine.m_dApprox, fromFile ? engine.m_dData : engine.m_dExact,
                       std::clamp(engine.m_nResultCount, 0, kMaxSamples), mode);
}

std::vector<double> ErrorValues(const double* curve, const double* reference, int count, ErrorPanelMode mode)
{
    std::vector<double> error(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        error[static_cast<std::size_t>(i)] = curve[i] - reference[i];
    if (mode != ErrorPanelMode::Log)
        return error;
    double smallest = std::numeric_limits<double>::infinity();
    for (double& value : error) {
        value = std::fabs(value);
        if (value > 0.0 && value < smallest)
            smallest = value;
    }
    const double floor = std::isfinite(smallest) ? std::log10(smallest) : -300.0;
    for (double& value : error)
        value = value > 0.0 ? std::log10(value) : floor;
    return error;
}

std::array<int, 3> ReportErrorPlaces(const CSplineEngine& engine)
{
    const int count = std::clamp(engine.m_nResultCount, 0, kMaxSamples);
    int interior = -1;
    double largest = -1.0;
    // The run's own scan: the first point of the largest error wins.
    for (int k = 6; k < count - 5; ++k) {
        const double error = std::fabs(engine.m_dApprox[k] - engine.m_dExact[k]);
        if (error > largest) {
            largest = error;
            interior = k;
        }
    }
    return {0, interior, count - 1};
}

}  // namespace spln
