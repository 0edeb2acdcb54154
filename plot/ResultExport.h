#pragma once

// The picture of the engine's last run written to a PNG, SVG or PDF file,
// without a display.

#include <string>

#include "platform/GuiApplication.h"

class CSplineEngine;
struct CSplnSettings;

enum class PictureFormat { Png, Svg, Pdf };

// The largest side of a picture, in pixels, for every way of asking for one.
inline constexpr int kMaxPictureSide = 10000;

// Renders the picture of the engine's last run for these settings, as the
// view shows it in a window of width x height pixels at 96 dpi. The engine is
// not run. Returns false, with a message naming the file in *error (when
// error is not null), when the size is not usable or the file cannot be
// written. Starts the offscreen application (EnsureGuiApplication) if there
// is none.
bool ExportResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format,
                         const std::string& path, int width, int height, std::string* error);
