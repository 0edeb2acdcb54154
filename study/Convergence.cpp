// Local orders, the plateau and the order fitted over the asymptotic range of a sweep.

#include "study/Convergence.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace spln::study {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The rows the judgment can use, as points on log-log axes.
struct LogPoint {
    int value;
    double x;  // log of the value
    double y;  // log of the interior error
};

bool Usable(const StudyRow& row)
{
    return row.value > 0 && std::isfinite(row.interiorError) && row.interiorError > kFitErrorFloor;
}

double LocalOrder(const LogPoint& before, const LogPoint& after)
{
    if (!(after.x > before.x))
        return kNaN;
    return -(after.y - before.y) / (after.x - before.x);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// The least-squares line through points [first, last] on log-log axes, with
// centred sums so that the slope stays accurate for large values.
struct Line {
    double slope = 0.0;
    double intercept = 0.0;
    double residualSquares = 0.0;
    double totalSquares = 0.0;
    double spread = 0.0;  // the sum of squared deviations of x
};

Line FitLine(const std::vector<LogPoint>& points, size_t first, size_t last)
{
    const double count = static_cast<double>(last - first + 1);
    double meanX = 0.0;
    double meanY = 0.0;
    for (size_t i = first; i <= last; ++i) {
        meanX += points[i].x;
        meanY += points[i].y;
    }
    meanX /= count;
    meanY /= count;
    Line line;
    double sxy = 0.0;
    for (size_t i = first; i <= last; ++i) {
        line.spread += (points[i].x - meanX) * (points[i].x - meanX);
        sxy += (points[i].x - meanX) * (points[i].y - meanY);
        line.totalSquares += (points[i].y - meanY) * (points[i].y - meanY);
    }
    if (line.spread > 0.0)
        line.slope = sxy / line.spread;
    line.intercept = meanY - line.slope * meanX;
    for (size_t i = first; i <= last; ++i) {
        const double residual = points[i].y - (line.intercept + line.slope * points[i].x);
        line.residualSquares += residual * residual;
    }
    return line;
}

// The longest tail that is a plateau, as the index of its first point; none
// when no tail qualifies.
Plateau FindPlateau(const std::vector<LogPoint>& points, size_t& start)
{
    Plateau plateau;
    if (points.size() < static_cast<size_t>(kMinPlateauRows))
        return plateau;
    const size_t last = points.size() - 1;
    const double band = std::log(kPlateauBand);
    for (size_t first = points.size() - static_cast<size_t>(kMinPlateauRows) + 1; first-- > 0;) {
        std::vector<double> levels;
        for (size_t i = first; i <= last; ++i)
            levels.push_back(points[i].y);
        const double median = Median(levels);
        bool inBand = true;
        for (double level : levels)
            inBand = inBand && std::fabs(level - median) <= band;
        // Going further back only takes in larger errors.
        if (!inBand)
            break;
        if (points[last].x - points[first].x < std::log(kPlateauSpan))
            continue;
        if (std::fabs(FitLine(points, first, last).slope) < kPlateauOrder) {
            plateau.found = true;
            plateau.level = std::exp(median);
            plateau.from = points[first].value;
            start = first;
        }
    }
    return plateau;
}

OrderFit FitOrder(const std::vector<LogPoint>& points, size_t first, size_t last)
{
    OrderFit fit;
    fit.points = static_cast<int>(last - first + 1);
    fit.first = points[first].value;
    fit.last = points[last].value;
    const Line line = FitLine(points, first, last);
    fit.order = -line.slope;
    fit.constant = std::exp(line.intercept);
    fit.r2 = line.totalSquares > 0.0 ? 1.0 - line.residualSquares / line.totalSquares : 1.0;
    if (fit.points > 2 && line.spread > 0.0) {
        const int freedom = fit.points - 2;
        const double error = std::sqrt(line.residualSquares / freedom / line.spread);
        const double half = StudentQuantile95(freedom) * error;
        fit.low = fit.order - half;
        fit.high = fit.order + half;
    } else {
        fit.low = -std::numeric_limits<double>::infinity();
        fit.high = std::numeric_limits<double>::infinity();
    }
    fit.clear = fit.points >= kMinFitPoints && fit.high - fit.low <= kMaxOrderWidth;
    return fit;
}

// The asymptotic range ending at point `end`: back from it while each local
// order stays within the band of the median of those taken so far.
size_t AsymptoticStart(const std::vector<LogPoint>& points, size_t end)
{
    std::vector<double> orders = {LocalOrder(points[end - 1], points[end])};
    size_t start = end - 1;
    while (start > 0) {
        const double candidate = LocalOrder(points[start - 1], points[start]);
        const double median = Median(orders);
        const double band = std::max(kOrderBand * std::fabs(median), kMinOrderBand);
        if (!(std::fabs(candidate - median) <= band))
            break;
        orders.push_back(candidate);
        --start;
    }
    return start;
}

}  // namespace

