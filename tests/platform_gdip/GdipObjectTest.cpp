// Status answers, matrices, fonts, text measuring and images.

#include "GdipTestCanvas.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <gtest/gtest.h>

TEST(GdipObjects, NullHandlesAnswerInvalidParameter)
{
    EXPECT_EQ(GdipDeleteMatrix(nullptr), InvalidParameter);
    EXPECT_EQ(GdipFillRectangle(nullptr, nullptr, 0, 0, 1, 1), InvalidParameter);
    EXPECT_EQ(GdipSetSmoothingMode(nullptr, SmoothingModeAntiAlias), InvalidParameter);
    REAL e[6];
    EXPECT_EQ(GdipGetMatrixElements(nullptr, e), InvalidParameter);
}

TEST(GdipObjects, AllocationNeedsAStartedService)
{
    uintptr_t token = 0;
    GdiplusStartupInput in;
    ASSERT_EQ(GdiplusStartup(&token, &in, nullptr), Ok);
    void *p = GdipAlloc(16);
    EXPECT_NE(p, nullptr);
    GdipFree(p);
    GdiplusStartupInput wrong;
    wrong.GdiplusVersion = 2;
    uintptr_t t2 = 0;
    EXPECT_EQ(GdiplusStartup(&t2, &wrong, nullptr), UnsupportedGdiplusVersion);
    GdiplusShutdown(token);
}

TEST(GdipObjects, MatrixOperations)
{
    GpMatrix *m = nullptr;
    GdipCreateMatrix(&m);
    BOOL id = 0;
    GdipIsMatrixIdentity(m, &id);
    EXPECT_TRUE(id);
    GdipTranslateMatrix(m, 10, 0, MatrixOrderAppend);
    GdipRotateMatrix(m, 90, MatrixOrderPrepend);
    GpPointF p{1, 0};
    GdipTransformMatrixPoints(m, &p, 1);
    // Rotated first (prepended), then moved: (1, 0) -> (0, 1) -> (10, 1).
    EXPECT_NEAR(p.X, 10, 1e-5);
    EXPECT_NEAR(p.Y, 1, 1e-5);
    GpPointF v{1, 0};
    GdipVectorTransformMatrixPoints(m, &v, 1);
    EXPECT_NEAR(v.X, 0, 1e-5);
    EXPECT_NEAR(v.Y, 1, 1e-5);
    GdipSetMatrixElements(m, 1, 2, 2, 4, 0, 0);
    EXPECT_EQ(GdipInvertMatrix(m), InvalidParameter);
    BOOL inv = 1;
    GdipIsMatrixInvertible(m, &inv);
    EXPECT_FALSE(inv);
    const GpRectF r{0, 0, 10, 10};
    const GpPointF plg[3] = {{5, 5}, {25, 5}, {5, 15}};
    GpMatrix *m3 = nullptr;
    ASSERT_EQ(GdipCreateMatrix3(&r, plg, &m3), Ok);
    GpPointF q{10, 10};
    GdipTransformMatrixPoints(m3, &q, 1);
    EXPECT_NEAR(q.X, 25, 1e-4);
    EXPECT_NEAR(q.Y, 15, 1e-4);
    GdipDeleteMatrix(m3);
    GdipDeleteMatrix(m);
}

TEST(GdipObjects, UnknownFamilyIsNotFound)
{
    GpFontFamily *f = nullptr;
    const std::u16string name = u"No Such Family 4711";
    EXPECT_EQ(GdipCreateFontFamilyFromName(name.c_str(), nullptr, &f), FontFamilyNotFound);
    EXPECT_EQ(f, nullptr);
    GpFontFamily *sans = nullptr;
    ASSERT_EQ(GdipGetGenericFontFamilySansSerif(&sans), Ok);
    GpFont *font = nullptr;
    EXPECT_EQ(GdipCreateFont(sans, 0, 0, UnitPixel, &font), InvalidParameter);
    EXPECT_EQ(GdipCreateFont(sans, 12, 0, UnitPixel, &font), Ok);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(sans);
}

