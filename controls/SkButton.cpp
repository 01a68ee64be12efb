#include "SkButton.h"

#include "Bitmap.h"
#include "Button.h"
#include "SkColorUtils.h"
#include "SkFrames.h"
#include "SkGradient.h"
#include "Themes.h"
#include "VirtualKeys.h"

#include <QPainter>

TSkButton::TSkButton(TComponent *AOwner) : TSkCustomButton(AOwner)
{
    SetBounds(Left(), Top(), 75, 25);
    SetColor(clBtnFace);
}

void TSkButton::SetAlignment(TAlignment Value)
{
    if (Value == alignment_)
        return;
    alignment_ = Value;
    Invalidate();
}

void TSkButton::SetFrameColor(TColor Value)
{
    if (Value == frameColor_)
        return;
    frameColor_ = Value;
    Invalidate();
}

void TSkButton::SetShowDownPattern(bool Value)
{
    if (Value == showDownPattern_)
        return;
    showDownPattern_ = Value;
    Invalidate();
}

void TSkButton::SetShowFocusRect(bool Value)
{
    if (Value == showFocusRect_)
        return;
    showFocusRect_ = Value;
    Invalidate();
}

void TSkButton::SetHotTrack(bool Value)
{
    TSkCustomButton::SetHotTrack(Value);
    SetTransparent(Value);
    Invalidate();
}

void TSkButton::SetDefault(bool Value)
{
    default_ = Value;
    if (TCustomForm *form = GetParentForm(this))
        FocusChanged(form->ActiveControl());
}

void TSkButton::SetAllowAllUp(bool Value)
{
    if (Value == allowAllUp_)
        return;
    allowAllUp_ = Value;
    BroadcastGroupDown();
}

void TSkButton::SetGroupIndex(int Value)
{
    if (Value == groupIndex_)
        return;
    groupIndex_ = Value;
    BroadcastGroupDown();
}

void TSkButton::SetDown(bool Value)
{
    if (groupIndex_ == 0)
        Value = false;
    if (Value == down_)
        return;
    if (down_ && groupIndex_ != 0 && !allowAllUp_)
        return;
    down_ = Value;
    groupState_ = Value ? bsExclusive : bsUp;
    Invalidate();
    if (Value)
        BroadcastGroupDown();
}

void TSkButton::BroadcastGroupDown()
{
    if (groupIndex_ != 0 && Parent())
        broadcastToSiblings(ButtonGroupMessage, groupIndex_, this);
}

void TSkButton::WndProc(TMessage &Message)
{
    if (Message.Msg == ButtonGroupMessage) {
        auto *sender = reinterpret_cast<TSkButton *>(Message.LParam);
        if (sender && sender != this && static_cast<int>(Message.WParam) == groupIndex_) {
            if (sender->Down() && down_) {
                down_ = false;
                groupState_ = bsUp;
                Invalidate();
            }
            allowAllUp_ = sender->AllowAllUp();
        }
        Message.Result = 0;
        return;
    }
    if (Message.Msg == CM_PARENTCOLORCHANGED && HotTrack())
        Invalidate(); // the flat look's shade ring follows the parent's colour
    if (Message.Msg == CM_DIALOGKEY) {
        const TShiftState shift = TShiftState::FromBits(static_cast<std::uint64_t>(Message.LParam));
        const bool plain = !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
        const Word key = static_cast<Word>(Message.WParam);
        if (plain && ((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) && CanFocus()) {
            Click();
            Message.Result = 1;
            return;
        }
        Message.Result = 0;
        return;
    }
    TSkCustomButton::WndProc(Message);
}

bool TSkButton::DialogChar(QChar Key)
{
    if (!IsAccel(Key, Caption()) || !CanFocus())
        return false;
    Click();
    return true;
}

void TSkButton::FocusChanged(TWinControl *Focused)
{
    if (ComponentState().Contains(csDestroying))
        return;
    const bool button = dynamic_cast<TSkButton *>(Focused) || dynamic_cast<TButton *>(Focused);
    const bool active = button ? Focused == this : default_;
    if (active != active_) {
        active_ = active;
        Repaint();
    }
}

void TSkButton::Click()
{
    // Only a modal window closes by its buttons' results.
    if (TCustomForm *form = GetParentForm(this); form && form->Modal())
        form->SetModalResult(modalResult_);
    TSkCustomButton::Click();
}

void TSkButton::ButtonClicked()
{
    if (groupIndex_ != 0)
        SetDown(!down_);
    else
        UpdateDisplay();
    // The clicking flag shows the focus frame while Click runs; the button
    // may be gone when Click returns.
    clicking_ = true;
    std::shared_ptr<bool> alive = aliveToken_;
    try {
        Click();
    } catch (...) {
        if (*alive)
            clicking_ = false;
        throw;
    }
    if (*alive)
        clicking_ = false;
}

bool TSkButton::Pressed() const
{
    return groupState_ == bsExclusive || showPressed_;
}

void TSkButton::FillDownPattern(TBitmap &Pattern) const
{
    Pattern.SetSize(8, 8);
    TCanvas *c = Pattern.Canvas();
    c->Brush()->SetColor(Color());
    c->FillRect(Rect(0, 0, 8, 8));
    const TColor dot = ColorToRGB(Color()) == clSilver ? clGray : clSilver;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x % 2) == (y % 2))
                c->SetPixel(x, y, dot);
}

