#pragma once

class PageHost;

// Shows an edited value of the channel strips on every channel of the edited
// channel's link group (the edited channel included), after the handler has
// called the model's group setter. The gain moves sliders with the host's
// updating flag raised, so that their change handlers send nothing; the
// toggles raise no change event and leave the flag alone.
namespace LinkPropagation {

// Gain slider position p (-280..120): both strips' sliders and value boxes.
void RefreshLinkedGain(PageHost &Host, int Channel, int Position);
// Both strips' polarity toggles and their captions.
void RefreshLinkedPhase(PageHost &Host, int Channel, bool Down);
// Both strips' mute toggles.
void RefreshLinkedMute(PageHost &Host, int Channel, bool Down);

} // namespace LinkPropagation
