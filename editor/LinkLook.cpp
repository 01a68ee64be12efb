#include "LinkLook.h"

#include "EditorCurves.h"
#include "LdPowerButton.h"
#include "PageHost.h"
#include "PageNames.h"
#include "SharedConstants.h"
#include "Plot.h"

namespace LinkLook {

void SetMenuCaption(PageHost &Host, int Leader, int Member)
{
    if (Member < 0 || Member > 11 || Leader < 0 || Leader > 11)
        return;
    const bool input = Member < 4;
    TControl *menu = Host.FindControl(PageNames::SideName("skbMenu", Member));
    TControl *geq = input ? Host.FindControl(PageNames::Name("skbGeqSelIn", Member)) : nullptr;
    if (!menu || (input && !geq))
        return;
    const QString caption = Leader == Member ? (input ? "In" : "Out") + PageNames::Suffix(Member)
                                             : PageNames::Suffix(Member) + "=" + PageNames::Suffix(Leader);
    menu->SetCaption(caption);
    if (geq)
        geq->SetCaption(caption);
}

void RefreshShowButtons(PageHost &Host, int Channel, bool Visible)
{
    if (Channel < 0 || Channel > 11)
        return;
    const bool input = Channel < 4;
    EditorCurves &curves = Host.Curves();
    auto toggleOn = [&](int Display) {
        return dynamic_cast<TLdPowerButton *>(Host.FindControl(EditorCurves::OverlayToggleName(Display, Channel)));
    };
    const int overview = input ? EditorCurves::kGainIn : EditorCurves::kGainOut;
    TLdPowerButton *own = toggleOn(overview);
    if (!Host.FindControl(PageNames::SideName("skbMenu", Channel)) || !own)
        return;
    auto show = [&](TLdPowerButton *Toggle, int Display, int Key) {
        Toggle->SetVisible(Visible);
        if (Visible)
            return;
        Toggle->SetActive(false);
        curves.overlayStale[size_t(Display)] &= ~(1 << Channel);
        curves.PlotOf(Display).RemoveCurve(Key);
    };
    show(own, overview, Channel);
    const int first = input ? 0 : 4, last = input ? 3 : 11;
    for (int d = first; d <= last; ++d) {
        if (d == Channel)
            continue;
        TLdPowerButton *t = toggleOn(d);
        if (!t)
            break;
        show(t, d, Plot::kFirstOverlaySlot + Channel - first);
    }
}

} // namespace LinkLook
