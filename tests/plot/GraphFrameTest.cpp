// What DrawFrame and DrawCurve draw, where, in which font and colour, and
// which font the surface has afterwards.

#include "GraphTestSupport.h"
#include "plot/CGraph.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace spln;

namespace {

using spln::test::AccumulatedAbscissae;
using spln::test::kLabelHeight;
using spln::test::kLabelWidth;
using spln::test::Linear;
using spln::test::Texts;

const CRect kArea{0, 0, 800, 600};

struct FrameFixture : ::testing::Test {
    FrameFixture() { spln::test::SetFixedMetrics(dc); }

    void Draw(CGraph& graph, const std::vector<double>& x, const std::vector<double>& y)
    {
        graph.DrawFrame(dc, "Footstep", "t", "y", x, y);
    }

    const RecordedCall& TextCall(const std::string& text) const
    {
        static const RecordedCall none{};
        for (const RecordedCall& call : dc.Calls()) {
            if (call.call == DCCall::TextOut && call.text == text)
                return call;
        }
        ADD_FAILURE() << "no text " << text;
        return none;
    }

    RecordingDC dc;
};

TEST_F(FrameFixture, TheUsualXAxisIsLabelledFromMinusOnePointTwoWithAnAccumulatedMinusZero)
{
    CGraph graph(kArea, 640);
    Draw(graph, AccumulatedAbscissae(640), Linear(640, 0.0, 1.0862));
    const std::vector<std::string> texts = Texts(dc);
    const std::vector<std::string> xLabels(texts.begin(), texts.begin() + 13);
    EXPECT_EQ(xLabels, (std::vector<std::string>{"-1.2", "-1.0", "-0.8", "-0.6", "-0.4", "-0.2", "-0.0", "0.2", "0.4",
                                                 "0.6", "0.8", "1.0", "1.2"}));
    // y labels: 1.1 at the top down to 0.0, then the range line.
    EXPECT_EQ(texts[13], "  1.1");
    EXPECT_EQ(texts[13 + 11], "  0.0");
    EXPECT_EQ(texts[13 + 12], "Range = (0 , 1.09)");
}

TEST_F(FrameFixture, YLabelsForTheExampleRanges)
{
    CGraph wide(kArea, 100);
    Draw(wide, Linear(100, -1.0, 1.0), Linear(100, -1.0, 1.0));
    std::vector<std::string> texts = Texts(dc);
    EXPECT_EQ(texts[13], "  1.0");
    EXPECT_EQ(texts[13 + 12], " -1.4");

    dc.ClearCalls();
    CGraph flat(kArea, 100);
    Draw(flat, Linear(100, -1.0, 1.0), std::vector<double>(100, 0.5));
    texts = Texts(dc);
    EXPECT_EQ(texts[13], "  0.5");
    EXPECT_EQ(texts[15], "  0.3");
    EXPECT_EQ(texts[16], "Range = (0.5 , 0.5)");
}

TEST_F(FrameFixture, GridLinesSpanTheGridAndLabelsSitByTheLabelFontMetrics)
{
    CGraph graph(kArea, 640);
    Draw(graph, AccumulatedAbscissae(640), Linear(640, -1.0, 1.0));
    const int L = graph.m_nPlotLeft, R = graph.m_nPlotRight, T = graph.m_nPlotTop, B = graph.m_nPlotBottom;
    const int H = kLabelHeight, W = kLabelWidth;

    const auto lines = dc.CallsOf(DCCall::LineTo);
    ASSERT_EQ(lines.size(), 13u + 13u);
    EXPECT_EQ(lines[0].args[2], L);  // first vertical line from (L, T) to (L, B)
    EXPECT_EQ(lines[0].args[3], T);
    EXPECT_EQ(lines[0].args[1], B);
    EXPECT_EQ(lines[12].args[0], R);
    EXPECT_EQ(lines[13].args[0], R);  // first horizontal line from (L, T) to (R, T)
    EXPECT_EQ(lines[25].args[1], B);

    const auto texts = dc.CallsOf(DCCall::TextOut);
    EXPECT_EQ(texts[1].args[0], L + graph.m_nPixPerTickX);
    EXPECT_EQ(texts[1].args[1], B + H / 2);
    EXPECT_EQ(texts[14].args[0], L - 2 * W);
    EXPECT_EQ(texts[14].args[1], T + graph.m_nPixPerTickY - H / 2);

    const RecordedCall& range = TextCall("Range = (-1 , 1)");
    EXPECT_EQ(range.args[0], (L + R) / 2);
    EXPECT_EQ(range.args[1], T - 2 * H + H / 2);
    const RecordedCall& yCaption = TextCall("y");
    EXPECT_EQ(yCaption.args[0], L + W / 2);
    EXPECT_EQ(yCaption.args[1], T - 2 * H - H / 2);
    const RecordedCall& xCaption = TextCall("t");
    EXPECT_EQ(xCaption.args[0], R + 2 * W + W / 2);
    EXPECT_EQ(xCaption.args[1], B + H / 2);
    const RecordedCall& title = TextCall("Footstep");
    EXPECT_EQ(title.args[0], (L + R) / 2);
    EXPECT_EQ(title.args[1], T - 2 * H - 2 * W);
    EXPECT_EQ(title.font, &graph.m_fontTitle);
}

TEST_F(FrameFixture, ExponentBoxesAndTheirTextsUseTheLabelMetricsInBlue)
{
    CGraph graph(kArea, 640);
    Draw(graph, AccumulatedAbscissae(640), Linear(640, 0.0, 1.0862));
    const int L = graph.m_nPlotLeft, R = graph.m_nPlotRight, T = graph.m_nPlotTop, B = graph.m_nPlotBottom;
    const int H = kLabelHeight, W = kLabelWidth, H2 = H / 2, H4 = H / 4, W2 = W / 2, W4 = W / 4;

    const auto boxes = dc.CallsOf(DCCall::RoundRect);
    ASSERT_EQ(boxes.size(), 2u);
    const int yBox[6] = {L - 2 * W - 2 * W2, T - 3 * H, L - 2 * W + W2 + W, T - H, H2, H2};
    const int xBox[6] = {R + 2 * W - 2 * W2, B - 2 * H, R + 2 * W + W4 + H, B, H2, H2};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(boxes[0].args[i], yBox[i]) << i;
        EXPECT_EQ(boxes[1].args[i], xBox[i]) << i;
    }
    EXPECT_EQ(boxes[0].font, &graph.m_fontExp);