namespace {
GpRectF measure(GpGraphics *g, GpFont *font, const std::u16string &s, const GpStringFormat *fmt,
                GpRectF layout = {0, 0, 0, 0}, INT *lines = nullptr)
{
    GpRectF box{};
    GdipMeasureString(g, s.c_str(), INT(s.size()), font, &layout, fmt, &box, nullptr, lines);
    return box;
}
} // namespace

TEST(GdipObjects, MeasuringIgnoresTrailingBlanksAndWraps)
{
    GdipTestCanvas c;
    GpFontFamily *sans = nullptr;
    GdipGetGenericFontFamilySansSerif(&sans);
    GpFont *font = nullptr;
    GdipCreateFont(sans, 12, 0, UnitPoint, &font);
    const GpRectF ab = measure(c.g, font, u"ab", nullptr);
    const GpRectF abBlank = measure(c.g, font, u"ab ", nullptr);
    const GpRectF abi = measure(c.g, font, u"abi", nullptr);
    EXPECT_FLOAT_EQ(ab.Width, abBlank.Width);
    EXPECT_GT(abi.Width, ab.Width);
    GpStringFormat *trailing = nullptr;
    GdipCreateStringFormat(StringFormatFlagsMeasureTrailingSpaces, 0, &trailing);
    EXPECT_GT(measure(c.g, font, u"ab ", trailing).Width, ab.Width);
    // Padding of a sixth of the em on both sides: 16 px em -> > 5 px extra.
    EXPECT_GT(ab.Width, 5);
    INT lines = 0;
    const GpRectF wrapped = measure(c.g, font, u"one two three four five six", nullptr,
                                    {0, 0, 60, 1000}, &lines);
    EXPECT_GT(lines, 2);
    EXPECT_LE(wrapped.Width, 60);
    GpStringFormat *nowrap = nullptr;
    GdipCreateStringFormat(StringFormatFlagsNoWrap, 0, &nowrap);
    measure(c.g, font, u"one two three four five six", nowrap, {0, 0, 60, 1000}, &lines);
    EXPECT_EQ(lines, 1);
    // A given length stops at the terminator of the text.
    GpRectF box{}, layout{0, 0, 0, 0};
    const char16_t text[] = u"ab";
    EXPECT_EQ(GdipMeasureString(c.g, text, 1000, font, &layout, nullptr, &box, nullptr, nullptr), Ok);
    EXPECT_FLOAT_EQ(box.Width, ab.Width);
    GdipDeleteStringFormat(trailing);
    GdipDeleteStringFormat(nowrap);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(sans);
}

TEST(GdipObjects, DrawnTextStaysInItsClippedRectangle)
{
    GdipTestCanvas c(120, 40, SmoothingModeNone);
    GpFontFamily *sans = nullptr;
    GdipGetGenericFontFamilySansSerif(&sans);
    GpFont *font = nullptr;
    GdipCreateFont(sans, 20, FontStyleBold, UnitPixel, &font);
    SolidBrush black(0xFF000000);
    const std::u16string s = u"WWWWWWWWWW";
    const GpRectF r{10, 5, 50, 30};
    GpStringFormat *nowrap = nullptr;
    GdipCreateStringFormat(StringFormatFlagsNoWrap, 0, &nowrap);
    ASSERT_EQ(GdipDrawString(c.g, s.c_str(), -1, font, &r, nowrap, black.brush()), Ok);
    c.done();
    int inside = 0, outside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            (x >= 10 && x < 60 && y >= 5 && y < 35 ? inside : outside) += c.ink(x, y) > 0;
    EXPECT_GT(inside, 50);
    EXPECT_EQ(outside, 0);
    GdipDeleteStringFormat(nowrap);
    GdipDeleteFont(font);
    GdipDeleteFontFamily(sans);
}

