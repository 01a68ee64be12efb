#pragma once

class LProgressBar;

// The segmented meters of the editor's pages: a level meter counts lit
// segments (inputs 9: 1 red, 2 yellow, 6 green from the top; outputs 8:
// 1, 3, 4), an activity bar is one orange segment.
void SetUpLevelMeter(LProgressBar *Meter, bool Input);
void SetUpActivityBar(LProgressBar *Meter);
