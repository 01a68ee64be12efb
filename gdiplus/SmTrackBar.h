#pragma once
// TSmTrackBar: the slider of every editing page. It holds one integer,
// Position, between Min and Max, shows it as a thumb on a track and lets the
// user change it by dragging the thumb, pressing the track (paging, or a jump
// with MoveOnClick), the minus and plus buttons, the keys and the wheel.
// Every change of Position, by the user or by code, ends in OnChange.
//
// The slider draws nothing under itself: the parent shows through. A state
// change repaints only the rectangles it touches, through the paint event.
#include "CustomControl.h"
#include "HintWindow.h"
#include "ImageList.h"
#include "SmStyleIF.h"
#include "SmTrackBarSettings.h"
#include "Timer.h"

#include <functional>
#include <memory>

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TMoveOnClick { mcStep, mcMove, mcMoveSlide };

using TGetTrackHintEvent = std::function<void(TObject *Sender, int Position, QString &HintStr)>;
using TGetTrackLabelEvent = std::function<void(TObject *Sender, int Position, QString &value)>;
using TGetTickMarkTextEvent = std::function<void(TObject *Sender, int Index, QString &value)>;
using TDrawTickEvent =
    std::function<void(TObject *Sender, TCanvas *Canvas, TPoint Location, int Position, TTickMark TickPos,
                       int &Length, TColor &Color, TColor &TextColor, QString &Text, bool &DefaultDraw)>;

// The hint that follows a drag: one line, sized to its text, kept on the
// monitor it opens on.
class TTrackHintWindow : public THintWindow {
public:
    explicit TTrackHintWindow(TComponent *AOwner) : THintWindow(AOwner) {}
    void ActivateHint(const TRect &Rect, const QString &AHint) override;
    TRect CalcHintRect(int MaxWidth, const QString &AHint, void *AData) override;
    void Paint() override;

private:
    int textHeight_ = 0, textWidth_ = 0;
};

class TCustomTrackBar : public TCustomControl {
public:
    explicit TCustomTrackBar(TComponent *AOwner);
    ~TCustomTrackBar() override;

