#pragma once
#include "PendingCurveEdit.h"

#include <QString>
#include <array>
#include <memory>

class FftDrawDisplay;
class LMyFFTDrawHpLp6dB;
class PageHost;
class TWinControl;
class Plot;
class TObject;
class TTimer;

// The response curves of the main window's 18 displays and the state the
// curve pages share: one Plot per display (0-3 inputs, 4-11 outputs, 12 and
// 13 the Gain page's overviews, 14-17 the GEQ displays), the pending slider or
// drag edit, the grabbed handle, the crossover curve's 1 ms timer and the
// overlay masks. Every lookup is by control name; a missing control ends the
// operation without a message.
class EditorCurves {
public:
    static constexpr int kDisplays = 18;
    static constexpr int kGainIn = 12, kGainOut = 13, kFirstGeq = 14;
    static constexpr int kOverlayDisplays = 14;

    explicit EditorCurves(PageHost &Host);
    ~EditorCurves();
    EditorCurves(const EditorCurves &) = delete;
    EditorCurves &operator=(const EditorCurves &) = delete;

    // Display index 0-17 (clamped): its Plot, bound on first use to the display
    // of that name (none when the window has no such display).
    Plot &PlotOf(int Index);
    LMyFFTDrawHpLp6dB *Display(int Index);
    static QString DisplayName(int Index);
    // Copies a display's curve page to the screen (nothing without the display).
    void UpdateCurvePage(int Index);

    // The handle being dragged on a display (band 0-8, 31 high-pass, 32
    // low-pass), -1 when none; while set the band table commits nothing.
    int dragBlock = -1;
    PendingCurveEdit pending;

    // --- Curve building from the pages' controls and the model
    // Slots 0-8 from the channel's band table (bypassed bands flat), the
    // handles, then the sum; nothing without the table.
    void BuildPeqCurve(int Channel);
    void BuildHpLpCurve(bool IsHighPass, int SlopeType, double CornerHz, int BaseSlot, int Channel);
    // The filter as the model holds it, then the sum.
    void UpdateHighPassCurve(int Channel);
    void UpdateLowPassCurve(int Channel);
    // GEQ display of input 0-3 from the model, sum, page to the screen.
    void BuildGeqCurve(int Input);
    // Every curve of a channel display from its table and the model.
    void BuildChannel(int Channel);

    // The crossover edit waiting for its tick: the curve is built there.
    void ScheduleHpLpCurve(const PendingCurveEdit &Edit);
    TTimer *HpLpTimer() const { return tmHpLpCurve; }
    void HpLpCurveTimer();

    // Magnitude (false) or phase (true) on a channel display; the radio
    // buttons' handlers.
    void ShowPhase(int Channel, bool Phase);

    // --- Overlays: other channels' sums copied onto a display
    void InvalidateCurve(int Channel);
    void RefreshGainOverlays();
    void RefreshChannelOverlays(int Display);
    // A toggle of display d (Tag = the channel it shows) was clicked.
    void OverlayToggleClick(int Display, TObject *Sender);
    // Bit n set: channel n's sum changed since display d last copied it.
    std::array<int, kOverlayDisplays> overlayStale{};
    // The toggle on display d that shows channel n ("ldbShowBInA",
    // "ldbShow3Gain"...).
    static QString OverlayToggleName(int Display, int Channel);
    // Makes and names that toggle at (Left, 3) in Parent: the channel's name
    // in its colour, Tag the channel, a click toggling the overlay.
    void MakeOverlayToggle(int Display, int Channel, TWinControl *Parent, int Left);

private:
    struct Binding;
    PageHost &host;
    std::array<std::unique_ptr<Binding>, kDisplays> bindings;
    TTimer *tmHpLpCurve;
};

// Text forms of the value boxes: frequency ("1.00KHz", " 19.7Hz"), gain
// slider position ("+0.0dB", "-0.3dB") and Q slider position ("3.00").
QString SliderFreqText(double Hz);
QString SliderGainText(int Position);
QString SliderQText(int Position);
