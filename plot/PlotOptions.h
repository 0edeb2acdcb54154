#pragma once

// How the picture of a run is looked at: the error panel under the plot, the
// legend and subtitle, the further curves drawn over the run's, and the part
// of [-1, 1] shown. These change only the look of a picture, never the run
// behind it; the defaults draw the plain picture.

#include "platform/CDC.h"

#include <string>
#include <vector>

namespace spln {

enum class ErrorPanelMode {
    Off,     // the plot alone
    Signed,  // approximation minus exact function (or minus data for the sample file)
    Log,     // log10 of the magnitude of that difference
};

// One line of the legend: a short stroke in the pen, then the label.
struct LegendEntry {
    std::string label;
    CPen* pen = nullptr;
};

// A further curve over the run's output points, such as a kept earlier
// approximation: drawn after the run's approximation in its pen, named in the
// legend, and its error drawn in the panel. values holds one value an output
// point; a shorter curve is drawn as far as it goes.
struct ExtraCurve {
    LegendEntry entry;
    std::vector<double> values;
};

// The part of the x axis shown, in data units; an empty one (low >= high)
// shows the whole run.
struct XRange {
    double low = 0.0;
    double high = 0.0;
    bool Whole() const { return !(low < high); }
};

// Where a drawing put the plot's grid, in the surface's logical units, and
// the values at its edges: what a window needs to turn the mouse into values.
struct PlotLayout {
    bool valid = false;
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    double xLeft = 0.0;  // the x value at the grid's left edge
    double xRight = 0.0;
    double yTop = 0.0;  // the y value at the grid's top edge
    double yBottom = 0.0;
};

// The smallest part of the axis a zoom shows: a few hundredths of the
// spacing of the output points, where labels still differ.
inline constexpr double kMinZoomWidth = 1e-4;
// The widest: twice the whole interval.
inline constexpr double kMaxZoomWidth = 4.0;

// The range scaled by factor (below 1 zooms in) around centre, which keeps
// its place; held between kMinZoomWidth and kMaxZoomWidth wide and with its
// middle inside [-1, 1].
XRange ZoomedAround(const XRange& range, double centre, double factor);
// The range moved by shift, its middle held inside [-1, 1].
XRange Panned(const XRange& range, double shift);

// The pixel ratios a picture may ask for.
inline constexpr double kMinPixelRatio = 0.5;
inline constexpr double kMaxPixelRatio = 4.0;

struct PlotOptions {
    ErrorPanelMode errorPanel = ErrorPanelMode::Off;
    bool legend = false;  // the legend in the plot and the subtitle under the title
    std::vector<ExtraCurve> extraCurves;
    XRange zoom;              // the part of the x axis both the plot and the panel show
    double pixelRatio = 1.0;  // image pixels for each pixel of the picture (PNG and images only)
    // Curves in coordinates not rounded to whole hundredths of an inch, for
    // vector files that are zoomed into; off, they keep the window's rounding.
    bool preciseCurves = false;
    // The chosen data file the title names ("Data: name"); empty: "Data" alone.
    std::string titleDataFile;
};

// "signed" and "log", as the command line names the modes; false for any
// other text.
inline bool ParseErrorPanelMode(const std::string& text, ErrorPanelMode& mode)
{
    if (text == "signed")
        mode = ErrorPanelMode::Signed;
    else if (text == "log")
        mode = ErrorPanelMode::Log;
    else
        return false;
    return true;
}

}  // namespace spln
