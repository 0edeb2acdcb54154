// The drawing surface over QPainter.

#include "platform/QtDC.h"

#include "platform/FontFaces.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace spln {

namespace {

QColor ToQColor(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// Text is placed through its cell: horizontal part of the alignment, then
// the vertical part, as the surface's alignment flags describe them.
constexpr unsigned kHorizontalMask = TA_CENTER;  // TA_LEFT 0, TA_RIGHT 2, TA_CENTER 6
constexpr unsigned kVerticalMask = TA_BASELINE;  // TA_TOP 0, TA_BOTTOM 8, TA_BASELINE 24

}  // namespace

QtDC::QtDC(QPainter& painter, bool printing)
    : m_painter(painter),
      m_printing(printing),
      m_baseTransform(painter.worldTransform()),
      m_initialFont(painter.font()),
      m_font(painter.font())
{
    // Lines stay crisp like the toolkit's one-unit pens; text keeps its
    // smoothing.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setBrush(Qt::white);
    ApplyPen();
}

QFont QtDC::ResolveFont(const CFont& font)
{
    QFont resolved(QString::fromStdString(ResolveFontFace(font.FaceName())));
    resolved.setPixelSize(PointFontHeight(font.PointSizeTenths()) > 0 ? PointFontHeight(font.PointSizeTenths()) : 1);
    // The metrics the layout reads must not depend on the device's hinting.
    resolved.setHintingPreference(QFont::PreferNoHinting);
    return resolved;
}

CFont* QtDC::SelectObject(CFont* font)
{
    CFont* previous = m_selectedFont;
    m_selectedFont = font;
    m_font = (font != nullptr && font->IsCreated()) ? ResolveFont(*font) : m_initialFont;
    m_painter.setFont(m_font);
    return previous;
}

CPen* QtDC::SelectObject(CPen* pen)
{
    CPen* previous = m_selectedPen;
    m_selectedPen = pen;
    m_dashDone = 0.0;
    ApplyPen();
    return previous;
}

void QtDC::ApplyPen()
{
    QPen pen(Qt::black);
    pen.setStyle(Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    qreal width = 1.0;
    if (m_selectedPen != nullptr && m_selectedPen->IsCreated()) {
        pen.setColor(ToQColor(m_selectedPen->Colour()));
        width = m_selectedPen->Width();
        switch (m_selectedPen->Style()) {
        case PS_SOLID:
            break;
        case PS_DASH:
            pen.setStyle(Qt::DashLine);
            break;
        case PS_DOT:
            pen.setStyle(Qt::DotLine);
            break;
        case PS_DASHDOT:
            pen.setStyle(Qt::DashDotLine);
            break;
        default:
            pen.setStyle(Qt::NoPen);
            break;
        }
    }
    // The width in logical units, rounded to whole device pixels (at least
    // one): every line of a pen is then equally thick, where a fractional
    // width would draw some lines one pixel and others two.
    const QTransform& mapping = m_painter.worldTransform();
    const qreal scale = (std::abs(mapping.m11()) + std::abs(mapping.m22())) / 2.0;
    const int devicePixels = std::max(1, qRound(width * scale));
    if (m_printing && scale > 0.0) {
        // A page may be drawn again under a further scaling (print preview
        // replays it at its zoom), so the width must scale with the page:
        // a cosmetic width would stay that many screen pixels at every zoom.
        pen.setCosmetic(false);
        pen.setWidthF(devicePixels / scale);
    } else {
        pen.setCosmetic(true);
        pen.setWidth(devicePixels);
    }
    m_painter.setPen(pen);
}

bool QtDC::GetTextMetrics(TEXTMETRIC* metrics)
{
    if (metrics == nullptr)
        return false;
    const QFontMetricsF fm(m_font, m_painter.device());
    metrics->tmHeight = qRound(fm.height());
    metrics->tmMaxCharWidth = qRound(fm.maxWidth());
    return true;
}

int QtDC::SetBkMode(int mode)
{
    const int previous = m_backgroundMode;
    m_backgroundMode = mode;
    return previous;
}

unsigned QtDC::SetTextAlign(unsigned align)
{
    const unsigned previous = m_textAlign;
    m_textAlign = align;
    return previous;
}

COLORREF QtDC::SetTextColor(COLORREF colour)
{
    const COLORREF previous = m_textColour;
    m_textColour = colour;
    return previous;
}

void QtDC::MoveTo(int x, int y)
{
    m_posX = x;
    m_posY = y;
    m_dashDone = 0.0;
}

void QtDC::LineTo(int x, int y)
{
    const QLineF line(QPointF(m_posX, m_posY), QPointF(x, y));
    QPen pen = m_painter.pen();
    if (pen.style() != Qt::SolidLine && pen.style() != Qt::NoPen) {
        // A curve is drawn a short line at a time: each goes on with the
        // pattern where the one before it stopped, or every line would start
        // with a dash and the curve look solid. A cosmetic pen's pattern is
        // laid out on the device.
        pen.setDashOffset(m_dashDone);
        m_painter.setPen(pen);
        const QLineF laidOut = pen.isCosmetic() ? m_painter.worldTransform().map(line) : line;
        m_dashDone += laidOut.length() / (pen.widthF() > 0.0 ? pen.widthF() : 1.0);
    }
    m_painter.drawLine(line);
    m_posX = x;
    m_posY = y;
}

void QtDC::Polyline(const double* x, const double* y, int count)
{
    if (count <= 0)
        return;
    QPolygonF line;
    line.reserve(count);
    for (int i = 0; i < count; ++i)
        line.append(QPointF(x[i], y[i]));
    m_painter.drawPolyline(line);
    m_posX = static_cast<int>(x[count - 1]);
    m_posY = static_cast<int>(y[count - 1]);
}

void QtDC::FillSolidRect(int left, int top, int right, int bottom, COLORREF colour)
{
    m_painter.fillRect(QRectF(left, top, right - left, bottom - top),
                       QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
}

void QtDC::SetClipRect(int left, int top, int right, int bottom)
{
    m_painter.setClipRect(QRectF(left, top, right - left, bottom - top));
}

void QtDC::ClearClip()
{
    m_painter.setClipping(false);
}

int QtDC::GetTextWidth(const std::string& text)
{
    const QFontMetricsF fm(m_font, m_painter.device());
    return qRound(fm.horizontalAdvance(QString::fromStdString(text)));
}

void QtDC::TextOut(int x, int y, const char* text, int length)
{
    if (text == nullptr || length <= 0)
        return;
    const QString string = QString::fromUtf8(text, length);
    const QFontMetricsF fm(m_font, m_painter.device());
    const qreal width = fm.horizontalAdvance(string);

    qreal left = x;
    switch (m_textAlign & kHorizontalMask) {
    case TA_CENTER:
        left = x - width / 2.0;
        break;
    case TA_RIGHT:
        left = x - width;
        break;
    default:
        break;
    }
    qreal top = y;
    switch (m_textAlign & kVerticalMask) {
    case TA_BOTTOM:
        top = y - fm.height();
        break;
    case TA_BASELINE:
        top = y - fm.ascent();
        break;
    default:
        break;
    }

    if (m_backgroundMode == OPAQUE)
        m_painter.fillRect(QRectF(left, top, width, fm.height()), Qt::white);
    const QPen linePen = m_painter.pen();
    m_painter.setPen(ToQColor(m_textColour));
    m_painter.drawText(QPointF(left, top + fm.ascent()), string);
    m_painter.setPen(linePen);
}

void QtDC::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    m_painter.drawRoundedRect(QRectF(left, top, right - left, bottom - top), ellipseWidth / 2.0, ellipseHeight / 2.0);
}

int QtDC::SetMapMode(int mode)
{
    const int previous = m_mapMode;
    m_mapMode = mode;
    ApplyMapping();
    return previous;
}

CSize QtDC::SetExtent(CSize& extent, int cx, int cy)
{
    const CSize previous = extent;
    // Extents count only in the anisotropic mapping; a zero extent would
    // make the mapping singular.
    if (m_mapMode == MM_ANISOTROPIC && cx != 0 && cy != 0) {
        extent = {cx, cy};
        ApplyMapping();
    }
    return previous;
}

CSize QtDC::SetWindowExt(int cx, int cy)
{
    return SetExtent(m_windowExt, cx, cy);
}

CSize QtDC::SetViewportExt(int cx, int cy)
{
    return SetExtent(m_viewportExt, cx, cy);
}

void QtDC::ApplyMapping()
{
    QTransform mapping;
    if (m_mapMode == MM_ANISOTROPIC) {
        mapping.scale(static_cast<qreal>(m_viewportExt.cx) / m_windowExt.cx,
                      static_cast<qreal>(m_viewportExt.cy) / m_windowExt.cy);
    }
    m_painter.setWorldTransform(mapping * m_baseTransform);
    ApplyPen();
}

int QtDC::GetDeviceCaps(int index) const
{
    const QPaintDevice* device = m_painter.device();
    if (device == nullptr)
        return 0;
    if (index == LOGPIXELSX)
        return device->logicalDpiX();
    if (index == LOGPIXELSY)
        return device->logicalDpiY();
    return 0;
}

}  // namespace spln
