// The result picture on the recording surface: order and colours of the
// curves, title, report line, the area in logical units, and what the surface
// and the document hold afterwards.

#include "GraphTestSupport.h"
#include "engine/CSplineEngine.h"
#include "model/SplnDocData.h"
#include "plot/Legend.h"
#include "plot/ResultPicture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace spln;

namespace {

using spln::test::AccumulatedAbscissae;

constexpr int kPoints = 640;
const char kReport[] = "left board error = 0.000001    internal error = 0.250000    right board error = 0.000002";

struct PictureFixture : ::testing::Test {
    PictureFixture()
    {
        spln::test::SetFixedMetrics(dc);
        frame.CreatePen(PS_SOLID, 1, kFramePenColour);
        exact.CreatePen(PS_SOLID, 1, kExactPenColour);
        data.CreatePen(PS_SOLID, 1, kDataPenColour);
        approx.CreatePen(PS_SOLID, 1, kApproxPenColour);

        // Results as a run of function 7 leaves them: data and approximation
        // around the footstep, the report line.
        const std::vector<double> x = AccumulatedAbscissae(kPoints);
        for (int i = 0; i < kPoints; ++i) {
            engine->m_dX[i] = x[static_cast<std::size_t>(i)];
            const double step = std::abs(x[static_cast<std::size_t>(i)]) <= 0.5 ? 1.0 : 0.0;
            engine->m_dData[i] = step + (i % 2 == 0 ? 0.05 : -0.05);
            engine->m_dApprox[i] = step * 0.9;
        }
        std::strcpy(engine->m_szReport, kReport);

        doc.m_nExample = 7;
        doc.m_nFuncIndex = 6;
        doc.m_strCaption = doc.m_strCaptions[6];
        doc.m_nCount = kPoints;
        doc.ResizeArrays(kPoints);
        doc.m_bValid = 1;
    }

    bool Draw(CRect client = {0, 0, 800, 600})
    {
        return DrawResultPicture(dc, client, doc, *engine, {&frame, &exact, &data, &approx, &approx});
    }

    // The colour of the pen of every line, in drawing order, runs merged.
    std::vector<COLORREF> LineColourRuns() const
    {
        std::vector<COLORREF> runs;
        for (const RecordedCall& call : dc.CallsOf(DCCall::LineTo)) {
            const COLORREF colour = call.pen != nullptr ? call.pen->Colour() : 0xFFFFFFFF;
            if (runs.empty() || runs.back() != colour)
                runs.push_back(colour);
        }
        return runs;
    }

    std::size_t CountLines(COLORREF colour) const
    {
        std::size_t count = 0;
        for (const RecordedCall& call : dc.CallsOf(DCCall::LineTo))
            if (call.pen != nullptr && call.pen->Colour() == colour)
                ++count;
        return count;
    }

    const RecordedCall* FindText(const std::string& text) const
    {
        for (const RecordedCall& call : dc.Calls())
            if (call.call == DCCall::TextOut && call.text == text)
                return &call;
        return nullptr;
    }

    RecordingDC dc;
    CPen frame, exact, data, approx;
    std::unique_ptr<CSplineEngine> engine = std::make_unique<CSplineEngine>();
    CSplnDocData doc;
};

TEST_F(PictureFixture, ABuiltInFunctionDrawsGridDataExactCurveReportAndApproximationInThatOrder)
{
    ASSERT_TRUE(Draw());
    EXPECT_EQ(LineColourRuns(),
              (std::vector<COLORREF>{kFramePenColour, kDataPenColour, kExactPenColour, kApproxPenColour}));
    EXPECT_EQ(CountLines(kDataPenColour), 640u);
    EXPECT_EQ(CountLines(kExactPenColour), 640u);
    EXPECT_EQ(CountLines(kApproxPenColour), 640u);

    const RecordedCall* title = FindText("Footstep");
    ASSERT_NE(title, nullptr);
    const RecordedCall* report = FindText(kReport);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->textColour, RGB(0, 0, 255));
    EXPECT_EQ(report->font, title->font);  // the title font
    EXPECT_EQ(report->textAlign, TA_CENTER | TA_TOP);

    // The report line comes after the blue curve and before the red one.
    const auto& calls = dc.Calls();
    const auto reportAt = static_cast<std::size_t>(report - calls.data());
    EXPECT_EQ(calls[reportAt - 1].call, DCCall::GetTextMetrics);
    bool redBefore = false;
    for (std::size_t i = 0; i < reportAt; ++i)
        redBefore = redBefore || (calls[i].call == DCCall::LineTo && calls[i].pen == &approx);
    EXPECT_FALSE(redBefore);
}

