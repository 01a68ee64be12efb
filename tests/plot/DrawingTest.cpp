#include "Bitmap.h"
#include "Font.h"
#include "Pen.h"
#include "gDrawing.h"
#include "gUtilities.h"

#include "PageControl.h"
#include "Printers.h"

#include <QPageLayout>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

struct Ink {
    TRect bounds; // of every pixel that is not the background
    int count = 0;
};

Ink InkOf(TBitmap &bmp, TColor background = clWhite)
{
    Ink ink;
    ink.bounds = TRect(bmp.Width(), bmp.Height(), -1, -1);
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (bmp.Canvas()->Pixels(x, y) != background) {
                ++ink.count;
                ink.bounds.Left = std::min(ink.bounds.Left, x);
                ink.bounds.Top = std::min(ink.bounds.Top, y);
                ink.bounds.Right = std::max(ink.bounds.Right, x + 1);
                ink.bounds.Bottom = std::max(ink.bounds.Bottom, y + 1);
            }
    return ink;
}

TEST(PlotDrawing, ShiftColorBrightness)
{
    EXPECT_EQ(ShiftColorBrightness(RGB(250, 10, 128), 10, true), RGB(255, 20, 138));
    EXPECT_EQ(ShiftColorBrightness(RGB(250, 10, 128), 10, false), RGB(240, 0, 118));
    EXPECT_EQ(ShiftColorBrightness(clBtnFace, 0, true), ColorToRGB(clBtnFace)); // system colours resolved
}

TEST(PlotDrawing, TextFlags)
{
    EXPECT_EQ(TextFlagsToDrawText(itfLeft | itfTop), static_cast<unsigned>(DT_NOPREFIX));
    EXPECT_EQ(TextFlagsToDrawText(itfWordBreak | itfPrefix), static_cast<unsigned>(DT_WORDBREAK));
    EXPECT_EQ(TextFlagsToDrawText(itfCenter | itfVCenter | itfSingleLine | itfNoClip | itfCalcRect | itfEndEllipsis),
              static_cast<unsigned>(DT_NOPREFIX | DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_CALCRECT |
                                    DT_END_ELLIPSIS));

    // Without the prefix bit an ampersand is drawn: the text is wider than
    // the same text with the ampersand taken as a mnemonic.
    TBitmap bmp(200, 40);
    TRect r(0, 0, 200, 40);
    TRect plain = r, prefixed = r;
    DrawTextWithFlags(bmp.Canvas(), "A&&B", plain, itfWordBreak | itfCalcRect, true, clBtnFace);
    DrawTextWithFlags(bmp.Canvas(), "A&&B", prefixed, itfWordBreak | itfPrefix | itfCalcRect, true, clBtnFace);
    EXPECT_GT(plain.Width(), prefixed.Width());

    // Word break wraps into more lines when narrower.
    EXPECT_GT(WrappedTextHeight(bmp.Canvas(), "one two three four five", 30),
              WrappedTextHeight(bmp.Canvas(), "one two three four five", 400));
    // Two lines stand one line height apart; Qt lays lines out at the
    // font's fractional height, so the sum may round one pixel off.
    EXPECT_NEAR(MultiLineTextHeight(bmp.Canvas(), "a\r\nb"), 2 * bmp.Canvas()->TextHeight("a"), 1);
    EXPECT_EQ(MaxLineWidth(bmp.Canvas(), "ab\rabcd\nabc"), bmp.Canvas()->TextWidth("abcd"));
    EXPECT_EQ(MaxLineWidth(bmp.Canvas(), ""), 0);
}

TEST(PlotDrawing, DisabledTextIsEmbossed)
{
    TBitmap bmp(60, 20);
    bmp.Canvas()->Brush()->SetStyle(bsClear);
    bmp.Canvas()->Font()->SetColor(clBlack);
    TRect r(0, 0, 60, 20);
    DrawTextWithFlags(bmp.Canvas(), "MW", r, itfLeft, false, clBtnFace);
    const TColor light = ShiftColorBrightness(clBtnFace, 64, true), dark = ShiftColorBrightness(clBtnFace, 32, false);
    int lights = 0, darks = 0, blacks = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const TColor c = bmp.Canvas()->Pixels(x, y);
            lights += c == light;
            darks += c == dark;
            blacks += c == clBlack;
        }
    EXPECT_GT(lights, 0);
    EXPECT_GT(darks, 0);
    EXPECT_EQ(blacks, 0);
    EXPECT_EQ(bmp.Canvas()->Font()->Color(), clBlack); // restored
}

