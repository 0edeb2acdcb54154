// Builds the chart of a study and encodes it as a picture file.

#include "plot/StudyChart.h"

#include "platform/QtStrings.h"

#include "plot/StudyHeatMap.h"
#include "plot/StudyTicks.h"
#include "study/Convergence.h"
#include "study/StudyFit.h"
#include "study/StudyText.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace spln {

using namespace study;

namespace {

// How many ticks an axis aims at, at most.
constexpr int kTickTarget = 8;

// The three errors in the chart and the legend: colours and markers that
// stay apart when the errors of the two ends lie on top of each other.
struct ErrorStyle {
    const char* name;
    double StudyRow::*error;
    QColor colour;
    QScatterSeries::MarkerShape shape;
    double size;
    bool hollow;
};

const ErrorStyle kErrorStyles[] = {
    {kLeftErrorName, &StudyRow::leftError, QColor(0, 114, 178), QScatterSeries::MarkerShapeCircle, 11.0, true},
    {kInteriorErrorName, &StudyRow::interiorError, QColor(213, 94, 0), QScatterSeries::MarkerShapeTriangle, 10.0,
     false},
    {kRightErrorName, &StudyRow::rightError, QColor(0, 158, 115), QScatterSeries::MarkerShapeRectangle, 6.0, false},
};
const ErrorStyle& kInteriorStyle = kErrorStyles[1];

const QColor kFitColour(0, 0, 0);
const QColor kPlateauColour(204, 121, 167);
const QColor kRangeColour(0, 0, 0, 22);
const QColor kCriterionColour(86, 60, 140);
const QColor kChosenColour(230, 159, 0);

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// Three significant digits, as the tick labels write numbers ("4.86e-4").
QString Short(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", value);
    return Text(TickLabel(std::strtod(text, nullptr)));
}

// The ticks of an axis for a target count; the range does not depend on the target.
using TickMaker = std::function<AxisTicks(int target)>;

// Puts the ticks on a category axis, each label at its value's place.
void FillAxis(QCategoryAxis* axis, const AxisTicks& ticks, const std::function<double(double)>& map)
{
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
    const double low = map(ticks.low);
    const double high = map(ticks.high);
    axis->setRange(low, high);
    // A hair below the range, so that a tick on its low end keeps its label.
    const double start = low - 1e-9 * (high - low);
    axis->setStartValue(start);
    double previous = start;
    for (size_t i = 0; i < ticks.values.size(); ++i) {
        const double at = map(ticks.values[i]);
        if (at > previous && at <= high) {
            axis->append(Text(ticks.labels[i]), at);
            previous = at;
        }
    }
}

// Chooses the ticks of each axis again for the room the plot area gives it,
// so that a narrow chart shows fewer labels rather than cut ones.
class AxisTicker : public QObject {
public:
    explicit AxisTicker(QChart* chart) : QObject(chart)
    {
        connect(chart, &QChart::plotAreaChanged, this, [this](const QRectF& area) { Fit(area); });
    }

    void Add(QCategoryAxis* axis, TickMaker maker, std::function<double(double)> map, bool horizontal)
    {
        m_axes.push_back({axis, std::move(maker), std::move(map), horizontal, {}});
    }

private:
    struct Entry {
        QCategoryAxis* axis;
        TickMaker maker;
        std::function<double(double)> map;
        bool horizontal;
        std::vector<std::string> shown;
    };

    void Fit(const QRectF& area)
    {
        constexpr double kLabelGap = 14.0;
        for (Entry& entry : m_axes) {
            const QFontMetricsF metrics(entry.axis->labelsFont());
            const double room = entry.horizontal ? area.width() : area.height();
            AxisTicks ticks = entry.maker(kTickTarget);
            for (int target = kTickTarget - 1; target >= 2; --target) {
                double needed = 0.0;
                for (const std::string& label : ticks.labels)
                    needed +=
                        (entry.horizontal ? metrics.horizontalAdvance(Text(label)) : metrics.height()) + kLabelGap;
                if (needed <= room)
                    break;
                ticks = entry.maker(target);
            }
            if (ticks.labels != entry.shown) {
                entry.shown = ticks.labels;
                FillAxis(entry.axis, ticks, entry.map);
            }
        }
    }

