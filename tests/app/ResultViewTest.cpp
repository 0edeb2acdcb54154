// The result view: blank until an accepted Run, the settings copied into the
// view's engine on every paint, the picture in its colours on the screen and
// on a printer-sized page, and the message for a run that could not finish.

#include "app/CSplnDoc.h"
#include "app/CSplnView.h"
#include "app/Engines.h"
#include "engine/RunFailure.h"
#include "platform/RecordingDC.h"
#include "plot/ResultExport.h"
#include "tests/app/AppTestSupport.h"
#include "tests/platform/UiTestSupport.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace spln;

namespace {

class ResultViewTest : public ::testing::Test {
protected:
    ResultViewTest()
    {
        ViewEngine() = DefaultEngine();
        doc.AddView(&view);
        view.resize(640, 480);
    }
    ~ResultViewTest() override { ViewEngine() = DefaultEngine(); }

    // The document as an accepted Run leaves it, with the engine defaults.
    void Accept(int example = 1)
    {
        LoadSettingsFromEngine(DefaultEngine(), doc);
        doc.m_nExample = example;
        doc.m_nFuncIndex = example - 1;
        doc.m_strCaption = doc.m_strCaptions[example - 1];
        doc.m_nCount = 640;
        doc.ResizeArrays(640);
        doc.m_dLength = 2.0;
        doc.m_bValid = 1;
    }

    QImage Shot() { return view.grab().toImage(); }

    CSplnDoc doc;
    CSplnView view;
};

}  // namespace

TEST_F(ResultViewTest, PensHaveTheirColours)
{
    const std::pair<const CPen*, COLORREF> pens[] = {{&view.m_pens.frame, RGB(0, 0, 0)},
                                                     {&view.m_pens.exact, RGB(0, 0, 255)},
                                                     {&view.m_pens.data, RGB(0, 255, 0)},
                                                     {&view.m_pens.approx, RGB(255, 0, 0)}};
    for (const auto& [pen, colour] : pens) {
        EXPECT_TRUE(pen->IsCreated());
        EXPECT_EQ(pen->Colour(), colour);
        EXPECT_EQ(pen->Style(), PS_SOLID);
        EXPECT_EQ(pen->Width(), 1);
    }
}

TEST_F(ResultViewTest, BlankBeforeTheFirstAcceptedRun)
{
    const ColourCounts counts = CountColours(Shot());
    EXPECT_EQ(counts.green + counts.blue + counts.red + counts.other, 0);
    EXPECT_EQ(ViewEngine().m_nResultCount, DefaultEngine().m_nResultCount) << "nothing was run";
}

TEST_F(ResultViewTest, BlankWhileNotValidOrWithEmptyArrays)
{
    Accept();
    doc.m_bValid = 0;
    EXPECT_EQ(CountColours(Shot()).other, 0);

    doc.m_bValid = 1;
    doc.DeleteContents();  // as after opening a file
    const ColourCounts counts = CountColours(Shot());
    EXPECT_EQ(counts.green + counts.blue + counts.red + counts.other, 0);
    EXPECT_TRUE(doc.m_arrX.empty()) << "nothing is written into empty arrays";
}

TEST_F(ResultViewTest, FunctionIndexBeyondTheTableDrawsNothing)
{
    Accept();
    doc.m_nFuncIndex = -1;
    EXPECT_EQ(CountColours(Shot()).other, 0);
}

TEST_F(ResultViewTest, BuiltInFunctionShowsDataExactAndApproximation)
{
    Accept(7);
    doc.m_dAmplitude = 0.1;  // noise lifts the green data off the blue exact curve
    const ColourCounts counts = CountColours(Shot());
    EXPECT_GT(counts.green, 50);
    EXPECT_GT(counts.blue, 50);
    EXPECT_GT(counts.red, 50);
    EXPECT_GT(counts.other, 50) << "grid and labels";
    EXPECT_EQ(doc.m_nCount, ViewEngine().m_nPoints);
}