TEST_F(PictureFixture, TheReportLineLiesInsideTheAreaCentredAndBelowTheXLabels)
{
    for (int dpi : {96, 120, 144}) {
        dc.ClearCalls();
        dc.SetLogPixels(dpi, dpi);
        ASSERT_TRUE(Draw({0, 0, 800, 600}));
        const int areaRight = 800 * 100 / dpi;
        const int areaBottom = 600 * 100 / dpi;
        const RecordedCall* report = FindText(kReport);
        ASSERT_NE(report, nullptr);
        EXPECT_EQ(report->args[0], areaRight / 2);
        EXPECT_EQ(report->args[1] + spln::test::kTitleHeight, areaBottom) << dpi;
        const RecordedCall* lowestLabel = FindText("1.2");
        ASSERT_NE(lowestLabel, nullptr);
        EXPECT_GE(report->args[1], lowestLabel->args[1] + spln::test::kLabelHeight);
    }
}

TEST_F(PictureFixture, ATinyAreaPutsTheReportLineBelowTheLabelsRatherThanOverThem)
{
    ASSERT_TRUE(Draw({0, 0, 200, 100}));
    const RecordedCall* report = FindText(kReport);
    const RecordedCall* label = FindText("1.2");
    ASSERT_NE(report, nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(report->args[1], label->args[1] + spln::test::kLabelHeight);
}

TEST_F(PictureFixture, TheFileSourceIsTitledDataAndHasNoExactCurveAndNoReport)
{
    doc.m_nSource = 1;
    ASSERT_TRUE(Draw());
    EXPECT_NE(FindText("Data"), nullptr);
    EXPECT_EQ(FindText("Footstep"), nullptr);
    EXPECT_EQ(FindText(kReport), nullptr);
    EXPECT_EQ(LineColourRuns(), (std::vector<COLORREF>{kFramePenColour, kDataPenColour, kApproxPenColour}));
}

TEST_F(PictureFixture, TheAreaIsMappedIntoHundredthsOfAnInchForTheSurfacesResolution)
{
    // 800 x 600 pixels: 833 x 625 units at 96 dpi, 416 x 312 at 192 dpi; the
    // frame keeps its 10 % margins either way.
    for (int dpi : {96, 192}) {
        dc.ClearCalls();
        dc.SetLogPixels(dpi, dpi);
        ASSERT_TRUE(Draw());
        const auto lines = dc.CallsOf(DCCall::LineTo);
        EXPECT_EQ(lines.front().args[0], 800 * 100 / dpi / 10) << dpi;  // first grid line at 10 %
        EXPECT_EQ(lines.front().args[3], 600 * 100 / dpi / 10) << dpi;
    }
}

TEST_F(PictureFixture, TheSurfaceGetsItsPenAndFontBackAndTheDocumentKeepsTheApproximation)
{
    CPen own;
    own.CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    CFont font;
    font.CreatePointFont(90, "Arial");
    dc.SelectObject(&own);
    dc.SelectObject(&font);
    ASSERT_TRUE(Draw());
    EXPECT_EQ(dc.CurrentPen(), &own);
    EXPECT_EQ(dc.CurrentFont(), &font);
    EXPECT_EQ(dc.Calls()[2].pen, &frame);  // the frame pen is the first thing selected
    for (int i = 0; i < kPoints; ++i) {
        EXPECT_EQ(doc.m_arrX[static_cast<std::size_t>(i)], engine->m_dX[i]);
        EXPECT_EQ(doc.m_arrY[static_cast<std::size_t>(i)], engine->m_dApprox[i]);
    }
}

TEST_F(PictureFixture, EmptyArraysDrawNothing)
{
    doc.ResizeArrays(0);
    EXPECT_FALSE(Draw());
    EXPECT_TRUE(dc.Calls().empty());
}

TEST_F(PictureFixture, ArraysShorterThanTheCountAreGrownBeforeTheyAreWritten)
{
    doc.m_arrX.resize(100);
    doc.m_arrY.resize(10);
    ASSERT_TRUE(Draw());
    EXPECT_EQ(doc.m_arrX.size(), 640u);
    EXPECT_EQ(doc.m_arrY.size(), 640u);
    EXPECT_EQ(doc.m_arrY[639], engine->m_dApprox[639]);
}

TEST(RunForPicture, CopiesTheSettingsForTheRunAndTakesTheEnginesPointCount)
{
    auto engine = std::make_unique<CSplineEngine>();
    CSplnDocData doc;
    doc.m_nMethod = 0;
    doc.m_nSchwarzType = 3;
    doc.m_nExample = 7;
    doc.m_nFileLength = 500;
    doc.m_nCount = 0;
    RunForPicture(doc, *engine);
    EXPECT_EQ(engine->m_nMethod, 1);
    EXPECT_EQ(engine->m_nSchwarzType, 4);
    EXPECT_EQ(engine->m_nSamples, 500);
    EXPECT_EQ(doc.m_nCount, engine->m_nPoints);
    EXPECT_EQ(doc.m_nSchwarzType, 3);
    EXPECT_NE(std::strlen(engine->m_szReport), 0u);
}

TEST(HundredthInchMapping, SetsTheAnisotropicMappingFromTheDeviceResolution)
{
    RecordingDC dc(TEXTMETRIC{13, 11}, 120);
    SetHundredthInchMapping(dc);
    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].call, DCCall::SetMapMode);
    EXPECT_EQ(calls[0].args[0], MM_ANISOTROPIC);
    EXPECT_EQ(calls[1].call, DCCall::SetWindowExt);  // window extent first
    EXPECT_EQ(calls[1].args[0], 100);
    EXPECT_EQ(calls[2].call, DCCall::SetViewportExt);
    EXPECT_EQ(calls[2].args[0], 120);
    EXPECT_EQ(calls[2].args[1], 120);
}

}  // namespace

