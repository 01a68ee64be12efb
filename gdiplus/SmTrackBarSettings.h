#pragma once
// The five settings objects of the slider: thumb, bar, ticks, minus/plus
// buttons and value label. Each stores its values, reports every effective
// change through OnChange (the slider answers with a repaint), copies itself
// with Assign and fits its sizes to its pictures.
#include "Font.h"
#include "GpPicture.h"
#include "Persistent.h"

#include <QString>
#include <memory>

class TCustomTrackBar;

enum TGpGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };
// Named apart from the Sk controls' gradient shapes, so that a page can use both.
enum TTrackGradientDirection { gdHorizontal, gdVertical, gdHorizontalInOut, gdVerticalInOut };
enum TThumbShape { tsPointer, tsRectangle, tsRoundRect, tsRound, tsLine, tsPointerLeftUp, tsPointerRightUp,
                   tsTriangle, tsTriangleLeft, tsTriangleRight };
enum TThumbStyle { tstOffice2007, tstCustom };
enum TThumbPointer { tpLeft, tpCenter, tpRight };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTrackButtonShape { bsRound, bsRectangle };
enum TLabelPosition { lpTopCenter, lpTopLeft, lpTopRight, lpBottomCenter, lpBottomLeft, lpBottomRight };

// Shared by the five: the change event and the compare-store-notify setter.
class TTrackBarSettings : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
    template <typename T> void Store(T &Field, const T &Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        Changed();
    }
    // A picture owned by the settings object whose changes call Hook.
    std::unique_ptr<TGpPicture> MakePicture(std::function<void()> Hook);
};

// Getter and setter of a value that notifies when it changes.
#define TQ62_TRACK_PROP(Type, Name, field)                                                                 \
    Type Name() const { return field; }                                                                    \
    void Set##Name(Type Value) { Store(field, Value); }
// Getter and setter of a plain field, without notification.
#define TQ62_TRACK_FIELD(Type, Name, field)                                                                \
    Type Name() const { return field; }                                                                    \
    void Set##Name(Type Value) { field = Value; }

class TTrackBarThumb : public TTrackBarSettings {
public:
    explicit TTrackBarThumb(TCustomTrackBar *Owner = nullptr);
    void Assign(TPersistent *Source) override;

    TQ62_TRACK_PROP(TColor, Color, color_)
    TQ62_TRACK_PROP(TColor, ColorTo, colorTo_)
    TQ62_TRACK_PROP(TColor, ColorMirror, colorMirror_)
    TQ62_TRACK_PROP(TColor, ColorMirrorTo, colorMirrorTo_)
    TQ62_TRACK_PROP(TColor, BorderColor, borderColor_)
    TQ62_TRACK_PROP(TColor, ColorHot, colorHot_)
    TQ62_TRACK_PROP(TColor, ColorHotTo, colorHotTo_)
    TQ62_TRACK_FIELD(TColor, ColorMirrorHot, colorMirrorHot_)
    TQ62_TRACK_FIELD(TColor, ColorMirrorHotTo, colorMirrorHotTo_)
    TQ62_TRACK_PROP(TColor, BorderColorHot, borderColorHot_)
    TQ62_TRACK_PROP(TColor, ColorDown, colorDown_)
    TQ62_TRACK_PROP(TColor, ColorDownTo, colorDownTo_)
    TQ62_TRACK_FIELD(TColor, ColorMirrorDown, colorMirrorDown_)
    TQ62_TRACK_FIELD(TColor, ColorMirrorDownTo, colorMirrorDownTo_)
    TQ62_TRACK_PROP(TColor, BorderColorDown, borderColorDown_)
    TQ62_TRACK_PROP(TColor, ColorDisabled, colorDisabled_)
    TQ62_TRACK_PROP(TColor, ColorDisabledTo, colorDisabledTo_)
    TQ62_TRACK_PROP(TColor, ColorMirrorDisabled, colorMirrorDisabled_)
    TQ62_TRACK_PROP(TColor, ColorMirrorDisabledTo, colorMirrorDisabledTo_)
    TQ62_TRACK_PROP(TColor, BorderColorDisabled, borderColorDisabled_)
    TQ62_TRACK_PROP(TGpGradient, Gradient, gradient_)
    TQ62_TRACK_PROP(TGpGradient, GradientMirror, gradientMirror_)
    TQ62_TRACK_PROP(TThumbShape, Shape, shape_)
    TQ62_TRACK_PROP(bool, ShowAtMinMax, showAtMinMax_)
    TThumbStyle Style() const { return style_; }
    int Steps() const { return steps_; }

