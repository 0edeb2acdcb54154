#pragma once

// State of one print job or print preview, shared by the view's printing
// steps (OnPreparePrinting, OnBeginPrinting, OnPrepareDC, OnDraw, OnEndPrinting).

class QPrinter;

struct CPrintInfo {
    QPrinter* m_pPrinter = nullptr;  // the printer the job goes to (or previews)
    bool m_bPreview = false;         // drawing into print preview
    bool m_bDirect = false;          // print without asking (no print dialog)
    unsigned m_nCurPage = 1;         // page being drawn, 1-based
    unsigned m_nMinPage = 1;
    unsigned m_nMaxPage = 0;          // 0: the page count is not known
    bool m_bContinuePrinting = true;  // cleared by OnPrepareDC after the last page

    void SetMaxPage(unsigned page) { m_nMaxPage = page; }
};
