#include "app/CSplnView.h"

#include "app/CSplnDoc.h"
#include "app/Engines.h"
#include "engine/CSplineEngine.h"
#include "engine/RunFailure.h"
#include "plot/ResultPicture.h"

#include <algorithm>

namespace {

constexpr unsigned kLastFunctionIndex = 11;

}  // namespace

CSplnView::CSplnView(QWidget* parent) : CView(parent)
{
    m_penFrame.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_penExact.CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    m_penData.CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
    m_penApprox.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
}

CSplnView::~CSplnView()
{
    m_penApprox.DeleteObject();
    m_penData.DeleteObject();
    m_penExact.DeleteObject();
    m_penFrame.DeleteObject();
}

CSplnDoc* CSplnView::GetDocument() const
{
    return dynamic_cast<CSplnDoc*>(CView::GetDocument());
}

void CSplnView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    SetHundredthInchMapping(*pDC);
}

void CSplnView::OnDraw(CDC* pDC)
{
    CSplnDoc* doc = GetDocument();
    if (!doc) return;
    if (static_cast<unsigned>(doc->m_nFuncIndex) > kLastFunctionIndex || doc->m_bValid == 0) return;

    CRect client;
    GetClientRect(&client);
    CSplineEngine& engine = ViewEngine();
    RunForPicture(*doc, engine);
    if (doc->m_arrX.empty()) return;

    CPen* oldPen = pDC->SelectObject(&m_penFrame);
    if (engine.m_eFailure != spln::RunFailure::None) {
        // The engine kept the results of an earlier run: showing them would
        // pass them off as this run's.
        DrawRunFailure(*pDC, client);
    } else {
        const ResultPens pens{&m_penFrame, &m_penExact, &m_penData, &m_penApprox};
        DrawResultPicture(*pDC, client, *doc, engine, pens);
    }
    pDC->SelectObject(oldPen);
}

void CSplnView::DrawRunFailure(CDC& dc, const CRect& client)
{
    CFont font;
    font.CreatePointFont(100, "Arial");
    CFont* oldFont = dc.SelectObject(&font);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);

    // The client rectangle is in device pixels, the surface in 1/100 inch.
    const int dpiX = std::max(1, dc.GetDeviceCaps(LOGPIXELSX));
    const int dpiY = std::max(1, dc.GetDeviceCaps(LOGPIXELSY));
    const int centreX = (client.left + client.right) / 2 * 100 / dpiX;
    const int top = client.Height() * 100 / dpiY / 3;

    dc.SetBkMode(TRANSPARENT);
    const unsigned oldAlign = dc.SetTextAlign(TA_CENTER | TA_TOP);
    const COLORREF oldColour = dc.SetTextColor(RGB(0, 0, 0));
    dc.TextOut(centreX, top, std::string("No result: the run stopped before it could finish."));
    dc.TextOut(centreX, top + 2 * metrics.tmHeight, DescribeRunFailure(ViewEngine()));
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
