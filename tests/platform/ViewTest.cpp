// The view base: painting through OnPrepareDC and OnDraw, and printing the
// same picture onto a page-sized surface.

#include "platform/CView.h"
#include "tests/platform/UiTestSupport.h"

#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Draws a red diagonal across its client area in 1/100 inch and records
// what each step saw.
class DiagonalView : public CView {
public:
    DiagonalView() { m_pen.CreatePen(PS_SOLID, 1, RGB(255, 0, 0)); }

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override
    {
        CView::OnPrepareDC(pDC, pInfo);
        m_steps.push_back(pInfo ? "prepare-print" : "prepare");
        pDC->SetMapMode(MM_ANISOTROPIC);
        pDC->SetWindowExt(100, 100);
        pDC->SetViewportExt(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
    }

    void OnDraw(CDC* pDC) override
    {
        m_steps.push_back(pDC->IsPrinting() ? "draw-print" : "draw");
        GetClientRect(&m_client);
        const int dpiX = pDC->GetDeviceCaps(LOGPIXELSX);
        const int dpiY = pDC->GetDeviceCaps(LOGPIXELSY);
        CPen* old = pDC->SelectObject(&m_pen);
        pDC->MoveTo(0, 0);
        pDC->LineTo(m_client.right * 100 / dpiX, m_client.bottom * 100 / dpiY);
        pDC->SelectObject(old);
    }

    CPen m_pen;
    CRect m_client;
    std::vector<std::string> m_steps;
};

}  // namespace

TEST(View, PaintingPreparesThenDrawsOnTheWindow)
{
    DiagonalView view;
    view.resize(300, 200);
    const QImage shot = view.grab().toImage();
    EXPECT_EQ(view.m_steps, (std::vector<std::string>{"prepare", "draw"}));
    EXPECT_EQ(view.m_client.Width(), 300);
    EXPECT_EQ(view.m_client.Height(), 200);
    EXPECT_GT(CountColours(shot).red, 100);
}

TEST(View, PrintingDrawsOnePageAsLargeAsTheWindowOnTheScreen)
{
    DiagonalView view;
    view.resize(600, 400);
    QImage page = LetterPage(300);
    CPrintInfo info;
    EXPECT_EQ(view.PrintPages(page, info), 1);
    EXPECT_EQ(view.m_steps, (std::vector<std::string>{"prepare-print", "draw-print", "prepare-print"}));
    EXPECT_EQ(view.m_client.Width(), 600 * 300 / view.logicalDpiX());
    EXPECT_EQ(view.m_client.Height(), 400 * 300 / view.logicalDpiY());
    // The diagonal runs from the page's top left to the picture's bottom right.
    EXPECT_EQ(page.pixelColor(2, 2), QColor(255, 0, 0));
    EXPECT_EQ(page.pixelColor(view.m_client.Width() / 2, view.m_client.Height() / 2), QColor(255, 0, 0));
    EXPECT_EQ(page.pixelColor(page.width() - 3, page.height() - 3), QColor(Qt::white));
}

TEST(View, AWindowLargerThanThePageIsShrunkToFitKeepingItsShape)
{
    DiagonalView view;
    view.resize(2000, 1000);
    QImage page = LetterPage(100);
    CPrintInfo info;
    ASSERT_EQ(view.PrintPages(page, info), 1);
    EXPECT_LE(view.m_client.Width(), page.width());
    EXPECT_LE(view.m_client.Height(), page.height());
    EXPECT_GE(view.m_client.Width(), page.width() - 1);
    EXPECT_NEAR(static_cast<double>(view.m_client.Width()) / view.m_client.Height(), 2.0, 0.01);
}

TEST(View, AKnownPageCountPrintsEveryPage)
{
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("pages.pdf"));
    DiagonalView view;
    view.resize(300, 200);
    CPrintInfo info;
    info.SetMaxPage(3);
    EXPECT_EQ(view.PrintPages(pdf, info), 3);
    EXPECT_EQ(std::count(view.m_steps.begin(), view.m_steps.end(), "draw-print"), 3);
}
