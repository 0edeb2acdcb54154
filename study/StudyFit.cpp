// Fits the order of a sweep's errors and the spread of a repeat's.

#include "study/StudyFit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace spln::study {
namespace {

Spread SpreadOf(const std::vector<StudyRow>& rows, double StudyRow::*error)
{
    Spread spread;
    if (rows.empty())
        return spread;
    double sum = 0.0;
    spread.min = rows.front().*error;
    spread.max = spread.min;
    for (const StudyRow& row : rows) {
        sum += row.*error;
        spread.min = std::min(spread.min, row.*error);
        spread.max = std::max(spread.max, row.*error);
    }
    spread.mean = sum / static_cast<double>(rows.size());
    if (rows.size() > 1) {
        double squares = 0.0;
        for (const StudyRow& row : rows)
            squares += (row.*error - spread.mean) * (row.*error - spread.mean);
        spread.deviation = std::sqrt(squares / static_cast<double>(rows.size() - 1));
    }
    return spread;
}

}  // namespace

OrderFit FitOrder(const std::vector<StudyRow>& rows)
{
    std::vector<double> xs;
    std::vector<double> ys;
    for (const StudyRow& row : rows) {
        if (row.interiorError > kFitErrorFloor && row.value > 0 && std::isfinite(row.interiorError)) {
            xs.push_back(std::log(static_cast<double>(row.value)));
            ys.push_back(std::log(row.interiorError));
        }
    }
    OrderFit fit;
    fit.points = static_cast<int>(xs.size());
    if (fit.points < kMinFitPoints)
        return fit;
    // Centred sums keep the slope accurate when the values are large.
    double meanX = 0.0;
    double meanY = 0.0;
    for (size_t i = 0; i < xs.size(); ++i) {
        meanX += xs[i];
        meanY += ys[i];
    }
    meanX /= fit.points;
    meanY /= fit.points;
    double sxx = 0.0;
    double sxy = 0.0;
    for (size_t i = 0; i < xs.size(); ++i) {
        sxx += (xs[i] - meanX) * (xs[i] - meanX);
        sxy += (xs[i] - meanX) * (ys[i] - meanY);
    }
    if (!(sxx > 0.0))
        return fit;
    const double slope = sxy / sxx;
    fit.clear = true;
    fit.order = -slope;
    fit.constant = std::exp(meanY - slope * meanX);
    return fit;
}

std::string DescribeOrder(const OrderFit& fit)
{
    if (!fit.clear)
        return "no clear order";
    char text[128];
    std::snprintf(text, sizeof text, "interior error \u2248 C\u00b7n^-p, p = %.2f (C = %.3g)", fit.order, fit.constant);
    return text;
}

ErrorSpreads SpreadsOf(const std::vector<StudyRow>& rows)
{
    return {SpreadOf(rows, &StudyRow::leftError), SpreadOf(rows, &StudyRow::interiorError),
            SpreadOf(rows, &StudyRow::rightError)};
}

}  // namespace spln::study
