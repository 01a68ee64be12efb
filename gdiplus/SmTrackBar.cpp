// TCustomTrackBar: construction, properties, value model and input. The
// layout is in SmTrackBarLayout.cpp, painting in SmTrackBarPaint.cpp, the
// style presets in SmTrackBarStyles.cpp.
#include "SmTrackBar.h"

#include "Screen.h"
#include "VirtualKeys.h"

#include <QFontMetrics>
#include <cmath>

TCustomTrackBar::TCustomTrackBar(TComponent *AOwner) : TCustomControl(AOwner)
{
    auto repaint = [this] { Invalidate(); };
    auto picture = [repaint] {
        auto p = std::make_unique<TGpPicture>();
        p->OnChange = [repaint](TObject *) { repaint(); };
        return p;
    };
    backGround_ = picture();
    backGroundDisabled_ = picture();
    rateInActive_ = picture();
    rateActive_ = picture();
    thumb_ = std::make_unique<TTrackBarThumb>(this);
    slider_.reset(CreateSlider());
    tickMark_ = std::make_unique<TTrackBarTick>();
    buttons_ = std::make_unique<TTrackBarButtons>(this);
    trackLabel_ = std::make_unique<TTrackBarLabel>();
    thumb_->OnChange = [this](TObject *) { Invalidate(); };
    slider_->OnChange = [this](TObject *) { Invalidate(); };
    buttons_->OnChange = [this](TObject *) { Invalidate(); };
    trackLabel_->OnChange = [this](TObject *) { Invalidate(); };
    tickMark_->OnChange = [this](TObject *) { TickMarkChanged(); };
    hintWnd_ = std::make_unique<TTrackHintWindow>(nullptr);
    // The parent shows through, and a quick second press is a second press.
    TControlStyle style = ControlStyle();
    style.Include(csParentBackground);
    style.Exclude(csDoubleClicks);
    SetControlStyle(style);
    SetTabStop(true);
    SetBounds(Left(), Top(), 150, 26);
    SetColor(clNone);
    trackHint_ = ShowHint();
}

TCustomTrackBar::~TCustomTrackBar()
{
    delete repeatTimer_;
    repeatTimer_ = nullptr;
}

void TCustomTrackBar::TickMarkChanged()
{
    UpdateTextHeight();
    Invalidate();
}

void TCustomTrackBar::UpdateTextHeight()
{
    QFontMetrics fm(tickMark_->Font()->ToQFont());
    textHeight_ = fm.height() + 2 * tickTextOffset_;
}

void TCustomTrackBar::Loaded()
{
    TCustomControl::Loaded();
    TickMarkChanged();
    buttons_->ApplyPictureSize();
    thumb_->ApplyPictureSize();
}

// -- properties ---------------------------------------------------------------

void TCustomTrackBar::SetMin(int Value)
{
    if (Value == min_)
        return;
    min_ = Value;
    if (position_ < Value)
        SetPosition(Value);
    Invalidate();
}

void TCustomTrackBar::SetMax(int Value)
{
    if (Value == max_)
        return;
    max_ = Value;
    if (Value < position_)
        SetPosition(Value);
    Invalidate();
}