TRect TSkButton::GetCaptionRect() const
{
    TRect r = ClientRect();
    r = Rect(r.Left + 5, r.Top + 5, r.Right - 5, r.Bottom - 5);
    const bool classic = !HotTrack() && !UsingSystemStyle();
    const bool pressed = groupIndex_ != 0 ? Pressed() : showPressed_;
    if (classic && pressed)
        r.Offset(1, 1);
    return r;
}

void TSkButton::PaintCaptionText()
{
    unsigned flags = 0x50; // word break, tab expansion
    if (alignment_ == taRightJustify)
        flags |= DT_RIGHT;
    else if (alignment_ == taCenter)
        flags |= DT_CENTER;
    DrawCaption(Canvas(), GetCaptionRect(), flags);
}

void TSkButton::PaintHotFace(TRect B)
{
    TCanvas *c = Canvas();
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(DarkenColor(Color(), 20));
    c->MoveTo(B.Left, B.Bottom - 2);
    c->LineTo(B.Right, B.Bottom - 2);
    c->Pen()->SetColor(DarkenColor(Color(), 30));
    c->MoveTo(B.Left, B.Bottom - 1);
    c->LineTo(B.Right, B.Bottom - 1);
    B.Bottom -= 2;
    if (ScreenHasFullColor()) {
        PaintGradientFill(c, B, gdHorizontalEnd, LightenColor(Color(), 30), DarkenColor(Color(), 10), 1);
    } else {
        c->Brush()->SetColor(Color());
        c->FillRect(B);
    }
}

