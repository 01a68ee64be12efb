#include <gtest/gtest.h>

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "LUnitControl.h"
#include "PresetFile.h"
#include "RecordingHost.h"
#include "TestImages.h"

#include <cstring>
#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace {

class LUnitControlTest : public ::testing::Test {
protected:
    RecordingHost host;
    LUnitControl model{&host};

    void SetLinkMasks(std::initializer_list<int> channels, uint16_t mask)
    {
        for (int ch : channels)
            model.SetLinkMask(ch, mask);
        host.sent.clear();
    }
};

struct GroupCase {
    const char *what;
    std::function<void(LUnitControl &)> link; // link masks set before the edit
    std::function<void(LUnitControl &)> edit;
    std::set<int> written;                     // records expected to change
    ByteVector frame;                          // the one frame expected, append 0
};

TEST_F(LUnitControlTest, GroupSettersWriteTheLinkGroupAndSendOneFrameForTheEditedChannel)
{
    auto none = [](LUnitControl &) {};
    auto link456 = [](LUnitControl &m) {
        for (int ch : {4, 5, 6})
            m.SetLinkMask(ch, 0x07);
    };
    const GroupCase cases[] = {
        {"default masks: only output 3", none, [](LUnitControl &m) { m.SetGain(6, 300); }, {6},
         CM_MCS_GAIN(1, 6, 300).ToBytes(1)},
        {"outputs 1-3 linked", link456, [](LUnitControl &m) { m.SetGain(5, 300); }, {4, 5, 6},
         CM_MCS_GAIN(1, 5, 300).ToBytes(1)},
        {"member (mask 0) writes its leader's whole group",
         [](LUnitControl &m) {
             m.SetLinkMask(4, 0x07);
             m.SetLinkMask(5, 0);
             m.SetLinkMask(6, 0);
         },
         [](LUnitControl &m) { m.SetDelay(5, 96); }, {4, 5, 6}, CM_MCS_DELAY(1, 5, 96).ToBytes(1)},
        {"member of a leader above the first channel", [](LUnitControl &m) {
             m.SetLinkMask(1, 0x0E);
             m.SetLinkMask(3, 0);
         },
         [](LUnitControl &m) { m.SetGain(3, 10); }, {1, 2, 3}, CM_MCS_GAIN(1, 3, 10).ToBytes(1)},
        {"GEQ of a member reaches the leader", [](LUnitControl &m) {
             m.SetLinkMask(0, 0x03);
             m.SetLinkMask(1, 0);
         },
         [](LUnitControl &m) { m.SetGeqBand(1, 4, 200); }, {0, 1}, CM_MCS_GEQ(1, 1, 4, 200).ToBytes(1)},
        {"mask without its own bit and no lower holder: the mask just below",
         [](LUnitControl &m) { m.SetLinkMask(5, 0x05); }, [](LUnitControl &m) { m.SetDelay(5, 96); }, {4},
         CM_MCS_DELAY(1, 5, 96).ToBytes(1)},
        {"input mask covers inputs only", [](LUnitControl &m) { m.SetLinkMask(0, 0xFF); },
         [](LUnitControl &m) { m.SetPolarity(0, 2); }, {0, 1, 2, 3}, CM_MCS_POLARITY(1, 0, 1).ToBytes(1)},
        {"output 8 in a group with output 1", [](LUnitControl &m) { m.SetLinkMask(11, 0x81); },
         [](LUnitControl &m) { m.SetComp(11, {2, 10, 100, 3, 200}); }, {4, 11},
         CM_MCS_COMP(1, 11, 2, 10, 100, 3, 200).ToBytes(1)},
        {"limiter", link456, [](LUnitControl &m) { m.SetLimit(4, {1, 20, 6, 150}); }, {4, 5, 6},
         CM_MCS_LIMIT(1, 4, 1, 20, 6, 150).ToBytes(1)},
        {"gate", [](LUnitControl &m) { m.SetLinkMask(3, 0x0C); }, [](LUnitControl &m) { m.SetGate(3, {5, 50, 60, 100}); },
         {2, 3}, CM_MCS_GATE(1, 3, 5, 50, 60, 100).ToBytes(1)},
        {"PEQ band", link456, [](LUnitControl &m) { m.SetPeqBand(6, 8, PeqBand{130, 200, 10, 2}, false); },
         {4, 5, 6}, CM_MCS_PEQ(1, 6, 8, 130, 200, 10, 2, 0).ToBytes(1)},
        {"GEQ band", [](LUnitControl &m) { m.SetLinkMask(1, 0x03); }, [](LUnitControl &m) { m.SetGeqBand(1, 30, 0); },
         {0, 1}, CM_MCS_GEQ(1, 1, 30, 0).ToBytes(1)},
        {"GEQ on an output sends but changes nothing", none, [](LUnitControl &m) { m.SetGeqBand(5, 2, 7); }, {},
         CM_MCS_GEQ(1, 5, 2, 7).ToBytes(1)},
        {"high-pass", link456, [](LUnitControl &m) { m.SetHighPass(4, CrossoverRecord{60, 10, 5, 9}); }, {4, 5, 6},
         CM_MCS_HIGH_PASS(1, 4, 60, 5).ToBytes(1)},
        {"low-pass", none, [](LUnitControl &m) { m.SetLowPass(2, CrossoverRecord{60, 250, 5, 20}); }, {2},
         CM_MCS_LOW_PASS(1, 2, 250, 20).ToBytes(1)},
    };
    for (const GroupCase &c : cases) {
        SCOPED_TRACE(c.what);
        model.LoadDefaults();
        c.link(model);
        LUnitControl linked = model; // link masks are records too: compare against this
        host.sent.clear();
        c.edit(model);
        std::set<int> written;
        for (int ch = 0; ch < kChannelCount; ++ch) {
            const ChannelRecord a = model.GetChannelRecord(ch), b = linked.GetChannelRecord(ch);
            if (std::memcmp(a.Bytes(), b.Bytes(), a.Size()) != 0)
                written.insert(ch);
        }
        EXPECT_EQ(written, c.written);
        ASSERT_EQ(host.sent.size(), 1u);
        EXPECT_EQ(host.sent[0].frame, c.frame);
        EXPECT_FALSE(host.sent[0].append);
    }
}

