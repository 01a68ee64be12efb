#include "SmTrackBarSettings.h"

#include "Exceptions.h"
#include "Format.h"
#include "SmTrackBar.h"

std::unique_ptr<TGpPicture> TTrackBarSettings::MakePicture(std::function<void()> Hook)
{
    auto p = std::make_unique<TGpPicture>();
    p->OnChange = [Hook](TObject *) { Hook(); };
    return p;
}

// -- TTrackBarThumb -----------------------------------------------------------

TTrackBarThumb::TTrackBarThumb(TCustomTrackBar *Owner)
    : owner_(Owner), color_(RGB(200, 219, 238)), colorTo_(RGB(201, 221, 246)), colorMirror_(RGB(192, 212, 237)),
      colorMirrorTo_(RGB(208, 225, 247)), borderColor_(RGB(64, 111, 157)), colorHot_(RGB(255, 253, 235)),
      colorHotTo_(RGB(255, 236, 172)), colorMirrorHot_(RGB(255, 218, 89)), colorMirrorHotTo_(RGB(255, 233, 164)),
      borderColorHot_(RGB(219, 206, 153)), colorDown_(RGB(241, 175, 118)), colorDownTo_(RGB(243, 144, 65)),
      colorMirrorDown_(RGB(241, 114, 14)), colorMirrorDownTo_(RGB(253, 159, 76)),
      borderColorDown_(RGB(123, 102, 69)), colorDisabled_(clBlack), colorDisabledTo_(clBlack),
      colorMirrorDisabled_(clBlack), colorMirrorDisabledTo_(clBlack), borderColorDisabled_(clBlack)
{
    auto hook = [this] {
        ApplyPictureSize();
        Changed();
    };
    picture_ = MakePicture(hook);
    pictureHot_ = MakePicture(hook);
    pictureDown_ = MakePicture(hook);
    pictureDisabled_ = MakePicture(hook);
}

void TTrackBarThumb::ApplyPictureSize()
{
    if (picture_->Empty() || !owner_)
        return;
    picture_->GetImageSizes();
    if (owner_->Orientation() == trVertical) {
        width_ = picture_->Height();
        size_ = picture_->Width();
    } else {
        size_ = picture_->Height();
        width_ = picture_->Width();
    }
}

void TTrackBarThumb::SetWidth(int Value)
{
    if (picture_->Empty())
        Store(width_, Value);
}

void TTrackBarThumb::SetSize(int Value)
{
    if (picture_->Empty())
        Store(size_, Value);
}

void TTrackBarThumb::SetThumbPointer(TThumbPointer Value)
{
    if (Value == thumbPointer_ || !owner_)
        return;
    TThumbPointer p = Value;
    if (!owner_->CanChangeThumbPointer(this, p))
        return;
    thumbPointer_ = p;
    Changed();
}

void TTrackBarThumb::Assign(TPersistent *Source)
{
    auto *s = dynamic_cast<TTrackBarThumb *>(Source);
    if (!s)
        return; // another class: nothing to copy, nothing reported
    color_ = s->color_, colorTo_ = s->colorTo_, colorMirror_ = s->colorMirror_;
    colorMirrorTo_ = s->colorMirrorTo_, borderColor_ = s->borderColor_;
    colorHot_ = s->colorHot_, colorHotTo_ = s->colorHotTo_, colorMirrorHot_ = s->colorMirrorHot_;
    colorMirrorHotTo_ = s->colorMirrorHotTo_, borderColorHot_ = s->borderColorHot_;
    colorDown_ = s->colorDown_, colorDownTo_ = s->colorDownTo_, colorMirrorDown_ = s->colorMirrorDown_;
    colorMirrorDownTo_ = s->colorMirrorDownTo_, borderColorDown_ = s->borderColorDown_;
    colorDisabled_ = s->colorDisabled_, colorDisabledTo_ = s->colorDisabledTo_;
    colorMirrorDisabled_ = s->colorMirrorDisabled_, colorMirrorDisabledTo_ = s->colorMirrorDisabledTo_;
    borderColorDisabled_ = s->borderColorDisabled_;
    steps_ = s->steps_, gradient_ = s->gradient_, gradientMirror_ = s->gradientMirror_;
    SetPicture(s->Picture());
    SetPictureHot(s->PictureHot());
    SetPictureDown(s->PictureDown());
    SetPictureDisabled(s->PictureDisabled());
    SetWidth(s->width_);
    SetShape(s->shape_);
    style_ = s->style_;
    SetSize(s->size_);
    SetThumbPointer(s->thumbPointer_);
}

