// The graph frame's scaling of both axes and the mapping of points.

#include "plot/CGraph.h"

#include "plot/GraphMath.h"

#include <algorithm>
#include <cmath>

using namespace spln;

namespace {

unsigned UsableCount(unsigned count, const std::vector<double>& values)
{
    return static_cast<unsigned>(std::min<std::size_t>(count, values.size()));
}

// The members of one axis that its layout sets.
struct AxisLayout {
    double& minimum;
    double& maximum;
    double& range;
    int& exponent;
    double& mantissa;
    unsigned& ticks;
    int& pixPerTick;
    int& firstLine;
    int& lastLine;
};

// Scan, step choice, interval count, spacing and the first and last grid
// line of one axis whose grid spans 80 % of extent from 10 % on. Returns the
// step in data units.
double LayOutAxis(const std::vector<double>& values, unsigned count, int extent, AxisLayout axis)
{
    ScanRange(values.data(), UsableCount(count, values), axis.minimum, axis.maximum);
    axis.range = axis.maximum - axis.minimum;
    ChooseTickStep(axis.range, axis.exponent, axis.mantissa);
    const double step = axis.mantissa * PowerOfTen(axis.exponent);
    axis.ticks = TickCount(axis.range, step, axis.minimum);
    axis.pixPerTick = TruncateToInt(extent * 0.8 / axis.ticks + 0.5);
    axis.firstLine = TruncateToInt(extent * 0.1);
    axis.lastLine = OffsetCoordinate(axis.firstLine, static_cast<long long>(axis.pixPerTick) * axis.ticks);
    return step;
}

}  // namespace

CGraph::CGraph(CRect area, unsigned count) : m_rcArea(area), m_nCount(std::min(count, kMaxPoints))
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
    const double step = LayOutAxis(
        x, m_nCount, m_rcArea.right - m_rcArea.left,
        {m_dMinX, m_dMaxX, m_dRangeX, m_nExpX, m_dStepX, m_nTicksX, m_nPixPerTickX, m_nPlotLeft, m_nPlotRight});
    // The largest multiple of the step strictly below the minimum; a minimum
    // of exactly 0 starts the axis at 0.
    const double steps = m_dMinX / step;
    const double start = steps == 0.0 ? 0.0 : std::ceil(steps - 1.0) * step;
    MapX(x, start, step);
    m_dStartX = start / PowerOfTen(m_nExpX);
}

void CGraph::ScaleY(const std::vector<double>& y)
{
    if (y.empty())
        return;
    const double step = LayOutAxis(
        y, m_nCount, m_rcArea.bottom - m_rcArea.top,
        {m_dMinY, m_dMaxY, m_dRangeY, m_nExpY, m_dStepY, m_nTicksY, m_nPixPerTickY, m_nPlotTop, m_nPlotBottom});
    m_nPlotTop = OffsetCoordinate(m_nPlotTop, m_nShiftY);
    m_nPlotBottom = OffsetCoordinate(m_nPlotBottom, m_nShiftY);
    // The smallest multiple of the step not below the maximum; unlike x, no
    // step is added and zero is not special.
    const double top = std::ceil(m_dMaxY / step) * step;
    MapY(y, top, step);
    m_dTopY = top / PowerOfTen(m_nExpY);
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
