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

struct PlotOptions {
    ErrorPanelMode errorPanel = ErrorPanelMode::Off;
    bool legend = false;  // the legend in the plot and the subtitle under the title
    std::vector<ExtraCurve> extraCurves;
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
