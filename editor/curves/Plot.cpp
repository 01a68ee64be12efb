#include "Plot.h"

#include "SharedConstants.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {
// The selected band's texts (clYellow).
constexpr RgbColour kFilledTextColour{255, 255, 0};
} // namespace

Plot::Plot(PlotDisplay *display_) : display(display_)
{
    // A new record is that shelf already, and its response is exactly 0 at
    // every point: nothing to compute, and no memory taken until written.
    for (auto &f : filters)
        f = std::make_unique<PlotFilter>();
}

Plot::~Plot() = default;

PlotFilter &Plot::Filter(int slot)
{
    if (slot < 0 || slot >= kSlotCount)
        throw std::out_of_range("Plot slot " + std::to_string(slot));
    return *filters[size_t(slot)];
}

const PlotFilter &Plot::Filter(int slot) const
{
    return const_cast<Plot *>(this)->Filter(slot);
}

void Plot::SetPhaseMode(uint8_t phase)
{
    phaseMode = phase;
    for (auto &f : filters)
        f->phaseMode = phase;
}

void Plot::DrawSum(int colourIndex)
{
    const double *slots[kSummedSlots];
    for (int s = 0; s < kSummedSlots; ++s)
        slots[s] = filters[size_t(s)]->response;
    double *sum = filters[kSumSlot]->response.data();
    SumResponses(slots, kSummedSlots, sum);
    if (phaseMode == 1) {
        for (int i = 0; i < kGridPoints; ++i) {
            double s = sum[i];
            if (s > 18) {
                s -= 36;
                if (s > 18)
                    s -= 36;
            } else if (s < -18) {
                s += 36;
                if (s < -18)
                    s += 36;
            }
            sum[i] = s;
        }
    }
    filters[kSumSlot]->response.ReleaseIfFlat();
    DrawCurve(kSumSlot, ChannelColours[std::clamp(colourIndex, 0, kChannelColourCount - 1)]);
}

void Plot::DrawCurve(int slot, RgbColour colour)
{
    const PlotFilter &f = Filter(slot);
    if (display)
        display->FFTDraw(f.response, kGridPoints, slot, colour, 0);
}

void Plot::RemoveCurve(int key)
{
    if (display)
        display->RemovePlot(key);
}

void Plot::DrawBlock(int slot, float y, int style)
{
    const PlotFilter &f = Filter(slot);
    if (!display)
        return;
    display->DrawBlock(double(y), GridPosition(f.freqHz), BandColours[slot], slot, false, style);
    display->SetBlockParameter(slot, f.freqHz, f.gainDb, f.q, f.code);
}

void Plot::DrawFilled(int bandType, int slot, float gain, float q, bool show)
{
    if (!display)
        return;
    if (!show) {
        display->SetCurveDisplay(false);
        return;
    }
    const PlotFilter &f = Filter(std::max(slot, 0));
    display->DrawParam(bandType, double(gain), GridPosition(f.freqHz), float(f.freqHz), double(q), kFilledTextColour);
    display->DrawCurveFill(bandType, f.response, kGridPoints);
    display->SetCurveDisplay(true);
}