double StudentQuantile95(int freedom)
{
    static constexpr double kTable[30] = {12.7062, 4.3027, 3.1824, 2.7764, 2.5706, 2.4469, 2.3646, 2.3060,
                                          2.2622,  2.2281, 2.2010, 2.1788, 2.1604, 2.1448, 2.1314, 2.1199,
                                          2.1098,  2.1009, 2.0930, 2.0860, 2.0796, 2.0739, 2.0687, 2.0639,
                                          2.0595,  2.0555, 2.0518, 2.0484, 2.0452, 2.0423};
    if (freedom < 1)
        return std::numeric_limits<double>::infinity();
    if (freedom <= 30)
        return kTable[freedom - 1];
    // The Cornish-Fisher expansion about the normal quantile, within 1e-4 beyond 30.
    const double z = 1.959963984540054;
    const double z3 = z * z * z;
    const double z5 = z3 * z * z;
    const double z7 = z5 * z * z;
    const double n = freedom;
    return z + (z3 + z) / (4.0 * n) + (5.0 * z5 + 16.0 * z3 + 3.0 * z) / (96.0 * n * n) +
           (3.0 * z7 + 19.0 * z5 + 17.0 * z3 - 15.0 * z) / (384.0 * n * n * n);
}

Convergence JudgeConvergence(const std::vector<StudyRow>& rows)
{
    Convergence result;
    result.localOrders.assign(rows.size(), kNaN);
    std::vector<LogPoint> points;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!Usable(rows[i]))
            continue;
        const LogPoint point{rows[i].value, std::log(static_cast<double>(rows[i].value)),
                             std::log(rows[i].interiorError)};
        if (i > 0 && Usable(rows[i - 1]) && !points.empty())
            result.localOrders[i] = LocalOrder(points.back(), point);
        points.push_back(point);
    }
    if (points.size() < 2)
        return result;

    size_t plateauStart = points.size();
    result.plateau = FindPlateau(points, plateauStart);
    // The last point clear of the plateau ends the range.
    size_t end = points.size() - 1;
    if (result.plateau.found) {
        const double clearance = std::log(kPlateauClearance * result.plateau.level);
        end = plateauStart;
        while (end > 0 && points[end].y < clearance)
            --end;
        if (points[end].y < clearance)
            return result;
    }
    if (end < 1)
        return result;
    // Too few steady rows: every row up to the end, whose interval then tells how clear the order is.
    size_t start = AsymptoticStart(points, end);
    if (end - start + 1 < static_cast<size_t>(kMinFitPoints))
        start = 0;
    result.order = FitOrder(points, start, end);
    return result;
}

std::string DescribeOrder(const OrderFit& fit)
{
    char text[256];
    if (fit.points < kMinFitPoints) {
        std::snprintf(text, sizeof text, "no clear order: fewer than %d rows to fit", kMinFitPoints);
        return text;
    }
    if (!fit.clear) {
        std::snprintf(text, sizeof text,
                      "no clear order: p = %.2f over %d to %d,\nbut its 95 %% interval %.2f to %.2f is wider than %.1f",
                      fit.order, fit.first, fit.last, fit.low, fit.high, kMaxOrderWidth);
        return text;
    }
    std::snprintf(text, sizeof text,
                  "internal error \u2248 C\u00b7n^-p, p = %.2f (95 %% interval %.2f to %.2f, R\u00b2 = %.4f)\n"
                  "fitted over %d to %d, C = %.3g",
                  fit.order, fit.low, fit.high, fit.r2, fit.first, fit.last, fit.constant);
    return text;
}

std::string DescribePlateau(const Plateau& plateau)
{
    if (!plateau.found)
        return "no plateau";
    char text[96];
    std::snprintf(text, sizeof text, "plateau at %.2e from %d", plateau.level, plateau.from);
    return text;
}

}  // namespace spln::study
