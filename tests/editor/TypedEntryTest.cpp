#include "DynamicsText.h"
#include "Exceptions.h"
#include "TransferCurves.h"
#include "PlotSeries.h"
#include "gXYPlot.h"
#include "TypedEntry.h"

#include <gtest/gtest.h>

using namespace TypedEntry;

namespace {

constexpr int kRefused = -99999;

int Out(Result r)
{
    return r.accepted ? r.position : kRefused;
}

struct Row {
    const char *text;
    int expected; // kRefused for a refusal
};

} // namespace

TEST(TypedEntry, DelayInEachUnit)
{
    struct UnitRow {
        int unit;
        const char *text;
        int samples;
    };
    const UnitRow rows[] = {
        {0, "2.5ms", 240}, {0, "2.5MS", 240}, {0, "2.5", 240}, {0, "2.5 ms", kRefused}, {1, "1.2m", 335},
        {2, "1", 85},      {0, "-3", kRefused}, {0, "1e2", kRefused}, {0, "1.2.3", kRefused}, {0, ".", kRefused},
        {0, "", kRefused}, {0, "700", 65280}, {1, "1.2M", 335}, {2, "1FT", 85}, {0, "0", 0},
        // A stored unit above 2 is used as ms.
        {7, "2.5ms", 240},
    };
    for (const UnitRow &r : rows)
        EXPECT_EQ(Out(DelaySamples(r.text, r.unit)), r.samples) << r.text << " in unit " << r.unit;
    // An endless digit string neither throws nor overflows.
    EXPECT_EQ(Out(DelaySamples(QString(400, '9'), 0)), 65280);
    EXPECT_EQ(Out(DelaySamples(QString(400, '9'), 2)), 65280);
    EXPECT_EQ(Out(DelaySamples("0." + QString(400, '0') + "1", 0)), 0);
}

TEST(TypedEntry, ThresholdAndTimeOfTheGateAndCompressor)
{
    const Row threshold[] = {
        {"-12dB", -24}, {"-12DB", -24}, {"-12", -24}, {"-12 dB", kRefused}, {"-", kRefused}, {".", kRefused},
        {"--3", kRefused}, {"1.2.3", kRefused}, {"3.", kRefused}, {"+5", 10}, {"25", 40}, {"-95", -180},
        {"3.7", 7}, {"-3.7", -7}, {"3.4", 6}, {"1+2", kRefused}, {"", kRefused},
    };
    for (const Row &r : threshold)
        EXPECT_EQ(Out(ThresholdPosition(r.text, 100)), r.expected) << r.text;
    EXPECT_EQ(Out(ThresholdPosition("-12", -24)), kRefused) << "unchanged";

    const Row attack[] = {{"50ms", 49}, {"50", 49}, {"0", 0}, {"5000", 998}, {"12.5", kRefused},
                          {"-3", kRefused}, {"99999999999", kRefused}, {"", kRefused}};
    for (const Row &r : attack)
        EXPECT_EQ(Out(TimePosition(r.text, 0, 998, 300)), r.expected) << r.text;
    EXPECT_EQ(Out(TimePosition("5", 9, 2999, 300)), 9);
    EXPECT_EQ(Out(TimePosition("3000ms", 9, 2999, 300)), 2999);
    EXPECT_EQ(Out(TimePosition("50", 0, 998, 49)), kRefused) << "unchanged";
}

TEST(TypedEntry, RatioToTheFirstIndexNotBelow)
{
    const Row rows[] = {{"1:4", 9},        {"4", 9},          {"2.2", 6},       {"30", 15},       {"1", 0},
                        {"0.5", 0},        {"2:1", kRefused}, {":4", kRefused}, {"1:", kRefused}, {"4.", kRefused},
                        {"", kRefused},    {"1:2:3", kRefused}, {"20.1", 15},   {"20", 14},       {"4dB", 9}};
    for (const Row &r : rows)
        EXPECT_EQ(Out(RatioIndex(r.text)), r.expected) << r.text;
}

TEST(TypedEntry, DbFieldsOnTheirGrids)
{
    struct DbRow {
        DbField field;
        const char *text;
        int current;
        int expected;
    };
    const DbRow rows[] = {
        {DbField::Mix, "-25.3dB", 0, -210},      {DbField::Mix, "-25.7", 0, -211},  {DbField::Mix, "-20.3", 0, -200},
        {DbField::Mix, "-70", 0, -280},          {DbField::Mix, "5", -10, 0},       {DbField::Mix, "3.14", -10, 0},
        {DbField::Mix, "-0.5", 0, -5},           {DbField::Mix, "-2.3", 0, -23},    {DbField::Mix, "-25.5", 0, -211},
        {DbField::Mix, "-25.3", -210, kRefused}, {DbField::Mix, "-", 0, kRefused},  {DbField::Mix, "1.", 0, kRefused},
        {DbField::Mix, "a", 0, kRefused},        {DbField::Mix, "1..2", 0, kRefused},
        {DbField::Threshold, "10.7", 0, 21},     {DbField::Threshold, "10.3", 0, 20}, {DbField::Threshold, "-100", 0, -180},
        {DbField::Threshold, "25", 0, 40},       {DbField::Threshold, "10.57", 0, 21}, {DbField::Threshold, "10", 20, kRefused},
        {DbField::Knee, "6", 6, kRefused},       {DbField::Knee, "3", 6, 3},        {DbField::Knee, "6.7", 0, 6},
        {DbField::Knee, "15", 0, 12},            {DbField::Knee, "13", 0, 12},      {DbField::Knee, "--1", 0, kRefused},
    };
    for (const DbRow &r : rows)
        EXPECT_EQ(Out(DbPosition(r.text, r.field, r.current)), r.expected) << r.text;
    EXPECT_EQ(Out(DbPosition(QString(400, '9'), DbField::Threshold, 0)), 40) << "an overlong number still limits";
}

