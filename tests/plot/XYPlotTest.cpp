// The XY plot with its real objects: the default set on a 500 x 200
// control, the layout around the data view, layer order, and the editor's
// transfer-curve configuration drawn by the plot's own paint.
#include "Bitmap.h"
#include "gPlotAnnotation.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"
#include "gPlotLabel.h"
#include "gPlotLegend.h"
#include "gPlotToolBar.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

namespace {

QString Names(const std::vector<TgPlotLayoutObject *> &List)
{
    QStringList names;
    for (const TgPlotLayoutObject *o : List)
        names << o->Name();
    return names.join(u' ');
}

struct XYPlotTest : ::testing::Test {
    TgXYPlot plot{nullptr};
    TBitmap image{500, 200};
    XYPlotTest()
    {
        plot.SetBounds(0, 0, 500, 200);
        plot.SetBorderStyle(ibsLowered);
    }
    void Paint() { plot.PaintToCanvas(image.Canvas()); }
    int YAxisEndMargin()
    {
        TCanvas measure;
        return plot.GetYAxis(0)->GetEndMargin(&measure);
    }
};

TEST_F(XYPlotTest, DefaultObjectsAndSides)
{
    EXPECT_EQ(plot.ChannelCount(), 1);
    EXPECT_EQ(plot.XAxisCount(), 1);
    EXPECT_EQ(plot.YAxisCount(), 1);
    EXPECT_EQ(plot.DataViewCount(), 1);
    EXPECT_EQ(plot.DataCursorCount(), 1);
    EXPECT_EQ(plot.LegendCount(), 1);
    EXPECT_EQ(plot.ToolBarCount(), 1);
    EXPECT_EQ(plot.LabelCount(), 1);
    EXPECT_EQ(plot.TableCount() + plot.LimitCount() + plot.AnnotationCount(), 0);
    EXPECT_EQ(plot.TitleText(), QStringLiteral("Untitled"));
    EXPECT_FALSE(plot.GetDataCursor(0)->Visible());
    EXPECT_EQ(plot.AddChannel(), 1);
    EXPECT_NE(dynamic_cast<TgXYPlotChannel *>(plot.GetChannel(1)), nullptr);
    plot.DeleteChannel(1);

    Paint();
    EXPECT_EQ(Names(plot.VisibleList(TgPlotComponent::isBottom)), plot.GetXAxis(0)->Name());
    EXPECT_EQ(Names(plot.VisibleList(TgPlotComponent::isLeft)), plot.GetYAxis(0)->Name());
    EXPECT_EQ(Names(plot.VisibleList(TgPlotComponent::isTop)),
              QStringLiteral("Title ") + plot.GetToolBar(0)->Name());
    EXPECT_EQ(Names(plot.VisibleList(TgPlotComponent::isRight)), plot.GetLegend(0)->Name());
    const TRect toolBar = plot.GetToolBar(0)->DrawRect();
    EXPECT_EQ(toolBar.Top, 2);
    EXPECT_EQ(toolBar.Bottom, 2 + 36);
    const TRect area = plot.GetDataView(0)->DrawRect();
    EXPECT_EQ(plot.GetLabel(0)->DrawRect().Bottom, area.Top); // the title lies right above the data area
    // The axes' scales span the data view.
    EXPECT_EQ(plot.GetXAxis(0)->ScaleRect().Left, area.Left);
    EXPECT_EQ(plot.GetXAxis(0)->ScaleRect().Right, area.Right);
    EXPECT_EQ(plot.GetYAxis(0)->ScaleRect().Top, area.Top);
    EXPECT_EQ(plot.GetYAxis(0)->ScaleRect().Bottom, area.Bottom);
}

// A toolbar alone on top takes the Y axis's end margin once more.
TEST_F(XYPlotTest, LoneToolBarOnTop)
{
    plot.SetTitleVisible(false);
    Paint();
    const int vertStop = YAxisEndMargin();
    EXPECT_EQ(plot.GetDataView(0)->DrawRect().Top, std::max(36, vertStop) + vertStop + 2 + plot.OuterMarginTop());
}

TEST_F(XYPlotTest, StackedAxesShareTheirBand)
{
    TgPlotYAxis *lower = plot.GetYAxis(0);
    TgPlotYAxis *upper = plot.GetYAxis(plot.AddYAxis());
    lower->SetStopPercent(50);
    upper->SetStartPercent(50);
    upper->SetZOrder(0);
    lower->SetZOrder(0);
    Paint();
    EXPECT_TRUE(lower->StopStacked());
    EXPECT_TRUE(upper->StartStacked());
    EXPECT_EQ(lower->DrawRect().Left, upper->DrawRect().Left);
    EXPECT_LT(lower->ScaleRect().Top, lower->DrawRect().Top + 20);
    EXPECT_GT(lower->ScaleRect().Top, lower->DrawRect().Top); // shortened at the shared end only
    EXPECT_EQ(lower->ScaleRect().Bottom, lower->DrawRect().Bottom);
}

TEST_F(XYPlotTest, ChannelZeroEndsOnTop)
{
    plot.AddChannel();
    for (int i = 0; i < 2; ++i) {
        TgXYPlotChannel *c = plot.GetChannel(i);
        c->SetColor(i == 0 ? clRed : clBlue);
        c->AddXY(0, 50);
        c->AddXY(100, 50);
    }
    for (TgPlotAxis *a : {static_cast<TgPlotAxis *>(plot.GetXAxis(0)), static_cast<TgPlotAxis *>(plot.GetYAxis(0))})
        a->SetTrackingEnabled(false);
    Paint();
    const int y = plot.GetYAxis(0)->PositionToPixels(50), x = plot.GetXAxis(0)->PositionToPixels(50);
    EXPECT_EQ(image.Canvas()->Pixels(x, y), clRed);
}

// Each paint lets every cursor take its reading first (OnBeforeDataCursorUpdate,
// then OnDataCursorChange only when the reading moved), hands the cursors and
// annotations data view 0, and tells legend 0 whether a shown cursor reads
// every channel for it.
TEST_F(XYPlotTest, DataCursorsReadInEveryPaint)
{
    TgPlotDataCursor *cursor = plot.GetDataCursor(0);
    QStringList events;
    plot.OnBeforeDataCursorUpdate = [&](TObject *, int i) { events << QStringLiteral("before %1").arg(i); };
    plot.OnDataCursorChange = [&](TObject *, int i) { events << QStringLiteral("change %1").arg(i); };
    Paint(); // the cursor reads channel 0 from the start, shown or not
    EXPECT_EQ(events, QStringList({"before 0", "change 0"}));
    EXPECT_EQ(cursor->ChannelName(), plot.GetChannel(0)->Name());
    EXPECT_EQ(cursor->DataView(), plot.GetDataView(0));

    cursor->SetPointer1Position(25);
    events.clear();
    cursor->SetVisible(true); // shown: reads at once
    EXPECT_EQ(events, QStringList({"before 0", "change 0"}));
    Paint();
    const TgPlotXAxis *x = plot.GetXAxis(0);
    const TgPlotYAxis *y = plot.GetYAxis(0);
    const double pixelX = x->Span() / plot.GetDataView(0)->Width(), pixelY = y->Span() / plot.GetDataView(0)->Height();
    EXPECT_NEAR(cursor->ValueX(), x->Min() + 0.25 * x->Span(), pixelX);
    EXPECT_NEAR(cursor->ValueY(), y->Min() + 0.60 * y->Span(), pixelY);
    events.clear();
    Paint(); // same reading: asked before the layout and as it draws, no change
    EXPECT_EQ(events, QStringList({"before 0", "before 0"}));

    // The cursor follows its channel's renaming and forgets it when it goes.
    plot.GetChannel(0)->SetName(QStringLiteral("Left"));
    EXPECT_EQ(cursor->ChannelName(), QStringLiteral("Left"));
    plot.DeleteChannel(0);
    EXPECT_EQ(cursor->FindChannel(), nullptr);
    cursor->SetPointer1Position(75);
    events.clear();
    Paint();
    EXPECT_EQ(events, QStringList({"before 0", "before 0"}));

    // "<All>": every channel reads (each keeps its own texts) and legend 0
    // shows the readings while the cursor is shown and asks for it.
    plot.AddChannel();
    plot.AddChannel();
    cursor->SetChannelName(QStringLiteral("<All>"));
    Paint();
    EXPECT_TRUE(plot.GetLegend(0)->CursorAllChannels());
    EXPECT_FALSE(plot.GetChannel(0)->DataCursorXText().isEmpty());
    EXPECT_FALSE(plot.GetChannel(1)->DataCursorXText().isEmpty());
    EXPECT_NEAR(cursor->ValueX(), x->Min() + 0.75 * x->Span(), pixelX);
    cursor->SetChannelShowAllInLegend(false);
    Paint();
    EXPECT_FALSE(plot.GetLegend(0)->CursorAllChannels());
    cursor->SetChannelShowAllInLegend(true);
    cursor->SetVisible(false);
    Paint();
    EXPECT_FALSE(plot.GetLegend(0)->CursorAllChannels());

    TgPlotAnnotation *note = plot.GetAnnotation(plot.AddAnnotation());
    plot.SetXYAxesReverse(true);
    Paint();
    EXPECT_EQ(note->DataView(), plot.GetDataView(0));
    EXPECT_TRUE(note->XYAxesReversed());
    plot.DeleteDataView(0);
    EXPECT_EQ(note->DataView(), nullptr);
    EXPECT_EQ(cursor->DataView(), nullptr);
}

// Labels of huge values are written as exponents: the Y axis keeps a
// label's width and the data view its room.
TEST_F(XYPlotTest, HugeLabelsLeaveTheDataViewItsRoom)
{
    Paint();
    const int width = plot.GetDataView(0)->DrawRect().Width();
    plot.GetYAxis(0)->SetTrackingEnabled(false);
    plot.GetYAxis(0)->SetMinSpan(1e300, 2e300);
    Paint();
    EXPECT_GT(plot.GetDataView(0)->DrawRect().Width(), width - 60);
}

} // namespace
