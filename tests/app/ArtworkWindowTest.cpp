// The window's drawn pictures: every button and slider has them, the named
// buttons and sliders share one copy with their sources, and the controls
// paint them in their states.
#include "Artwork.h"
#include "EditorWindows.h"
#include "PumpEvents.h"
#include "SimFrontEnd.h"
#include "SkBmpButton.h"
#include "SmTrackBar.h"
#include "TfmMain.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace {

class ArtworkWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        SimTcp probe; // a loopback port that refuses once the probe is gone
        const uint16_t dead = probe.Port();
        TfmMain::connectOption = {true, "127.0.0.1", dead};
    }
    void TearDown() override
    {
        DestroyEditorWindows();
        TfmMain::connectOption = {};
    }
    template <typename T>
    static T *Get(const QString &Name)
    {
        auto *c = dynamic_cast<T *>(fmMain->FindControl(Name));
        if (!c)
            throw std::runtime_error(Name.toStdString());
        return c;
    }
    static QImage Shot(TWinControl *c) { return c->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

enum class Pic { Down, Hot, StayDown, Disabled };

TBitmap *Picture(TSkBmpButton *b, Pic p)
{
    TSkButtonBitmaps *s = b->Bitmaps();
    switch (p) {
    case Pic::Down: return s->Down();
    case Pic::Hot: return s->Hot();
    case Pic::StayDown: return s->StayDown();
    case Pic::Disabled: return s->Disabled();
    }
    return nullptr;
}

} // namespace

TEST_F(ArtworkWindowTest, NamedButtonsAndGeqSlidersHoldTheirSourcesPictures)
{
    CreateEditorWindows();
    struct Row {
        const char *button;
        Pic picture;
        const char *source;
        Pic from;
        bool shared;
    };
    const Row rows[] = {
        {"skbMenuComp", Pic::Down, "skbMenuGain", Pic::Down, true},
        {"skbMenuDelay", Pic::StayDown, "skbMenuGain", Pic::StayDown, true},
        {"skbMenuGeq", Pic::Down, "skbMenuMatrix", Pic::Down, true},
        {"skbMenuGate", Pic::Hot, "skbMenuGain", Pic::Hot, true},
        {"skbMenuLimit", Pic::StayDown, "skbMenuGain", Pic::StayDown, true},
        {"skbMenuInD", Pic::Disabled, "skbMenuInA", Pic::StayDown, true},
        {"skbMenuInC", Pic::Down, "skbMenuInA", Pic::Down, true},
        {"skbMenuOut1", Pic::Disabled, "skbMenuGain", Pic::StayDown, true},
        {"skbMenuOut7", Pic::Hot, "skbMenuGain", Pic::Hot, true},
        {"skbMenuOut8", Pic::Disabled, "skbMenuGain", Pic::StayDown, false}, // keeps its own
        {"skbDMatrixOut8", Pic::Down, "skbAMatrixOut1", Pic::Down, true},
        {"skbBMatrixOut3", Pic::StayDown, "skbAMatrixOut1", Pic::StayDown, true},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.button);
        const TBitmap *mine = Picture(Get<TSkBmpButton>(r.button), r.picture);
        const TBitmap *theirs = Picture(Get<TSkBmpButton>(r.source), r.from);
        ASSERT_TRUE(mine->HandleAllocated());
        // One copy of the pixels: the images share their data.
        EXPECT_EQ(mine->Image().cacheKey() == theirs->Image().cacheKey(), r.shared);
    }
    const TTrackBarThumb *source = Get<TSmTrackBar>("isGeqCh01InA")->Thumb();
    for (const char *name : {"isGeqCh02InA", "isGeqCh31InD", "isGeqCh16InC"}) {
        SCOPED_TRACE(name);
        const TTrackBarThumb *t = Get<TSmTrackBar>(name)->Thumb();
        ASSERT_FALSE(t->Picture()->Empty());
        EXPECT_EQ(t->Picture()->Data().constData(), source->Picture()->Data().constData());
        EXPECT_EQ(t->PictureHot()->Data().constData(), source->PictureHot()->Data().constData());
        EXPECT_EQ(t->PictureDown()->Data().constData(), source->PictureDown()->Data().constData());
    }
    // Every bitmap button of the window has a face (drawn here or by its page).
    TComponent *owner = fmMain;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (auto *b = dynamic_cast<TSkBmpButton *>(owner->Components(i))) {
            SCOPED_TRACE(b->Name().toStdString());
            EXPECT_TRUE(b->Bitmaps()->Up()->HandleAllocated());
        }
}

TEST_F(ArtworkWindowTest, ButtonPaintsItsFaceUpAndStayingDown)
{
    CreateEditorWindows();
    fmMain->Show();
    auto *b = Get<TSkBmpButton>("skbMenuDelay");
    ASSERT_FALSE(b->Down());
    const QImage up = Shot(b);
    b->SetDown(true);
    PumpFor(0);
    const QImage down = Shot(b);
    ASSERT_EQ(up.size(), down.size());
    EXPECT_NE(up, down);
    // Up: a dark grey face; staying down: lit blue, with the lamp strip
    // along the bottom.
    const QRgb faceUp = up.pixel(4, up.height() / 2), faceDown = down.pixel(4, down.height() / 2);
    EXPECT_LT(qGray(faceUp), 90);
    EXPECT_LT(std::abs(qRed(faceUp) - qBlue(faceUp)), 24);
    EXPECT_GT(qBlue(faceDown), qRed(faceDown) + 50);
    const QRgb lamp = down.pixel(6, down.height() - 3);
    EXPECT_GT(qBlue(lamp), 200);
    EXPECT_GT(qGreen(lamp), 150);
    // The corners outside the rounded face show the frame behind, not the
    // key colour.
    EXPECT_NE(up.pixel(0, 0) & 0xffffff, QRgb(0x808000));
}

TEST_F(ArtworkWindowTest, SliderDrawsItsThumbPictureInEachState)
{
    CreateEditorWindows();
    fmMain->Show();
    auto *s = Get<TSmTrackBar>("isGainOut1");
    EXPECT_EQ(s->Thumb()->Size(), Artwork::kThumbWidth);
    EXPECT_EQ(s->Thumb()->Width(), Artwork::kThumbLength);
    const TRect t = s->ThumbRect();
    ASSERT_EQ(t.Width(), Artwork::kThumbWidth);
    // The cap's index line across the middle: white when enabled, grey when not.
    const QPoint line(t.Left + Artwork::kThumbWidth / 2, t.Top + Artwork::kThumbLength / 2);
    const QPoint body(t.Left + Artwork::kThumbWidth / 2, t.Top + 2);
    QImage img = Shot(s);
    EXPECT_GT(qGray(img.pixel(line)), 220);
    EXPECT_LT(qGray(img.pixel(body)), 200);
    s->SetEnabled(false);
    PumpFor(0);
    img = Shot(s);
    EXPECT_LT(qGray(img.pixel(line)), 180);
    EXPECT_GT(qGray(img.pixel(line)), 110);
}
