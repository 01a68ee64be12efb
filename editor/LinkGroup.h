#pragma once
#include "LUnitControl.h"

// Calls F(channel) for every channel of Channel's link group, in bit order
// (the edited channel included).
template <typename F>
void ForEachInLinkGroup(const LUnitControl &Model, int Channel, F f)
{
    const unsigned mask = Model.FindGroupLinkMask(Channel);
    const int first = Channel < 4 ? 0 : 4, count = Channel < 4 ? 4 : 8;
    for (int bit = 0; bit < count; ++bit)
        if (mask & (1u << bit))
            f(first + bit);
}
