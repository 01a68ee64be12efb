#pragma once
// The position a slider or an up-down spinner shows.
#include "SmTrackBar.h"
#include "UpDown.h"

// -99999 for a control that is neither.
inline int ShownPosition(TControl *Control)
{
    if (auto *s = dynamic_cast<TCustomTrackBar *>(Control))
        return s->Position();
    if (auto *u = dynamic_cast<TUpDown *>(Control))
        return u->Position();
    return -99999;
}
