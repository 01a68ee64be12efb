#include "GainOverviewToggles.h"

#include "ControlTable.h"
#include "EditorCurves.h"
#include "LdPowerButton.h"
#include "PageHost.h"
#include "PageNames.h"
#include "SharedConstants.h"

namespace {

using namespace ControlTable;

const Family kFamilies[] = {
    {"skgFftShowChIn", MakeGroupBox, Each::One, "skgFftGain", 180, 1, 220, 22, 0, ""},
    {"skgFftShowChOut", MakeGroupBox, Each::One, "skgFftGain", 662, 1, 420, 22, 0, ""},
};

const Rule kHorizontal[] = {
    {"skgFftShowChIn", Each::One, Edge::Left, [](int d, int) { return d / 2 + 180; }},
    {"skgFftShowChOut", Each::One, Edge::Left, [](int d, int) { return d + 662; }},
};

} // namespace

void GainOverviewToggles::Build(TWinControl *Client)
{
    ControlTable::Build(host, Client, kFamilies);
    for (int n = 0; n < 12; ++n) {
        const bool input = n < 4;
        const int d = input ? EditorCurves::kGainIn : EditorCurves::kGainOut;
        auto *toggle = static_cast<TLdPowerButton *>(MakeDisplayToggle(host.ControlOwner()));
        toggle->SetName(EditorCurves::OverlayToggleName(d, n));
        toggle->SetParent(dynamic_cast<TWinControl *>(host.FindControl(input ? "skgFftShowChIn" : "skgFftShowChOut")));
        toggle->SetBounds(4 + 52 * (input ? n : n - 4), 3, 47, 16);
        const RgbColour &colour = ChannelColours[n];
        toggle->Font()->SetColor(RGB(colour.r, colour.g, colour.b));
        toggle->SetCaption(PageNames::SideName("", n));
        toggle->SetTag(n);
        toggle->OnClick = [this, d](TObject *S) { host.Curves().OverlayToggleClick(d, S); };
        host.RegisterControl(toggle);
    }
}

bool GainOverviewToggles::Stretch(int dw, int, bool, bool Horizontal)
{
    return !Horizontal || Apply(host, kHorizontal, dw);
}
