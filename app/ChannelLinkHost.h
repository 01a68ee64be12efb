#pragma once

// What the channel link and copy dialogs need of the main window: the link
// masks of the model, the channel copy, the reload after a link change, the
// link look of the menu buttons and the two page selections that Set ends
// with. The main window implements it; tests use a recording fake.
class ChannelLinkHost {
public:
    virtual ~ChannelLinkHost() = default;

    // Channels 0-3 inputs, 4-11 outputs; masks over the channel's side.
    virtual int GetLinkMask(int Channel) = 0;
    virtual void SetLinkMask(int Channel, int Mask) = 0;
    // Copies from's settings onto to's link group; Reload brings the pages
    // up to date afterwards (online through an upload from the device).
    virtual void CopyChannel(int From, int To, bool Reload) = 0;
    virtual void ReloadAfterLinkChange() = 0;
    // Member = Leader for a leader or a single channel.
    virtual void SetLinkedMenuCaption(int Leader, int Member) = 0;
    virtual void RefreshLinkedShowButtons(int Channel, bool Visible) = 0;
    // The Gain page, and input A on the GEQ page.
    virtual void ShowGainPage() = 0;
    virtual void SelectGeqInputA() = 0;
};
