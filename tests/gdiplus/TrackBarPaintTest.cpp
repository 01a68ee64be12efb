// What the slider draws, over a parent of a known colour.
#include "Bitmap.h"
#include "SmTrackBarDrawing.h"
#include "TrackBarFixture.h"
#include "TestInput.h"

#include <QCoreApplication>
#include <QPainter>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

namespace {

QColor Q(TColor c)
{
    return ToQColor(c);
}

TEST(TrackBarPaint, EditorSliderBarFrameThumbAndParent)
{
    SliderForm f;
    f.slider->SetPosition(120);
    f.Show();
    const QImage img = f.Render();
    const QColor light = Q(BlendColor(clMedGray, clWhite, 10));
    EXPECT_EQ(light, QColor(246, 246, 246));
    // The 3-D frame covers the bar at x 13..15: medium grey at the left and
    // the top, its light blend at the right.
    for (int y : {3, 40, 189})
        EXPECT_EQ(img.pixelColor(13, y), Q(clMedGray)) << y;
    EXPECT_EQ(img.pixelColor(14, 3), Q(clMedGray));
    EXPECT_EQ(img.pixelColor(14, 4), Q(clMedGray));
    for (int y : {5, 40, 189}) {
        EXPECT_EQ(img.pixelColor(14, y), light) << y;
        EXPECT_EQ(img.pixelColor(15, y), light) << y;
    }
    // The thumb picture at (6, 82), its red corner first.
    EXPECT_EQ(img.pixelColor(6, 82), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(7, 83), kThumbNormal);
    EXPECT_EQ(img.pixelColor(21, 110), kThumbNormal);
    EXPECT_EQ(img.pixelColor(22, 110), kParent);
    EXPECT_EQ(img.pixelColor(6, 111), kParent);
    // The parent everywhere else.
    for (QPoint p : {QPoint(1, 1), QPoint(5, 40), QPoint(12, 40), QPoint(16, 40), QPoint(25, 191), QPoint(14, 2),
                     QPoint(14, 190)})
        EXPECT_EQ(img.pixelColor(p), kParent) << p.x() << "," << p.y();
    QApplication::setActiveWindow(nullptr);
}

TEST(TrackBarPaint, FocusFrameOfAlternatePixelsComesAndGoes)
{
    SliderForm f;
    auto *other = new TSmTrackBar(f.form.get());
    other->SetParent(f.form.get());
    other->SetBounds(60, 10, 27, 100);
    f.Show();
    f.slider->SetFocus();
    QImage img = f.Render();
    const QColor black(0, 0, 0);
    struct Row {
        int x, y;
        bool set;
    } rows[] = {{0, 0, true}, {1, 0, false}, {2, 0, true}, {25, 0, false}, {26, 0, true}, {26, 1, false},
                {26, 2, true}, {26, 192, true}, {25, 192, false}, {24, 192, true}, {0, 1, false}, {0, 2, true},
                {0, 191, false}, {0, 192, false}, {27 - 1, 191, false}};
    for (const Row &r : rows)
        EXPECT_EQ(img.pixelColor(r.x, r.y) == black, r.set) << r.x << "," << r.y;
    other->SetFocus();
    img = f.Render();
    EXPECT_EQ(img.pixelColor(0, 0), kParent);
    EXPECT_EQ(img.pixelColor(26, 2), kParent);
    QApplication::setActiveWindow(nullptr);
}

TEST(TrackBarPaint, ThumbStatesPicturesAndShowAtMinMax)
{
    SliderForm f;
    f.slider->SetPosition(120);
    f.Show();
    const QPoint inside(7, 83);
    Move(f.W(), {12, 95});
    EXPECT_EQ(f.Render().pixelColor(inside), kThumbHot);
    SendMouse(f.W(), QEvent::MouseButtonPress, {12, 95});
    EXPECT_EQ(f.Render().pixelColor(inside), kThumbDown);
    SendMouse(f.W(), QEvent::MouseButtonRelease, {12, 95});
    Move(f.W(), {12, 20});
    EXPECT_EQ(f.Render().pixelColor(inside), kThumbNormal);
    // Disabled without a disabled picture: the normal one.
    f.slider->SetEnabled(false);
    EXPECT_EQ(f.Render().pixelColor(inside), kThumbNormal);
    f.slider->Thumb()->SetPictureDisabled(PictureOf(16, 29, kThumbDisabled).get());
    EXPECT_EQ(f.Render().pixelColor(inside), kThumbDisabled);
    f.slider->SetEnabled(true);

    f.slider->Thumb()->SetShowAtMinMax(false);
    for (int pos : {0, 1, 239, 240}) {
        f.slider->SetPosition(pos);
        const TRect t = f.slider->ThumbRect();
        const bool shown = pos != 0 && pos != 240;
        EXPECT_EQ(f.Render().pixelColor(t.Left + 1, t.Top + 1) == kThumbNormal, shown) << pos;
    }
    QApplication::setActiveWindow(nullptr);
}

// A slider that records the areas its paints cover.
class WatchedSlider : public TSmTrackBar {
public:
    using TSmTrackBar::TSmTrackBar;
    std::vector<TRect> painted;

protected:
    void PaintWindow(QPainter &Painter, const TRect &Dirty) override
    {
        painted.push_back(Dirty);
        TSmTrackBar::PaintWindow(Painter, Dirty);
    }
};

TEST(TrackBarPaint, ValueChangeRepaintsOnlyTheTwoThumbRectanglesGrownByOne)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 240);
    auto *s = new WatchedSlider(&form);
    s->SetParent(&form);
    BuildEditorSlider(s, 10, 10, 27, 193, 0, 240);
    form.Show();
    QCoreApplication::processEvents();
    s->painted.clear();
    s->SetPosition(100);
    QCoreApplication::processEvents();
    ASSERT_EQ(s->painted.size(), 1u);
    TRect before = Rect(6, 161, 22, 190), after = s->ThumbRect();
    before.Inflate(1, 1);
    after.Inflate(1, 1);
    const TRect both = UnionRect(before, after);
    EXPECT_EQ(s->painted[0], both); // the bounding box of the two
    // Neighbouring values: one overlapping area.
    s->painted.clear();
    s->SetPosition(101);
    QCoreApplication::processEvents();
    ASSERT_EQ(s->painted.size(), 1u);
    EXPECT_LE(s->painted[0].Height(), 29 + 2 + 1 + 1);
}

