#pragma once

// The picture of the engine's last run written to a PNG, SVG or PDF file,
// without a display.

#include <string>

class CSplineEngine;
struct CSplnSettings;

enum class PictureFormat { Png, Svg, Pdf };

// Makes sure a QGuiApplication exists, which fonts and painting need. When
// none exists, one is made on Qt's "offscreen" platform, so no display is
// needed. The application lives until exit.
void EnsureGuiApplication(int& argc, char** argv);

// Renders the picture of the engine's last run for these settings, as the
// view shows it in a window of width x height pixels at 96 dpi. The engine is
// not run. Returns false, with a message naming the file in *error (when
// error is not null), when the size is not usable or the file cannot be
// written. Creates the QGuiApplication itself if there is none.
bool ExportResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format,
                         const std::string& path, int width, int height, std::string* error);