void TCustomTrackBar::SetOrientation(TTrackBarOrientation Value)
{
    if (Value == orientation_)
        return;
    orientation_ = Value;
    if (!ComponentState().Contains(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TCustomTrackBar::SetTransparent(bool Value)
{
    if (Value == transparent_)
        return;
    transparent_ = Value;
    Invalidate();
}

void TCustomTrackBar::SetBackGroundStretched(bool Value)
{
    if (Value == backGroundStretched_)
        return;
    backGroundStretched_ = Value;
    Invalidate();
}

void TCustomTrackBar::SetColorTo(TColor Value)
{
    if (Value == colorTo_)
        return;
    colorTo_ = Value;
    Invalidate();
}

void TCustomTrackBar::SetBorderColor(TColor Value)
{
    if (Value == borderColor_)
        return;
    borderColor_ = Value;
    Invalidate();
}

void TCustomTrackBar::SetDirection(TTrackGradientDirection Value)
{
    if (Value == direction_)
        return;
    direction_ = Value;
    Invalidate();
}

void TCustomTrackBar::SetTickImages(TCustomImageList *Value)
{
    if (Value == images_)
        return;
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = Value;
    if (images_)
        images_->FreeNotification(this);
    Invalidate();
}

void TCustomTrackBar::Notification(TComponent *AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == images_ && !ComponentState().Contains(csDestroying)) {
        images_ = nullptr;
        Invalidate();
    }
}

void TCustomTrackBar::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TCustomTrackBar::DoEnter()
{
    TCustomControl::DoEnter();
    Repaint();
}

void TCustomTrackBar::DoExit()
{
    TCustomControl::DoExit();
    Repaint();
}

// -- value model --------------------------------------------------------------

void TCustomTrackBar::SetPosition(int Value)
{
    if (Value == position_)
        return;
    if (Value < min_)
        Value = min_;
    if (Value > max_)
        Value = max_;
    const int old = position_;
    TRect before = ThumbRectAt(old);
    position_ = Value;
    TRect after = ThumbRectAt(position_);
    if (ComponentState().Contains(csDesigning)) {
        Invalidate();
        return;
    }
    if (RatingMode()) {
        const int step = position_ >= old ? 1 : -1;
        for (int v = old;; v += step) {
            InvalidateRect(RatingCellRect(v));
            if (v == position_)
                break;
        }
    } else {
        before.Inflate(1, 1);
        after.Inflate(1, 1);
        InvalidateRect(before);
        InvalidateRect(after);
        if (slider_->ColorCompleted() != clNone || !slider_->PictureCompleted()->Empty())
            InvalidateRect(SliderRect());
        if (tickMark_->ShowImageAtThumbOnly()) {
            const TRect t = TrackRect();
            for (const TRect &g : {before, after})
                InvalidateRect(orientation_ == trVertical ? Rect(t.Left, g.Top, t.Right, g.Bottom)
                                                          : Rect(g.Left, t.Top, g.Right, t.Bottom));
        }
        InvalidateTrackLabel();
    }
    DoChange();
}

void TCustomTrackBar::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TCustomTrackBar::InvalidateTrackLabel()
{
    TRect r = LabelRect(!HasTrackLabelHandler());
    if (r == NoRect)
        return;
    if (orientation_ == trHorizontal) {
        r.Inflate(5, 0);
    } else {
        // The rotated text runs upwards from the band's lower end: cover the
        // whole run whichever way round the band's edges are.
        if (r.Top > r.Bottom)
            std::swap(r.Top, r.Bottom);
        r.Inflate(0, 10);
    }
    InvalidateRect(r);
}

void TCustomTrackBar::GetTrackLabelText(QString &Text) const
{
    Text = trackLabel_->Text(position_);
    if (OnGetTrackLabelText)
        OnGetTrackLabelText(const_cast<TCustomTrackBar *>(this), position_, Text);
}

void TCustomTrackBar::StepDown()
{
    if (position_ > min_)
        SetPosition(position_ - buttons_->Step());
}

void TCustomTrackBar::StepUp()
{
    if (position_ < max_)
        SetPosition(position_ + buttons_->Step());
}

int TCustomTrackBar::CheckedValue(double Quotient) const
{
    if (!std::isfinite(Quotient))
        return position_;
    const double v = Quotient * (double(max_) - min_) + min_;
    int value = RoundHalfEven(v);
    value = std::max(value, min_);
    value = std::min(value, max_);
    return IsValidPosition(value) ? value : position_;
}

// A track not longer than the thumb has no values along it: the quotients
// below would divide by zero or a negative length, so Position stays.
int TCustomTrackBar::ValueFromClick(int X, int Y) const
{
    const TRect t = TrackRect();
    const int W = GetThumbWidth();
    const bool vertical = orientation_ == trVertical;
    const double span = double(vertical ? t.Height() : t.Width()) - W;
    if (span <= 0)
        return position_;
    return CheckedValue(vertical ? (double(t.Bottom) - W - Y) / span : (double(X) - t.Left - PointerOffset()) / span);
}

int TCustomTrackBar::ValueFromDrag(int X, int Y) const
{
    const TRect t = TrackRect();
    const int W = GetThumbWidth();
    const bool vertical = orientation_ == trVertical;
    const double span = double(vertical ? t.Height() : t.Width()) - W;
    if (span <= 0)
        return position_;
    return CheckedValue(vertical ? (double(t.Bottom) - W + W / 2 + thumbCenterOffsetY_ - Y) / span
                                 : (double(X) - t.Left - thumbCenterOffsetX_ - W / 2) / span);
}

void TCustomTrackBar::PageTowardsClick()
{
    const TRect t = TrackRect();
    const bool vertical = orientation_ == trVertical;
    const double span = double(vertical ? t.Height() : t.Width()) - GetThumbWidth();
    if (span <= 0)
        return; // no values along the track: paging keeps Position
    const double s = max_ == min_ ? 0.0 : span / (double(max_) - min_);
    const int d = RoundHalfEven((double(position_) - min_) * s);
    const int x = sliderDownPt_.X, y = sliderDownPt_.Y;
    // The walk goes one way only: once the thumb has passed the press point
    // by less than a page it stops there, instead of paging back and forth
    // over the point for as long as the button is held.
    int dir = 0;
    if (vertical) {
        const int e = t.Bottom - d;
        const int r = e > y ? y : y + PointerOffset();
        if (std::abs(double(r) - e) >= s)
            dir = e > y ? 1 : -1;
    } else {
        const int e = t.Left + d;
        const int r = e <= x ? x : x - PointerOffset();
        if (std::abs(double(r) - e) >= s)
            dir = e <= x ? 1 : -1;
    }
    if (dir == 0 || (pageDirection_ != 0 && dir != pageDirection_))
        return;
    pageDirection_ = dir;
    SetPosition(position_ + dir * pageSize_);
}

// -- input --------------------------------------------------------------------

void TCustomTrackBar::StartRepeat()
{
    if (!repeatTimer_) {
        repeatTimer_ = new TTimer(nullptr);
        repeatTimer_->SetEnabled(false);
        repeatTimer_->OnTimer = [this](TObject *Sender) { RepeatTimerTick(Sender); };
    }
    repeatTimer_->SetInterval(unsigned(std::max(buttons_->InitRepeatPause(), 1)));
    repeatTimer_->SetEnabled(true);
}

void TCustomTrackBar::RepeatTimerTick(TObject *Sender)
{
    (void)Sender;
    if (!repeatTimer_)
        return;
    try {
        repeatTimer_->SetInterval(unsigned(std::max(buttons_->RepeatPause(), 1)));
        if (!MouseCapture())
            return;
        if (sliderButtonDown_)
            PageTowardsClick();
        else if (minButtonDown_)
            StepDown();
        else if (maxButtonDown_)
            StepUp();
        else
            repeatTimer_->SetEnabled(false);
    } catch (...) {
        repeatTimer_->SetEnabled(false);
        throw;
    }
}

void TCustomTrackBar::InvalidateThumb()
{
    TRect r = ThumbRect();
    r.Inflate(1, 1);
    InvalidateRect(r);
}

void TCustomTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!*alive)
        return;
    if (!Focused() && CanFocus())
        SetFocus();
    TRect t = TrackRect();
    t.Inflate(4, 4);
    const TPoint p{X, Y};
    const bool onMin = buttons_->Visible() && MinButtonRect().Contains(p);
    const bool onMax = buttons_->Visible() && MaxButtonRect().Contains(p);
    const bool onThumb = ThumbRect().Contains(p);
    const bool rating = RatingMode();
    if (!rating && !onThumb && Button == mbLeft && moveOnClick_ != mcStep && !onMin && !onMax) {
        SetPosition(ValueFromClick(X, Y));
        if (moveOnClick_ == mcMoveSlide)
            thumbDown_ = sliding_ = true;
        return;
    }
    if (Button != mbLeft || rating)
        return;
    if (!onThumb) {
        if (t.Contains(p) && CanPageOnClick()) {
            sliderButtonDown_ = true;
            sliderDownPt_ = p;
            pageDirection_ = 0;
            PageTowardsClick();
            StartRepeat();
        } else if (buttons_->Visible()) {
            if (onMin && !minButtonDown_) {
                minButtonDown_ = true;
                InvalidateRect(MinButtonRect());
                if (buttons_->RepeatClick())
                    StartRepeat();
            }
            if (onMax && !maxButtonDown_) {
                maxButtonDown_ = true;
                InvalidateRect(MaxButtonRect());
                if (buttons_->RepeatClick())
                    StartRepeat();
            }
        }
        return;
    }
    if (CanDragThumb()) {
        sliding_ = thumbDown_ = true;
        InvalidateThumb();
        const TRect r = ThumbRect();
        thumbCenterOffsetX_ = X - r.Left - r.Width() / 2;
        thumbCenterOffsetY_ = Y - r.Top - r.Height() / 2;
    }
}

