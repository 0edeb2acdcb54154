#pragma once

// The graph frame: lays out one plot inside a rectangle of a drawing surface.
// DrawFrame scales both axes from a pair of point arrays and draws the grid,
// the labels, the captions, the range line, the two exponent boxes and the
// title; further curves are mapped in the same scaling and drawn as
// polylines. A frame serves one drawing pass.

#include "engine/CSplineEngine.h"
#include "platform/CDC.h"

#include <memory>
#include <string>
#include <vector>

class CGraph {
public:
    // At most this many points are scanned, mapped and drawn per curve.
    static constexpr unsigned kMaxPoints = spln::kOutputPoints;

    // The area's left and top are not added to the plot's coordinates: the
    // plot is placed relative to the surface origin.
    CGraph(CRect area, unsigned count);
    virtual ~CGraph();
    CGraph(const CGraph&) = delete;
    CGraph& operator=(const CGraph&) = delete;

    void DrawFrame(CDC& dc, const std::string& title, const std::string& xCaption, const std::string& yCaption,
                   const std::vector<double>& x, const std::vector<double>& y);
    // The frame of a panel under the plot, for values such as an error that
    // need not be near 1: x laid out as DrawFrame lays it out for an area of
    // the same width, so that the panel's grid lines up with the plot's; y
    // from round ticks of the range low..high, labelled in plain numbers.
    // The panel's grid spans from top + one label height to 2.5 label
    // heights above top + height. Curves are then mapped with MapPoints.
    // Leaves the label font selected.
    void DrawPanelFrame(CDC& dc, int top, int height, const std::string& yCaption, const std::vector<double>& x,
                        double low, double high);
    void ScaleX(const std::vector<double>& x);
    void ScaleY(const std::vector<double>& y);
    void ChooseStep(double range, int& exponent, double& mantissa);
    void MapPoints(const std::vector<double>& x, const std::vector<double>& y);
    void DrawCurve(CDC& dc);

    // Puts back the font that DrawFrame's first selection replaced. The
    // destructor does it too; a caller that draws more text after the frame
    // (in the title font DrawFrame leaves selected) calls it when done.
    void RestoreFont();

    double m_dMinX = 0.0;
    double m_dMaxX = 0.0;
    double m_dMinY = 0.0;
    double m_dMaxY = 0.0;
    double m_dRangeX = 0.0;
    double m_dRangeY = 0.0;
    double m_dStepX = 0.0;
    double m_dStartX = 0.0;  // in label units: data value / 10^m_nExpX
    double m_dStepY = 0.0;
    double m_dTopY = 0.0;  // in label units: data value / 10^m_nExpY
    unsigned m_nTicksX = 0;
    int m_nPixPerTickX = 0;
    int m_nPlotLeft = 0;
    int m_nPlotRight = 0;
    unsigned m_nTicksY = 0;
    int m_nPixPerTickY = 0;
    int m_nPlotTop = 0;
    int m_nPlotBottom = 0;
    std::unique_ptr<int[]> m_pPixX;
    std::unique_ptr<int[]> m_pPixY;
    int m_nExpX = 0;
    int m_nExpY = 0;
    // Added to the plot's top and bottom by the y scaling: a plot that shares
    // the picture with a panel keeps the top margin of the whole picture.
    int m_nShiftY = 0;
    // A line in the label font under the title; DrawFrame moves the plot
    // down one label height to make room for it. Empty: none.
    std::string m_strSubtitle;
    CRect m_rcArea;
    CFont m_fontLabel;
    CFont m_fontTitle;
    CFont m_fontExp;
    unsigned m_nCount = 0;

private:
    void MapX(const std::vector<double>& x, double start, double step);
    void MapY(const std::vector<double>& y, double top, double step);

    // Coordinates written by the last scaling or mapping of each axis; fewer
    // than m_nCount only when an array was shorter.
    unsigned m_nMappedX = 0;
    unsigned m_nMappedY = 0;

    // The surface and font that DrawFrame's first font selection replaced.
    CDC* m_pFontDC = nullptr;
    CFont* m_pOldFont = nullptr;
};
