// The drawing half of the graph frame: grid, labels, captions, range line,
// exponent boxes and title, placed by the metrics of the label font.

#include "plot/CGraph.h"

#include "plot/GraphMath.h"

#include <algorithm>

using namespace spln;

void CGraph::DrawXGrid(CDC& dc, int top, int bottom, int labelGap)
{
    // Label values are accumulated, so their last digits carry the sums'
    // rounding (the middle label of -1.2..1.2 reads "-0.0").
    double value = m_dStartX;
    for (unsigned k = 0; k <= m_nTicksX; ++k) {
        const int px = m_nPlotLeft + static_cast<int>(k) * m_nPixPerTickX;
        dc.MoveTo(px, top);
        dc.LineTo(px, bottom);
        dc.TextOut(px, bottom + labelGap, FormatNumber("%3.1f", value));
        value = value + m_dStepX;
    }
}

TEXTMETRIC CGraph::SelectLabelFont(CDC& dc)
{
    CFont* replaced = dc.SelectObject(&m_fontLabel);
    if (m_pFontDC == nullptr) {
        m_pFontDC = &dc;
        m_pOldFont = replaced;
    }
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    return tm;
}

void CGraph::DrawFrame(CDC& dc, const std::string& title, const std::string& xCaption, const std::string& yCaption,
                       const std::vector<double>& x, const std::vector<double>& y)
{
    const TEXTMETRIC tm = SelectLabelFont(dc);
    const int H = tm.tmHeight;
    const int W = tm.tmMaxCharWidth;
    const int H2 = H / 2;
    const int H4 = H / 4;
    const int W2 = W / 2;
    const int W4 = W / 4;

    if (!m_strSubtitle.empty())
        m_nShiftY += H;
    if (m_bStackedTitle)
        LowerGridTop(StackedGridTop(dc, H));
    ScaleX(x);
    ScaleY(y);
    const int L = m_nPlotLeft;
    const int R = m_nPlotRight;
    const int T = m_nPlotTop;
    const int B = m_nPlotBottom;

    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_TOP);

    DrawXGrid(dc, T, B, H2);
    double value = m_dTopY;
    for (unsigned k = 0; k <= m_nTicksY; ++k) {
        const int py = T + static_cast<int>(k) * m_nPixPerTickY;
        dc.MoveTo(L, py);
        dc.LineTo(R, py);
        dc.TextOut(L - 2 * W, py - H2, FormatNumber("%5.1f", value));
        value = value - m_dStepY;
    }

    dc.TextOut((L + R) / 2, T - 2 * H + H2, FormatRange(m_dMinY, m_dMaxY));
    dc.TextOut(L + W2, T - 2 * H - H2, yCaption);
    dc.TextOut(R + 2 * W + W2, B + H2, xCaption);

    dc.SetTextColor(RGB(0, 0, 255));
    dc.SelectObject(&m_fontExp);
    dc.RoundRect(L - 2 * W - 2 * W2, T - 3 * H, L - 2 * W + W2 + W, T - H, H2, H2);
    dc.TextOut(L - 2 * W, T - 2 * H - H4, "10");
    dc.RoundRect(R + 2 * W - 2 * W2, B - 2 * H, R + 2 * W + W4 + H, B, H2, H2);
    dc.TextOut(R + 2 * W, B + H2 - 2 * H + H4, "10");
    dc.TextOut(L - 2 * W + W4 + W2, T - 3 * H, FormatInt(m_nExpY));
    dc.TextOut(R + 2 * W + W4 + W2, B - 2 * H, FormatInt(m_nExpX));

    DrawTitleLines(dc, title, H, W);
}

void CGraph::DrawTitleLines(CDC& dc, const std::string& title, int H, int W)
{
    const int L = m_nPlotLeft;
    const int R = m_nPlotRight;
    const int T = m_nPlotTop;
    dc.SelectObject(&m_fontTitle);
    if (m_bStackedTitle) {
        TEXTMETRIC titleMetrics;
        dc.GetTextMetrics(&titleMetrics);
        const int subtitleHeight = m_strSubtitle.empty() ? 0 : H;
        const int titleTop = T - 3 * H - H / 4 - subtitleHeight - titleMetrics.tmHeight;
        dc.TextOut((L + R) / 2, titleTop, title);
        if (subtitleHeight > 0) {
            dc.SelectObject(&m_fontLabel);
            const COLORREF titleColour = dc.SetTextColor(RGB(0, 0, 0));
            dc.TextOut((L + R) / 2, titleTop + titleMetrics.tmHeight, m_strSubtitle);
            dc.SetTextColor(titleColour);
            dc.SelectObject(&m_fontTitle);
        }
        return;
    }
    if (m_strSubtitle.empty()) {
        dc.TextOut((L + R) / 2, T - 2 * H - 2 * W, title);
        return;
    }
    // The title keeps its place on the picture; the subtitle fills the room
    // the plot made by moving down.
    TEXTMETRIC titleMetrics;
    dc.GetTextMetrics(&titleMetrics);
    dc.TextOut((L + R) / 2, T - 3 * H - 2 * W, title);
    dc.SelectObject(&m_fontLabel);
    const COLORREF titleColour = dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut((L + R) / 2, T - 3 * H - 2 * W + titleMetrics.tmHeight, m_strSubtitle);
    dc.SetTextColor(titleColour);
    dc.SelectObject(&m_fontTitle);
}

int CGraph::StackedGridTop(CDC& dc, int H)
{
    dc.SelectObject(&m_fontTitle);
    TEXTMETRIC titleMetrics;
    dc.GetTextMetrics(&titleMetrics);
    dc.SelectObject(&m_fontLabel);
    // A quarter label height over the title and under the subtitle; the
    // exponent box, the y caption and the range line take three heights.
    const int subtitleHeight = m_strSubtitle.empty() ? 0 : H;
    return H / 4 + titleMetrics.tmHeight + subtitleHeight + H / 4 + 3 * H;
}

void CGraph::LowerGridTop(int top)
{
    // The grid spans 80 % of the extent from 10 % on, shifted; a shorter
    // extent shifted further brings its top down to top and keeps its bottom.
    const int extent = m_rcArea.bottom - m_rcArea.top;
    if (TruncateToInt(extent * 0.1) + m_nShiftY >= top)
        return;
    const int bottom = TruncateToInt(extent * 0.9) + m_nShiftY;
    const int shorter = std::max(TruncateToInt((bottom - top) / 0.8), 1);
    m_rcArea.bottom = m_rcArea.top + shorter;
    m_nShiftY = top - TruncateToInt(shorter * 0.1);
}
