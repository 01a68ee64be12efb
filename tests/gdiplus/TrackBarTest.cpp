// The slider's settings objects, value model and input.
#include "Button.h"
#include "Exceptions.h"
#include "Screen.h"
#include "TrackBarFixture.h"
#include "VirtualKeys.h"
#include "TestInput.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

namespace {

// -- settings -----------------------------------------------------------------

TEST(TrackBarSettings, ThumbPictureFixesTheThumbSizeUntilCleared)
{
    TSmTrackBar s(nullptr);
    s.SetOrientation(trVertical);
    TTrackBarThumb *t = s.Thumb();
    t->SetPicture(PictureOf(16, 29, Qt::blue).get());
    EXPECT_EQ(t->Width(), 29);
    EXPECT_EQ(t->Size(), 16);
    t->SetWidth(40);
    t->SetSize(3);
    EXPECT_EQ(t->Width(), 29);
    EXPECT_EQ(t->Size(), 16);
    t->SetPicture(nullptr);
    t->SetWidth(40);
    EXPECT_EQ(t->Width(), 40);

    // Sizes stored after the picture in a layout are overridden by Loaded.
    TSmTrackBar h(nullptr); // horizontal: width along, size across
    h.BeginLoading();
    h.Thumb()->SetPicture(PictureOf(16, 29, Qt::blue).get());
    h.EndLoading();
    EXPECT_EQ(h.Thumb()->Width(), 16);
    EXPECT_EQ(h.Thumb()->Size(), 29);
}

TEST(TrackBarSettings, SliderPictureClearsTheBorderColourAndButtonPicturesFixTheSize)
{
    TSmTrackBar s(nullptr);
    s.SetOrientation(trVertical);
    s.Slider()->SetPicture(PictureOf(5, 40, Qt::red).get());
    EXPECT_EQ(s.Slider()->BorderColor(), clNone);
    EXPECT_EQ(s.Slider()->Size(), 5);
    s.Buttons()->SetMaxPicture(PictureOf(12, 14, Qt::red).get());
    EXPECT_EQ(s.Buttons()->Size(), 14);
    s.Buttons()->SetSize(30);
    EXPECT_EQ(s.Buttons()->Size(), 14);
}

TEST(TrackBarSettings, OnlyEffectiveChangesNotify)
{
    TSmTrackBar s(nullptr);
    int thumb = 0, buttons = 0, label = 0;
    s.Thumb()->OnChange = [&](TObject *) { ++thumb; };
    s.Buttons()->OnChange = [&](TObject *) { ++buttons; };
    s.TrackLabel()->OnChange = [&](TObject *) { ++label; };
    s.Thumb()->SetColor(s.Thumb()->Color());
    s.Thumb()->SetColorMirrorHot(clRed); // a plain field
    s.Thumb()->SetColorMirrorDownTo(clRed);
    s.Buttons()->SetStep(5);
    s.Buttons()->SetColorMirror(clRed);
    s.TrackLabel()->SetFormat("Pos: %d");
    EXPECT_EQ(thumb + buttons + label, 0);
    s.Thumb()->SetColor(clRed);
    s.Buttons()->SetSpacing(7);
    s.TrackLabel()->SetFormat("%d dB");
    EXPECT_EQ(thumb, 1);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(label, 1);
    EXPECT_EQ(s.Thumb()->ColorMirrorHot(), clRed);
}

TEST(TrackBarSettings, LabelFormatMustTakeOneInteger)
{
    TTrackBarLabel l;
    for (const char *bad : {"%s", "%d %d", "no value", "100%%", "%5.1f", "%"}) {
        EXPECT_THROW(l.SetFormat(bad), EConvertError) << bad;
        EXPECT_EQ(l.Format(), "Pos: %d") << bad;
    }
    l.SetFormat("%+d dB");
    EXPECT_EQ(l.Text(-3), "-3 dB");
    EXPECT_EQ(l.Text(4), "+4 dB");
}

TEST(TrackBarSettings, StoredMirrorDefaultsAreTheConstructionColours)
{
    TTrackBarButtons b;
    EXPECT_EQ(b.ColorMirror(), TTrackBarButtons::DefaultColorMirror);
    EXPECT_EQ(b.ColorMirrorTo(), TTrackBarButtons::DefaultColorMirrorTo);
    EXPECT_FALSE(b.StoresColorMirror());
    EXPECT_FALSE(b.StoresColorMirrorTo());
    // Silver and white are ordinary values now: a layout keeps them.
    b.SetColorMirror(RGB(192, 192, 192));
    b.SetColorMirrorTo(RGB(255, 255, 255));
    EXPECT_TRUE(b.StoresColorMirror());
    EXPECT_TRUE(b.StoresColorMirrorTo());
}

TEST(TrackBarSettings, AssignCopiesWithinAClassOnly)
{
    TSmTrackBar a(nullptr), b(nullptr);
    a.SetOrientation(trVertical);
    b.SetOrientation(trVertical);
    a.Thumb()->SetColorHot(clRed);
    a.Thumb()->SetShowAtMinMax(false);
    a.Thumb()->SetPicture(PictureOf(16, 29, Qt::blue).get());
    b.Thumb()->Assign(a.Thumb());
    EXPECT_EQ(b.Thumb()->ColorHot(), clRed);
    EXPECT_FALSE(b.Thumb()->Picture()->Empty());
    EXPECT_EQ(b.Thumb()->Width(), 29);
    EXPECT_TRUE(b.Thumb()->ShowAtMinMax()); // not copied

    a.Slider()->SetSize(9);
    a.Slider()->SetDirection(gdVertical);
    b.Slider()->Assign(a.Slider());
    EXPECT_EQ(b.Slider()->Size(), 9);
    EXPECT_EQ(b.Slider()->Direction(), gdHorizontal); // not copied

    const TColor before = b.Thumb()->Color();
    b.Thumb()->Assign(a.Slider()); // another class: nothing happens
    EXPECT_EQ(b.Thumb()->Color(), before);
    EXPECT_THROW(b.TickMark()->Assign(a.Thumb()), EConvertError);
    EXPECT_THROW(b.Buttons()->Assign(a.TrackLabel()), EConvertError);
}

TEST(TrackBarSettings, StylePresets)
{
    struct Row {
        TOrvanStyle style;
        TColor thumbBorder, buttonsBorder, hot, sliderBorder, mirror;
    } rows[] = {
        {tsOffice2003Blue, RGB(155, 185, 224), RGB(59, 97, 156), RGB(255, 244, 204), RGB(116, 150, 194),
         RGB(192, 212, 237)},
        {tsOffice2003Silver, RGB(118, 116, 146), RGB(118, 116, 146), RGB(255, 244, 204), RGB(118, 116, 146),
         RGB(192, 212, 237)},
        {tsOffice2003Olive, RGB(177, 192, 140), RGB(177, 192, 140), RGB(255, 244, 204), RGB(177, 192, 140),
         RGB(234, 240, 207)},
        {tsOffice2003Classic, clBlack, clBlack, RGB(255, 253, 235), RGB(118, 116, 146), RGB(255, 255, 255)},
        {tsOffice2007Luna, RGB(155, 185, 224), RGB(155, 185, 224), RGB(255, 253, 235), RGB(116, 150, 194),
         RGB(192, 212, 237)},
        {tsOffice2007Obsidian, RGB(178, 188, 192), RGB(178, 188, 192), RGB(255, 253, 235), RGB(178, 188, 192),
         RGB(206, 213, 215)},
        {tsWindowsXP, RGB(220, 216, 185), RGB(220, 216, 185), RGB(198, 211, 239), RGB(118, 116, 146),
         RGB(220, 216, 185)},
        {tsWhidbey, RGB(172, 168, 153), RGB(172, 168, 153), RGB(255, 244, 204), RGB(118, 116, 146),
         RGB(240, 237, 223)},
        {tsOffice2007Silver, RGB(201, 202, 204), RGB(201, 202, 204), RGB(255, 253, 235), RGB(201, 202, 204),
         RGB(231, 234, 238)},
        {tsWindowsVista, RGB(154, 223, 254), RGB(154, 223, 254), RGB(249, 253, 255), RGB(154, 223, 254), clNone},
        {tsWindows7, RGB(125, 162, 206), RGB(125, 162, 206), RGB(250, 251, 253), RGB(125, 162, 206), clNone},
        {tsTerminal, clBlack, clBlack, RGB(192, 192, 192), clBlack, clNone},
        {tsOffice2010Blue, RGB(115, 131, 153), RGB(115, 131, 153), RGB(253, 247, 223), RGB(115, 131, 153), clNone},
        {tsOffice2010Silver, RGB(127, 137, 148), RGB(127, 137, 148), RGB(253, 247, 223), RGB(127, 137, 148), clNone},
        {tsOffice2010Black, RGB(38, 38, 38), RGB(38, 38, 38), RGB(253, 247, 223), RGB(38, 38, 38), clNone},
    };
    for (const Row &r : rows) {
        TSmTrackBar s(nullptr);
        s.Thumb()->SetShape(tsRound);
        s.Thumb()->SetPicture(PictureOf(4, 4, Qt::blue).get());
        s.SetComponentStyle(r.style);
        EXPECT_EQ(s.Thumb()->BorderColor(), r.thumbBorder) << r.style;
        EXPECT_EQ(s.Buttons()->BorderColor(), r.buttonsBorder) << r.style;
        EXPECT_EQ(s.Thumb()->ColorHot(), r.hot) << r.style;
        EXPECT_EQ(s.Buttons()->ColorHot(), r.hot) << r.style;
        EXPECT_EQ(s.Slider()->BorderColor(), r.sliderBorder) << r.style;
        EXPECT_EQ(s.TickMark()->Color(), r.sliderBorder) << r.style;
        EXPECT_EQ(s.Thumb()->ColorMirror(), r.mirror) << r.style;
        EXPECT_EQ(s.Thumb()->GradientMirror(), ggVertical) << r.style;
        EXPECT_TRUE(s.Thumb()->Picture()->Empty()) << r.style;
        EXPECT_EQ(s.Thumb()->Shape(), tsPointer) << r.style;
    }
    // tsCustom resets shapes and pictures but no colour.
    TSmTrackBar s(nullptr);
    s.Thumb()->SetColor(clRed);
    s.Slider()->SetOffset(3);
    s.TickMark()->SetPosition(tmBoth);
    s.Buttons()->SetSpacing(9);
    s.Slider()->SetPicture(PictureOf(4, 4, Qt::blue).get());
    s.SetComponentStyle(tsCustom);
    EXPECT_EQ(s.Thumb()->Color(), clRed);
    EXPECT_EQ(s.Slider()->Offset(), 10);
    EXPECT_EQ(s.TickMark()->Position(), tmBottomRight);
    EXPECT_EQ(s.Buttons()->Spacing(), 2);
    EXPECT_TRUE(s.Slider()->Picture()->Empty());
}

TEST(TrackBarSettings, OrientationSwapsTheSizeAtRunTimeOnlyAndTickImagesGoAway)
{
    TSmTrackBar s(nullptr);
    s.SetBounds(0, 0, 150, 26);
    s.SetOrientation(trVertical);
    EXPECT_EQ(s.BoundsRect(), Rect(0, 0, 26, 150));
    TSmTrackBar loading(nullptr);
    loading.BeginLoading();
    loading.SetBounds(0, 0, 27, 193);
    loading.SetOrientation(trVertical);
    loading.EndLoading();
    EXPECT_EQ(loading.BoundsRect(), Rect(0, 0, 27, 193));

    auto *list = new TCustomImageList(nullptr);
    s.SetTickImages(list);
    EXPECT_EQ(s.TickImages(), list);
    delete list;
    EXPECT_EQ(s.TickImages(), nullptr);
}

// -- value model ----------------------------------------------------------------

TEST(TrackBarValue, OnChangeOnceAfterTheValueIsStoredAndAtTheEnds)
{
    SliderForm f;
    f.slider->SetPosition(0); // unchanged: nothing
    EXPECT_TRUE(f.changes.empty());
    f.slider->SetPosition(100);
    EXPECT_EQ(f.changes, std::vector<int>{100});
    f.slider->SetPosition(240);
    f.slider->SetPosition(245); // Max + 5: fires although Position stays Max
    f.slider->SetPosition(-9);
    EXPECT_EQ(f.changes, (std::vector<int>{100, 240, 240, 0}));

    f.changes.clear();
    f.slider->SetPosition(200);
    f.slider->SetMax(150); // moves Position
    f.slider->SetMax(240);
    f.slider->SetMin(160); // Min above Position moves it too
    EXPECT_EQ(f.changes, (std::vector<int>{200, 150, 160}));
    EXPECT_EQ(f.slider->Position(), 160);
    f.slider->SetMax(100); // below Min is accepted; values clamp to Max
    EXPECT_EQ(f.slider->Position(), 100);
}

TEST(TrackBarValue, ThumbGeometryOfTheEditorSlider)
{
    SliderForm f;
    struct Row {
        int position, top;
    } rows[] = {{0, 161}, {120, 82}, {240, 3}};
    for (const Row &r : rows) {
        f.slider->SetPosition(r.position);
        EXPECT_EQ(f.slider->ThumbRect(), Rect(6, r.top, 22, r.top + 29)) << r.position;
    }
    EXPECT_EQ(f.slider->TrackRect(), Rect(13, 3, 24, 190));
    EXPECT_EQ(f.slider->SliderRect(), Rect(13, 3, 16, 190));
}

struct KeyRow {
    const char *name;
    int qtKey;
    Qt::KeyboardModifiers mods;
    int vertical, horizontal; // expected Position from 50 in 0..240, page 10
};

TEST(TrackBarInput, KeyTableForBothOrientationsInAFormWithADefaultButton)
{
    const KeyRow rows[] = {
        {"page up", Qt::Key_PageUp, Qt::NoModifier, 60, 60},
        {"page down", Qt::Key_PageDown, Qt::NoModifier, 40, 40},
        {"end", Qt::Key_End, Qt::NoModifier, 0, 240},
        {"home", Qt::Key_Home, Qt::NoModifier, 240, 0},
        {"left", Qt::Key_Left, Qt::NoModifier, 49, 49},
        {"down", Qt::Key_Down, Qt::NoModifier, 49, 49},
        {"up", Qt::Key_Up, Qt::NoModifier, 51, 51},
        {"right", Qt::Key_Right, Qt::NoModifier, 51, 51},
        {"shift up", Qt::Key_Up, Qt::ShiftModifier, 50, 50},
        {"shift home", Qt::Key_Home, Qt::ShiftModifier, 50, 50},
        {"ctrl up", Qt::Key_Up, Qt::ControlModifier, 51, 51},
        {"alt page up", Qt::Key_PageUp, Qt::AltModifier, 60, 60},
        {"other", Qt::Key_A, Qt::NoModifier, 50, 50},
    };
    for (bool vertical : {true, false}) {
        SliderForm f;
        auto *def = new TButton(f.form.get());
        def->SetParent(f.form.get());
        def->SetBounds(60, 10, 40, 20);
        def->SetDefault(true);
        int clicks = 0;
        def->OnClick = [&](TObject *) { ++clicks; };
        if (!vertical)
            f.slider->SetOrientation(trHorizontal);
        f.Show();
        f.slider->SetFocus();
        for (const KeyRow &r : rows) {
            f.slider->SetPosition(50);
            Key(f.W(), r.qtKey, QString(), r.mods);
            EXPECT_EQ(f.slider->Position(), vertical ? r.vertical : r.horizontal)
                << r.name << (vertical ? " vertical" : " horizontal");
        }
        EXPECT_EQ(clicks, 0);
        // At the ends the arrows fire nothing.
        f.slider->SetPosition(240);
        f.changes.clear();
        Key(f.W(), Qt::Key_Up);
        Key(f.W(), Qt::Key_Right);
        f.slider->SetPosition(0);
        f.changes.clear();
        Key(f.W(), Qt::Key_Down);
        Key(f.W(), Qt::Key_Left);
        EXPECT_TRUE(f.changes.empty());
        QApplication::setActiveWindow(nullptr);
    }
}

TEST(TrackBarInput, WheelNotchesAndHalfNotches)
{
    SliderForm f;
    f.Show();
    f.slider->SetPosition(10);
    EXPECT_TRUE(Wheel(f.W(), {10, 50}, 120));
    EXPECT_EQ(f.slider->Position(), 11);
    Wheel(f.W(), {10, 50}, -240);
    EXPECT_EQ(f.slider->Position(), 9);
    Wheel(f.W(), {10, 50}, 60);
    EXPECT_EQ(f.slider->Position(), 9); // half a notch waits
    Wheel(f.W(), {10, 50}, 60);
    EXPECT_EQ(f.slider->Position(), 10);
    f.slider->SetPosition(240);
    f.changes.clear();
    Wheel(f.W(), {10, 50}, 120);
    EXPECT_TRUE(f.changes.empty());
    QApplication::setActiveWindow(nullptr);
}

TEST(TrackBarInput, DragFiresOncePerValue)
{
    SliderForm f(0, 158); // one value per pixel
    f.Show();
    f.slider->SetPosition(79);
    const TRect t = f.slider->ThumbRect();
    const QPoint grab(t.Left + 8, t.Top + 14);
    SendMouse(f.W(), QEvent::MouseButtonPress, grab);
    f.changes.clear();
    for (int dy = 1; dy <= 10; ++dy) {
        Move(f.W(), grab - QPoint(0, dy), Qt::LeftButton);
        Move(f.W(), grab - QPoint(0, dy), Qt::LeftButton); // the same place again
    }
    SendMouse(f.W(), QEvent::MouseButtonRelease, grab - QPoint(0, 10));
    std::vector<int> expected;
    for (int v = 80; v <= 89; ++v)
        expected.push_back(v);
    EXPECT_EQ(f.changes, expected);
    QApplication::setActiveWindow(nullptr);
}

TEST(TrackBarInput, PagingByRepeatTicksUntilWithinOneStepStoppedByTheRelease)
{
    SliderForm f(0, 158); // one value per pixel
    f.slider->SetPageSize(1);
    f.Show();
    f.slider->SetPosition(150);
    const QPoint press(14, 150); // below the thumb
    SendMouse(f.W(), QEvent::MouseButtonPress, press);
    ASSERT_EQ(f.slider->Position(), 149); // one page at once
    ASSERT_TRUE(f.slider->RepeatTimer()->Enabled());
    EXPECT_EQ(f.slider->RepeatTimer()->Interval(), 400u);
    for (int i = 0; i < 200; ++i)
        f.slider->RepeatTimerTick(nullptr);
    EXPECT_EQ(f.slider->RepeatTimer()->Interval(), 100u);
    // The thumb's lower edge has reached the press point and stays.
    EXPECT_EQ(f.slider->Position(), 39);
    EXPECT_EQ(f.slider->ThumbRect().Bottom, 151);
    SendMouse(f.W(), QEvent::MouseButtonRelease, press);
    EXPECT_FALSE(f.slider->RepeatTimer()->Enabled());

    // Pages larger than a step settle too, on the near side of the point,
    // and a tick after the release changes nothing.
    f.slider->SetPageSize(10);
    f.slider->SetPosition(150);
    SendMouse(f.W(), QEvent::MouseButtonPress, press);
    std::vector<int> seen;
    for (int i = 0; i < 40; ++i) {
        f.slider->RepeatTimerTick(nullptr);
        seen.push_back(f.slider->Position());
    }
    EXPECT_EQ(seen.back(), 30);
    EXPECT_TRUE(std::is_sorted(seen.rbegin(), seen.rend())); // never back up
    SendMouse(f.W(), QEvent::MouseButtonRelease, press);
    f.slider->SetPosition(100);
    f.slider->RepeatTimerTick(nullptr); // no capture any more: nothing
    EXPECT_EQ(f.slider->Position(), 100);
    QApplication::setActiveWindow(nullptr);
}

TEST(TrackBarInput, MoveOnClickAndRightPress)
{
    SliderForm f;
    f.Show();
    std::vector<std::string> log;
    f.slider->OnMouseDown = [&](TObject *, TMouseButton b, TShiftState, int, int) {
        log.push_back(b == mbRight ? "right" : "left");
    };
    f.slider->SetPosition(0);
    f.slider->SetFocus();
    f.form->SetFocus();
    // A right press only focuses.
    SendMouse(f.W(), QEvent::MouseButtonPress, {14, 20}, Qt::RightButton);
    SendMouse(f.W(), QEvent::MouseButtonRelease, {14, 20}, Qt::RightButton);
    EXPECT_EQ(f.slider->Position(), 0);
    EXPECT_TRUE(f.slider->Focused());

    f.slider->SetMoveOnClick(mcMove);
    SendMouse(f.W(), QEvent::MouseButtonPress, {14, 82});
    SendMouse(f.W(), QEvent::MouseButtonRelease, {14, 82});
    EXPECT_EQ(f.slider->Position(), 120);
    EXPECT_EQ(f.slider->ThumbRect().Top, 82);
    Move(f.W(), {14, 3}); // mcMove: no following
    EXPECT_EQ(f.slider->Position(), 120);

    f.slider->SetMoveOnClick(mcMoveSlide);
    SendMouse(f.W(), QEvent::MouseButtonPress, {14, 161});
    EXPECT_EQ(f.slider->Position(), 0);
    Move(f.W(), {14, 130}, Qt::LeftButton);
    EXPECT_GT(f.slider->Position(), 0);
    SendMouse(f.W(), QEvent::MouseButtonRelease, {14, 130});
    const int after = f.slider->Position();
    Move(f.W(), {14, 20});
    EXPECT_EQ(f.slider->Position(), after);
    EXPECT_EQ(log, (std::vector<std::string>{"right", "left", "left"}));
    QApplication::setActiveWindow(nullptr);
}

TEST(TrackBarInput, DoubleClickIsTwoPresses)
{
    SliderForm f;
    f.Show();
    f.slider->SetPosition(200);
    int downs = 0;
    f.slider->OnMouseDown = [&](TObject *, TMouseButton, TShiftState, int, int) { ++downs; };
    const QPoint below(14, 170);
    SendMouse(f.W(), QEvent::MouseButtonPress, below);
    SendMouse(f.W(), QEvent::MouseButtonRelease, below);
    SendMouse(f.W(), QEvent::MouseButtonDblClick, below);
    SendMouse(f.W(), QEvent::MouseButtonRelease, below);
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(f.slider->Position(), 180); // two pages
    QApplication::setActiveWindow(nullptr);
}

TEST(TrackBarInput, DegenerateSlidersSurviveEveryInput)
{
    struct Row {
        const char *name;
        int height, min, max;
    } rows[] = {{"10 pixels high", 10, 0, 240}, {"Max = Min", 193, 5, 5}, {"Max below Min", 193, 9, 3}};
    for (const Row &r : rows) {
        SliderForm f(r.min, r.max, 27, r.height);
        f.Show();
        const int start = f.slider->Position();
        for (TMoveOnClick m : {mcStep, mcMove, mcMoveSlide}) {
            f.slider->SetMoveOnClick(m);
            for (int y : {0, 4, 8}) {
                SendMouse(f.W(), QEvent::MouseButtonPress, {14, y});
                Move(f.W(), {14, y + 1}, Qt::LeftButton);
                f.slider->RepeatTimerTick(nullptr);
                SendMouse(f.W(), QEvent::MouseButtonRelease, {14, y + 1});
            }
        }
        for (int k : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down})
            Key(f.W(), k);
        f.Render();
        const int p = f.slider->Position();
        if (r.height == 10) { // no room along the track: clicks, drags and paging keep it
            EXPECT_EQ(p, start) << r.name;
        }
        EXPECT_TRUE(p == r.min || p == r.max || (p > std::min(r.min, r.max) && p < std::max(r.min, r.max)))
            << r.name << " " << p;
        QApplication::setActiveWindow(nullptr);
    }
}

