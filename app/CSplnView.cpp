// The result view: runs the view's engine and draws the picture of the results.

#include "app/CSplnView.h"

#include "app/CSplnDoc.h"
#include "app/Engines.h"
#include "app/ResultCommands.h"
#include "engine/BoundedText.h"
#include "engine/CSplineEngine.h"
#include "engine/RunFailure.h"
#include "model/RunResults.h"
#include "plot/ResultPicture.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr unsigned kLastFunctionIndex = 11;

// One notch of the wheel, and + or -, zoom by this factor; an arrow key pans
// by this share of the range shown; a drag shorter than this many pixels is
// a click.
constexpr double kZoomStep = 0.8;
constexpr double kPanShare = 0.1;
constexpr int kDragThreshold = 4;

}  // namespace

CSplnView::CSplnView(QWidget* parent) : CView(parent)
{
    // The crosshair follows the mouse without a button held; the keys pan and zoom.
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

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
    options.titleDataFile = doc->m_strDataPath;
    for (std::size_t k = 0; k < doc->m_arrKept.size() && k < static_cast<std::size_t>(spln::kMaxKept); ++k) {
        const spln::KeptApproximation& kept = doc->m_arrKept[k];
        if (kept.shown)
            options.extraCurves.push_back(
                spln::KeptCurve(kept, spln::DisplayName(kept, doc->AcceptedSettings()), k, m_penKept));
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

void CSplnView::DrawKeptRun(CDC& dc)
{
    CRect client;
    GetClientRect(&client);
    const spln::PlotOptions options = DrawnOptions();
    CSplnDocData doc = spln::DocumentForRun(m_shownSettings, *m_pShownEngine, options);
    spln::DrawResultPicture(dc, client, doc, *m_pShownEngine, m_pens.Pens(), options,
                            dc.IsPrinting() ? nullptr : &m_layout);
}

void CSplnView::OnDraw(CDC* pDC)
{
    const bool window = !pDC->IsPrinting();
    const bool kept = m_bHasPicture && m_pShownEngine && (!window || (m_bRedrawKept && size() == m_keptSize));
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
        spln::CopyBoundedText(engine.m_szDataPath, spln::kPathSize, doc->m_strDataPath.c_str());
        spln::RunForPicture(*doc, engine);
        if (!doc->m_arrX.empty()) {
            if (engine.m_eFailure != spln::RunFailure::None) {
                // The engine kept the results of an earlier run: showing them
                // would pass them off as this run's.
                DrawRunFailure(*pDC, client);
            } else {
                drawn = spln::DrawResultPicture(*pDC, client, *doc, engine, m_pens.Pens(), DrawnOptions(),
                                                window ? &m_layout : nullptr);
                if (drawn && window) {
                    if (!m_pShownEngine)
                        m_pShownEngine = std::make_unique<CSplineEngine>();
                    spln::CopyRunOutcome(engine, *m_pShownEngine);
                    m_shownSettings = *doc;
                    m_keptSize = size();
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

double CSplnView::ValueAt(int pixelX) const
{
    const double logical = pixelX * 100.0 / std::max(1, logicalDpiX());
    if (m_layout.right == m_layout.left)
        return m_layout.xLeft;
    return m_layout.xLeft +
           (logical - m_layout.left) * (m_layout.xRight - m_layout.xLeft) / (m_layout.right - m_layout.left);
}

spln::XRange CSplnView::ShownRange() const
{
    if (!m_plotOptions.zoom.Whole())
        return m_plotOptions.zoom;
    return {m_layout.xLeft, m_layout.xRight};
}

void CSplnView::SetZoom(const spln::XRange& zoom)
{
    m_plotOptions.zoom = zoom;
    RedrawKept();
}

void CSplnView::ZoomBy(double factor, double centreX)
{
    if (!m_bHasPicture || !m_layout.valid)
        return;
    SetZoom(spln::ZoomedAround(ShownRange(), centreX, factor));
}

void CSplnView::ZoomTo(double low, double high)
{
    if (!m_bHasPicture || !(high > low))
        return;
    SetZoom(spln::ZoomedAround({low, high}, (low + high) / 2, 1.0));
}

void CSplnView::PanBy(double share)
{
    if (!m_bHasPicture || !m_layout.valid)
        return;
    const spln::XRange range = ShownRange();
    SetZoom(spln::Panned(range, share * (range.high - range.low)));
}

void CSplnView::ResetZoom()
{
    SetZoom({});
}

int CSplnView::NearestPoint(QPoint position) const
{
    if (!m_bHasPicture || !m_pShownEngine || !m_layout.valid)
        return -1;
    const CSplineEngine& engine = *m_pShownEngine;
    const int count = std::clamp(engine.m_nResultCount, 0, spln::kMaxSamples);
    const double x = ValueAt(position.x());
    int nearest = -1;
    double distance = 0.0;
    for (int i = 0; i < count; ++i) {
        const double d = std::fabs(engine.m_dX[i] - x);
        if (nearest < 0 || d < distance) {
            nearest = i;
            distance = d;
        }
    }
    return nearest;
}

QString CSplnView::PointText(int point) const
{
    if (!m_pShownEngine || point < 0 || point >= std::min(m_pShownEngine->m_nResultCount, spln::kMaxSamples))
        return {};
    const CSplineEngine& e = *m_pShownEngine;
    const auto number = [](double value) { return QString::number(value, 'g', 8); };
    if (m_shownSettings.m_nSource == spln::kSourceFile)
        return QStringLiteral("x = %1    data = %2    approximation = %3    error = %4")
            .arg(number(e.m_dX[point]), number(e.m_dData[point]), number(e.m_dApprox[point]),
                 number(e.m_dApprox[point] - e.m_dData[point]));
    return QStringLiteral("x = %1    data = %2    exact = %3    approximation = %4    error = %5")
        .arg(number(e.m_dX[point]), number(e.m_dData[point]), number(e.m_dExact[point]), number(e.m_dApprox[point]),
             number(e.m_dApprox[point] - e.m_dExact[point]));
}

void CSplnView::SetCrosshair(int point)
{
    if (point == m_nCrosshair)
        return;
    m_nCrosshair = point;
    emit PointTextChanged(PointText(point));
    RedrawKept();
}

void CSplnView::paintEvent(QPaintEvent* event)
{
    CView::paintEvent(event);
    if (!m_bHasPicture || !m_layout.valid || m_nCrosshair < 0 || !m_pShownEngine ||
        m_nCrosshair >= std::min(m_pShownEngine->m_nResultCount, spln::kMaxSamples))
        return;
    // The crosshair is the window's alone: prints and exports leave it out.
    const double toPixelsX = logicalDpiX() / 100.0;
    const double toPixelsY = logicalDpiY() / 100.0;
    const spln::PlotLayout& l = m_layout;
    const double x = m_pShownEngine->m_dX[m_nCrosshair];
    const double y = m_pShownEngine->m_dApprox[m_nCrosshair];
    const double px = (l.left + (x - l.xLeft) * (l.right - l.left) / (l.xRight - l.xLeft)) * toPixelsX;
    const double py = (l.top + (l.yTop - y) * (l.bottom - l.top) / (l.yTop - l.yBottom)) * toPixelsY;
    QPainter painter(this);
    painter.setPen(QPen(QColor(90, 90, 90), 0, Qt::DashLine));
    painter.drawLine(QPointF(px, l.top * toPixelsY), QPointF(px, l.bottom * toPixelsY));
    painter.drawLine(QPointF(l.left * toPixelsX, py), QPointF(l.right * toPixelsX, py));
    painter.setPen(QPen(QColor(90, 90, 90), 0));
    painter.drawEllipse(QPointF(px, py), 3.0, 3.0);
}

void CSplnView::wheelEvent(QWheelEvent* event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0 || !m_bHasPicture) {
        CView::wheelEvent(event);
        return;
    }
    ZoomBy(std::pow(kZoomStep, notches), ValueAt(static_cast<int>(event->position().x())));
    event->accept();
}

void CSplnView::mousePressEvent(QMouseEvent* event)
{
    if (!m_bHasPicture || m_dragButton != Qt::NoButton) {
        CView::mousePressEvent(event);
        return;
    }
    m_dragButton = event->button();
    m_dragStart = event->position().toPoint();
    m_bDragMoved = false;
    m_dragRange = ShownRange();
    event->accept();
}

void CSplnView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (m_dragButton != Qt::NoButton && (position - m_dragStart).manhattanLength() >= kDragThreshold)
        m_bDragMoved = true;
    if (m_dragButton == Qt::LeftButton && m_bDragMoved) {
        if (!m_pRubberBand)
            m_pRubberBand = new QRubberBand(QRubberBand::Rectangle, this);
        m_pRubberBand->setGeometry(QRect(m_dragStart, position).normalized());
        m_pRubberBand->show();
    } else if ((m_dragButton == Qt::RightButton || m_dragButton == Qt::MiddleButton) && m_bDragMoved &&
               m_layout.valid) {
        // The value under the mouse stays under it.
        const double moved = ValueAt(m_dragStart.x()) - ValueAt(position.x());
        m_plotOptions.zoom = m_dragRange;
        SetZoom(spln::Panned(m_dragRange, moved));
    }
    SetCrosshair(NearestPoint(position));
    CView::mouseMoveEvent(event);
}

void CSplnView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != m_dragButton) {
        CView::mouseReleaseEvent(event);
        return;
    }
    const QPoint position = event->position().toPoint();
    if (m_dragButton == Qt::LeftButton && m_bDragMoved) {
        m_pRubberBand->hide();
        const double a = ValueAt(m_dragStart.x());
        const double b = ValueAt(position.x());
        ZoomTo(std::min(a, b), std::max(a, b));
    } else if (m_dragButton == Qt::RightButton && !m_bDragMoved) {
        m_dragButton = Qt::NoButton;
        ShowContextMenu(event->globalPosition().toPoint());
        return;
    }
    m_dragButton = Qt::NoButton;
    event->accept();
}

void CSplnView::leaveEvent(QEvent* event)
{
    SetCrosshair(-1);
    CView::leaveEvent(event);
}

void CSplnView::keyPressEvent(QKeyEvent* event)
{
    const spln::XRange range = ShownRange();
    switch (event->key()) {
    case Qt::Key_Left:
        PanBy(-kPanShare);
        break;
    case Qt::Key_Right:
        PanBy(kPanShare);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ZoomBy(kZoomStep, (range.low + range.high) / 2);
        break;
    case Qt::Key_Minus:
        ZoomBy(1.0 / kZoomStep, (range.low + range.high) / 2);
        break;
    case Qt::Key_Home:
        ResetZoom();
        break;
    default:
        CView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CSplnView::ShowContextMenu(QPoint globalPosition)
{
    if (!m_bHasPicture)
        return;
    const int point = NearestPoint(mapFromGlobal(globalPosition));
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("&Copy Point"));
    copy->setEnabled(point >= 0);
    QAction* reset = menu.addAction(QStringLiteral("&Reset Zoom"));
    reset->setEnabled(!m_plotOptions.zoom.Whole());
    QAction* exportPicture = menu.addAction(QStringLiteral("&Export Picture..."));
    QAction* chosen = menu.exec(globalPosition);
    if (chosen == copy)
        QApplication::clipboard()->setText(PointText(point));
    else if (chosen == reset)
        ResetZoom();
    else if (chosen == exportPicture)
        spln::ExportPicture(*this);
}