    std::vector<Entry> m_axes;
};

// An axis of the chart: the values' ticks and their place in the chart's
// coordinates, the log of the value on a log axis.
class Axis {
public:
    explicit Axis(TickMaker maker) : m_maker(std::move(maker)), m_ticks(m_maker(kTickTarget)) {}

    double Map(double value) const { return m_ticks.log ? std::log10(value) : value; }
    double Low() const { return Map(m_ticks.low); }
    double High() const { return Map(m_ticks.high); }

    // A new axis with these ticks, added to the chart at the given side; the
    // ticker chooses its ticks again as the chart's size changes.
    QCategoryAxis* Place(QChart* chart, AxisTicker& ticker, const QString& title, Qt::Alignment side) const
    {
        auto* axis = new QCategoryAxis;
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        const bool log = m_ticks.log;
        const auto map = [log](double value) { return log ? std::log10(value) : value; };
        FillAxis(axis, m_ticks, map);
        axis->setTitleText(title);
        chart->addAxis(axis, side);
        ticker.Add(axis, m_maker, map, side == Qt::AlignBottom || side == Qt::AlignTop);
        return axis;
    }

private:
    TickMaker m_maker;
    AxisTicks m_ticks;
};

// The positive values among the rows' `key`s, least and largest.
struct Extent {
    double low = std::numeric_limits<double>::infinity();
    double high = 0.0;

