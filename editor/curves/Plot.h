#pragma once
#include "PlotDisplay.h"
#include "PlotFilter.h"

#include <array>
#include <cstdint>
#include <memory>

// The response curves of one display: 48 filter records ("slots") and the
// drawing of them. Slots 0-30 hold equaliser bands, 31 the high-pass total,
// 32 the low-pass total, 33 the channel's sum of slots 0-32, 34-38 the
// working sections of a crossover build, 39-46 overlay copies of other
// channels' sums. The display is optional: without one nothing is drawn and
// the slots are still computed. None of the drawing copies the display page
// to the screen; the caller ends a batch with the display's update.
class Plot {
public:
    static constexpr int kSlotCount = 48;
    static constexpr int kSummedSlots = 33; // slots 0-32 make the sum
    static constexpr int kHighPassSlot = 31;
    static constexpr int kLowPassSlot = 32;
    static constexpr int kSumSlot = 33;
    static constexpr int kFirstSectionSlot = 34;
    static constexpr int kSectionSlots = 5;
    static constexpr int kFirstOverlaySlot = 39;

    // Every slot starts as a 0 dB high shelf at 1000 Hz, Q 0.4: exactly flat.
    explicit Plot(PlotDisplay *display = nullptr);
    ~Plot();
    Plot(const Plot &) = delete;
    Plot &operator=(const Plot &) = delete;

    PlotDisplay *Display() const { return display; }
    // Slot 0-47; out_of_range otherwise.
    PlotFilter &Filter(int slot);
    const PlotFilter &Filter(int slot) const;

    // Stores the mode in the plot and in every slot; recomputes nothing.
    void SetPhaseMode(uint8_t phase);
    uint8_t GetPhaseMode() const { return phaseMode; }

    // Slot 33 := the sum of slots 0-32 in slot order; in phase mode wrapped by
    // at most two steps of 36 towards +-18. Then drawn with key 33 in the
    // colour of display index colourIndex (0-17, clamped).
    void DrawSum(int colourIndex);
    // out := the sum of slots first to first + count - 1 in slot order, as
    // SumResponses adds them (wrapPhase as there); out lies outside them.
    void SumSlots(int first, int count, double *out, bool wrapPhase = false) const;
    // Draws the slot's curve with key = slot (style 0).
    void DrawCurve(int slot, RgbColour colour);
    void RemoveCurve(int key);
    // Places the slot's band marker at its frequency and height y, in its
    // band colour, and hands its parameters to the display.
    void DrawBlock(int slot, float y, int style);
    // show: the selected band's texts and the fill of its curve (a negative
    // slot counts as 0); otherwise only hides them.
    void DrawFilled(int bandType, int slot, float gain, float q, bool show);

private:
    PlotDisplay *display;
    uint8_t phaseMode = 0;
    std::array<std::unique_ptr<PlotFilter>, kSlotCount> filters;
};
