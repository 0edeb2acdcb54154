// The view of the document/view layer: painting, printing and print preview.

#include "platform/CView.h"

#include "platform/CDocument.h"
#include "platform/MessageBox.h"
#include "platform/QtDC.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

QPrinter& AppPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

CView::CView(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

void CView::OnPrepareDC(CDC* /*pDC*/, CPrintInfo* pInfo)
{
    // Without a known page count a job is one page long.
    if (pInfo)
        pInfo->m_bContinuePrinting = pInfo->m_nMaxPage != 0 || pInfo->m_nCurPage == 1;
}

bool CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

bool CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    if (!pInfo->m_pPrinter)
        pInfo->m_pPrinter = &AppPrinter();
    if (pInfo->m_bPreview || pInfo->m_bDirect)
        return true;
    QPrintDialog dialog(pInfo->m_pPrinter, this);
    return dialog.exec() == QDialog::Accepted;
}

void CView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CView::OnPrint(CDC* pDC, CPrintInfo* /*pInfo*/)
{
    OnDraw(pDC);
}

void CView::OnUpdate(CView* /*pSender*/, long /*lHint*/, void* /*pHint*/)
{
    update();
}

void CView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    spln::QtDC dc(painter);
    OnPrepareDC(&dc, nullptr);
    OnDraw(&dc);
}

void CView::GetClientRect(CRect* rect) const
{
    if (!m_pPrintDevice) {
        *rect = CRect{0, 0, width(), height()};
        return;
    }
    const QPaintDevice& page = *m_pPrintDevice;
    const double w = static_cast<double>(width()) * page.logicalDpiX() / std::max(1, logicalDpiX());
    const double h = static_cast<double>(height()) * page.logicalDpiY() / std::max(1, logicalDpiY());
    const double shrink = std::min({1.0, page.width() / std::max(w, 1.0), page.height() / std::max(h, 1.0)});
    *rect = CRect{0, 0, static_cast<int>(w * shrink), static_cast<int>(h * shrink)};
}

int CView::PrintPages(QPaintDevice& device, CPrintInfo& info)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        AfxMessageBox(QStringLiteral("Cannot print: the printer could not be started."));
        return 0;
    }
    spln::QtDC dc(painter, true);
    m_pPrintDevice = &device;
    OnBeginPrinting(&dc, &info);
    int pages = 0;
    for (info.m_nCurPage = info.m_nMinPage; info.m_nMaxPage == 0 || info.m_nCurPage <= info.m_nMaxPage;
         ++info.m_nCurPage) {
        info.m_bContinuePrinting = true;
        OnPrepareDC(&dc, &info);
        if (!info.m_bContinuePrinting)
            break;
        if (pages > 0) {
            if (auto* paged = dynamic_cast<QPagedPaintDevice*>(&device))
                paged->newPage();
        }
        OnPrint(&dc, &info);
        ++pages;
    }
    OnEndPrinting(&dc, &info);
    m_pPrintDevice = nullptr;
    painter.end();
    return pages;
}

void CView::RunPrintJob(CPrintInfo& info)
{
    if (!OnPreparePrinting(&info))
        return;
    PrintPages(*info.m_pPrinter, info);
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    RunPrintJob(info);
}

void CView::OnFilePrintDirect()
{
    CPrintInfo info;
    info.m_bDirect = true;
    RunPrintJob(info);
}

void CView::OnFilePrintPreview()
{
    CPrintInfo info;
    info.m_bPreview = true;
    if (!OnPreparePrinting(&info))
        return;
    QPrintPreviewDialog preview(info.m_pPrinter, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        CPrintInfo page;
        page.m_bPreview = true;
        page.m_pPrinter = printer;
        PrintPages(*printer, page);
    });
    preview.exec();
}
