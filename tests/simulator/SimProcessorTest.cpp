#include <gtest/gtest.h>

#include "CM_MCS_CMD.h"
#include "CommandClasses.h"
#include "LUnitControl.h"
#include "SimProcessor.h"
#include "TestImages.h"
#include "UnitFile.h"

#include <cstring>
#include <random>

namespace {

struct Parsed {
    uint8_t id;
    uint8_t code;
    ByteVector payload;
};

// Sends one command and returns its one reply, checking the reply's framing.
Parsed Ask(SimProcessor &sim, const LCmd &cmd)
{
    const std::vector<ByteVector> replies = sim.HandleFrame(cmd.ToBytes(1));
    EXPECT_EQ(replies.size(), 1u);
    if (replies.empty())
        return {0, 0, {}};
    const ByteVector &f = replies[0];
    EXPECT_TRUE(CommandFrame::IsComplete(f.data(), f.size()));
    EXPECT_EQ(CommandFrame::Check(f.data(), f.size() - 1), f.back());
    LCmd r(f, 1);
    return {r.GetId(), r.GetCode(), r.GetData()};
}

ByteVector Bytes(const uint8_t *p, size_t n) { return ByteVector(p, p + n); }

// A processor with user presets 1 and 6 stored, preset 6 current, levels and unit information set.
SimProcessor Fixture()
{
    SimProcessor sim(1);
    sim.image = RandomImage(31);
    sim.storedSlots[0] = RandomImage(32);
    sim.storedSlots[5] = RandomImage(33);
    sim.storedSlots[0].Bytes()[0] = sim.storedSlots[5].Bytes()[0] = 255;
    sim.stored[0] = sim.stored[5] = true;
    sim.currentPreset = 6;
    for (size_t i = 0; i < sim.unitInfo.size(); ++i)
        sim.unitInfo[i] = uint8_t(0x40 + i);
    for (int i = 0; i < kChannelCount; ++i)
        sim.levels[size_t(i)] = 0.125f * float(i);
    sim.activity = 0x0381;
    return sim;
}

TEST(SimProcessorTest, AnswersEveryRequest)
{
    const SimProcessor f = Fixture();
    ByteVector levels;
    for (float v : f.levels) {
        const auto b = SimProcessor::EncodeLevel(v);
        levels.insert(levels.end(), b.begin(), b.end());
    }
    levels.insert(levels.end(), {0x81, 0x03});
    ByteVector block28 = Bytes(f.image.Bytes() + 1400, 48);
    block28.insert(block28.begin(), 28);
    block28.insert(block28.end(), {0, 0});
    ByteVector block0 = Bytes(f.image.Bytes(), 50);
    block0.insert(block0.begin(), 0);
    ByteVector name5 = Bytes(f.storedSlots[5].presetName, 14);
    name5.insert(name5.begin(), 5);
    ByteVector flags(20, 0);
    flags[0] = flags[5] = 255;
    const uint8_t fifty[50] = {};

    struct Case {
        const char *name;
        LCmd cmd;
        uint8_t code;
        ByteVector payload;
    };
    const Case cases[] = {
        {"connect", CM_MCS_CMD(1, CMD_CONNECT), 0x10, {}},
        {"disconnect to everyone", CM_MCS_CMD(255, CMD_DISCONNECT), 0x01, {}},
        {"poll", CM_MCS_CMD(1, CMD_POLL), 0x01, {}},
        {"identity", CM_MCS_CMD(1, CMD_IDENTITY), 0x13, {'T', 'Q', '6', '2', ' ', 'V', '0', '1', '0'}},
        {"current preset", CM_MCS_CMD(1, CMD_CURRENT_PRESET), 0x14, {6}},
        {"lock status", CM_MCS_CMD(1, CMD_LOCK_STATUS), 0x2C, {0, 0, 0, 0, 0, 0}},
        {"password while unlocked", CM_MCS_PASS_SUBMIT(1, 0, "1234"), 0x2D, {0, 1}},
        {"upload start", CM_MCS_CMD(1, CMD_UPLOAD_START), 0x22, flags},
        {"preset name of slot 5", CM_MCS_CMD(1, CMD_PRESET_NAME, 5), 0x29, name5},
        {"parameter block 0", CM_MCS_CMD(1, CMD_GET_PARAMETER_BLOCK, 0), 0x24, block0},
        {"parameter block 28", CM_MCS_CMD(1, CMD_GET_PARAMETER_BLOCK, 28), 0x24, block28},
        {"select stored preset 6", CM_MCS_CMD(1, CMD_PARAMETER_BLOCK, 6), 0x01, {}},
        {"read unit information", CM_MCS_READ_EEPROM(1, 0, 18), 0x19, Bytes(f.unitInfo.data(), 18)},
        {"write unit information", CM_MCS_WRITE_EEPROM(1, 1, 17, f.unitInfo.data() + 1), 0x01, {}},
        {"download block", CM_MCS_DOWNLOAD(1, 4, 2, fifty, 50), 0x25, {4}},
        {"prepare download", CM_MCS_CMD(1, CMD_PREPARE_DOWNLOAD), 0x01, {}},
        {"recall", CM_MCS_CMD(1, CMD_RECALL_PRESET, 1), 0x01, {}},
        {"store", CM_MCS_CMD(1, CMD_STORE_PRESET, 20), 0x01, {}},
        {"preset name", CM_MCS_PRESETNAME(1, f.storedSlots[0].presetName), 0x01, {}},
        {"copy channel", CM_MCS_CMD(1, CMD_COPY_CHANNEL, 4, 11), 0x01, {}},
        {"set lock", CM_MCS_SET_LOCK(1, "9876"), 0x01, {}},
        {"restart", CM_MCS_MCU_RESET(1), 0x01, {}},
        {"levels", CM_MCS_CMD(1, CMD_LEVELS), 0x40, levels},
        {"gain", CM_MCS_GAIN(1, 6, 280), 0x01, {}},
        {"link mask", CM_MCS_CMD(1, CMD_LINK_MASK, 6, 0x07), 0x01, {}},
        {"EQ bypass", CM_MCS_CMD(1, CMD_EQ_BYPASS, 2, 1), 0x01, {}},
        {"GEQ bypass", CM_MCS_CMD(1, CMD_GEQ_BYPASS, 3, 1), 0x01, {}},
        {"test signal", CM_MCS_WORK_MODE(1, 3, 17), 0x01, {}},
        {"unknown code", CM_MCS_CMD(1, 0x77), 0x02, {}},
        {"preset name slot 20", CM_MCS_CMD(1, CMD_PRESET_NAME, 20), 0x02, {}},
        {"parameter block 29", CM_MCS_CMD(1, CMD_GET_PARAMETER_BLOCK, 29), 0x02, {}},
        {"stored block before a selection", CM_MCS_CMD(1, CMD_STORED_PRESET_BLOCK, 0), 0x02, {}},
        {"recall 21", CM_MCS_CMD(1, CMD_RECALL_PRESET, 21), 0x02, {}},
        {"store 0", CM_MCS_CMD(1, CMD_STORE_PRESET, 0), 0x02, {}},
        {"select stored preset 0", CM_MCS_CMD(1, CMD_PARAMETER_BLOCK, 0), 0x02, {}},
        {"download block 29", CM_MCS_DOWNLOAD(1, 29, 0, fifty, 50), 0x02, {}},
        {"download slot 20", CM_MCS_DOWNLOAD(1, 0, 20, fifty, 50), 0x02, {}},
        {"download of 51 bytes", CM_MCS_DOWNLOAD(1, 0, 0, f.image.Bytes(), 51), 0x02, {}},
        {"identity with a payload", CM_MCS_CMD(1, CMD_IDENTITY, 0), 0x02, {}},
        {"copy across sides", CM_MCS_CMD(1, CMD_COPY_CHANNEL, 3, 4), 0x02, {}},
        {"command for device 2", CM_MCS_CMD(2, CMD_CONNECT), 0x02, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SimProcessor sim = Fixture();
        const Parsed r = Ask(sim, c.cmd);
        EXPECT_EQ(r.id, 1);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.payload, c.payload);
        EXPECT_EQ(sim.refusedCount, c.code == 0x02 ? 1 : 0);
        ASSERT_EQ(sim.ReceivedFrames().size(), 1u);
        EXPECT_EQ(sim.ReceivedFrames()[0], c.cmd.ToBytes(1));
    }
}

TEST(SimProcessorTest, StoredPresetBlocksFollowTheSelection)
{
    SimProcessor sim = Fixture();
    ASSERT_EQ(Ask(sim, CM_MCS_CMD(1, CMD_PARAMETER_BLOCK, 6)).code, 0x01);
    for (int b = 0; b < 29; ++b) {
        const Parsed r = Ask(sim, CM_MCS_CMD(1, CMD_STORED_PRESET_BLOCK, uint8_t(b)));
        ASSERT_EQ(r.code, 0x28);
        ASSERT_EQ(r.payload.size(), 51u);
        EXPECT_EQ(r.payload[0], b);
        for (size_t k = 0; k < 50; ++k) {
            const size_t at = size_t(b) * 50 + k;
            EXPECT_EQ(r.payload[1 + k], at < 1448 ? sim.storedSlots[5].Bytes()[at] : 0) << at;
        }
    }
}

TEST(SimProcessorTest, RepliesCarryTheProcessorsIdAndRefuseForeignOrDamagedFrames)
{
    SimProcessor sim(1);
    sim.SetDeviceId(9);
    const ParameterImage before = sim.image;

    // Addressed to 1: answered as device 9, not applied.
    Parsed r = Ask(sim, CM_MCS_GAIN(1, 0, 17));
    EXPECT_EQ(r.id, 9);
    EXPECT_EQ(r.code, 0x02);
    // Wrong check byte: refused.
    ByteVector bad = CM_MCS_GAIN(9, 0, 17).ToBytes(1);
    bad.back() ^= 0xFF;
    EXPECT_EQ(sim.Feed(bad), SimProcessor::ReplyFrame(9, 0x02, {}));
    EXPECT_EQ(std::memcmp(&sim.image, &before, sizeof before), 0);
    EXPECT_EQ(sim.refusedCount, 2);

    // Addressed to 255: everyone applies it.
    r = Ask(sim, CM_MCS_GAIN(255, 0, 17));
    EXPECT_EQ(r.code, 0x01);
    EXPECT_EQ(sim.image.inputs[0].gain, 17);
    EXPECT_EQ(SimProcessor::ReplyFrame(1, 0x01, {}), ByteVector({0x10, 0x02, 0x01, 0x00, 0x01, 0x01, 0x10, 0x03, 0x00}));
}

TEST(SimProcessorTest, FeedCollectsFramesFromAnyChunkingAndSkipsJunk)
{
    SimProcessor sim(1);
    ByteVector stream{0x00, 0x10, 0x7F, 0x10, 0x02, 0x00}; // junk, with a false start
    const ByteVector a = CM_MCS_GAIN(1, 6, 0x1003).ToBytes(1); // 0x10 0x03 inside the payload
    const ByteVector b = CM_MCS_CMD(1, CMD_CURRENT_PRESET).ToBytes(1);
    stream.insert(stream.end(), a.begin(), a.end());
    stream.insert(stream.end(), {0x55, 0x10});
    stream.insert(stream.end(), b.begin(), b.end());

    ByteVector out;
    for (uint8_t byte : stream) {
        const ByteVector o = sim.Feed(&byte, 1);
        out.insert(out.end(), o.begin(), o.end());
    }
    ByteVector expected = SimProcessor::ReplyFrame(1, 0x02, {}); // gain 0x1003 is out of range
    const ByteVector second = SimProcessor::ReplyFrame(1, 0x14, {0});
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(out, expected);
    ASSERT_EQ(sim.ReceivedFrames().size(), 2u);
    EXPECT_EQ(sim.ReceivedFrames()[0], a);
    EXPECT_EQ(sim.ReceivedFrames()[1], b);

    // Two frames in one chunk give both replies at once; half a frame gives none yet.
    ByteVector two = b;
    two.insert(two.end(), b.begin(), b.end());
    EXPECT_EQ(sim.Feed(two).size(), 2 * second.size());
    EXPECT_TRUE(sim.Feed(ByteVector(b.begin(), b.begin() + 5)).empty());
    EXPECT_EQ(sim.Feed(ByteVector(b.begin() + 5, b.end())), second);
}

TEST(SimProcessorTest, StoreRecallAndFactoryDefault)
{
    SimProcessor sim(1);
    Ask(sim, CM_MCS_GAIN(1, 5, 123));
    const uint8_t name[14] = {'M', 'y', ' ', 'S', 'h', 'o', 'w', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    EXPECT_EQ(Ask(sim, CM_MCS_PRESETNAME(1, name)).code, 0x01);
    EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, CMD_STORE_PRESET, 3)).code, 0x01);
    EXPECT_TRUE(sim.stored[2]);
    EXPECT_EQ(sim.currentPreset, 3);
    EXPECT_EQ(sim.storedSlots[2].Bytes()[0], 255); // a stored preset is marked for whole-unit transfers
    EXPECT_EQ(std::memcmp(sim.storedSlots[2].Bytes() + 2, sim.image.Bytes() + 2, 1446), 0);
    EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, CMD_UPLOAD_START)).payload[2], 255);
    const Parsed n = Ask(sim, CM_MCS_CMD(1, CMD_PRESET_NAME, 2));
    EXPECT_EQ(n.payload, ByteVector({2, 'M', 'y', ' ', 'S', 'h', 'o', 'w', ' ', ' ', ' ', ' ', ' ', ' ', ' '}));

    Ask(sim, CM_MCS_CMD(1, CMD_RECALL_PRESET, 0));
    EXPECT_EQ(std::memcmp(&sim.image, &ParameterImage::Default(), sizeof sim.image), 0);
    EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, CMD_CURRENT_PRESET)).payload, ByteVector{0});
    Ask(sim, CM_MCS_CMD(1, CMD_RECALL_PRESET, 3));
    EXPECT_EQ(sim.image.outputs[1].gain, 123);
    EXPECT_EQ(sim.currentPreset, 3);

    Ask(sim, CM_MCS_CMD(1, CMD_PREPARE_DOWNLOAD));
    EXPECT_EQ(std::memcmp(&sim.image, &ParameterImage::Default(), sizeof sim.image), 0);
    EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, CMD_UPLOAD_START)).payload, ByteVector(20, 0));
    EXPECT_EQ(sim.currentPreset, 0);
}

