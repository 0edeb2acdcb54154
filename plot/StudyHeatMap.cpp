// Paints the cells of a grid study and the colour bar of its scale.

#include "plot/StudyHeatMap.h"

#include <QAbstractSeries>
#include <QChart>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace spln {

namespace {

// Anchor colours of the scale at equal steps of t.
const QColor kScale[] = {QColor(68, 1, 84),    QColor(72, 40, 120),  QColor(62, 73, 137),
                         QColor(49, 104, 142), QColor(38, 130, 142), QColor(31, 158, 137),
                         QColor(53, 183, 121), QColor(109, 205, 89), QColor(253, 231, 37)};

constexpr double kBarGap = 14.0;  // between the plot area and the bar
constexpr double kBarWidth = 14.0;

int Mix(int a, int b, double t)
{
    return static_cast<int>(std::lround(a + (b - a) * t));
}

}  // namespace

QColor HeatColour(double t)
{
    const double clamped = std::isfinite(t) ? std::clamp(t, 0.0, 1.0) : 0.0;
    const double position = clamped * static_cast<double>(std::size(kScale) - 1);
    const size_t below = std::min(static_cast<size_t>(position), std::size(kScale) - 2);
    const double f = position - static_cast<double>(below);
    const QColor& a = kScale[below];
    const QColor& b = kScale[below + 1];
    return QColor(Mix(a.red(), b.red(), f), Mix(a.green(), b.green(), f), Mix(a.blue(), b.blue(), f));
}

HeatMapItem::HeatMapItem(QChart* chart, QAbstractSeries* anchor, std::vector<HeatCell> cells)
    : QGraphicsItem(chart), m_chart(chart), m_anchor(anchor), m_cells(std::move(cells))
{
    // Above the plot area's background and the axes, below the series.
    setZValue(3.5);
}

QRectF HeatMapItem::boundingRect() const
{
    return m_chart->plotArea();
}

void HeatMapItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->setClipRect(m_chart->plotArea());
    painter->setPen(Qt::NoPen);
    for (const HeatCell& cell : m_cells) {
        const QPointF a = m_chart->mapToPosition(cell.area.topLeft(), m_anchor);
        const QPointF b = m_chart->mapToPosition(cell.area.bottomRight(), m_anchor);
        // A hair wider, so that no seam shows between neighbouring cells.
        const QRectF rect = QRectF(a, b).normalized().adjusted(-0.5, -0.5, 0.5, 0.5);
        painter->fillRect(rect, HeatColour(cell.shade));
    }
    painter->restore();
}

void HeatMapItem::Follow()
{
    prepareGeometryChange();
    update();
}

ColourBarItem::ColourBarItem(QChart* chart, AxisTicks ticks, QString title)
    : QGraphicsItem(chart), m_chart(chart), m_ticks(std::move(ticks)), m_title(std::move(title))
{
    setZValue(3.5);
}

QRectF ColourBarItem::boundingRect() const
{
    const QRectF plot = m_chart->plotArea();
    return QRectF(plot.right(), plot.top() - 10, kWidth, plot.height() + 20);
}

void ColourBarItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF plot = m_chart->plotArea();
    const QRectF bar(plot.right() + kBarGap, plot.top(), kBarWidth, plot.height());
    const double low = std::log10(m_ticks.low);
    const double high = std::log10(m_ticks.high);
    // The bar runs from the least error at the bottom to the largest at the top.
    QLinearGradient gradient(bar.bottomLeft(), bar.topLeft());
    for (int i = 0; i <= 16; ++i)
        gradient.setColorAt(i / 16.0, HeatColour(i / 16.0));
    painter->save();
    painter->setPen(QPen(Qt::black, 0.8));
    painter->setBrush(gradient);
    painter->drawRect(bar);
    QFont font = painter->font();
    font.setPointSizeF(8.0);
    painter->setFont(font);
    const QFontMetricsF metrics(font);
    for (size_t i = 0; i < m_ticks.values.size(); ++i) {
        const double t = (std::log10(m_ticks.values[i]) - low) / (high - low);
        const double y = bar.bottom() - t * bar.height();
        painter->drawLine(QPointF(bar.right(), y), QPointF(bar.right() + 4, y));
        const QString label = QString::fromStdString(m_ticks.labels[i]);
        painter->drawText(QPointF(bar.right() + 6, y + metrics.ascent() / 2 - 1), label);
    }
    // The title reads upwards along the bar's outer side.
    painter->translate(bar.right() + kWidth - kBarGap - 4, bar.center().y());
    painter->rotate(-90);
    painter->drawText(QRectF(-bar.height() / 2, -metrics.height(), bar.height(), metrics.height()), Qt::AlignCenter,
                      m_title);
    painter->restore();
}

void ColourBarItem::Follow()
{
    prepareGeometryChange();
    update();
}

}  // namespace spln
