#pragma once

// The graph frame: lays out one plot inside a rectangle of a drawing surface.
// DrawFrame scales both axes from a pair of point arrays and draws the grid,
// the labels, the captions, the range line, the two exponent boxes and the
// title; further curves are mapped in the same scaling and drawn as
// polylines. A frame serves one drawing pass.

#include "engine/CSplineEngine.h"
#include "platform/CDC.h"
#include "plot/PlotOptions.h"

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
    // With a zoom that is not the whole run, x runs over the zoom instead,
    // laid out as DrawRangeFrame lays it out.
    void DrawPanelFrame(CDC& dc, int top, int height, const std::string& yCaption, const std::vector<double>& x,
                        double low, double high, const spln::XRange& zoom = {});
    // The grid of a plot over given ranges, as a zoomed picture shows it:
    // x from xLow at the grid's left (10 % of the area's width) to xHigh at
    // its right (90 %), y from yHigh at top to yLow at bottom, with lines at
    // round values labelled in as many digits as tell them apart. As many
    // ticks as the labels leave room for at this size. Curves are then
    // mapped with MapPoints. Leaves the label font selected.
    void DrawRangeFrame(CDC& dc, int top, int bottom, double xLow, double xHigh, double yLow, double yHigh);
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
    // With m_bPrecise the curves go to the surface as one polyline each in
    // coordinates that are not rounded to whole logical units; the mapping
    // keeps them here. Off: whole units, one line a segment.
    bool m_bPrecise = false;
    std::unique_ptr<double[]> m_pExactX;
    std::unique_ptr<double[]> m_pExactY;
    int m_nExpX = 0;
    int m_nExpY = 0;
    // Added to the plot's top and bottom by the y scaling: a plot that shares
    // the picture with a panel keeps the top margin of the whole picture.
    int m_nShiftY = 0;
    // A line in the label font under the title; DrawFrame moves the plot
    // down one label height to make room for it. Empty: none.
    std::string m_strSubtitle;
    // The title and the subtitle stacked by the fonts' heights over the
    // labels above the grid, the grid's top moved down where they would not
    // fit (pictures with a subtitle or an error panel). Off: the title keeps
    // its place from the label font's widest character.
    bool m_bStackedTitle = false;
    CRect m_rcArea;
    CFont m_fontLabel;
    CFont m_fontTitle;
    CFont m_fontExp;
    unsigned m_nCount = 0;

    // The grid's place and the values at its edges, as the last frame laid them out.
    spln::PlotLayout Layout() const;

    // The title over the grid in the title font, centred, and the subtitle
    // under it; H and W are the label font's height and widest character.
    // Leaves the title font selected.
    void DrawTitleLines(CDC& dc, const std::string& title, int H, int W);

    // The least top of the grid that leaves room above it for the stacked
    // title lines and the labels over the grid; H is the label font's height.
    // Leaves the label font selected.
    int StackedGridTop(CDC& dc, int H);

private:
    // Moves the grid's top down to top where it lies higher, its bottom kept.
    void LowerGridTop(int top);

    // Selects the label font, remembering the surface's own font on the
    // first selection, and returns its metrics.
    TEXTMETRIC SelectLabelFont(CDC& dc);
    // The vertical grid lines of the scaled x axis from top to bottom, each
    // labelled labelGap under the bottom, in the surface's current alignment.
    void DrawXGrid(CDC& dc, int top, int bottom, int labelGap);
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
