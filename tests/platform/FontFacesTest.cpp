// Font faces resolved to the available ones.

#include "platform/CDC.h"
#include "platform/FontFaces.h"

#include <gtest/gtest.h>

using namespace spln;

namespace {

TEST(FontFaces, WindowsFacesResolveToMetricCompatibleLiberationFonts)
{
    EXPECT_EQ(ResolveFontFace("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(ResolveFontFace("Arial"), "Liberation Sans");
    EXPECT_EQ(ResolveFontFace("Times New Roman Cyr"), "Liberation Serif");
    EXPECT_EQ(ResolveFontFace("DejaVu Sans"), "DejaVu Sans");
}

TEST(FontFaces, PointSizesBecomeScreenHeightsRoundedToWholeUnits)
{
    EXPECT_EQ(PointFontHeight(80), 11);   // 10.67
    EXPECT_EQ(PointFontHeight(120), 16);  // exactly 16
    EXPECT_EQ(PointFontHeight(75), 10);
    EXPECT_EQ(PointFontHeight(720), 96);
}

TEST(FontAndPen, DescriptionsKeepWhatTheyWereCreatedWith)
{
    CFont font;
    EXPECT_FALSE(font.CreatePointFont(0, "Arial"));
    EXPECT_FALSE(font.IsCreated());
    EXPECT_TRUE(font.CreatePointFont(80, "Arial"));
    EXPECT_EQ(font.FaceName(), "Arial");
    EXPECT_EQ(font.PointSizeTenths(), 80);
    font.DeleteObject();
    EXPECT_FALSE(font.IsCreated());

    CPen pen;
    pen.CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
    EXPECT_EQ(GetGValue(pen.Colour()), 255);
    EXPECT_EQ(GetRValue(pen.Colour()), 0);
    EXPECT_EQ(pen.Width(), 1);
}

}  // namespace
