#pragma once
#include "EditorPage.h"

#include <QString>
#include <cstdint>

class TObject;
class TSkBmpButton;

// The row of page buttons, which brings one page's display and parameter
// frames to the front, and the channel pages' titles. The window opens on the
// Gain page with its button down: this is made with the window.
class PageNavigation : public EditorPage {
public:
    static constexpr int kCompPage = 12, kDelayPage = 13, kGainPage = 14, kMatrixPage = 15, kGatePage = 16,
                         kLimitPage = 17, kGeqPage = 18, kPages = 19;

    explicit PageNavigation(PageHost &Host) : EditorPage(Host) {}

    bool OnStartPage() const override { return true; }
    void Build(TWinControl *Client) override;

    // Click of the 19 page buttons; the page is the button's Tag.
    void MenuClick(TObject *Sender);
    // The switch to page n; pressing the page shown changes nothing.
    void ShowPage(int Page);
    // The channel whose page shows channel page n: n itself unless n is a
    // link member, then the first channel of its side whose mask holds n's
    // bit; -1 when none does.
    int ShownChannel(int Page) const;

    // Names of a page's button, display frame and parameter frame.
    static QString ButtonName(int Page);
    static QString DisplayName(int Page);
    static QString ParamName(int Page);

    // Stores a channel's 8-byte name (NUL padded) in the model and shows it on
    // the block diagram's name label and as the page button's hint. Changes
    // nothing when either control is missing.
    static bool SetChannelName(PageHost &Host, int Channel, const uint8_t *Name8);

private:
    TSkBmpButton *Button(int Page) const;

    int shownChannel_ = -1; // whose channel frames are up, -1 for a block page
};
