#pragma once
#include "EditorPage.h"
#include "Events.h"

#include <memory>

class CurveDisplayMouse;
class TMyPEQType8;
class TControl;
class TObject;
class TTimer;

// The parametric EQ of every channel page: the band table, a button per band,
// the frequency, Q and gain sliders with their value boxes and key stepping,
// the channel's EQ bypass, show-all and reset, and on the channel's display
// the magnitude/phase switch and the overlay toggles. Every edit ends in one
// commit of the band: model (whole link group, one command), curve, values.
// One handler per control kind serves all 12 channels (channel from Tag).
class PeqPage : public EditorPage {
public:
    explicit PeqPage(PageHost &Host);
    ~PeqPage() override;

    void Build(TWinControl *Client) override;
    bool Stretch(int dw, int dh, bool Vertical, bool Horizontal) override;
    void ApplyLanguage() override;
    // After the window's refresh filled the tables: every channel's PEQ
    // curve from its table, then the first band of each channel selected.
    void RefreshCurves() override;
    void InvalidateCurve(int Channel) override;
    void ClearPeqBandSelection() override;
    void EndGrab() override;
    void ResetPeq(int Channel) override;

    void SelectFirstPeqBands();
    // Sliders and value boxes of the channel show the values; the sliders'
    // handlers do nothing meanwhile.
    void ShowPeqBandValues(int Channel, bool Enabled, double FreqHz, double GainDb, double Q);
    void FocusPeqFreqEdit(int Channel);
    TTimer *EqCurveTimer() const { return tmEqCurve; }
    CurveDisplayMouse &Mouse() { return *mouse; }

    // Handlers (public for the window's wiring and the tests).
    void BandButtonClick(TObject *Sender);
    void TableEditMouseDown(TObject *Sender);
    void TableChange(TObject *Sender);
    void FreqSliderChange(TObject *Sender);
    void BwSliderChange(TObject *Sender);
    void GainSliderChange(TObject *Sender);
    void EqCurveTick();
    void FreqBoxKeyDown(int Channel, Word &Key);
    void BypassClick(TObject *Sender);
    void ShowAllClick(TObject *Sender);
    void ResetClick(TObject *Sender);

private:
    bool Updating() const;
    TMyPEQType8 *Table(int Channel) const;
    TControl *Find(const char *Prefix, int Channel) const;
    TControl *BandButton(int Channel, int Band) const;
    // Steps 2-8 of selecting a band: values, handle, fill, sum, label.
    bool SelectBand(int Channel, int Band);
    void BuildDisplayControls(int Channel);

    TTimer *tmEqCurve = nullptr;
    bool showingValues = false;
    std::unique_ptr<CurveDisplayMouse> mouse;
};
