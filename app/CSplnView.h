#pragma once

// The result view: every paint runs the view's engine with the document's
// settings and draws data, exact function, report line and approximation.

#include "platform/CDC.h"
#include "platform/CView.h"
#include "plot/ResultPicture.h"

class CSplnDoc;

class CSplnView : public CView {
    Q_OBJECT

public:
    explicit CSplnView(QWidget* parent = nullptr);
    ~CSplnView() override;

    CSplnDoc* GetDocument() const;

    void OnDraw(CDC* pDC) override;
    // One logical unit is 1/100 inch on the device, y downwards.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    bool OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    ResultPenSet m_pens;

private:
    // Instead of the plot: the run stopped early; says which file and why.
    void DrawRunFailure(CDC& dc, const CRect& client);
};
