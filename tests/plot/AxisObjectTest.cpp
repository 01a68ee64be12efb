#include "MessageOf.h"
#include "PlotOwnerStub.h"
#include "gDrawing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(AxisObject, DefaultsAndRangeEvents)
{
    TPlotOwnerStub plot;
    TgPlotXAxis *x = plot.AddXAxis();
    EXPECT_EQ(x->Min(), 0);
    EXPECT_EQ(x->Span(), 100);
    EXPECT_EQ(x->Max(), 100);
    EXPECT_EQ(x->Mid(), 50);
    EXPECT_EQ(x->TrackingStyle(), iptsScaleMinMax);
    EXPECT_EQ(x->TrackingAlignFirstStyle(), ipafsAuto);
    EXPECT_EQ(plot.AddYAxis()->TrackingAlignFirstStyle(), ipafsNone);

    x->SetMinSpan(0, 100);
    EXPECT_TRUE(plot.events.isEmpty());
    x->SetMinSpan(10, 100); // min only: no span event
    EXPECT_EQ(plot.events, QStringList({"min X 0>10", "minspan X 0,100>10,100"}));
    plot.events.clear();
    x->SetSpan(0);
    EXPECT_EQ(x->Span(), 1e-300);
    x->SetSpan(1e301);
    EXPECT_EQ(x->Span(), 1e300);
    EXPECT_EQ(plot.events.size(), 4); // span and min-span, twice
    EXPECT_TRUE(plot.events[0].startsWith("span X 100>"));

    plot.events.clear();
    TgPlotXAxis *fresh = plot.AddXAxis(QStringLiteral("L"));
    fresh->SetScaleType(ipstLog10);
    EXPECT_EQ(fresh->Min(), 1);
    EXPECT_TRUE(plot.events.isEmpty());
    fresh->SetMinSpan(-5, 0);
    EXPECT_EQ(fresh->Min(), 1);
    EXPECT_EQ(fresh->Span(), 1);
    EXPECT_EQ(MessageOf([&] { fresh->TickListAdd(0, QStringLiteral("0"), ipttMajor); }),
              "Log Scale Requires Position to be Greater Than Zero");
    EXPECT_EQ(fresh->TickListCount(), 0);
    EXPECT_EQ(MessageOf([&] { x->Zoom(0); }), "Linear Scale Zoom Factor must be Greater than Zero");
}

TEST(AxisObject, TrackingSwitchKeepsResumeValues)
{
    TPlotOwnerStub plot;
    TgPlotXAxis *x = plot.AddXAxis();
    x->SetTrackingEnabled(false);
    x->SetMinSpan(-100, 120);
    x->SetTrackingEnabled(true); // restores the range from before
    EXPECT_EQ(x->Min(), 0);
    EXPECT_EQ(x->Span(), 100);
    x->NewTrackingData(1e6); // the first value aligns the range on it
    EXPECT_EQ(x->Min(), 1e6);
    EXPECT_EQ(x->Span(), 100);
}

TEST(AxisObject, LabelTextsAndCustomizing)
{
    TPlotOwnerStub plot;
    TgPlotXAxis *x = plot.AddXAxis();
    EXPECT_EQ(x->GetLabelText(25), "25");
    x->SetLabelsFormatStyle(iptfDateTime);
    x->SetDateTimeFormat(QStringLiteral("hh:nn\r\nss"));
    EXPECT_EQ(x->GetLabelText(0.5), "12:00\r\n00");
    EXPECT_EQ(x->GetCursorText(0.5), "12:00 00");
    x->SetLabelsFormatStyle(iptfValue);
    plot.customizeLabel = [&](TgPlotAxis *Axis, double, QString &Label) {
        Label = QStringLiteral("label");
        Axis->SetCustomizeLabelEventText(QStringLiteral("wins"));
    };
    EXPECT_EQ(x->GetLabelText(25), "wins");
}

// The 33-pixel example: inner 5 + outer 5 + major 7 + the labels margin and
// the label height of our font.
TEST(AxisObject, RequiredSpaceAndEndMargin)
{
    TPlotOwnerStub plot;
    TgPlotXAxis *x = plot.AddXAxis();
    auto image = BlackImage(10, 10);
    TCanvas *canvas = image->Canvas();
    canvas->SetFont(x->LabelsFont());
    const int a = canvas->TextHeight(QStringLiteral("A"));
    const int expected = 5 + 5 + 7 + int(std::nearbyint(a * 0.25)) + MultiLineTextHeight(canvas, QStringLiteral("0"));
    EXPECT_EQ(x->GetRequiredSpace(canvas), expected);
    if (a == 13) {
        EXPECT_EQ(expected, 33);
    }
    x->SetScaleLinesShow(false);
    EXPECT_EQ(x->GetRequiredSpace(canvas), expected - 7);
    x->SetTitle(QStringLiteral("Input"));
    x->SetTitleShow(true);
    EXPECT_GT(x->GetRequiredSpace(canvas), expected - 7);
    EXPECT_EQ(x->GetEndMargin(canvas), x->GetLabelsWidth(canvas, x->LabelsFont()) / 2);
    x->SetLabelsVisible(false);
    EXPECT_EQ(x->GetEndMargin(canvas), 0);
}

