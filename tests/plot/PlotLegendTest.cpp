// The plot legend with XY channels: rows and wrap columns, the scroll window,
// the three-row rule, column texts, the dashed line sample, divisor settings
// at 0 and -1, and the stream default of LineColumnHeight.
#include "Bitmap.h"
#include "ComponentStream.h"
#include "Stream.h"
#include "gPlotLegend.h"
#include "gPlotLegendButton.h"
#include "gPlotLegendItem.h"
#include "gPlotMasterManager.h"
#include "gXYPlot.h"
#include "gXYPlotChannel.h"

#include <gtest/gtest.h>

namespace {

struct LegendFixture : ::testing::Test {
    TgXYPlot plot{nullptr};
    TgPlotLegend *legend = plot.GetLegend(0);
    TBitmap bitmap{400, 300};
    TCanvas *canvas = bitmap.Canvas();
    int h0 = 0;
    void SetUp() override
    {
        canvas->Font()->Assign(legend->Font());
        h0 = canvas->TextHeight(QStringLiteral("0"));
    }
    void Channels(int N)
    {
        while (plot.ChannelCount() < N)
            plot.AddChannel();
    }
    // Room for exactly Rows items (margins 1 char, spacing 0.25 char).
    void RoomForRows(int Rows)
    {
        const int pitch = h0 + RoundHalfEven(h0 * 0.25);
        const int height = 2 * h0 + Rows * pitch - RoundHalfEven(h0 * 0.25);
        legend->SetDrawRect(TRect(10, 10, 300, 10 + height));
    }
};

TEST_F(LegendFixture, HiddenChannelsReserveNothing)
{
    plot.GetChannel(0)->SetVisibleInLegend(false);
    EXPECT_EQ(legend->GetRequiredSpace(canvas), 0);
}

TEST_F(LegendFixture, VerticalScrollWindowOfTwelve)
{
    Channels(12);
    RoomForRows(4);
    legend->CalcLayout(canvas);
    EXPECT_EQ(legend->ActualWrapColCount(), 1);
    EXPECT_EQ(legend->ViewStartIndex(), 0);
    EXPECT_EQ(legend->ViewStopIndex(), 3);
    ASSERT_TRUE(legend->UpButton()->Visible());
    EXPECT_EQ(legend->UpButton()->Top(), legend->ItemsRect().Top);
    EXPECT_EQ(legend->DownButton()->Bottom(), legend->ItemsRect().Bottom);
    EXPECT_EQ(legend->UpButton()->Right(), legend->ItemsRect().Right);
    EXPECT_FALSE(legend->UpButton()->Enabled());

    TgPlotLegendButton *down = legend->DownButton();
    const int x = (down->Left() + down->Right()) / 2, y = (down->Top() + down->Bottom()) / 2;
    ASSERT_EQ(legend->GetMouseOverObject(x, y), down);
    down->gMouseDown(mbLeft, {}, x, y, 0, 0, nullptr);
    down->gMouseUp(mbLeft, {}, x, y, 0, 0, false, nullptr);
    legend->CalcLayout(canvas);
    EXPECT_EQ(legend->ViewStartIndex(), 1);
    EXPECT_EQ(legend->ViewStopIndex(), 4);
}

TEST_F(LegendFixture, AtLeastThreeRowsWhenNotAllShow)
{
    Channels(5);
    legend->SetWrapRowAutoCountEnabled(false);
    legend->SetWrapRowDesiredCount(1);
    legend->SetHorizontal(true);
    legend->SetDrawRect(TRect(10, 10, 30, 300)); // too narrow for two columns
    legend->CalcLayout(canvas);
    const int pitch = h0 + RoundHalfEven(h0 * 0.25);
    EXPECT_EQ(legend->RequiredHeight(), 2 * h0 + 3 * pitch - RoundHalfEven(h0 * 0.25));
    EXPECT_TRUE(legend->UpButton()->Visible());
}

TEST_F(LegendFixture, WrappingIntoColumns)
{
    Channels(6);
    legend->SetWrapColAutoCountEnabled(true);
    RoomForRows(2);
    legend->CalcLayout(canvas);
    EXPECT_EQ(legend->ActualWrapColCount(), 3);
    EXPECT_EQ(legend->Item(2)->ACol, 2);
    EXPECT_EQ(legend->Item(2)->ARow, 1);
    EXPECT_GT(legend->Item(2)->ALeft, legend->Item(0)->ALeft);
    EXPECT_FALSE(legend->UpButton()->Visible());
}

TEST_F(LegendFixture, DesiredCountsBelowOneAreStoredAsOne)
{
    legend->SetWrapColDesiredCount(0);
    EXPECT_EQ(legend->WrapColDesiredCount(), 1);
    legend->SetWrapRowDesiredCount(-3);
    EXPECT_EQ(legend->WrapRowDesiredCount(), 1);
}

TEST_F(LegendFixture, ColumnTexts)
{
    TgPlotChannelCustom *c = plot.GetChannel(0);
    EXPECT_EQ(legend->GetLastXText(c), QStringLiteral("Empty"));
    EXPECT_EQ(legend->GetYMaxText(c), QStringLiteral("Empty"));
    c->AddXY(1, 2);
    c->SetYAxisName(QStringLiteral("nothing"));
    EXPECT_EQ(legend->GetLastYText(c), QStringLiteral("N/A"));
    EXPECT_EQ(legend->GetYAxisNameText(c), QStringLiteral("None"));
    EXPECT_EQ(legend->GetXAxisNameText(c), QStringLiteral("X-Axis 1"));
    plot.AddTranslation(QStringLiteral("None"), QStringLiteral("Keine"));
    EXPECT_EQ(legend->GetYAxisNameText(c), QStringLiteral("Keine"));
    c->SetTitleText(QStringLiteral("  "));
    EXPECT_EQ(legend->ChannelNameText(c), c->Name());
}

TEST_F(LegendFixture, DashedLineSample)
{
    plot.RemoveAllChannels();
    plot.AddChannel();
    TgPlotChannelCustom *c = plot.GetChannel(0);
    c->SetTraceLineStyle(iplsDash);
    c->SetColor(clRed);
    legend->SetDrawRect(TRect(10, 10, 300, 100));
    bitmap.Canvas()->Brush()->SetColor(clBlack);
    bitmap.Canvas()->FillRect(TRect(0, 0, 400, 300));
    legend->Draw(canvas, clBlack);
    const TgPlotLegendItem *item = legend->Item(0);
    const int x = item->ALeft, yc = item->ATop + h0 / 2;
    int redRows = 0;
    for (int y = yc - 4; y <= yc + 4; ++y) {
        QString row;
        for (int dx = 0; dx < 13; ++dx)
            row += canvas->Pixels(x + dx, y) == clRed ? u'#' : u'.';
        if (row.contains(u'#')) {
            ++redRows;
            EXPECT_EQ(row, QStringLiteral("#####...#####")) << y;
        }
    }
    EXPECT_EQ(redRows, 4); // LineColumnHeight 3: four rows
}

TEST_F(LegendFixture, DivisorSettingsAtZeroAndMinusOnePaint)
{
    Channels(4);
    legend->SetDrawRect(TRect(10, 10, 300, 200));
    struct Row {
        const char *name;
        void (*set)(TgPlotLegend *, double);
    } rows[] = {
        {"RowSpacing", [](TgPlotLegend *l, double v) { l->SetRowSpacing(v * 4); }},
        {"WrapColSpacingMin", [](TgPlotLegend *l, double v) { l->SetWrapColSpacingMin(v * 1000); }},
        {"WrapColAutoCountMax", [](TgPlotLegend *l, double v) {
             l->SetWrapColAutoCountEnabled(true);
             l->SetWrapColAutoCountMax(static_cast<int>(v));
         }},
        {"WrapRowAutoCountMax", [](TgPlotLegend *l, double v) { l->SetWrapRowAutoCountMax(static_cast<int>(v)); }},
        {"Margins", [](TgPlotLegend *l, double v) { l->SetMarginTop(v * 1000); }},
    };
    for (const Row &r : rows)
        for (double v : {0.0, -1.0}) {
            for (bool horizontal : {false, true}) {
                legend->SetHorizontal(horizontal);
                r.set(legend, v);
                legend->Draw(canvas, clBlack);
                EXPECT_GE(legend->ActualWrapColCount(), 1) << r.name << v;
            }
        }
}

TEST_F(LegendFixture, LineColumnHeightSurvivesAStream)
{
    legend->SetLineColumnHeight(13);
    TMemoryStream stream;
    TWriter writer(&stream);
    writer.WriteProperties(legend);
    writer.WriteListEnd();
    stream.SetPosition(0);
    plot.AddLegend();
    TgPlotLegend *back = plot.GetLegend(1);
    TReader reader(&stream);
    reader.ReadProperties(back);
    EXPECT_EQ(back->LineColumnHeight(), 13);
    back->SetLineColumnHeight(3);
    EXPECT_EQ(plot.GetLegend(1)->LineColumnHeight(), 3);
}

} // namespace
