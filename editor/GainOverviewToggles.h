#pragma once
#include "EditorPage.h"

// The Gain page's two overviews, inputs and outputs: above each a toggle per
// channel of its side that shows or hides the channel's curve on it. The
// window opens on the Gain page, so these are made with it.
class GainOverviewToggles : public EditorPage {
public:
    using EditorPage::EditorPage;

    bool OnStartPage() const override { return true; }
    void Build(TWinControl *Client) override;
    bool Stretch(int dw, int dh, bool Vertical, bool Horizontal) override;
};
