// The drawing half of the graph frame: grid, labels, captions, range line,
// exponent boxes and title, placed by the metrics of the label font.

#include "plot/CGraph.h"

#include "plot/GraphMath.h"

using namespace spln;

void CGraph::DrawFrame(CDC& dc, const std::string& title, const std::string& xCaption, const std::string& yCaption,
                       const std::vector<double>& x, const std::vector<double>& y)
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
    const int H2 = H / 2;
    const int H4 = H / 4;
    const int W2 = W / 2;
    const int W4 = W / 4;

    if (!m_strSubtitle.empty())
        m_nShiftY += H;
    ScaleX(x);
    ScaleY(y);
    const int L = m_nPlotLeft;
    const int R = m_nPlotRight;
    const int T = m_nPlotTop;
    const int B = m_nPlotBottom;

    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_TOP);

    // Label values are accumulated, so their last digits carry the sums'
    // rounding (the middle label of -1.2..1.2 reads "-0.0").
    double value = m_dStartX;
    for (unsigned k = 0; k <= m_nTicksX; ++k) {
        const int px = L + static_cast<int>(k) * m_nPixPerTickX;
        dc.MoveTo(px, T);
        dc.LineTo(px, B);
        dc.TextOut(px, B + H2, FormatNumber("%3.1f", value));
        value = value + m_dStepX;
    }
    value = m_dTopY;
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

    dc.SelectObject(&m_fontTitle);
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
