#include "SmSplashProgress.h"

#include "Exceptions.h"
#include "Format.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The inset a fill's border takes: 1 for width 1, else half the width rounded up.
int BorderInset(TGpFill *f)
{
    if (f->BorderColor() == clNone)
        return 0;
    return f->BorderWidth() == 1 ? 1 : (f->BorderWidth() + 1) / 2;
}

void ShadeEnds(TGPGraphics *g, const TGPRectF &r)
{
    if (r.Width <= 0 || r.Height <= 0)
        return;
    const REAL band = std::min<REAL>(10, r.Width);
    TGPLinearGradientBrush left(MakeRectF(r.X, r.Y, band, r.Height), PackArgb(30, 0, 0, 0),
                                PackArgb(0, 0, 0, 0), LinearGradientModeHorizontal);
    g->FillRectangle(&left, MakeRectF(r.X, r.Y, band, r.Height));
    TGPLinearGradientBrush right(MakeRectF(r.X + r.Width - band, r.Y, band, r.Height), PackArgb(0, 0, 0, 0),
                                 PackArgb(30, 0, 0, 0), LinearGradientModeHorizontal);
    g->FillRectangle(&right, MakeRectF(r.X + r.Width - band, r.Y, band, r.Height));
}

} // namespace

TGpSplashProgress::TGpSplashProgress()
{
    Watch(font_);
    Watch(progressFont_);
    backGroundFill_.OnChange = [this](TObject *) { Changed(); };
    progressFill_.OnChange = [this](TObject *) { Changed(); };
}

void TGpSplashProgress::SetValueFormat(const QString &Value)
{
    QString probe;
    QString error;
    if (!TryFormatList(probe, Value, {FormatArg(1.0)}, &error) ||
        TryFormatList(probe, Value, {}, nullptr))
        throw EConvertError(QStringLiteral("The value format \"%1\" does not take one number").arg(Value));
    if (Value == valueFormat_)
        return;
    valueFormat_ = Value;
    Changed();
}

void TGpSplashProgress::Assign(TPersistent *Source)
{
    auto *o = dynamic_cast<TGpSplashProgress *>(Source);
    if (!o) {
        TPersistent::Assign(Source);
        return;
    }
    backGroundFill_.Assign(&o->backGroundFill_);
    progressFill_.Assign(&o->progressFill_);
    font_.Assign(&o->font_);
    progressFont_.Assign(&o->progressFont_);
    valueFormat_ = o->valueFormat_;
    valueType_ = o->valueType_;
    valuePosition_ = o->valuePosition_;
    valuePositionLeft_ = o->valuePositionLeft_;
    valuePositionTop_ = o->valuePositionTop_;
    valueVisible_ = o->valueVisible_;
    visible_ = o->visible_;
    left_ = o->left_;
    top_ = o->top_;
    width_ = o->width_;
    height_ = o->height_;
    step_ = o->step_;
    minimum_ = o->minimum_;
    maximum_ = o->maximum_;
    position_ = o->position_;
    Changed();
}

QString TGpSplashProgress::ValueText(double min, double max, double position) const
{
    const double pos = std::clamp(position, std::min(min, max), std::max(min, max));
    double value = pos;
    if (valueType_ == vtPercentage)
        value = max > min ? (pos - min) / (max - min) * 100 : max;
    QString text;
    TryFormatList(text, valueFormat_, {FormatArg(value)});
    return text;
}

TGPRectF TGpSplashProgress::GetInsideRectF(const TGPRectF &r)
{
    TGPRectF in = MakeRectF(r.X, r.Y, r.Width - 1, r.Height - 1);
    const int d = BorderInset(&backGroundFill_);
    return MakeRectF(in.X + d, in.Y + d, in.Width - 2 * d, in.Height - 2 * d);
}

