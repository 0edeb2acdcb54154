#pragma once

// The result view: a paint runs the view's engine with the document's
// settings and draws data, exact function, report line and approximation; the
// view keeps that run, and what only looks at it again (a print, a preview, a
// redraw asked for with RedrawKept) draws the kept run.

#include "model/SplnSettings.h"
#include "platform/CDC.h"
#include "platform/CView.h"
#include "plot/ResultPicture.h"

#include <QPoint>
#include <QSize>

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
    // (not a message), until a paint draws none. Exports, Copy, printed and
    // previewed pages take the settings and the engine's numbers of that paint
    // from ShownSettings and ShownEngine, since a paint for any other reason
    // runs again and a noisy function then draws new noise.
    bool HasPicture() const { return m_bHasPicture; }
    const CSplnSettings& ShownSettings() const { return m_shownSettings; }
    CSplineEngine& ShownEngine() const { return *m_pShownEngine; }

    // Repaints the window from the kept run, without running the engine:
    // for what changes only the look of the picture. Without a picture shown
    // it is an ordinary repaint. A document update before the paint, or a
    // window size other than the one the run was drawn at, makes it an
    // ordinary one again.
    void RedrawKept();

    // The looks of the picture in the window, its prints and its exports.
    // Changing them redraws the kept run.
    const spln::PlotOptions& PlotOptions() const { return m_plotOptions; }
    void SetPlotOptions(const spln::PlotOptions& options);
    // The looks with the document's shown kept approximations added as
    // further curves, each with its legend entry: what is drawn and exported.
    spln::PlotOptions DrawnOptions() const;

    // Zoom and pan of the x axis, for both the plot and the error panel:
    // factor below 1 zooms in around the value at centreX; PanBy moves by a
    // share of the range shown; ResetZoom shows the whole run again.
    void ZoomBy(double factor, double centreX);
    void ZoomTo(double low, double high);
    void PanBy(double share);
    void ResetZoom();
    // The x range shown now: the zoom, or the whole axis of the last paint.
    spln::XRange ShownRange() const;

    // The output point under the crosshair (-1: none) and the status text of
    // a point: x, data, exact function, approximation and error.
    int CrosshairPoint() const { return m_nCrosshair; }
    QString PointText(int point) const;
    // The output point nearest to a position in the window; -1 without a picture.
    int NearestPoint(QPoint position) const;

    // A change of the document repaints with a new run.
    void OnUpdate(CView* pSender, long lHint, void* pHint) override;

    spln::ResultPenSet m_pens;

signals:
    // A picture appeared in the window or went away.
    void PictureShownChanged(bool shown);
    // The numbers under the mouse changed; empty when it left the picture.
    void PointTextChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetPictureShown(bool shown);
    void SetZoom(const spln::XRange& zoom);
    void SetCrosshair(int point);
    // The x value at a window position, by the layout of the last paint.
    double ValueAt(int pixelX) const;
    // Copy Point, Reset Zoom and Export Picture at a position on the screen.
    void ShowContextMenu(QPoint globalPosition);
    // Draws the kept run into the client area of the surface.
    void DrawKeptRun(CDC& dc);

    bool m_bHasPicture = false;
    bool m_bRedrawKept = false;  // the next window paint draws the kept run
    QSize m_keptSize;            // the window's size when the kept run was drawn
    spln::PlotOptions m_plotOptions;
    spln::PlotLayout m_layout;  // logical units, as the last window paint laid the plot out
    int m_nCrosshair = -1;
    // A drag in progress: its button, where it began and, for a pan, the
    // range when it began.
    Qt::MouseButton m_dragButton = Qt::NoButton;
    QPoint m_dragStart;
    bool m_bDragMoved = false;
    spln::XRange m_dragRange;
    class QRubberBand* m_pRubberBand = nullptr;
    mutable spln::KeptPenSet m_penKept;  // the pen of each kept approximation, by position
    CSplnSettings m_shownSettings;
    std::unique_ptr<CSplineEngine> m_pShownEngine;

    // Instead of the plot: the run stopped early; says which file and why.
    void DrawRunFailure(CDC& dc, const CRect& client);
};
