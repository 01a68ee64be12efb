#include "PixelMap.h"
#include "SkTextUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(SkTextUtils, StripAccelerators)
{
    struct Row {
        const char *in, *out;
    } rows[] = {
        {"&File", "File"}, {"Sa&ve", "Save"}, {"A&&B", "A&B"}, {"Save&", "Save&"},
        {"&", "&"},        {"", ""},          {"no marks", "no marks"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(StripAccelerators(QString::fromLatin1(r.in)), QString::fromLatin1(r.out)) << r.in;
    EXPECT_EQ(LastCharOf("abc"), QLatin1Char('c'));
    EXPECT_TRUE(LastCharOf("").isNull());
}

TEST(SkTextUtils, VersionTestsByKind)
{
    struct Row {
        int platform, major, minor;
        int exactKind;       // the one kind IsWindowsVersion accepts
        const char *orLater; // IsWindowsVersionOrLater for kinds 0..8
    } rows[] = {
        {1, 4, 0, 0, "100000000"},  // Windows 95
        {1, 4, 90, 3, "101100000"}, // Me
        {2, 4, 0, 1, "110000000"},  // NT 4
        {2, 5, 1, 5, "110111000"},  // XP
        {2, 6, 0, 7, "110111110"},  // Vista
        {2, 6, 1, 8, "110111111"},  // 7, the version this system reports
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << r.platform << " " << r.major << "." << r.minor);
        for (int kind = 0; kind <= 9; ++kind) {
            EXPECT_EQ(IsWindowsVersionOf(kind, r.platform, r.major, r.minor), kind == r.exactKind) << kind;
            EXPECT_EQ(IsWindowsVersionOrLaterOf(kind, r.platform, r.major, r.minor), kind < 9 && r.orLater[kind] == '1')
                << kind;
        }
    }
    EXPECT_TRUE(IsWindowsVersion(8));
    EXPECT_TRUE(IsWindowsVersionOrLater(7));
    EXPECT_FALSE(IsWindowsVersion(7));
}

TEST(SkTextUtils, RotatedFontRunsUpwards)
{
    TFont font;
    font.SetName("Arial");
    font.SetHeight(-14);
    font.SetStyle(TFontStyles{fsBold});
    std::unique_ptr<TFont> rotated = CreateRotatedFont(font, 90);
    EXPECT_EQ(rotated->Orientation(), 900);
    EXPECT_EQ(rotated->Style(), font.Style());
    EXPECT_EQ(font.Orientation(), 0);
    EXPECT_TRUE(IsTrueTypeFont(font));

    TBitmap bmp;
    FillBitmap(bmp, 60, 60, clWhite);
    bmp.Canvas()->SetFont(rotated.get());
    bmp.Canvas()->Brush()->SetStyle(bsClear);
    bmp.Canvas()->TextOut(20, 55, "WWWW");
    const TRect ink = InkBounds(bmp, clWhite);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GT(ink.Height(), 2 * ink.Width()); // taller than wide
}

TEST(SkTextUtils, CentredTextSitsInTheMiddle)
{
    TBitmap bmp;
    FillBitmap(bmp, 60, 30, clWhite);
    bmp.Canvas()->Brush()->SetStyle(bsClear);
    bmp.Canvas()->Font()->SetColor(clBlack);
    DrawCenteredText(bmp.Canvas(), "IIII", Rect(0, 0, 60, 30));
    const TRect ink = InkBounds(bmp, clWhite);
    EXPECT_NEAR(ink.Left + ink.Right, 60, 3);
    EXPECT_NEAR(ink.Top + ink.Bottom, 30, 4);
    TRect r = Rect(0, 0, 60, 0);
    EXPECT_GT(DrawTextInRect(bmp.Canvas(), "IIII", r, DT_CALCRECT), 0);
}

} // namespace