TGPRectF TGpSplashProgress::CalculateProgressRectangle(const TGPRectF &r, double min, double max, double pos)
{
    const TGPRectF in = GetInsideRectF(r);
    const bool border = progressFill_.BorderColor() != clNone && progressFill_.BorderWidth() > 0;
    const REAL bw = border ? REAL(progressFill_.BorderWidth()) : 0;
    const double usable = in.Width - bw;
    double filled = 0;
    if (max > min)
        filled = std::min(usable, (pos - min) / (max - min) * usable);
    filled = std::max(0.0, filled);
    return MakeRectF(in.X + bw / 2, in.Y + bw / 2, REAL(filled), in.Height - bw);
}

void TGpSplashProgress::Draw(TGPGraphics *g, const TGPRectF &r, double min, double max, double position)
{
    backGroundFill_.Fill(g, MakeRectF(r.X, r.Y, r.Width - 1, r.Height - 1));
    const TGPRectF in = GetInsideRectF(r);
    const TGPRectF part = CalculateProgressRectangle(r, min, max, position);
    if (part.Width > 0) {
        progressFill_.Fill(g, part);
        ShadeEnds(g, part);
    }
    ShadeEnds(g, in);
    if (valueVisible_) {
        const QString text = ValueText(min, max, position);
        TRect calc = Rect(0, 0, 10000, 10000);
        const int tw = (g->DrawText(text, -1, calc, &font_, DT_CALCRECT, clNone), calc.Width());
        const int th = calc.Height();
        int y = int(in.Y + (in.Height - th) / 2);
        if (valuePosition_ == vpCustom)
            y = int(r.Y) + valuePositionTop_;
        const int partRight = int(part.X + part.Width);
        int x = int(in.X);
        switch (valuePosition_) {
        case vpProgressCenter:
            x = part.Width < tw ? int(in.X) : int(part.X + (part.Width - tw) / 2);
            break;
        case vpProgressRight:
            x = part.Width < tw ? int(in.X) : partRight - tw;
            break;
        case vpCenter: x = int(in.X + (in.Width - tw) / 2); break;
        case vpLeft: x = int(in.X); break;
        case vpRight: x = int(r.X + in.Width) - tw; break;
        case vpCustom: x = int(r.X) + valuePositionLeft_; break;
        }
        TFont *f = partRight > x + tw / 2 ? &progressFont_ : &font_;
        TRect tr = Rect(x, y, x + tw, y + th);
        g->DrawText(text, -1, tr, f, 0, clNone);
    }
    const REAL glossTop = REAL(in.Height / 2.5);
    if (glossTop > 0) {
        TGPLinearGradientBrush top(MakeRectF(in.X, in.Y - 1, in.Width, glossTop + 1), PackArgb(180, 255, 255, 255),
                                   PackArgb(0, 255, 255, 255), LinearGradientModeVertical);
        g->FillRectangle(&top, MakeRectF(in.X, in.Y, in.Width, glossTop));
    }
    const REAL glossBottom = REAL(in.Height / 5);
    if (glossBottom > 0) {
        const REAL y = in.Y + in.Height - glossBottom;
        TGPLinearGradientBrush bottom(MakeRectF(in.X, y - 1, in.Width, glossBottom + 1), PackArgb(0, 255, 255, 255),
                                      PackArgb(255, 255, 255, 255), LinearGradientModeVertical);
        g->FillRectangle(&bottom, MakeRectF(in.X, y, in.Width, glossBottom));
    }
}

// -- the control -----------------------------------------------------------------

TSmSplashProgressBar::TSmSplashProgressBar(TComponent *AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 150, 17);
    animationTimer_ = new TTimer(this);
    animationTimer_->SetInterval(10);
    animationTimer_->OnTimer = [this](TObject *) { AnimationTick(); };
}

TSmSplashProgressBar::~TSmSplashProgressBar() = default;

void TSmSplashProgressBar::SetMinimum(double Value)
{
    minimum_ = Value;
    if (positionTo_ < minimum_)
        SetPosition(minimum_);
    Invalidate();
}

void TSmSplashProgressBar::SetMaximum(double Value)
{
    maximum_ = Value;
    if (positionTo_ > maximum_)
        SetPosition(maximum_);
    Invalidate();
}

