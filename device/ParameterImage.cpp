#include "ParameterImage.h"

#include <cstring>
#include <type_traits>

static_assert(std::is_trivially_copyable<ParameterImage>::value, "image is copied as bytes");

namespace {

void PutName(uint8_t *dst, size_t size, const char *text, uint8_t pad)
{
    std::memset(dst, pad, size);
    std::memcpy(dst, text, std::strlen(text));
}

ParameterImage MakeDefault()
{
    ParameterImage img;
    std::memset(&img, 0, sizeof img);
    PutName(img.presetName, kPresetNameSize, "Default Preset", ' ');

    static const uint16_t inFreq[kInputPeqBands] = {41, 71, 101, 140, 170, 200, 240, 270};
    for (int i = 0; i < kInputCount; ++i) {
        InputChannelRecord &r = img.inputs[i];
        const char name[4] = {'I', 'n', char('A' + i), 0};
        PutName(r.name, kChannelNameSize, name, 0);
        r.gate[0] = 0;
        r.gate[1] = 99;
        r.gate[2] = 99;
        r.gate[3] = 0;
        for (uint16_t &g : r.geq)
            g = 120;
        for (int b = 0; b < kInputPeqBands; ++b)
            r.peq[b] = PeqBand{120, inFreq[b], 35, 0};
        r.lpfFreq = 300;
        r.linkMask = uint16_t(1u << i);
    }

    static const uint16_t outFreq[kOutputPeqBands] = {31, 63, 95, 127, 158, 190, 222, 253, 285};
    for (int o = 0; o < kOutputCount; ++o) {
        OutputChannelRecord &r = img.outputs[o];
        const char name[5] = {'O', 'u', 't', char('1' + o), 0};
        PutName(r.name, kChannelNameSize, name, 0);
        r.routeMask = uint16_t(1u << (o % 4));
        for (uint16_t &m : r.mix)
            m = 280;
        r.lpfFreq = 300;
        for (int b = 0; b < kOutputPeqBands; ++b)
            r.peq[b] = PeqBand{120, outFreq[b], 35, 0};
        const uint16_t comp[5] = {0, 49, 499, 0, 220};
        std::memcpy(r.comp, comp, sizeof comp);
        const uint16_t limit[4] = {49, 499, 0, 220};
        std::memcpy(r.limit, limit, sizeof limit);
        r.gain = 280;
        r.linkMask = uint16_t(1u << o);
    }
    return img;
}

} // namespace

const ParameterImage &ParameterImage::Default()
{
    static const ParameterImage img = MakeDefault();
    return img;
}

std::vector<uint8_t> ParameterImage::ToBytes() const
{
    return std::vector<uint8_t>(Bytes(), Bytes() + kSize);
}

bool ParameterImage::FromBytes(const uint8_t *p, size_t n)
{
    if (n != kSize || p == nullptr)
        return false;
    std::memcpy(this, p, kSize);
    return true;
}

uint16_t FindGroupLinkMask(const ParameterImage &image, int ch)
{
    if (ch < 0 || ch >= kChannelCount)
        return 0;
    const bool input = ch < kInputCount;
    auto mask = [&](int c) { return input ? image.inputs[c].linkMask : image.outputs[c - kInputCount].linkMask; };
    const int first = input ? 0 : kInputCount;
    const unsigned bit = 1u << (ch - first);
    uint16_t m = mask(ch);
    if (m & bit)
        return m;
    for (int c = first; c < ch; ++c) {
        m = mask(c);
        if (m & bit)
            break;
    }
    return m;
}
