#pragma once
#include "gPlotLayoutObject.h"

// The plot's row of command buttons along an edge. This toolbar keeps its
// settings and takes its place in the layout; its buttons are neither drawn
// nor pressed yet, so every mode reads as released.
class TgPlotToolBar : public TgPlotLayoutObject {
public:
    TgPlotToolBar(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                  TNotifyEvent AOnRename);

    bool ShowResumeButton() const { return FShow[0]; }
    void SetShowResumeButton(bool Value) { SetShow(0, Value); }
    bool ShowPauseButton() const { return FShow[1]; }
    void SetShowPauseButton(bool Value) { SetShow(1, Value); }
    bool ShowAxesModeButtons() const { return FShow[2]; }
    void SetShowAxesModeButtons(bool Value) { SetShow(2, Value); }
    bool ShowZoomInOutButtons() const { return FShow[3]; }
    void SetShowZoomInOutButtons(bool Value) { SetShow(3, Value); }
    bool ShowSelectButton() const { return FShow[4]; }
    void SetShowSelectButton(bool Value) { SetShow(4, Value); }
    bool ShowZoomBoxButton() const { return FShow[5]; }
    void SetShowZoomBoxButton(bool Value) { SetShow(5, Value); }
    bool ShowCursorButton() const { return FShow[6]; }
    void SetShowCursorButton(bool Value) { SetShow(6, Value); }
    bool ShowEditButton() const { return FShow[7]; }
    void SetShowEditButton(bool Value) { SetShow(7, Value); }
    bool ShowCopyButton() const { return FShow[8]; }
    void SetShowCopyButton(bool Value) { SetShow(8, Value); }
    bool ShowSaveButton() const { return FShow[9]; }
    void SetShowSaveButton(bool Value) { SetShow(9, Value); }
    bool ShowPrintButton() const { return FShow[10]; }
    void SetShowPrintButton(bool Value) { SetShow(10, Value); }
    bool ShowPreviewButton() const { return FShow[11]; }
    void SetShowPreviewButton(bool Value) { SetShow(11, Value); }
    // At least 1.
    double ZoomInOutFactor() const { return FZoomInOutFactor; }
    void SetZoomInOutFactor(double Value);
    bool FlatButtons() const { return FFlatButtons; }
    void SetFlatButtons(bool Value) { ChangeBoolean(FFlatButtons, Value, &TgPlotObject::DoChange); }
    bool SmallButtons() const { return FSmallButtons; }
    void SetSmallButtons(bool Value) { ChangeBoolean(FSmallButtons, Value, &TgPlotObject::DoLayoutChange); }
    bool FlatBorder() const { return FFlatBorder; }
    void SetFlatBorder(bool Value) { ChangeBoolean(FFlatBorder, Value, &TgPlotObject::DoChange); }

    bool CursorActive() const { return false; }
    bool ZoomBoxActive() const { return false; }
    bool SelectActive() const { return false; }

    // 28 pixels with small buttons, else 36.
    int GetRequiredSpace(TCanvas *Canvas) override { return FSmallButtons ? 28 : 36; }
    void NotificationSetFocus(TObject *Sender) override;

    const TPublishedClass *PublishedClass() const override { return StaticPublished(); }
    static const TPublishedClass *StaticPublished();

private:
    void SetShow(int Index, bool Value) { ChangeBoolean(FShow[Index], Value, &TgPlotObject::DoChange); }

    bool FShow[12] = {true, true, true, true, false, true, true, true, true, true, true, false};
    double FZoomInOutFactor = 2.0;
    bool FFlatButtons = false;
    bool FSmallButtons = false;
    bool FFlatBorder = false;
};
