// The main window's page-side operations: the refresh of every page from the
// model, and the link groups (mask access, copy, reload after a link change,
// the link look of the menu buttons).
#include "TfmMain.h"

#include "EditorCurves.h"
#include "EditorPage.h"
#include "LMainLink.h"
#include "LUnitControl.h"
#include "Label.h"
#include "MainDialogs.h"
#include "PageRefresh.h"
#include "SkBmpButton.h"
#include "TfmTest.h"
#include "UpdatingScope.h"
#include "ValueTexts.h"

void TfmMain::RefreshAllPages()
{
    LUnitControl &model = Model();
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
    for (auto &page : pages)
        page->Refresh();

    const int mode = model.GetTestSignalMode();
    if (dialogs && dialogs->fmTest && mode <= 3)
        dialogs->fmTest->ShowSignal(mode, model.GetSineFreqIndex());
    if (TControl *matrix = FindControl("pbMatrix"))
        matrix->Invalidate();
    PublishLinks();
    updating.End();

    for (int c = 0; c < 12; ++c) {
        curves.BuildPeqCurve(c);
        curves.UpdateHighPassCurve(c);
        curves.UpdateLowPassCurve(c);
    }
    for (int input = 0; input < 4; ++input)
        curves.BuildGeqCurve(input);
    // The first band of every channel selected and drawn, by the pages.
    for (auto &page : pages)
        page->RefreshCurves();
    if (currentPage == 14)
        curves.RefreshGainOverlays();
    else
        curves.RefreshChannelOverlays(currentPage);
}

void TfmMain::ShowLinkRow(int Channel)
{
    (void)Channel;
}

void TfmMain::PublishLinks() {}
