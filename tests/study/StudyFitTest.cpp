// The spread and histogram of a repeat, and the rows a selection and a grid pick out.

#include "study/StudyFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>

using namespace spln;
using namespace spln::study;

TEST(StudyFit, SpreadOfEachError)
{
    const std::vector<StudyRow> rows = {{1, 1.0, 10.0, 5.0, 0}, {2, 2.0, 20.0, 5.0, 0}, {3, 3.0, 60.0, 5.0, 0}};
    const ErrorSpreads spreads = SpreadsOf(rows);
    EXPECT_DOUBLE_EQ(spreads.left.mean, 2.0);
    EXPECT_DOUBLE_EQ(spreads.left.deviation, 1.0);
    EXPECT_DOUBLE_EQ(spreads.interior.min, 10.0);
    EXPECT_DOUBLE_EQ(spreads.interior.max, 60.0);
    EXPECT_DOUBLE_EQ(spreads.right.deviation, 0.0);
}

TEST(StudyFit, HistogramCountsEveryPositiveErrorOnce)
{
    std::vector<StudyRow> rows;
    for (int run = 1; run <= 1000; ++run)
        rows.push_back({run, 0, 1e-4 * std::pow(1.01, run % 200), 0, 0});
    rows[5].interiorError = 0.0;
    const Histogram histogram = HistogramOf(rows, &StudyRow::interiorError);
    ASSERT_EQ(histogram.counts.size(), 20u);  // 2 * 1000^(1/3)
    ASSERT_EQ(histogram.edges.size(), 21u);
    EXPECT_EQ(histogram.zeros, 1);
    EXPECT_EQ(std::accumulate(histogram.counts.begin(), histogram.counts.end(), 0), 999);
    EXPECT_NEAR(histogram.edges.front(), 1e-4, 1e-15);
    EXPECT_NEAR(histogram.edges.back(), 1e-4 * std::pow(1.01, 199), 1e-16);
    // Equal widths on the log scale.
    EXPECT_NEAR(histogram.edges[1] / histogram.edges[0], histogram.edges[20] / histogram.edges[19], 1e-12);

    // The same error every run: one bin around it.
    const Histogram same = HistogramOf({{1, 2e-3, 0, 0, 0}, {2, 2e-3, 0, 0, 0}}, &StudyRow::leftError);
    ASSERT_EQ(same.counts, std::vector<int>{2});
    EXPECT_LT(same.edges[0], 2e-3);
    EXPECT_GT(same.edges[1], 2e-3);
}

TEST(StudyFit, ChosenAndBestRowsPassOverWhatCannotBeCompared)
{
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<StudyRow> rows(4);
    const double criteria[] = {inf, 3.0, 2.0, 2.0};
    const double errors[] = {0.5, 0.1, std::nan(""), 0.2};
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].criterion = criteria[i];
        rows[i].interiorError = errors[i];
    }
    EXPECT_EQ(ChosenRow(rows), 2u);  // the first of equals
    EXPECT_EQ(BestRow(rows), 1u);
    EXPECT_FALSE(ChosenRow({}).has_value());
}
