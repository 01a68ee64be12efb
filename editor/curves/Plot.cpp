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

void Plot::SumSlots(int first, int count, double *out, bool wrapPhase) const
{
    // An unwritten slot is +0.0 throughout, and adding +0.0 to a sum that
    // starts at +0.0 changes no bit of it: such slots are left out.
    const double *slots[kSlotCount];
    int n = 0;
    for (int s = first; s < first + count; ++s)
        if (Filter(s).response.Written())
            slots[n++] = Filter(s).response;
    SumResponses(slots, n, out, wrapPhase);
}

void Plot::DrawSum(int colourIndex)
{
    SumSlots(0, kSummedSlots, filters[kSumSlot]->response.data(), phaseMode == 1);
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