    const auto texts = dc.CallsOf(DCCall::TextOut);
    const std::size_t first = texts.size() - 5;  // "10", "10", "0", "0", title
    EXPECT_EQ(texts[first].text, "10");
    EXPECT_EQ(texts[first].args[0], L - 2 * W);
    EXPECT_EQ(texts[first].args[1], T - 2 * H - H4);
    EXPECT_EQ(texts[first + 1].args[0], R + 2 * W);
    EXPECT_EQ(texts[first + 1].args[1], B + H2 - 2 * H + H4);
    EXPECT_EQ(texts[first + 2].text, "0");
    EXPECT_EQ(texts[first + 2].args[0], L - 2 * W + W4 + W2);
    EXPECT_EQ(texts[first + 2].args[1], T - 3 * H);
    EXPECT_EQ(texts[first + 3].text, "0");
    EXPECT_EQ(texts[first + 3].args[0], R + 2 * W + W4 + W2);
    EXPECT_EQ(texts[first + 3].args[1], B - 2 * H);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const COLORREF expected = i < first ? RGB(0, 0, 0) : RGB(0, 0, 255);
        EXPECT_EQ(texts[i].textColour, expected) << texts[i].text;
        EXPECT_EQ(texts[i].textAlign, TA_CENTER | TA_TOP);
        EXPECT_EQ(texts[i].bkMode, TRANSPARENT);
    }
}

TEST_F(FrameFixture, HugeRangesKeepADozenLabelsAndShowTheirExponents)
{
    CGraph graph(kArea, 100);
    Draw(graph, Linear(100, 0.0, 40.0), Linear(100, -2000.0, 5000.0));
    EXPECT_EQ(dc.CallsOf(DCCall::LineTo).size(), 10u + 10u);
    const std::vector<std::string> texts = Texts(dc);
    EXPECT_EQ(texts[0], "0.0");
    EXPECT_EQ(texts[9], "4.5");  // 45 in units of 10
    EXPECT_EQ(texts[10], "  5.0");
    EXPECT_EQ(texts[texts.size() - 3], "3");  // y exponent
    EXPECT_EQ(texts[texts.size() - 2], "1");  // x exponent
}

TEST_F(FrameFixture, TheSurfacesEarlierFontComesBackBeforeTheFontsAreReleased)
{
    CFont own;
    own.CreatePointFont(100, "Arial");
    dc.SelectObject(&own);
    {
        CGraph graph(kArea, 10);
        Draw(graph, Linear(10, -1.0, 1.0), Linear(10, -1.0, 1.0));
        // DrawFrame leaves the title font for further text.
        EXPECT_EQ(dc.CurrentFont(), &graph.m_fontTitle);
        EXPECT_EQ(dc.TextColour(), RGB(0, 0, 255));
        graph.RestoreFont();
        EXPECT_EQ(dc.CurrentFont(), &own);
        dc.ClearCalls();
    }
    EXPECT_TRUE(dc.Calls().empty());  // restored once only
    {
        CGraph graph(kArea, 10);
        Draw(graph, Linear(10, -1.0, 1.0), Linear(10, -1.0, 1.0));
    }
    EXPECT_EQ(dc.CurrentFont(), &own);
}

TEST_F(FrameFixture, CurvesStartWithALineToTheirFirstPointAndDrawEveryMappedPoint)
{
    CGraph graph(kArea, 5);
    Draw(graph, Linear(5, -1.0, 1.0), Linear(5, 0.0, 1.0));
    dc.ClearCalls();
    graph.DrawCurve(dc);
    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0].call, DCCall::MoveTo);
    EXPECT_EQ(calls[1].args[0], calls[0].args[0]);
    EXPECT_EQ(calls[1].args[1], calls[0].args[1]);
    EXPECT_EQ(calls[5].args[0], graph.m_pPixX[4]);

    // A shorter pair maps and draws only the points it has.
    dc.ClearCalls();
    graph.MapPoints(Linear(3, -1.0, 1.0), Linear(5, 0.0, 1.0));
    graph.DrawCurve(dc);
    EXPECT_EQ(dc.CallsOf(DCCall::LineTo).size(), 3u);

    CGraph empty(kArea, 0);
    dc.ClearCalls();
    empty.DrawCurve(dc);
    EXPECT_TRUE(dc.Calls().empty());
}

}  // namespace
