// The result view: runs the view's engine and draws the picture of the results.

#include "app/CSplnView.h"

#include "app/CSplnDoc.h"
#include "app/Engines.h"
#include "engine/CSplineEngine.h"
#include "engine/RunFailure.h"
#include "model/RunResults.h"
#include "plot/ResultPicture.h"

#include <iterator>

namespace {

constexpr unsigned kLastFunctionIndex = 11;

}  // namespace

CSplnView::CSplnView(QWidget* parent) : CView(parent) {}

CSplnView::~CSplnView() = default;

CSplnDoc* CSplnView::GetDocument() const
{
    return dynamic_cast<CSplnDoc*>(CView::GetDocument());
}

void CSplnView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    spln::SetHundredthInchMapping(*pDC);
}

void CSplnView::RedrawKept()
{
    m_bRedrawKept = true;
    update();
}

spln::PlotOptions CSplnView::DrawnOptions() const
{
    spln::PlotOptions options = m_plotOptions;
    const CSplnDoc* doc = GetDocument();
    if (!doc)
        return options;
    for (std::size_t k = 0; k < doc->m_arrKept.size() && k < std::size(m_penKept); ++k) {
        const spln::KeptApproximation& kept = doc->m_arrKept[k];
        if (!kept.shown)
            continue;
        CPen& pen = m_penKept[k];
        if (!pen.IsCreated()) {
            const spln::KeptPen look = spln::KeptPenAt(k);
            pen.CreatePen(look.style, 1, look.colour);
        }
        options.extraCurves.push_back({{spln::DisplayName(kept, doc->AcceptedSettings()), &pen}, kept.approx});
    }
    return options;
}

void CSplnView::SetPlotOptions(const spln::PlotOptions& options)
{
    m_plotOptions = options;
    RedrawKept();
}

void CSplnView::OnUpdate(CView* pSender, long lHint, void* pHint)
{
    m_bRedrawKept = false;
    CView::OnUpdate(pSender, lHint, pHint);
}

void CSplnView::resizeEvent(QResizeEvent* event)
{
    m_bRedrawKept = false;
    CView::resizeEvent(event);
}

void CSplnView::DrawKeptRun(CDC& dc)
{
    CRect client;
    GetClientRect(&client);
    CSplnDocData doc = spln::DocumentForRun(m_shownSettings, *m_pShownEngine);
    spln::DrawResultPicture(dc, client, doc, *m_pShownEngine, m_pens.Pens(), DrawnOptions());
}

void CSplnView::OnDraw(CDC* pDC)
{
    const bool window = !pDC->IsPrinting();
    const bool kept = m_bHasPicture && m_pShownEngine && (!window || m_bRedrawKept);
    if (window)
        m_bRedrawKept = false;
    if (kept) {
        // A page or a second look shows the numbers the window shows.
        DrawKeptRun(*pDC);
        return;
    }
    bool drawn = false;
    CSplnDoc* doc = GetDocument();
    if (doc && static_cast<unsigned>(doc->m_nFuncIndex) <= kLastFunctionIndex && doc->m_bValid != 0) {
        CRect client;
        GetClientRect(&client);
        CSplineEngine& engine = ViewEngine();
        spln::RunForPicture(*doc, engine);
        if (!doc->m_arrX.empty()) {
            if (engine.m_eFailure != spln::RunFailure::None) {
                // The engine kept the results of an earlier run: showing them
                // would pass them off as this run's.
                DrawRunFailure(*pDC, client);
            } else {
                drawn = spln::DrawResultPicture(*pDC, client, *doc, engine, m_pens.Pens(), DrawnOptions());
                if (drawn && window) {
                    if (!m_pShownEngine)
                        m_pShownEngine = std::make_unique<CSplineEngine>();
                    spln::CopyRunOutcome(engine, *m_pShownEngine);
                    m_shownSettings = *doc;
                }
            }
        }
    }
    if (window)
        SetPictureShown(drawn);
}

void CSplnView::SetPictureShown(bool shown)
{
    if (shown == m_bHasPicture)
        return;
    m_bHasPicture = shown;
    emit PictureShownChanged(shown);
}

void CSplnView::DrawRunFailure(CDC& dc, const CRect& client)
{
    CFont font;
    font.CreatePointFont(100, "Arial");
    CFont* oldFont = dc.SelectObject(&font);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);

    const CRect area = spln::LogicalArea(dc, client);
    const int centreX = (area.left + area.right) / 2;
    const int top = area.Height() / 3;

    dc.SetBkMode(TRANSPARENT);
    const unsigned oldAlign = dc.SetTextAlign(TA_CENTER | TA_TOP);
    const COLORREF oldColour = dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(centreX, top, std::string("No result: the run stopped before it could finish."));
    dc.TextOut(centreX, top + 2 * metrics.tmHeight, spln::DescribeRunFailure(ViewEngine()));
    dc.TextOut(centreX, top + 4 * metrics.tmHeight,
               std::string("Correct the file, or choose another source with Spline > Run."));
    dc.SetTextColor(oldColour);
    dc.SetTextAlign(oldAlign);
    dc.SelectObject(oldFont);
}

bool CSplnView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CSplnView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CSplnView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}