// -- TTrackBarSlider ----------------------------------------------------------

TTrackBarSlider::TTrackBarSlider(TCustomTrackBar *Owner)
    : owner_(Owner), color_(clWhite), colorTo_(clBlack), borderColor_(RGB(116, 150, 194)), colorDisabled_(clBlack),
      colorDisabledTo_(clBlack), borderColorDisabled_(clBlack), colorCompleted_(clNone), colorCompletedTo_(clNone),
      colorCompletedDisabled_(clNone), colorCompletedDisabledTo_(clNone)
{
    auto hook = [this] { PictureChanged(); };
    picture_ = MakePicture(hook);
    pictureDisabled_ = MakePicture(hook);
    pictureCompleted_ = MakePicture(hook);
    pictureCompletedDisabled_ = MakePicture(hook);
}

void TTrackBarSlider::PictureChanged()
{
    if (!picture_->Empty()) {
        picture_->GetImageSizes();
        const bool vertical = owner_ && owner_->Orientation() == trVertical;
        size_ = vertical ? picture_->Width() : picture_->Height();
        SetBorderColor(clNone);
    }
    Changed();
}

void TTrackBarSlider::Assign(TPersistent *Source)
{
    auto *s = dynamic_cast<TTrackBarSlider *>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    borderColor_ = s->borderColor_, borderColorDisabled_ = s->borderColorDisabled_;
    color_ = s->color_, colorTo_ = s->colorTo_, colorDisabled_ = s->colorDisabled_;
    colorDisabledTo_ = s->colorDisabledTo_, colorCompleted_ = s->colorCompleted_;
    colorCompletedTo_ = s->colorCompletedTo_, colorCompletedDisabled_ = s->colorCompletedDisabled_;
    colorCompletedDisabledTo_ = s->colorCompletedDisabledTo_;
    size_ = s->size_, rounded_ = s->rounded_, pictureStretched_ = s->pictureStretched_;
    SetBorder3D(s->border3D_);
    SetVisible(s->visible_);
    SetPicture(s->Picture());
    SetPictureDisabled(s->PictureDisabled());
    SetPictureCompleted(s->PictureCompleted());
    SetPictureCompletedDisabled(s->PictureCompletedDisabled());
    SetOffset(s->offset_);
}

// -- TTrackBarTick ------------------------------------------------------------

TTrackBarTick::TTrackBarTick() : font_(std::make_unique<TFont>())
{
    font_->SetName(QStringLiteral("Tahoma"));
    font_->OnChange = [this](TObject *) { Changed(); };
    picture_ = MakePicture([this] { Changed(); });
    pictureDisabled_ = MakePicture([this] { Changed(); });
}

void TTrackBarTick::Assign(TPersistent *Source)
{
    auto *s = dynamic_cast<TTrackBarTick *>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    showImageAtThumbOnly_ = s->showImageAtThumbOnly_, showImageAtSteps_ = s->showImageAtSteps_;
    SetColor(s->color_);
    SetColorDisabled(s->colorDisabled_);
    SetSize(s->size_);
    SetPosition(s->position_);
    SetStyle(s->style_);
    SetPicture(s->Picture());
    SetPictureDisabled(s->PictureDisabled());
    SetFont(s->Font());
    SetShowText(s->showText_);
    SetLine3D(s->line3D_);
    SetSpacing(s->spacing_);
}

// -- TTrackBarButtons ---------------------------------------------------------

