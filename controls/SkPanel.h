#pragma once
#include "Panel.h"
#include "SkCommon.h"
#include "SkBitmaps.h"
#include "SkFrameController.h"

enum TSkGridStyle { gsDots, gsDottedLines, gsSolidLines };

// The container of the Sk family: outer and inner frames on chosen sides, a
// border band, a flat fill, an optional alignment grid and a caption with
// both alignments. Transparent shows the parent's background through the
// panel. Children are aligned inside the frames (ClientRect leaves them out).
//
// Disabling the panel disables its children with it; each child keeps its
// own Enabled setting and has it back when the panel is enabled again (the
// layer's enabling does this for every container).
//
// Docking is not built: nothing in the program docks.
class TSkCustomPanel : public TCustomPanel, public IRzFrameControllerNotify, public ITransparentControl {
public:
    explicit TSkCustomPanel(TComponent *AOwner);
    ~TSkCustomPanel() override;

    TRect ClientRect() const override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Paint() override;

    // The mouse position in client coordinates.
    virtual TPoint CursorPosition() const;
    // Moves Rect inward by the frames on BorderSides (and first by
    // BorderWidth on all sides when IncludeBorderWidth).
    virtual void AdjustRectForBorders(TRect &Rect, bool IncludeBorderWidth) const;
    virtual TRect GetPaintRect() const { return Rect(0, 0, Width(), Height()); }
    virtual TPoint GetBorderRepaintSize() const { return {1, 1}; }
    virtual void GetGradientColors(TColor &Start, TColor &Stop) const;
    virtual void GetFrameColor(TColor &Color, int &Adjustment) const;
    virtual void DrawCaption(const TRect &Rect);
    virtual void DrawGrid(const TRect &Rect);
    virtual void UpdateFromFrameController();
    void FrameControllerNotify(TSkFrameController *) override { UpdateFromFrameController(); }

    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    void SetAlignmentVertical(TAlignmentVertical Value);
    TFrameStyleEx BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyleEx Value);
    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyleEx Value);
    TSides BorderSides() const { return borderSides_; }
    void SetBorderSides(TSides Value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value);
    TColor BorderHighlight() const { return borderHighlight_; }
    void SetBorderHighlight(TColor Value);
    TColor BorderShadow() const { return borderShadow_; }
    void SetBorderShadow(TColor Value);
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor Value);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int Value);
    TSkFrameController *FrameController() const { return frameController_; }
    void SetFrameController(TSkFrameController *Value);
    TSkFrameControllerNotifications FrameControllerNotifications() const { return notifications_; }
    void SetFrameControllerNotifications(TSkFrameControllerNotifications Value) { notifications_ = Value; }
    TSkGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    void SetGradientColorStyle(TSkGradientColorStyle Value);
    TColor GradientColorStart() const { return gradientColorStart_; }
    void SetGradientColorStart(TColor Value);
    TColor GradientColorStop() const { return gradientColorStop_; }
    void SetGradientColorStop(TColor Value);
    TGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TGradientDirection Value);
    TColor GridColor() const { return gridColor_; }
    void SetGridColor(TColor Value);
    TSkGridStyle GridStyle() const { return gridStyle_; }
    void SetGridStyle(TSkGridStyle Value);
    int GridXSize() const { return gridXSize_; }
    void SetGridXSize(int Value);
    int GridYSize() const { return gridYSize_; }
    void SetGridYSize(int Value);
    void SetGridSize(int XSize, int YSize);
    bool PaintClientArea() const { return paintClientArea_; }
    void SetPaintClientArea(bool Value);
    bool ShowGrid() const { return showGrid_; }
    void SetShowGrid(bool Value);
    bool Transparent() const override { return transparent_; }
    void SetTransparent(bool Value);
    int TextMargin() const { return textMargin_; }
    void SetTextMargin(int Value);
    int TextMarginVertical() const { return textMarginVertical_; }
    void SetTextMarginVertical(int Value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);
    TSkVisualStyle VisualStyle() const { return visualStyle_; }
    void SetVisualStyle(TSkVisualStyle Value);

    TNotifyEvent OnPaint;

protected:
    void AdjustClientRect(TRect &Rect) override;
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void EnabledChanged() override;
    // Stores Value in Field; true when it changed (then the panel repaints).
    template <typename T>
    bool Change(T &Field, T Value)
    {
        if (Field == Value)
            return false;
        Field = Value;
        Invalidate();
        return true;
    }
    void UpdateBackgroundStyle();

    TAlignmentVertical alignmentVertical_ = avCenter;
    TFrameStyleEx borderInner_ = fsNone;
    TFrameStyleEx borderOuter_ = fsRaised;
    TSides borderSides_ = sdAllSides;
    TColor borderColor_ = clBtnFace;
    TColor borderHighlight_ = clBtnHighlight;
    TColor borderShadow_ = clBtnShadow;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    bool paintClientArea_ = true;
    TSkVisualStyle visualStyle_ = vsWinXP;
    TSkGradientColorStyle gradientColorStyle_ = gcsSystem;
    TColor gradientColorStart_ = clWhite;
    TColor gradientColorStop_ = clBtnFace;
    TGradientDirection gradientDirection_ = gdHorizontalEnd;
    TColor gridColor_ = clBtnShadow;
    TSkGridStyle gridStyle_ = gsDots;
    int gridXSize_ = 8;
    int gridYSize_ = 8;
    bool showGrid_ = false;
    bool transparent_ = false;
    int textMargin_ = 0;
    int textMarginVertical_ = 0;
    bool wordWrap_ = true;
    TSkFrameController *frameController_ = nullptr;
    TSkFrameControllerNotifications notifications_ = fcpAllNotifications;
};

class TSkPanel : public TSkCustomPanel {
public:
    explicit TSkPanel(TComponent *AOwner) : TSkCustomPanel(AOwner) {}
};

// The frame width of a style on one side: fsFlat 1, fsStatus and fsPopup
// BevelWidth, the etched, raised and bold styles 2.
int FrameStyleWidth(TFrameStyleEx Style, int BevelWidth);
