// Gradients, hatches, textures and path gradients.

#include "GdipTestCanvas.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {
int red(const QImage &im, int x, int y) { return qRed(im.pixel(x, y)); }
int blue(const QImage &im, int x, int y) { return qBlue(im.pixel(x, y)); }
} // namespace

// A gradient brush one unit larger on every side fills exactly the target
// rectangle, running from the first colour at the top to the second at the
// bottom without wrapping round.
TEST(GdipBrushes, GradientCoversExactlyItsRectangle)
{
    GdipTestCanvas c(60, 40, SmoothingModeNone);
    GpLineGradient *lg = nullptr;
    const GpRectF r{10 - 1, 10 - 1, 40 + 2, 20 + 2};
    ASSERT_EQ(GdipCreateLineBrushFromRect(&r, 0xFFFF0000, 0xFF0000FF,
                                          LinearGradientModeVertical, WrapModeTile, &lg),
              Ok);
    GdipSetLineGammaCorrection(lg, 1);
    GdipFillRectangle(c.g, lg, 10, 10, 40, 20);
    GdipDeleteBrush(lg);
    const QImage &im = c.done();
    for (int x : {9, 50})
        for (int y = 0; y < 40; ++y)
            EXPECT_EQ(im.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
    for (int y : {9, 30})
        EXPECT_EQ(im.pixel(30, y), qRgb(255, 255, 255));
    // Gamma-corrected blending lifts the mixed channel near each end.
    EXPECT_GT(red(im, 30, 10), 230);
    EXPECT_LT(blue(im, 30, 10), 90);
    EXPECT_GT(blue(im, 30, 29), 230);
    EXPECT_LT(red(im, 30, 29), 110);
    for (int y = 11; y < 30; ++y)
        EXPECT_LE(red(im, 30, y), red(im, 30, y - 1)) << y;
    // Each row is one colour.
    EXPECT_EQ(im.pixel(10, 20), im.pixel(49, 20));
}

TEST(GdipBrushes, HorizontalAndDiagonalModes)
{
    GdipTestCanvas c(40, 40, SmoothingModeNone);
    GpLineGradient *h = nullptr, *d = nullptr;
    const GpRectF r{0, 0, 40, 20};
    GdipCreateLineBrushFromRect(&r, 0xFFFF0000, 0xFF0000FF, LinearGradientModeHorizontal,
                                WrapModeTile, &h);
    GdipFillRectangle(c.g, h, 0, 0, 40, 20);
    const GpRectF r2{0, 20, 40, 20};
    GdipCreateLineBrushFromRect(&r2, 0xFFFF0000, 0xFF0000FF,
                                LinearGradientModeForwardDiagonal, WrapModeTile, &d);
    GdipFillRectangle(c.g, d, 0, 20, 40, 20);
    GdipDeleteBrush(h);
    GdipDeleteBrush(d);
    const QImage &im = c.done();
    EXPECT_GT(red(im, 1, 10), 220);
    EXPECT_GT(blue(im, 38, 10), 220);
    EXPECT_EQ(im.pixel(20, 2), im.pixel(20, 17));
    // Forward diagonal: top-left first colour, bottom-right second, and the
    // other two corners half way.
    EXPECT_GT(red(im, 0, 20), 220);
    EXPECT_GT(blue(im, 39, 39), 220);
    EXPECT_NEAR(red(im, 39, 20), red(im, 0, 39), 12);
}

TEST(GdipBrushes, PresetBlendNeedsTwoStopsFromZeroToOne)
{
    GpLineGradient *lg = nullptr;
    const GpRectF r{0, 0, 10, 10};
    GdipCreateLineBrushFromRect(&r, 0xFF000000, 0xFFFFFFFF, LinearGradientModeVertical,
                                WrapModeTile, &lg);
    const ARGB cols[3] = {0xFF000000, 0xFFFF0000, 0xFFFFFFFF};
    const REAL good[3] = {0, 0.5f, 1}, bad[3] = {0.1f, 0.5f, 1};
    EXPECT_EQ(GdipSetLinePresetBlend(lg, cols, good, 3), Ok);
    EXPECT_EQ(GdipSetLinePresetBlend(lg, cols, bad, 3), InvalidParameter);
    EXPECT_EQ(GdipSetLinePresetBlend(lg, cols, good, 1), InvalidParameter);
    GdipDeleteBrush(lg);
}

TEST(GdipBrushes, HatchUsesForeAndBackColours)
{
    GdipTestCanvas c(16, 16, SmoothingModeNone);
    GpHatch *h = nullptr;
    ASSERT_EQ(GdipCreateHatchBrush(HatchStyle50Percent, 0xFF000000, 0xFFFFFFFF, &h), Ok);
    GdipFillRectangle(c.g, h, 0, 0, 16, 16);
    GdipDeleteBrush(h);
    c.done();
    for (int x = 0; x < 8; ++x)
        EXPECT_NE(c.ink(x, 4), c.ink(x + 1, 4));
    EXPECT_EQ(c.ink(3, 3), c.ink(4, 4));
    GpHatch *bad = nullptr;
    EXPECT_EQ(GdipCreateHatchBrush(HatchStyleTotal, 0, 0, &bad), InvalidParameter);
}

TEST(GdipBrushes, PathGradientRunsFromCentreToRimInsideThePath)
{
    GdipTestCanvas c(80, 80, SmoothingModeNone);
    GpPath *path = nullptr;
    GdipCreatePath(FillModeAlternate, &path);
    GdipAddPathEllipse(path, 10, 10, 60, 60);
    GpPathGradient *pg = nullptr;
    ASSERT_EQ(GdipCreatePathGradientFromPath(path, &pg), Ok);
    GdipSetPathGradientCenterColor(pg, 0xFF0000FF);
    ARGB rim = 0xFFFF0000;
    INT n = 1;
    ASSERT_EQ(GdipSetPathGradientSurroundColorsWithCount(pg, &rim, &n), Ok);
    GpPointF centre{};
    GdipGetPathGradientCenterPoint(pg, &centre);
    EXPECT_NEAR(centre.X, 40, 0.5);
    EXPECT_NEAR(centre.Y, 40, 0.5);
    GdipFillRectangle(c.g, pg, 0, 0, 80, 80);
    GdipDeleteBrush(pg);
    GdipDeletePath(path);
    const QImage &im = c.done();
    EXPECT_GT(blue(im, 40, 40), 230);
    EXPECT_LT(red(im, 40, 40), 25);
    EXPECT_GT(red(im, 11, 40), 200);
    EXPECT_EQ(im.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(im.pixel(12, 12), qRgb(255, 255, 255));
}

// A path gradient far larger than the device is computed only where it can
// show: it still paints, with the same colours, and quickly.
TEST(GdipBrushes, PathGradientLargerThanTheDevicePaintsItsVisiblePart)
{
    GdipTestCanvas c(64, 64, SmoothingModeAntiAlias);
    GpPath *path = nullptr;
    GdipCreatePath(FillModeAlternate, &path);
    GdipAddPathEllipse(path, 20 - 3000, 20 - 3000, 6000, 6000);
    GpPathGradient *pg = nullptr;
    ASSERT_EQ(GdipCreatePathGradientFromPath(path, &pg), Ok);
    GdipSetPathGradientCenterColor(pg, 0xFF0000FF);
    ARGB rim = 0xFFFF0000;
    INT n = 1;
    GdipSetPathGradientSurroundColorsWithCount(pg, &rim, &n);
    GpRegion *clip = nullptr;
    GpRectF half{0, 0, 32, 64};
    GdipCreateRegionRect(&half, &clip);
    GdipSetClipRegion(c.g, clip, CombineModeReplace);
    QElapsedTimer timer;
    timer.start();
    GdipFillPath(c.g, pg, path);
    EXPECT_LT(timer.elapsed(), 5000);
    GdipDeleteRegion(clip);
    GdipDeleteBrush(pg);
    GdipDeletePath(path);
    const QImage &im = c.done();
    EXPECT_GT(blue(im, 20, 20), 240);
    EXPECT_LT(red(im, 20, 20), 15);
    EXPECT_GT(blue(im, 31, 63), 230);  // 1 % of the way to the rim
    EXPECT_LT(red(im, 31, 63), 25);
    EXPECT_EQ(im.pixel(40, 20), qRgb(255, 255, 255));  // clipped away
}

TEST(GdipBrushes, SurroundColoursAreBoundedByThePointCount)
{
    GpPath *path = nullptr;
    GdipCreatePath(FillModeAlternate, &path);
    GdipAddPathRectangle(path, 0, 0, 10, 10);
    GpPathGradient *pg = nullptr;
    GdipCreatePathGradientFromPath(path, &pg);
    INT points = 0;
    GdipGetPathGradientPointCount(pg, &points);
    EXPECT_EQ(points, 5);
    ARGB cols[8] = {};
    INT many = 8;
    EXPECT_EQ(GdipSetPathGradientSurroundColorsWithCount(pg, cols, &many), InvalidParameter);
    INT two = 2;
    EXPECT_EQ(GdipSetPathGradientSurroundColorsWithCount(pg, cols, &two), Ok);
    ARGB out[1];
    INT room = 1;
    EXPECT_EQ(GdipGetPathGradientSurroundColorsWithCount(pg, out, &room), InsufficientBuffer);
    GdipDeleteBrush(pg);
    GdipDeletePath(path);
}

TEST(GdipBrushes, TextureTilesFromTheOrigin)
{
    GpBitmap *bmp = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(2, 2, 0, PixelFormat32bppARGB, nullptr, &bmp), Ok);
    GdipBitmapSetPixel(bmp, 0, 0, 0xFF000000);
    GdipBitmapSetPixel(bmp, 1, 0, 0xFFFFFFFF);
    GdipBitmapSetPixel(bmp, 0, 1, 0xFFFFFFFF);
    GdipBitmapSetPixel(bmp, 1, 1, 0xFF000000);
    GpTexture *t = nullptr;
    ASSERT_EQ(GdipCreateTexture(bmp, WrapModeTile, &t), Ok);
    for (SmoothingMode mode : {SmoothingModeNone, SmoothingModeAntiAlias}) {
        GdipTestCanvas c(8, 8, mode);
        GdipFillRectangle(c.g, t, 0, 0, 8, 8);
        c.done();
        EXPECT_EQ(c.ink(2, 2), 255) << mode;
        EXPECT_EQ(c.ink(3, 2), 0) << mode;
        EXPECT_EQ(c.ink(5, 3), 255) << mode;
    }
    GdipDeleteBrush(t);
    GdipDisposeImage(bmp);
}

// A picture decoded in a format without alpha tiles as it is, and the
// texture's picture reads back premultiplied with the same colours.
TEST(GdipBrushes, TextureOfAPictureWithoutAlphaTilesAndReadsBack)
{
    QImage checker(2, 2, QImage::Format_RGB888);
    checker.setPixelColor(0, 0, Qt::black);
    checker.setPixelColor(1, 0, Qt::white);
    checker.setPixelColor(0, 1, Qt::white);
    checker.setPixelColor(1, 1, Qt::black);
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(checker.save(&out, "BMP"));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    GpBitmap *bmp = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromStream(&in, &bmp), Ok);
    GpTexture *t = nullptr;
    ASSERT_EQ(GdipCreateTexture(bmp, WrapModeTile, &t), Ok);
    GdipTestCanvas c(8, 8, SmoothingModeNone);
    GdipFillRectangle(c.g, t, 0, 0, 8, 8);
    c.done();
    EXPECT_EQ(c.ink(2, 2), 255);
    EXPECT_EQ(c.ink(3, 2), 0);
    EXPECT_EQ(c.ink(5, 3), 255);
    GpImage *back = nullptr;
    ASSERT_EQ(GdipGetTextureImage(t, &back), Ok);
    PixelFormat format = 0;
    GdipGetImagePixelFormat(back, &format);
    EXPECT_EQ(format, PixelFormat32bppPARGB);
    ARGB pixel = 0;
    GdipBitmapGetPixel(static_cast<GpBitmap *>(back), 1, 0, &pixel);
    EXPECT_EQ(pixel, 0xFFFFFFFFu);
    GdipDisposeImage(back);
    GdipDeleteBrush(t);
    GdipDisposeImage(bmp);
}
