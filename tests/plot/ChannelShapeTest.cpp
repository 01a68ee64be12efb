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
        const QRect expected = exchanged ? PercentRect(f, 20, 50, 20, 60) : PercentRect(f, 20, 60, 20, 50);
        EXPECT_TRUE(NearBox(red, expected));
        const TRect r = channel->pixelRect;
        EXPECT_TRUE(NearBox(QRect(QPoint(r.Left, r.Top), QPoint(r.Right, r.Bottom)), expected));
    }
}

} // namespace
