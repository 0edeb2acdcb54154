// The picture of one run: frame, data, exact curve, report line and approximation.

#include "plot/ResultPicture.h"

#include "engine/CSplineEngine.h"
#include "model/SplnDocData.h"
#include "model/SplnSettings.h"
#include "plot/CGraph.h"
#include "plot/ErrorCurve.h"
#include "plot/GraphMath.h"
#include "plot/Legend.h"
#include "plot/StudyTicks.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

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

// Above an error panel the plot's grid spans this share of the picture's
// height, from the top margin of the whole picture; the report line and the
// x labels take the space down to kPanelTopPercent, where the panel begins.
constexpr int kPlotGridPercent = 48;
constexpr int kPanelTopPercent = 65;

int PercentOf(int length, int percent)
{
    return static_cast<int>(static_cast<long long>(length) * percent / 100);
}

// A diamond around a point of a curve, half a label height across.
void DrawMark(CDC& dc, int x, int y, int size)
{
    dc.MoveTo(x, y - size);
    dc.LineTo(x + size, y);
    dc.LineTo(x, y + size);
    dc.LineTo(x - size, y);
    dc.LineTo(x, y - size);
}

// The output points a zoom shows: from the last one left of the range to
// the first one right of it, so that the curves run out of the grid's edges.
struct PointWindow {
    int first = 0;
    int count = 0;
};

PointWindow PointsShown(const double* x, int count, const XRange& zoom)
{
    if (zoom.Whole())
        return {0, count};
    int first = 0;
    while (first + 1 < count && x[first + 1] < zoom.low)
        ++first;
    int last = first;
    while (last + 1 < count && x[last] <= zoom.high)
        ++last;
    return {first, count == 0 ? 0 : last - first + 1};
}

std::vector<double> Slice(const double* values, PointWindow shown, int available)
{
    const int end = std::min(shown.first + shown.count, available);
    if (end <= shown.first)
        return {};
    return std::vector<double>(values + shown.first, values + end);
}

// The y range of the values a zoom shows, widened by 4 % at each end (or by
// 1 around a single value 0, a tenth of it otherwise).
void ShownRange(const std::vector<std::vector<double>>& curves, double& low, double& high)
{
    bool any = false;
    for (const std::vector<double>& curve : curves) {
        double curveLow = 0.0;
        double curveHigh = 0.0;
        if (curve.empty())
            continue;
        ScanRange(curve.data(), static_cast<unsigned>(curve.size()), curveLow, curveHigh);
        low = any ? std::min(low, curveLow) : curveLow;
        high = any ? std::max(high, curveHigh) : curveHigh;
        any = true;
    }
    if (!any) {
        low = 0.0;
        high = 1.0;
    }
    // Widened as the round ticks of a value axis widen it.
    const AxisTicks ticks = LinearTicks(low, high, 2);
    low = ticks.low;
    high = ticks.high;
}

// One curve of the error panel: its values and its pen.
struct PanelCurve {
    std::vector<double> values;
    CPen* pen;
};

void DrawErrorPanel(CDC& dc, const CRect& area, int top, const CSplnDocData& doc, const CSplineEngine& engine,
                    const ResultPens& pens, const PlotOptions& options)
{
    const ErrorPanelMode mode = options.errorPanel;
    const bool fromFile = doc.m_nSource == spln::kSourceFile;
    const int count = std::clamp(engine.m_nResultCount, 0, kMaxSamples);
    const double* reference = fromFile ? engine.m_dData : engine.m_dExact;
    const PointWindow shown = PointsShown(engine.m_dX, count, options.zoom);
    const std::vector<double> x = Slice(engine.m_dX, shown, count);
    std::vector<PanelCurve> curves{{Slice(ErrorValues(engine, fromFile, mode).data(), shown, count), pens.error}};
    for (const ExtraCurve& extra : options.extraCurves) {
        const int available = std::min(count, static_cast<int>(extra.values.size()));
        curves.push_back({Slice(ErrorValues(extra.values.data(), reference, available, mode).data(), shown, available),
                          extra.entry.pen});
    }
    double low = 0.0;
    double high = 0.0;
    bool first = true;
    for (const PanelCurve& curve : curves) {
        double curveLow = 0.0;
        double curveHigh = 0.0;
        ScanRange(curve.values.data(), static_cast<unsigned>(curve.values.size()), curveLow, curveHigh);
        if (curve.values.empty())
            continue;
        low = first ? curveLow : std::min(low, curveLow);
        high = first ? curveHigh : std::max(high, curveHigh);
        first = false;
    }
    const char* caption = mode == ErrorPanelMode::Log ? (fromFile ? "log10 |approx - data|" : "log10 |approx - exact|")
                                                      : (fromFile ? "approx - data" : "approx - exact");
    CGraph panel(area, static_cast<unsigned>(count));
    panel.m_bPrecise = options.preciseCurves;
    panel.DrawPanelFrame(dc, top, area.bottom - top, caption, x, low, high, options.zoom);
    const bool zoomed = !options.zoom.Whole();
    if (zoomed)
        dc.SetClipRect(panel.m_nPlotLeft, panel.m_nPlotTop, panel.m_nPlotRight + 1, panel.m_nPlotBottom + 1);
    // Kept curves under the run's own, as in the plot above.
    for (auto curve = curves.rbegin(); curve != curves.rend(); ++curve) {
        panel.MapPoints(x, curve->values);
        dc.SelectObject(curve->pen);
        panel.DrawCurve(dc);
    }
    if (!fromFile) {
        TEXTMETRIC label;
        dc.GetTextMetrics(&label);
        dc.SelectObject(pens.error);
        for (const int place : ReportErrorPlaces(engine)) {
            const int index = place - shown.first;
            const auto at = static_cast<std::size_t>(index);
            if (place >= 0 && index >= 0 && index < shown.count && at < panel.m_nCount)
                DrawMark(dc, panel.m_pPixX[at], panel.m_pPixY[at], std::max(2, label.tmHeight / 3));
        }
    }
    if (zoomed)
        dc.ClearClip();
    panel.RestoreFont();
}