TEST_F(LUnitControlTest, GroupValuesLandInTheRightFields)
{
    SetLinkMasks({4, 5, 6}, 0x07);
    model.SetHighPass(5, CrossoverRecord{60, 10, 5, 9});
    model.SetPeqBand(5, 3, PeqBand{100, 150, 20, 4}, true);
    model.SetMute(5, true);
    for (int ch : {4, 5, 6}) {
        const CrossoverRecord x = model.GetCrossover(ch);
        EXPECT_EQ(x.hpfFreq, 60);
        EXPECT_EQ(x.hpfType, 5);
        EXPECT_EQ(x.lpfFreq, 300); // the low-pass half of the record is not taken
        EXPECT_EQ(x.lpfType, 0);
        EXPECT_TRUE(model.IsPeqBandBypassed(ch, 3));
        EXPECT_FALSE(model.IsPeqBandBypassed(ch, 2));
        EXPECT_EQ(model.GetPeqBand(ch, 3).freqIndex, 150);
        EXPECT_TRUE(model.IsMuted(ch));
    }
    EXPECT_FALSE(model.IsMuted(7));
    EXPECT_EQ(model.GetImage().outputMuteMask, 0x07);
    EXPECT_EQ(model.GetImage().inputMuteMask, 0);
    EXPECT_EQ(host.sent[1].frame, CM_MCS_PEQ(1, 5, 3, 100, 150, 20, 4, 1).ToBytes(1));
    EXPECT_EQ(host.invalidated, (std::vector<int>{5, 5}));

    model.SetMute(4, false);
    EXPECT_EQ(model.GetImage().outputMuteMask, 0);
    model.SetPeqBand(6, 3, PeqBand{100, 150, 20, 4}, false);
    EXPECT_EQ(model.GetImage().peqBypassMasks[4], 0);
}

TEST_F(LUnitControlTest, FindGroupLinkMaskFollowsTheLeaderRule)
{
    struct Row {
        const char *what;
        std::vector<std::pair<int, uint16_t>> masks; // set before asking
        int ch;
        uint16_t group;
    };
    const Row rows[] = {
        {"own bit: own mask", {}, 6, 0x04},
        {"leader", {{4, 0x0D}}, 4, 0x0D},
        {"member finds the first lower holder", {{4, 0x0D}, {5, 0x02}, {6, 0}, {7, 0}}, 7, 0x0D},
        {"first holder wins over a later one", {{0, 0x0C}, {1, 0x0E}, {3, 0}}, 3, 0x0C},
        {"no holder: the channel just below", {{3, 0}}, 3, 0x04},
        {"first of a side keeps its own mask", {{4, 0}}, 4, 0},
        {"inputs and outputs never mix", {{3, 0x0F}, {4, 0}}, 4, 0},
        {"outside the channels", {}, 12, 0},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        model.LoadDefaults();
        for (auto [ch, mask] : r.masks)
            model.SetLinkMask(ch, mask);
        EXPECT_EQ(model.FindGroupLinkMask(r.ch), r.group);
    }
}

