#pragma once

// The plot of a study over Qt Charts: for a sweep the three errors against
// the swept value on log-log axes with the fitted range, the fit and the
// plateau; for a grid a heat map of the interior error with the best cell
// marked; for a selection the criterion and the interior error against the
// value with the chosen value marked; for a repeat a histogram of each error
// with its mean and spread; and the same chart written to a PNG, SVG or PDF
// file, or painted into an image, without a display.

#include <QByteArray>
#include <QImage>

#include <string>

#include "platform/WidgetApplication.h"
#include "plot/PictureEncoder.h"
#include "study/StudyRunner.h"

class QChart;

namespace spln {

// A new chart of the study; the caller owns it (a chart view takes it over).
QChart* BuildStudyChart(const study::StudyResult& result);

// The chart painted at width x height pixels; a null image when the size is
// not usable or memory runs out. Needs a QApplication.
QImage RenderStudyImage(const spln::study::StudyResult& result, int width, int height);

// Encodes the chart at width x height pixels (96 dpi) as a PNG image, an SVG
// drawing or a one-page PDF; false with the reason in *reason when it cannot.
// Charts need a QApplication: without a display, EnsureWidgetApplication
// makes one first.
bool EncodeStudyPicture(const study::StudyResult& result, PictureFormat format, int width, int height,
                        QByteArray* bytes, std::string* reason);

// Encodes the chart and writes it through a temporary file renamed into
// place; false with a message naming the file in *error when it cannot.
bool ExportStudyPicture(const study::StudyResult& result, PictureFormat format, const std::string& path, int width,
                        int height, std::string* error);

}  // namespace spln