    void Take(double value)
    {
        if (value > 0.0 && std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    bool Empty() const { return !(high > 0.0); }
};

TickMaker LogTicksOf(const Extent& extent)
{
    const double low = extent.Empty() ? 1e-16 : extent.low;
    const double high = extent.Empty() ? 1.0 : extent.high;
    return [low, high](int target) { return LogTicks(low, high, target); };
}

TickMaker ValueTicksOf(const std::vector<StudyRow>& rows, int StudyRow::*value)
{
    Extent extent;
    for (const StudyRow& row : rows)
        extent.Take(row.*value);
    if (extent.Empty())
        return [](int target) { return LinearTicks(0.0, 1.0, target); };
    return [extent](int target) { return ValueTicks(extent.low, extent.high, target); };
}

void Attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y)
{
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

void HideFromLegend(QChart* chart, QAbstractSeries* series)
{
    for (QLegendMarker* marker : chart->legend()->markers(series))
        marker->setVisible(false);
}

QScatterSeries* Markers(const ErrorStyle& style)
{
    auto* markers = new QScatterSeries;
    markers->setName(ToQString(style.name));
    markers->setMarkerShape(style.shape);
    markers->setMarkerSize(style.size);
    markers->setColor(style.hollow ? QColor(255, 255, 255, 0) : style.colour);
    markers->setBorderColor(style.colour);
    QPen pen(style.colour);
    pen.setWidthF(style.hollow ? 1.6 : 1.0);
    markers->setPen(pen);
    return markers;
}

QLineSeries* Line(const QColor& colour, double width, Qt::PenStyle dash = Qt::SolidLine)
{
    auto* line = new QLineSeries;
    QPen pen(colour);
    pen.setWidthF(width);
    pen.setStyle(dash);
    line->setPen(pen);
    return line;
}

// One error of every row as a thin line with its markers. A log axis cannot
// place 0, so rows whose error is exactly 0 are left out.
void AddErrorSeries(QChart* chart, const ErrorStyle& style, const std::vector<StudyRow>& rows, const Axis& x,
                    const Axis& y, QAbstractAxis* xAxis, QAbstractAxis* yAxis)
{
    QLineSeries* line = Line(style.colour, 1.0);
    QScatterSeries* markers = Markers(style);
    for (const StudyRow& row : rows) {
        if (row.*style.error > 0.0 && row.value > 0) {
            line->append(x.Map(row.value), y.Map(row.*style.error));
            markers->append(x.Map(row.value), y.Map(row.*style.error));
        }
    }
    Attach(chart, line, xAxis, yAxis);
    HideFromLegend(chart, line);
    Attach(chart, markers, xAxis, yAxis);
}

// A shaded band from x0 to x1 over the whole height of the axes.
QAreaSeries* Band(double x0, double x1, double y0, double y1, const QColor& colour)
{
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    upper->append(x0, y1);
    upper->append(x1, y1);
    lower->append(x0, y0);
    lower->append(x1, y0);
    auto* band = new QAreaSeries(upper, lower);
    // An area series does not own its lines: they go with it.
    upper->setParent(band);
    lower->setParent(band);
    band->setColor(colour);
    band->setBorderColor(Qt::transparent);
    return band;
}

void AddSweep(QChart* chart, AxisTicker& ticker, const StudyResult& result)
{
    const std::vector<StudyRow>& rows = result.rows;
    const Axis x(ValueTicksOf(rows, &StudyRow::value));
    Extent errors;
    for (const StudyRow& row : rows)
        for (const ErrorStyle& style : kErrorStyles)
            errors.Take(row.*style.error);
    const Axis y(LogTicksOf(errors));
    QCategoryAxis* xAxis = x.Place(chart, ticker, Text(SettingLabel(result.plan.sweep.setting)), Qt::AlignBottom);
    QCategoryAxis* yAxis = y.Place(chart, ticker, QStringLiteral("error"), Qt::AlignLeft);

    const Convergence convergence = JudgeConvergence(rows);
    const OrderFit& fit = convergence.order;
    if (fit.clear) {
        QAreaSeries* band = Band(x.Map(fit.first), x.Map(fit.last), y.Low(), y.High(), kRangeColour);
        band->setName(QStringLiteral("fitted range"));
        Attach(chart, band, xAxis, yAxis);
    }
    for (const ErrorStyle& style : kErrorStyles)
        AddErrorSeries(chart, style, rows, x, y, xAxis, yAxis);
    if (fit.clear) {
        // Straight on log-log axes; sampled, so that it bends as it should on a linear value axis.
        QLineSeries* line = Line(kFitColour, 2.0);
        line->setName(QStringLiteral("fit p = %1").arg(fit.order, 0, 'f', 2));
        constexpr int kSamples = 32;
        for (int i = 0; i <= kSamples; ++i) {
            const double value =
                fit.first * std::pow(static_cast<double>(fit.last) / fit.first, static_cast<double>(i) / kSamples);
            line->append(x.Map(value), y.Map(fit.constant * std::pow(value, -fit.order)));
        }
        Attach(chart, line, xAxis, yAxis);
    }
    if (convergence.plateau.found) {
        const Plateau& plateau = convergence.plateau;
        QLineSeries* level = Line(kPlateauColour, 2.0, Qt::DashDotLine);
        level->setName(QStringLiteral("plateau %1").arg(Short(plateau.level)));
        level->append(x.Map(plateau.from), y.Map(plateau.level));
        level->append(x.Map(rows.back().value), y.Map(plateau.level));
        Attach(chart, level, xAxis, yAxis);
    }
}

// The cell boundaries of sorted values on an axis: halfway between
// neighbours in the axis's coordinates, as far again beyond the ends.
std::vector<double> CellEdges(const std::vector<double>& mapped)
{
    std::vector<double> edges;
    if (mapped.empty())
        return edges;
    if (mapped.size() == 1)
        return {mapped[0] - 0.5, mapped[0] + 0.5};
    edges.push_back(mapped[0] - (mapped[1] - mapped[0]) / 2);
    for (size_t i = 1; i < mapped.size(); ++i)
        edges.push_back((mapped[i - 1] + mapped[i]) / 2);
    edges.push_back(mapped.back() + (mapped.back() - mapped[mapped.size() - 2]) / 2);
    return edges;
}

// An axis over cells: log when the values span enough, its range the cells'.
struct CellAxis {
    std::vector<int> values;  // distinct, increasing
    bool log = false;
    std::vector<double> edges;  // in the axis's coordinates
};

CellAxis MakeCellAxis(const std::vector<StudyRow>& rows, int StudyRow::*value)
{
    CellAxis axis;
    for (const StudyRow& row : rows)
        axis.values.push_back(row.*value);
    std::sort(axis.values.begin(), axis.values.end());
    axis.values.erase(std::unique(axis.values.begin(), axis.values.end()), axis.values.end());
    axis.log = !axis.values.empty() && LogAxisFits(axis.values.front(), axis.values.back());
    std::vector<double> mapped;
    for (int v : axis.values)
        mapped.push_back(axis.log ? std::log10(v) : v);
    axis.edges = CellEdges(mapped);
    return axis;
}

TickMaker TicksOver(const CellAxis& cells)
{
    if (cells.edges.empty())
        return [](int target) { return LinearTicks(0.0, 1.0, target); };
    const double low = cells.edges.front();
    const double high = cells.edges.back();
    if (cells.log)
        return [low, high](int target) { return LogTicks(std::pow(10.0, low), std::pow(10.0, high), target); };
    return [low, high](int target) { return LinearTicks(low, high, target); };
}

size_t Position(const CellAxis& axis, int value)
{
    return static_cast<size_t>(std::lower_bound(axis.values.begin(), axis.values.end(), value) - axis.values.begin());
}

void AddGrid(QChart* chart, AxisTicker& ticker, const StudyResult& result)
{
    const std::vector<StudyRow>& rows = result.rows;
    const CellAxis columns = MakeCellAxis(rows, &StudyRow::value);
    const CellAxis lines = MakeCellAxis(rows, &StudyRow::across);
    const Axis x(TicksOver(columns));
    const Axis y(TicksOver(lines));
    QCategoryAxis* xAxis = x.Place(chart, ticker, Text(SettingLabel(result.plan.sweep.setting)), Qt::AlignBottom);
    QCategoryAxis* yAxis = y.Place(chart, ticker, Text(SettingLabel(result.plan.across.setting)), Qt::AlignLeft);
    xAxis->setGridLineVisible(false);
    yAxis->setGridLineVisible(false);

    Extent errors;
    for (const StudyRow& row : rows)
        errors.Take(row.interiorError);
    const AxisTicks scale = LogTicksOf(errors)(kTickTarget);
    const double low = std::log10(scale.low);
    const double high = std::log10(scale.high);

    // The best cell is marked on top; it also places the cells on the axes.
    auto* best = new QScatterSeries;
    best->setMarkerShape(QScatterSeries::MarkerShapeStar);
    best->setMarkerSize(18.0);
    best->setColor(Qt::white);
    best->setBorderColor(Qt::black);
    if (const std::optional<size_t> at = BestRow(rows)) {
        const StudyRow& row = rows[*at];
        best->append(x.Map(row.value), y.Map(row.across));
        best->setName(QStringLiteral("least %1 %2").arg(ToQString(kInteriorErrorName), Short(row.interiorError)));
    }
    Attach(chart, best, xAxis, yAxis);

    std::vector<HeatCell> cells;
    for (const StudyRow& row : rows) {
        if (!(row.interiorError > 0.0))
            continue;
        const size_t i = Position(columns, row.value);
        const size_t j = Position(lines, row.across);
        const QRectF area(QPointF(columns.edges[i], lines.edges[j + 1]), QPointF(columns.edges[i + 1], lines.edges[j]));
        cells.push_back({area, (std::log10(row.interiorError) - low) / (high - low)});
    }
    auto* map = new HeatMapItem(chart, best, std::move(cells));
    auto* bar = new ColourBarItem(chart, scale, QString::fromLatin1(kInteriorErrorName));
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [map, bar] {
        map->Follow();
        bar->Follow();
    });
    QMargins margins = chart->margins();
    margins.setRight(margins.right() + ColourBarItem::kWidth);
    chart->setMargins(margins);
}

void AddSelection(QChart* chart, AxisTicker& ticker, const StudyResult& result)
{
    const std::vector<StudyRow>& rows = result.rows;
    const bool errors = HasErrors(result);
    const Axis x(ValueTicksOf(rows, &StudyRow::value));
    Extent criteria;
    Extent interior;
    for (const StudyRow& row : rows) {
        criteria.Take(row.criterion);
        interior.Take(row.interiorError);
    }
    const Axis y(LogTicksOf(criteria));
    QCategoryAxis* xAxis = x.Place(chart, ticker, Text(SettingLabel(result.plan.sweep.setting)), Qt::AlignBottom);
    QCategoryAxis* yAxis = y.Place(chart, ticker, QStringLiteral("generalized cross-validation"), Qt::AlignLeft);

    QLineSeries* line = Line(kCriterionColour, 1.5);
    auto* markers = new QScatterSeries;
    markers->setName(QStringLiteral("generalized cross-validation"));
    markers->setMarkerSize(7.0);
    markers->setColor(kCriterionColour);
    markers->setBorderColor(kCriterionColour);
    for (const StudyRow& row : rows) {
        if (row.criterion > 0.0 && std::isfinite(row.criterion)) {
            line->append(x.Map(row.value), y.Map(row.criterion));
            markers->append(x.Map(row.value), y.Map(row.criterion));
        }
    }
    Attach(chart, line, xAxis, yAxis);
    HideFromLegend(chart, line);
    Attach(chart, markers, xAxis, yAxis);

    if (const std::optional<size_t> chosen = ChosenRow(rows)) {
        const StudyRow& row = rows[*chosen];
        QLineSeries* mark = Line(kChosenColour, 1.5, Qt::DashLine);
        mark->append(x.Map(row.value), y.Low());
        mark->append(x.Map(row.value), y.High());
        Attach(chart, mark, xAxis, yAxis);
        HideFromLegend(chart, mark);
        auto* star = new QScatterSeries;
        star->setName(QStringLiteral("chosen %1").arg(row.value));
        star->setMarkerShape(QScatterSeries::MarkerShapeStar);
        star->setMarkerSize(18.0);
        star->setColor(kChosenColour);
        star->setBorderColor(Qt::black);
        star->append(x.Map(row.value), y.Map(row.criterion));
        Attach(chart, star, xAxis, yAxis);
    }
    if (!errors)
        return;

    // The true error beside the criterion, on an axis of its own at the right.
    const Axis e(LogTicksOf(interior));
    QCategoryAxis* eAxis = e.Place(chart, ticker, QString::fromLatin1(kInteriorErrorName), Qt::AlignRight);
    eAxis->setGridLineVisible(false);  // the criterion's grid serves both
    AddErrorSeries(chart, kInteriorStyle, rows, x, e, xAxis, eAxis);
    if (const std::optional<size_t> best = BestRow(rows)) {
        auto* ring = new QScatterSeries;
        ring->setName(QStringLiteral("least %1 at %2").arg(ToQString(kInteriorErrorName)).arg(rows[*best].value));
        ring->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
        ring->setMarkerSize(18.0);
        ring->setColor(QColor(255, 255, 255, 0));
        ring->setBorderColor(kInteriorStyle.colour);
        QPen pen(kInteriorStyle.colour);
        pen.setWidthF(2.0);
        ring->setPen(pen);
        ring->append(x.Map(rows[*best].value), e.Map(rows[*best].interiorError));
        Attach(chart, ring, xAxis, eAxis);
    }
}

// The step outline of a histogram over its bins, down to 0 at both ends.
QLineSeries* Outline(const Histogram& histogram, const Axis& x, const QColor& colour)
{
    QLineSeries* outline = Line(colour, 1.5);
    if (histogram.counts.empty())
        return outline;
    outline->append(x.Map(histogram.edges.front()), 0.0);
    for (size_t i = 0; i < histogram.counts.size(); ++i) {
        outline->append(x.Map(histogram.edges[i]), histogram.counts[i]);
        outline->append(x.Map(histogram.edges[i + 1]), histogram.counts[i]);
    }
    outline->append(x.Map(histogram.edges.back()), 0.0);
    return outline;
}

void AddRepeat(QChart* chart, AxisTicker& ticker, const StudyResult& result)
{
    const std::vector<StudyRow>& rows = result.rows;
    Extent errors;
    std::vector<Histogram> histograms;
    int tallest = 1;
    for (const ErrorStyle& style : kErrorStyles) {
        histograms.push_back(HistogramOf(rows, style.error));
        for (double edge : histograms.back().edges)
            errors.Take(edge);
        for (int count : histograms.back().counts)
            tallest = std::max(tallest, count);
    }
    const Axis x(LogTicksOf(errors));
    // The spreads sit in a band above the tallest bar.
    const double top = tallest * 1.3;
    const Axis y([top](int target) {
        AxisTicks counts = LinearTicks(0.0, top, std::min(target, 6));
        counts.low = 0.0;
        return counts;
    });
    QCategoryAxis* xAxis = x.Place(chart, ticker, QStringLiteral("error"), Qt::AlignBottom);
    QCategoryAxis* yAxis = y.Place(chart, ticker, QStringLiteral("number of runs"), Qt::AlignLeft);

    const ErrorSpreads spreads = SpreadsOf(rows);
    const Spread* spreadOf[] = {&spreads.left, &spreads.interior, &spreads.right};
    for (size_t k = 0; k < std::size(kErrorStyles); ++k) {
        const ErrorStyle& style = kErrorStyles[k];
        const Spread& spread = *spreadOf[k];
        QColor fill = style.colour;
        fill.setAlpha(60);
        QLineSeries* outline = Outline(histograms[k], x, style.colour);
        auto* area = new QAreaSeries(outline);
        outline->setParent(area);  // an area series does not own its line
        area->setColor(fill);
        area->setBorderColor(style.colour);
        area->setName(QString::fromLatin1(style.name));
        Attach(chart, area, xAxis, yAxis);
        if (!(spread.mean > 0.0))
            continue;
        // The mean as a dashed line up through the bars; mean +- deviation as a bar above them.
        QLineSeries* mean = Line(style.colour, 1.5, Qt::DashLine);
        const double height = tallest * (1.07 + 0.07 * static_cast<double>(k));
        mean->append(x.Map(spread.mean), 0.0);
        mean->append(x.Map(spread.mean), height);
        Attach(chart, mean, xAxis, yAxis);
        HideFromLegend(chart, mean);
        QLineSeries* range = Line(style.colour, 3.0);
        const double lowest = std::pow(10.0, x.Low());
        range->append(x.Map(std::max(spread.mean - spread.deviation, lowest)), height);
        range->append(x.Map(spread.mean + spread.deviation), height);
        Attach(chart, range, xAxis, yAxis);
        HideFromLegend(chart, range);
        QScatterSeries* marker = Markers(style);
        marker->append(x.Map(spread.mean), height);
        Attach(chart, marker, xAxis, yAxis);
        HideFromLegend(chart, marker);
    }
}

// The study's name in bold, on two lines when it is long, and below it in a
// few short lines what the rows say.
QString Headline(const StudyResult& result)
{
    // A chart elides its whole title when one line is too wide: the name
    // goes on lines of a few words, the count of runs on a line of its own.
    const QString name = Text(StudyTitle(result));
    const qsizetype comma = name.lastIndexOf(QStringLiteral(", "));
    QStringList titleLines;
    constexpr qsizetype kTitleLine = 40;
    for (const QString& word : name.left(comma).split(QLatin1Char(' '))) {
        if (titleLines.isEmpty() || titleLines.back().size() + 1 + word.size() > kTitleLine)
            titleLines << word;
        else
            titleLines.back() += QLatin1Char(' ') + word;
    }
    if (name.size() > kTitleLine)
        titleLines << name.mid(comma + 2);
    else
        titleLines.back() += name.mid(comma);
    for (QString& line : titleLines)
        line = line.toHtmlEscaped();
    const QString title = titleLines.join(QStringLiteral("<br>"));
    QStringList lines;
    const std::vector<StudyRow>& rows = result.rows;
    switch (result.plan.kind) {
    case StudyKind::Sweep: {
        const Convergence convergence = JudgeConvergence(rows);
        const OrderFit& fit = convergence.order;
        if (fit.clear) {
            lines << QStringLiteral("p = %1 (95 % interval %2 to %3), R\u00b2 = %4")
                         .arg(fit.order, 0, 'f', 2)
                         .arg(fit.low, 0, 'f', 2)
                         .arg(fit.high, 0, 'f', 2)
                         .arg(fit.r2, 0, 'f', 4);
            lines
                << QStringLiteral("fitted over %1 to %2, C = %3").arg(fit.first).arg(fit.last).arg(Short(fit.constant));
        } else {
            lines << QStringLiteral("no clear order");
        }
        if (convergence.plateau.found)
            lines << QStringLiteral("plateau at %1 from %2")
                         .arg(Short(convergence.plateau.level))
                         .arg(convergence.plateau.from);
        break;
    }
    case StudyKind::Grid:
        if (const std::optional<size_t> best = BestRow(rows))
            lines << QStringLiteral("least %1 %2 at %3, %4")
                         .arg(ToQString(kInteriorErrorName), Short(rows[*best].interiorError))
                         .arg(rows[*best].value)
                         .arg(rows[*best].across);
        break;
    case StudyKind::Select:
        if (const std::optional<size_t> chosen = ChosenRow(rows)) {
            lines << (HasErrors(result) ? QStringLiteral("chosen %1, %2 %3")
                                              .arg(rows[*chosen].value)
                                              .arg(ToQString(kInteriorErrorName), Short(rows[*chosen].interiorError))
                                        : QStringLiteral("chosen %1, %2 degrees of freedom")
                                              .arg(rows[*chosen].value)
                                              .arg(rows[*chosen].freedom, 0, 'f', 1));
            if (HasErrors(result)) {
                const StudyRow& best = rows[*BestRow(rows)];
                lines << QStringLiteral("least %1 %2 at %3")
                             .arg(ToQString(kInteriorErrorName), Short(best.interiorError))
                             .arg(best.value);
            }
        }
        break;
    case StudyKind::Repeat: {
        const ErrorSpreads spreads = SpreadsOf(rows);
        const Spread* spreadOf[] = {&spreads.left, &spreads.interior, &spreads.right};
        for (size_t k = 0; k < std::size(kErrorStyles); ++k)
            lines << QStringLiteral("%1: mean %2, deviation %3")
                         .arg(ToQString(kErrorStyles[k].name), Short(spreadOf[k]->mean), Short(spreadOf[k]->deviation));
        break;
    }
    }
    for (QString& line : lines)
        line = line.toHtmlEscaped();
    return QStringLiteral("<b>%1</b><br>%2").arg(title, lines.join(QStringLiteral("<br>")));
}

// The legend goes below the plot when its entries fit in one row there, else beside it.
void PlaceLegend(QChart* chart)
{
    constexpr qreal kMarkerRoom = 40.0;  // the marker and the gaps around an entry
    const QFontMetricsF metrics(chart->legend()->font());
    qreal width = kMarkerRoom;
    for (QLegendMarker* marker : chart->legend()->markers())
        if (marker->isVisible())
            width += metrics.horizontalAdvance(marker->label()) + kMarkerRoom;
    const Qt::Alignment wanted = width <= chart->size().width() ? Qt::AlignBottom : Qt::AlignRight;
    if (chart->legend()->alignment() != wanted)
        chart->legend()->setAlignment(wanted);
}

void Render(QPainter& painter, const StudyResult& result, int width, int height)
{
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    QGraphicsScene scene;
    QChart* chart = BuildStudyChart(result);
    scene.addItem(chart);  // the scene owns and deletes it
    chart->setGeometry(QRectF(0, 0, width, height));
    scene.setSceneRect(0, 0, width, height);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(0, 0, width, height), QRectF(0, 0, width, height));
}

}  // namespace

