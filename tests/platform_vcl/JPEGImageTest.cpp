#include "Bitmap.h"
#include "Canvas.h"
#include "Exceptions.h"
#include "JPEGImage.h"
#include "Stream.h"

#include <gtest/gtest.h>

namespace {

QImage Blue(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::blue);
    return img;
}

TEST(JPEGImage, CompressesSavesLoadsAndDraws)
{
    TJPEGImage jpeg;
    jpeg.CompressionQuality = 80;
    jpeg.SetImage(Blue(32, 16));
    jpeg.Compress();
    ASSERT_TRUE(jpeg.Data().startsWith("\xFF\xD8"));

    TMemoryStream stream;
    jpeg.SaveToStream(&stream);
    stream.SetPosition(0);
    TJPEGImage back;
    back.LoadFromStream(&stream);
    EXPECT_EQ(back.Data(), jpeg.Data());
    EXPECT_EQ(back.Width(), 32);
    EXPECT_EQ(back.Height(), 16);

    TBitmap target;
    target.SetSize(64, 32);
    target.Canvas()->StretchDraw(Rect(0, 0, 64, 32), &back);
    const QColor c(target.Image().pixel(40, 20));
    EXPECT_GT(c.blue(), 240);
    EXPECT_LT(c.red() + c.green(), 30);
}

TEST(JPEGImage, OtherDataIsRefusedAndThePictureKept)
{
    TJPEGImage jpeg;
    jpeg.SetImage(Blue(8, 8));
    jpeg.Compress();
    const QByteArray before = jpeg.Data();
    for (const QByteArray &bad : {QByteArray("not a picture"), QByteArray(), before.left(20)}) {
        TMemoryStream stream;
        stream.WriteBytes(bad);
        stream.SetPosition(0);
        EXPECT_THROW(jpeg.LoadFromStream(&stream), EInvalidGraphic);
        EXPECT_EQ(jpeg.Data(), before);
        EXPECT_EQ(jpeg.Width(), 8);
    }
}

} // namespace
