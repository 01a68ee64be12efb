// The channel base's shape helpers as a drawing channel uses them: a
// quadrilateral of values filled where the axes put it, and the pixel
// rectangle of two X and two Y values, with and without the plot's axes
// exchanged.
#include "ShownPlot.h"
#include "gPlotMasterManager.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

namespace {

class TShapeChannel : public TgXYPlotChannel {
public:
    using TgXYPlotChannel::TgXYPlotChannel;
    TRect pixelRect;
    void UpdateCanDraw() override { FCanDraw = true; }
    void Draw(TCanvas *Canvas, TColor) override
    {
        Canvas->Pen()->SetColor(clRed);
        Canvas->Brush()->SetColor(clRed);
        Canvas->Brush()->SetStyle(bsSolid);
        DrawQuadrilateral(Canvas, XYAxesReversed(), DoublePoint(20, 20), DoublePoint(60, 20), DoublePoint(60, 50),
                          DoublePoint(20, 50));
        pixelRect = GetPixelRect(60, 20, 50, 20); // each pair in either order
    }
};

TEST(ChannelShapes, QuadrilateralAndPixelRect)
{
    TShownPlot<TgXYPlot> shown;
    shown.plot->Master()->SetChannelClass(&CreateChannelOf<TShapeChannel>);
    shown.plot->DeleteChannel(0);
    auto *channel = static_cast<TShapeChannel *>(shown.plot->GetChannel(shown.plot->AddChannel()));
    for (bool exchanged : {false, true}) {
        SCOPED_TRACE(exchanged);
        shown.plot->SetXYAxesReverse(exchanged);
        const QImage img = shown.Shot();
        const QRect f = DataViewFrame(img), red = BoxOf(img, qRgb(255, 0, 0));
        // X 20..60 and Y 20..50 across and up, or up and across.
        const QRect expected = exchanged ? QRect(QPoint(PercentX(f, 20), PercentY(f, 60)),
                                                 QPoint(PercentX(f, 50), PercentY(f, 20)))
                                         : QRect(QPoint(PercentX(f, 20), PercentY(f, 50)),
                                                 QPoint(PercentX(f, 60), PercentY(f, 20)));
        EXPECT_NEAR(red.left(), expected.left(), 1);
        EXPECT_NEAR(red.right(), expected.right(), 1);
        EXPECT_NEAR(red.top(), expected.top(), 1);
        EXPECT_NEAR(red.bottom(), expected.bottom(), 1);
        const TRect r = channel->pixelRect;
        EXPECT_NEAR(r.Left, expected.left(), 1);
        EXPECT_NEAR(r.Right, expected.right(), 1);
        EXPECT_NEAR(r.Top, expected.top(), 1);
        EXPECT_NEAR(r.Bottom, expected.bottom(), 1);
    }
}

} // namespace
