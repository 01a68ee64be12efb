#include "Bitmap.h"
#include "Canvas.h"
#include "Exceptions.h"
#include "Form.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr TColor A = 0x00C0A050; // arbitrary bit patterns
constexpr TColor B = 0x005A0FF3;
constexpr TColor P = 0x0033CC99;

// Every raster operation on one source and one destination pixel, bit by bit.
TEST(CopyMode, RasterOperationsCombineSourceDestinationAndBrushBits)
{
    struct Row {
        const char *name;
        TCopyMode mode;
        TColor expected;
    } rows[] = {
        {"SRCCOPY", SRCCOPY, A},
        {"SRCAND", SRCAND, A & B},
        {"SRCPAINT", SRCPAINT, A | B},
        {"SRCINVERT", SRCINVERT, A ^ B},
        {"SRCERASE", SRCERASE, A & ~B & 0xFFFFFF},
        {"NOTSRCCOPY", NOTSRCCOPY, ~A & 0xFFFFFF},
        {"MERGEPAINT", MERGEPAINT, (~A | B) & 0xFFFFFF},
        {"DSNA", DSNA, B & ~A & 0xFFFFFF},
        {"DSPDXAX", DSPDXAX, (B & ~A) | (A & P)},
        {"BLACKNESS", BLACKNESS, 0},
        {"WHITENESS", WHITENESS, 0xFFFFFF},
        {"DSTINVERT", DSTINVERT, ~B & 0xFFFFFF},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TBitmap src(2, 2), dst(2, 2);
        src.Canvas()->Brush()->SetColor(A);
        src.Canvas()->FillRect(Rect(0, 0, 2, 2));
        dst.Canvas()->Brush()->SetColor(B);
        dst.Canvas()->FillRect(Rect(0, 0, 2, 2));
        dst.Canvas()->Brush()->SetColor(P);
        dst.Canvas()->SetCopyMode(row.mode);
        dst.Canvas()->CopyRect(Rect(0, 0, 1, 2), src.Canvas(), Rect(0, 0, 1, 2));
        EXPECT_EQ(dst.Canvas()->Pixels(0, 1), row.expected);
        EXPECT_EQ(dst.Canvas()->Pixels(1, 1), B); // outside the destination
    }
}

TEST(CopyMode, UnknownModeIsRefusedAndTheOldOneKept)
{
    TBitmap b(1, 1);
    b.Canvas()->SetCopyMode(SRCAND);
    EXPECT_THROW(b.Canvas()->SetCopyMode(0x123456), EInvalidOperation);
    EXPECT_EQ(b.Canvas()->CopyMode(), SRCAND);
}

// A 3 x 2 picture of letters; pixel colours name their source position.
std::string Picture(TBitmap &b)
{
    std::string s;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x)
            s += static_cast<char>('a' + (b.Canvas()->Pixels(x, y) & 0xFF));
        s += '/';
    }
    return s;
}