TEST(TrackBarInput, RatingMode)
{
    SliderForm f(0, 5);
    TSmTrackBar *s = f.slider;
    s->SetOrientation(trHorizontal);
    s->SetBounds(10, 10, 120, 30);
    s->SetRateActive(PictureOf(10, 10, Qt::red).get());
    s->SetRateInActive(PictureOf(10, 10, Qt::gray).get());
    ASSERT_TRUE(s->RatingMode());
    f.Show();
    const TRect third = s->RatingCellRect(3);
    const TRect first = s->RatingCellRect(1);
    EXPECT_EQ(third.Left, first.Left + 20);
    SendMouse(f.W(), QEvent::MouseButtonPress, {third.Left + 2, third.Top + 2});
    EXPECT_EQ(s->Position(), 0); // a press does nothing
    SendMouse(f.W(), QEvent::MouseButtonRelease, {third.Left + 2, third.Top + 2});
    EXPECT_EQ(s->Position(), 3);
    Click(f.W(), {first.Left - 4, first.Top});
    EXPECT_EQ(s->Position(), 0);
    s->SetPosition(2);
    Click(f.W(), {first.Left - 5, first.Top});
    EXPECT_EQ(s->Position(), 2);
    const QImage img = f.Render();
    EXPECT_EQ(img.pixelColor(first.Left + 5, first.Top + 5), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(third.Left + 5, third.Top + 5), QColor(Qt::gray));
    QApplication::setActiveWindow(nullptr);
}