TEST(SimProcessorTest, LockAndPassword)
{
    SimProcessor sim(1);
    Ask(sim, CM_MCS_SET_LOCK(1, "ab"));
    EXPECT_TRUE(sim.locked);
    EXPECT_EQ(sim.password, (std::array<uint8_t, 4>{'a', 'b', 0, 0}));
    EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, CMD_LOCK_STATUS)).payload.at(5), 1);
    EXPECT_EQ(Ask(sim, CM_MCS_PASS_SUBMIT(1, 0, "abc")).payload, ByteVector({0, 0}));
    EXPECT_TRUE(sim.locked);
    EXPECT_EQ(Ask(sim, CM_MCS_PASS_SUBMIT(1, 0, "ab")).payload, ByteVector({0, 1}));
    EXPECT_FALSE(sim.locked);
    EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, CMD_LOCK_STATUS)).payload.at(5), 0);
    Ask(sim, CM_MCS_SET_LOCK(1, "wxyz"));
    EXPECT_TRUE(sim.locked);
    Ask(sim, CM_MCS_SET_LOCK(1, ""));
    EXPECT_FALSE(sim.locked);
}

TEST(SimProcessorTest, UnitInformationIsReadAndWrittenByAddress)
{
    SimProcessor sim = Fixture();
    uint8_t data[17];
    for (int i = 0; i < 17; ++i)
        data[i] = uint8_t(0xC0 + i);
    Ask(sim, CM_MCS_WRITE_EEPROM(1, 1, 17, data));
    EXPECT_EQ(sim.unitInfo[0], 0x40); // byte 0 is not written back
    EXPECT_EQ(Bytes(sim.unitInfo.data() + 1, 17), Bytes(data, 17));
    EXPECT_EQ(Ask(sim, CM_MCS_READ_EEPROM(1, 16, 4)).payload, ByteVector({0xCF, 0xD0, 0xFF, 0xFF}));
}

