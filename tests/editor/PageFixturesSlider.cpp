#include "PageFixtures.h"

#include "PageHost.h"
#include "SliderAccess.h"
#include "SmTrackBar.h"
#include "UpDown.h"

namespace PageFixtures {

TControl *Slider(PageHost &Host, const QString &Name, int Min, int Max)
{
    auto *s = new TSmTrackBar(Host.ControlOwner());
    s->SetName(Name);
    s->SetMin(Min);
    s->SetMax(Max);
    Host.RegisterControl(s);
    return s;
}

TControl *Spinner(PageHost &Host, const QString &Name, int Min, int Max)
{
    auto *s = new TUpDown(Host.ControlOwner());
    s->SetName(Name);
    s->SetMin(Min);
    s->SetMax(Max);
    Host.RegisterControl(s);
    return s;
}

int Position(TControl *Control)
{
    int p = -99999;
    SliderAccess::Position(Control, p);
    return p;
}

} // namespace PageFixtures