TEST(TrackBarInput, MinusAndPlusButtonsStepOnlyWhenReleasedOnThem)
{
    SliderForm f;
    TSmTrackBar *s = f.slider;
    s->Buttons()->SetVisible(true);
    s->SetPosition(100);
    f.Show();
    const TRect minus = s->MinButtonRect(), plus = s->MaxButtonRect();
    const QPoint onMinus(minus.Left + 5, minus.Top + 5), onPlus(plus.Left + 5, plus.Top + 5);
    SendMouse(f.W(), QEvent::MouseButtonPress, onMinus);
    SendMouse(f.W(), QEvent::MouseButtonRelease, onPlus); // released elsewhere
    EXPECT_EQ(s->Position(), 100);
    SendMouse(f.W(), QEvent::MouseButtonPress, onMinus);
    s->RepeatTimerTick(nullptr);
    s->RepeatTimerTick(nullptr);
    SendMouse(f.W(), QEvent::MouseButtonRelease, onMinus);
    EXPECT_EQ(s->Position(), 97); // two repeats, then the release's step
    Click(f.W(), onPlus);
    EXPECT_EQ(s->Position(), 98);
    QApplication::setActiveWindow(nullptr);
}

TEST(TrackBarInput, DragHintFollowsTheValueOnTheNearestMonitor)
{
    TMonitor m;
    m.BoundsRect = m.WorkareaRect = Rect(0, 0, 400, 300);
    Screen->SetMonitorsForTest({m});
    SliderForm f;
    f.slider->SetTrackHint(true);
    f.slider->OnGetTrackHint = [](TObject *, int v, QString &text) { text = QStringLiteral("%1 dB").arg(v); };
    f.Show();
    Mouse->SetCursorPosForTest({395, 295});
    const TRect t = f.slider->ThumbRect();
    const QPoint grab(t.Left + 8, t.Top + 14);
    SendMouse(f.W(), QEvent::MouseButtonPress, grab);
    Move(f.W(), grab - QPoint(0, 5), Qt::LeftButton);
    TTrackHintWindow *hint = f.slider->TrackHintWindow();
    EXPECT_TRUE(hint->HandleAllocated());
    EXPECT_EQ(hint->Caption(), QStringLiteral("%1 dB").arg(f.slider->Position()));
    EXPECT_EQ(hint->BoundsRect().Right, 398); // moved inside the monitor
    EXPECT_EQ(hint->BoundsRect().Bottom, 298);
    SendMouse(f.W(), QEvent::MouseButtonRelease, grab - QPoint(0, 5));
    EXPECT_FALSE(hint->HandleAllocated());
    Mouse->ClearCursorPosForTest();
    Screen->SetMonitorsForTest({});
    QApplication::setActiveWindow(nullptr);
}

} // namespace
