#pragma once

// What a study's rows say: the order of convergence of a sweep, fitted by
// least squares on log-log axes, and the spread of each error over the runs
// of a repeat.

#include <string>
#include <vector>

#include "study/StudyRunner.h"

namespace spln::study {

// Errors at or below this are rounding, not approximation, and stay out of the fit.
inline constexpr double kFitErrorFloor = 1e-13;
inline constexpr int kMinFitPoints = 4;

struct OrderFit {
    bool clear = false;     // at least kMinFitPoints rows qualified
    double order = 0.0;     // p in interior error ~ C n^-p
    double constant = 0.0;  // C
    int points = 0;         // rows the fit used
};

// Least-squares line through (log value, log interior error) over the rows
// whose interior error is above kFitErrorFloor (and whose value is positive).
OrderFit FitOrder(const std::vector<StudyRow>& rows);

// "interior error ≈ C·n^-p, p = 3.92 (C = 1.2e+03)", or "no clear order".
std::string DescribeOrder(const OrderFit& fit);

struct Spread {
    double mean = 0.0;
    double deviation = 0.0;  // sample standard deviation (n - 1); 0 for one run
    double min = 0.0;
    double max = 0.0;
};

struct ErrorSpreads {
    Spread left;
    Spread interior;
    Spread right;
};

ErrorSpreads SpreadsOf(const std::vector<StudyRow>& rows);

}  // namespace spln::study
