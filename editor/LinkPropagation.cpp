#include "LinkPropagation.h"

#include "DynamicsText.h"
#include "Control.h"
#include "LinkGroup.h"
#include "PageHost.h"
#include "PageNames.h"
#include "PageRefresh.h"
#include "UpdatingScope.h"

namespace LinkPropagation {

using PageNames::SideName;

void RefreshLinkedGain(PageHost &Host, int Channel, int Position)
{
    UpdatingScope updating(Host);
    const QString text = MixText(Position);
    ForEachInLinkGroup(Host.Model(), Channel, [&](int ch) {
        PageRefresh::SetText(Host.FindControl(SideName("cvdGain", ch)), text);
        PageRefresh::SetText(Host.FindControl(SideName("cvdGainBackup", ch)), text);
        PageRefresh::SetPosition(Host.FindControl(SideName("isGain", ch)), Position);
        PageRefresh::SetPosition(Host.FindControl(SideName("isGainBackup", ch)), Position);
    });
}

void RefreshLinkedPhase(PageHost &Host, int Channel, bool Down)
{
    const QString caption = Host.TranslateQ(Down ? "SID_PHASE_ON" : "SID_PHASE_OFF");
    ForEachInLinkGroup(Host.Model(), Channel, [&](int ch) {
        for (const char *stem : {"skbPhase", "skbPhaseBackup"})
            if (TControl *b = Host.FindControl(SideName(stem, ch))) {
                PageRefresh::SetDown(b, Down);
                b->SetCaption(caption);
            }
    });
}

void RefreshLinkedMute(PageHost &Host, int Channel, bool Down)
{
    ForEachInLinkGroup(Host.Model(), Channel, [&](int ch) {
        PageRefresh::SetDown(Host.FindControl(SideName("skbMute", ch)), Down);
        PageRefresh::SetDown(Host.FindControl(SideName("skbMuteBackup", ch)), Down);
    });
}

} // namespace LinkPropagation