    // Along the track and across it; refused while a picture is set.
    int Width() const { return width_; }
    void SetWidth(int Value);
    int Size() const { return size_; }
    void SetSize(int Value);
    // Applied only when the owning slider agrees.
    TThumbPointer ThumbPointer() const { return thumbPointer_; }
    void SetThumbPointer(TThumbPointer Value);

    TGpPicture *Picture() const { return picture_.get(); }
    TGpPicture *PictureHot() const { return pictureHot_.get(); }
    TGpPicture *PictureDown() const { return pictureDown_.get(); }
    TGpPicture *PictureDisabled() const { return pictureDisabled_.get(); }
    void SetPicture(TGpPicture *Value) { picture_->Assign(Value); }
    void SetPictureHot(TGpPicture *Value) { pictureHot_->Assign(Value); }
    void SetPictureDown(TGpPicture *Value) { pictureDown_->Assign(Value); }
    void SetPictureDisabled(TGpPicture *Value) { pictureDisabled_->Assign(Value); }

    TCustomTrackBar *SmTrackBar() const { return owner_; }
    // A set picture fixes Width and Size (by the slider's orientation); the
    // slider runs this again after loading.
    void ApplyPictureSize();

private:
    TCustomTrackBar *owner_;
    int steps_ = 64;
    TColor color_, colorTo_, colorMirror_, colorMirrorTo_, borderColor_;
    TColor colorHot_, colorHotTo_, colorMirrorHot_, colorMirrorHotTo_, borderColorHot_;
    TColor colorDown_, colorDownTo_, colorMirrorDown_, colorMirrorDownTo_, borderColorDown_;
    TColor colorDisabled_, colorDisabledTo_, colorMirrorDisabled_, colorMirrorDisabledTo_, borderColorDisabled_;
    TGpGradient gradient_ = ggVertical, gradientMirror_ = ggRadial;
    TThumbShape shape_ = tsPointer;
    TThumbStyle style_ = tstOffice2007;
    int width_ = 10, size_ = 15;
    bool showAtMinMax_ = true;
    TThumbPointer thumbPointer_ = tpCenter;
    std::unique_ptr<TGpPicture> picture_, pictureHot_, pictureDown_, pictureDisabled_;
};

class TTrackBarSlider : public TTrackBarSettings {
public:
    explicit TTrackBarSlider(TCustomTrackBar *Owner = nullptr);
    void Assign(TPersistent *Source) override;

    TQ62_TRACK_PROP(TColor, Color, color_)
    TQ62_TRACK_PROP(TColor, ColorTo, colorTo_)
    TQ62_TRACK_PROP(TColor, BorderColor, borderColor_)
    TQ62_TRACK_PROP(TColor, ColorDisabled, colorDisabled_)
    TQ62_TRACK_PROP(TColor, ColorDisabledTo, colorDisabledTo_)
    TQ62_TRACK_PROP(TColor, BorderColorDisabled, borderColorDisabled_)
    TQ62_TRACK_PROP(TColor, ColorCompleted, colorCompleted_)
    TQ62_TRACK_PROP(TColor, ColorCompletedTo, colorCompletedTo_)
    TQ62_TRACK_PROP(TColor, ColorCompletedDisabled, colorCompletedDisabled_)
    TQ62_TRACK_PROP(TColor, ColorCompletedDisabledTo, colorCompletedDisabledTo_)
    TQ62_TRACK_PROP(TTrackGradientDirection, Direction, direction_)
    TQ62_TRACK_PROP(bool, PictureStretched, pictureStretched_)
    TQ62_TRACK_PROP(int, Size, size_)
    TQ62_TRACK_PROP(bool, Border3D, border3D_)
    TQ62_TRACK_PROP(bool, Rounded, rounded_)
    TQ62_TRACK_PROP(bool, Visible, visible_)
    TQ62_TRACK_PROP(int, Offset, offset_)
    int Steps() const { return steps_; }

