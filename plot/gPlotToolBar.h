#pragma once
#include "gPlotLayoutObject.h"
#include "gPlotToolBarButton.h"
#include "gTypes.h"

#include <functional>
#include <memory>
#include <vector>

class TCustomImageList;
class TgPlotComponent;

// The plot's row of command buttons along an edge: resume and pause the
// tracking of all axes, switch all axes between scroll and zoom mode, zoom
// them out or in, the select, zoom-box and cursor modes (the data view reads
// the first toolbar's), the property editor, copy, save, print and preview.
// Every action tells the plot before (which may cancel it) and after; a
// click on a button of a group first releases the group's other buttons.
// Resume is enabled while some axis does not track, Pause while some axis
// does (as the last drawing found them).
class TgPlotToolBar : public TgPlotLayoutObject {
public:
    TgPlotToolBar(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                  TNotifyEvent AOnRename);
    ~TgPlotToolBar() override;

    // Each reads and writes the Visible of its button (a pair: both buttons,
    // read from the first).
    bool ShowResumeButton() const;
    void SetShowResumeButton(bool Value);
    bool ShowPauseButton() const;
    void SetShowPauseButton(bool Value);
    bool ShowAxesModeButtons() const;
    void SetShowAxesModeButtons(bool Value);
    bool ShowZoomInOutButtons() const;
    void SetShowZoomInOutButtons(bool Value);
    bool ShowSelectButton() const;
    void SetShowSelectButton(bool Value);
    bool ShowZoomBoxButton() const;
    void SetShowZoomBoxButton(bool Value);
    bool ShowCursorButton() const;
    void SetShowCursorButton(bool Value);
    bool ShowEditButton() const;
    void SetShowEditButton(bool Value);
    bool ShowCopyButton() const;
    void SetShowCopyButton(bool Value);
    bool ShowSaveButton() const;
    void SetShowSaveButton(bool Value);
    bool ShowPrintButton() const;
    void SetShowPrintButton(bool Value);
    bool ShowPreviewButton() const;
    void SetShowPreviewButton(bool Value);
    // At least 1.
    double ZoomInOutFactor() const { return FZoomInOutFactor; }
    void SetZoomInOutFactor(double Value);
    // Copied into every button.
    bool FlatButtons() const { return FFlatButtons; }
    void SetFlatButtons(bool Value);
    // 16 x 16 images on 22-pixel buttons (else 24 x 24 on 30).
    bool SmallButtons() const { return FSmallButtons; }
    void SetSmallButtons(bool Value);
    bool FlatBorder() const { return FFlatBorder; }
    void SetFlatBorder(bool Value) { ChangeBoolean(FFlatBorder, Value, &TgPlotObject::DoChange); }

    bool CursorActive() const { return FCursorButton->Down(); }
    bool ZoomBoxActive() const { return FZoomBoxButton->Down(); }
    bool SelectActive() const { return FSelectButton->Down(); }

    // The buttons and spacers in display order, and the button of a type.
    int ButtonCount() const { return int(FButtonList.size()); }
    TgPlotToolBarButton *Button(int Index) const { return FButtonList[size_t(Index)].get(); }
    TgPlotToolBarButton *ButtonOfType(TgPlotToolBarButtonType Type) const;
    TCustomImageList *ImageList() const { return FImageList.get(); }

    // The actions, each equal to a click on its button.
    void DoButtonClickResume();
    void DoButtonClickPause();
    void DoButtonClickScrollAxesMode();
    void DoButtonClickZoomAxesMode();
    void DoButtonClickSelect();
    void DoButtonClickZoomBox();
    void DoButtonClickZoomOut();
    void DoButtonClickZoomIn();
    void DoButtonClickCursor();
    void DoButtonClickEdit();
    void DoButtonClickCopy();
    void DoButtonClickSave();
    void DoButtonClickPrint();
    void DoButtonClickPreview();
    // Releases the cursor button (the data cursors hide).
    void TurnOffCursor();

    void NotificationSetFocus(TObject *Sender) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    // The visible button under the point, else the toolbar.
    TgPlotObject *GetMouseOverObject(int X, int Y) override;
    void BuildPopupMenu(TPopupMenu *PopupMenu) override;
    // 28 pixels with small buttons, else 36.
    int GetRequiredSpace(TCanvas *Canvas) override { return FSmallButtons ? 28 : 36; }

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    TgPlotToolBarButton *AddEntry(TgPlotToolBarButtonStyle Style, const QString &Hint, const QString &ImageName,
                                  int GroupIndex, void (TgPlotToolBar::*Action)());
    TgPlotComponent *PlotComponent() const;
    // The before-event (which may cancel), Act, then the after-event.
    void RunAction(TgPlotToolBarButtonType Type, const std::function<void()> &Act, bool AfterEvent = true);
    // The same around one of the plot's own operations.
    void RunPlotOperation(TgPlotToolBarButtonType Type, void (TgPlotComponent::*Operation)());
    void ReleaseGroup(TObject *Sender);
    void ButtonDownChange(TObject *Sender);
    void SetAxesMode(TgPlotAxisMode Mode);
    void ZoomAllAxes(bool In);
    void UpdateSpacersAndEnabling();

    std::vector<std::unique_ptr<TgPlotToolBarButton>> FButtonList;
    std::unique_ptr<TCustomImageList> FImageList;
    TgPlotToolBarButton *FResumeButton, *FPauseButton, *FResumePauseSpacer;
    TgPlotToolBarButton *FAxesModeScrollButton, *FAxesModeZoomButton, *FAxesModeSpacer;
    TgPlotToolBarButton *FZoomOutButton, *FZoomInButton, *FZoomInOutSpacer;
    TgPlotToolBarButton *FSelectButton, *FZoomBoxButton, *FCursorButton, *FZoomBoxCursorSpacer;
    TgPlotToolBarButton *FEditButton, *FEditSpacer;
    TgPlotToolBarButton *FCopyButton, *FSaveButton, *FPrintButton, *FPreviewButton;
    double FZoomInOutFactor = 2.0;
    bool FFlatButtons = false;
    bool FSmallButtons = false;
    bool FFlatBorder = false;
};
