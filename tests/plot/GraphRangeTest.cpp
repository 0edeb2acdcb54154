// The frame of a zoomed range: round ticks whose labels are plain, tell their
// values apart and leave room between them, for ranges of every size and sign.

#include "GraphTestSupport.h"
#include "plot/CGraph.h"
#include "plot/GraphMath.h"
#include "plot/PlotOptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

using namespace spln;

namespace {

struct Range {
    double low;
    double high;
};

const Range kRanges[] = {
    {-1.2, 1.2},    {-0.0003, 0.0002},    {0.30001, 0.30012}, {1e-9, 3e-9},  {-5.2e7, -4.9e7},
    {1e12, 3.5e12}, {123.4561, 123.4566}, {-1.0, -0.99},      {-2e-6, 7e-6}, {0.999, 1.0007},
};

}  // namespace

TEST(RangeFrame, TickLabelsAreRoundDistinctAndApartAtEverySize)
{
    for (const int width : {240, 500, 800, 1600}) {
        for (const Range& x : kRanges) {
            for (const Range& y : {Range{-1.0, 1.0}, x}) {
                SCOPED_TRACE(std::to_string(width) + " wide, x " + std::to_string(x.low) + ".." +
                             std::to_string(x.high) + ", y " + std::to_string(y.low) + ".." + std::to_string(y.high));
                RecordingDC dc;
                spln::test::SetFixedMetrics(dc);
                CGraph graph(CRect{0, 0, width, width * 3 / 4}, 640);
                graph.DrawRangeFrame(dc, 40, width * 3 / 4 - 60, x.low, x.high, y.low, y.high);
                graph.RestoreFont();
                std::vector<RecordedCall> xLabels;
                std::vector<RecordedCall> yLabels;
                for (const RecordedCall& call : dc.CallsOf(DCCall::TextOut))
                    (call.textAlign == (TA_CENTER | TA_TOP) ? xLabels : yLabels).push_back(call);
                for (const auto* labels : {&xLabels, &yLabels}) {
                    ASSERT_GE(labels->size(), 2u);
                    std::set<std::string> distinct;
                    for (const RecordedCall& call : *labels) {
                        distinct.insert(call.text);
                        EXPECT_NE(call.text.rfind("-0", 0) == 0 && std::strtod(call.text.c_str(), nullptr) == 0.0, true)
                            << call.text;
                        EXPECT_LE(call.text.size(), 10u) << call.text;
                    }
                    EXPECT_EQ(distinct.size(), labels->size()) << "every label tells its value apart";
                }
                // Neighbouring x labels, centred on their ticks, keep a gap.
                for (std::size_t k = 1; k < xLabels.size(); ++k) {
                    const int halfWidths = static_cast<int>(xLabels[k - 1].text.size() + xLabels[k].text.size()) *
                                           spln::test::kLabelWidth / 4;
                    EXPECT_GT(xLabels[k].args[0] - xLabels[k - 1].args[0], halfWidths)
                        << xLabels[k - 1].text << " | " << xLabels[k].text;
                }
                // Rows of y labels do not overlap.
                for (std::size_t k = 1; k < yLabels.size(); ++k)
                    EXPECT_GE(std::abs(yLabels[k].args[1] - yLabels[k - 1].args[1]), spln::test::kLabelHeight);
            }
        }
    }
}

TEST(RangeFrame, RoundTickLabelReadsBackToItsValue)
{
    const struct {
        double value;
        double step;
        const char* label;
    } cases[] = {
        {0.3, 0.1, "0.3"},          {-5.551115123125783e-17, 0.1, "0"}, {-0.0, 1.0, "0"},
        {0.30005, 5e-5, "0.30005"}, {2.5e-6, 2.5e-7, "2.5e-6"},         {-5.1e7, 1e6, "-5.1e7"},
        {1.5e12, 5e11, "1.5e12"},   {123.4562, 1e-4, "123.4562"},       {1.0, 0.0002, "1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundTickLabel(c.value, c.step), c.label) << c.value;
        EXPECT_NEAR(std::strtod(RoundTickLabel(c.value, c.step).c_str(), nullptr), c.value, c.step * 1e-6);
    }
}

TEST(Zoom, StepsKeepTheCentreAndStayWithinTheirLimits)
{
    const XRange in = ZoomedAround({-1.0, 1.0}, 0.5, 0.5);
    EXPECT_DOUBLE_EQ(in.high - in.low, 1.0);
    EXPECT_DOUBLE_EQ((0.5 - in.low) / (in.high - in.low), 0.75) << "the value under the mouse keeps its place";
    const XRange tiny = ZoomedAround({0.1, 0.1001}, 0.1, 1e-6);
    EXPECT_NEAR(tiny.high - tiny.low, kMinZoomWidth, 1e-15);
    const XRange wide = ZoomedAround({-1.0, 1.0}, 0.0, 100.0);
    EXPECT_DOUBLE_EQ(wide.high - wide.low, kMaxZoomWidth);
    const XRange far = Panned({0.8, 1.0}, 5.0);
    EXPECT_DOUBLE_EQ((far.low + far.high) / 2, 1.0) << "a pan stops with the middle at the end";
    EXPECT_DOUBLE_EQ(far.high - far.low, 0.2);
}
