#pragma once
// The splash screen's progress bar: TGpSplashProgress describes and draws a
// complete bar (background fill, filled part with shaded ends, value text,
// gloss); TSmSplashProgressBar is the control that shows one on an ordinary
// splash window, with an optional animated approach and glow sweep.

#include "GpFill.h"
#include "GraphicControl.h"
#include "SmSplashItems.h"
#include "Timer.h"

enum TGpProgressValueType { vtPercentage, vtAbsolute };
enum TGpProgressValuePosition { vpProgressCenter, vpProgressRight, vpCenter, vpLeft, vpRight, vpCustom };


class TGpSplashProgress : public TSplashPart {
public:
    TGpSplashProgress();
    TGpFill *BackGroundFill() { return &backGroundFill_; }
    TGpFill *ProgressFill() { return &progressFill_; }
    TFont *Font() { return &font_; }
    TFont *ProgressFont() { return &progressFont_; }
    const QString &ValueFormat() const { return valueFormat_; }
    // The format must take exactly one number (checked printf style, as
    // "%.0f%%"); any other throws EConvertError and keeps the old one.
    void SetValueFormat(const QString &Value);
    TQ62_CHANGED_PROPERTY(TGpProgressValueType, ValueType, valueType_)
    TQ62_CHANGED_PROPERTY(TGpProgressValuePosition, ValuePosition, valuePosition_)
    TQ62_CHANGED_PROPERTY(int, ValuePositionLeft, valuePositionLeft_)
    TQ62_CHANGED_PROPERTY(int, ValuePositionTop, valuePositionTop_)
    TQ62_CHANGED_PROPERTY(bool, ValueVisible, valueVisible_)
    TQ62_CHANGED_PROPERTY(int, Left, left_)
    TQ62_CHANGED_PROPERTY(int, Top, top_)
    TQ62_CHANGED_PROPERTY(int, Width, width_)
    TQ62_CHANGED_PROPERTY(int, Height, height_)
    TQ62_CHANGED_PROPERTY(double, Minimum, minimum_)
    TQ62_CHANGED_PROPERTY(double, Maximum, maximum_)
    TQ62_CHANGED_PROPERTY(double, Position, position_)
    bool Visible() const { return visible_; }
    void SetVisible(bool Value) { visible_ = Value; Changed(); } // always reports
    double Step() const { return step_; }
    void SetStep(double Value) { step_ = Value; } // never reports
    void Assign(TPersistent *Source) override;

    // The value text for a position in [min, max] (clamped), by ValueType.
    QString ValueText(double min, double max, double position) const;
    void Draw(TGPGraphics *Graphics, const TGPRectF &r, double min, double max, double position);
    TGPRectF CalculateProgressRectangle(const TGPRectF &r, double min, double max, double pos);
    TGPRectF GetInsideRectF(const TGPRectF &r);

private:
    TGpFill backGroundFill_;
    TGpFill progressFill_;
    TFont font_;
    TFont progressFont_;
    QString valueFormat_ = QStringLiteral("%.0f%%");
    TGpProgressValueType valueType_ = vtAbsolute;
    TGpProgressValuePosition valuePosition_ = vpCenter;
    int valuePositionLeft_ = 0, valuePositionTop_ = 0;
    bool valueVisible_ = false;
    bool visible_ = false;
    int left_ = 50, top_ = 100, width_ = 300, height_ = 17;
    double step_ = 10;
    double minimum_ = 0, maximum_ = 100, position_ = 0;
};


using TProgressPositionEvent = std::function<void(TObject *Sender, double Position)>;

class TSmSplashProgressBar : public TGraphicControl {
public:
    explicit TSmSplashProgressBar(TComponent *AOwner);
    ~TSmSplashProgressBar() override;

    double Step() const { return step_; }
    void SetStep(double Value) { step_ = Value; }
    double Minimum() const { return minimum_; }
    void SetMinimum(double Value);
    double Maximum() const { return maximum_; }
    void SetMaximum(double Value);
    double Position() const { return position_; }
    // Clamped to [Minimum, Maximum]; with ProgressAnimation only the target.
    void SetPosition(double Value);
    bool GlowAnimation() const { return glowAnimation_; }
    void SetGlowAnimation(bool Value) { glowAnimation_ = Value; Invalidate(); }
    bool ProgressAnimation() const { return progressAnimation_; }
    void SetProgressAnimation(bool Value);
    TGpSplashProgress *Appearance() { return &appearance_; }
    // Copies bounds, visibility, step, range and position of Value.
    void SetAppearance(TGpSplashProgress *Value);
    QString Version() const { return QStringLiteral("1.2.0.0"); }
    void SetVersion(const QString &) {}

    void Next() { SetPosition(positionTo_ + step_); }
    void Next(double AStep) { SetPosition(positionTo_ + AStep); }
    void Previous() { SetPosition(positionTo_ - step_); }
    void Previous(double AStep) { SetPosition(positionTo_ - AStep); }
    void GoToValue(double Value) { SetPosition(Value); }
    void GoToStart() { SetPosition(minimum_); }
    void GoToEnd() { SetPosition(maximum_); }
    bool AnimationInProgress() const;
    // The position being shown (it trails the target while animating).
    double DisplayedPosition() const { return positionTemp_; }
    // One animation tick (10 ms timer).
    void AnimationTick();

    TNotifyEvent OnChange;
    TProgressPositionEvent OnPositionChanged;

    void Paint() override;

private:
    void ApplyAppearance();
    double step_ = 10, minimum_ = 0, maximum_ = 100, position_ = 0;
    double positionTo_ = 0, positionTemp_ = 0;
    bool glowAnimation_ = false, progressAnimation_ = false;
    TGpSplashProgress appearance_;
    int glowCount_ = 3000;
    int glowPos_ = -40;
    TTimer *animationTimer_;
};