// The frame of a zoomed plot: the range grid with y over the values shown,
// the captions, the title and the subtitle. Leaves the surface as DrawFrame
// does: title font, blue, centred.
void DrawZoomedFrame(CDC& dc, CGraph& graph, int top, int bottom, const std::string& title, const XRange& zoom,
                     double yLow, double yHigh)
{
    dc.SelectObject(&graph.m_fontLabel);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    const int H = tm.tmHeight;
    const int W = tm.tmMaxCharWidth;
    if (!graph.m_strSubtitle.empty())
        top += H;
    if (graph.m_bStackedTitle)
        top = std::max(top, graph.StackedGridTop(dc, H));
    graph.DrawRangeFrame(dc, top, bottom, zoom.low, zoom.high, yLow, yHigh);
    const int L = graph.m_nPlotLeft;
    const int R = graph.m_nPlotRight;
    const int T = graph.m_nPlotTop;
    const int B = graph.m_nPlotBottom;
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    dc.TextOut(L + W / 2, T - 2 * H - H / 2, "y");
    dc.TextOut(R + 2 * W + W / 2, B + H / 2, "t");
    dc.SetTextColor(RGB(0, 0, 255));
    graph.DrawTitleLines(dc, title, H, W);
}

// The legend's lines: the run's curves, then each further one.
std::vector<LegendEntry> LegendEntries(bool fromFile, const ResultPens& pens, const PlotOptions& options)
{
    std::vector<LegendEntry> entries{{"data", pens.data}};
    if (!fromFile)
        entries.push_back({"exact function", pens.exact});
    entries.push_back({"approximation", pens.approx});
    for (const ExtraCurve& extra : options.extraCurves)
        entries.push_back(extra.entry);
    return entries;
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
    error.CreatePen(PS_SOLID, 1, kErrorPenColour);
}

