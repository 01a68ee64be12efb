#pragma once

class PageHost;

// The look of a linked channel on the pages.
namespace LinkLook {

// The member's menu button (and an input's GEQ selector) reads "InA" /
// "Out1" for a leader or single channel (Leader = Member), else the member's
// letter or digit, "=", the leader's ("B=A", "5=3"). Nothing when either
// control is missing.
void SetMenuCaption(PageHost &Host, int Leader, int Member);

// Shows or hides the toggles that overlay the channel on the overview and on
// the other displays of its side; a hidden toggle goes off and the
// channel's overlay curve leaves that display.
void RefreshShowButtons(PageHost &Host, int Channel, bool Visible);

} // namespace LinkLook
