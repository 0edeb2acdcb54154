#pragma once

// What the rows of the other studies say: the spread of each error over the
// runs of a repeat and its histogram, the value a selection chooses, and the
// row with the least interior error.

#include <optional>
#include <vector>

#include "study/StudyRunner.h"

namespace spln::study {

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

// Counts of one error in bins of equal width on a log scale between its
// least and largest positive value; errors of exactly 0 have no place there.
struct Histogram {
    std::vector<double> edges;  // bins + 1 increasing edges
    std::vector<int> counts;    // one a bin; the last bin holds the largest error
    int zeros = 0;              // errors left out for being 0
};

inline constexpr int kMaxHistogramBins = 50;

// About 2 K^(1/3) bins for K errors (Rice's rule), at most kMaxHistogramBins.
Histogram HistogramOf(const std::vector<StudyRow>& rows, double StudyRow::*error);

// The row with the least criterion of a selection (the first of equals; rows
// with an infinite criterion are never chosen), or nothing.
std::optional<size_t> ChosenRow(const std::vector<StudyRow>& rows);

// The row with the least interior error (the first of equals), or nothing.
std::optional<size_t> BestRow(const std::vector<StudyRow>& rows);

}  // namespace spln::study