TEST(TypedEntry, ConversionFailuresThrowTheInvalidNumberError)
{
    for (const char *text : {"+", "+-5", "1-2", "1.+", "-1+"})
        EXPECT_THROW(DbPosition(text, DbField::Threshold, 0), EConvertError) << text;
    EXPECT_THROW(DbPosition("-30.+", DbField::Mix, 0), EConvertError);
    EXPECT_THROW(MsPosition("12.5", 0, 998, 0), EConvertError);
    EXPECT_THROW(MsPosition("99999999999", 0, 998, 0), EConvertError);
    EXPECT_EQ(Out(MsPosition("0", 0, 998, 40)), 0);
    EXPECT_EQ(Out(MsPosition("1500ms", 0, 998, 40)), 998);
    EXPECT_EQ(Out(MsPosition("50", 0, 998, 49)), kRefused) << "unchanged";
    EXPECT_EQ(Out(MsPosition("5", 9, 2999, 40)), 9);
    EXPECT_EQ(Out(MsPosition("x", 9, 2999, 40)), kRefused);
}

TEST(DynamicsText, FormsAndClampedLookups)
{
    EXPECT_EQ(DelayText(65280, 0), "680.000 ms");
    EXPECT_EQ(DelayText(65280, 1), "233.580 m");
    EXPECT_EQ(DelayText(65280, 2), "766.329 ft");
    EXPECT_EQ(DelayText(240, 9), "2.500 ms") << "a unit above 2 is ms";
    EXPECT_EQ(ThresholdText(-20), "-10.0dB");
    EXPECT_EQ(ThresholdText(0), "+0.0dB");
    EXPECT_EQ(ThresholdText(40), "+20.0dB");
    EXPECT_EQ(PaddedMsText(0), "  1ms");
    EXPECT_EQ(MsText(0), "1ms");
    EXPECT_EQ(KneeText(12), "12dB");
    EXPECT_EQ(RatioText(6), "1:2.5");
    EXPECT_EQ(RatioText(15), "Limit");
    EXPECT_EQ(RatioText(40), "Limit");
    EXPECT_EQ(RatioText(-3), "1:1.0");
    EXPECT_EQ(MixText(-211), "-25.5dB");
}

TEST(TransferCurves, PointListsOfTheThreeCurves)
{
    using P = TransferCurve::Point;
    const TransferCurve comp = CompressorCurve(0, 5, 6);
    EXPECT_EQ(comp.curve, (std::vector<P>{{20, 10}, {6, 3}, {-6, -6}, {-100, -100}}));
    EXPECT_NEAR(comp.marker.x, 0.2, 1e-6);
    EXPECT_NEAR(comp.marker.y, -0.4, 1e-6);
    EXPECT_EQ(CompressorCurve(-20, 15, 3).curve, (std::vector<P>{{20, -10}, {-7, -10}, {-13, -13}, {-100, -100}}));
    EXPECT_EQ(CompressorCurve(-20, 99, 3).curve, CompressorCurve(-20, 15, 3).curve) << "ratio index clamped";
    const TransferCurve gate = GateCurve(-80);
    EXPECT_EQ(gate.curve, (std::vector<P>{{20, 20}, {-40, -40}, {-40, -100}}));
    EXPECT_NEAR(gate.marker.x, -39.8, 1e-5);
    EXPECT_NEAR(gate.marker.y, -40.4, 1e-5);
    EXPECT_EQ(LimiterCurve(10, 2).curve, (std::vector<P>{{20, 5}, {7, 5}, {3, 3}, {-100, -100}}));
}

TEST(TransferCurves, ARedrawReplacesWhateverThePlotHeld)
{
    std::unique_ptr<TgXYPlot> owned(MakeTransferPlot(nullptr));
    TgXYPlot &plot = *owned;
    // Before any seeding, and after a curve with more points than the next.
    ShowTransferCurve(plot, GateCurve(-80));
    EXPECT_EQ(SeriesOf(plot.GetChannel(0)).Count(), 3);
    ShowTransferCurve(plot, CompressorCurve(0, 5, 6));
    ShowTransferCurve(plot, GateCurve(-10));
    EXPECT_EQ(SeriesOf(plot.GetChannel(0)).Count(), 3);
    EXPECT_EQ(SeriesOf(plot.GetChannel(0)).y, (std::vector<double>{20, -5, -100}));
    EXPECT_EQ(SeriesOf(plot.GetChannel(1)).Count(), 1);
}
