#include "SliderAccess.h"

#include "SmTrackBar.h"
#include "UpDown.h"

namespace SliderAccess {

int SetPosition(TControl *Control, int Value)
{
    if (auto *track = dynamic_cast<TCustomTrackBar *>(Control)) {
        track->SetPosition(Value);
        return track->Position();
    }
    if (auto *spin = dynamic_cast<TUpDown *>(Control)) {
        spin->SetPosition(Value);
        return spin->Position();
    }
    return Value;
}

bool Position(const TControl *Control, int &Value)
{
    if (auto *track = dynamic_cast<const TCustomTrackBar *>(Control))
        Value = track->Position();
    else if (auto *spin = dynamic_cast<const TUpDown *>(Control))
        Value = spin->Position();
    else
        return false;
    return true;
}

bool Max(const TControl *Control, int &Value)
{
    if (auto *track = dynamic_cast<const TCustomTrackBar *>(Control))
        Value = track->Max();
    else if (auto *spin = dynamic_cast<const TUpDown *>(Control))
        Value = spin->Max();
    else
        return false;
    return true;
}

} // namespace SliderAccess
