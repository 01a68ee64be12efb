#include "GainOverviewToggles.h"

#include "ControlTable.h"
#include "EditorCurves.h"
#include "PageHost.h"
#include "WinControl.h"

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
    auto *in = dynamic_cast<TWinControl *>(host.FindControl("skgFftShowChIn"));
    auto *out = dynamic_cast<TWinControl *>(host.FindControl("skgFftShowChOut"));
    for (int n = 0; n < 12; ++n) {
        if (n < 4)
            host.Curves().MakeOverlayToggle(EditorCurves::kGainIn, n, in, 4 + 52 * n);
        else
            host.Curves().MakeOverlayToggle(EditorCurves::kGainOut, n, out, 4 + 52 * (n - 4));
    }
}

bool GainOverviewToggles::Stretch(int dw, int, bool, bool Horizontal)
{
    return !Horizontal || Apply(host, kHorizontal, dw);
}