TEST(TrackBarPaint, BackgroundWithOnlyOneColourOfThePairFillsWithIt)
{
    SliderForm f;
    f.slider->SetTransparent(false);
    f.slider->SetColorTo(clRed); // Color stays clNone
    f.Show();
    EXPECT_EQ(f.Render().pixelColor(2, 40), QColor(255, 0, 0));
    f.slider->SetColor(clBlue);
    f.slider->SetColorTo(clNone);
    EXPECT_EQ(f.Render().pixelColor(2, 40), QColor(0, 0, 255));
    QApplication::setActiveWindow(nullptr);
}

// A plain horizontal slider (no pictures) on the green form.
struct PlainSlider {
    TForm form{nullptr};
    TSmTrackBar *s = new TSmTrackBar(&form);
    PlainSlider(int w, int h)
    {
        form.SetClientWidth(w + 20);
        form.SetClientHeight(h + 20);
        form.SetColor(RGB(0, 128, 0));
        s->SetParent(&form);
        s->SetBounds(10, 10, w, h);
    }
    QImage Render() { return form.PaintToImage().copy(10, 10, s->Width(), s->Height()); }
};

TEST(TrackBarPaint, TicksLieWhereTheValuesMapBelowTheBar)
{
    PlainSlider p(150, 26);
    TRect band;
    p.s->GetTickRectBottomRight(band);
    EXPECT_EQ(band, Rect(8, 22, 142, 26));
    const QImage img = p.Render();
    // Values 0..10 over (144 - 10) pixels: offsets trunc(i * 13.4).
    for (int i : {1, 2, 5, 10}) {
        const int x = 8 + int(i * 13.4);
        EXPECT_EQ(img.pixelColor(x, 23), QColor(0, 0, 0)) << i;
        EXPECT_EQ(img.pixelColor(x + 1, 23), kParent) << i;
    }
}

TEST(TrackBarPaint, ButtonsAndLabel)
{
    PlainSlider p(150, 60);
    p.s->Buttons()->SetVisible(true);
    p.s->TrackLabel()->SetVisible(true);
    p.s->TickMark()->SetStyle(tsNone);
    p.s->SetPosition(5);
    auto inkIn = [](const QImage &img, const TRect &r) {
        int n = 0;
        for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, img.height()); ++y)
            for (int x = std::max(r.Left, 0); x < std::min(r.Right, img.width()); ++x)
                n += img.pixelColor(x, y) != kParent;
        return n;
    };
    QImage img = p.Render();
    const TRect minus = p.s->MinButtonRect(), plus = p.s->MaxButtonRect();
    EXPECT_GT(inkIn(img, minus), 100);
    EXPECT_GT(inkIn(img, plus), 100);
    // The value label sits in its band above the track, with its text.
    const TRect label = p.s->LabelRect(false);
    EXPECT_LT(label.Bottom, p.s->TrackRect().Top);
    EXPECT_GT(inkIn(img, label), 20);
    // Pressing the minus button shows its pressed colours.
    p.form.Show();
    const QPoint at(minus.Left + 5, minus.Top + minus.Height() / 2 - 4); // in the round face
    const QColor before = img.pixelColor(at);
    SendMouse(p.s->Widget(), QEvent::MouseButtonPress, at);
    EXPECT_NE(p.Render().pixelColor(at), before);
    SendMouse(p.s->Widget(), QEvent::MouseButtonRelease, at);
    EXPECT_EQ(p.s->Position(), 4);
    QApplication::setActiveWindow(nullptr);
}

