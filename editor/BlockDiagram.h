#pragma once
#include "EditorPage.h"

class TObject;
class TSkBmpButton;

// The block diagram of the Matrix page: per channel a panel of block labels
// (a click opens the page that edits the block) and the channel's name (a
// click opens the name dialog).
class BlockDiagram : public EditorPage {
public:
    using EditorPage::EditorPage;

    void Build(TWinControl *Client) override;
    bool Stretch(int dw, int dh, bool Vertical, bool Horizontal) override;

private:
    // Clicks the page's button, as the row of page buttons would be clicked.
    void OpenPage(int Page);
    void ChannelLabelClick(TObject *Sender);
    static void LabelMouseMove(TObject *Sender);
    static void LabelMouseLeave(TObject *Sender);
    TSkBmpButton *ButtonOf(int Page) const;
};