TEST_F(LUnitControlTest, AMembersEditLandsInTheSavedPresetOfTheWholeGroup)
{
    // Outputs 2 and 3 follow output 1; the member output 3 is edited.
    model.SetLinkMask(4, 0x07);
    model.SetLinkMask(5, 0);
    model.SetLinkMask(6, 0);
    host.sent.clear();
    model.SetGain(6, 79);
    model.SetPolarity(6, 1);
    model.SetMute(6, true);
    ASSERT_EQ(host.sent.size(), 3u);
    EXPECT_EQ(host.sent[0].frame, CM_MCS_GAIN(1, 6, 79).ToBytes(1));

    ParameterImage saved = ParameterImage::Default();
    const ByteVector file = PresetFile::ToBytes(model.GetImage());
    ASSERT_EQ(PresetFile::FromBytes(file, saved), FileStatus::Ok);
    for (int o : {0, 1, 2}) {
        EXPECT_EQ(saved.outputs[o].gain, 79) << o;
        EXPECT_EQ(saved.outputs[o].polarity, 1) << o;
    }
    EXPECT_EQ(saved.outputs[3].gain, ParameterImage::Default().outputs[3].gain);
    EXPECT_EQ(saved.outputMuteMask, 0x07);
}

TEST_F(LUnitControlTest, UpdatingControlsWritesTheModelButSendsNothing)
{
    SetLinkMasks({4, 5, 6}, 0x07);
    host.updating = true;
    model.SetGain(5, 300);
    model.SetPeqBand(4, 0, PeqBand{1, 2, 3, 4}, true);
    model.SetLinkMask(7, 0x08);
    model.SetDelayUnit(2);
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(model.GetGain(4), 300);
    EXPECT_EQ(model.GetGain(6), 300);
    EXPECT_EQ(model.GetDelayUnit(), 2);
    EXPECT_EQ(host.invalidated, (std::vector<int>{4})); // curves follow the model all the same
}

TEST_F(LUnitControlTest, WithoutAHostEditsStayInTheModel)
{
    LUnitControl demo;
    demo.SetGain(0, 123);
    demo.ResetPresetNames();
    EXPECT_EQ(demo.GetGain(0), 123);
}

TEST_F(LUnitControlTest, SingleChannelSettersAndTheirAppendFlags)
{
    SetLinkMasks({0, 1}, 0x03);
    model.SetMatrixRoute(4, 2, true);
    EXPECT_EQ(model.GetRouteMask(4), 5);
    model.SetMatrixRoute(8, 0, false);
    EXPECT_EQ(model.GetRouteMask(8), 0);
    model.SetMixLevel(7, 3, 100);
    EXPECT_EQ(model.GetMixLevel(7, 3), 100);
    EXPECT_EQ(model.GetMixLevel(7, 2), 280);
    model.SetDelayUnit(1);
    model.SetLinkMask(5, 0x07);
    EXPECT_EQ(model.GetLinkMask(5), 7);
    EXPECT_EQ(model.GetLinkMask(4), 1); // the other members' masks come with their own calls
    EXPECT_EQ(model.GetLinkMask(6), 4);
    const uint8_t name[8] = {'K', 'i', 'c', 'k', 0, 0, 0, 0};
    model.SetChannelName(0, name);
    EXPECT_EQ(std::memcmp(model.GetChannelName(0), name, 8), 0);
    EXPECT_EQ(std::memcmp(model.GetChannelName(1), "InB\0\0\0\0\0", 8), 0); // no group for names
    model.SetEqBypassMask(9, 0x20);
    model.SetEqBypassMask(2, 0x04);
    model.SetGeqBypassMask(0x09);
    EXPECT_EQ(model.GetEqBypassMask(4), 0x20);
    EXPECT_EQ(model.GetEqBypassMask(0), 0x04);
    EXPECT_EQ(model.GetGeqBypassMask(), 0x09);

    const std::vector<RecordingHost::Sent> expected = {
        {CM_MCS_MATRIX(1, 4, 5).ToBytes(1), false},
        {CM_MCS_MATRIX(1, 8, 0).ToBytes(1), false},
        {CM_MCS_MIX(1, 7, 3, 100).ToBytes(1), false},
        {CM_MCS_DELAYUNIT(1, 1).ToBytes(1), false},
        {CM_MCS_CMD(1, CMD_LINK_MASK, 5, 7).ToBytes(1), true},
        {CM_MCS_CHANNEL_NAME(1, 0, name).ToBytes(1), true},
    };
    ASSERT_EQ(host.sent.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(host.sent[i].frame, expected[i].frame) << i;
        EXPECT_EQ(host.sent[i].append, expected[i].append) << i;
    }
}