TEST(PlotDrawing, RotatedTextBounds)
{
    for (TgRotationAngle rot : {ira000, ira090, ira180, ira270}) {
        TBitmap bmp(120, 120);
        bmp.Canvas()->Brush()->SetStyle(bsClear);
        bmp.Canvas()->Font()->SetColor(clBlack);
        bmp.Canvas()->Font()->SetHeight(-16);
        TRect textRect;
        DrawRotatedText(bmp.Canvas(), "WWWWWW", TRect(0, 0, 120, 120), rot, iahCenter, true, clBtnFace, textRect);
        const Ink ink = InkOf(bmp);
        ASSERT_GT(ink.count, 0) << rot;
        const bool upright = rot == ira000 || rot == ira180;
        EXPECT_EQ(upright, ink.bounds.Width() > ink.bounds.Height()) << rot;
        // The ink lies within the reported rectangle, give or take glyph bearings.
        TRect slack = textRect;
        slack.Inflate(3, 3);
        EXPECT_GE(ink.bounds.Left, slack.Left) << rot;
        EXPECT_GE(ink.bounds.Top, slack.Top) << rot;
        EXPECT_LE(ink.bounds.Right, slack.Right) << rot;
        EXPECT_LE(ink.bounds.Bottom, slack.Bottom) << rot;
        EXPECT_EQ(bmp.Canvas()->Font()->Orientation(), 0);
    }
}

