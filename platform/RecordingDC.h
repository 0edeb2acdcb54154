#pragma once

// A drawing surface that draws nothing: it keeps every call in order, with the
// state the surface was in at that moment, and answers text metrics from a
// fixed table per font. Layout and drawing passes are checked against it
// without a window system.

#include "platform/CDC.h"

#include <string>
#include <vector>

namespace spln {

enum class DCCall {
    SelectFont,
    SelectPen,
    GetTextMetrics,
    SetBkMode,
    SetTextAlign,
    SetTextColor,
    MoveTo,
    LineTo,
    TextOut,
    RoundRect,
    SetMapMode,
    SetWindowExt,
    SetViewportExt,
};

struct RecordedCall {
    DCCall call;
    // Coordinates or values in the order of the call's arguments; LineTo keeps
    // its start point in args[2], args[3].
    int args[6] = {0, 0, 0, 0, 0, 0};
    std::string text;
    // The surface's state when the call was made (after it, for selections
    // and settings).
    const CFont* font = nullptr;
    const CPen* pen = nullptr;
    COLORREF textColour = 0;
    unsigned textAlign = 0;
    int bkMode = 0;
};

class RecordingDC : public CDC {
public:
    // Metrics answered for a font that the table does not name.
    explicit RecordingDC(TEXTMETRIC defaultMetrics = {13, 11}, int logPixels = 96);

    // Metrics for every font of this face and size (tenths of a point).
    void SetFontMetrics(const std::string& face, int pointSizeTenths, TEXTMETRIC metrics);
    void SetLogPixels(int x, int y);

    CFont* SelectObject(CFont* font) override;
    CPen* SelectObject(CPen* pen) override;
    bool GetTextMetrics(TEXTMETRIC* metrics) override;
    int SetBkMode(int mode) override;
    unsigned SetTextAlign(unsigned align) override;
    COLORREF SetTextColor(COLORREF colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    using CDC::TextOut;
    void TextOut(int x, int y, const char* text, int length) override;
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) override;
    int SetMapMode(int mode) override;
    CSize SetWindowExt(int cx, int cy) override;
    CSize SetViewportExt(int cx, int cy) override;
    int GetDeviceCaps(int index) const override;
    // Whether the surface answers as a printed page.
    void SetPrinting(bool printing) { m_bPrinting = printing; }
    bool IsPrinting() const override { return m_bPrinting; }

    // Everything recorded so far, oldest first.
    const std::vector<RecordedCall>& Calls() const { return m_calls; }
    std::vector<RecordedCall> CallsOf(DCCall call) const;
    void ClearCalls() { m_calls.clear(); }

    // Current state.
    CFont* CurrentFont() const { return m_selectedFont; }
    CPen* CurrentPen() const { return m_selectedPen; }
    COLORREF TextColour() const { return m_textColour; }
    unsigned TextAlign() const { return m_textAlign; }
    int BkMode() const { return m_backgroundMode; }
    int MapMode() const { return m_mapMode; }
    CSize WindowExt() const { return m_windowExt; }
    CSize ViewportExt() const { return m_viewportExt; }
    int CurrentX() const { return m_posX; }
    int CurrentY() const { return m_posY; }

private:
    struct FontMetricsEntry {
        std::string face;
        int pointSizeTenths;
        TEXTMETRIC metrics;
    };

    RecordedCall& Record(DCCall call);
    CSize SetExtent(CSize& extent, DCCall call, int cx, int cy);

    std::vector<RecordedCall> m_calls;
    bool m_bPrinting = false;
    std::vector<FontMetricsEntry> m_metrics;
    TEXTMETRIC m_defaultMetrics;
    int m_logPixelsX;
    int m_logPixelsY;

    CFont* m_selectedFont = nullptr;
    CPen* m_selectedPen = nullptr;
    COLORREF m_textColour = RGB(0, 0, 0);
    unsigned m_textAlign = TA_LEFT | TA_TOP;
    int m_backgroundMode = OPAQUE;
    int m_mapMode = MM_TEXT;
    CSize m_windowExt{1, 1};
    CSize m_viewportExt{1, 1};
    int m_posX = 0;
    int m_posY = 0;
};

}  // namespace spln