ResultPenSet::~ResultPenSet()
{
    error.DeleteObject();
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

CSplnDocData DocumentForRun(const CSplnSettings& settings, const CSplineEngine& engine, const PlotOptions& options)
{
    CSplnDocData doc;
    static_cast<CSplnSettings&>(doc) = settings;
    doc.SetUpForAcceptedRun();
    doc.m_bValid = 1;
    // As the view does after its run.
    doc.m_nCount = engine.m_nPoints;
    doc.m_strDataPath = options.titleDataFile;
    return doc;
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

CPen* KeptPenSet::At(std::size_t position)
{
    CPen& pen = m_pens[position % kMaxKept];
    if (!pen.IsCreated()) {
        const KeptPen look = KeptPenAt(position);
        pen.CreatePen(look.style, 1, look.colour);
    }
    return &pen;
}

ExtraCurve KeptCurve(const KeptApproximation& kept, std::string label, std::size_t position, KeptPenSet& pens)
{
    return {{std::move(label), pens.At(position)}, kept.approx};
}

bool DrawResultPicture(CDC& dc, const CRect& clientPixels, CSplnDocData& doc, CSplineEngine& engine,
                       const ResultPens& pens)
{
    return DrawResultPicture(dc, clientPixels, doc, engine, pens, PlotOptions{});
}

bool DrawResultPicture(CDC& dc, const CRect& clientPixels, CSplnDocData& doc, CSplineEngine& engine,
                       const ResultPens& pens, const PlotOptions& options, PlotLayout* layout)
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
    const CRect whole = LogicalArea(dc, clientPixels);
    const bool panel = options.errorPanel != ErrorPanelMode::Off;
    CRect area = whole;
    int shift = 0;
    int panelTop = whole.bottom;  // below the report line, where it runs low
    if (panel) {
        // The grid spans 80 % of the area's height from 10 % on.
        area.bottom = PercentOf(whole.bottom, kPlotGridPercent * 10 / 8);
        shift = PercentOf(whole.bottom, 10) - PercentOf(area.bottom, 10);
    }
    {
        const bool zoomed = !options.zoom.Whole();
        const PointWindow shown = PointsShown(engine.m_dX, count, options.zoom);
        const std::vector<double> shownX = zoomed ? Slice(engine.m_dX, shown, count) : std::vector<double>{};
        CopyPair(doc, count, engine.m_dX, engine.m_dData);
        const std::size_t points = std::min<std::size_t>(doc.m_arrX.size(), std::numeric_limits<unsigned>::max());
        CGraph graph(area, static_cast<unsigned>(points));
        graph.m_nShiftY = shift;
        graph.m_bPrecise = options.preciseCurves;
        if (options.legend)
            graph.m_strSubtitle = SubtitleFor(doc);
        graph.m_bStackedTitle = options.legend || panel;
        const int gridBottom = PercentOf(area.bottom, 90) + shift;
        if (panel)
            area.bottom = PercentOf(whole.bottom, kPanelTopPercent);
        panelTop = area.bottom;
        const bool fromFile = doc.m_nSource == spln::kSourceFile;
        const std::string title = doc.PictureTitle();
        // A zoom maps only the points it shows, clipped to the grid.
        const auto drawCurve = [&](CPen* pen, const double* values, int available) {
            if (zoomed)
                graph.MapPoints(shownX, Slice(values, shown, available));
            dc.SelectObject(pen);
            graph.DrawCurve(dc);
        };
        const auto clip = [&] {
            dc.SetClipRect(graph.m_nPlotLeft, graph.m_nPlotTop, graph.m_nPlotRight + 1, graph.m_nPlotBottom + 1);
        };
        if (zoomed) {
            std::vector<std::vector<double>> curves{Slice(engine.m_dData, shown, count),
                                                    Slice(engine.m_dApprox, shown, count)};
            if (!fromFile)
                curves.push_back(Slice(engine.m_dExact, shown, count));
            for (const ExtraCurve& extra : options.extraCurves)
                curves.push_back(Slice(extra.values.data(), shown, static_cast<int>(extra.values.size())));
            double yLow = 0.0;
            double yHigh = 0.0;
            ShownRange(curves, yLow, yHigh);
            DrawZoomedFrame(dc, graph, PercentOf(area.bottom, 10) + shift, gridBottom, title, options.zoom, yLow,
                            yHigh);
            clip();
        } else {
            graph.DrawFrame(dc, title, "t", "y", doc.m_arrX, doc.m_arrY);
        }
        drawCurve(pens.data, engine.m_dData, count);

        if (!fromFile) {
            const std::string report = ReportText(engine);
            // A formula's exact curve is the run's own table of it.
            if (doc.m_nSource == spln::kSourceFormula)
                CopyPair(doc, count, engine.m_dX, engine.m_dExact);
            else
                doc.FillExactCurve();
            if (!zoomed)
                graph.MapPoints(doc.m_arrX, doc.m_arrY);
            drawCurve(pens.exact, zoomed ? engine.m_dExact : nullptr, count);
            if (zoomed)
                dc.ClearClip();
            // Still in the state the frame left: title font, blue, centred.
            const int reportTop = ReportLineTop(dc, graph, area);
            dc.TextOut((area.left + area.right) / 2, reportTop, report);
            TEXTMETRIC reportFont;
            dc.GetTextMetrics(&reportFont);
            panelTop = std::max(panelTop, reportTop + reportFont.tmHeight);
            if (zoomed)
                clip();
        }
        // Further curves go under the run's approximation, which stays on top.
        for (const ExtraCurve& extra : options.extraCurves) {
            if (!zoomed)
                graph.MapPoints(std::vector<double>(engine.m_dX, engine.m_dX + count), extra.values);
            drawCurve(extra.entry.pen, extra.values.data(), static_cast<int>(extra.values.size()));
        }
        CopyPair(doc, count, engine.m_dX, engine.m_dApprox);
        if (!zoomed)
            graph.MapPoints(doc.m_arrX, doc.m_arrY);
        drawCurve(pens.approx, engine.m_dApprox, count);
        if (zoomed)
            dc.ClearClip();
        if (layout)
            *layout = graph.Layout();
        if (options.legend) {
            dc.SelectObject(&graph.m_fontLabel);
            TEXTMETRIC label;
            dc.GetTextMetrics(&label);
            DrawLegend(dc, graph.m_nPlotRight - label.tmMaxCharWidth / 2, graph.m_nPlotTop + label.tmHeight / 2,
                       LegendEntries(fromFile, pens, options), pens.frame);
        }
        graph.RestoreFont();
    }
    if (panel) {
        dc.SelectObject(pens.frame);
        DrawErrorPanel(dc, whole, panelTop, doc, engine, pens, options);
    }
    dc.SelectObject(oldPen);
    return true;
}

}  // namespace spln
