#pragma once
#include "gPlotButton.h"

class TCustomImageList;
class TgPlotToolBar;

enum TgPlotToolBarButtonStyle { iptbbsButton, iptbbsSpacer };
// The button types the toolbar reports to the plot's events (ordinals 0..13).
enum TgPlotToolBarButtonType {
    iptbbtResume, iptbbtPause, iptbbtScrollAxesMode, iptbbtZoomAxesMode, iptbbtSelect, iptbbtZoomBox,
    iptbbtZoomOut, iptbbtZoomIn, iptbbtCursor, iptbbtEdit, iptbbtCopy, iptbbtSave, iptbbtPrint, iptbbtPreview
};

// One entry of a plot toolbar: an image button, or a spacer that only takes
// room. Its toolbar sets its rectangle, callbacks and image list; the image
// is drawn from ImageName the first time the button is drawn (again after
// ImageIndex is reset to -1). A flat button shows an edge only while the
// mouse is over it or it is pressed.
class TgPlotToolBarButton : public TgPlotButton {
public:
    TgPlotToolBarButton(TgPlotToolBar *AToolBar, TComponent *AOwner, TNotifyEvent AOnChange,
                        TgPlotToolBarButtonStyle AStyle);

    const QString &Hint() const { return FHint; }
    void SetHint(const QString &Value) { FHint = Value; }
    TgPlotToolBarButtonStyle Style() const { return FStyle; }
    TCustomImageList *ImageList() const { return FImageList; }
    void SetImageList(TCustomImageList *Value) { FImageList = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    const QString &ImageName() const { return FImageName; }
    void SetImageName(const QString &Value) { FImageName = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    bool MouseOver() const { return FMouseOver; }
    TgPlotToolBar *ToolBar() const { return FToolBar; }

    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    void gMouseMove(TgHintData &HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                    bool DblClickActive) override;
    // The translated hint just below the button, then the plot's
    // OnToolBarCustomizeHint.
    void DoMouseHint(const TgPlotMouseData &MouseData, TgHintData &HintData) override;
    void DoMouseNotOver() override;

private:
    QString FHint;
    TgPlotToolBarButtonStyle FStyle;
    TCustomImageList *FImageList = nullptr;
    int FImageIndex = -1;
    QString FImageName;
    bool FFlat = false;
    bool FMouseOver = false;
    TgPlotToolBar *FToolBar;
};
