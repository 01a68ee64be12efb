// The drawing layer's wrappers: colours, status answers, text helpers and
// the shape filler.

#include "SmGDIP.h"
#include "TestSurface.h"

#include "Canvas.h"
#include "Font.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>


TEST(SmGDIPColours, ArgbFromColorResolvesAndPacks)
{
    EXPECT_EQ(ArgbFromColor(128, clRed), 0x80FF0000u);
    EXPECT_EQ(OpaqueArgbFromColor(clNone), 0xFFFFFFFFu);
    EXPECT_EQ(OpaqueArgbFromColor(RGB(1, 2, 3)), 0xFF010203u);
    // System colours in both markings resolve through the fixed table.
    const TColor window = GetSysColor(5);
    EXPECT_EQ(OpaqueArgbFromColor(clWindow), OpaqueArgbFromColor(window));
    EXPECT_EQ(OpaqueArgbFromColor(TColorFromBits(0x80000005u)), OpaqueArgbFromColor(window));
    EXPECT_EQ(PackArgb(1, 2, 3), 0xFF010203u);
    EXPECT_EQ(ArgbRed(0x11223344), 0x22);
    EXPECT_EQ(ArgbGreen(0x11223344), 0x33);
    EXPECT_EQ(ArgbBlue(0x11223344), 0x44);
}

