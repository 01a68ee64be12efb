// The dynamics pages' transfer plot as the main window makes it, drawn by
// the plot's own paint.
#include "Bitmap.h"
#include "TransferCurves.h"
#include "gPlotXAxis.h"
#include "gPlotYAxis.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(TransferPlot, GateCurveDrawnAlongItsCorners)
{
    std::unique_ptr<TgXYPlot> plot(MakeTransferPlot(nullptr));
    plot->SetBounds(0, 0, 400, 300);
    ASSERT_EQ(plot->ChannelCount(), 2);
    // Whatever the plot held before, the curve is replaced whole.
    ShowTransferCurve(*plot, CompressorCurve(0, 5, 6));
    ShowTransferCurve(*plot, GateCurve(-80)); // -40 dB
    ASSERT_EQ(plot->GetChannel(0)->Count(), 3);
    ASSERT_EQ(plot->GetChannel(1)->Count(), 1);

    TBitmap image(400, 300);
    plot->PaintToCanvas(image.Canvas());
    TgPlotXAxis *x = plot->GetXAxis(0);
    TgPlotYAxis *y = plot->GetYAxis(0);
    EXPECT_EQ(x->Min(), -100);
    EXPECT_EQ(y->Max(), 20);
    auto at = [&](double X, double Y) { return image.Canvas()->Pixels(x->PositionToPixels(X), y->PositionToPixels(Y)); };
    EXPECT_EQ(at(-10, -10), clWhite); // unity gain above the threshold
    EXPECT_EQ(at(10, 10), clWhite);
    EXPECT_EQ(at(-40, -70), clWhite); // the drop at the threshold
    EXPECT_NE(at(-70, -70), clWhite); // closed below it
    EXPECT_NE(at(0, -4), clWhite); // nothing left of the compressor curve
    int marker = 0;
    const int mx = x->PositionToPixels(-39.8), my = y->PositionToPixels(-40.4);
    for (int yy = my - 3; yy <= my + 3; ++yy)
        for (int xx = mx - 3; xx <= mx + 3; ++xx)
            marker += image.Canvas()->Pixels(xx, yy) == clLime;
    EXPECT_GT(marker, 0);
}

} // namespace