void TSmSplashProgressBar::SetPosition(double Value)
{
    const double v = std::clamp(Value, std::min(minimum_, maximum_), std::max(minimum_, maximum_));
    positionTo_ = v;
    if (progressAnimation_)
        return;
    position_ = positionTemp_ = v;
    if (OnPositionChanged)
        OnPositionChanged(this, v);
    if (OnChange)
        OnChange(this);
    Invalidate();
}

void TSmSplashProgressBar::SetProgressAnimation(bool Value)
{
    if (Value == progressAnimation_)
        return;
    progressAnimation_ = Value;
    if (!Value)
        SetPosition(positionTo_);
}

bool TSmSplashProgressBar::AnimationInProgress() const
{
    return progressAnimation_ && std::fabs(positionTemp_ - positionTo_) >= 0.001;
}

void TSmSplashProgressBar::AnimationTick()
{
    if (progressAnimation_) {
        const double gap = positionTo_ - positionTemp_;
        const bool moved = std::fabs(gap) > 0.000001;
        if (moved)
            positionTemp_ += (gap > 0 ? 1 : -1) * std::max(std::fabs(gap) / 15, 0.000001);
        else
            positionTemp_ = positionTo_;
        position_ = positionTemp_;
        if (OnPositionChanged)
            OnPositionChanged(this, position_);
        if (moved)
            Invalidate();
    }
    if (glowAnimation_ && position_ > minimum_) {
        if (glowCount_ >= 1500)
            glowPos_ += 3;
        const TGPRectF part = appearance_.CalculateProgressRectangle(
            MakeRectF(0, 0, REAL(Width()), REAL(Height())), minimum_, maximum_, positionTemp_);
        if (part.Width >= glowPos_) {
            glowCount_ += 10;
        } else {
            glowCount_ = 0;
            glowPos_ = -60;
        }
        Invalidate();
    }
}

void TSmSplashProgressBar::SetAppearance(TGpSplashProgress *Value)
{
    if (Value != &appearance_)
        appearance_.Assign(Value);
    ApplyAppearance();
}

void TSmSplashProgressBar::ApplyAppearance()
{
    SetBounds(appearance_.Left(), appearance_.Top(), appearance_.Width(), appearance_.Height());
    SetVisible(appearance_.Visible());
    step_ = appearance_.Step();
    minimum_ = appearance_.Minimum();
    maximum_ = appearance_.Maximum();
    progressAnimation_ = false;
    glowAnimation_ = false;
    SetPosition(appearance_.Position());
    Invalidate();
}

void TSmSplashProgressBar::Paint()
{
    QPainter *p = Canvas()->Handle();
    if (!p)
        return;
    TGPGraphics g(p);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
    const TGPRectF r = MakeRectF(0, 0, REAL(Width()), REAL(Height()));
    appearance_.Draw(&g, r, minimum_, maximum_, positionTemp_);
    if (glowAnimation_ && position_ > 0) {
        const TGPRectF part = appearance_.CalculateProgressRectangle(r, minimum_, maximum_, positionTemp_);
        const TGPRectF in = appearance_.GetInsideRectF(r);
        if (part.Width > 0) {
            TGPRegion clip(part);
            g.SetClip(&clip);
            TGPLinearGradientBrush left(MakeRectF(REAL(glowPos_ - 30), in.Y, 30, in.Height), PackArgb(0, 255, 255, 255),
                                        PackArgb(120, 255, 255, 255), LinearGradientModeHorizontal);
            g.FillRectangle(&left, MakeRectF(REAL(glowPos_ - 30), in.Y, 30, in.Height));
            TGPLinearGradientBrush right(MakeRectF(REAL(glowPos_), in.Y, 30, in.Height), PackArgb(120, 255, 255, 255),
                                         PackArgb(0, 255, 255, 255), LinearGradientModeHorizontal);
            g.FillRectangle(&right, MakeRectF(REAL(glowPos_), in.Y, 30, in.Height));
            g.ResetClip();
        }
    }
}