TEST(SmGDIPStatus, FailureIsRememberedUntilRead)
{
    TGPLinearGradientBrush brush(MakeRectF(0, 0, 10, 10), 0xFF000000, 0xFFFFFFFF,
                                 LinearGradientModeVertical);
    EXPECT_EQ(brush.SetInterpolationColors(nullptr, nullptr, 0), InvalidParameter);
    EXPECT_EQ(brush.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(brush.GetLastStatus(), Ok);
    TGPBrush plain;
    EXPECT_EQ(plain.GetLastStatus(), NotImplemented);
}

TEST(SmGDIPStatus, MatrixResetOffsetsAndClone)
{
    TGPMatrix m;
    EXPECT_EQ(m.OffsetX(), 0.0f);
    m.Translate(5, 7);
    EXPECT_FALSE(m.IsIdentity());
    EXPECT_EQ(m.OffsetY(), 7.0f);
    m.Reset();
    EXPECT_TRUE(m.IsIdentity());
    // An earlier failure, not yet read, does not lose a good copy.
    m.SetElements(1, 2, 2, 4, 0, 0);
    EXPECT_EQ(m.Invert(), InvalidParameter);
    std::unique_ptr<TGPMatrix> copy(m.Clone());
    ASSERT_NE(copy, nullptr);
    REAL e[6];
    copy->GetElements(e);
    EXPECT_EQ(e[1], 2.0f);
    TGPMatrix r;
    r.RotateAt(90, MakePointF(10, 10));
    TGPPointF p = MakePointF(20, 10);
    r.TransformPoints(&p);
    EXPECT_NEAR(p.X, 10, 1e-4);
    EXPECT_NEAR(p.Y, 20, 1e-4);
}

TEST(SmGDIPStatus, PathGradientCallsAnswerTheirOwnStatus)
{
    TGPGraphicsPath path;
    path.AddEllipse(0, 0, 40, 20);
    TGPPathGradientBrush brush(&path);
    // An earlier failure of the brush stays unread...
    EXPECT_EQ(brush.SetInterpolationColors(nullptr, nullptr, 0), InvalidParameter);
    // ...and the colour calls still report their own success.
    EXPECT_EQ(brush.SetCenterColor(0xFF112233), Ok);
    ARGB centre = 0;
    EXPECT_EQ(brush.GetCenterColor(centre), Ok);
    EXPECT_EQ(centre, 0xFF112233u);
    ARGB rim[2] = {0xFF0000FF, 0xFF00FF00};
    INT n = 2;
    EXPECT_EQ(brush.SetSurroundColors(rim, n), Ok);
    EXPECT_EQ(n, 2);
    ARGB got[4] = {};
    INT room = 4;
    EXPECT_EQ(brush.GetSurroundColors(got, room), Ok);
    EXPECT_EQ(room, 2);
    EXPECT_EQ(got[1], 0xFF00FF00u);
    INT small = 1;
    EXPECT_EQ(brush.GetSurroundColors(got, small), InsufficientBuffer);
    INT tooMany = brush.GetPointCount() + 1;
    std::vector<ARGB> many(size_t(tooMany), 0);
    EXPECT_EQ(brush.SetSurroundColors(many.data(), tooMany), InvalidParameter);
    EXPECT_EQ(brush.GetSurroundColors(nullptr, room), InvalidParameter);
}

TEST(SmGDIPStatus, PenBrushWrapperMatchesTheBrushKind)
{
    TGPLinearGradientBrush linear(MakeRectF(0, 0, 10, 10), 0xFF000000, 0xFFFFFFFF,
                                  LinearGradientModeHorizontal);
    TGPPen pen(&linear, 2);
    std::unique_ptr<TGPBrush> b(pen.GetBrush());
    ASSERT_NE(dynamic_cast<TGPLinearGradientBrush *>(b.get()), nullptr);
    EXPECT_EQ(b->GetLastStatus(), Ok);
    EXPECT_NE(b->NativeBrush(), nullptr);

    TGPGraphicsPath path;
    path.AddRectangle(MakeRectF(0, 0, 10, 10));
    TGPPathGradientBrush radial(&path);
    pen.SetBrush(&radial);
    std::unique_ptr<TGPBrush> pb(pen.GetBrush());
    auto *asPath = dynamic_cast<TGPPathGradientBrush *>(pb.get());
    ASSERT_NE(asPath, nullptr);
    EXPECT_EQ(asPath->GetLastStatus(), Ok);
    EXPECT_EQ(asPath->GetPointCount(), 5);

    TGPPen solid(0xFF000000);
    std::unique_ptr<TGPBrush> sb(solid.GetBrush());
    ARGB c = 0;
    ASSERT_NE(dynamic_cast<TGPSolidBrush *>(sb.get()), nullptr);
    EXPECT_EQ(static_cast<TGPSolidBrush *>(sb.get())->GetColor(c), Ok);
    EXPECT_EQ(c, 0xFF000000u);
}

TEST(SmGDIPText, LengthBeyondTheTextIsClamped)
{
    Surface s;
    TGPFont font(TGPFontFamily::GenericSansSerif(), 12, FontStyleRegular, UnitPixel);
    TGPRectF whole{}, beyond{};
    EXPECT_EQ(s.g->MeasureString(QStringLiteral("abc"), -1, &font, MakeRectF(0, 0, 0, 0), whole), Ok);
    EXPECT_EQ(s.g->MeasureString(QStringLiteral("abc"), 100000, &font, MakeRectF(0, 0, 0, 0), beyond), Ok);
    EXPECT_FLOAT_EQ(whole.Width, beyond.Width);
    TGPSolidBrush black(0xFF000000);
    EXPECT_EQ(s.g->DrawString(QStringLiteral("abc"), 1 << 30, &font, MakePointF(2, 2), &black), Ok);
}

TEST(SmGDIPText, MakeFontFallsBackToArial)
{
    Surface s;
    TFont f;
    f.SetName(QStringLiteral("No Such Family 4711"));
    f.SetSize(11);
    f.SetStyle(TFontStyles{fsBold, fsItalic});
    std::unique_ptr<TGPFont> font(s.g->MakeFont(&f));
    ASSERT_EQ(font->GetStatus(), Ok);
    TGPFontFamily arial(QStringLiteral("Arial"));
    ASSERT_EQ(arial.GetStatus(), Ok);
    EXPECT_EQ(font->NativeFont()->family, arial.NativeFamily()->name);
    EXPECT_EQ(font->NativeFont()->emSize, 11.0f);
    EXPECT_EQ(font->NativeFont()->style, FontStyleBold | FontStyleItalic);
    EXPECT_EQ(font->NativeFont()->unit, UnitPoint);
}

TEST(SmGDIPText, DrawTextMeasuresAndCorrects)
{
    TFont f;
    f.SetName(QStringLiteral("Tahoma"));
    for (int size : {8, 11}) {
        f.SetSize(size);
        Surface s(200, 60);
        TRect r = Rect(10, 5, 10, 5);
        const int h = s.g->DrawText(QStringLiteral("ab "), 3, r, &f, DT_CALCRECT, clNone);
        TRect ri = Rect(10, 5, 10, 5);
        s.g->DrawText(QStringLiteral("abi"), 3, ri, &f, DT_CALCRECT, clNone);
        const QImage &im = s.done();
        EXPECT_EQ(r, ri) << size;
        EXPECT_EQ(h, r.Bottom - r.Top);
        EXPECT_GT(h, 8);
        // The flag only measures.
        bool untouched = true;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                untouched = untouched && im.pixel(x, y) == qRgb(255, 255, 255);
        EXPECT_TRUE(untouched);
        // The width is the measured width less the correction.
        Surface m(200, 60);
        TGPFont font(f.Name(), REAL(size), FontStyleRegular, UnitPoint);
        TGPRectF box{};
        m.g->MeasureString(QStringLiteral("abi"), 3, &font, MakeRectF(10, 5, 1000, 0), box);
        const int correction = size == 11 ? 4 : 2;
        EXPECT_EQ(r.Right, RoundHalfEven(10 + box.Width - correction)) << size;
    }
    // A single blank is measured as it is.
    Surface s;
    TRect one = Rect(0, 0, 0, 0), i = Rect(0, 0, 0, 0);
    s.g->DrawText(QStringLiteral(" "), 1, one, &f, DT_CALCRECT, clNone);
    s.g->DrawText(QStringLiteral("i"), 1, i, &f, DT_CALCRECT, clNone);
    EXPECT_LT(one.Right, i.Right);
}

TEST(SmGDIPShapeFill, GradientCoversExactlyTheRectangleAndMirrorTopLine)
{
    Surface s(60, 40);
    s.g->SetSmoothingMode(SmoothingModeNone);
    ShapeFillParams p;
    p.Graphics = s.g.get();
    p.Rect = MakeRectF(10, 10, 40, 20);
    p.Kind = gtVertical;
    p.Color = clRed;
    p.ColorTo = clBlue;
    p.Mirror = true;
    DrawShapeFill(p);
    const QImage &im = s.done();
    for (int y = 0; y < 40; ++y) {
        EXPECT_EQ(im.pixel(9, y), qRgb(255, 255, 255));
        EXPECT_EQ(im.pixel(50, y), qRgb(255, 255, 255));
    }
    EXPECT_EQ(im.pixel(30, 9), qRgb(255, 255, 255));
    EXPECT_EQ(im.pixel(30, 30), qRgb(255, 255, 255));
    EXPECT_EQ(im.pixel(30, 10), qRgb(255, 0, 0));
    EXPECT_GT(qBlue(im.pixel(30, 29)), 220);
}

TEST(SmGDIPShapeFill, KindsWithoutBrushStillDrawTheBorder)
{
    for (TSmGradientType kind : {gtRadial, gtPath, gtNone, gtTexture}) {
        Surface s(40, 40);
        s.g->SetSmoothingMode(SmoothingModeNone);
        ShapeFillParams p;
        p.Graphics = s.g.get();
        p.Rect = MakeRectF(5, 5, 30, 30);
        p.Kind = kind;
        p.Color = clRed;
        p.ColorTo = clBlue;
        p.BorderColor = clBlack;
        p.BorderWidth = 1;
        DrawShapeFill(p);
        const QImage &im = s.done();
        EXPECT_EQ(im.pixel(20, 20), qRgb(255, 255, 255)) << kind;
        EXPECT_EQ(im.pixel(5, 20), qRgb(0, 0, 0)) << kind;
        EXPECT_EQ(im.pixel(35, 20), qRgb(0, 0, 0)) << kind;
    }
}
