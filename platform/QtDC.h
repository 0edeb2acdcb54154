#pragma once

// A drawing surface over a QPainter, so that one drawing serves a widget, a
// printer, print preview, a QImage, a QSvgGenerator and a QPdfWriter. Logical
// units map to the paint device through the mapping mode (MM_TEXT: one unit a
// device pixel; MM_ANISOTROPIC: viewport extent / window extent). Text
// metrics are those of the font actually resolved, in logical units.

#include "platform/CDC.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QTransform>

class QPainter;

namespace spln {

class QtDC : public CDC {
public:
    // The painter must be active on its device and outlive the surface. Its
    // transform at this moment is kept as the base the mapping builds on.
    explicit QtDC(QPainter& painter, bool printing = false);

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
    int GetTextWidth(const std::string& text) override;
    void SetClipRect(int left, int top, int right, int bottom) override;
    void ClearClip() override;
    void FillSolidRect(int left, int top, int right, int bottom, COLORREF colour) override;
    void Polyline(const double* x, const double* y, int count) override;
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) override;
    int SetMapMode(int mode) override;
    CSize SetWindowExt(int cx, int cy) override;
    CSize SetViewportExt(int cx, int cy) override;
    int GetDeviceCaps(int index) const override;
    bool IsPrinting() const override { return m_printing; }

    // The Qt font a font description resolves to on this surface.
    static QFont ResolveFont(const CFont& font);

private:
    void ApplyMapping();
    CSize SetExtent(CSize& extent, int cx, int cy);
    void ApplyPen();

    QPainter& m_painter;
    bool m_printing;
    QTransform m_baseTransform;
    QFont m_initialFont;

    CFont* m_selectedFont = nullptr;
    CPen* m_selectedPen = nullptr;
    QFont m_font;
    COLORREF m_textColour = RGB(0, 0, 0);
    unsigned m_textAlign = TA_LEFT | TA_TOP;
    int m_backgroundMode = OPAQUE;
    int m_mapMode = MM_TEXT;
    CSize m_windowExt{1, 1};
    CSize m_viewportExt{1, 1};
    int m_posX = 0;
    int m_posY = 0;
    qreal m_dashDone = 0.0;  // how far a dashed line has come along its pattern since MoveTo, in pen widths
};

}  // namespace spln