namespace {
// Qt writes no GIF: a 1 x 1 picture, byte by byte.
QByteArray tinyGif()
{
    static const unsigned char bytes[] = {
        'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0,
        0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0x02, 0x02, 0x44, 0x01, 0, 0x3B};
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

QByteArray encoded(const char *format, int w, int h)
{
    if (qstrcmp(format, "GIF") == 0)
        return tinyGif();
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(QColor(10, 200, 30));
    img.setPixelColor(0, 0, QColor(255, 0, 0));
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format);
    return bytes;
}

Status load(QByteArray bytes, GpImage **img)
{
    QBuffer buf(&bytes);
    buf.open(QIODevice::ReadOnly);
    return GdipLoadImageFromStream(&buf, img);
}
} // namespace

TEST(GdipObjects, ImagesDecodeWithTheirFormat)
{
    struct Case { const char *fmt; GUID raw; };
    for (const Case &k : {Case{"PNG", ImageFormatPNG}, Case{"JPEG", ImageFormatJPEG},
                          Case{"BMP", ImageFormatBMP}, Case{"GIF", ImageFormatGIF}}) {
        GpImage *img = nullptr;
        ASSERT_EQ(load(encoded(k.fmt, 7, 5), &img), Ok) << k.fmt;
        UINT w = 0, h = 0;
        GdipGetImageWidth(img, &w);
        GdipGetImageHeight(img, &h);
        const bool gif = k.raw == ImageFormatGIF;
        EXPECT_EQ(w, gif ? 1u : 7u);
        EXPECT_EQ(h, gif ? 1u : 5u);
        GUID raw{};
        GdipGetImageRawFormat(img, &raw);
        EXPECT_TRUE(raw == k.raw) << k.fmt;
        GdipDisposeImage(img);
    }
    GpImage *none = nullptr;
    EXPECT_EQ(load(QByteArray(), &none), InvalidParameter);
    EXPECT_EQ(load(QByteArray("not a picture at all"), &none), UnknownImageFormat);
    EXPECT_EQ(none, nullptr);
}

TEST(GdipObjects, DamagedPicturesFailInBoundedTime)
{
    QByteArray png = encoded("PNG", 300, 300);
    QElapsedTimer timer;
    timer.start();
    for (int cut : {8, 20, 33, 60, int(png.size()) / 2}) {
        GpImage *img = nullptr;
        const Status s = load(png.left(cut), &img);
        if (s == Ok)
            GdipDisposeImage(img);
    }
    QByteArray huge = png;
    huge[16] = char(0x7F);  // width 0x7F00012C
    GpImage *img = nullptr;
    EXPECT_NE(load(huge, &img), Ok);
    EXPECT_LT(timer.elapsed(), 20000);
}

TEST(GdipObjects, PicturesDrawPixelExactAtWholeCoordinates)
{
    GpImage *img = nullptr;
    ASSERT_EQ(load(encoded("PNG", 4, 4), &img), Ok);
    for (SmoothingMode mode : {SmoothingModeNone, SmoothingModeAntiAlias}) {
        GdipTestCanvas c(10, 10, mode);
        GdipDrawImageI(c.g, img, 3, 2);
        const QImage &im = c.done();
        EXPECT_EQ(im.pixel(3, 2), qRgb(255, 0, 0)) << mode;
        EXPECT_EQ(im.pixel(4, 3), qRgb(10, 200, 30)) << mode;
        EXPECT_EQ(im.pixel(7, 2), qRgb(255, 255, 255)) << mode;
    }
    GdipDisposeImage(img);
}

