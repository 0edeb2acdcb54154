#pragma once

// The result view: every paint runs the view's engine with the document's
// settings and draws data, exact function, report line and approximation.

#include "model/SplnSettings.h"
#include "platform/CDC.h"
#include "platform/CView.h"
#include "plot/ResultPicture.h"

#include <memory>

class CSplineEngine;
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

    // The picture now in the window: true once a paint has drawn a result
    // (not a message), until a paint draws none. Exports and Copy take the
    // settings and the engine's numbers of that paint from ShownSettings and
    // ShownEngine, since every paint, and every printed page, runs again and a
    // noisy function then draws new noise.
    bool HasPicture() const { return m_bHasPicture; }
    const CSplnSettings& ShownSettings() const { return m_shownSettings; }
    CSplineEngine& ShownEngine() const { return *m_pShownEngine; }

    spln::ResultPenSet m_pens;

signals:
    // A picture appeared in the window or went away.
    void PictureShownChanged(bool shown);

private:
    void SetPictureShown(bool shown);

    bool m_bHasPicture = false;
    CSplnSettings m_shownSettings;
    std::unique_ptr<CSplineEngine> m_pShownEngine;

    // Instead of the plot: the run stopped early; says which file and why.
    void DrawRunFailure(CDC& dc, const CRect& client);
};