TEST(SimProcessorTest, ParameterEditsWriteTheLinkGroup)
{
    SimProcessor sim(1);
    for (uint8_t ch : {4, 5, 6})
        Ask(sim, CM_MCS_CMD(1, CMD_LINK_MASK, ch, 0x07));
    Ask(sim, CM_MCS_GAIN(1, 5, 300));
    for (int o = 0; o < 8; ++o)
        EXPECT_EQ(sim.image.outputs[o].gain, o < 3 ? 300 : 280) << o;
    Ask(sim, CM_MCS_PEQ(1, 4, 8, 100, 200, 50, 6, 1));
    for (int o = 0; o < 8; ++o) {
        EXPECT_EQ(sim.image.outputs[o].peq[8].type, o < 3 ? 6 : 0) << o;
        EXPECT_EQ((sim.image.peqBypassMasks[4 + o] >> 8) & 1, o < 3 ? 1 : 0) << o;
    }
    Ask(sim, CM_MCS_MUTE(1, 6, 1));
    EXPECT_EQ(sim.image.outputMuteMask, 0x07);
    // A member (mask 0) writes its leader's group.
    Ask(sim, CM_MCS_CMD(1, CMD_LINK_MASK, 5, 0));
    Ask(sim, CM_MCS_POLARITY(1, 5, 1));
    for (int o = 0; o < 8; ++o)
        EXPECT_EQ(sim.image.outputs[o].polarity, o < 3 ? 1 : 0) << o;
    // A mask without its own bit that no lower channel holds: the group of the
    // mask just below (output 4's, itself alone).
    Ask(sim, CM_MCS_CMD(1, CMD_LINK_MASK, 8, 0x02));
    Ask(sim, CM_MCS_DELAY(1, 8, 960));
    for (int o = 0; o < 8; ++o)
        EXPECT_EQ(sim.image.outputs[o].delay, o == 3 ? 960 : 0) << o;
    // Routing, mix and names stay per channel.
    Ask(sim, CM_MCS_MATRIX(1, 4, 0x05));
    EXPECT_EQ(sim.image.outputs[0].routeMask, 0x05);
    EXPECT_EQ(sim.image.outputs[1].routeMask, 0x02);
    // A GEQ band of an output is taken and changes nothing.
    const ParameterImage before = sim.image;
    EXPECT_EQ(Ask(sim, CM_MCS_GEQ(1, 7, 3, 100)).code, 0x01);
    EXPECT_EQ(std::memcmp(&sim.image, &before, sizeof before), 0);
}

