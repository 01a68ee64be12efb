// Sharing the pictures stops at the first control that is missing; what
// was handled before keeps what it took.
#include "Artwork.h"
#include "FakePageHost.h"
#include "MainLayout.h"
#include "SkBmpButton.h"

#include <gtest/gtest.h>

// The page buttons are the layout's: they share their pictures whatever of
// the pages is made; the pages' own (GEQ thumbs, routing buttons) end the
// sharing at the first that is missing.
TEST(Artwork, PageButtonsShareWithoutThePagesAndSharingEndsAtTheFirstMissingName)
{
    FakePageHost host;
    MainLayout::Build(host, host.form); // page buttons, but no GEQ sliders
    Artwork::PaintControls(host);
    auto *inA = static_cast<TSkBmpButton *>(host.FindControl("skbMenuInA"));
    auto *inB = static_cast<TSkBmpButton *>(host.FindControl("skbMenuInB"));
    auto *out1 = static_cast<TSkBmpButton *>(host.FindControl("skbMenuOut1"));
    auto *gain = static_cast<TSkBmpButton *>(host.FindControl("skbMenuGain"));
    ASSERT_TRUE(inA && inB && out1 && gain);
    const qint64 out1Down = std::as_const(*out1->Bitmaps()->Down()).Image().cacheKey();
    ASSERT_NE(out1Down, std::as_const(*gain->Bitmaps()->Down()).Image().cacheKey());

    EXPECT_FALSE(Artwork::SharePictures(host)); // isGeqCh01InA was not found
    for (TSkBmpButton *in : {inA, inB})
        EXPECT_EQ(std::as_const(*in->Bitmaps()->Disabled()).Image().cacheKey(),
                  std::as_const(*inA->Bitmaps()->StayDown()).Image().cacheKey());
    EXPECT_EQ(std::as_const(*out1->Bitmaps()->Down()).Image().cacheKey(),
              std::as_const(*gain->Bitmaps()->Down()).Image().cacheKey());
}

TEST(Artwork, FacesOfEachStateDiffer)
{
    using Artwork::Face;
    const Face states[] = {Face::Up, Face::Hot, Face::Down, Face::StayDown, Face::Disabled};
    for (Face a : states) {
        for (Face b : states) {
            if (a != b) {
                EXPECT_NE(Artwork::ButtonFace(50, 30, a), Artwork::ButtonFace(50, 30, b)) << int(a) << " " << int(b);
            }
        }
    }
    const QImage tiny = Artwork::ButtonFace(0, 0, Face::Up);
    EXPECT_EQ(tiny.size(), QSize(1, 1));
}
