// The spread and histogram of a repeat's errors, a selection's choice and a study's best row.

#include "study/StudyFit.h"

#include <algorithm>
#include <cmath>

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

// The first row with the least value of `key`, among the rows whose key is finite.
std::optional<size_t> LeastRow(const std::vector<StudyRow>& rows, double StudyRow::*key)
{
    std::optional<size_t> least;
    for (size_t i = 0; i < rows.size(); ++i)
        if (std::isfinite(rows[i].*key) && (!least || rows[i].*key < rows[*least].*key))
            least = i;
    return least;
}

}  // namespace

ErrorSpreads SpreadsOf(const std::vector<StudyRow>& rows)
{
    return {SpreadOf(rows, &StudyRow::leftError), SpreadOf(rows, &StudyRow::interiorError),
            SpreadOf(rows, &StudyRow::rightError)};
}

Histogram HistogramOf(const std::vector<StudyRow>& rows, double StudyRow::*error)
{
    Histogram histogram;
    std::vector<double> logs;
    for (const StudyRow& row : rows) {
        if (row.*error > 0.0 && std::isfinite(row.*error))
            logs.push_back(std::log(row.*error));
        else
            ++histogram.zeros;
    }
    if (logs.empty())
        return histogram;
    const auto [lowest, highest] = std::minmax_element(logs.begin(), logs.end());
    double low = *lowest;
    double high = *highest;
    const double rice = std::ceil(2.0 * std::cbrt(static_cast<double>(logs.size())));
    int bins = std::clamp(static_cast<int>(rice), 1, kMaxHistogramBins);
    if (!(high > low)) {
        // Every error the same: one bin a little either side of it.
        bins = 1;
        low -= 0.05;
        high += 0.05;
    }
    const double width = (high - low) / bins;
    for (int i = 0; i <= bins; ++i)
        histogram.edges.push_back(std::exp(i == bins ? high : low + i * width));
    histogram.counts.assign(static_cast<size_t>(bins), 0);
    for (double value : logs) {
        const int bin = std::min(bins - 1, static_cast<int>((value - low) / width));
        ++histogram.counts[static_cast<size_t>(std::max(0, bin))];
    }
    return histogram;
}

std::optional<size_t> ChosenRow(const std::vector<StudyRow>& rows)
{
    return LeastRow(rows, &StudyRow::criterion);
}

std::optional<size_t> BestRow(const std::vector<StudyRow>& rows)
{
    return LeastRow(rows, &StudyRow::interiorError);
}

}  // namespace spln::study