void TSkButton::PaintFlat(TRect &B)
{
    TCanvas *c = Canvas();
    const TColor parent = Parent() ? Parent()->Color() : clBtnFace;
    const TColor dark = Enabled() ? DarkenColor(parent, 20) : parent;
    const TColor light = Enabled() ? LightenColor(parent, 20) : parent;
    auto line = [c](TColor col, int x1, int y1, int x2, int y2) {
        c->Pen()->SetColor(col);
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
    };
    // The shade ring, then the frame ring with its corners left out.
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    line(dark, B.Left, B.Top + 2, B.Left, B.Bottom - 2);
    line(dark, B.Left + 2, B.Top, B.Right - 2, B.Top);
    line(light, B.Right - 1, B.Top + 2, B.Right - 1, B.Bottom - 2);
    line(light, B.Left + 2, B.Bottom - 1, B.Right - 2, B.Bottom - 1);
    c->SetPixel(B.Left + 1, B.Top + 1, dark);
    c->SetPixel(B.Right - 2, B.Top + 1, dark);
    c->SetPixel(B.Left + 1, B.Bottom - 2, dark);
    c->SetPixel(B.Right - 2, B.Bottom - 2, light);
    B = Rect(B.Left + 1, B.Top + 1, B.Right - 1, B.Bottom - 1);
    const TColor frame = Enabled() ? frameColor_
                         : Color() == clBtnFace ? LightenColor(clBtnShadow, 30)
                                                : DarkenColor(Color(), 80);
    line(frame, B.Left, B.Top + 1, B.Left, B.Bottom - 1);
    line(frame, B.Left + 1, B.Top, B.Right - 1, B.Top);
    line(frame, B.Right - 1, B.Top + 1, B.Right - 1, B.Bottom - 1);
    line(frame, B.Left + 1, B.Bottom - 1, B.Right - 1, B.Bottom - 1);
    B = Rect(B.Left + 1, B.Top + 1, B.Right - 1, B.Bottom - 1);
    if (!Enabled()) {
        c->Brush()->SetColor(Color());
        c->FillRect(B);
        return;
    }
    if (Pressed()) {
        c->Brush()->SetColor(DarkenColor(Color(), 10));
        c->FillRect(B);
    } else if (mouseOver_) {
        PaintHotFace(B);
        TColor start, stop;
        if (HotTrackColorType() == htctActual) {
            start = MixColors(clWhite, HotTrackColor(), 190);
            stop = HotTrackColor();
        } else {
            start = ContrastingHueColor(HotTrackColor(), 180);
            stop = DarkenColor(start, 30);
        }
        PaintGradientBorder(c, B, gdHorizontalEnd, start, stop);
    } else if (groupIndex_ != 0 || (!active_ && !Focused())) {
        PaintHotFace(B);
    } else {
        PaintHotFace(B);
        TColor h = HighlightColor();
        if (ColorsLookAlike(h, clBtnFace))
            h = DarkenColor(h, 30);
        const TColor l = LightenColor(Color(), 30);
        PaintGradientBorder(c, B, gdHorizontalEnd, MixColors(h, l, 60), MixColors(h, l, 160));
    }
}

void TSkButton::PaintClassic(TRect &B)
{
    TCanvas *c = Canvas();
    if (groupIndex_ == 0 && (((active_ || Focused()) && !showPressed_) || clicking_))
        B = PaintSideLines(c, B, clWindowFrame, clWindowFrame, sdAllSides);
    if (Color() == clBtnFace) {
        if (groupIndex_ != 0)
            B = PaintFrame(c, B, Pressed() ? fsLowered : fsButtonUp);
        else
            B = PaintButtonEdge(c, B, showPressed_);
    } else if (groupIndex_ == 0) {
        B = PaintColorButtonEdge(c, B, Color(), showPressed_);
    } else if (Pressed()) {
        B = PaintColorFrame(c, B, Color(), fsLowered);
    } else {
        B = PaintColorButtonEdge(c, B, Color(), false);
    }
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(B);
}

void TSkButton::Paint()
{
    TCanvas *c = Canvas();
    const bool themed = UsingSystemStyle();
    const int inset = (HotTrack() || themed) ? 3 : 4;
    TRect f = ClientRect();
    f = Rect(f.Left + inset, f.Top + inset, f.Right - inset, f.Bottom - inset);
    if (groupIndex_ != 0 && Pressed())
        f.Offset(1, 1);
    TRect b = ClientRect();
    if (themed) {
        TThemedButtonState state = TThemedButtonState::Defaulted;
        if (!Enabled())
            state = TThemedButtonState::Disabled;
        else if (Pressed())
            state = TThemedButtonState::Pressed;
        else if (mouseOver_)
            state = TThemedButtonState::Hot;
        else if (groupIndex_ != 0 || (!active_ && !Focused()) || showPressed_)
            state = TThemedButtonState::Normal;
        c->Brush()->SetColor(Parent() ? Parent()->Color() : clBtnFace);
        c->FillRect(b);
        DrawThemedPushButton(c, b, state);
    } else if (HotTrack()) {
        PaintFlat(b);
    } else {
        PaintClassic(b);
    }
    if (groupIndex_ != 0 && groupState_ == bsExclusive && showDownPattern_) {
        TBitmap pattern;
        FillDownPattern(pattern);
        QPainter *p = c->Handle();
        if (p) {
            p->save();
            p->setBrushOrigin(0, 0);
            p->fillRect(QRect(b.Left, b.Top, b.Width(), b.Height()),
                        QBrush(static_cast<const TBitmap &>(pattern).Image()));
            p->restore();
        }
    }
    c->SetFont(Font());
    c->Brush()->SetColor(Color());
    PaintCaptionText();
    if (Focused() && showFocusRect_)
        PaintDottedRect(c, f);
}