TEST(CopyMode, NegativeExtentsMirrorAndStretchPicksNearestPixels)
{
    TBitmap src(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            src.Canvas()->SetPixel(x, y, static_cast<TColor>(y * 3 + x));
    ASSERT_EQ(Picture(src), "abc/def/");
    struct Row {
        const char *name;
        TRect dest, source;
        const char *expected;
    } rows[] = {
        {"plain", Rect(0, 0, 3, 2), Rect(0, 0, 3, 2), "abc/def/"},
        {"mirrored across", Rect(2, 0, -1, 2), Rect(0, 0, 3, 2), "cba/fed/"},
        {"upside down", Rect(0, 1, 3, -1), Rect(0, 0, 3, 2), "def/abc/"},
        {"both", Rect(2, 1, -1, -1), Rect(0, 0, 3, 2), "fed/cba/"},
        {"mirrored source", Rect(0, 0, 3, 2), Rect(2, 0, -1, 2), "cba/fed/"},
        {"one column into the last", Rect(2, 0, 1, 2), Rect(0, 0, 1, 2), "aba/ded/"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TBitmap dst;
        dst.Assign(&src);
        dst.Canvas()->CopyRect(row.dest, src.Canvas(), row.source);
        EXPECT_EQ(Picture(dst), row.expected);
    }
    TBitmap wide(6, 2);
    wide.Canvas()->CopyRect(Rect(0, 0, 6, 2), src.Canvas(), Rect(0, 0, 3, 2));
    EXPECT_EQ(Picture(wide), "aabbcc/ddeeff/");
}

TEST(CopyMode, MonochromeMaskFromAColourAndBackToColour)
{
    const TColor teal = clTeal;
    TBitmap picture(3, 1);
    picture.Canvas()->SetPixel(0, 0, teal);
    picture.Canvas()->SetPixel(1, 0, clRed);
    picture.Canvas()->SetPixel(2, 0, clBlack);

    // Colour to monochrome: the source brush colour gives white.
    TBitmap mask(3, 1);
    mask.SetMonochrome(true);
    picture.Canvas()->Brush()->SetColor(teal);
    mask.Canvas()->CopyRect(Rect(0, 0, 3, 1), picture.Canvas(), Rect(0, 0, 3, 1));
    EXPECT_EQ(mask.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(mask.Canvas()->Pixels(1, 0), clBlack);
    EXPECT_EQ(mask.Canvas()->Pixels(2, 0), clBlack);

    // Mask() does the same in place.
    TBitmap inPlace;
    inPlace.Assign(&picture);
    inPlace.Mask(teal);
    EXPECT_TRUE(inPlace.Monochrome());
    EXPECT_EQ(inPlace.Image(), mask.Image());

    // Monochrome to colour: black takes the font colour, white the brush.
    TBitmap colour(3, 1);
    colour.Canvas()->Font()->SetColor(clBlue);
    colour.Canvas()->Brush()->SetColor(clYellow);
    colour.Canvas()->CopyRect(Rect(0, 0, 3, 1), mask.Canvas(), Rect(0, 0, 3, 1));
    EXPECT_EQ(colour.Canvas()->Pixels(0, 0), clYellow);
    EXPECT_EQ(colour.Canvas()->Pixels(1, 0), clBlue);

    // Drawing in colour on a monochrome bitmap leaves black and white only.
    mask.Canvas()->Brush()->SetColor(clSilver);
    mask.Canvas()->FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(mask.Image().pixel(0, 0) & 0xFFFFFF, 0u);
}

TEST(CopyMode, BitmapHasAnImageOnceSized)
{
    TBitmap b, c;
    EXPECT_FALSE(b.HandleAllocated());
    c.Assign(&b);
    EXPECT_FALSE(c.HandleAllocated());
    b.SetSize(2, 1);
    EXPECT_TRUE(b.HandleAllocated());
    c.Assign(&b);
    EXPECT_TRUE(c.HandleAllocated());
}

// Raster operations also work on a control's canvas during its paint.
TEST(CopyMode, ControlCanvasCombinesWithWhatIsAlreadyPainted)
{
    TForm form(nullptr);
    form.SetClientWidth(4);
    form.SetClientHeight(4);
    form.SetColor(static_cast<TColor>(0x00F0F0F0));
    TBitmap src(4, 4);
    src.Canvas()->Brush()->SetColor(static_cast<TColor>(0x000F00FF));
    src.Canvas()->FillRect(Rect(0, 0, 4, 4));
    form.OnPaint = [&](TObject *) {
        form.Canvas()->SetCopyMode(SRCAND);
        form.Canvas()->CopyRect(Rect(0, 0, 2, 4), src.Canvas(), Rect(0, 0, 2, 4));
    };
    QImage img = form.PaintToImage();
    EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0xF00000u); // 0x00F0F0F0 and 0x000F00FF: red 0xF0 alone
    EXPECT_EQ(img.pixel(3, 0) & 0xFFFFFF, 0xF0F0F0u);
}

} // namespace
