// The office image and its hint information.

#include "SmOfficeImage.h"
#include "TestPictures.h"

#include "Font.h"
#include "Form.h"
#include "Stream.h"

#include <QImage>
#include <gtest/gtest.h>
#include <memory>

namespace {
void load(TGpPicture *pic, int w, int h)
{
    TMemoryStream png(EncodedPicture("PNG", w, h));
    pic->LoadFromStream(&png);
}

// The top-left corner of the picture (its red pixel) in the painted image.
QPoint redPixel(const QImage &im)
{
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (im.pixel(x, y) == qRgb(255, 0, 0))
                return QPoint(x, y);
    return QPoint(-100, -100);
}
} // namespace

TEST(OfficeImage, CentresStretchesAndCuts)
{
    TForm form(nullptr);
    auto *img = new TSmOfficeImage(&form);
    img->SetParent(&form);
    EXPECT_EQ(img->Width(), 128);
    img->SetBounds(0, 0, 630, 113);
    load(img->Picture(), 600, 100);
    EXPECT_EQ(redPixel(img->PaintToImage()), QPoint(15, 6));
    img->SetCenter(false);
    EXPECT_EQ(redPixel(img->PaintToImage()), QPoint(0, 0));
    img->SetCenter(true);
    img->SetStretch(true);
    const QImage stretched = img->PaintToImage();
    EXPECT_EQ(QColor(stretched.pixel(620, 100)), QColor(10, 200, 30));
    img->SetStretch(false);
    img->SetBounds(0, 0, 590, 100);
    // 10 pixels wider than the control: drawn at x = -5, its corner cut off.
    load(img->Picture(), 600, 100);
    const QImage cut = img->PaintToImage();
    EXPECT_EQ(redPixel(cut), QPoint(-100, -100));
    EXPECT_EQ(QColor(cut.pixel(0, 0)), QColor(10, 200, 30));
    // Nothing is drawn for an empty picture at run time.
    img->Picture()->Assign(nullptr);
    EXPECT_EQ(qAlpha(img->PaintToImage().pixel(10, 10)), 0);
}

TEST(OfficeImage, VersionIsFixed)
{
    TSmOfficeImage img(nullptr);
    EXPECT_EQ(img.Version(), QStringLiteral("1.1.0.0"));
    img.SetVersion(QStringLiteral("2.0"));
    EXPECT_EQ(img.Version(), QStringLiteral("1.1.0.0"));
    EXPECT_EQ(img.GetVersionNr(), 0x01010000u);
}

TEST(HintInfo, EmptinessAndAssign)
{
    TSmHintInfo hint;
    load(hint.Picture(), 3, 3);
    hint.SetShowHelp(true);
    EXPECT_TRUE(hint.IsEmpty());
    hint.Notes()->Add(QStringLiteral("line"));
    EXPECT_FALSE(hint.IsEmpty());
    TSmHintInfo other;
    other.SetTitle(QStringLiteral("Title"));
    EXPECT_FALSE(other.IsEmpty());
    other.Assign(&hint);
    EXPECT_EQ(other.Title(), QString());
    EXPECT_EQ(other.Notes()->Text(), hint.Notes()->Text());
    EXPECT_TRUE(other.ShowHelp());
    EXPECT_FALSE(other.Picture()->Empty());
    TFont font;
    other.SetTitle(QStringLiteral("kept"));
    other.Assign(&font);
    EXPECT_EQ(other.Title(), QStringLiteral("kept"));
}
