// The picture of one run: frame, data, exact curve, report line and approximation.

#include "plot/ResultPicture.h"

#include "engine/CSplineEngine.h"
#include "model/SplnDocData.h"
#include "model/SplnSettings.h"
#include "plot/CGraph.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string>

namespace spln {

namespace {

int ToLogical(int pixels, int pixelsPerInch)
{
    if (pixelsPerInch <= 0)
        return pixels;
    return static_cast<int>(static_cast<long long>(pixels) * 100 / pixelsPerInch);
}

// Copies one result pair of the engine into the document's arrays.
void CopyPair(CSplnDocData& doc, int count, const double* x, const double* y)
{
    for (int i = 0; i < count; ++i) {
        doc.m_arrX[static_cast<std::size_t>(i)] = x[i];
        doc.m_arrY[static_cast<std::size_t>(i)] = y[i];
    }
}

// Top of the report line: its bottom edge on the bottom of the area, but never
// over the x labels, which hang half a label height below the grid.
int ReportLineTop(CDC& dc, CGraph& graph, const CRect& area)
{
    TEXTMETRIC label;
    TEXTMETRIC title;
    dc.SelectObject(&graph.m_fontLabel);
    dc.GetTextMetrics(&label);
    dc.SelectObject(&graph.m_fontTitle);
    dc.GetTextMetrics(&title);
    const int belowLabels = graph.m_nPlotBottom + label.tmHeight / 2 + label.tmHeight;
    return std::max(area.bottom - title.tmHeight, belowLabels);
}

std::string ReportText(const CSplineEngine& engine)
{
    return std::string(engine.m_szReport, strnlen(engine.m_szReport, kReportSize));
}

}  // namespace

CRect LogicalArea(CDC& dc, const CRect& pixels)
{
    const int dpiX = dc.GetDeviceCaps(LOGPIXELSX);
    const int dpiY = dc.GetDeviceCaps(LOGPIXELSY);
    return {ToLogical(pixels.left, dpiX), ToLogical(pixels.top, dpiY), ToLogical(pixels.right, dpiX),
            ToLogical(pixels.bottom, dpiY)};
}

ResultPenSet::ResultPenSet()
{
    frame.CreatePen(PS_SOLID, 1, kFramePenColour);
    exact.CreatePen(PS_SOLID, 1, kExactPenColour);
    data.CreatePen(PS_SOLID, 1, kDataPenColour);
    approx.CreatePen(PS_SOLID, 1, kApproxPenColour);
}

ResultPenSet::~ResultPenSet()
{
    approx.DeleteObject();
    data.DeleteObject();
    exact.DeleteObject();
    frame.DeleteObject();
}

void SetHundredthInchMapping(CDC& dc)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(dc.GetDeviceCaps(LOGPIXELSX), dc.GetDeviceCaps(LOGPIXELSY));
}

void RunForPicture(CSplnDocData& doc, CSplineEngine& engine)
{
    CopySettingsForRun(doc, engine);
    engine.Run();
    doc.m_nCount = engine.m_nPoints;
}

KeptPen KeptPenAt(std::size_t index)
{
    static constexpr COLORREF kColours[] = {RGB(255, 128, 0), RGB(128, 0, 255), RGB(0, 150, 150), RGB(150, 75, 0),
                                            RGB(230, 0, 230), RGB(0, 0, 128),   RGB(128, 128, 0), RGB(96, 96, 96)};
    static constexpr int kStyles[] = {PS_DASH, PS_DOT, PS_DASHDOT};
    constexpr std::size_t kColourCount = sizeof kColours / sizeof kColours[0];
    constexpr std::size_t kStyleCount = sizeof kStyles / sizeof kStyles[0];
    return {kColours[index % kColourCount], kStyles[index % kStyleCount]};
}

bool DrawResultPicture(CDC& dc, const CRect& clientPixels, CSplnDocData& doc, CSplineEngine& engine,
                       const ResultPens& pens)
{
    if (doc.m_arrX.empty())
        return false;

    // The engine holds at most kMaxSamples results; the arrays are grown if
    // they are shorter than the count, so every copy stays inside them.
    const int count = std::clamp(doc.m_nCount, 0, kMaxSamples);
    if (doc.m_arrX.size() < static_cast<std::size_t>(count))
        doc.m_arrX.resize(static_cast<std::size_t>(count), 0.0);
    if (doc.m_arrY.size() < static_cast<std::size_t>(count))
        doc.m_arrY.resize(static_cast<std::size_t>(count), 0.0);

    CPen* oldPen = dc.SelectObject(pens.frame);
    const CRect area = LogicalArea(dc, clientPixels);
    {
        CopyPair(doc, count, engine.m_dX, engine.m_dData);
        const std::size_t points = std::min<std::size_t>(doc.m_arrX.size(), std::numeric_limits<unsigned>::max());
        CGraph graph(area, static_cast<unsigned>(points));
        const bool fromFile = doc.m_nSource != 0;
        graph.DrawFrame(dc, fromFile ? std::string("Data") : doc.m_strCaption, "t", "y", doc.m_arrX, doc.m_arrY);

        dc.SelectObject(pens.data);
        graph.DrawCurve(dc);

        if (!fromFile) {
            const std::string report = ReportText(engine);
            doc.FillExactCurve();
            graph.MapPoints(doc.m_arrX, doc.m_arrY);
            dc.SelectObject(pens.exact);
            graph.DrawCurve(dc);
            // Still in the state DrawFrame left: title font, blue, centred.
            dc.TextOut((area.left + area.right) / 2, ReportLineTop(dc, graph, area), report);
        }

        CPen keptPen;
        for (std::size_t k = 0; k < doc.m_arrKept.size(); ++k) {
            const KeptApproximation& kept = doc.m_arrKept[k];
            if (!kept.shown || kept.x.empty() || kept.x.size() != kept.approx.size())
                continue;
            const KeptPen pen = KeptPenAt(k);
            dc.SelectObject(pens.frame);
            keptPen.DeleteObject();
            keptPen.CreatePen(pen.style, 1, pen.colour);
            dc.SelectObject(&keptPen);
            graph.MapPoints(kept.x, kept.approx);
            graph.DrawCurve(dc);
        }

        CopyPair(doc, count, engine.m_dX, engine.m_dApprox);
        graph.MapPoints(doc.m_arrX, doc.m_arrY);
        dc.SelectObject(pens.approx);
        graph.DrawCurve(dc);
        graph.RestoreFont();
    }
    dc.SelectObject(oldPen);
    return true;
}

}  // namespace spln