    int Position() const { return position_; }
    virtual void SetPosition(int Value);
    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int Value) { pageSize_ = Value; }
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation Value);
    TMoveOnClick MoveOnClick() const { return moveOnClick_; }
    void SetMoveOnClick(TMoveOnClick Value) { moveOnClick_ = Value; }
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool Value) { showFocus_ = Value; }
    bool TrackHint() const { return trackHint_; }
    void SetTrackHint(bool Value) { trackHint_ = Value; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    bool BackGroundStretched() const { return backGroundStretched_; }
    void SetBackGroundStretched(bool Value);
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor Value);
    TColor ColorDisabled() const { return colorDisabled_; }
    void SetColorDisabled(TColor Value) { colorDisabled_ = Value; }
    TColor ColorDisabledTo() const { return colorDisabledTo_; }
    void SetColorDisabledTo(TColor Value) { colorDisabledTo_ = Value; }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value);
    TColor BorderColorDisabled() const { return borderColorDisabled_; }
    void SetBorderColorDisabled(TColor Value) { borderColorDisabled_ = Value; }
    TTrackGradientDirection Direction() const { return direction_; }
    void SetDirection(TTrackGradientDirection Value);
    TCustomImageList *TickImages() const { return images_; }
    void SetTickImages(TCustomImageList *Value);
    QString Version() const { return QStringLiteral("1.6.3.0"); }
    void SetVersion(const QString &) {}

    TGpPicture *BackGround() const { return backGround_.get(); }
    TGpPicture *BackGroundDisabled() const { return backGroundDisabled_.get(); }
    TGpPicture *RateActive() const { return rateActive_.get(); }
    TGpPicture *RateInActive() const { return rateInActive_.get(); }
    void SetBackGround(TGpPicture *Value) { backGround_->Assign(Value); }
    void SetBackGroundDisabled(TGpPicture *Value) { backGroundDisabled_->Assign(Value); }
    void SetRateActive(TGpPicture *Value) { rateActive_->Assign(Value); }
    void SetRateInActive(TGpPicture *Value) { rateInActive_->Assign(Value); }

    TTrackBarThumb *Thumb() const { return thumb_.get(); }
    TTrackBarSlider *Slider() const { return slider_.get(); }
    TTrackBarTick *TickMark() const { return tickMark_.get(); }
    TTrackBarButtons *Buttons() const { return buttons_.get(); }
    TTrackBarLabel *TrackLabel() const { return trackLabel_.get(); }
    void SetThumb(TTrackBarThumb *Value) { thumb_->Assign(Value); }
    void SetSlider(TTrackBarSlider *Value) { slider_->Assign(Value); }
    void SetTickMark(TTrackBarTick *Value) { tickMark_->Assign(Value); }
    void SetButtons(TTrackBarButtons *Value) { buttons_->Assign(Value); }
    void SetTrackLabel(TTrackBarLabel *Value) { trackLabel_->Assign(Value); }

    // Colour presets of the style enumeration.
    void SetComponentStyle(TOrvanStyle AStyle);

    TNotifyEvent OnChange;
    TDrawTickEvent OnDrawTick;
    TGetTrackHintEvent OnGetTrackHint;
    TGetTrackLabelEvent OnGetTrackLabelText;
    TGetTickMarkTextEvent OnGetTickMarkText;

    // Layout (client coordinates; an absent rectangle is NoRect).
    static constexpr TRect NoRect{-1, -1, -1, -1};
    TRect InnerRect() const;
    TRect TrackRect() const;
    TRect SliderRect() const;
    TRect MinButtonRect() const;
    TRect MaxButtonRect() const;
    TRect LabelRect(bool TextOnly) const;
    virtual void GetThumbRect(bool Flag, TRect &Rect) const;
    TRect ThumbRect() const
    {
        TRect r;
        GetThumbRect(false, r);
        return r;
    }
    virtual void GetTickRectTopLeft(TRect &Rect) const;
    virtual void GetTickRectBottomRight(TRect &Rect) const;
    // Offset of the thumb's pointer from its leading edge.
    int PointerOffset() const;
    // Rating mode: both rating pictures are set; the value cells.
    bool RatingMode() const;
    TRect RatingCellRect(int Value) const;
    int RatingValueAt(TPoint P) const;

    virtual bool CanChangeThumbPointer(TTrackBarThumb *Thumb, TThumbPointer &Pointer)
    {
        (void)Thumb, (void)Pointer;
        return true;
    }

    // One tick of the auto-repeat (the timer calls it; tests may too).
    virtual void RepeatTimerTick(TObject *Sender);
    TTimer *RepeatTimer() const { return repeatTimer_; }
    TTrackHintWindow *TrackHintWindow() const { return hintWnd_.get(); }

    void Loaded() override;
    void Paint() override;
    void KeyDown(Word &Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;

protected:
    virtual bool CanPageOnClick() { return true; }
    virtual void GetTrackLabelText(QString &Text) const;
    virtual TTrackBarSlider *CreateSlider() { return new TTrackBarSlider(this); }
    virtual bool CanDragThumb() { return true; }
    virtual bool IsValidPosition(int Value) const { return Value >= min_ && Value <= max_; }
    virtual int GetMin() const { return min_; }
    virtual int GetMax() const { return max_; }
    virtual bool HasTrackLabelHandler() const { return static_cast<bool>(OnGetTrackLabelText); }
    virtual void StepDown();
    virtual void StepUp();
    virtual void PageTowardsClick();
    virtual int GetThumbWidth() const { return thumb_->Width(); }
    virtual void DrawSlider();
    virtual void DrawThumb();
    virtual void InvalidateTrackLabel();
    virtual void DoChange();

    void DrawBackground();
    void DrawTrackLabel();
    void DrawTickMarks();
    void DrawButtons();
    void DrawMinButton();
    void DrawMaxButton();
    void DrawButton(bool Max);
    void DrawRatingCells();
    void DrawRatingCell(int Value);

    void EnabledChanged() override;
    void Notification(TComponent *AComponent, TOperation Operation) override;

private:
    void TickMarkChanged();
    void UpdateTextHeight();
    void StartRepeat();
    int ValueFromClick(int X, int Y) const;
    int ValueFromDrag(int X, int Y) const;
    int CheckedValue(double Quotient) const;
    // The thumb rectangle, grown by 1, where its look changed.
    void InvalidateThumb();
    TRect ThumbRectAt(int Value) const;

    std::unique_ptr<TTrackBarThumb> thumb_;
    std::unique_ptr<TTrackBarSlider> slider_;
    std::unique_ptr<TTrackBarTick> tickMark_;
    std::unique_ptr<TTrackBarButtons> buttons_;
    std::unique_ptr<TTrackBarLabel> trackLabel_;
    std::unique_ptr<TGpPicture> backGround_, backGroundDisabled_, rateActive_, rateInActive_;
    std::unique_ptr<TTrackHintWindow> hintWnd_;
    TTimer *repeatTimer_ = nullptr;
    TCustomImageList *images_ = nullptr;

    int max_ = 10, min_ = 0, position_ = 0, pageSize_ = 1;
    TTrackBarOrientation orientation_ = trHorizontal;
    bool sliding_ = false;
    TColor colorDisabled_ = clNone, colorTo_ = clNone, borderColorDisabled_ = clNone, borderColor_ = clNone,
           colorDisabledTo_ = clNone;
    TTrackGradientDirection direction_ = gdHorizontal;
    bool transparent_ = true;
    const int offset_ = 2;
    const int tickTextOffset_ = 2;
    const int borderWidth_ = 1;
    bool thumbHot_ = false, thumbDown_ = false;
    int thumbCenterOffsetX_ = 0, thumbCenterOffsetY_ = 0;
    bool minButtonHot_ = false, minButtonDown_ = false, maxButtonHot_ = false, maxButtonDown_ = false;
    bool sliderButtonDown_ = false;
    TPoint sliderDownPt_;
    int pageDirection_ = 0; // of the paging of this press: +1 up, -1 down, 0 not yet
    int textHeight_ = 0;
    bool trackHint_ = false;
    bool backGroundStretched_ = false;
    int hintTickIndex_ = -1;
    bool trackHintShow_ = false;
    bool showFocus_ = false;
    TMoveOnClick moveOnClick_ = mcStep;
};

// The published form of the slider.
class TSmTrackBar : public TCustomTrackBar {
public:
    explicit TSmTrackBar(TComponent *AOwner) : TCustomTrackBar(AOwner) {}
};
