#include <gtest/gtest.h>

#include "LCmd.h"
#include "ParameterImage.h"
#include "ValueScales.h"

#include <cstring>
#include <string>

namespace {

// Every default of the image, read by byte offset (not through the structs).
TEST(ParameterImageTest, DefaultValuesAtEveryOffset)
{
    const ByteVector b = ParameterImage::Default().ToBytes();
    ASSERT_EQ(b.size(), 1448u);
    auto word = [&](size_t off) { return unsigned(b[off] | (b[off + 1] << 8)); };
    struct Expect {
        std::string what;
        size_t offset;
        unsigned value;
    };
    std::vector<Expect> words = {{"reserved", 0, 0}};
    const unsigned inFreq[8] = {41, 71, 101, 140, 170, 200, 240, 270};
    for (size_t i = 0; i < 4; ++i) {
        const size_t r = 16 + 140 * i;
        const std::string in = "input " + std::to_string(i) + " ";
        const unsigned gate[4] = {0, 99, 99, 0};
        for (size_t k = 0; k < 4; ++k)
            words.push_back({in + "gate", r + 8 + 2 * k, gate[k]});
        for (size_t k = 0; k < 31; ++k)
            words.push_back({in + "geq", r + 16 + 2 * k, 120});
        for (size_t k = 0; k < 8; ++k) {
            words.push_back({in + "peq gain", r + 78 + 6 * k, 120});
            words.push_back({in + "peq freq", r + 80 + 6 * k, inFreq[k]});
            words.push_back({in + "peq q, type", r + 82 + 6 * k, 35});
        }
        words.push_back({in + "hpf freq", r + 126, 0});
        words.push_back({in + "lpf freq", r + 128, 300});
        words.push_back({in + "types", r + 130, 0});
        words.push_back({in + "gain", r + 132, 0});
        words.push_back({in + "polarity", r + 134, 0});
        words.push_back({in + "delay", r + 136, 0});
        words.push_back({in + "link", r + 138, 1u << i});
        EXPECT_EQ(std::memcmp(&b[r], (std::string("In") + char('A' + i)).c_str(), 4), 0);
        EXPECT_EQ(std::memcmp(&b[r + 4], "\0\0\0\0", 4), 0);
    }
    const unsigned outFreq[9] = {31, 63, 95, 127, 158, 190, 222, 253, 285};
    for (size_t o = 0; o < 8; ++o) {
        const size_t r = 576 + 104 * o;
        const std::string out = "output " + std::to_string(o + 1) + " ";
        words.push_back({out + "route", r + 8, 1u << (o % 4)});
        for (size_t k = 0; k < 4; ++k)
            words.push_back({out + "mix", r + 10 + 2 * k, 280});
        words.push_back({out + "hpf freq", r + 18, 0});
        words.push_back({out + "lpf freq", r + 20, 300});
        words.push_back({out + "types", r + 22, 0});
        for (size_t k = 0; k < 9; ++k) {
            words.push_back({out + "peq gain", r + 24 + 6 * k, 120});
            words.push_back({out + "peq freq", r + 26 + 6 * k, outFreq[k]});
            words.push_back({out + "peq q, type", r + 28 + 6 * k, 35});
        }
        const unsigned dyn[9] = {0, 49, 499, 0, 220, 49, 499, 0, 220};
        for (size_t k = 0; k < 9; ++k)
            words.push_back({out + "comp/limit", r + 78 + 2 * k, dyn[k]});
        words.push_back({out + "gain", r + 96, 280});
        words.push_back({out + "polarity", r + 98, 0});
        words.push_back({out + "delay", r + 100, 0});
        words.push_back({out + "link", r + 102, 1u << o});
        EXPECT_EQ(std::memcmp(&b[r], (std::string("Out") + char('1' + o)).c_str(), 5), 0);
    }
    for (size_t off = 1408; off < 1448; off += 2)
        words.push_back({"masks and globals", off, 0});
    for (const Expect &e : words)
        EXPECT_EQ(word(e.offset), e.value) << e.what << " at " << e.offset;
    EXPECT_EQ(std::memcmp(&b[2], "Default Preset", 14), 0);
}

TEST(ParameterImageTest, DefaultEncodingsReadAsTheirPhysicalValues)
{
    EXPECT_DOUBLE_EQ(IndexToFreq(170), 1000.0);
    EXPECT_DOUBLE_EQ(IndexToGain(120), 0.0);
    EXPECT_EQ(GainText(280 - 280), "+0.0dB");  // output gain word 280
    EXPECT_EQ(GainText(0 - 280), "-60.0dB");   // input gain word 0
}

TEST(ParameterImageTest, FromBytesTakesExactlyOneImage)
{
    ParameterImage img = ParameterImage::Default();
    ByteVector bytes(ParameterImage::kSize, 0x5A);
    EXPECT_FALSE(img.FromBytes(bytes.data(), bytes.size() - 1));
    EXPECT_EQ(img.ToBytes(), ParameterImage::Default().ToBytes());
    EXPECT_TRUE(img.FromBytes(bytes.data(), bytes.size()));
    EXPECT_EQ(img.ToBytes(), bytes);
}

} // namespace
