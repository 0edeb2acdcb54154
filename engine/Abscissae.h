#pragma once

// Where a run samples its function and where it evaluates its results. The
// run and the layer that tabulates a typed formula both take the abscissae
// from here, so a table holds the function at exactly the run's points.

namespace spln {

// Sample i of n evenly spaced ones on [-h, h].
inline double SampleAbscissa(double h, int n, int i)
{
    const double spacing = (h - (-h)) / (n - 1);
    return -h + i * spacing;
}

// The count output points from -h, each the last plus the spacing, so the
// last one may miss +h by the rounding of the sum.
inline void OutputAbscissae(double h, int count, double* x)
{
    const double spacing = (h - (-h)) / (count - 1);
    double xi = -h;
    for (int k = 0; k < count; ++k) {
        x[k] = xi;
        xi = xi + spacing;
    }
}

}  // namespace spln