TEST(TrackBarDrawing, BlendColor)
{
    struct Row {
        TColor a, b;
        int percent;
        TColor expected;
    } rows[] = {
        {clRed, clWhite, 10, RGB(255, 230, 230)},
        {clRed, clWhite, 100, clRed},
        {clRed, clWhite, 150, clRed},
        {clRed, clWhite, 0, clWhite},
        {RGB(5, 15, 25), clBlack, 10, RGB(0, 2, 2)}, // 0.5, 1.5, 2.5: halves to the even neighbour
        {clMedGray, clWhite, 10, RGB(246, 246, 246)},
    };
    for (const Row &r : rows)
        EXPECT_EQ(BlendColor(r.a, r.b, r.percent), r.expected) << r.percent;
}

struct Drawn {
    TBitmap bmp{20, 20};
    TCanvas *c = bmp.Canvas();
    TColor At(int x, int y) { return c->Pixels(x, y); }
};

TEST(TrackBarDrawing, SteppedGradients)
{
    {
        Drawn d; // no steps: one band of the first colour
        DrawSteppedGradient(d.c, clRed, clBlue, true, Rect(0, 0, 10, 10), 0);
        EXPECT_EQ(d.At(0, 0), clRed);
        EXPECT_EQ(d.At(9, 9), clRed);
        EXPECT_EQ(d.At(10, 5), clWhite);
    }
    {
        Drawn d; // white to black across the editor's bar
        DrawGradientRect(d.c, clWhite, clBlack, gdHorizontal, Rect(13, 3, 16, 19), 20);
        const int a = GetRValue(d.At(13, 10)), b = GetRValue(d.At(14, 10)), c = GetRValue(d.At(15, 10));
        EXPECT_EQ((std::vector<int>{a, b, c}), (std::vector<int>{191, 77, 13}));
    }
    {
        Drawn d; // in-out: red at both ends, blue in the middle, halves overlapping
        DrawGradientRect(d.c, clRed, clBlue, gdVerticalInOut, Rect(0, 0, 4, 20), 4);
        EXPECT_EQ(d.At(1, 0), clRed);
        EXPECT_EQ(d.At(1, 19), RGB(191, 0, 64)); // the last band, a step short of red
        EXPECT_EQ(GetBValue(d.At(1, 9)), GetBValue(d.At(1, 10)));
        EXPECT_GT(GetBValue(d.At(1, 9)), 150);
    }
}

TEST(TrackBarDrawing, PolygonThumbApexes)
{
    const TRect T = Rect(0, 0, 16, 30);
    struct Row {
        const char *name;
        TThumbShape shape;
        int kind;
        TPoint apex;  // a tip: inside the shape
        TPoint empty; // a corner that the shape leaves out
    } rows[] = {
        {"triangle, ticks left: apex right", tsTriangle, 0, {14, 15}, {15, 1}},
        {"triangle, ticks both: diamond", tsTriangle, 4, {8, 1}, {1, 1}},
        {"right-up, ticks left: tip top-left", tsPointerRightUp, 0, {1, 1}, {1, 28}},
        {"left-up, ticks left: tip top-right", tsPointerLeftUp, 0, {14, 1}, {14, 28}},
        {"right-up, ticks both: narrower at the bottom", tsPointerRightUp, 4, {1, 1}, {1, 28}},
    };
    for (const Row &r : rows) {
        Drawn d;
        d.bmp.SetWidth(16);
        d.bmp.SetHeight(30);
        d.c->Brush()->SetColor(clWhite);
        d.c->FillRect(T);
        if (r.shape == tsTriangle)
            DrawTriangleThumb(d.c, T, r.kind, clNone, clRed, clRed, gdVertical, 4);
        else if (r.shape == tsPointerRightUp)
            DrawPointerRightUpThumb(d.c, T, r.kind, clNone, clRed, clRed, gdVertical, 4);
        else
            DrawPointerLeftUpThumb(d.c, T, r.kind, clNone, clRed, clRed, gdVertical, 4);
        const TRegion shape = TRegion::FromPolygon(ThumbPolygon(r.shape, T, r.kind));
        EXPECT_TRUE(shape.Contains(r.apex.X, r.apex.Y)) << r.name;
        EXPECT_FALSE(shape.Contains(r.empty.X, r.empty.Y)) << r.name;
        EXPECT_EQ(d.At(r.empty.X, r.empty.Y), clWhite) << r.name;
    }
}

TEST(TrackBarPaint, DiagonalBackwardFillsAsVertical)
{
    auto render = [](TGpGradient g, TThumbShape shape) {
        SliderForm f(0, 10, 40, 120);
        TTrackBarThumb *t = f.slider->Thumb();
        t->SetPicture(nullptr);
        t->SetPictureHot(nullptr);
        t->SetPictureDown(nullptr);
        t->SetShape(shape);
        t->SetColorMirror(clNone); // banded fill
        t->SetColor(clRed);
        t->SetColorTo(clBlue);
        t->SetGradient(g);
        f.slider->SetPosition(5);
        return f.Render();
    };
    for (TThumbShape shape : {tsRectangle, tsTriangle, tsPointer}) {
        const QImage back = render(ggDiagonalBackward, shape), vert = render(ggVertical, shape);
        EXPECT_EQ(back, vert) << shape;
        EXPECT_NE(render(ggRadial, shape), vert) << shape; // the test can tell fills apart
    }
}

} // namespace
