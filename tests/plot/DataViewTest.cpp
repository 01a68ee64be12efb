#include "PlotOwnerStub.h"

#include <gtest/gtest.h>

namespace {

// A data view of 400 x 200 at (50, 20) with X and Y axes 0..100.
class DataViewTest : public ::testing::Test {
protected:
    DataViewTest()
    {
        plot.AddXAxis();
        plot.AddYAxis();
        view = plot.AddDataView();
        image = BlackImage(500, 300);
        plot.Layout(image->Canvas(), TRect(50, 20, 450, 220));
    }
    TgPlotMouseData Mouse(int X, int Y, bool Shift = false)
    {
        TgPlotMouseData m;
        m.X = X;
        m.Y = Y;
        if (Shift)
            m.Shift << ssShift;
        return m;
    }
    void RightDrag(TPoint From, TPoint To)
    {
        view->DoMouseRight(Mouse(From.X, From.Y));
        view->DoMouseMove(Mouse(To.X, To.Y));
        view->DoMouseUp(Mouse(To.X, To.Y));
    }
    TColor At(int X, int Y) { return image->Canvas()->Pixels(X, Y); }

    TPlotOwnerStub plot;
    TgPlotDataView *view;
    std::unique_ptr<TBitmap> image;
};

TEST_F(DataViewTest, DefaultGridAndBorder)
{
    view->DrawBackground(image->Canvas());
    view->Draw(image->Canvas(), clBlack);
    EXPECT_EQ(At(101, 111), clBlack); // no background
    const int x20 = plot.xAxes[0]->PositionToPixels(20), y40 = plot.yAxes[0]->PositionToPixels(40);
    EXPECT_EQ(At(x20, 111), clGreen);
    EXPECT_EQ(At(x20 + 1, 111), clBlack);
    EXPECT_EQ(At(x20 + 20, 111), clBlack); // minor lines are off
    EXPECT_EQ(At(300, y40), clGreen);
    for (TPoint border : {TPoint(50, 60), TPoint(450, 60), TPoint(120, 20), TPoint(120, 220), TPoint(450, 220)})
        EXPECT_EQ(At(border.X, border.Y), clGreen) << border.X << "," << border.Y;

    view->SetBackgroundTransparent(false);
    view->DrawBackground(image->Canvas());
    EXPECT_EQ(At(101, 111), TColor(8421376));
}

TEST_F(DataViewTest, GridOfEveryXAxis)
{
    TgPlotXAxis *second = plot.AddXAxis(QStringLiteral("X2"));
    second->SetMinSpan(0, 7);
    plot.Layout(image->Canvas(), TRect(50, 20, 450, 220));
    view->SetGridXAxisName(QStringLiteral("<all>"));
    view->Draw(image->Canvas(), clBlack);
    const int p = second->PositionToPixels(second->Tick(1).TickType == ipttMajor ? second->Tick(1).Position : second->Tick(2).Position);
    EXPECT_EQ(At(p, 100), clGreen);
    view->SetGridShow(false);
    image = BlackImage(500, 300);
    view->Draw(image->Canvas(), clBlack);
    EXPECT_EQ(At(p, 100), clBlack);
    EXPECT_EQ(At(50, 100), clBlack);
}

TEST_F(DataViewTest, PercentPositions)
{
    EXPECT_EQ(view->PositionPercentToPixelsX(25), 150);
    EXPECT_EQ(view->PositionPercentToPixelsY(25), 170);
    EXPECT_EQ(view->PixelsXToPositionPercent(150), 25);
    EXPECT_EQ(view->PixelsYToPositionPercent(170), 25);
}

TEST_F(DataViewTest, ZoomBox)
{
    view->SetAxesControlEnabled(true);
    RightDrag(TPoint(150, 70), TPoint(250, 120)); // down and right: zooms
    EXPECT_EQ(plot.xAxes[0]->Min(), 25);
    EXPECT_EQ(plot.xAxes[0]->Max(), 50);
    EXPECT_EQ(plot.yAxes[0]->Min(), 50);
    EXPECT_EQ(plot.yAxes[0]->Max(), 75);
    EXPECT_TRUE(plot.events.contains("zoom box 150,70,250,120"));

    for (TgPlotAxis *a : {static_cast<TgPlotAxis *>(plot.xAxes[0]), static_cast<TgPlotAxis *>(plot.yAxes[0])})
        a->SetMinSpan(0, 100);
    RightDrag(TPoint(250, 120), TPoint(150, 70)); // toward the upper left: nothing
    EXPECT_EQ(plot.xAxes[0]->Span(), 100);

    plot.cancelZoomBox = true;
    RightDrag(TPoint(150, 70), TPoint(250, 120));
    EXPECT_EQ(plot.xAxes[0]->Span(), 100);
    plot.cancelZoomBox = false;

    view->DoMouseRight(Mouse(150, 70));
    view->DoMouseMove(Mouse(153, 72)); // inside the dead zone
    EXPECT_FALSE(view->ZoomBoxActive());
    view->DoMouseMove(Mouse(250, 120));
    EXPECT_TRUE(view->ZoomBoxActive());
    Word escape = 27;
    view->gKeyDown(escape, TShiftState(), nullptr);
    EXPECT_FALSE(view->ZoomBoxActive());
    view->DoMouseUp(Mouse(250, 120));
    EXPECT_EQ(plot.xAxes[0]->Span(), 100);
}

// With Shift held, a drag that first moves 4 pixels sideways moves only
// the X axes for the rest of the drag.
TEST_F(DataViewTest, ShiftLocksTheDragDirection)
{
    view->SetAxesControlEnabled(true);
    view->DoMouseLeft(Mouse(200, 100, true));
    view->DoMouseMove(Mouse(204, 100, true));
    view->DoMouseMove(Mouse(204, 160, true));
    view->DoMouseUp(Mouse(204, 160, true));
    EXPECT_EQ(plot.xAxes[0]->Min(), -1); // 4 of 400 pixels
    EXPECT_EQ(plot.yAxes[0]->Min(), 0);
    EXPECT_FALSE(plot.xAxes[0]->TrackingEnabled());

    view->DoMouseLeft(Mouse(200, 100)); // without Shift both move
    view->DoMouseMove(Mouse(240, 120));
    view->DoMouseUp(Mouse(240, 120));
    EXPECT_EQ(plot.xAxes[0]->Min(), -11);
    EXPECT_EQ(plot.yAxes[0]->Min(), 10);

    view->SetAxesControlEnabled(false); // no axes control: drags do nothing
    view->DoMouseLeft(Mouse(200, 100));
    view->DoMouseMove(Mouse(300, 100));
    view->DoMouseUp(Mouse(300, 100));
    EXPECT_EQ(plot.xAxes[0]->Min(), -11);
}

} // namespace
