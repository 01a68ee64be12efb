#pragma once
#include "EditorPage.h"

class TObject;

// The gain strip of every channel (gain slider with its value box, mute and
// polarity toggles, level meter) twice: on the channel's own page and, side
// by side for all twelve, on the Gain page ("Backup" in the names). Both
// copies always show the same state; an edit of either updates the model
// (which writes the channel's link group and sends one command) and the
// strips of the group's other channels.
class ChannelStrip : public EditorPage {
public:
    explicit ChannelStrip(PageHost &Host) : EditorPage(Host) {}

    bool OnStartPage() const override { return true; }
    void Build(TWinControl *Client) override;
    bool Stretch(int dw, int dh, bool Vertical, bool Horizontal) override;
    void ApplyLanguage() override;
    // The meters of the channel pages and the Gain page; stops at the first
    // control that is missing.
    void ShowLevels(const LMainLinkUi::LevelDisplay &Levels) override;
    void ResetMeters() override;

    // Handlers shared by the twelve controls of a column (Tag = channel);
    // Backup marks the Gain page's copy.
    void GainChange(TObject *Sender, bool Backup);
    void MuteClick(TObject *Sender, bool Backup);
    void PhaseClick(TObject *Sender, bool Backup);

    // Show an edited value on both copies of every channel of Channel's link
    // group; the gain raises the updating flag meanwhile.
    void RefreshLinkedGain(int Channel, int Position);
    void RefreshLinkedMute(int Channel, bool Down);
    void RefreshLinkedPhase(int Channel, bool Down);
};
