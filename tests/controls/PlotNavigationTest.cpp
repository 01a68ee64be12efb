// Mouse navigation of the response plot, run by calling its operations.
#include "PlotFixture.h"

namespace {

struct NavigationFixture : PlotFixture {
    int left = 0, top = 0, w = 0, h = 0;
    int downs = 0, moves = 0, ups = 0, doubles = 0;
    void SetUp() override
    {
        PlotFixture::SetUp();
        const TRect d = plot.PlotPage()->Dest();
        left = d.Left;
        top = d.Top;
        w = d.Width();
        h = d.Height();
        plot.OnMouseDown = [this](TObject *, TMouseButton, TShiftState, int, int) { ++downs; };
        plot.OnMouseMove = [this](TObject *, TShiftState, int, int) { ++moves; };
        plot.OnMouseUp = [this](TObject *, TMouseButton, TShiftState, int, int) { ++ups; };
        plot.OnDblClick = [this](TObject *) { ++doubles; };
    }
    void Drag(TShiftState Shift, int X1, int Y1, int X2, int Y2)
    {
        plot.MouseDown1(mbLeft, Shift, X1, Y1);
        plot.MouseMove1(Shift, X2, Y2);
        plot.MouseUp1(mbLeft, Shift, X2, Y2);
    }
};

TEST_F(NavigationFixture, PanMovesTheRangeWithTheDrag)
{
    const int dx = w / 10;
    Drag({ssLeft}, left + 100, top + 50, left + 100 + dx, top + 50);
    const double shift = dx * (3840.0 - 966.0) / w;
    EXPECT_NEAR(plot.XMin(), 966 - shift, 1e-9);
    EXPECT_NEAR(plot.XMax(), 3840 - shift, 1e-9);
    EXPECT_NEAR(plot.XMin(), 678.6, 3.0);
    EXPECT_NEAR(plot.XMax(), 3552.6, 3.0);
    EXPECT_DOUBLE_EQ(plot.YMin(), -18);
    // Dragging down moves the Y range up by the same share of its span.
    Drag({ssLeft}, left + 100, top + 50, left + 100, top + 50 + h / 4);
    EXPECT_NEAR(plot.YMin(), -18 + (h / 4) * 36.0 / h, 1e-9);
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(moves, 2);
    EXPECT_EQ(ups, 2);
}

TEST_F(NavigationFixture, AltDragStretchesFromBothEnds)
{
    for (TShiftState shift : {TShiftState{ssAlt, ssLeft}, TShiftState{ssAlt, ssRight}}) {
        plot.SetXYMinMax(966, 3840, -18, 18);
        Drag(shift, left + 200, top + 50, left + 300, top + 50);
        const double r = 100 * (3840.0 - 966.0) / w;
        EXPECT_NEAR(plot.XMin(), 966 + r, 1e-9);
        EXPECT_NEAR(plot.XMax(), 3840 - r, 1e-9);
    }
}

TEST_F(NavigationFixture, CtrlDragZoomsToTheRectangleFromEitherCorner)
{
    const int x1 = left + 100, y1 = top + 40, x2 = left + 500, y2 = top + 160;
    const double xmin = plot.PlotX(x1), xmax = plot.PlotX(x2), ymin = plot.PlotY(y2), ymax = plot.PlotY(y1);
    for (bool fromBottomRight : {false, true}) {
        plot.SetXYMinMax(966, 3840, -18, 18);
        const int ax = fromBottomRight ? x2 : x1, ay = fromBottomRight ? y2 : y1;
        const int bx = fromBottomRight ? x1 : x2, by = fromBottomRight ? y1 : y2;
        plot.MouseDown1(mbLeft, {ssCtrl, ssLeft}, ax, ay);
        plot.MouseMove1({ssCtrl, ssLeft}, bx, by);
        ASSERT_NE(plot.ZoomRect(), nullptr);
        EXPECT_EQ(*plot.ZoomRect(), Rect(x1, y1, x2, y2));
        // The rubber band shows over the screen image only while dragging.
        const QImage dragging = plot.PaintToImage();
        EXPECT_NE(FromQColor(dragging.pixelColor(x1 + 1, y1)), PlotPixel(x1 + 1 - left, y1 - top));
        plot.MouseUp1(mbLeft, {ssCtrl, ssLeft}, bx, by);
        EXPECT_EQ(plot.ZoomRect(), nullptr);
        EXPECT_EQ(FromQColor(plot.PaintToImage().pixelColor(x1 + 1, y1)), PlotPixel(x1 + 1 - left, y1 - top));
        EXPECT_NEAR(plot.XMin(), xmin, 1e-9);
        EXPECT_NEAR(plot.XMax(), xmax, 1e-9);
        EXPECT_NEAR(plot.YMin(), ymin, 1e-9);
        EXPECT_NEAR(plot.YMax(), ymax, 1e-9);
    }
}

TEST_F(NavigationFixture, DoubleClickFitsTheCurvesOnlyWithAutoScale)
{
    const double y[] = {-5, 7};
    const double x[] = {1200, 3000};
    plot.FFTDraw(x, y, 2, 1, clRed, TMyPlotStyle(0));
    plot.DblClick1();
    EXPECT_EQ(plot.XMin(), 966);
    plot.SetXAutoScale(true);
    plot.SetYAutoScale(true);
    plot.SetXYMinMax(0, 10, 0, 10);
    plot.DblClick1();
    EXPECT_EQ(plot.XMin(), 1200);
    EXPECT_EQ(plot.XMax(), 3000);
    EXPECT_EQ(plot.YMin(), -5);
    EXPECT_EQ(plot.YMax(), 7);
    EXPECT_EQ(doubles, 2);
}

TEST_F(NavigationFixture, WithoutMouseControlOnlyEventsAndTheReadOutChange)
{
    plot.SetMouseControl(false);
    Drag({ssLeft}, left + 100, top + 50, left + 300, top + 90);
    Drag({ssCtrl, ssLeft}, left + 100, top + 50, left + 300, top + 90);
    plot.DblClick1();
    EXPECT_EQ(plot.XMin(), 966);
    EXPECT_EQ(plot.XMax(), 3840);
    EXPECT_EQ(plot.YMin(), -18);
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(doubles, 1);
    EXPECT_DOUBLE_EQ(plot.MouseX(), plot.PlotX(left + 300));
    EXPECT_DOUBLE_EQ(plot.MouseY(), plot.PlotY(top + 90));
    // The read-out is drawn on the coordinate page, at the top right.
    const TRect c = plot.CoordinatePage()->Dest();
    bool ink = false;
    for (int y = c.Top; y < c.Bottom; ++y)
        for (int x = c.Left; x < c.Right; ++x)
            ink = ink || FromQColor(plot.ScreenImage().pixelColor(x, y)) == clLime;
    EXPECT_TRUE(ink);
}

TEST(PlotNavigation, InputBeforeTheFirstLayoutIsIgnored)
{
    LMyFFTDrawHpLp6dB p(nullptr);
    int downs = 0;
    p.OnMouseDown = [&](TObject *, TMouseButton, TShiftState, int, int) { ++downs; };
    const double xmin = p.XMin(), ymax = p.YMax();
    for (TShiftState shift : {TShiftState{ssLeft}, TShiftState{ssAlt, ssLeft}, TShiftState{ssCtrl, ssLeft}}) {
        p.MouseDown1(mbLeft, shift, 10, 10);
        p.MouseMove1(shift, 60, 80);
        p.MouseUp1(mbLeft, shift, 60, 80);
    }
    EXPECT_EQ(downs, 3);
    EXPECT_EQ(p.XMin(), xmin);
    EXPECT_EQ(p.YMax(), ymax);
    EXPECT_EQ(p.PlotX(60), 0);
    EXPECT_EQ(p.PlotY(80), 0);
    EXPECT_EQ(p.MouseX(), 0);
}

} // namespace
