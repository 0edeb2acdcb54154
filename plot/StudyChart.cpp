// Builds the chart of a study and encodes it as a picture file.

#include "plot/StudyChart.h"

#include "study/StudyFit.h"
#include "study/StudyText.h"

#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace spln {

using study::StudyResult;
using study::StudyRow;

namespace {

struct ErrorSeries {
    const char* name;
    double StudyRow::*error;
    QColor colour;
};

// The same colours in the chart, the legend and the table's headers.
const ErrorSeries kErrorSeries[] = {
    {"left end", &StudyRow::leftError, QColor(0, 114, 178)},
    {"interior", &StudyRow::interiorError, QColor(213, 94, 0)},
    {"right end", &StudyRow::rightError, QColor(0, 158, 115)},
};

// A log axis cannot show 0: the decades around the positive values.
void FitLogAxis(QLogValueAxis* axis, double low, double high)
{
    if (!(low > 0.0) || !(high >= low)) {
        axis->setRange(1e-16, 1.0);
        return;
    }
    const double base = axis->base();
    const double lowPower = std::floor(std::log(low) / std::log(base));
    double highPower = std::ceil(std::log(high) / std::log(base));
    if (highPower <= lowPower)
        highPower = lowPower + 1;
    // A hair beyond the powers, so that rounding cannot drop the end labels.
    constexpr double kEdge = 1.0001;
    axis->setRange(std::pow(base, lowPower) / kEdge, std::pow(base, highPower) * kEdge);
}

QLogValueAxis* ErrorAxis(const StudyResult& result)
{
    double low = std::numeric_limits<double>::infinity();
    double high = 0.0;
    for (const StudyRow& row : result.rows) {
        for (const ErrorSeries& series : kErrorSeries) {
            const double error = row.*series.error;
            if (error > 0.0) {
                low = std::min(low, error);
                high = std::max(high, error);
            }
        }
    }
    auto* axis = new QLogValueAxis;
    axis->setBase(10.0);
    axis->setLabelFormat(QStringLiteral("%.0e"));
    axis->setTitleText(QStringLiteral("error"));
    axis->setMinorTickCount(-1);
    FitLogAxis(axis, low, high);
    return axis;
}

// One error of every row as a series on the chart, in that error's colour. A
// log axis cannot place 0, so rows whose error is exactly 0 are left out.
void AddErrorSeries(QChart* chart, QXYSeries* series, const ErrorSeries& error, const StudyResult& result,
                    QAbstractAxis* valueAxis, QLogValueAxis* errorAxis)
{
    series->setName(QString::fromUtf8(error.name));
    series->setColor(error.colour);
    for (const StudyRow& row : result.rows)
        if (row.*error.error > 0.0)
            series->append(row.value, row.*error.error);
    chart->addSeries(series);
    series->attachAxis(valueAxis);
    series->attachAxis(errorAxis);
}

void AddSweep(QChart* chart, const StudyResult& result, QLogValueAxis* errorAxis)
{
    const int first = result.rows.empty() ? 1 : result.rows.front().value;
    const int last = result.rows.empty() ? 10 : result.rows.back().value;
    auto* valueAxis = new QLogValueAxis;
    // Powers of two label a narrow sweep better than the one or two powers of ten in it.
    valueAxis->setBase(last <= 64 * first ? 2.0 : 10.0);
    valueAxis->setLabelFormat(QStringLiteral("%g"));
    valueAxis->setMinorTickCount(-1);
    valueAxis->setTitleText(QString::fromStdString(study::ValueColumnName(result)));
    FitLogAxis(valueAxis, first, last);
    chart->addAxis(valueAxis, Qt::AlignBottom);
    chart->addAxis(errorAxis, Qt::AlignLeft);

    for (const ErrorSeries& error : kErrorSeries) {
        auto* series = new QLineSeries;
        series->setPointsVisible(true);
        AddErrorSeries(chart, series, error, result, valueAxis, errorAxis);
    }

    const study::OrderFit fit = study::FitOrder(result.rows);
    if (fit.clear) {
        auto* line = new QLineSeries;
        line->setName(QStringLiteral("C\u00b7n^-p"));
        QPen pen(kErrorSeries[1].colour);
        pen.setStyle(Qt::DashLine);
        line->setPen(pen);
        for (int value : {first, last})
            line->append(value, fit.constant * std::pow(static_cast<double>(value), -fit.order));
        chart->addSeries(line);
        line->attachAxis(valueAxis);
        line->attachAxis(errorAxis);
    }
}

void AddRepeat(QChart* chart, const StudyResult& result, QLogValueAxis* errorAxis)
{
    auto* runAxis = new QValueAxis;
    runAxis->setTitleText(QStringLiteral("run"));
    runAxis->setLabelFormat(QStringLiteral("%d"));
    runAxis->setRange(0, std::max(1, static_cast<int>(result.rows.size())) + 1);
    chart->addAxis(runAxis, Qt::AlignBottom);
    chart->addAxis(errorAxis, Qt::AlignLeft);
    for (const ErrorSeries& error : kErrorSeries) {
        auto* series = new QScatterSeries;
        series->setBorderColor(error.colour);
        series->setMarkerSize(result.rows.size() > 200 ? 4.0 : 7.0);
        AddErrorSeries(chart, series, error, result, runAxis, errorAxis);
    }
}

// The title's second line: the order of a sweep, the interior spread of a repeat.
QString Headline(const StudyResult& result)
{
    QString text = QString::fromStdString(study::StudyTitle(result)) + QStringLiteral("<br>");
    if (result.plan.kind == study::StudyKind::Sweep)
        return text + QString::fromStdString(study::DescribeOrder(study::FitOrder(result.rows)));
    const study::Spread spread = study::SpreadsOf(result.rows).interior;
    return text + QStringLiteral("interior error: mean %1, deviation %2")
                      .arg(spread.mean, 0, 'g', 3)
                      .arg(spread.deviation, 0, 'g', 3);
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
    chart->setTitle(Headline(result));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QLogValueAxis* errorAxis = ErrorAxis(result);
    if (result.plan.kind == study::StudyKind::Sweep)
        AddSweep(chart, result, errorAxis);
    else
        AddRepeat(chart, result, errorAxis);
    return chart;
}

bool EncodeStudyPicture(const StudyResult& result, PictureFormat format, int width, int height, QByteArray* bytes,
                        std::string* reason)
{
    return EncodePicture(
        format, width, height, QString::fromStdString(study::StudyTitle(result)),
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