QChart* BuildStudyChart(const StudyResult& result)
{
    auto* chart = new QChart;
    auto* ticker = new AxisTicker(chart);
    chart->setTitle(Headline(result));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    switch (result.plan.kind) {
    case StudyKind::Sweep:
        AddSweep(chart, *ticker, result);
        break;
    case StudyKind::Grid:
        AddGrid(chart, *ticker, result);
        break;
    case StudyKind::Select:
        AddSelection(chart, *ticker, result);
        break;
    case StudyKind::Repeat:
        AddRepeat(chart, *ticker, result);
        break;
    }
    QObject::connect(chart, &QGraphicsWidget::geometryChanged, chart, [chart] { PlaceLegend(chart); });
    return chart;
}

QImage RenderStudyImage(const StudyResult& result, int width, int height)
{
    if (!UsablePictureSize(width, height, nullptr))
        return QImage();
    return PaintPictureImage(width, height, [&](QPainter& painter) { Render(painter, result, width, height); });
}

bool EncodeStudyPicture(const StudyResult& result, PictureFormat format, int width, int height, QByteArray* bytes,
                        std::string* reason)
{
    return EncodePicture(
        format, width, height, Text(StudyTitle(result)),
        [&](QPainter& painter) { Render(painter, result, width, height); }, bytes, reason);
}

bool ExportStudyPicture(const StudyResult& result, PictureFormat format, const std::string& path, int width, int height,
                        std::string* error)
{
    return WritePictureFile(
        path,
        [&](QByteArray* bytes, std::string* reason) {
            return EncodeStudyPicture(result, format, width, height, bytes, reason);
        },
        error);
}

}  // namespace spln
