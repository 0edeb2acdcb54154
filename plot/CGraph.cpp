#include "plot/CGraph.h"

#include "plot/GraphMath.h"

#include <algorithm>
#include <cmath>

namespace {

unsigned UsableCount(unsigned count, const std::vector<double>& values)
{
    return static_cast<unsigned>(std::min<std::size_t>(count, values.size()));
}

}  // namespace

CGraph::CGraph(CRect area, unsigned count)
    : m_rcArea(area), m_nCount(std::min(count, kMaxPoints))
{
    m_pPixX = std::make_unique<int[]>(m_nCount);
    m_pPixY = std::make_unique<int[]>(m_nCount);
    m_fontLabel.CreatePointFont(80, "MS Sans Serif");
    m_fontTitle.CreatePointFont(120, "Times New Roman Cyr");
    m_fontExp.CreatePointFont(80, "Arial");
}

CGraph::~CGraph()
{
    // The surface must not keep using a font that is released here.
    RestoreFont();
    m_pPixX.reset();
    m_pPixY.reset();
    m_fontExp.DeleteObject();
    m_fontTitle.DeleteObject();
    m_fontLabel.DeleteObject();
}

void CGraph::RestoreFont()
{
    if (m_pFontDC == nullptr)
        return;
    m_pFontDC->SelectObject(m_pOldFont);
    m_pFontDC = nullptr;
    m_pOldFont = nullptr;
}

void CGraph::ChooseStep(double range, int& exponent, double& mantissa)
{
    ChooseTickStep(range, exponent, mantissa);
}

void CGraph::MapX(const std::vector<double>& x, double start, double step)
{
    m_nMappedX = UsableCount(m_nCount, x);
    for (unsigned i = 0; i < m_nMappedX; ++i)
        m_pPixX[i] = OffsetCoordinate(m_nPlotLeft, TruncateToInt((x[i] - start) * m_nPixPerTickX / step));
}

void CGraph::MapY(const std::vector<double>& y, double top, double step)
{
    m_nMappedY = UsableCount(m_nCount, y);
    for (unsigned i = 0; i < m_nMappedY; ++i)
        m_pPixY[i] = OffsetCoordinate(m_nPlotTop, TruncateToInt((top - y[i]) * m_nPixPerTickY / step));
}

void CGraph::ScaleX(const std::vector<double>& x)
{
    if (x.empty())
        return;
    ScanRange(x.data(), UsableCount(m_nCount, x), m_dMinX, m_dMaxX);
    m_dRangeX = m_dMaxX - m_dMinX;
    ChooseStep(m_dRangeX, m_nExpX, m_dStepX);
    const double scale = PowerOfTen(m_nExpX);
    const double step = m_dStepX * scale;
    m_nTicksX = TickCount(m_dRangeX, step, m_dMinX);

    const int width = m_rcArea.right - m_rcArea.left;
    m_nPixPerTickX = TruncateToInt(width * 0.8 / m_nTicksX + 0.5);

    // The largest multiple of the step strictly below the minimum; a minimum
    // of exactly 0 starts the axis at 0.
    const double steps = m_dMinX / step;
    const double start = steps == 0.0 ? 0.0 : std::ceil(steps - 1.0) * step;

    m_nPlotLeft = TruncateToInt(width * 0.1);
    m_nPlotRight = OffsetCoordinate(m_nPlotLeft, static_cast<long long>(m_nPixPerTickX) * m_nTicksX);
    MapX(x, start, step);
    m_dStartX = start / scale;
}

void CGraph::ScaleY(const std::vector<double>& y)
{
    if (y.empty())
        return;
    ScanRange(y.data(), UsableCount(m_nCount, y), m_dMinY, m_dMaxY);
    m_dRangeY = m_dMaxY - m_dMinY;
    ChooseStep(m_dRangeY, m_nExpY, m_dStepY);
    const double scale = PowerOfTen(m_nExpY);
    const double step = m_dStepY * scale;
    m_nTicksY = TickCount(m_dRangeY, step, m_dMinY);

    const int height = m_rcArea.bottom - m_rcArea.top;
    m_nPixPerTickY = TruncateToInt(height * 0.8 / m_nTicksY + 0.5);

    // The smallest multiple of the step not below the maximum.
    const double top = std::ceil(m_dMaxY / step) * step;

    m_nPlotTop = TruncateToInt(height * 0.1);
    m_nPlotBottom = OffsetCoordinate(m_nPlotTop, static_cast<long long>(m_nPixPerTickY) * m_nTicksY);
    MapY(y, top, step);
    m_dTopY = top / scale;
}

void CGraph::MapPoints(const std::vector<double>& x, const std::vector<double>& y)
{
    // Start and top are kept in label units; back in data units they are the
    // values the scaling used (exactly so for the exponent 0).
    const double scaleX = PowerOfTen(m_nExpX);
    const double scaleY = PowerOfTen(m_nExpY);
    MapX(x, m_dStartX * scaleX, m_dStepX * scaleX);
    MapY(y, m_dTopY * scaleY, m_dStepY * scaleY);
}

void CGraph::DrawCurve(CDC& dc)
{
    const unsigned count = std::min(m_nMappedX, m_nMappedY);
    if (count == 0)
        return;
    dc.MoveTo(m_pPixX[0], m_pPixY[0]);
    for (unsigned i = 0; i < count; ++i)
        dc.LineTo(m_pPixX[i], m_pPixY[i]);
}