TEST(SimProcessorTest, ValuesOutsideTheirRangesAreRefused)
{
    const uint8_t name[8] = {};
    struct Case {
        const char *name;
        LCmd cmd;
    };
    const Case cases[] = {
        {"PEQ type 9", CM_MCS_PEQ(1, 0, 0, 120, 170, 35, 9, 0)},
        {"PEQ band 8 on an input", CM_MCS_PEQ(1, 0, 8, 120, 170, 35, 0, 0)},
        {"PEQ Q 101", CM_MCS_PEQ(1, 4, 0, 120, 170, 101, 0, 0)},
        {"PEQ frequency 301", CM_MCS_PEQ(1, 4, 0, 120, 301, 35, 0, 0)},
        {"PEQ gain 241", CM_MCS_PEQ(1, 4, 0, 241, 170, 35, 0, 0)},
        {"high-pass type 21", CM_MCS_HIGH_PASS(1, 0, 100, 21)},
        {"low-pass frequency 301", CM_MCS_LOW_PASS(1, 11, 301, 1)},
        {"gain 401", CM_MCS_GAIN(1, 0, 401)},
        {"gain of channel 12", CM_MCS_GAIN(1, 12, 0)},
        {"delay 65281", CM_MCS_DELAY(1, 0, 65281)},
        {"polarity 2 from a hand-made frame", CM_MCS_CMD(1, CM_MCS_POLARITY::kCode, 0, 2)},
        {"mix 281", CM_MCS_MIX(1, 4, 0, 281)},
        {"mix of input 4", CM_MCS_MIX(1, 4, 4, 0)},
        {"route mask 0x10", CM_MCS_MATRIX(1, 4, 0x10)},
        {"input link mask 0x10", CM_MCS_CMD(1, CMD_LINK_MASK, 0, 0x10)},
        {"compressor ratio 16", CM_MCS_COMP(1, 4, 16, 49, 499, 0, 220)},
        {"compressor on an input", CM_MCS_COMP(1, 0, 0, 49, 499, 0, 220)},
        {"limiter knee 13", CM_MCS_LIMIT(1, 4, 49, 499, 13, 220)},
        {"gate release 8", CM_MCS_GATE(1, 0, 0, 8, 99, 0)},
        {"gate on an output", CM_MCS_GATE(1, 4, 0, 99, 99, 0)},
        {"GEQ band 31", CM_MCS_GEQ(1, 0, 31, 120)},
        {"GEQ bypass of an output", CM_MCS_CMD(1, CMD_GEQ_BYPASS, 4, 1)},
        {"delay unit 3", CM_MCS_DELAYUNIT(1, 3)},
        {"test signal mode 4", CM_MCS_WORK_MODE(1, 4, 0)},
        {"sine frequency 31", CM_MCS_WORK_MODE(1, 3, 31)},
        {"name of channel 12", CM_MCS_CHANNEL_NAME(1, 12, name)},
        {"memory read too long for one reply", CM_MCS_READ_EEPROM(1, 0, 255)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SimProcessor sim(1);
        const Parsed r = Ask(sim, c.cmd);
        EXPECT_EQ(r.code, 0x02);
        EXPECT_EQ(std::memcmp(&sim.image, &ParameterImage::Default(), sizeof sim.image), 0);
    }
}

TEST(SimProcessorTest, CopyChannelMatchesTheModelsCopyOverTheDestinationGroup)
{
    for (auto [from, to] : {std::pair<int, int>{0, 2}, {4, 9}, {11, 5}}) {
        SCOPED_TRACE(to);
        ParameterImage img = RandomImage(uint32_t(40 + to));
        img.inputs[2].linkMask = 0x0C; // inputs C and D
        img.outputs[5].linkMask = 0x60; // outputs 6 and 7
        img.outputs[0].linkMask = 0x01;
        img.outputs[1].linkMask = 0x01; // output 2's group is output 1 alone
        SimProcessor sim(1);
        sim.image = img;
        ASSERT_EQ(Ask(sim, CM_MCS_CMD(1, CMD_COPY_CHANNEL, uint8_t(from), uint8_t(to))).code, 0x01);

        LUnitControl model;
        model.SetImage(img);
        const uint16_t group = model.FindGroupLinkMask(to);
        for (int m = 0; m < (to < 4 ? 4 : 8); ++m)
            if ((group >> m) & 1)
                model.CopyChannel(from, to < 4 ? m : 4 + m);
        EXPECT_EQ(model.GetImage().ToBytes(), sim.image.ToBytes());
        EXPECT_NE(sim.image.ToBytes(), img.ToBytes());
    }
}

// Hands every command of the model to a simulated processor, as a link would.
class SimHost : public LUnitHost {
public:
    explicit SimHost(SimProcessor &s) : sim(s) {}
    uint8_t GetDeviceId() const override { return 1; }
    bool IsUpdatingControls() const override { return false; }
    void SendCommand(const LCmd &cmd, bool) override
    {
        const ByteVector reply = sim.Feed(cmd.ToBytes(1));
        EXPECT_FALSE(reply.empty());
    }
    void InvalidateCurve(int) override {}
    void SetStorePresetName(int, const std::string &) override {}
    void SetRecallPresetName(int, const std::string &) override {}

private:
    SimProcessor &sim;
};

TEST(SimProcessorTest, RandomModelEditsLeaveTheProcessorWithTheModelsImage)
{
    SimProcessor sim(1);
    SimHost host(sim);
    LUnitControl model(&host);
    std::mt19937 rng(4711);
    auto draw = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto u16 = [&](int lo, int hi) { return uint16_t(draw(lo, hi)); };
    int edits = 0;
    for (int i = 0; i < 4000; ++i) {
        const int ch = draw(0, 11);
        const int in = draw(0, 3);
        const int out = draw(4, 11);
        switch (draw(0, 15)) {
        case 0: model.SetGain(ch, u16(0, 400)); break;
        case 1: model.SetDelay(ch, u16(0, 65280)); break;
        case 2: model.SetPolarity(ch, u16(0, 1)); break;
        case 3: model.SetMute(ch, draw(0, 1) != 0); break;
        case 4:
            model.SetPeqBand(ch, draw(0, ch < 4 ? 7 : 8),
                             PeqBand{u16(0, 240), u16(0, 300), uint8_t(draw(0, 100)), uint8_t(draw(0, 8))},
                             draw(0, 1) != 0);
            break;
        case 5: model.SetGeqBand(ch, draw(0, 30), u16(0, 240)); break;
        case 6: model.SetHighPass(ch, CrossoverRecord{u16(0, 300), 0, uint8_t(draw(0, 20)), 0}); break;
        case 7: model.SetLowPass(ch, CrossoverRecord{0, u16(0, 300), 0, uint8_t(draw(0, 20))}); break;
        case 8: model.SetComp(out, std::array<uint16_t, 5>{u16(0, 15), u16(0, 998), u16(9, 2999), u16(0, 12), u16(0, 220)}); break;
        case 9: model.SetLimit(out, std::array<uint16_t, 4>{u16(0, 998), u16(9, 2999), u16(0, 12), u16(0, 220)}); break;
        case 10: model.SetGate(in, std::array<uint16_t, 4>{u16(0, 998), u16(9, 2999), u16(9, 998), u16(0, 180)}); break;
        case 11: model.SetMatrixRoute(out, in, draw(0, 1) != 0); break;
        case 12: model.SetMixLevel(out, in, u16(0, 280)); break;
        case 13: model.SetDelayUnit(u16(0, 2)); break;
        case 14: model.SetLinkMask(ch, u16(0, ch < 4 ? 0x0F : 0xFF)); break;
        case 15: {
            uint8_t name[8];
            for (uint8_t &c : name)
                c = uint8_t(draw(0, 255));
            model.SetChannelName(ch, name);
            break;
        }
        }
        ++edits;
        if (i % 500 == 0) {
            ASSERT_EQ(sim.image.ToBytes(), model.GetImage().ToBytes()) << "after edit " << i;
        }
    }
    EXPECT_EQ(sim.ReceivedFrames().size(), size_t(edits));
    EXPECT_EQ(sim.refusedCount, 0);
    EXPECT_EQ(sim.image.ToBytes(), model.GetImage().ToBytes());
    EXPECT_NE(sim.image.ToBytes(), ParameterImage::Default().ToBytes());
}

TEST(SimProcessorTest, ParameterBlocksRebuildTheImageInTheModel)
{
    SimProcessor sim = Fixture();
    LUnitControl model;
    for (int b = 0; b < 29; ++b) {
        const Parsed r = Ask(sim, CM_MCS_CMD(1, CMD_GET_PARAMETER_BLOCK, uint8_t(b)));
        ASSERT_TRUE(model.ReceiveImageChunk(r.payload));
    }
    EXPECT_EQ(std::memcmp(model.GetImage().Bytes() + 2, sim.image.Bytes() + 2, 1446), 0);
}

TEST(SimProcessorTest, WholeUnitGoesThroughAFileIntoAnotherProcessor)
{
    // Upload from a processor holding user presets 2 and 5, as the editor reads them.
    SimProcessor a = Fixture();
    a.stored.fill(false);
    for (int slot : {1, 4}) {
        a.storedSlots[size_t(slot)] = RandomImage(uint32_t(50 + slot));
        a.storedSlots[size_t(slot)].Bytes()[0] = 255;
        a.stored[size_t(slot)] = true;
    }
    LUnitControl model;
    ASSERT_TRUE(model.SetPresetFlags(Ask(a, CM_MCS_CMD(1, CMD_UPLOAD_START)).payload));
    ASSERT_TRUE(model.SetDeviceInfo(Ask(a, CM_MCS_READ_EEPROM(1, 0, 18)).payload));
    for (int n : {2, 5}) {
        ASSERT_EQ(Ask(a, CM_MCS_CMD(1, CMD_PARAMETER_BLOCK, uint8_t(n))).code, 0x01);
        for (int b = 0; b < 29; ++b)
            ASSERT_TRUE(model.ReceivePresetChunk(n, Ask(a, CM_MCS_CMD(1, CMD_STORED_PRESET_BLOCK, uint8_t(b))).payload));
    }
    const ByteVector file = UnitFile::FromModel(model).ToBytes();
    ASSERT_EQ(file.size(), 28994u);
    for (int k = 0; k < 20; ++k) {
        const uint8_t *rec = file.data() + 34 + 1448 * size_t(k);
        if (k == 1 || k == 4) {
            EXPECT_EQ(rec[0], k + 1);
            EXPECT_EQ(Bytes(rec + 1, 1445), Bytes(a.storedSlots[size_t(k)].Bytes(), 1445));
        } else {
            EXPECT_EQ(Bytes(rec, 1446), ByteVector(1446, 0x64)) << k;
        }
    }

    // Download into a processor that held other presets: they are replaced.
    SimProcessor b(1);
    b.stored[9] = true;
    b.unitInfo.fill(0x11);
    UnitFile unit;
    ASSERT_EQ(UnitFile::FromBytes(file, unit), FileStatus::Ok);
    EXPECT_EQ(Ask(b, CM_MCS_CMD(1, CMD_PREPARE_DOWNLOAD)).code, 0x01);
    EXPECT_EQ(Ask(b, CM_MCS_WRITE_EEPROM(1, 1, 17, unit.unitInfo.bytes + 1)).code, 0x01);
    for (const UnitRecord &r : unit.records) {
        if (!r.IsStored())
            continue;
        for (int blk = 0; blk < 29; ++blk) {
            const auto data = r.DownloadBlock(blk);
            const Parsed reply =
                Ask(b, CM_MCS_DOWNLOAD(1, uint8_t(blk), uint8_t(r.PresetNumber() - 1), data.data(), data.size()));
            EXPECT_EQ(reply.code, 0x25);
            EXPECT_EQ(reply.payload, ByteVector{uint8_t(blk)});
        }
    }
    EXPECT_EQ(Ask(b, CM_MCS_MCU_RESET(1)).code, 0x01);
    EXPECT_EQ(b.resetCount, 1);
    EXPECT_EQ(b.stored, a.stored);
    for (int slot : {1, 4}) {
        EXPECT_EQ(Bytes(b.storedSlots[size_t(slot)].Bytes(), 1445), Bytes(a.storedSlots[size_t(slot)].Bytes(), 1445));
        EXPECT_EQ(Bytes(b.storedSlots[size_t(slot)].Bytes() + 1445, 3), ByteVector(3, 0));
    }
    EXPECT_EQ(b.unitInfo[0], 0x11);
    EXPECT_EQ(Bytes(b.unitInfo.data() + 1, 17), Bytes(a.unitInfo.data() + 1, 17));
    EXPECT_EQ(b.refusedCount, 0);
}

} // namespace
