// The main window's page-side operations: the refresh of every page from the
// model, and the link groups (mask access, copy, reload after a link change,
// the link look of the menu buttons).
#include "TfmMain.h"

#include "CM_MCS_CMD.h"
#include "EditorCurves.h"
#include "EditorPage.h"
#include "LinkLook.h"
#include "LMainLink.h"
#include "LUnitControl.h"
#include "Label.h"
#include "MainDialogs.h"
#include "PageNames.h"
#include "PageRefresh.h"
#include "SkBmpButton.h"
#include "TfmLinkSel.h"
#include "TfmTest.h"
#include "UpdatingScope.h"
#include "ValueTexts.h"

#include <QWidget>

namespace {

// Holds the window's painting while the refresh moves about 2,000 controls:
// each would otherwise repaint at once (a slider paints on every change);
// the window paints once afterwards.
class PaintPause {
public:
    explicit PaintPause(QWidget *Window) : window(Window), was(Window->updatesEnabled())
    {
        window->setUpdatesEnabled(false);
    }
    ~PaintPause() { window->setUpdatesEnabled(was); }
    PaintPause(const PaintPause &) = delete;
    PaintPause &operator=(const PaintPause &) = delete;

private:
    QWidget *window;
    bool was;
};

} // namespace

void TfmMain::RefreshAllPages()
{
    MakeAllPages();
    LUnitControl &model = Model();
    PaintPause paused(Widget());
    ClearPeqBandSelection();
    UpdatingScope updating(*this);
    lbPstNum->SetCaption(ValueTexts::PresetNumber(mainLink->GetCurrentPreset()));
    lbPstName->SetCaption(ValueTexts::Name(model.GetPresetName(), 14));
    // The overviews show the curves as they were; step 15 draws them anew.
    EditorCurves &curves = Curves();
    curves.overlayStale[EditorCurves::kGainIn] = 0xFFF;
    curves.overlayStale[EditorCurves::kGainOut] = 0xFFF;
    curves.RefreshGainOverlays();

    for (int c = 0; c < 4; ++c) {
        PageRefresh::Input(*this, c, isBuildingPages);
        ShowLinkRow(c);
        curves.InvalidateCurve(c);
    }
    for (int c = 4; c < 12; ++c) {
        PageRefresh::Output(*this, c);
        ShowLinkRow(c);
        curves.InvalidateCurve(c);
    }
    // What only the pages know (their own controls, the delay unit and lines,
    // the compressor and limiter plots) follows the named controls.
    ForMadePages([](EditorPage &page) { page.Refresh(); });

    const int mode = model.GetTestSignalMode();
    if (dialogs && dialogs->fmTest && mode <= 3)
        dialogs->fmTest->ShowSignal(mode, model.GetSineFreqIndex());
    if (TControl *matrix = FindControl("pbMatrix"))
        matrix->Invalidate();
    PublishLinks();
    updating.End();

    // The channels' and the GEQ curves, and the first band of every channel
    // selected and drawn, by the pages.
    ForMadePages([](EditorPage &page) { page.RefreshCurves(); });
    if (currentPage == 14)
        curves.RefreshGainOverlays();
    else
        curves.RefreshChannelOverlays(currentPage);
}

void TfmMain::ShowLinkRow(int Channel)
{
    if (dialogs && !isBuildingPages)
        dialogs->fmLinkSel->ShowChannelLinks(Channel, GetLinkMask(Channel));
}

void TfmMain::PublishLinks()
{
    if (!dialogs || isBuildingPages)
        return;
    dialogs->fmLinkSel->PublishLinkStates();
    dialogs->fmLinkSel->PublishLinkPairs();
}

// ---------------------------------------------------------------------------
// Link groups

int TfmMain::GetLinkMask(int Channel) { return Model().GetLinkMask(Channel); }
void TfmMain::SetLinkMask(int Channel, int Mask) { Model().SetLinkMask(Channel, uint16_t(Mask)); }
int TfmMain::FindGroupLinkMask(int Channel) { return Model().FindGroupLinkMask(Channel); }

void TfmMain::UploadWhenAnswered()
{
    // State 6 set before the frames ahead were answered would let the first
    // of their acknowledgements start the upload while the rest still wait.
    mainLink->CallWhenAnswered([this] {
        mainLink->SetTransferState(6);
        mainLink->SendCommand(CM_MCS_CMD(mainLink->GetDeviceId(), CMD_POLL), true);
    });
}

void TfmMain::CopyChannel(int From, int To, bool Reload)
{
    if (From == To || From < 0 || To < 0 || From > 11 || To > 11 || (From < 4) != (To < 4))
        return;
    if (mainLink->IsLinked()) {
        mainLink->SendCommand(CM_MCS_CMD(mainLink->GetDeviceId(), CMD_COPY_CHANNEL, uint8_t(From), uint8_t(To)), true);
        if (Reload)
            UploadWhenAnswered();
        return;
    }
    LUnitControl &model = Model();
    const int group = model.FindGroupLinkMask(To);
    const int first = To < 4 ? 0 : 4, count = To < 4 ? 4 : 8;
    for (int bit = 0; bit < count; ++bit)
        if (group >> bit & 1)
            model.CopyChannel(From, first + bit);
    if (Reload)
        RefreshAllPages();
}

void TfmMain::ReloadAfterLinkChange()
{
    if (!mainLink->IsLinked()) {
        RefreshAllPages();
        return;
    }
    mainLink->StopLevelPolling();
    UploadWhenAnswered();
    // A busy or modal window may hold the main window disabled: no focus then.
    if (skbMenuLink->CanFocus())
        skbMenuLink->SetFocus();
}

void TfmMain::SetLinkedMenuCaption(int Leader, int Member) { LinkLook::SetMenuCaption(*this, Leader, Member); }

void TfmMain::RefreshLinkedShowButtons(int Channel, bool Visible)
{
    LinkLook::RefreshShowButtons(*this, Channel, Visible);
}

void TfmMain::ShowGainPage()
{
    if (auto *gain = dynamic_cast<TSkBmpButton *>(FindControl("skbMenuGain"))) {
        gain->Click();
        gain->SetDown(true);
    }
}

void TfmMain::SelectGeqInputA()
{
    if (auto *a = dynamic_cast<TSkBmpButton *>(FindControl("skbGeqSelInA"))) {
        a->SetDown(true);
        a->Click();
    }
}
