// A drawing surface that records every call, for tests.

#include "platform/RecordingDC.h"

namespace spln {

RecordingDC::RecordingDC(TEXTMETRIC defaultMetrics, int logPixels)
    : m_defaultMetrics(defaultMetrics), m_logPixelsX(logPixels), m_logPixelsY(logPixels)
{}

void RecordingDC::SetFontMetrics(const std::string& face, int pointSizeTenths, TEXTMETRIC metrics)
{
    for (FontMetricsEntry& entry : m_metrics) {
        if (entry.face == face && entry.pointSizeTenths == pointSizeTenths) {
            entry.metrics = metrics;
            return;
        }
    }
    m_metrics.push_back({face, pointSizeTenths, metrics});
}

void RecordingDC::SetLogPixels(int x, int y)
{
    m_logPixelsX = x;
    m_logPixelsY = y;
}

RecordedCall& RecordingDC::Record(DCCall call)
{
    RecordedCall& entry = m_calls.emplace_back();
    entry.call = call;
    entry.font = m_selectedFont;
    entry.pen = m_selectedPen;
    entry.textColour = m_textColour;
    entry.textAlign = m_textAlign;
    entry.bkMode = m_backgroundMode;
    return entry;
}

CFont* RecordingDC::SelectObject(CFont* font)
{
    CFont* previous = m_selectedFont;
    m_selectedFont = font;
    Record(DCCall::SelectFont);
    return previous;
}

CPen* RecordingDC::SelectObject(CPen* pen)
{
    CPen* previous = m_selectedPen;
    m_selectedPen = pen;
    Record(DCCall::SelectPen);
    return previous;
}

bool RecordingDC::GetTextMetrics(TEXTMETRIC* metrics)
{
    Record(DCCall::GetTextMetrics);
    if (metrics == nullptr)
        return false;
    *metrics = m_defaultMetrics;
    if (m_selectedFont == nullptr)
        return true;
    for (const FontMetricsEntry& entry : m_metrics) {
        if (entry.face == m_selectedFont->FaceName() && entry.pointSizeTenths == m_selectedFont->PointSizeTenths()) {
            *metrics = entry.metrics;
            break;
        }
    }
    return true;
}

int RecordingDC::SetBkMode(int mode)
{
    const int previous = m_backgroundMode;
    m_backgroundMode = mode;
    Record(DCCall::SetBkMode).args[0] = mode;
    return previous;
}

unsigned RecordingDC::SetTextAlign(unsigned align)
{
    const unsigned previous = m_textAlign;
    m_textAlign = align;
    Record(DCCall::SetTextAlign).args[0] = static_cast<int>(align);
    return previous;
}

COLORREF RecordingDC::SetTextColor(COLORREF colour)
{
    const COLORREF previous = m_textColour;
    m_textColour = colour;
    Record(DCCall::SetTextColor).args[0] = static_cast<int>(colour);
    return previous;
}

void RecordingDC::MoveTo(int x, int y)
{
    m_posX = x;
    m_posY = y;
    RecordedCall& entry = Record(DCCall::MoveTo);
    entry.args[0] = x;
    entry.args[1] = y;
}

void RecordingDC::LineTo(int x, int y)
{
    RecordedCall& entry = Record(DCCall::LineTo);
    entry.args[0] = x;
    entry.args[1] = y;
    entry.args[2] = m_posX;
    entry.args[3] = m_posY;
    m_posX = x;
    m_posY = y;
}

void RecordingDC::TextOut(int x, int y, const char* text, int length)
{
    RecordedCall& entry = Record(DCCall::TextOut);
    entry.args[0] = x;
    entry.args[1] = y;
    if (text != nullptr && length > 0)
        entry.text.assign(text, static_cast<std::size_t>(length));
}

void RecordingDC::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    RecordedCall& entry = Record(DCCall::RoundRect);
    const int values[6] = {left, top, right, bottom, ellipseWidth, ellipseHeight};
    for (int i = 0; i < 6; ++i)
        entry.args[i] = values[i];
}

int RecordingDC::SetMapMode(int mode)
{
    const int previous = m_mapMode;
    m_mapMode = mode;
    Record(DCCall::SetMapMode).args[0] = mode;
    return previous;
}

CSize RecordingDC::SetExtent(CSize& extent, DCCall call, int cx, int cy)
{
    const CSize previous = extent;
    extent = {cx, cy};
    RecordedCall& entry = Record(call);
    entry.args[0] = cx;
    entry.args[1] = cy;
    return previous;
}

CSize RecordingDC::SetWindowExt(int cx, int cy)
{
    return SetExtent(m_windowExt, DCCall::SetWindowExt, cx, cy);
}

CSize RecordingDC::SetViewportExt(int cx, int cy)
{
    return SetExtent(m_viewportExt, DCCall::SetViewportExt, cx, cy);
}

int RecordingDC::GetDeviceCaps(int index) const
{
    if (index == LOGPIXELSX)
        return m_logPixelsX;
    if (index == LOGPIXELSY)
        return m_logPixelsY;
    return 0;
}

std::vector<RecordedCall> RecordingDC::CallsOf(DCCall call) const
{
    std::vector<RecordedCall> found;
    for (const RecordedCall& entry : m_calls) {
        if (entry.call == call)
            found.push_back(entry);
    }
    return found;
}

}  // namespace spln
