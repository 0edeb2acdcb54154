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
                            double low, double high)
{
    CFont* replaced = dc.SelectObject(&m_fontLabel);
    if (m_pFontDC == nullptr) {
        m_pFontDC = &dc;
        m_pOldFont = replaced;
    }
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    const int H = tm.tmHeight;
    const int W = tm.tmMaxCharWidth;

    ScaleX(x);
    m_dMinY = low;
    m_dMaxY = high;
    m_dRangeY = m_dMaxY - m_dMinY;
    const AxisTicks ticks = LinearTicks(m_dMinY, m_dMaxY, kPanelTicks);

    // One interval the whole height: the panel's y mapping is continuous, its
    // grid lines sit at the tick values.
    m_nPlotTop = top + H;
    m_nPlotBottom = std::max(m_nPlotTop + 1, top + height - 2 * H - H / 2);
    m_nTicksY = 1;
    m_nPixPerTickY = m_nPlotBottom - m_nPlotTop;
    m_nExpY = 0;
    m_dTopY = ticks.high;
    m_dStepY = ticks.high - ticks.low;

    const int L = m_nPlotLeft;
    const int R = m_nPlotRight;
    const int T = m_nPlotTop;
    const int B = m_nPlotBottom;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    const COLORREF oldColour = dc.SetTextColor(RGB(0, 0, 0));
    double value = m_dStartX;
    for (unsigned k = 0; k <= m_nTicksX; ++k) {
        const int px = L + static_cast<int>(k) * m_nPixPerTickX;
        dc.MoveTo(px, T);
        dc.LineTo(px, B);
        dc.TextOut(px, B + H / 2, FormatNumber("%3.1f", value));
        value = value + m_dStepX;
    }
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
