// The document's data half: captions, arrays and the exact curve.

#include "model/DocFunctions.h"
#include "model/SplnDocData.h"

#include <gtest/gtest.h>

namespace doc = spln::doc;

namespace {

TEST(SplnDocData, StartsInvalidWithEmptyArraysAndTheCaptionTable)
{
    const CSplnDocData data;
    EXPECT_EQ(data.m_bValid, 0);
    EXPECT_TRUE(data.m_arrX.empty());
    EXPECT_TRUE(data.m_arrY.empty());
    EXPECT_TRUE(data.m_strCaption.empty());
    EXPECT_EQ(data.m_strCaptions[1], "Y(x)=Cos(4.7*Sin(pi/2*x))");
    EXPECT_EQ(data.m_strCaptions[9], "Sum of two shifted functions Y(x) = 1/(1+1000*x*x)");
    // Pinned: one of the document's own initial values, never shown (see CSplnSettings).
    EXPECT_EQ(data.m_nLsqCount, 5);
}

TEST(SplnDocData, ResizingKeepsElementsAndZeroesNewOnes)
{
    CSplnDocData data;
    data.ResizeArrays(3);
    data.m_arrX[1] = 7.0;
    data.ResizeArrays(640);
    EXPECT_EQ(data.m_arrX.size(), 640u);
    EXPECT_EQ(data.m_arrY.size(), 640u);
    EXPECT_EQ(data.m_arrX[1], 7.0);
    EXPECT_EQ(data.m_arrX[639], 0.0);
    data.ResizeArrays(0);
    EXPECT_EQ(data.m_arrX.capacity(), 0u);
}

TEST(SplnDocData, AnAcceptedRunMakesRoomForTheOutputAndNamesTheFunction)
{
    CSplnDocData data;
    for (int example : {1, 11}) {
        data.m_nExample = example;
        data.SetUpForAcceptedRun();
        EXPECT_EQ(data.m_nCount, 640);
        EXPECT_EQ(data.m_arrX.size(), 640u);
        EXPECT_EQ(data.m_arrY.size(), 640u);
        EXPECT_EQ(data.m_dLength, 2.0);
        EXPECT_EQ(data.m_nFuncIndex, example - 1);
        EXPECT_EQ(data.m_strCaption, data.m_strCaptions[example - 1]);
    }
}

TEST(FillExactCurve, AccumulatesTheAbscissaeFromMinusOne)
{
    CSplnDocData data;
    data.m_nCount = 640;
    data.m_dLength = 2.0;
    data.m_nFuncIndex = 6;
    data.ResizeArrays(640);
    data.FillExactCurve();

    const double step = 2.0 / 639;
    double x = -1.0;
    for (std::size_t i = 0; i < 640; ++i) {
        ASSERT_EQ(data.m_arrX[i], x) << i;
        ASSERT_EQ(data.m_arrY[i], doc::Footstep(x)) << i;
        x = x + step;
    }
    // Accumulation leaves the last abscissa just above 1 (a product would give 1).
    EXPECT_GT(data.m_arrX[639], 1.0);
    EXPECT_LT(data.m_arrX[639], 1.0 + 1e-12);
    EXPECT_NE(data.m_arrX[320], -1.0 + 320 * step);
}

TEST(FillExactCurve, OnePointIsMinusOneAndItsValue)
{
    CSplnDocData data;
    data.m_nCount = 1;
    data.m_nFuncIndex = 0;
    data.ResizeArrays(5);
    data.m_arrX[1] = 9.0;
    data.FillExactCurve();
    EXPECT_EQ(data.m_arrX[0], -1.0);
    EXPECT_EQ(data.m_arrY[0], doc::ExpSumMinusTwo(-1.0));
    EXPECT_EQ(data.m_arrX[1], 9.0);  // only m_nCount points are written
}

TEST(FillExactCurve, NothingForNoPointsZeroForAnUnknownFunctionAndShortArraysGrow)
{
    CSplnDocData data;
    data.m_nCount = 0;
    data.FillExactCurve();
    EXPECT_TRUE(data.m_arrX.empty());

    data.m_nCount = -3;
    data.FillExactCurve();
    EXPECT_TRUE(data.m_arrX.empty());

    data.m_nCount = 4;
    data.m_nFuncIndex = 11;  // passes the view's check (index <= 11) but names no function
    data.FillExactCurve();
    ASSERT_EQ(data.m_arrX.size(), 4u);
    EXPECT_EQ(data.m_arrY[2], 0.0);
}

TEST(FillExactCurve, TheLengthSetsTheStepButNotTheStart)
{
    CSplnDocData data;
    data.m_nCount = 3;
    data.m_dLength = 1.0;
    data.m_nFuncIndex = 5;
    data.FillExactCurve();
    EXPECT_EQ(data.m_arrX[0], -1.0);
    EXPECT_EQ(data.m_arrX[2], 0.0);
    EXPECT_EQ(data.m_arrY[0], 1.0);
}

}  // namespace