    TGpPicture *Picture() const { return picture_.get(); }
    TGpPicture *PictureDisabled() const { return pictureDisabled_.get(); }
    TGpPicture *PictureCompleted() const { return pictureCompleted_.get(); }
    TGpPicture *PictureCompletedDisabled() const { return pictureCompletedDisabled_.get(); }
    void SetPicture(TGpPicture *Value) { picture_->Assign(Value); }
    void SetPictureDisabled(TGpPicture *Value) { pictureDisabled_->Assign(Value); }
    void SetPictureCompleted(TGpPicture *Value) { pictureCompleted_->Assign(Value); }
    void SetPictureCompletedDisabled(TGpPicture *Value) { pictureCompletedDisabled_->Assign(Value); }
    TCustomTrackBar *SmTrackBar() const { return owner_; }

private:
    void PictureChanged();
    TCustomTrackBar *owner_;
    int steps_ = 20;
    TColor color_, colorTo_, borderColor_, colorDisabled_, colorDisabledTo_, borderColorDisabled_;
    TColor colorCompleted_, colorCompletedTo_, colorCompletedDisabled_, colorCompletedDisabledTo_;
    TTrackGradientDirection direction_ = gdHorizontal;
    bool pictureStretched_ = false;
    int size_ = 2;
    bool border3D_ = true, rounded_ = false, visible_ = true;
    int offset_ = 10;
    std::unique_ptr<TGpPicture> picture_, pictureDisabled_, pictureCompleted_, pictureCompletedDisabled_;
};

class TTrackBarTick : public TTrackBarSettings {
public:
    TTrackBarTick();
    void Assign(TPersistent *Source) override;

    TQ62_TRACK_PROP(TColor, Color, color_)
    TQ62_TRACK_PROP(TColor, ColorDisabled, colorDisabled_)
    TQ62_TRACK_PROP(TTickMark, Position, position_)
    TQ62_TRACK_PROP(TTickStyle, Style, style_)
    TQ62_TRACK_PROP(bool, ShowText, showText_)
    TQ62_TRACK_PROP(bool, Line3D, line3D_)
    TQ62_TRACK_PROP(bool, ShowImageAtThumbOnly, showImageAtThumbOnly_)
    TQ62_TRACK_PROP(int, ShowImageAtSteps, showImageAtSteps_)
    TQ62_TRACK_PROP(int, Spacing, spacing_)
    TQ62_TRACK_PROP(int, Size, size_)
    TQ62_TRACK_PROP(bool, RotateFontVert, rotateFontVert_)
    TFont *Font() const { return font_.get(); }
    void SetFont(TFont *Value) { font_->Assign(Value); }
    TGpPicture *Picture() const { return picture_.get(); }
    TGpPicture *PictureDisabled() const { return pictureDisabled_.get(); }
    void SetPicture(TGpPicture *Value) { picture_->Assign(Value); }
    void SetPictureDisabled(TGpPicture *Value) { pictureDisabled_->Assign(Value); }

private:
    TColor color_ = clBlack, colorDisabled_ = clBlack;
    TTickMark position_ = tmBottomRight;
    TTickStyle style_ = tsAuto;
    bool showText_ = false, line3D_ = false, showImageAtThumbOnly_ = false;
    int showImageAtSteps_ = 1, spacing_ = 8, size_ = 4;
    bool rotateFontVert_ = true;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TGpPicture> picture_, pictureDisabled_;
};

class TTrackBarButtons : public TTrackBarSettings {
public:
    // Construction values of the two mirror colours, which are also their
    // stream defaults: a value equal to one of them need not be stored.
    static constexpr TColor DefaultColorMirror = RGB(192, 212, 237);
    static constexpr TColor DefaultColorMirrorTo = RGB(208, 225, 247);

    explicit TTrackBarButtons(TCustomTrackBar *Owner = nullptr);
    void Assign(TPersistent *Source) override;

