// The metafile: a drawing recorded through its canvas, played back at its
// own size or stretched into any rectangle, kept inside that rectangle.
#include "Bitmap.h"
#include "Exceptions.h"
#include "Metafile.h"
#include "Picture.h"
#include "Stream.h"

#include <QPainter>

#include <gtest/gtest.h>
#include <memory>

namespace {

// A 40 x 30 drawing: a blue block, a red diagonal, black text.
void Record(TMetafile &M)
{
    M.SetSize(40, 30);
    TMetafileCanvas c(&M, QStringLiteral("Tarvex"), QStringLiteral("Test"));
    c.Brush()->SetColor(clBlue);
    c.FillRect(TRect(0, 0, 10, 10));
    c.Pen()->SetColor(clRed);
    c.MoveTo(10, 29);
    c.LineTo(39, 10);
    c.Brush()->SetStyle(bsClear);
    c.Font()->SetColor(clBlack);
    c.Font()->SetHeight(-10);
    c.TextOut(14, 2, QStringLiteral("HH"));
}

QImage Played(const TMetafile &M, int W, int H, const TRect &Into)
{
    TBitmap target(W, H);
    target.Canvas()->StretchDraw(Into, const_cast<TMetafile *>(&M));
    return target.Image().copy();
}

// The bounding box of the pixels that are not white.
QRect Ink(const QImage &Img, const QRect &Within)
{
    QRect box;
    for (int y = Within.top(); y <= Within.bottom(); ++y)
        for (int x = Within.left(); x <= Within.right(); ++x)
            if ((Img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(Metafile, IsEmptyUntilACanvasHasDrawnOnItsArea)
{
    TMetafile m;
    EXPECT_TRUE(m.Empty());
    { TMetafileCanvas c(&m, "Tarvex", ""); } // no area yet: nothing recorded
    EXPECT_TRUE(m.Empty());
    Record(m);
    EXPECT_FALSE(m.Empty());
    EXPECT_EQ(m.Width(), 40);
    EXPECT_EQ(m.Height(), 30);
    EXPECT_EQ(m.CreatedBy(), "Tarvex");
    EXPECT_EQ(m.Description(), "Test");
    m.SetSize(20, 20); // a new area drops the drawing
    EXPECT_TRUE(m.Empty());
}

TEST(Metafile, PlaysAtItsSizeAndStretched)
{
    TMetafile m;
    Record(m);
    const QImage same = Played(m, 40, 30, TRect(0, 0, 40, 30));
    EXPECT_EQ(QColor(same.pixel(5, 5)), QColor(Qt::blue));
    EXPECT_EQ(QColor(same.pixel(10, 10)), QColor(Qt::white));

    const QImage big = Played(m, 160, 120, TRect(0, 0, 160, 120));
    EXPECT_EQ(QColor(big.pixel(38, 38)), QColor(Qt::blue));
    EXPECT_EQ(QColor(big.pixel(42, 42)), QColor(Qt::white));
    // The diagonal is a line scaled with its pen: several pixels thick at
    // four times the size, not a dotted trail.
    int red = 0;
    for (int y = 0; y < 120; ++y) {
        const QColor c(big.pixel(100, y));
        if (c.red() > 200 && c.green() < 80)
            ++red;
    }
    EXPECT_GE(red, 3);
    // The text grows with the drawing.
    const QRect small = Ink(same, QRect(13, 0, 27, 12)), large = Ink(big, QRect(52, 0, 108, 48));
    ASSERT_FALSE(small.isEmpty());
    ASSERT_FALSE(large.isEmpty());
    EXPECT_NEAR(large.height(), 4 * small.height(), 6);
}

// A device of another resolution (a printer's) gets the drawing filling the
// rectangle all the same, its text included: the rectangle is in the
// device's pixels, whatever its dots per inch.
TEST(Metafile, FillsTheRectangleAtAnyResolution)
{
    TMetafile m;
    Record(m);
    const QImage screen = Played(m, 160, 120, TRect(0, 0, 160, 120));
    for (int dpi : {96, 300, 1200}) {
        QImage image(160, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        {
            QPainter painter(&image);
            TCanvas canvas;
            canvas.Attach(&painter, TPoint(0, 0), TRect(0, 0, 160, 120));
            m.Draw(&canvas, TRect(0, 0, 160, 120));
            canvas.Detach();
        }
        EXPECT_EQ(QColor(image.pixel(38, 38)), QColor(Qt::blue)) << dpi;
        EXPECT_EQ(QColor(image.pixel(42, 42)), QColor(Qt::white)) << dpi;
        EXPECT_EQ(Ink(image, image.rect()), Ink(screen, screen.rect())) << dpi;
        const QRect text = Ink(image, QRect(52, 0, 108, 40)), screenText = Ink(screen, QRect(52, 0, 108, 40));
        EXPECT_NEAR(text.height(), screenText.height(), 2) << dpi;
        EXPECT_NEAR(text.width(), screenText.width(), 3) << dpi;
    }
}

TEST(Metafile, StaysInsideTheRectangleItIsDrawnInto)
{
    TMetafile m;
    m.SetSize(20, 20);
    {
        TMetafileCanvas c(&m, "Tarvex", "");
        c.Brush()->SetColor(clGreen);
        c.FillRect(TRect(-50, -50, 100, 100));
    }
    const QImage img = Played(m, 60, 60, TRect(10, 10, 30, 30));
    EXPECT_EQ(Ink(img, img.rect()), QRect(10, 10, 20, 20));
}

TEST(Metafile, CopiesKeepTheDrawingAndLoadingIsRefused)
{
    TMetafile m;
    Record(m);
    TPicture pic;
    pic.SetGraphic(&m);
    auto *copy = dynamic_cast<TMetafile *>(pic.Graphic());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Description(), "Test");
    EXPECT_EQ(Played(*copy, 40, 30, TRect(0, 0, 40, 30)), Played(m, 40, 30, TRect(0, 0, 40, 30)));

    TMemoryStream s(QByteArray("not a metafile"));
    EXPECT_THROW(copy->LoadFromStream(&s), EInvalidGraphic);
    EXPECT_FALSE(copy->Empty());
}

} // namespace