// A vertical axis sharing its band with another at the bottom end is
// shortened there only.
TEST(AxisObject, StackedAxisIsShortenedAtItsStackedEnd)
{
    TPlotOwnerStub plot;
    TgPlotYAxis *y = plot.AddYAxis();
    auto image = BlackImage(10, 10);
    y->SetDrawRect(TRect(10, 20, 50, 220));
    y->CalcScaleRect(image->Canvas());
    EXPECT_EQ(y->ScaleRect().Bottom, 220);
    EXPECT_EQ(y->ScaleRect().Top, 20);
    y->SetStartStacked(true);
    y->CalcScaleRect(image->Canvas());
    EXPECT_LT(y->ScaleRect().Bottom, 220);
    EXPECT_EQ(y->ScaleRect().Top, 20);
}

// Tick marks and labels on each side: the mark runs across the axis from
// its inner edge, the label lies beyond it.
TEST(AxisObject, TicksAndLabelsOnAllFourSides)
{
    struct Row {
        const char *name;
        bool horizontal, reverseSide;
        TRect draw;
        // pixel of a major mark 6 pixels out from the inner edge at the tick
        // of 50, and a point of the label region beyond the mark
        TPoint mark(int p) const
        {
            if (horizontal)
                return reverseSide ? TPoint(p, draw.Bottom - 5 - 6) : TPoint(p, draw.Top + 5 + 6);
            return reverseSide ? TPoint(draw.Left + 5 + 6, p) : TPoint(draw.Right - 5 - 6, p);
        }
        TRect labelBand(int p) const
        {
            if (horizontal)
                return reverseSide ? TRect(p - 10, draw.Top, p + 10, draw.Bottom - 13) : TRect(p - 10, draw.Top + 13, p + 10, draw.Bottom);
            return reverseSide ? TRect(draw.Left + 13, p - 8, draw.Right, p + 8) : TRect(draw.Left, p - 8, draw.Right - 13, p + 8);
        }
    } rows[] = {
        {"bottom", true, false, TRect(50, 250, 450, 290)},
        {"top", true, true, TRect(50, 10, 450, 50)},
        {"left", false, false, TRect(10, 50, 50, 250)},
        {"right", false, true, TRect(450, 50, 490, 250)},
    };
    for (const Row &r : rows) {
        TPlotOwnerStub plot;
        TgPlotAxis *axis = r.horizontal ? static_cast<TgPlotAxis *>(plot.AddXAxis()) : plot.AddYAxis();
        axis->SetHorizontal(r.horizontal);
        axis->SetReverseSide(r.reverseSide);
        axis->SetDrawRect(r.draw);
        auto image = BlackImage(500, 300);
        TCanvas *canvas = image->Canvas();
        axis->CalcTicks(canvas);
        axis->Draw(canvas, clBlack);
        double major = -1;
        for (int i = 0; i < axis->TickListCount() && major < 0; ++i)
            if (axis->Tick(i).TickType == ipttMajor && axis->Tick(i).Position > 0)
                major = axis->Tick(i).Position;
        const int p = axis->PositionToPixels(major);
        EXPECT_EQ(canvas->Pixels(r.mark(p).X, r.mark(p).Y), clWhite) << r.name;
        const TRect band = r.labelBand(p);
        int lit = 0;
        for (int yy = band.Top; yy < band.Bottom; ++yy)
            for (int xx = band.Left; xx < band.Right; ++xx)
                lit += canvas->Pixels(xx, yy) != clBlack;
        EXPECT_GT(lit, 5) << r.name << ": the label of " << major;
        // Between two majors lies a minor mark, three pixels long.
        const int minor = axis->PositionToPixels(axis->MajorIncrement() / 2 + major);
        const TPoint m = r.horizontal ? TPoint(minor, r.reverseSide ? r.draw.Bottom - 6 : r.draw.Top + 6)
                                      : TPoint(r.reverseSide ? r.draw.Left + 6 : r.draw.Right - 6, minor);
        EXPECT_EQ(canvas->Pixels(m.X, m.Y), clWhite) << r.name << ": minor mark";
    }
}

TEST(AxisObject, CartesianLabelsKeepApart)
{
    TPlotOwnerStub plot;
    TgPlotXAxis *x = plot.AddXAxis();
    TgPlotDataView *view = plot.AddDataView();
    view->SetDrawRect(TRect(50, 20, 450, 220));
    x->SetCartesianStyle(ipcsMaster);
    x->SetDrawRect(TRect(50, 120, 450, 120));
    auto image = BlackImage(500, 300);
    x->CalcTicks(image->Canvas());
    x->UpdateCanDraw();
    x->Draw(image->Canvas(), clBlack);
    int majors = 0;
    for (int i = 0; i < x->TickListCount(); ++i)
        majors += x->Tick(i).TickType == ipttMajor && x->Tick(i).Show;
    // The labels at both ends leave the data view and are not drawn; the
    // axis line, the marks and the drawn labels are occupied.
    const size_t labels = plot.occupied.size() - 1 - size_t(x->TickListCount());
    EXPECT_EQ(labels, size_t(majors - 2));
}

} // namespace
