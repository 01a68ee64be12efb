// Overlays: other channels' summed curves copied onto a channel display or
// onto the Gain page's overviews, each switched by a toggle on that display.
// A display copies a curve only when its stale bit says the curve changed.
#include "EditorCurves.h"
#include "ControlTable.h"

#include "LdPowerButton.h"
#include "PageHost.h"
#include "PageNames.h"
#include "Plot.h"
#include "SharedConstants.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsInput(int ch) { return ch < 4; }
QChar ChannelMark(int ch) { return ch < 4 ? QChar('A' + ch) : QChar('1' + ch - 4); }

// The overlay slot of channel n on display d: n itself on an overview, else
// 39 + n's index on its side.
int OverlaySlot(int d, int n)
{
    if (d == EditorCurves::kGainIn || d == EditorCurves::kGainOut)
        return n;
    return Plot::kFirstOverlaySlot + (IsInput(n) ? n : n - 4);
}

void CopySum(Plot &from, Plot &to, int slot)
{
    std::memcpy(to.Filter(slot).response.data(), from.Filter(Plot::kSumSlot).response.data(), sizeof(double) * kGridPoints);
}

} // namespace

QString EditorCurves::OverlayToggleName(int Display, int Channel)
{
    QString name = QStringLiteral("ldbShow") + ChannelMark(Channel);
    if (Display == kGainIn || Display == kGainOut)
        return name + QStringLiteral("Gain");
    return name + (IsInput(Display) ? QStringLiteral("In") : QStringLiteral("Out")) + ChannelMark(Display);
}

void EditorCurves::MakeOverlayToggle(int Display, int Channel, TWinControl *Parent, int Left)
{
    auto *toggle = static_cast<TLdPowerButton *>(ControlTable::MakeDisplayToggle(host.ControlOwner()));
    toggle->SetName(OverlayToggleName(Display, Channel));
    toggle->SetParent(Parent);
    toggle->SetBounds(Left, 3, 47, 16);
    const RgbColour &colour = ChannelColours[Channel];
    toggle->Font()->SetColor(RGB(colour.r, colour.g, colour.b));
    toggle->SetCaption(PageNames::SideName("", Channel));
    toggle->SetTag(Channel);
    toggle->OnClick = [this, Display](TObject *S) { OverlayToggleClick(Display, S); };
    host.RegisterControl(toggle);
}

void EditorCurves::InvalidateCurve(int Channel)
{
    if (Channel < 0 || Channel > 11)
        return;
    const int first = IsInput(Channel) ? 0 : 4, last = IsInput(Channel) ? 3 : 11;
    for (int d = first; d <= last; ++d)
        overlayStale[size_t(d)] |= 1 << Channel;
    overlayStale[IsInput(Channel) ? kGainIn : kGainOut] |= 1 << Channel;
}

void EditorCurves::RefreshGainOverlays()
{
    // A channel whose curves were never drawn sums to nothing: its display is
    // not bound for that (binding lays the display out).
    for (int n = 0; n < 12; ++n) {
        Plot &overview = PlotOf(IsInput(n) ? kGainIn : kGainOut);
        if (bindings[size_t(n)])
            CopySum(PlotOf(n), overview, n);
        else
            std::fill(overview.Filter(n).response.begin(), overview.Filter(n).response.end(), 0.0);
    }
    for (int n = 0; n < 12; ++n) {
        const int d = IsInput(n) ? kGainIn : kGainOut;
        auto *toggle = dynamic_cast<TLdPowerButton *>(host.FindControl(OverlayToggleName(d, n)));
        if (!toggle)
            return;
        int &stale = overlayStale[size_t(d)];
        if (toggle->Active() && (stale & 1 << n)) {
            stale &= ~(1 << n);
            PlotOf(d).DrawCurve(n, ChannelColours[n]);
        }
    }
    UpdateCurvePage(kGainIn);
    UpdateCurvePage(kGainOut);
}

void EditorCurves::RefreshChannelOverlays(int Display)
{
    if (Display < 0 || Display > 11)
        return;
    const int first = IsInput(Display) ? 0 : 4, last = IsInput(Display) ? 3 : 11;
    int &stale = overlayStale[size_t(Display)];
    for (int n = first; n <= last; ++n) {
        if (n == Display)
            continue;
        auto *toggle = dynamic_cast<TLdPowerButton *>(host.FindControl(OverlayToggleName(Display, n)));
        if (!toggle)
            return;
        if (!(stale & 1 << n))
            continue;
        stale &= ~(1 << n);
        const int slot = OverlaySlot(Display, n);
        CopySum(PlotOf(n), PlotOf(Display), slot);
        if (toggle->Active())
            PlotOf(Display).DrawCurve(slot, ChannelColours[n]);
    }
    UpdateCurvePage(Display);
}

void EditorCurves::OverlayToggleClick(int Display, TObject *Sender)
{
    auto *toggle = dynamic_cast<TLdPowerButton *>(Sender);
    if (!toggle || Display < 0 || Display >= kOverlayDisplays)
        return;
    const int n = toggle->Tag();
    if (n < 0 || n > 11)
        return;
    overlayStale[size_t(Display)] &= ~(1 << n);
    const int slot = OverlaySlot(Display, n);
    if (toggle->Active())
        PlotOf(Display).DrawCurve(slot, ChannelColours[n]);
    else
        PlotOf(Display).RemoveCurve(slot);
    UpdateCurvePage(Display);
}
