#pragma once

// How a sweep's interior error converges: the order between each row and
// the one before it, the plateau where the error stops falling, and the
// order p of interior error = C n^-p fitted over the asymptotic range
// between a pre-asymptotic start and the plateau, with its 95 % interval.

#include <string>
#include <vector>

#include "study/StudyRunner.h"

namespace spln::study {

// Errors at or below this are rounding, not approximation, and stay out of the judgment.
inline constexpr double kFitErrorFloor = 1e-13;
inline constexpr int kMinFitPoints = 4;
// A fitted order whose 95 % interval is wider than this is no clear order.
inline constexpr double kMaxOrderWidth = 0.5;
// The asymptotic range: the longest run of rows, ending at the last row or
// before the plateau, whose local orders each lie within kOrderBand of their
// running median (relative), or within kMinOrderBand of it for small orders;
// when fewer than kMinFitPoints rows qualify, every row up to that end.
inline constexpr double kOrderBand = 0.2;
inline constexpr double kMinOrderBand = 0.1;
// A plateau: the longest tail of at least kMinPlateauRows rows, spanning a
// factor kPlateauSpan of the value, whose errors lie within a factor
// kPlateauBand of their median and whose fitted order lies within
// kPlateauOrder of 0. Its level is that median.
inline constexpr int kMinPlateauRows = 3;
inline constexpr double kPlateauSpan = 1.5;
inline constexpr double kPlateauBand = 2.0;
inline constexpr double kPlateauOrder = 0.25;
// Before a plateau, the fit keeps to the rows whose error is at least this
// many times its level: the approach to the plateau is not the order.
inline constexpr double kPlateauClearance = 5.0;

struct OrderFit {
    bool clear = false;     // at least kMinFitPoints rows and an interval at most kMaxOrderWidth wide
    double order = 0.0;     // p in interior error ~ C n^-p
    double constant = 0.0;  // C
    double low = 0.0;       // the 95 % interval of p
    double high = 0.0;
    double r2 = 0.0;  // the fit's coefficient of determination on log-log axes
    int first = 0;    // the values of the first and last rows fitted
    int last = 0;
    int points = 0;  // rows the fit used; 0 when there was no range to fit
};

struct Plateau {
    bool found = false;
    double level = 0.0;  // the median error of the plateau's rows
    int from = 0;        // the value of its first row
};

struct Convergence {
    std::vector<double> localOrders;  // one a row: -log(e_k / e_k-1) / log(n_k / n_k-1); NaN for the first
                                      // row and where an error is at the rounding floor
    OrderFit order;
    Plateau plateau;
};

// Judges the interior errors of a sweep's rows, in increasing value.
Convergence JudgeConvergence(const std::vector<StudyRow>& rows);

// The two-sided 95 % quantile of Student's t with the given degrees of freedom (at least 1).
double StudentQuantile95(int freedom);

// "internal error ≈ C·n^-p, p = 3.92 (95 % interval 3.90 to 3.94, R² = 0.9998)"
// and on a second line "fitted over 15 to 201, C = 1.2e+03", or "no clear
// order" with the reason.
std::string DescribeOrder(const OrderFit& fit);

// "plateau at 4.8e-04 from 546", or "no plateau".
std::string DescribePlateau(const Plateau& plateau);

}  // namespace spln::study