TEST_F(ResultViewTest, EveryPaintCopiesTheSettingsWithTheViewsMapping)
{
    Accept();
    const std::pair<int, int> types[] = {{1, 1}, {2, 2}, {3, 4}, {4, 3}};
    for (const auto& [chosen, engineType] : types) {
        doc.m_nSchwarzType = chosen;
        Shot();
        EXPECT_EQ(ViewEngine().m_nSchwarzType, engineType) << chosen;
        EXPECT_EQ(doc.m_nSchwarzType, chosen);
    }
    EXPECT_EQ(ViewEngine().m_nMethod, 1);
    doc.m_nMethod = 1;
    doc.m_nWindow = 7;
    doc.m_nFileLength = 2000;
    Shot();
    EXPECT_EQ(ViewEngine().m_nMethod, 2);
    EXPECT_EQ(ViewEngine().m_nWindow, 7);
    EXPECT_EQ(ViewEngine().m_nSamples, 2000);
}

TEST_F(ResultViewTest, MissingSampleFileShowsAMessageInsteadOfCurves)
{
    QTemporaryDir dir;
    const std::string missing = dir.filePath("sig.dat").toStdString();
    doc.m_strDataPath = missing;  // the view's runs read the document's data file
    Accept();
    Shot();  // a good run first: its curves must not be shown again
    doc.m_nSource = 1;

    RecordingDC dc;
    view.OnPrepareDC(&dc);
    view.OnDraw(&dc);
    ASSERT_NE(ViewEngine().m_eFailure, spln::RunFailure::None);
    EXPECT_TRUE(dc.CallsOf(DCCall::LineTo).empty()) << "no grid, no curves";
    bool named = false;
    for (const RecordedCall& call : dc.CallsOf(DCCall::TextOut)) {
        if (call.text == spln::DescribeRunFailure(ViewEngine()) && call.text.find(missing) != std::string::npos)
            named = true;
    }
    EXPECT_TRUE(named) << "the message names the file and the reason";
    EXPECT_EQ(dc.CurrentPen(), nullptr) << "the surface's pen is put back";
    EXPECT_EQ(dc.CurrentFont(), nullptr) << "the surface's font is put back";

    const ColourCounts counts = CountColours(Shot());
    EXPECT_EQ(counts.green + counts.blue + counts.red, 0);
    EXPECT_GT(counts.other, 0) << "the message is visible";
}

TEST_F(ResultViewTest, PrintedPageShowsTheSamePicture)
{
    Accept(2);
    doc.m_dAmplitude = 0.1;
    QImage page = LetterPage(300);
    CPrintInfo info;
    ASSERT_EQ(view.PrintPages(page, info), 1);
    const ColourCounts counts = CountColours(page);
    EXPECT_GT(counts.green, 200);
    EXPECT_GT(counts.blue, 200);
    EXPECT_GT(counts.red, 200);
}

namespace {

// A printer page as the print preview records it: a QPicture that reports a
// letter page at 1200 dpi, later replayed on the screen at the preview's zoom.
class RecordedPrinterPage : public QPicture {
public:
    static constexpr int kDpi = 1200;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        if (metric == PdmWidth)
            return 17 * kDpi / 2;
        if (metric == PdmHeight)
            return 11 * kDpi;
        if (metric == PdmDpiX || metric == PdmDpiY || metric == PdmPhysicalDpiX || metric == PdmPhysicalDpiY)
            return kDpi;
        return QPicture::metric(metric);
    }
};

// The share of dark pixels in a rectangle of an image.
double DarkShare(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                ++dark;
        }
    }
    return static_cast<double>(dark) / (area.width() * area.height());
}

}  // namespace

TEST_F(ResultViewTest, PreviewedPageKeepsThinPensAtEveryZoom)
{
    Accept(1);
    RecordedPrinterPage page;
    CPrintInfo info;
    info.m_bPreview = true;
    ASSERT_EQ(view.PrintPages(page, info), 1);

    for (const double zoom : {0.1, 0.25}) {
        SCOPED_TRACE(zoom);
        const double dots = RecordedPrinterPage::kDpi * zoom;
        QImage screen(static_cast<int>(8.5 * dots), static_cast<int>(11 * dots), QImage::Format_RGB32);
        screen.fill(Qt::white);
        QPainter painter(&screen);
        painter.scale(zoom, zoom);
        page.play(&painter);
        painter.end();
        // The middle of the grid, well inside the frame's margins, of a picture
        // as large on paper as the 640 x 480 window is on the screen.
        const double w = 640.0 / view.logicalDpiX() * dots;
        const double h = 480.0 / view.logicalDpiY() * dots;
        const QRect inside(static_cast<int>(w * 0.2), static_cast<int>(h * 0.2), static_cast<int>(w * 0.6),
                           static_cast<int>(h * 0.6));
        const double share = DarkShare(screen, inside);
        EXPECT_LT(share, 0.15) << "grid lines and curves stay thin";
        EXPECT_GT(share, 0.002) << "the grid is there";
    }
}

