#pragma once

// The picture of the engine's last run written to a PNG, SVG or PDF file,
// without a display.

#include <QByteArray>
#include <QImage>

#include <string>

#include "platform/GuiApplication.h"
#include "plot/PictureEncoder.h"
#include "plot/PictureSize.h"
#include "plot/PlotOptions.h"

class CSplineEngine;
struct CSplnSettings;

namespace spln {

// Encodes the picture of the engine's last run for these settings, as the
// view shows it in a window of width x height pixels at 96 dpi, into bytes
// (a PNG image, an SVG drawing of that size, a one-page PDF of that size at
// 96 dpi). The engine is not run. Returns false, with the reason in *reason
// (when reason is not null), when the size is not usable or encoding fails.
// The options choose the looks (the error panel); the defaults give the plain
// picture.
bool EncodeResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format, int width,
                         int height, QByteArray* bytes, std::string* reason, const PlotOptions& options = {});

// The same picture as an image at 96 dpi; a null image when the size is not
// usable.
QImage RenderResultImage(const CSplnSettings& settings, CSplineEngine& engine, int width, int height,
                         const PlotOptions& options = {});

// Renders the picture of the engine's last run for these settings, as the
// view shows it in a window of width x height pixels at 96 dpi. The engine is
// not run. Returns false, with a message naming the file in *error (when
// error is not null), when the size is not usable or the file cannot be
// written. The file is written through a temporary file, so a failure leaves
// an earlier one as it was. Starts the offscreen application
// (EnsureGuiApplication) if there is none.
bool ExportResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format,
                         const std::string& path, int width, int height, std::string* error,
                         const PlotOptions& options = {});

}  // namespace spln