TEST_F(PictureFixture, LegendSubtitleAndPanelNameAndDrawEveryCurveIncludingFurtherOnes)
{
    CPen kept;
    kept.CreatePen(PS_SOLID, 1, RGB(0, 128, 128));
    CPen error;
    error.CreatePen(PS_SOLID, 1, kErrorPenColour);
    PlotOptions options;
    options.legend = true;
    options.errorPanel = ErrorPanelMode::Signed;
    options.extraCurves.push_back({{"kept: 21 functions", &kept}, std::vector<double>(kPoints, 0.5)});
    engine->m_nResultCount = kPoints;
    ASSERT_TRUE(
        DrawResultPicture(dc, {0, 0, 800, 600}, doc, *engine, {&frame, &exact, &data, &approx, &error}, options));

    for (const std::string label : {"data", "exact function", "approximation", "kept: 21 functions"})
        EXPECT_NE(FindText(label), nullptr) << label;
    EXPECT_NE(FindText(SubtitleFor(doc)), nullptr);
    EXPECT_EQ(SubtitleFor(doc).rfind("Least squares, basis 1, 5 functions, window 1, 10000 samples", 0), 0u);
    // The kept curve in the plot and in the panel, the run's error in the panel.
    EXPECT_GE(CountLines(RGB(0, 128, 128)), 2u * kPoints);
    EXPECT_GE(CountLines(kErrorPenColour), static_cast<std::size_t>(kPoints));
    EXPECT_EQ(dc.CurrentPen(), nullptr);
    EXPECT_EQ(dc.CurrentFont(), nullptr);
}

TEST_F(PictureFixture, TitleAndSubtitleStackInsideTheAreaAboveTheFrameAtEverySize)
{
    const struct {
        bool legend;
        ErrorPanelMode panel;
        XRange zoom;
    } looks[] = {
        {true, ErrorPanelMode::Off, {}},
        {false, ErrorPanelMode::Signed, {}},
        {true, ErrorPanelMode::Log, {}},
        {true, ErrorPanelMode::Off, {-0.5, 0.25}},
        {true, ErrorPanelMode::Signed, {-0.5, 0.25}},
    };
    const std::string title = doc.PictureTitle();
    for (const CRect client : {CRect{0, 0, 800, 600}, CRect{0, 0, 460, 340}, CRect{0, 0, 300, 200}})
        for (const auto& look : looks) {
            SCOPED_TRACE(testing::Message() << client.right << "x" << client.bottom << " legend " << look.legend
                                            << " panel " << static_cast<int>(look.panel) << " zoom " << look.zoom.low);
            dc.ClearCalls();
            PlotOptions options;
            options.legend = look.legend;
            options.errorPanel = look.panel;
            options.zoom = look.zoom;
            engine->m_nResultCount = kPoints;
            ASSERT_TRUE(
                DrawResultPicture(dc, client, doc, *engine, {&frame, &exact, &data, &approx, &approx}, options));
            const RecordedCall* titleLine = FindText(title);
            const RecordedCall* yCaption = FindText("y");
            ASSERT_NE(titleLine, nullptr);
            ASSERT_NE(yCaption, nullptr);
            EXPECT_GE(titleLine->args[1], 0) << "the title inside the area";
            int bottom = titleLine->args[1] + spln::test::kTitleHeight;
            if (look.legend) {
                const RecordedCall* subtitle = FindText(SubtitleFor(doc));
                ASSERT_NE(subtitle, nullptr);
                EXPECT_GE(subtitle->args[1], bottom);
                bottom = subtitle->args[1] + spln::test::kLabelHeight;
            }
            EXPECT_LE(bottom, yCaption->args[1]) << "the title lines above the frame's own";
            const std::vector<RecordedCall> boxes = dc.CallsOf(DCCall::RoundRect);
            if (!boxes.empty()) {
                EXPECT_LE(bottom, boxes.front().args[1]) << "and above the exponent box";
            }
        }
}

TEST(Subtitle, NamesTheMethodItsCountsTheWindowAndTheSource)
{
    CSplnSettings settings;
    settings.m_nMethod = 0;
    settings.m_nSchwarzType = 2;
    settings.m_nSchwarzCount = 101;
    settings.m_nWindow = 3;
    settings.m_dAmplitude = 0.1;
    EXPECT_EQ(SubtitleFor(settings), "Projection, kernel 2, 101 splines, window 3, 10000 samples, noise 0.1");
    settings.m_nMethod = 1;
    settings.m_nLsqType = 5;
    settings.m_nLsqCount = 35;
    settings.m_nSource = 1;
    EXPECT_EQ(SubtitleFor(settings), "Least squares, basis 5, 35 functions, window 3, sample file");
}
