// The drawing surface over QPainter: pens, fonts, text and lines.

#include "platform/QtDC.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace spln;

namespace {

QImage MakeImage(int width, int height, int dpi, QColor fill = Qt::white)
{
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(fill);
    return image;
}

void MapHundredths(CDC& dc)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(dc.GetDeviceCaps(LOGPIXELSX), dc.GetDeviceCaps(LOGPIXELSY));
}

bool IsColour(QRgb pixel, int r, int g, int b)
{
    return qRed(pixel) == r && qGreen(pixel) == g && qBlue(pixel) == b;
}

// The bounding box of the pixels that differ from the background.
QRect InkBox(const QImage& image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

TEST(QtDC, HundredthInchMappingScalesWithTheDeviceResolution)
{
    for (int dpi : {96, 192}) {
        QImage image = MakeImage(300, 300, dpi);
        {
            QPainter painter(&image);
            QtDC dc(painter);
            EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), dpi);
            MapHundredths(dc);
            CPen pen;
            pen.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
            dc.SelectObject(&pen);
            dc.MoveTo(0, 50);
            dc.LineTo(100, 50);  // one inch
        }
        const QRect ink = InkBox(image, qRgb(255, 255, 255));
        SCOPED_TRACE(dpi);
        EXPECT_NEAR(ink.width(), dpi, 1);
        EXPECT_NEAR(ink.top(), dpi / 2, 1);
        // A pen of one logical unit is a hundredth of an inch wide (at least a pixel).
        EXPECT_NEAR(ink.height(), std::max(1, dpi / 100), 1);
        EXPECT_TRUE(IsColour(image.pixel(ink.left() + 10, ink.top()), 255, 0, 0));
    }
}

TEST(QtDC, FontsResolveToTheStandInsAndReportTheirMetricsInLogicalUnits)
{
    CFont label;
    label.CreatePointFont(80, "MS Sans Serif");
    CFont title;
    title.CreatePointFont(120, "Times New Roman Cyr");
    EXPECT_EQ(QFontInfo(QtDC::ResolveFont(label)).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QtDC::ResolveFont(title)).family(), "Liberation Serif");

    TEXTMETRIC at96{};
    TEXTMETRIC at300{};
    for (int dpi : {96, 300}) {
        QImage image = MakeImage(50, 50, dpi);
        QPainter painter(&image);
        QtDC dc(painter);
        MapHundredths(dc);
        EXPECT_EQ(dc.SelectObject(&label), nullptr);
        dc.GetTextMetrics(dpi == 96 ? &at96 : &at300);
        EXPECT_EQ(dc.SelectObject(&title), &label);
        TEXTMETRIC big;
        dc.GetTextMetrics(&big);
        EXPECT_GT(big.tmHeight, (dpi == 96 ? at96 : at300).tmHeight);
    }
    // An 11-unit em: a line height of 12 to 14 units, whatever the device.
    EXPECT_GE(at96.tmHeight, 12);
    EXPECT_LE(at96.tmHeight, 14);
    EXPECT_GT(at96.tmMaxCharWidth, 5);
    EXPECT_EQ(at96.tmHeight, at300.tmHeight);
    EXPECT_EQ(at96.tmMaxCharWidth, at300.tmMaxCharWidth);
}

TEST(QtDC, CentreTopTextHangsBelowItsPointAndIsCentredOnIt)
{
    QImage image = MakeImage(200, 100, 96);
    {
        QPainter painter(&image);
        QtDC dc(painter);
        CFont font;
        font.CreatePointFont(120, "Arial");
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(TA_CENTER | TA_TOP);
        dc.SetTextColor(RGB(0, 0, 255));
        dc.TextOut(100, 40, std::string("HHHH"));
    }
    const QRect ink = InkBox(image, qRgb(255, 255, 255));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 100, 2);
    EXPECT_GE(ink.top(), 40);
    EXPECT_LE(ink.top(), 48);
    // Blue text: no pixel has more red than blue.
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            EXPECT_LE(qRed(image.pixel(x, y)), qBlue(image.pixel(x, y)));
}

TEST(QtDC, OpaqueTextFillsItsCellTransparentTextDoesNot)
{
    const QRgb grey = qRgb(128, 128, 128);
    for (int mode : {OPAQUE, TRANSPARENT}) {
        QImage image = MakeImage(100, 50, 96, QColor(grey));
        {
            QPainter painter(&image);
            QtDC dc(painter);
            dc.SetBkMode(mode);
            dc.TextOut(10, 10, std::string("i"));
        }
        bool white = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                white = white || image.pixel(x, y) == qRgb(255, 255, 255);
        EXPECT_EQ(white, mode == OPAQUE);
    }
}

TEST(QtDC, RoundRectIsOutlinedWithThePenAndFilledWhite)
{
    QImage image = MakeImage(100, 100, 96, QColor(qRgb(128, 128, 128)));
    {
        QPainter painter(&image);
        QtDC dc(painter);
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        dc.SelectObject(&pen);
        dc.RoundRect(10, 10, 60, 40, 6, 6);
    }
    EXPECT_TRUE(IsColour(image.pixel(35, 25), 255, 255, 255));
    EXPECT_TRUE(IsColour(image.pixel(35, 10), 0, 0, 0));
    EXPECT_TRUE(IsColour(image.pixel(80, 80), 128, 128, 128));
}

TEST(QtDC, MappingBuildsOnThePaintersOwnTransform)
{
    QImage image = MakeImage(300, 300, 96);
    {
        QPainter painter(&image);
        painter.translate(100, 100);
        QtDC dc(painter);
        MapHundredths(dc);
        dc.MoveTo(0, 0);
        dc.LineTo(50, 0);
    }
    const QRect ink = InkBox(image, qRgb(255, 255, 255));
    EXPECT_EQ(ink.left(), 100);
    EXPECT_EQ(ink.top(), 100);
    EXPECT_NEAR(ink.width(), 48, 1);
}

}  // namespace

// A curve is drawn a short line at a time; a dashed pen's gaps must show along it.
TEST(QtDC, DashedCurvesOfShortLinesKeepTheirGaps)
{
    QImage image = MakeImage(200, 20, 96);
    {
        QPainter painter(&image);
        QtDC dc(painter);
        CPen pen;
        pen.CreatePen(PS_DASH, 1, RGB(0, 0, 0));
        dc.SelectObject(&pen);
        dc.MoveTo(0, 10);
        for (int x = 2; x <= 200; x += 2)
            dc.LineTo(x, 10);
    }
    int inked = 0;
    for (int x = 0; x < 200; ++x)
        inked += image.pixel(x, 10) != qRgb(255, 255, 255) ? 1 : 0;
    EXPECT_GT(inked, 80);
    EXPECT_LT(inked, 160) << "drawn solid";
}
