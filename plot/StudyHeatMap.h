#pragma once

// The heat map of a grid study drawn into a chart's plot area: one cell a
// pair of values, coloured by the log of its interior error, and the colour
// bar beside the plot area with its scale.

#include <QColor>
#include <QGraphicsItem>
#include <QRectF>

#include <vector>

#include "plot/StudyTicks.h"

class QAbstractSeries;
class QChart;

namespace spln {

// The colour of t in [0, 1] on a perceptually even scale from dark blue-violet to yellow.
QColor HeatColour(double t);

struct HeatCell {
    QRectF area;   // the cell in the chart's coordinates: x and y as the axes map them
    double shade;  // 0 for the least error, 1 for the largest
};

// The cells, painted under the chart's series and clipped to its plot area.
// `anchor` is a series on the chart's axes, through which cells are placed.
class HeatMapItem : public QGraphicsItem {
public:
    HeatMapItem(QChart* chart, QAbstractSeries* anchor, std::vector<HeatCell> cells);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // The plot area moved: draw again where it is now.
    void Follow();

private:
    QChart* m_chart;
    QAbstractSeries* m_anchor;
    std::vector<HeatCell> m_cells;
};

// The colour bar at the right of the plot area, with the error ticks on a log scale.
class ColourBarItem : public QGraphicsItem {
public:
    ColourBarItem(QChart* chart, AxisTicks ticks, QString title);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    void Follow();

    // The room the bar takes to the right of the plot area, in pixels.
    static constexpr int kWidth = 96;

private:
    QChart* m_chart;
    AxisTicks m_ticks;
    QString m_title;
};

}  // namespace spln