TTrackBarButtons::TTrackBarButtons(TCustomTrackBar *Owner)
    : owner_(Owner), color_(RGB(200, 219, 238)), colorTo_(RGB(201, 221, 246)), colorMirror_(DefaultColorMirror),
      colorMirrorTo_(DefaultColorMirrorTo), borderColor_(RGB(47, 87, 141)), colorHot_(RGB(255, 253, 235)),
      colorHotTo_(RGB(255, 236, 172)), colorMirrorHot_(RGB(255, 218, 89)), colorMirrorHotTo_(RGB(255, 233, 164)),
      borderColorHot_(RGB(219, 206, 153)), colorDown_(RGB(241, 175, 118)), colorDownTo_(RGB(243, 144, 65)),
      colorMirrorDown_(RGB(241, 114, 14)), colorMirrorDownTo_(RGB(253, 159, 76)),
      borderColorDown_(RGB(123, 102, 69))
{
    auto sized = [this] {
        ApplyPictureSize();
        Changed();
    };
    minPicture_ = MakePicture(sized);
    maxPicture_ = MakePicture(sized);
    // The hot and pressed pictures do not notify.
    minPictureHot_ = std::make_unique<TGpPicture>();
    minPictureDown_ = std::make_unique<TGpPicture>();
    maxPictureHot_ = std::make_unique<TGpPicture>();
    maxPictureDown_ = std::make_unique<TGpPicture>();
}

void TTrackBarButtons::ApplyPictureSize()
{
    if ((minPicture_->Empty() && maxPicture_->Empty()) || !owner_)
        return;
    TGpPicture *p = minPicture_->Empty() ? maxPicture_.get() : minPicture_.get();
    p->GetImageSizes();
    size_ = owner_->Orientation() == trVertical ? p->Height() : p->Width();
}

void TTrackBarButtons::SetSize(int Value)
{
    if (minPicture_->Empty() && maxPicture_->Empty())
        Store(size_, Value);
}

void TTrackBarButtons::Assign(TPersistent *Source)
{
    auto *s = dynamic_cast<TTrackBarButtons *>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    colorMirror_ = s->colorMirror_, colorMirrorTo_ = s->colorMirrorTo_, colorMirrorHot_ = s->colorMirrorHot_;
    colorMirrorHotTo_ = s->colorMirrorHotTo_, colorMirrorDown_ = s->colorMirrorDown_;
    colorMirrorDownTo_ = s->colorMirrorDownTo_;
    repeatClick_ = s->repeatClick_, repeatPause_ = s->repeatPause_, initRepeatPause_ = s->initRepeatPause_;
    step_ = s->step_;
    SetBorderColor(s->borderColor_);
    SetBorderColorHot(s->borderColorHot_);
    SetBorderColorDown(s->borderColorDown_);
    SetColor(s->color_);
    SetColorTo(s->colorTo_);
    SetColorHot(s->colorHot_);
    SetColorHotTo(s->colorHotTo_);
    SetColorDown(s->colorDown_);
    SetColorDownTo(s->colorDownTo_);
    SetMinPicture(s->MinPicture());
    SetMinPictureHot(s->MinPictureHot());
    SetMinPictureDown(s->MinPictureDown());
    SetMaxPicture(s->MaxPicture());
    SetMaxPictureHot(s->MaxPictureHot());
    SetMaxPictureDown(s->MaxPictureDown());
    SetVisible(s->visible_);
    SetSize(s->size_);
    SetShape(s->shape_);
    SetCornerRadius(s->cornerRadius_);
    SetRotateText(s->rotateText_);
    SetSpacing(s->spacing_);
}

// -- TTrackBarLabel -----------------------------------------------------------

TTrackBarLabel::TTrackBarLabel() : font_(std::make_unique<TFont>())
{
    font_->SetName(QStringLiteral("Tahoma"));
    font_->OnChange = [this](TObject *) { Changed(); };
}

void TTrackBarLabel::SetFormat(const QString &Value)
{
    if (Value == format_)
        return;
    // It must need an argument, and one integer must satisfy it.
    QString probe, error;
    if (TryFormatList(probe, Value, {}) || !TryFormatList(probe, Value, {FormatArg(0)}, &error))
        throw EConvertError(QStringLiteral("The value label's format \"%1\" does not take one integer%2")
                                .arg(Value, error.isEmpty() ? QString() : QStringLiteral(": ") + error));
    format_ = Value;
    Changed();
}

QString TTrackBarLabel::Text(int Value) const
{
    QString text;
    return TryFormat(text, format_, Value) ? text : QString();
}

void TTrackBarLabel::Assign(TPersistent *Source)
{
    auto *s = dynamic_cast<TTrackBarLabel *>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    visible_ = s->visible_;
    format_ = s->format_;
    SetFont(s->Font());
    SetPosition(s->position_);
}