TEST(PlotDrawing, GradientSteps)
{
    struct Case {
        const char *name;
        TRect rect;
        TgFillDirection dir;
        std::function<void(TBitmap &)> check;
    } cases[] = {
        {"top to bottom", TRect(0, 0, 10, 5), ifdTopBottom,
         [](TBitmap &b) {
             EXPECT_EQ(b.Canvas()->Pixels(3, 0), clRed);
             EXPECT_EQ(b.Canvas()->Pixels(3, 4), clBlue);
             EXPECT_EQ(b.Canvas()->Pixels(3, 2), RGB(128, 0, 128)); // 127.5 to the even 128
         }},
        {"bottom to top", TRect(0, 0, 10, 5), ifdBottomTop,
         [](TBitmap &b) { EXPECT_EQ(b.Canvas()->Pixels(3, 0), clBlue); }},
        {"right to left", TRect(0, 0, 5, 10), ifdRightLeft,
         [](TBitmap &b) { EXPECT_EQ(b.Canvas()->Pixels(4, 3), clRed); }},
        {"one pixel high: one step in the start colour", TRect(0, 0, 10, 1), ifdTopBottom,
         [](TBitmap &b) { EXPECT_EQ(b.Canvas()->Pixels(5, 0), clRed); }},
        {"no pixel high: nothing", TRect(0, 0, 10, 0), ifdTopBottom,
         [](TBitmap &b) { EXPECT_EQ(InkOf(b).count, 0); }},
        {"rectangle out: start colour at the centre", TRect(0, 0, 12, 12), ifdRectangleOut,
         [](TBitmap &b) { EXPECT_EQ(b.Canvas()->Pixels(5, 5), clRed); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap bmp(20, 20);
        FillGradient(bmp.Canvas(), c.rect, c.dir, clRed, clBlue);
        c.check(bmp);
    }
}

TEST(PlotDrawing, BorderFrames)
{
    for (int style : {0, 1, 2, 3}) {
        TBitmap bmp(10, 10);
        bmp.Canvas()->Brush()->SetColor(clWhite);
        DrawBorderFrame(bmp.Canvas(), TRect(0, 0, 10, 10), style);
        const TColor corner = bmp.Canvas()->Pixels(0, 0), far = bmp.Canvas()->Pixels(9, 9);
        switch (style) {
        case 0: EXPECT_EQ(corner, ColorToRGB(clBtnShadow)); EXPECT_EQ(far, ColorToRGB(clBtnHighlight)); break;
        case 1: EXPECT_EQ(corner, ColorToRGB(cl3DLight)); EXPECT_EQ(far, ColorToRGB(cl3DDkShadow)); break;
        case 2: EXPECT_EQ(corner, ColorToRGB(clBtnShadow)); EXPECT_EQ(far, ColorToRGB(clBtnShadow)); break;
        default: EXPECT_EQ(InkOf(bmp).count, 0); break;
        }
        if (style < 2) {
            EXPECT_EQ(bmp.Canvas()->Pixels(2, 2), clWhite); // two pixels of edge only
        }
    }
}

TEST(PlotUtilities, Tables)
{
    struct Dec {
        int p;
        TgPrecisionStyle style;
        double a, b;
        int want;
    } decs[] = {{3, ipsSignificantDigits, 0, 250, 0}, {3, ipsSignificantDigits, 0, 0.05, 4},
                {3, ipsSignificantDigits, 0, 0, 1},   {0, ipsSignificantDigits, 0, 5, 0},
                {-2, ipsFixedDecimalPoints, 0, 5, -2}, {4, ipsSignificantDigits, 10, 11.5, 3}};
    for (const Dec &d : decs)
        EXPECT_EQ(PrecisionDecimals(d.p, d.style, d.a, d.b), d.want) << d.p << " " << d.b;

    EXPECT_EQ(DateTimeToMinutes(-2), 10000);
    EXPECT_EQ(DateTimeToMinutes(-0.5), 720);
    EXPECT_EQ(DateTimeToSeconds(1 + 1.5 / 86400), 86401);
    EXPECT_EQ(DateTimeToMilliseconds(1 + 1.5 / 86400), 86401500);
    EXPECT_EQ(DateTimeToHours(2.25), 54);
    EXPECT_EQ(DateTimeToMilliseconds(30), 2147483647); // overflows 32 bits
    EXPECT_EQ(DateTimeToSeconds(-3), 2147483647);

    double w = 0, h = 0;
    PaperSizeToInches(9, w, h);
    EXPECT_NEAR(w, 8.268, 0.001);
    EXPECT_NEAR(h, 11.693, 0.001);
    for (int code : {0, 1, 2, 48, 69}) {
        PaperSizeToInches(code, w, h);
        EXPECT_EQ(w, 8.5) << code;
        EXPECT_EQ(h, 11) << code;
    }
    PaperSizeToInches(4, w, h);
    EXPECT_EQ(w, 17);

    EXPECT_EQ(NormalizedRect(5, 9, 1, 2), TRect(1, 2, 5, 9));
    EXPECT_EQ(ReversibleNormalizedRect(true, 5, 9, 1, 2), TRect(2, 1, 9, 5));
    EXPECT_EQ(ReversiblePoint(true, 1, 2), TPoint(2, 1));
}

// The page index helpers: an index below the page count is taken (negative
// ones show no page), a larger one changes nothing.
TEST(PlotUtilities, ActivePageIndex)
{
    TPageControl pc(nullptr);
    for (int i = 0; i < 2; ++i)
        (new TTabSheet(&pc))->SetPageControl(&pc);
    EXPECT_EQ(GetActivePageIndex(&pc), -1);
    const struct {
        int set, active;
    } rows[] = {{1, 1}, {2, 1}, {0, 0}, {99, 0}, {-1, -1}, {2, -1}, {1, 1}, {-5, -1}};
    for (const auto &row : rows) {
        SetActivePageIndex(&pc, row.set);
        EXPECT_EQ(GetActivePageIndex(&pc), row.active) << row.set;
    }
}

// The program printer's paper (a PDF printer here) read through its paper code.
TEST(Utilities, PrinterPaperSizeFollowsPaperAndOrientation)
{
    QPrinter *printer = Printer();
    const QPageLayout before = printer->pageLayout();
    const struct {
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
        double width, height;
    } rows[] = {
        {QPageSize::A4, QPageLayout::Portrait, 8.268, 11.693},
        {QPageSize::A4, QPageLayout::Landscape, 11.693, 8.268},
        {QPageSize::Legal, QPageLayout::Portrait, 8.5, 14},
    };
    for (const auto &row : rows) {
        printer->setPageSize(QPageSize(row.paper));
        printer->setPageOrientation(row.orientation);
        double w = 0, h = 0;
        GetPrinterPaperSize(w, h);
        EXPECT_NEAR(w, row.width, 0.001);
        EXPECT_NEAR(h, row.height, 0.001);
    }
    printer->setPageLayout(before);
}

} // namespace
