#pragma once

// The drawing surface the plot and the view draw on: a small device-context
// interface in the logical units of its mapping. Fonts and pens are plain
// descriptions; a surface resolves them when they are selected.

#include <cstdint>
#include <string>

using COLORREF = std::uint32_t;
constexpr COLORREF RGB(int r, int g, int b)
{
    return static_cast<COLORREF>(r & 0xFF) | (static_cast<COLORREF>(g & 0xFF) << 8) |
           (static_cast<COLORREF>(b & 0xFF) << 16);
}
constexpr int GetRValue(COLORREF c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

// Background modes, text alignment, mapping modes and device capabilities.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;
constexpr int MM_TEXT = 1;
constexpr int MM_ANISOTROPIC = 8;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct CSize {
    int cx = 0;
    int cy = 0;
};

struct TEXTMETRIC {
    int tmHeight = 0;
    int tmMaxCharWidth = 0;
};

// A font description: face and size in tenths of a point.
class CFont {
public:
    // Sets the face and size; returns false for a size that is not positive.
    bool CreatePointFont(int pointSizeTenths, const char* faceName);
    void DeleteObject();
    bool IsCreated() const { return m_bCreated; }
    const std::string& FaceName() const { return m_strFace; }
    int PointSizeTenths() const { return m_nPointTenths; }

private:
    std::string m_strFace;
    int m_nPointTenths = 0;
    bool m_bCreated = false;
};

// A pen description: style, width in logical units and colour.
class CPen {
public:
    bool CreatePen(int style, int width, COLORREF colour);
    void DeleteObject();
    bool IsCreated() const { return m_bCreated; }
    int Style() const { return m_nStyle; }
    int Width() const { return m_nWidth; }
    COLORREF Colour() const { return m_colour; }

private:
    int m_nStyle = PS_SOLID;
    int m_nWidth = 1;
    COLORREF m_colour = RGB(0, 0, 0);
    bool m_bCreated = false;
};

class CDC {
public:
    virtual ~CDC() = default;

    // Makes the font or pen current and returns the one it replaces (nullptr
    // for the surface's own initial object). Selecting nullptr puts the
    // surface's own initial object back.
    virtual CFont* SelectObject(CFont* font) = 0;
    virtual CPen* SelectObject(CPen* pen) = 0;

    // Height and maximum character width of the current font, in logical units.
    virtual bool GetTextMetrics(TEXTMETRIC* metrics) = 0;

    virtual int SetBkMode(int mode) = 0;
    virtual unsigned SetTextAlign(unsigned align) = 0;
    virtual COLORREF SetTextColor(COLORREF colour) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void TextOut(int x, int y, const char* text, int length) = 0;
    void TextOut(int x, int y, const std::string& text) { TextOut(x, y, text.c_str(), static_cast<int>(text.size())); }
    virtual void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) = 0;
    // A polyline through points in logical units that need not be whole
    // (a vector file keeps them as they are). This fallback truncates them
    // to the whole units MoveTo and LineTo take.
    virtual void Polyline(const double* x, const double* y, int count)
    {
        if (count <= 0)
            return;
        MoveTo(static_cast<int>(x[0]), static_cast<int>(y[0]));
        for (int i = 0; i < count; ++i)
            LineTo(static_cast<int>(x[i]), static_cast<int>(y[i]));
    }
    // Fills a rectangle with a solid colour, no outline; a surface that
    // records only lines and text may leave it out.
    virtual void FillSolidRect(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/, COLORREF /*colour*/) {}
    // Limits later drawing to a rectangle, and lifts the limit; a surface
    // that records calls may ignore both.
    virtual void SetClipRect(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
    virtual void ClearClip() {}
    // Width of text in the current font, in logical units. This estimate
    // from the metrics serves surfaces that cannot measure text.
    virtual int GetTextWidth(const std::string& text)
    {
        TEXTMETRIC metrics;
        GetTextMetrics(&metrics);
        return static_cast<int>(text.size()) * metrics.tmMaxCharWidth / 2;
    }

    // Mapping from logical units to device pixels.
    virtual int SetMapMode(int mode) = 0;
    virtual CSize SetWindowExt(int cx, int cy) = 0;
    virtual CSize SetViewportExt(int cx, int cy) = 0;
    virtual int GetDeviceCaps(int index) const = 0;

    // True while printing or previewing a page.
    virtual bool IsPrinting() const { return false; }
};