TEST_F(LUnitControlTest, CommandsCarryTheHostsDeviceId)
{
    host.deviceId = 42;
    model.SetGain(0, 1);
    EXPECT_EQ(host.sent.at(0).frame[CommandFrame::kSentIdByte], 42);
}

TEST_F(LUnitControlTest, OutOfRangeChannelsChangeAndSendNothing)
{
    const ParameterImage before = model.GetImage();
    model.SetGain(12, 1);
    model.SetGain(-1, 1);
    model.SetComp(3, {1, 1, 1, 1, 1}); // an input is no compressor channel
    model.SetGate(4, {1, 1, 1, 1});
    model.SetPeqBand(0, 8, PeqBand{}, true); // inputs have bands 0-7
    model.SetGeqBand(0, 31, 1);
    model.SetMatrixRoute(4, 4, true);
    model.SetLinkMask(12, 1);
    model.CopyChannel(0, 4);
    EXPECT_EQ(std::memcmp(&before, &model.GetImage(), sizeof before), 0);
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(LUnitControlTest, GettersAndDefaults)
{
    model.SetPolarity(3, 2);
    EXPECT_EQ(model.GetPolarity(3), 1);
    EXPECT_EQ(model.GetImage().inputs[3].polarity, 2); // stored unchanged
    const PeqBand d = LUnitControl::GetDefaultPeqBand(11, 8);
    EXPECT_EQ(d.gainIndex, 120);
    EXPECT_EQ(d.freqIndex, 285);
    EXPECT_EQ(d.qIndex, 35);
    EXPECT_EQ(d.type, 0);
    EXPECT_EQ(LUnitControl::GetDefaultPeqBand(0, 0).freqIndex, 41);
    EXPECT_EQ(LUnitControl::GetDefaultGeqBand(2, 17), 120);
    model.SetGeqBand(2, 17, 0);
    EXPECT_EQ(LUnitControl::GetDefaultGeqBand(2, 17), 120); // the default is not the model
    EXPECT_EQ(model.GetGeqBand(2, 17), 0);
    EXPECT_EQ(model.GetComp(4), (std::array<uint16_t, 5>{0, 49, 499, 0, 220}));
    EXPECT_EQ(model.GetLimit(11), (std::array<uint16_t, 4>{49, 499, 0, 220}));
    EXPECT_EQ(model.GetGate(0), (std::array<uint16_t, 4>{0, 99, 99, 0}));
    EXPECT_EQ(model.GetGain(0), 0);
    EXPECT_EQ(model.GetGain(4), 280);
    EXPECT_EQ(std::memcmp(model.GetPresetName(), "Default Preset", 14), 0);
    const ChannelRecord in = model.GetChannelRecord(2), out = model.GetChannelRecord(9);
    EXPECT_EQ(in.Bytes(), model.GetImage().Bytes() + 16 + 2 * 140);
    EXPECT_EQ(in.Size(), 140u);
    EXPECT_EQ(out.Bytes(), model.GetImage().Bytes() + 576 + 5 * 104);
    EXPECT_EQ(out.Size(), 104u);
    EXPECT_EQ(model.GetChannelRecord(12).Size(), 0u);
}

// Fills a record's bytes with a pattern that differs per channel.
template <typename R> R Patterned(uint8_t seed)
{
    R r;
    uint8_t *p = reinterpret_cast<uint8_t *>(&r);
    for (size_t i = 0; i < sizeof r; ++i)
        p[i] = uint8_t(seed + i * 7);
    return r;
}

TEST_F(LUnitControlTest, CopyChannelCopiesOnlyTheProcessingRange)
{
    struct Range {
        int from, to;
        size_t first, end, size; // copied record bytes [first, end)
    };
    const Range ranges[] = {{0, 1, 8, 138, 140}, {3, 0, 8, 138, 140}, {4, 11, 18, 102, 104}, {10, 5, 18, 102, 104}};
    for (const Range &r : ranges) {
        SCOPED_TRACE(r.from * 100 + r.to);
        ParameterImage img = ParameterImage::Default();
        for (int ch = 0; ch < kChannelCount; ++ch) {
            if (ch < 4)
                img.inputs[ch] = Patterned<InputChannelRecord>(uint8_t(ch * 31));
            else
                img.outputs[ch - 4] = Patterned<OutputChannelRecord>(uint8_t(ch * 31));
        }
        img.peqBypassMasks[r.from] = 0x1F3;
        img.peqBypassMasks[r.to] = 0x00C;
        const bool in = r.from < 4;
        const uint16_t fromBit = uint16_t(1u << (in ? r.from : r.from - 4));
        const uint16_t toBit = uint16_t(1u << (in ? r.to : r.to - 4));
        (in ? img.inputMuteMask : img.outputMuteMask) = fromBit; // from muted, to not
        (in ? img.inputEqBypassMask : img.outputEqBypassMask) = toBit; // to bypassed, from not
        img.inputGeqBypassMask = in ? toBit : 0;
        model.SetImage(img);
        const ParameterImage before = model.GetImage();

        model.CopyChannel(r.from, r.to);

        const uint8_t *to = model.GetChannelRecord(r.to).Bytes();
        const uint8_t *from = model.GetChannelRecord(r.from).Bytes();
        const uint8_t *orig = (in ? reinterpret_cast<const uint8_t *>(&before.inputs[r.to])
                                  : reinterpret_cast<const uint8_t *>(&before.outputs[r.to - 4]));
        EXPECT_EQ(std::memcmp(to, orig, r.first), 0) << "name and leading fields stay";
        EXPECT_EQ(std::memcmp(to + r.first, from + r.first, r.end - r.first), 0) << "processing copied";
        EXPECT_EQ(std::memcmp(to + r.end, orig + r.end, r.size - r.end), 0) << "link mask stays";
        const ParameterImage &after = model.GetImage();
        EXPECT_EQ(after.peqBypassMasks[r.to], 0x1F3);
        EXPECT_EQ((in ? after.inputMuteMask : after.outputMuteMask), fromBit | toBit);
        EXPECT_EQ((in ? after.inputEqBypassMask : after.outputEqBypassMask), 0);
        EXPECT_EQ(after.inputGeqBypassMask, before.inputGeqBypassMask);
        for (int ch = 0; ch < kChannelCount; ++ch)
            if (ch != r.to) {
                const ChannelRecord a = model.GetChannelRecord(ch);
                EXPECT_EQ(std::memcmp(a.Bytes(), ch < 4 ? reinterpret_cast<const uint8_t *>(&before.inputs[ch])
                                                        : reinterpret_cast<const uint8_t *>(&before.outputs[ch - 4]),
                                      a.Size()),
                          0);
            }
    }
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(LUnitControlTest, CopyChannelKeepsNameAndLinkMask)
{
    model.SetGain(0, 77);
    model.CopyChannel(0, 1);
    EXPECT_EQ(model.GetGain(1), 77);
    EXPECT_EQ(std::memcmp(model.GetChannelName(1), "InB", 4), 0);
    EXPECT_EQ(model.GetLinkMask(1), 2);
}

TEST_F(LUnitControlTest, PresetFlagsAndNames)
{
    ByteVector flags(20, 0);
    flags[0] = flags[5] = 255;
    flags[7] = 1; // only 255 counts
    EXPECT_TRUE(model.SetPresetFlags(flags));
    for (int s = 0; s < 20; ++s)
        EXPECT_EQ(model.IsPresetStored(s), s == 0 || s == 5) << s;
    model.SetPresetStored(19);
    EXPECT_TRUE(model.IsPresetStored(19));
    EXPECT_FALSE(model.IsPresetStored(20));

    model.ResetPresetNames();
    ASSERT_EQ(host.recallRows.size(), 20u);
    ASSERT_EQ(host.storeRows.size(), 20u);
    EXPECT_EQ(host.recallRows.begin()->first, 1);
    EXPECT_EQ(host.storeRows.rbegin()->first, 19);
    EXPECT_EQ(host.recallRows[20], "Default Preset");

    ByteVector reply = {3, 'V', 'o', 'c', 'a', 'l', 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(model.SetStoredPresetName(4, reply));
    EXPECT_EQ(host.recallRows[4], "Vocal         ");
    EXPECT_EQ(host.storeRows[3], "Vocal         ");

    EXPECT_TRUE(model.SetPresetName(ByteVector(reply.begin() + 1, reply.end())));
    EXPECT_EQ(std::memcmp(model.GetPresetName(), "Vocal         ", 14), 0); // blank padded
}

TEST_F(LUnitControlTest, PresetBytesAreAppliedWholeAndSentEvenWhileControlsUpdate)
{
    ParameterImage start = RandomImage(41);
    start.reserved = 0x4321;
    model.SetImage(start);
    EXPECT_EQ(model.ToPresetString(), PresetFile::ToPresetString(start));

    const ParameterImage file = RandomImage(42);
    ByteVector body = PresetFile::ToBytes(file);
    body.erase(body.begin(), body.begin() + PresetFile::kMagicSize); // body and line end, 1436 bytes
    host.updating = true; // the main window loads a file with its controls held
    host.deviceId = 9;
    ASSERT_EQ(model.ApplyPresetBytes(body.data(), body.size()), FileStatus::Ok);

    const uint8_t *got = model.GetImage().Bytes();
    EXPECT_EQ(std::memcmp(got + 2, file.Bytes() + 2, PresetFile::kBodySize), 0);
    EXPECT_EQ(model.GetImage().reserved, 0x4321);                  // not in the file
    EXPECT_EQ(std::memcmp(got + 1436, start.Bytes() + 1436, 12), 0); // neither are the last 12 bytes
    const std::vector<LCmd> expected = PresetFile::LoadCommands(model.GetImage(), 9);
    ASSERT_EQ(host.sent.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(host.sent[i].frame, expected[i].ToBytes(1)) << i;
        EXPECT_TRUE(host.sent[i].append) << i;
    }
}

TEST_F(LUnitControlTest, PresetBytesThatAreShortOrOutOfRangeChangeAndSendNothing)
{
    const ParameterImage start = RandomImage(43);
    ParameterImage bad = RandomImage(44);
    bad.outputs[2].peq[4].type = 9;
    ByteVector good = PresetFile::ToBytes(RandomImage(44));
    good.erase(good.begin(), good.begin() + PresetFile::kMagicSize);
    ByteVector outOfRange = PresetFile::ToBytes(bad);
    outOfRange.erase(outOfRange.begin(), outOfRange.begin() + PresetFile::kMagicSize);
    const struct {
        const char *what;
        const uint8_t *body;
        size_t n;
        FileStatus status;
    } cases[] = {
        {"one byte short", good.data(), PresetFile::kBodySize - 1, FileStatus::WrongSize},
        {"no body", nullptr, 0, FileStatus::WrongSize},
        {"PEQ type 9", outOfRange.data(), outOfRange.size(), FileStatus::OutOfRange},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        model.SetImage(start);
        std::string why;
        EXPECT_EQ(model.ApplyPresetBytes(c.body, c.n, &why), c.status);
        EXPECT_FALSE(why.empty());
        EXPECT_EQ(std::memcmp(&model.GetImage(), &start, sizeof start), 0);
        EXPECT_TRUE(host.sent.empty());
    }
}

TEST_F(LUnitControlTest, ShortReplyPayloadsAreRejectedWithNothingChanged)
{
    ByteVector flags(20, 255);
    ASSERT_TRUE(model.SetPresetFlags(flags));
    const ParameterImage before = model.GetImage();
    host.recallRows.clear();
    host.storeRows.clear();

    EXPECT_FALSE(model.SetPresetFlags(ByteVector(19, 0)));
    EXPECT_FALSE(model.SetPresetFlags({}));
    EXPECT_FALSE(model.SetPresetName(ByteVector(13, 'x')));
    EXPECT_FALSE(model.SetStoredPresetName(1, ByteVector(14, 'x')));
    EXPECT_FALSE(model.SetStoredPresetName(0, ByteVector(15, 'x')));  // no user preset 0
    EXPECT_FALSE(model.SetStoredPresetName(21, ByteVector(15, 'x')));
    EXPECT_FALSE(model.SetDeviceInfo(ByteVector(17, 1)));
    EXPECT_FALSE(model.ReceiveImageChunk({}));
    ByteVector tooLong(52, 9);
    tooLong[0] = 28;
    EXPECT_FALSE(model.ReceiveImageChunk(tooLong)); // 51 data bytes
    EXPECT_FALSE(model.ReceiveImageChunk({29, 1, 2, 3}));
    EXPECT_FALSE(model.ReceivePresetChunk(0, {28, 1}));
    EXPECT_FALSE(model.ReceivePresetChunk(21, {28, 1}));
    EXPECT_FALSE(model.ReceivePresetChunk(1, {}));

    for (int s = 0; s < 20; ++s)
        EXPECT_TRUE(model.IsPresetStored(s));
    EXPECT_EQ(std::memcmp(&before, &model.GetImage(), sizeof before), 0);
    for (uint8_t b : model.GetUnitInfo().bytes)
        EXPECT_EQ(b, 0);
    for (size_t i = 0; i < LUnitControl::kStagingSize; ++i)
        ASSERT_EQ(model.GetBlockStaging()[i], 0) << i;
    EXPECT_TRUE(host.recallRows.empty());
    EXPECT_TRUE(host.storeRows.empty());
}

// The blocks of an image as the device streams them: byte 0 the block number,
// then 50 bytes (block 28 padded with two more).
std::vector<ByteVector> Blocks(const ByteVector &image)
{
    std::vector<ByteVector> blocks;
    for (int n = 0; n < LUnitControl::kBlockCount; ++n) {
        ByteVector b{uint8_t(n)};
        for (int k = 0; k < LUnitControl::kBlockSize; ++k) {
            const size_t at = size_t(n) * 50 + size_t(k);
            b.push_back(at < image.size() ? image[at] : 0xEE);
        }
        blocks.push_back(b);
    }
    return blocks;
}

// An image with every field in its range, so that it is taken byte for byte.
ByteVector InRangeImage()
{
    ParameterImage img = RandomImage(45);
    img.reserved = 0xA55A;
    return img.ToBytes();
}

TEST_F(LUnitControlTest, UploadTakesTheImageAtTheLastBlockAndKeepsTheFirstWord)
{
    const ByteVector src = InRangeImage();
    std::vector<ByteVector> blocks = Blocks(src);
    std::swap(blocks[3], blocks[17]); // out of order: staged where their number says
    const ParameterImage before = model.GetImage();
    for (int n = 0; n < 28; ++n)
        ASSERT_TRUE(model.ReceiveImageChunk(blocks[size_t(n)]));
    EXPECT_EQ(std::memcmp(&before, &model.GetImage(), sizeof before), 0) << "nothing taken before block 28";
    ASSERT_TRUE(model.ReceiveImageChunk(blocks[28]));
    const ByteVector got = model.GetImage().ToBytes();
    EXPECT_EQ(got[0], before.Bytes()[0]);
    EXPECT_EQ(got[1], before.Bytes()[1]);
    EXPECT_TRUE(std::equal(got.begin() + 2, got.end(), src.begin() + 2));
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(LUnitControlTest, StoredPresetBlocksFillTheirSlotOnly)
{
    const ByteVector src = InRangeImage();
    const ParameterImage before = model.GetImage();
    for (const ByteVector &b : Blocks(src))
        ASSERT_TRUE(model.ReceivePresetChunk(5, b));
    const StoredPresetRecord &rec = model.GetStoredPreset(4);
    EXPECT_EQ(rec.presetNumber, 5);
    EXPECT_EQ(std::memcmp(rec.image, src.data(), StoredPresetRecord::kImageSize), 0);
    EXPECT_EQ(model.GetStoredPreset(3).presetNumber, 0);
    EXPECT_EQ(std::memcmp(&before, &model.GetImage(), sizeof before), 0);

    ByteVector info(20);
    for (size_t i = 0; i < info.size(); ++i)
        info[i] = uint8_t(100 + i);
    ASSERT_TRUE(model.SetDeviceInfo(info));
    EXPECT_EQ(std::memcmp(model.GetUnitInfo().bytes, info.data(), 18), 0);
}

} // namespace