namespace {

// The report line a surface received, empty when none.
std::string DrawnReport(const RecordingDC& dc)
{
    for (const RecordedCall& call : dc.CallsOf(DCCall::TextOut)) {
        if (call.text.rfind("left board error", 0) == 0)
            return call.text;
    }
    return {};
}

}  // namespace

TEST_F(ResultViewTest, PagesAndSecondLooksShowTheNumbersOfTheWindow)
{
    Accept(2);
    doc.m_dAmplitude = 0.1;  // every run draws new noise
    Shot();
    ASSERT_TRUE(view.HasPicture());
    const std::string shown(view.ShownEngine().m_szReport);
    const std::vector<double> shownData(view.ShownEngine().m_dData, view.ShownEngine().m_dData + 640);

    struct Look {
        const char* what;
        bool printing;
    };
    for (const Look look : {Look{"printed or previewed page", true}, Look{"redraw of the kept run", false}}) {
        SCOPED_TRACE(look.what);
        RecordingDC dc;
        dc.SetPrinting(look.printing);
        if (!look.printing)
            view.RedrawKept();
        view.OnPrepareDC(&dc);
        view.OnDraw(&dc);
        EXPECT_EQ(DrawnReport(dc), shown);
    }
    QByteArray svg;
    ASSERT_TRUE(
        EncodeResultPicture(view.ShownSettings(), view.ShownEngine(), PictureFormat::Svg, 640, 480, &svg, nullptr));
    EXPECT_TRUE(svg.contains(QByteArray::fromStdString(shown))) << "the export carries the window's errors";
    EXPECT_TRUE(std::equal(shownData.begin(), shownData.end(), view.ShownEngine().m_dData));

    // Any other repaint runs again and shows new noise.
    RecordingDC again;
    view.OnPrepareDC(&again);
    view.OnDraw(&again);
    EXPECT_NE(DrawnReport(again), shown);
    EXPECT_EQ(std::string(view.ShownEngine().m_szReport), DrawnReport(again));
}

TEST_F(ResultViewTest, ZoomToARangeAndBackGivesTheOriginalPictureAndTheNumbersUnderTheMouse)
{
    Accept(7);
    doc.m_dAmplitude = 0.05;
    const QImage whole = Shot();
    ASSERT_TRUE(view.HasPicture());
    view.ZoomTo(-0.6, -0.4);
    const QImage zoomed = Shot();
    EXPECT_NE(zoomed, whole);
    EXPECT_DOUBLE_EQ(view.ShownRange().low, -0.6);
    EXPECT_GT(CountColours(zoomed).red, 100) << "the curves fill the zoomed grid";
    view.PanBy(0.5);
    EXPECT_NEAR(view.ShownRange().low, -0.5, 1e-12);
    view.ResetZoom();
    EXPECT_EQ(Shot(), whole) << "the kept run drawn whole is the window's picture to the pixel";

    // The point nearest the mouse and its numbers, as the run computed them.
    const int point = view.NearestPoint(QPoint(320, 240));
    ASSERT_GE(point, 0);
    const CSplineEngine& shown = view.ShownEngine();
    for (int other : {point - 1, point + 1})
        EXPECT_LE(std::fabs(shown.m_dX[point] - shown.m_dX[0] - (shown.m_dX[other] - shown.m_dX[0])), 0.01);
    const QString text = view.PointText(point);
    EXPECT_TRUE(text.contains(QString::number(shown.m_dApprox[point] - shown.m_dExact[point], 'g', 8)))
        << text.toStdString();
    EXPECT_TRUE(text.startsWith("x = " + QString::number(shown.m_dX[point], 'g', 8)));
}
