#pragma once

// A view of a document: a widget that paints through a CDC (OnPrepareDC then
// OnDraw) and prints or previews the same picture as one page.

#include "platform/CDC.h"
#include "platform/CPrintInfo.h"

#include <QWidget>

class CDocument;
class QPaintDevice;
class QPrinter;

// The printer that Print, Print Preview and Print Setup share for the whole
// program, so that a choice made in Print Setup holds for the next print.
QPrinter& AppPrinter();

class CView : public QWidget {
    Q_OBJECT

public:
    explicit CView(QWidget* parent = nullptr);
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // Draws the view's picture; the surface is already prepared by OnPrepareDC.
    virtual void OnDraw(CDC* pDC) = 0;

    // Prepares the surface before OnDraw. While printing, the base ends the
    // job after page 1 unless a page count has been set.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

    // Printing steps. OnPreparePrinting returns false to cancel the job; the
    // base returns DoPreparePrinting, which asks with the standard print
    // dialog (not for preview or direct printing).
    virtual bool OnPreparePrinting(CPrintInfo* pInfo);
    bool DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Draws one printed page; the base calls OnDraw.
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);

    // Called by CDocument::UpdateAllViews; the base repaints the whole view.
    virtual void OnUpdate(CView* pSender, long lHint, void* pHint);

    // File > Print (with the print dialog), printing without the dialog, and
    // File > Print Preview.
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();

    // Draws the pages of a print job onto device, as the printer would get
    // them: OnPrepareDC then OnPrint for each page until OnPrepareDC ends the
    // job. Returns the number of pages drawn.
    int PrintPages(QPaintDevice& device, CPrintInfo& info);

    // The view's client area in pixels, left and top 0. While a page is
    // printed: the same area in the printer's pixels, as large on paper as the
    // window is on the screen, shrunk (keeping its shape) to fit the page.
    void GetClientRect(CRect* rect) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class CDocument;
    void RunPrintJob(CPrintInfo& info);

    CDocument* m_pDocument = nullptr;
    QPaintDevice* m_pPrintDevice = nullptr;  // the page being printed, if any
};
