// The legend box and the subtitle line of a picture.

#include "plot/Legend.h"

#include "model/SplnSettings.h"
#include "plot/StudyTicks.h"

#include <algorithm>
#include <array>

namespace spln {

std::string SubtitleFor(const CSplnSettings& settings)
{
    std::string text = settings.m_nMethod == 1
                           ? "Least squares, basis " + std::to_string(settings.m_nLsqType) + ", " +
                                 std::to_string(settings.m_nLsqCount) + " functions"
                           : "Projection, kernel " + std::to_string(settings.m_nSchwarzType) + ", " +
                                 std::to_string(settings.m_nSchwarzCount) + " splines";
    text += ", window " + std::to_string(settings.m_nWindow);
    if (settings.m_nSource != 0)
        return text + ", sample file";
    text += ", " + std::to_string(settings.m_nFileLength) + " samples";
    if (settings.m_dAmplitude > 0.0)
        text += ", noise " + TickLabel(settings.m_dAmplitude);
    return text;
}

int DrawLegend(CDC& dc, int right, int top, const std::vector<LegendEntry>& entries, CPen* framePen)
{
    if (entries.empty())
        return top;
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    const int H = tm.tmHeight;
    const int stroke = 2 * tm.tmMaxCharWidth;
    const int gap = std::max(1, H / 3);
    int labels = 0;
    for (const LegendEntry& entry : entries)
        labels = std::max(labels, dc.GetTextWidth(entry.label));
    const int left = right - (gap + stroke + gap + labels + gap);
    const int bottom = top + gap + static_cast<int>(entries.size()) * H + gap;

    dc.FillSolidRect(left, top, right, bottom, RGB(255, 255, 255));
    CPen* oldPen = dc.SelectObject(framePen);
    for (const auto& [x0, y0, x1, y1] : {std::array{left, top, right, top}, std::array{right, top, right, bottom},
                                         std::array{right, bottom, left, bottom}, std::array{left, bottom, left, top}}) {
        dc.MoveTo(x0, y0);
        dc.LineTo(x1, y1);
    }
    const COLORREF oldColour = dc.SetTextColor(RGB(0, 0, 0));
    const unsigned oldAlign = dc.SetTextAlign(TA_LEFT | TA_TOP);
    int y = top + gap;
    for (const LegendEntry& entry : entries) {
        dc.SelectObject(entry.pen);
        dc.MoveTo(left + gap, y + H / 2);
        dc.LineTo(left + gap + stroke, y + H / 2);
        dc.TextOut(left + gap + stroke + gap, y, entry.label);
        y += H;
    }
    dc.SetTextAlign(oldAlign);
    dc.SetTextColor(oldColour);
    dc.SelectObject(oldPen);
    return bottom;
}

}  // namespace spln
