// The graph frame of a panel under the plot: the plot's x grid over a y axis
// of round ticks.

#include "plot/CGraph.h"

#include "plot/GraphMath.h"
#include "plot/StudyTicks.h"

#include <algorithm>

using namespace spln;

namespace {

// About this many y ticks fit a panel of a third of the picture.
constexpr int kPanelTicks = 5;

}  // namespace

void CGraph::DrawPanelFrame(CDC& dc, int top, int height, const std::string& yCaption, const std::vector<double>& x,
                            double low, double high, const XRange& zoom)
{
    const TEXTMETRIC tm = SelectLabelFont(dc);
    const int H = tm.tmHeight;
    const int W = tm.tmMaxCharWidth;

    const AxisTicks ticks = LinearTicks(low, high, kPanelTicks);
    const int T = top + H;
    const int B = std::max(T + 1, top + height - 2 * H - H / 2);
    const COLORREF oldColour = dc.SetTextColor(RGB(0, 0, 0));
    if (!zoom.Whole()) {
        DrawRangeFrame(dc, T, B, zoom.low, zoom.high, ticks.low, ticks.high);
        dc.SetTextAlign(TA_LEFT | TA_TOP);
        dc.TextOut(m_nPlotLeft, T - H, yCaption);
        dc.SetTextColor(oldColour);
        return;
    }
    ScaleX(x);
    m_dMinY = low;
    m_dMaxY = high;
    m_dRangeY = m_dMaxY - m_dMinY;

    // One interval the whole height: the panel's y mapping is continuous, its
    // grid lines sit at the tick values.
    m_nPlotTop = T;
    m_nPlotBottom = B;
    m_nTicksY = 1;
    m_nPixPerTickY = m_nPlotBottom - m_nPlotTop;
    m_nExpY = 0;
    m_dTopY = ticks.high;
    m_dStepY = ticks.high - ticks.low;

    const int L = m_nPlotLeft;
    const int R = m_nPlotRight;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    DrawXGrid(dc, T, B, H / 2);
    // The frame's top and bottom, then a line at each tick.
    for (const int py : {T, B}) {
        dc.MoveTo(L, py);
        dc.LineTo(R, py);
    }
    dc.SetTextAlign(TA_RIGHT | TA_TOP);
    for (std::size_t k = 0; k < ticks.values.size(); ++k) {
        const int py = OffsetCoordinate(T, TruncateToInt((ticks.high - ticks.values[k]) * m_nPixPerTickY / m_dStepY));
        dc.MoveTo(L, py);
        dc.LineTo(R, py);
        dc.TextOut(L - W / 2, py - H / 2, ticks.labels[k]);
    }
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.TextOut(L, T - H, yCaption);
    dc.SetTextColor(oldColour);
}

void CGraph::DrawRangeFrame(CDC& dc, int top, int bottom, double xLow, double xHigh, double yLow, double yHigh)
{
    const TEXTMETRIC tm = SelectLabelFont(dc);
    const int H = tm.tmHeight;
    const int W = tm.tmMaxCharWidth;
    const int width = m_rcArea.right - m_rcArea.left;

    // Both axes continuous: one interval from end to end.
    m_nPlotLeft = TruncateToInt(width * 0.1);
    m_nPlotRight = std::max(m_nPlotLeft + 1, TruncateToInt(width * 0.9));
    m_nPlotTop = top;
    m_nPlotBottom = std::max(top + 1, bottom);
    m_nTicksX = 1;
    m_nTicksY = 1;
    m_nExpX = 0;
    m_nExpY = 0;
    m_nPixPerTickX = m_nPlotRight - m_nPlotLeft;
    m_nPixPerTickY = m_nPlotBottom - m_nPlotTop;
    m_dMinX = xLow;
    m_dMaxX = xHigh;
    m_dRangeX = xHigh - xLow;
    m_dStartX = xLow;
    m_dStepX = xHigh - xLow;
    m_dMinY = yLow;
    m_dMaxY = yHigh;
    m_dRangeY = yHigh - yLow;
    m_dTopY = yHigh;
    m_dStepY = yHigh - yLow;

    const int L = m_nPlotLeft;
    const int R = m_nPlotRight;
    const int T = m_nPlotTop;
    const int B = m_nPlotBottom;
    // A label of up to eight characters of about half the widest one, with
    // two more between labels; rows of labels at least two heights apart.
    const int xTarget = std::clamp((R - L) / std::max(1, 6 * W), 2, 12);
    const int yTarget = std::clamp((B - T) / std::max(1, 2 * H), 2, 12);
    const std::vector<double> xs = RoundTickValues(xLow, xHigh, xTarget);
    const std::vector<double> ys = RoundTickValues(yLow, yHigh, yTarget);
    const double xStep = xs.size() > 1 ? xs[1] - xs[0] : m_dStepX;
    const double yStep = ys.size() > 1 ? ys[1] - ys[0] : m_dStepY;

    dc.SetBkMode(TRANSPARENT);
    for (const int px : {L, R}) {
        dc.MoveTo(px, T);
        dc.LineTo(px, B);
    }
    for (const int py : {T, B}) {
        dc.MoveTo(L, py);
        dc.LineTo(R, py);
    }
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    for (const double value : xs) {
        const int px = OffsetCoordinate(L, TruncateToInt((value - xLow) * m_nPixPerTickX / m_dStepX));
        dc.MoveTo(px, T);
        dc.LineTo(px, B);
        dc.TextOut(px, B + H / 2, RoundTickLabel(value, xStep));
    }
    dc.SetTextAlign(TA_RIGHT | TA_TOP);
    for (const double value : ys) {
        const int py = OffsetCoordinate(T, TruncateToInt((yHigh - value) * m_nPixPerTickY / m_dStepY));
        dc.MoveTo(L, py);
        dc.LineTo(R, py);
        dc.TextOut(L - W / 2, py - H / 2, RoundTickLabel(value, yStep));
    }
}

PlotLayout CGraph::Layout() const
{
    const double scaleX = PowerOfTen(m_nExpX);
    const double scaleY = PowerOfTen(m_nExpY);
    PlotLayout layout;
    layout.valid = true;
    layout.left = m_nPlotLeft;
    layout.right = OffsetCoordinate(m_nPlotLeft, static_cast<long long>(m_nPixPerTickX) * m_nTicksX);
    layout.top = m_nPlotTop;
    layout.bottom = OffsetCoordinate(m_nPlotTop, static_cast<long long>(m_nPixPerTickY) * m_nTicksY);
    layout.xLeft = m_dStartX * scaleX;
    layout.xRight = layout.xLeft + m_nTicksX * m_dStepX * scaleX;
    layout.yTop = m_dTopY * scaleY;
    layout.yBottom = layout.yTop - m_nTicksY * m_dStepY * scaleY;
    return layout;
}
