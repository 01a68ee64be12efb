#include "TestImages.h"

#include <cstring>
#include <random>

namespace {

class Draw {
public:
    explicit Draw(uint32_t seed) : rng(seed) {}
    uint16_t operator()(unsigned lo, unsigned hi) { return uint16_t(std::uniform_int_distribution<unsigned>(lo, hi)(rng)); }
    void Name(uint8_t *p, int n)
    {
        for (int i = 0; i < n; ++i)
            p[i] = uint8_t((*this)(0x20, 0x7E));
    }
    void Peq(PeqBand *bands, int n)
    {
        for (int b = 0; b < n; ++b)
            bands[b] = PeqBand{(*this)(0, 240), (*this)(0, 300), uint8_t((*this)(0, 100)), uint8_t((*this)(0, 8))};
    }
    template <class R>
    void Common(R &r, unsigned linkBits)
    {
        r.hpfFreq = (*this)(0, 300);
        r.lpfFreq = (*this)(0, 300);
        r.hpfType = uint8_t((*this)(0, 20));
        r.lpfType = uint8_t((*this)(0, 20));
        r.gain = (*this)(0, 400);
        r.polarity = (*this)(0, 1);
        r.delay = (*this)(0, 65280);
        r.linkMask = (*this)(0, linkBits);
    }

private:
    std::mt19937 rng;
};

} // namespace

ParameterImage RandomImage(uint32_t seed)
{
    Draw d(seed);
    ParameterImage img;
    std::memset(&img, 0, sizeof img);
    d.Name(img.presetName, kPresetNameSize);
    for (InputChannelRecord &r : img.inputs) {
        d.Name(r.name, kChannelNameSize);
        r.gate[0] = d(0, 998);
        r.gate[1] = d(9, 2999);
        r.gate[2] = d(9, 998);
        r.gate[3] = d(0, 180);
        for (uint16_t &g : r.geq)
            g = d(0, 240);
        d.Peq(r.peq, kInputPeqBands);
        d.Common(r, 0x0F);
    }
    for (OutputChannelRecord &r : img.outputs) {
        d.Name(r.name, kChannelNameSize);
        r.routeMask = d(0, 0x0F);
        for (uint16_t &m : r.mix)
            m = d(0, 280);
        d.Peq(r.peq, kOutputPeqBands);
        const uint16_t comp[5] = {d(0, 15), d(0, 998), d(9, 2999), d(0, 12), d(0, 220)};
        std::memcpy(r.comp, comp, sizeof comp);
        const uint16_t limit[4] = {d(0, 998), d(9, 2999), d(0, 12), d(0, 220)};
        std::memcpy(r.limit, limit, sizeof limit);
        d.Common(r, 0xFF);
    }
    img.inputMuteMask = d(0, 0x0F);
    img.outputMuteMask = d(0, 0xFF);
    for (int c = 0; c < kChannelCount; ++c)
        img.peqBypassMasks[c] = d(0, c < kInputCount ? 0xFF : 0x1FF);
    img.testSignalMode = d(0, 3);
    img.sineFreqIndex = d(0, 30);
    img.delayUnit = d(0, 2);
    img.inputEqBypassMask = d(0, 0x0F);
    img.outputEqBypassMask = d(0, 0xFF);
    img.inputGeqBypassMask = d(0, 0x0F);
    return img;
}
