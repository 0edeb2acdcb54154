// Scaling and mapping of the graph frame: steps, interval counts, axis start
// and top, spacing and coordinates.

#include "GraphTestSupport.h"
#include "plot/CGraph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace spln;

namespace {

using spln::test::AccumulatedAbscissae;
using spln::test::Linear;

const CRect kArea{0, 0, 800, 600};

TEST(GraphScale, TheViewsAbscissaeGiveTwelveIntervalsOfPointTwoFromMinusOnePointTwo)
{
    const std::vector<double> x = AccumulatedAbscissae(640);
    CGraph graph(kArea, 640);
    graph.ScaleX(x);
    EXPECT_EQ(graph.m_dMinX, -1.0);
    EXPECT_GT(graph.m_dMaxX, 1.0);  // accumulated: 1.000000000000012
    EXPECT_GT(graph.m_dRangeX, 2.0);
    EXPECT_EQ(graph.m_dStepX, 0.2);
    EXPECT_EQ(graph.m_nExpX, 0);
    EXPECT_EQ(graph.m_nTicksX, 12u);
    EXPECT_DOUBLE_EQ(graph.m_dStartX, -1.2);
    // 800 wide: 10 % margin, trunc(640 / 12 + 0.5) = 53 a step.
    EXPECT_EQ(graph.m_nPlotLeft, 80);
    EXPECT_EQ(graph.m_nPixPerTickX, 53);
    EXPECT_EQ(graph.m_nPlotRight, 80 + 12 * 53);
    EXPECT_EQ(graph.m_pPixX[0], 80 + 53);
    EXPECT_EQ(graph.m_pPixX[639], 80 + 11 * 53);
}

TEST(GraphScale, AnXMinimumOfExactlyZeroStartsTheAxisThereWithOneIntervalLess)
{
    CGraph zero(kArea, 100);
    zero.ScaleX(Linear(100, 0.0, 0.95));
    EXPECT_EQ(zero.m_dStartX, 0.0);
    EXPECT_EQ(zero.m_nTicksX, 10u);  // trunc(9.5) + 1
    EXPECT_EQ(zero.m_pPixX[0], zero.m_nPlotLeft);

    CGraph shifted(kArea, 100);
    shifted.ScaleX(Linear(100, 0.01, 0.96));
    EXPECT_DOUBLE_EQ(shifted.m_dStartX, 0.0);  // largest multiple strictly below 0.01
    EXPECT_EQ(shifted.m_nTicksX, 11u);         // trunc(9.5) + 2
}

TEST(GraphScale, YFromZeroToTheFunctionOneMaximumGivesElevenIntervalsUpToOnePointOne)
{
    CGraph graph(kArea, 100);
    graph.ScaleY(Linear(100, 0.0, 1.0862));
    EXPECT_EQ(graph.m_dStepY, 0.1);
    EXPECT_EQ(graph.m_nTicksY, 11u);
    EXPECT_DOUBLE_EQ(graph.m_dTopY, 1.1);
    // 600 high: trunc(480 / 11 + 0.5) = 44 a step from 60.
    EXPECT_EQ(graph.m_nPlotTop, 60);
    EXPECT_EQ(graph.m_nPixPerTickY, 44);
    EXPECT_EQ(graph.m_nPlotBottom, 60 + 11 * 44);
    EXPECT_EQ(graph.m_pPixY[0], graph.m_nPlotBottom);
}

TEST(GraphScale, YFromMinusOneToOneReachesTwoIntervalsBelowTheMinimum)
{
    CGraph graph(kArea, 100);
    graph.ScaleY(Linear(100, -1.0, 1.0));
    EXPECT_EQ(graph.m_dStepY, 0.2);
    EXPECT_EQ(graph.m_nTicksY, 12u);
    EXPECT_DOUBLE_EQ(graph.m_dTopY, 1.0);
    EXPECT_EQ(graph.m_pPixY[99], graph.m_nPlotTop);
    // -1 sits two intervals above the bottom grid line at -1.4.
    EXPECT_EQ(graph.m_pPixY[0], graph.m_nPlotTop + 10 * graph.m_nPixPerTickY);
}

TEST(GraphScale, EqualValuesHaveRangeZeroStepPointOneAndTwoIntervals)
{
    CGraph graph(kArea, 10);
    graph.ScaleY(std::vector<double>(10, 0.5));
    EXPECT_EQ(graph.m_dRangeY, 0.0);
    EXPECT_EQ(graph.m_dStepY, 0.1);
    EXPECT_EQ(graph.m_nTicksY, 2u);
    EXPECT_DOUBLE_EQ(graph.m_dTopY, 0.5);
    EXPECT_EQ(graph.m_pPixY[3], graph.m_nPlotTop);
}

TEST(GraphScale, TheCountIsCutAt640AndLaterElementsAreIgnored)
{
    std::vector<double> x = Linear(1000, 0.1, 0.9);
    x[700] = 50.0;
    CGraph graph(kArea, 1000);
    EXPECT_EQ(graph.m_nCount, 640u);
    graph.ScaleX(x);
    EXPECT_LT(graph.m_dMaxX, 1.0);
    EXPECT_EQ(graph.m_dStepX, 0.1);
}

TEST(GraphScale, EmptyArraysChangeNothing)
{
    CGraph graph(kArea, 10);
    graph.ScaleX(Linear(10, -1.0, 1.0));
    graph.ScaleX({});
    graph.ScaleY({});
    EXPECT_EQ(graph.m_nTicksX, 12u);
    EXPECT_EQ(graph.m_nTicksY, 0u);
}

TEST(GraphScale, MappingAnotherPairUsesTheStoredScalingAndDoesNotClip)
{
    const std::vector<double> x = AccumulatedAbscissae(640);
    const std::vector<double> y = Linear(640, -1.0, 1.0);
    CGraph graph(kArea, 640);
    graph.ScaleX(x);
    graph.ScaleY(y);
    const std::vector<int> scaledX(graph.m_pPixX.get(), graph.m_pPixX.get() + 640);
    const std::vector<int> scaledY(graph.m_pPixY.get(), graph.m_pPixY.get() + 640);

    graph.MapPoints(x, y);  // the same pair maps to the same coordinates
    EXPECT_EQ(std::vector<int>(graph.m_pPixX.get(), graph.m_pPixX.get() + 640), scaledX);
    EXPECT_EQ(std::vector<int>(graph.m_pPixY.get(), graph.m_pPixY.get() + 640), scaledY);

    graph.MapPoints(x, std::vector<double>(640, 3.0));  // far above the grid
    EXPECT_LT(graph.m_pPixY[0], graph.m_nPlotTop - 5 * graph.m_nPixPerTickY);
}

TEST(GraphScale, HugeRangesAreLabelledInDecadesAndMapAsTheScalingDid)
{
    const std::vector<double> x = Linear(100, 0.0, 40.0);
    const std::vector<double> y = Linear(100, -2000.0, 5000.0);
    CGraph graph(kArea, 100);
    graph.ScaleX(x);
    graph.ScaleY(y);
    EXPECT_EQ(graph.m_nExpX, 1);
    EXPECT_EQ(graph.m_dStepX, 0.5);
    EXPECT_EQ(graph.m_nTicksX, 9u);  // 0 to 45 in steps of 5
    EXPECT_EQ(graph.m_dStartX, 0.0);
    EXPECT_EQ(graph.m_nExpY, 3);
    EXPECT_EQ(graph.m_dStepY, 1.0);
    EXPECT_EQ(graph.m_nTicksY, 9u);
    EXPECT_DOUBLE_EQ(graph.m_dTopY, 5.0);
    EXPECT_EQ(graph.m_pPixX[99], graph.m_nPlotLeft + 8 * graph.m_nPixPerTickX);

    const std::vector<int> scaledX(graph.m_pPixX.get(), graph.m_pPixX.get() + 100);
    const std::vector<int> scaledY(graph.m_pPixY.get(), graph.m_pPixY.get() + 100);
    graph.MapPoints(x, y);
    EXPECT_EQ(std::vector<int>(graph.m_pPixX.get(), graph.m_pPixX.get() + 100), scaledX);
    EXPECT_EQ(std::vector<int>(graph.m_pPixY.get(), graph.m_pPixY.get() + 100), scaledY);
}

TEST(GraphScale, ValuesThatAreNotFiniteAreLeftOutOfTheRange)
{
    std::vector<double> y = Linear(50, 0.0, 1.0);
    y[0] = std::numeric_limits<double>::quiet_NaN();
    y[10] = std::numeric_limits<double>::infinity();
    CGraph graph(kArea, 50);
    graph.ScaleY(y);
    EXPECT_GT(graph.m_dMinY, 0.0);
    EXPECT_EQ(graph.m_dMaxY, 1.0);
    EXPECT_EQ(graph.m_nTicksY, 11u);  // range 1 - 1/49: trunc(9.8) + 2
}

}  // namespace
