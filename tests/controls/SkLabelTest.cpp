#include "SkLabel.h"

#include "Bitmap.h"
#include "Form.h"
#include "MonotonicClock.h"
#include "PixelMap.h"
#include "SkBlinkingControlsList.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

TEST(SkLabel, AutoSizeGrowsByTheFrames)
{
    TSkLabel plain(nullptr), framed(nullptr);
    for (TSkLabel *l : {&plain, &framed}) {
        l->Font()->SetHeight(-13);
        l->SetCaption("Frequency");
    }
    framed.SetBorderOuter(fsFlatBold);
    EXPECT_EQ(framed.Width(), plain.Width() + 4);
    EXPECT_EQ(framed.Height(), plain.Height() + 4);
    framed.SetBorderSides({sdLeft});
    EXPECT_EQ(framed.Width(), plain.Width() + 2);
    EXPECT_EQ(framed.Height(), plain.Height());
    const int before = plain.Width();
    plain.SetCaption("Frequency, Q");
    EXPECT_GT(plain.Width(), before) << "a new caption fits again";
}

TEST(SkLabel, AngleAndRotationRules)
{
    TSkLabel label(nullptr);
    struct Row {
        int set;
        int angle;
        TRotation rotation;
    } rows[] = {{-30, 330, roFlat}, {400, 40, roFlat}, {360, 0, roFlat}, {-400, 320, roFlat}};
    for (const Row &r : rows) {
        label.SetAngle(r.set);
        EXPECT_EQ(label.Angle(), r.angle) << r.set;
        EXPECT_EQ(label.Rotation(), r.rotation) << r.set;
    }
    label.SetAngle(90);
    label.SetRotation(roCurve);
    EXPECT_EQ(label.Angle(), 90) << "a curve keeps the angle";
    label.SetRotation(roFlat);
    EXPECT_EQ(label.Angle(), 0) << "flat resets it";
    EXPECT_EQ(label.CenterPoint(), cpCenter);
}

TEST(SkLabel, BlinkPhasesFollowTheSharedIntervals)
{
    ManualClock clock;
    ScopedClock scope(clock);
    ASSERT_FALSE(BlinkingControls) << "the list is made by the first label";
    {
        TSkLabel a(nullptr), b(nullptr);
        a.Font()->SetColor(clBlack);
        a.SetBlinkColor(clRed);
        a.SetBlinkIntervalOn(300);
        b.SetBlinkIntervalOff(700);
        EXPECT_EQ(a.BlinkIntervalOff(), 700) << "one set of intervals for every label";
        a.SetBlinking(true);
        clock.Advance(500); // the list's first tick (started with 500): the font colour for 700 ms
        EXPECT_EQ(a.CurrentColor(), clBlack);
        clock.Advance(699);
        EXPECT_EQ(a.CurrentColor(), clBlack);
        clock.Advance(1); // then the blink colour for 300 ms
        EXPECT_EQ(a.CurrentColor(), clRed);
        clock.Advance(299);
        EXPECT_EQ(a.CurrentColor(), clRed);
        clock.Advance(1);
        EXPECT_EQ(a.CurrentColor(), clBlack);
        clock.Advance(700);
        EXPECT_EQ(a.CurrentColor(), clRed);
        a.SetBlinking(false);
        EXPECT_EQ(a.CurrentColor(), clBlack) << "at once";
        EXPECT_EQ(b.CurrentColor(), b.Font()->Color()) << "a label that does not blink is left alone";
    }
    EXPECT_FALSE(BlinkingControls) << "released with the last label";
}

TEST(SkLabel, FlyByColourWhileThePointerIsOver)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto *label = new TSkLabel(&form);
    label->SetParent(&form);
    label->SetCaption("Hover");
    label->SetBounds(50, 40, 60, 20);
    label->Font()->SetColor(clBlack);
    label->SetFlyByEnabled(true);
    label->SetFlyByColor(clRed);
    form.Show();
    auto move = [&](QPoint p) {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(form.Widget()->mapToGlobal(p)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form.Widget(), &e);
    };
    move({5, 5});
    move({60, 45});
    EXPECT_EQ(label->Font()->Color(), clRed);
    EXPECT_EQ(label->CurrentColor(), clRed);
    move({5, 5});
    EXPECT_EQ(label->Font()->Color(), clBlack);
}

TEST(SkLabel, TurnedTextStandsUpright)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 120, 120);
    form.SetColor(clWhite);
    auto *label = new TSkLabel(&form);
    label->SetParent(&form);
    label->SetTransparent(true);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 120, 120);
    label->Font()->SetHeight(-16);
    label->Font()->SetColor(clBlack);
    label->SetAlignment(taCenter);
    label->SetCaption("BYPASS");
    auto ink = [&] {
        TBitmap bmp;
        bmp.SetSize(120, 120);
        QPainter p(&const_cast<QImage &>(static_cast<const TBitmap &>(bmp).Image()));
        p.drawImage(0, 0, form.PaintToImage());
        p.end();
        return InkBounds(bmp, clWhite);
    };
    const TRect flat = ink();
    EXPECT_GT(flat.Width(), 2 * flat.Height()) << "the plain text lies flat";
    label->SetAngle(90);
    const TRect up = ink();
    EXPECT_GT(up.Height(), 2 * up.Width()) << "turned by 90 it stands";
    EXPECT_NEAR((up.Top + up.Bottom) / 2, 60, 8) << "centred";
    label->SetEnabled(false);
    label->SetAngle(0);
    label->SetTextStyle(tsNormal);
    TBitmap shot;
    shot.SetSize(120, 120);
    {
        QPainter p(&const_cast<QImage &>(static_cast<const TBitmap &>(shot).Image()));
        p.drawImage(0, 0, form.PaintToImage());
    }
    bool grey = false;
    for (int y = 0; y < 120 && !grey; ++y)
        for (int x = 0; x < 120 && !grey; ++x)
            grey = shot.Canvas()->Pixels(x, y) == ColorToRGB(clGrayText);
    EXPECT_TRUE(grey) << "a disabled label draws its caption in the grey text colour";
}

} // namespace
