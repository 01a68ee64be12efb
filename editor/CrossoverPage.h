#pragma once
#include "EditorPage.h"

class TObject;

// The high-pass ("LowCut") and low-pass ("HighCut") filter of every channel
// page: frequency slider with its value box, slope list and bypass button.
// An edit writes the filter into the model (which sends it) and rebuilds the
// filter's curve: a slider move on the crossover timer's tick, a slope or
// bypass change at once. One handler per control kind serves all channels;
// the channel is the sender's Tag.
class CrossoverPage : public EditorPage {
public:
    using EditorPage::EditorPage;

    void Build(TWinControl *Client) override;
    void ApplyLanguage() override;
    // Every channel's high- and low-pass curves, from the model, after the
    // window's refresh.
    void RefreshCurves() override;

    // The handlers, public so that the drag on a display and the tests reach
    // them as the controls do.
    void FreqChange(TObject *Sender, bool HighPass);
    void SlopeChange(TObject *Sender, bool HighPass);
    void BypassClick(TObject *Sender, bool HighPass);

private:
    // The list's and the button's common steps: the model record, the
    // filter's curve at once with its text and fill, the sum, then the model.
    void ListOrButtonEdit(TObject *Sender, bool HighPass, bool ByButton);
};
