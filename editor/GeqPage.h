#pragma once
#include "EditorPage.h"

class TObject;
class TTimer;

// The 31-band graphic EQ of each input: band sliders with their gain labels,
// the response display with its bypass and reset buttons, and the selector
// buttons that bring one input's boxes to the front. A slider move recomputes
// its band's curve, writes the model (which sends the band) and arms a 1 ms
// timer whose tick redraws the total once per burst of moves.
class GeqPage : public EditorPage {
public:
    static constexpr int kBands = 31;
    static constexpr int kFirstPlot = 14; // display index of input A's curve

    using EditorPage::EditorPage;

    void Build(TWinControl *Client) override;
    bool Stretch(int dw, int dh, bool Vertical, bool Horizontal) override;
    void ApplyLanguage() override;
    void HideGeqBandOverlay() override;
    // Each input's GEQ curve, from the model, after the window's refresh.
    void RefreshCurves() override;
    // The EQ reset confirmation's GEQ targets 12-15 (inputs A-D): every band
    // back to its factory value through its slider, each band also sent with
    // the append flag.
    void ResetGeq(int Target) override;

    // The handlers, public so that the window's other parts (the link dialog
    // selects input A) and the tests reach them as the controls do.
    void BandChange(TObject *Sender, int Input);
    void GeqCurveTimer();
    void SelectClick(TObject *Sender);
    void BypassClick(TObject *Sender);
    void ResetClick(TObject *Sender);
    void MatrixGeqClick(TObject *Sender);

    TTimer *CurveTimer() const { return tmGeqCurve; }

private:
    // The block diagram's "GEQ" labels lead here; the diagram may be made
    // after this page, so the captions' pass (after every page is made)
    // wires them again.
    void WireMatrixLabels();

    TTimer *tmGeqCurve = nullptr;
    // The last band edit, for the timer's redraw and the selector.
    int geqEditPlot = kFirstPlot;
    int geqEditBand = 0;
    double geqEditGain = 0.0;
    float geqEditQ = 8.65f;
};
