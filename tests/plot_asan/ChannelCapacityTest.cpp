// Every capacity and ring size a caller can give a channel, 0 included,
// for every list kind: the channel takes points again and reads back the
// newest ones that fit (read by Y: the interval list makes its own X).
#include "gPlotChannelCustom.h"
#include "gXYPlot.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

namespace {

struct TCapacityCase {
    const char *Name;
    // What the caller sets; points 100, 101, ... stand for those held before.
    std::function<void(TgPlotChannelCustom &)> Set;
    int RingBufferSize;    // afterwards
    std::vector<double> Y; // read back after points 1 to 7 were added
};

void Fill(TgPlotChannelCustom &Channel, int Count)
{
    for (int i = 0; i < Count; ++i)
        Channel.AddXY(100 + i, 100 + i);
}

const std::vector<double> AllSeven = {1, 2, 3, 4, 5, 6, 7};

const TCapacityCase Cases[] = {
    {"RingThenCountZero", [](TgPlotChannelCustom &C) { C.SetRingBufferSize(3); C.SetCount(0); }, 0, AllSeven},
    {"WrappedRingThenCountZero",
     [](TgPlotChannelCustom &C) { C.SetRingBufferSize(3); Fill(C, 5); C.SetCount(0); }, 0, AllSeven},
    {"RingThenCountTwo", [](TgPlotChannelCustom &C) { C.SetRingBufferSize(3); C.SetCount(2); }, 2, {6, 7}},
    {"WrappedRingThenCountTwo",
     [](TgPlotChannelCustom &C) { C.SetRingBufferSize(3); Fill(C, 5); C.SetCount(2); }, 2, {6, 7}},
    {"RingThenCountFive", [](TgPlotChannelCustom &C) { C.SetRingBufferSize(3); C.SetCount(5); }, 5, {3, 4, 5, 6, 7}},
    {"RingThenRingZero", [](TgPlotChannelCustom &C) { C.SetRingBufferSize(3); C.SetRingBufferSize(0); }, 0, AllSeven},
    {"RingOne", [](TgPlotChannelCustom &C) { C.SetRingBufferSize(1); }, 1, {7}},
    {"RingZero", [](TgPlotChannelCustom &C) { C.SetRingBufferSize(0); }, 0, AllSeven},
    {"CountZero", [](TgPlotChannelCustom &C) { Fill(C, 2); C.SetCount(0); }, 0, AllSeven},
    {"CountThree", [](TgPlotChannelCustom &C) { C.SetCount(3); }, 0, AllSeven},
    {"CountZeroThenRingThree", [](TgPlotChannelCustom &C) { C.SetCount(0); C.SetRingBufferSize(3); }, 3, {5, 6, 7}},
};

const char *const StyleNames[] = {"Standard", "Compact", "CompactInterval", "FullFeature"};

class ChannelCapacity : public testing::TestWithParam<std::tuple<int, TgPlotDataStyle>> {};

TEST_P(ChannelCapacity, TakesPointsAgain)
{
    const TCapacityCase &row = Cases[std::get<0>(GetParam())];
    TgXYPlot plot(nullptr);
    TgPlotChannelCustom *channel = plot.GetChannel(0);
    channel->SetDataStyle(std::get<1>(GetParam()));
    row.Set(*channel);
    for (int x = 1; x <= 7; ++x)
        channel->AddXY(x, x);
    EXPECT_EQ(channel->RingBufferSize(), row.RingBufferSize);
    std::vector<double> ys;
    for (int i = 0; i < channel->Count(); ++i)
        ys.push_back(channel->Data().GetY(i));
    EXPECT_EQ(ys, row.Y);
}

INSTANTIATE_TEST_SUITE_P(
    SizesByListKinds, ChannelCapacity,
    testing::Combine(testing::Range(0, int(std::size(Cases))),
                     testing::Values(ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature)),
    [](const testing::TestParamInfo<ChannelCapacity::ParamType> &Info) {
        return std::string(Cases[std::get<0>(Info.param)].Name) + "_" + StyleNames[std::get<1>(Info.param)];
    });

} // namespace
