#pragma once

// How the picture of a run is looked at: the error panel under the plot and
// its scale. These change only the look of a picture, never the run behind
// it; the defaults draw the plain picture.

#include <string>

namespace spln {

enum class ErrorPanelMode {
    Off,     // the plot alone
    Signed,  // approximation minus exact function (or minus data for the sample file)
    Log,     // log10 of the magnitude of that difference
};

struct PlotOptions {
    ErrorPanelMode errorPanel = ErrorPanelMode::Off;
};

// "signed" and "log", as the command line and the view menu name the modes;
// ParseErrorPanelMode returns false for any other text.
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