    TQ62_TRACK_PROP(bool, Visible, visible_)
    TQ62_TRACK_PROP(TColor, Color, color_)
    TQ62_TRACK_PROP(TColor, ColorTo, colorTo_)
    TQ62_TRACK_FIELD(TColor, ColorMirror, colorMirror_)
    TQ62_TRACK_FIELD(TColor, ColorMirrorTo, colorMirrorTo_)
    TQ62_TRACK_PROP(TColor, BorderColor, borderColor_)
    TQ62_TRACK_PROP(TColor, ColorHot, colorHot_)
    TQ62_TRACK_PROP(TColor, ColorHotTo, colorHotTo_)
    TQ62_TRACK_FIELD(TColor, ColorMirrorHot, colorMirrorHot_)
    TQ62_TRACK_FIELD(TColor, ColorMirrorHotTo, colorMirrorHotTo_)
    TQ62_TRACK_PROP(TColor, BorderColorHot, borderColorHot_)
    TQ62_TRACK_PROP(TColor, ColorDown, colorDown_)
    TQ62_TRACK_PROP(TColor, ColorDownTo, colorDownTo_)
    TQ62_TRACK_FIELD(TColor, ColorMirrorDown, colorMirrorDown_)
    TQ62_TRACK_FIELD(TColor, ColorMirrorDownTo, colorMirrorDownTo_)
    TQ62_TRACK_PROP(TColor, BorderColorDown, borderColorDown_)
    TQ62_TRACK_PROP(TGpGradient, Gradient, gradient_)
    TQ62_TRACK_PROP(TGpGradient, GradientMirror, gradientMirror_)
    TQ62_TRACK_PROP(TTrackButtonShape, Shape, shape_)
    TQ62_TRACK_PROP(int, CornerRadius, cornerRadius_)
    TQ62_TRACK_PROP(int, Spacing, spacing_)
    TQ62_TRACK_PROP(bool, RotateText, rotateText_)
    TQ62_TRACK_FIELD(bool, RepeatClick, repeatClick_)
    TQ62_TRACK_FIELD(int, InitRepeatPause, initRepeatPause_)
    TQ62_TRACK_FIELD(int, RepeatPause, repeatPause_)
    TQ62_TRACK_FIELD(int, Step, step_)
    // Refused while a minus or plus picture is set.
    int Size() const { return size_; }
    void SetSize(int Value);
    // Whether a layout must store the mirror colours (they differ from
    // their defaults).
    bool StoresColorMirror() const { return colorMirror_ != DefaultColorMirror; }
    bool StoresColorMirrorTo() const { return colorMirrorTo_ != DefaultColorMirrorTo; }

    TGpPicture *MinPicture() const { return minPicture_.get(); }
    TGpPicture *MinPictureHot() const { return minPictureHot_.get(); }
    TGpPicture *MinPictureDown() const { return minPictureDown_.get(); }
    TGpPicture *MaxPicture() const { return maxPicture_.get(); }
    TGpPicture *MaxPictureHot() const { return maxPictureHot_.get(); }
    TGpPicture *MaxPictureDown() const { return maxPictureDown_.get(); }
    void SetMinPicture(TGpPicture *Value) { minPicture_->Assign(Value); }
    void SetMinPictureHot(TGpPicture *Value) { minPictureHot_->Assign(Value); }
    void SetMinPictureDown(TGpPicture *Value) { minPictureDown_->Assign(Value); }
    void SetMaxPicture(TGpPicture *Value) { maxPicture_->Assign(Value); }
    void SetMaxPictureHot(TGpPicture *Value) { maxPictureHot_->Assign(Value); }
    void SetMaxPictureDown(TGpPicture *Value) { maxPictureDown_->Assign(Value); }
    // A set minus (else plus) picture fixes Size; run again after loading.
    void ApplyPictureSize();

private:
    TCustomTrackBar *owner_;
    bool visible_ = false;
    TColor color_, colorTo_, colorMirror_, colorMirrorTo_, borderColor_;
    TColor colorHot_, colorHotTo_, colorMirrorHot_, colorMirrorHotTo_, borderColorHot_;
    TColor colorDown_, colorDownTo_, colorMirrorDown_, colorMirrorDownTo_, borderColorDown_;
    TGpGradient gradient_ = ggVertical, gradientMirror_ = ggVertical;
    TTrackButtonShape shape_ = bsRound;
    int cornerRadius_ = 0, spacing_ = 2;
    bool rotateText_ = true, repeatClick_ = true;
    int initRepeatPause_ = 400, repeatPause_ = 100, step_ = 1, size_ = 20;
    std::unique_ptr<TGpPicture> minPicture_, minPictureHot_, minPictureDown_;
    std::unique_ptr<TGpPicture> maxPicture_, maxPictureHot_, maxPictureDown_;
};

class TTrackBarLabel : public TTrackBarSettings {
public:
    TTrackBarLabel();
    void Assign(TPersistent *Source) override;

    TQ62_TRACK_PROP(bool, Visible, visible_)
    TQ62_TRACK_PROP(TLabelPosition, Position, position_)
    TQ62_TRACK_PROP(int, Spacing, spacing_)
    TFont *Font() const { return font_.get(); }
    void SetFont(TFont *Value) { font_->Assign(Value); }
    // The value text's format: it must take exactly one integer ("Pos: %d");
    // any other format throws EConvertError and the old one stays.
    const QString &Format() const { return format_; }
    void SetFormat(const QString &Value);
    // The format applied to Value.
    QString Text(int Value) const;

private:
    bool visible_ = false;
    QString format_ = QStringLiteral("Pos: %d");
    TLabelPosition position_ = lpTopCenter;
    int spacing_ = 4;
    std::unique_ptr<TFont> font_;
};

#undef TQ62_TRACK_PROP
#undef TQ62_TRACK_FIELD
