// The study chart of each kind of study: what it marks, how it fits a narrow
// size, and that the same study always draws the same picture.

#include "plot/StudyChart.h"
#include "plot/StudyHeatMap.h"
#include "study/StudyFit.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace spln;
using namespace spln::study;

namespace {

StudyResult Result(StudyKind kind, std::vector<StudyRow> rows)
{
    StudyResult result;
    result.plan.kind = kind;
    result.plan.sweep = {spln::kSettingFileLength, 100, 10000, Spacing::Log, 1, 20};
    result.plan.across = {spln::kSettingWindow, 1, 8, Spacing::Step, 1, 0};
    result.planned = static_cast<int>(rows.size());
    result.rows = std::move(rows);
    return result;
}

// A sweep that converges at the second order onto a floor of 1e-4.
StudyResult FloorSweep()
{
    std::vector<StudyRow> rows;
    for (int value : SweepValues({spln::kSettingFileLength, 100, 10000, Spacing::Log, 1, 20})) {
        const double e = 100.0 / (static_cast<double>(value) * value) + 1e-4;
        rows.push_back({value, e / 10, e, e / 10, 0});
    }
    return Result(StudyKind::Sweep, rows);
}

// The chart laid out in a scene at the given size.
struct LaidOut {
    QGraphicsScene scene;
    QChart* chart;

    LaidOut(const StudyResult& result, double width, double height) : chart(BuildStudyChart(result))
    {
        scene.addItem(chart);
        chart->setGeometry(QRectF(0, 0, width, height));
        QCoreApplication::processEvents();
    }

    QAbstractSeries* Named(const QString& prefix) const
    {
        for (QAbstractSeries* series : chart->series())
            if (series->name().startsWith(prefix))
                return series;
        return nullptr;
    }
};

}  // namespace

TEST(StudyChart, SweepShowsTheFitAndThePlateauAndFitsANarrowSize)
{
    const LaidOut wide(FloorSweep(), 900, 600);
    EXPECT_NE(wide.Named("fitted range"), nullptr);
    EXPECT_NE(wide.Named("fit p = "), nullptr);
    EXPECT_NE(wide.Named("plateau 1.0"), nullptr);
    EXPECT_EQ(wide.chart->legend()->alignment(), Qt::AlignBottom);

    // Narrow: the legend moves beside the plot, and the value axis keeps
    // only as many labels as fit side by side.
    const LaidOut narrow(FloorSweep(), 380, 600);
    EXPECT_EQ(narrow.chart->legend()->alignment(), Qt::AlignRight);
    auto* axis = static_cast<QCategoryAxis*>(narrow.chart->axes(Qt::Horizontal).front());
    const QFontMetricsF metrics(axis->labelsFont());
    double needed = 0;
    for (const QString& label : axis->categoriesLabels())
        needed += metrics.horizontalAdvance(label);
    EXPECT_GE(axis->count(), 2);
    EXPECT_LT(needed, narrow.chart->plotArea().width());
}

TEST(StudyChart, GridSelectionAndRepeatMarkWhatTheyFind)
{
    std::vector<StudyRow> cells;
    for (int value : {100, 200, 400})
        for (int window = 1; window <= 8; ++window)
            cells.push_back({value, 0, 1.0 / value + 1e-3 * window, 0, 0, window});
    const LaidOut grid(Result(StudyKind::Grid, cells), 700, 500);
    const auto* best = static_cast<QScatterSeries*>(grid.Named("least internal error"));
    ASSERT_NE(best, nullptr);
    ASSERT_EQ(best->count(), 1);
    EXPECT_DOUBLE_EQ(best->at(0).x(), std::log10(400.0));
    EXPECT_EQ(best->at(0).y(), 0.0);  // windows 1 to 8 span enough for a log axis
    int heatMaps = 0;
    for (QGraphicsItem* item : grid.chart->childItems())
        heatMaps += dynamic_cast<HeatMapItem*>(item) != nullptr;
    EXPECT_EQ(heatMaps, 1);

    std::vector<StudyRow> scored;
    for (int value : {15, 30, 60, 120})
        scored.push_back({value, 0, 0.1, 0, 0, 0, std::fabs(value - 60.0) + 1, 10});
    const LaidOut selection(Result(StudyKind::Select, scored), 700, 500);
    EXPECT_NE(selection.Named("chosen 60"), nullptr);

    std::vector<StudyRow> runs;
    for (int run = 1; run <= 64; ++run)
        runs.push_back({run, 1e-3 * (1 + run % 7), 1e-2 * (1 + run % 5), 2e-3, 0});
    const LaidOut repeat(Result(StudyKind::Repeat, runs), 700, 500);
    const auto* interior = static_cast<QAreaSeries*>(repeat.Named("internal error"));
    ASSERT_NE(interior, nullptr);
    // The outline's bar heights add up to the runs.
    double total = 0;
    const QList<QPointF> outline = interior->upperSeries()->points();
    for (qsizetype i = 1; i + 1 < outline.size(); i += 2)
        total += outline[i].y();
    EXPECT_EQ(total, 64.0);
}

TEST(StudyChart, TheSameStudyDrawsTheSamePicture)
{
    const QImage first = RenderStudyImage(FloorSweep(), 640, 480);
    const QImage second = RenderStudyImage(FloorSweep(), 640, 480);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first, second);
    StudyResult other = FloorSweep();
    other.rows.back().interiorError *= 3;
    EXPECT_NE(RenderStudyImage(other, 640, 480), first);
    EXPECT_TRUE(RenderStudyImage(FloorSweep(), 0, 480).isNull());
}
