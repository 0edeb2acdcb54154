// The recording drawing surface.

#include "platform/RecordingDC.h"

#include <gtest/gtest.h>

using namespace spln;

namespace {

TEST(RecordingDC, SelectionsReturnWhatTheyReplaceAndNullptrRestoresTheInitialObject)
{
    RecordingDC dc;
    CFont label;
    CFont title;
    label.CreatePointFont(80, "MS Sans Serif");
    title.CreatePointFont(120, "Times New Roman Cyr");
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, RGB(0, 255, 0));

    EXPECT_EQ(dc.SelectObject(&label), nullptr);
    EXPECT_EQ(dc.SelectObject(&title), &label);
    EXPECT_EQ(dc.SelectObject(static_cast<CFont*>(nullptr)), &title);
    EXPECT_EQ(dc.CurrentFont(), nullptr);

    EXPECT_EQ(dc.SelectObject(&pen), nullptr);
    EXPECT_EQ(dc.CurrentPen(), &pen);
    EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(nullptr)), &pen);
}

TEST(RecordingDC, MetricsComeFromTheTableForTheSelectedFaceAndSize)
{
    RecordingDC dc(TEXTMETRIC{20, 30});
    dc.SetFontMetrics("MS Sans Serif", 80, {13, 11});
    dc.SetFontMetrics("Arial", 80, {12, 9});
    CFont label;
    label.CreatePointFont(80, "MS Sans Serif");
    CFont bigger;
    bigger.CreatePointFont(100, "MS Sans Serif");

    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight, 20);  // no font selected: the default
    dc.SelectObject(&label);
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmMaxCharWidth, 11);
    dc.SelectObject(&bigger);
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight, 20);  // same face, other size: not in the table

    dc.SetFontMetrics("MS Sans Serif", 80, {14, 12});
    dc.SelectObject(&label);
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight, 14);  // a second entry for the same font replaces the first
}

TEST(RecordingDC, KeepsEveryCallInOrderWithTheStateOfTheMoment)
{
    RecordingDC dc;
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    dc.SelectObject(&pen);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    dc.MoveTo(1, 2);
    dc.LineTo(3, 4);
    dc.LineTo(5, 6);
    EXPECT_EQ(dc.SetTextColor(RGB(0, 0, 255)), RGB(0, 0, 0));
    dc.TextOut(7, 8, std::string("abc"));
    dc.TextOut(9, 10, "abcdef", 2);
    dc.RoundRect(1, 2, 3, 4, 5, 6);

    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 10u);
    EXPECT_EQ(calls[0].call, DCCall::SelectPen);
    EXPECT_EQ(calls[4].call, DCCall::LineTo);
    EXPECT_EQ(calls[4].args[2], 1);  // starts at the current position
    EXPECT_EQ(calls[4].args[3], 2);
    EXPECT_EQ(calls[5].args[2], 3);  // and moves it to its end
    EXPECT_EQ(calls[5].pen, &pen);
    const auto texts = dc.CallsOf(DCCall::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "abc");
    EXPECT_EQ(texts[0].textColour, RGB(0, 0, 255));
    EXPECT_EQ(texts[0].textAlign, TA_CENTER | TA_TOP);
    EXPECT_EQ(texts[0].bkMode, TRANSPARENT);
    EXPECT_EQ(texts[1].text, "ab");
    EXPECT_EQ(calls[9].args[5], 6);
    EXPECT_EQ(dc.CurrentX(), 5);
    EXPECT_EQ(dc.CurrentY(), 6);
}

TEST(RecordingDC, ReportsTheMappingAndTheDeviceResolution)
{
    RecordingDC dc(TEXTMETRIC{13, 11}, 120);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 120);
    dc.SetLogPixels(600, 300);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 600);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 300);
    EXPECT_EQ(dc.SetMapMode(MM_ANISOTROPIC), MM_TEXT);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(600, 300);
    EXPECT_EQ(dc.MapMode(), MM_ANISOTROPIC);
    EXPECT_EQ(dc.WindowExt().cx, 100);
    EXPECT_EQ(dc.ViewportExt().cy, 300);
}

}  // namespace