void TCustomTrackBar::MouseMove(TShiftState Shift, int X, int Y)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TCustomControl::MouseMove(Shift, X, Y);
    if (!*alive || RatingMode())
        return;
    if (sliding_) {
        const int v = ValueFromDrag(X, Y);
        if (v != position_ && trackHint_ && v != hintTickIndex_) {
            hintTickIndex_ = v;
            QString text = QString::number(v);
            if (OnGetTrackHint)
                OnGetTrackHint(this, v, text);
            TRect r = hintWnd_->CalcHintRect(100, text, nullptr);
            hintWnd_->SetCaption(text);
            hintWnd_->SetColor(clInfoBk);
            const TPoint cursor = Mouse->CursorPos();
            r.Offset(cursor.X + 10, cursor.Y);
            hintWnd_->ActivateHint(r, text);
            trackHintShow_ = true;
        }
        sliderButtonDown_ = false;
        SetPosition(v);
        return;
    }
    const TPoint p{X, Y};
    if (buttons_->Visible()) {
        auto track = [&](const TRect &r, bool &hot, bool &down) {
            const bool inside = r.Contains(p);
            if (inside && !hot) {
                hot = true;
                InvalidateRect(r);
            } else if (!inside && hot) {
                hot = down = false;
                InvalidateRect(r);
            }
        };
        track(MinButtonRect(), minButtonHot_, minButtonDown_);
        track(MaxButtonRect(), maxButtonHot_, maxButtonDown_);
    }
    if (ThumbRect().Contains(p) && CanDragThumb()) {
        if (!thumbHot_) {
            thumbHot_ = true;
            InvalidateThumb();
        }
    } else if (thumbHot_) {
        thumbHot_ = thumbDown_ = false;
        InvalidateThumb();
    }
}

void TCustomTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (repeatTimer_)
        repeatTimer_->SetEnabled(false);
    sliderButtonDown_ = false;
    const TPoint p{X, Y};
    if (RatingMode()) {
        if (Button == mbLeft) {
            const int v = RatingValueAt(p);
            const TRect first = RatingCellRect(min_ + 1);
            if (v >= 0)
                SetPosition(v);
            else if (first != NoRect && X >= first.Left - 4 && X <= first.Left - 1 &&
                     Y >= first.Top && Y <= first.Bottom)
                SetPosition(min_);
        }
    } else if (Button == mbLeft) {
        if (trackHintShow_) {
            hintWnd_->ReleaseHandle();
            trackHintShow_ = false;
        }
        sliding_ = false;
        if (thumbDown_) {
            thumbDown_ = false;
            if (!ThumbRect().Contains(p))
                thumbHot_ = false;
            InvalidateThumb();
        }
        if (buttons_->Visible()) {
            // A button press ends with any release; it steps only when
            // released on the button it began on.
            if (minButtonDown_) {
                minButtonDown_ = false;
                InvalidateRect(MinButtonRect());
                if (MinButtonRect().Contains(p))
                    StepDown();
            }
            if (maxButtonDown_) {
                maxButtonDown_ = false;
                InvalidateRect(MaxButtonRect());
                if (MaxButtonRect().Contains(p))
                    StepUp();
            }
        }
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomTrackBar::MouseLeave()
{
    TCustomControl::MouseLeave();
    if (minButtonHot_ || minButtonDown_) {
        minButtonHot_ = minButtonDown_ = false;
        InvalidateRect(MinButtonRect());
    }
    if (maxButtonHot_ || maxButtonDown_) {
        maxButtonHot_ = maxButtonDown_ = false;
        InvalidateRect(MaxButtonRect());
    }
    if ((thumbHot_ || thumbDown_) && !sliding_) {
        thumbHot_ = thumbDown_ = false;
        InvalidateThumb();
    }
}

void TCustomTrackBar::KeyDown(Word &Key, TShiftState Shift)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TCustomControl::KeyDown(Key, Shift);
    if (!*alive || Shift.Contains(ssShift))
        return;
    const bool vertical = orientation_ == trVertical;
    switch (Key) {
    case VK_PRIOR: SetPosition(position_ + pageSize_); break;
    case VK_NEXT: SetPosition(position_ - pageSize_); break;
    case VK_END: SetPosition(vertical ? GetMin() : GetMax()); break;
    case VK_HOME: SetPosition(vertical ? GetMax() : GetMin()); break;
    case VK_LEFT:
    case VK_DOWN:
        if (position_ > min_)
            SetPosition(position_ - 1);
        break;
    case VK_UP:
    case VK_RIGHT:
        if (position_ < max_)
            SetPosition(position_ + 1);
        break;
    default: break;
    }
}

bool TCustomTrackBar::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    TCustomControl::DoMouseWheelDown(Shift, MousePos);
    if (position_ > min_)
        SetPosition(position_ - 1);
    return true;
}

bool TCustomTrackBar::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    TCustomControl::DoMouseWheelUp(Shift, MousePos);
    if (position_ < max_)
        SetPosition(position_ + 1);
    return true;
}