TEST(GdipObjects, ColorKeyMakesPixelsTransparent)
{
    GpImage *img = nullptr;
    ASSERT_EQ(load(encoded("PNG", 4, 4), &img), Ok);
    GpImageAttributes *ia = nullptr;
    GdipCreateImageAttributes(&ia);
    GdipSetImageAttributesColorKeys(ia, ColorAdjustTypeDefault, 1, 0xFF0AC81E, 0xFF0AC81E);
    GdipTestCanvas c(10, 10, SmoothingModeNone);
    GdipDrawImageRectRect(c.g, img, 0, 0, 4, 4, 0, 0, 4, 4, UnitPixel, ia, nullptr, nullptr);
    const QImage &im = c.done();
    EXPECT_EQ(im.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(im.pixel(2, 2), qRgb(255, 255, 255));
    GdipDisposeImageAttributes(ia);
    GdipDisposeImage(img);
}

// A colour-keyed draw adjusts only what shows: a small canvas that sees a
// window of the drawn picture gets the same pixels as a large one that sees
// it whole, unscaled, scaled up, down and far down, and under a clip.
TEST(GdipObjects, ColorKeyedDrawsOfAWindowMatchTheWholeDraw)
{
    QImage pattern(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            pattern.setPixel(x, y, (x + 2 * y) % 3 == 0 ? qRgb(10, 200, 30) : qRgb(x * 6, y * 8, 200 - x * 4));
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    pattern.save(&buf, "PNG");
    GpImage *img = nullptr;
    ASSERT_EQ(load(bytes, &img), Ok);
    GpImageAttributes *ia = nullptr;
    GdipCreateImageAttributes(&ia);
    GdipSetImageAttributesColorKeys(ia, ColorAdjustTypeDefault, 1, 0xFF0AC81E, 0xFF0AC81E);
    struct Case {
        REAL x, y, w, h;
        bool clip;
    } cases[] = {
        {-7, -5, 40, 30, false}, {-13, -9, 60, 45, false}, {-3, -4, 20, 15, false},
        {-150, -120, 400, 300, false}, {1, 2, 4, 3, false}, {-7, -5, 40, 30, true}, {-13.5f, -9.25f, 61, 47, true},
    };
    constexpr int kOffset = 20;
    for (const Case &k : cases) {
        GdipTestCanvas whole(450, 360, SmoothingModeNone), window(20, 20, SmoothingModeNone);
        GdipDrawImageRectRect(whole.g, img, k.x + kOffset, k.y + kOffset, k.w, k.h, 0, 0, 40, 30, UnitPixel, ia,
                              nullptr, nullptr);
        if (k.clip)
            GdipSetClipRect(window.g, 4, 3, 9, 11, CombineModeReplace);
        GdipDrawImageRectRect(window.g, img, k.x, k.y, k.w, k.h, 0, 0, 40, 30, UnitPixel, ia, nullptr, nullptr);
        const QImage &a = whole.done(), &b = window.done();
        int differing = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                if (k.clip && (x < 4 || x >= 13 || y < 3 || y >= 14))
                    continue;
                const QRgb p = a.pixel(x + kOffset, y + kOffset), q = b.pixel(x, y);
                if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                    std::abs(qBlue(p) - qBlue(q)) > 2)
                    ++differing;
            }
        EXPECT_EQ(differing, 0) << k.x << "," << k.y << " " << k.w << "x" << k.h;
    }
    GdipDisposeImageAttributes(ia);
    GdipDisposeImage(img);
}

TEST(GdipObjects, BitmapGraphicsDrawsIntoTheBitmap)
{
    GpBitmap *bmp = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(8, 8, 0, PixelFormat32bppARGB, nullptr, &bmp), Ok);
    GpGraphics *g = nullptr;
    ASSERT_EQ(GdipGetImageGraphicsContext(bmp, &g), Ok);
    EXPECT_EQ(GdipDisposeImage(bmp), ObjectBusy);
    GdipGraphicsClear(g, 0xFF102030);
    GdipDeleteGraphics(g);
    ARGB px = 0;
    GdipBitmapGetPixel(bmp, 5, 5, &px);
    EXPECT_EQ(px, 0xFF102030u);
    EXPECT_EQ(GdipDisposeImage(bmp), Ok);
}
