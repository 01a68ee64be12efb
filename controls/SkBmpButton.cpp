#include "SkBmpButton.h"

#include "Form.h"
#include "SkBitmaps.h"
#include "SkTextUtils.h"
#include "SystemInfo.h"
#include "VirtualKeys.h"

#include <QPainter>

namespace {

int liveButtons = 0;
std::unique_ptr<TBitmap> downPattern;

// An 8 x 8 one-pixel checkerboard of white on the button face.
void CreateDownPatternBitmap()
{
    downPattern = std::make_unique<TBitmap>(8, 8);
    TCanvas *c = downPattern->Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(0, 0, 8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x % 2) == (y % 2))
                c->SetPixel(x, y, clWhite);
}

// Up's black pixels in the shadow colour over a white copy one pixel right
// and down, on the face colour.
std::unique_ptr<TBitmap> GreyedCopy(TBitmap *Up)
{
    const int w = Up->Width(), h = Up->Height();
    // Black where Up is black, white elsewhere.
    TBitmap mask;
    mask.Assign(Up);
    mask.Mask(clBlack);
    mask.Canvas()->SetCopyMode(NOTSRCCOPY);
    mask.Canvas()->CopyRect(Rect(0, 0, w, h), mask.Canvas(), Rect(0, 0, w, h));
    auto grey = std::make_unique<TBitmap>(w, h);
    TCanvas *c = grey->Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(0, 0, w, h));
    c->Font()->SetColor(clBlack);
    c->Brush()->SetColor(clWhite);
    c->SetCopyMode(MERGEPAINT);
    c->CopyRect(Rect(1, 1, w + 1, h + 1), mask.Canvas(), Rect(0, 0, w, h));
    c->SetCopyMode(SRCAND);
    c->CopyRect(Rect(0, 0, w, h), mask.Canvas(), Rect(0, 0, w, h));
    c->Font()->SetColor(clBtnShadow);
    c->Brush()->SetColor(clBlack);
    c->SetCopyMode(SRCPAINT);
    c->CopyRect(Rect(0, 0, w, h), mask.Canvas(), Rect(0, 0, w, h));
    return grey;
}

} // namespace

TSkBmpButton::TSkBmpButton(TComponent *AOwner) : TCustomControl(AOwner), bitmaps_(std::make_unique<TSkButtonBitmaps>())
{
    SetBounds(Left(), Top(), 80, 30);
    // No automatic click on release, no caption from the name; the parent
    // shows through a borderless button.
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csParentBackground});
    bitmaps_->OnChange = [this](TObject *) { BitmapsChanged(); };
    SetColor(clBtnFace);
    SetParentFont(true);
    SetTabStop(true);
    ++liveButtons;
}

TSkBmpButton::~TSkBmpButton()
{
    bitmaps_->OnChange = nullptr;
    if (--liveButtons == 0)
        downPattern.reset();
}

TBitmap *TSkBmpButton::DownPatternBitmap()
{
    return downPattern.get();
}

void TSkBmpButton::SetBitmaps(TSkButtonBitmaps *Value)
{
    bitmaps_->SetUp(Value->Up());
    bitmaps_->SetUpAndFocused(Value->UpAndFocused());
    bitmaps_->SetDisabled(Value->Disabled());
    bitmaps_->SetDown(Value->Down());
    bitmaps_->SetStayDown(Value->StayDown());
    bitmaps_->SetHot(Value->Hot());
    bitmaps_->SetTransparentColor(Value->TransparentColor());
}

bool TSkBmpButton::NewStyle() const
{
    return buttonStyle_ == bsNew || (buttonStyle_ == bsAutoDetect && NewStyleControls);
}

void TSkBmpButton::Loaded()
{
    TCustomControl::Loaded();
    AdjustButtonSize();
}

void TSkBmpButton::AdjustButtonSize()
{
    if (ComponentState().Contains(csLoading) || buttonSize_ == bszNeither || !bitmaps_->Up()->HandleAllocated())
        return;
    if (buttonSize_ == bszButtonToBitmap) {
        const int border = buttonBorder_ == bbNone ? 0 : buttonBorder_ == bbSingle ? 1 : NewStyle() ? 2 : 3;
        SetBounds(Left(), Top(), bitmaps_->Up()->Width() + 2 * border, bitmaps_->Up()->Height() + 2 * border);
    }
    Invalidate();
}

void TSkBmpButton::BitmapsChanged()
{
    if (buttonSize_ == bszButtonToBitmap)
        AdjustButtonSize();
    Invalidate();
}

void TSkBmpButton::Resize()
{
    TCustomControl::Resize();
    AdjustButtonSize();
}

void TSkBmpButton::SetAllowAllUp(bool Value)
{
    if (Value == allowAllUp_)
        return;
    allowAllUp_ = Value;
    BroadcastGroupDown();
}

void TSkBmpButton::SetGroupIndex(int Value)
{
    if (Value == groupIndex_)
        return;
    groupIndex_ = Value;
    BroadcastGroupDown();
}

void TSkBmpButton::SetButtonBorder(TButtonBorder Value)
{
    if (Value == buttonBorder_)
        return;
    buttonBorder_ = Value;
    TControlStyle style = ControlStyle();
    if (Value == bbNone)
        style.Include(csParentBackground);
    else
        style.Exclude(csParentBackground);
    SetControlStyle(style);
    AdjustButtonSize();
    Invalidate();
}

void TSkBmpButton::SetButtonSize(TBtnSize Value)
{
    if (Value == buttonSize_)
        return;
    buttonSize_ = Value;
    AdjustButtonSize();
    Invalidate();
}

void TSkBmpButton::SetButtonStyle(TButtonStyle Value)
{
    if (Value == buttonStyle_)
        return;
    buttonStyle_ = Value;
    AdjustButtonSize();
    Invalidate();
}

namespace {
template <typename T>
bool Store(T &Field, T Value)
{
    if (Field == Value)
        return false;
    Field = Value;
    return true;
}
} // namespace

void TSkBmpButton::SetCaptionDownOffset(int Value)
{
    if (Store(captionDownOffset_, Value))
        Invalidate();
}

void TSkBmpButton::SetLayout(TButtonLayout Value)
{
    if (Store(layout_, Value))
        Invalidate();
}

void TSkBmpButton::SetMargin(int Value)
{
    if (Value >= -1 && Store(margin_, Value))
        Invalidate();
}

void TSkBmpButton::SetShowDownPattern(bool Value)
{
    if (Store(showDownPattern_, Value))
        Invalidate();
}

void TSkBmpButton::SetShowFocus(bool Value)
{
    if (Store(showFocus_, Value))
        Invalidate();
}

void TSkBmpButton::SetSpacing(int Value)
{
    if (Store(spacing_, Value))
        Invalidate();
}

void TSkBmpButton::SetDown(bool Value)
{
    if (groupIndex_ == 0)
        Value = false;
    if (Value == down_)
        return;
    if (down_ && !allowAllUp_)
        return; // a radio group's down button goes up only when another goes down
    down_ = Value;
    state_ = Value ? bsExclusive : bsUp;
    Invalidate();
    if (Value)
        BroadcastGroupDown();
}

void TSkBmpButton::BroadcastGroupDown()
{
    if (groupIndex_ != 0 && Parent())
        broadcastToSiblings(BmpButtonGroupMessage, groupIndex_, this);
    else
        state_ = bsUp;
}

void TSkBmpButton::WndProc(TMessage &Message)
{
    if (Message.Msg != BmpButtonGroupMessage) {
        TCustomControl::WndProc(Message);
        return;
    }
    auto *sender = reinterpret_cast<TSkBmpButton *>(Message.LParam);
    if (static_cast<int>(Message.WParam) == groupIndex_ && sender != this && sender) {
        if (sender->Down() && down_) {
            down_ = false;
            state_ = bsUp;
            Invalidate();
        }
        allowAllUp_ = sender->AllowAllUp();
    }
    Message.Result = 0;
}

void TSkBmpButton::Click()
{
    // Only a modal window closes by its buttons' results; a non-modal one
    // would otherwise keep a stale result for its next modal showing.
    if (TCustomForm *form = GetParentForm(this); form && form->Modal())
        form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

void TSkBmpButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (!*alive)
        return;
    if (Enabled() && !focused_ && Widget() && Widget()->isVisible())
        SetFocus();
    if (Button == mbLeft && Enabled() && (focused_ || Focused())) {
        if (!down_) {
            state_ = bsDown;
            Repaint();
        }
        dragging_ = true;
    }
    if (Shift.Contains(ssDouble) && down_)
        DblClick();
}

void TSkBmpButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!dragging_)
        return;
    const TButtonState next = down_ ? bsExclusive : InClient(X, Y) ? bsDown : bsUp;
    if (next != state_) {
        state_ = next;
        Repaint();
    }
}

void TSkBmpButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!*alive || !dragging_)
        return;
    dragging_ = false;
    const bool inside = InClient(X, Y);
    BroadcastGroupDown();
    EndPress(inside);
}

void TSkBmpButton::EndPress(bool Clicked)
{
    if (groupIndex_ == 0) {
        state_ = bsUp;
        Repaint();
    } else if (Clicked) {
        SetDown(!down_);
    } else {
        if (down_)
            state_ = bsExclusive;
        Repaint();
    }
    if (Clicked)
        Click();
}

void TSkBmpButton::KeyDown(Word &Key, TShiftState Shift)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TCustomControl::KeyDown(Key, Shift);
    if (!*alive)
        return;
    if (Key == VK_RETURN) {
        Click();
    } else if (Key == VK_SPACE && Enabled()) {
        if (!down_) {
            state_ = bsDown;
            Repaint();
        }
        dragging_ = true;
    }
}

void TSkBmpButton::KeyUp(Word &Key, TShiftState Shift)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TCustomControl::KeyUp(Key, Shift);
    if (!*alive || !dragging_)
        return;
    dragging_ = false;
    state_ = bsUp;
    EndPress(true);
}

bool TSkBmpButton::DialogChar(QChar Key)
{
    if (!IsAccel(Key, Caption()) || !Enabled())
        return false;
    Click();
    return true;
}

void TSkBmpButton::MouseEnter()
{
    if (ComponentState().Contains(csDesigning))
        return;
    mouseInside_ = true;
    TCustomControl::MouseEnter();
    if (bitmaps_->Hot()->HandleAllocated())
        Invalidate();
}

void TSkBmpButton::MouseLeave()
{
    mouseInside_ = false;
    TCustomControl::MouseLeave();
    if (bitmaps_->Hot()->HandleAllocated())
        Invalidate();
}

void TSkBmpButton::FocusGained()
{
    TCustomControl::FocusGained();
    focused_ = true;
    Invalidate();
}

void TSkBmpButton::FocusLost()
{
    TCustomControl::FocusLost();
    focused_ = false;
    Invalidate();
}

void TSkBmpButton::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TSkBmpButton::FontChanged()
{
    TCustomControl::FontChanged();
    Invalidate();
}

void TSkBmpButton::TextChanged()
{
    TCustomControl::TextChanged();
    Invalidate();
}

void TSkBmpButton::SysColorChanged()
{
    Invalidate();
}

void TSkBmpButton::ColorChanged()
{
    TCustomControl::ColorChanged();
    Invalidate();
}

TBitmap *TSkBmpButton::ChooseGlyph(std::unique_ptr<TBitmap> &Greyed)
{
    TSkButtonBitmaps &b = *bitmaps_;
    auto has = [](TBitmap *bmp) { return bmp->HandleAllocated(); };
    if (!has(b.Up()) && !(has(b.Disabled()) && state_ == bsDisabled))
        return nullptr;
    switch (state_) {
    case bsUp:
        if (mouseInside_ && has(b.Hot()))
            return b.Hot();
        if (focused_ && showFocus_ && has(b.UpAndFocused()))
            return b.UpAndFocused();
        return b.Up();
    case bsDisabled:
        if (has(b.Disabled()))
            return b.Disabled();
        Greyed = GreyedCopy(b.Up());
        return Greyed.get();
    case bsDown: return has(b.Down()) ? b.Down() : b.Up();
    case bsExclusive: return has(b.StayDown()) ? b.StayDown() : has(b.Down()) ? b.Down() : b.Up();
    }
    return b.Up();
}

void TSkBmpButton::LayoutGlyphAndCaption(TRect &T, TRect &R, TBitmap *Glyph)
{
    const TPoint S{R.Width(), R.Height()};
    TPoint G{0, 0};
    if (Glyph && Glyph->HandleAllocated() && buttonSize_ == bszNeither)
        G = {Glyph->Width(), Glyph->Height()};
    if (!Caption().isEmpty()) {
        T = Rect(0, 0, S.X, 0);
        Canvas()->SetFont(Font());
        DrawTextInRect(Canvas(), Caption(), T, DT_CALCRECT);
    } else {
        T = Rect(0, 0, 0, 0);
    }
    const TPoint TS{T.Width(), T.Height()};
    TPoint glyphPos{0, 0}, textPos{0, 0};
    const bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    if (horizontal) {
        glyphPos.Y = S.Y / 2 - G.Y / 2;
        textPos.Y = S.Y / 2 - TS.Y / 2;
    } else {
        glyphPos.X = S.X / 2 - G.X / 2;
        textPos.X = S.X / 2 - TS.X / 2;
    }
    int spacing = spacing_, margin = margin_;
    if (TS.X == 0 || G.X == 0)
        spacing = 0;
    const int s = horizontal ? S.X : S.Y, g = horizontal ? G.X : G.Y, ts = horizontal ? TS.X : TS.Y;
    if (margin == -1 && spacing == -1) {
        margin = (s - (g + ts)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = s / 2 - (g + spacing + ts) / 2;
    } else if (spacing == -1) {
        spacing = (s - (margin + g)) / 2 - ts / 2;
    }
    switch (layout_) {
    case blGlyphLeft:
        glyphPos.X = margin;
        textPos.X = margin + G.X + spacing;
        break;
    case blGlyphRight:
        glyphPos.X = S.X - margin - G.X;
        textPos.X = glyphPos.X - spacing - TS.X;
        break;
    case blGlyphTop:
        glyphPos.Y = margin;
        textPos.Y = margin + G.Y + spacing;
        break;
    case blGlyphBottom:
        glyphPos.Y = S.Y - margin - G.Y;
        textPos.Y = glyphPos.Y - spacing - TS.Y;
        break;
    }
    T.Offset(R.Left + textPos.X, R.Top + textPos.Y);
    if (G.X != 0 && G.Y != 0)
        R = Bounds(R.Left + glyphPos.X, R.Top + glyphPos.Y, G.X, G.Y);
}

void TSkBmpButton::Paint()
{
    if (!Enabled() && !ComponentState().Contains(csDesigning)) {
        state_ = bsDisabled;
        dragging_ = false;
    } else if (state_ == bsDisabled) {
        state_ = down_ ? bsDown : bsUp;
    }
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap off;
    off.SetPixelFormat(pf32bit);
    off.SetSize(w, h); // fully transparent
    TCanvas *c = off.Canvas();
    TRect r = ClientRect();
    c->Brush()->SetColor(Color());
    const bool newStyle = NewStyle();
    const int bevel = newStyle ? 1 : 2;
    switch (buttonBorder_) {
    case bbNone:
        CopyParentBackground(this, &off, false);
        if (ComponentState().Contains(csDesigning)) {
            c->Pen()->SetStyle(psDot);
            c->Brush()->SetStyle(bsClear);
            c->Rectangle(ClientRect());
            c->Brush()->SetStyle(bsSolid);
        }
        break;
    case bbSingle:
        c->Brush()->SetColor(Color());
        c->FillRect(r);
        c->Brush()->SetColor(clBlack);
        c->FrameRect(r);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        break;
    case bbButton: {
        const TRect face = DrawButtonFace(c, ClientRect(), bevel, buttonStyle_, !newStyle,
                                          state_ == bsDown || state_ == bsExclusive, focused_ && showFocus_);
        r = Rect(face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1);
        break;
    }
    }
    if (state_ == bsExclusive && buttonBorder_ != bbNone) {
        const int k = newStyle ? 2 : 1;
        const TRect area = Rect(r.Left - bevel, r.Top - bevel, r.Right - k + bevel, r.Bottom - k + bevel);
        if (showDownPattern_) {
            if (!downPattern)
                CreateDownPatternBitmap();
            QPainter *p = c->Handle();
            p->save();
            p->setBrushOrigin(0, 0);
            p->fillRect(QRect(area.Left, area.Top, area.Width(), area.Height()),
                        QBrush(static_cast<const TBitmap *>(downPattern.get())->Image()));
            p->restore();
        } else {
            c->FillRect(area);
        }
    }
    std::unique_ptr<TBitmap> greyed;
    TBitmap *glyph = ChooseGlyph(greyed);
    TRect t;
    LayoutGlyphAndCaption(t, r, glyph);
    if (glyph) {
        const TColor key = bitmaps_->TransparentColor();
        const TRect whole = Rect(0, 0, glyph->Width(), glyph->Height());
        switch (buttonSize_) {
        case bszNeither: DrawTransparentBitmapRect(c, glyph, r, key, whole); break;
        case bszButtonToBitmap: StretchTransparentBitmap(c, glyph, r, key, whole); break;
        case bszStretchToButton: DrawWholeTransparentBitmap(c, glyph, r, key); break;
        case bszTileToButton: TileTransparentBitmap(c, glyph, r, key); break;
        }
    }
    c->SetFont(Font());
    if (!Caption().isEmpty()) {
        c->Brush()->SetStyle(bsClear);
        if (state_ == bsDisabled) {
            TRect shadow = t;
            shadow.Offset(1, 1);
            c->Font()->SetColor(clWhite);
            DrawCenteredText(c, Caption(), shadow);
            c->Font()->SetColor(RGB(128, 128, 128));
            DrawCenteredText(c, Caption(), t);
        } else {
            if (state_ == bsDown || state_ == bsExclusive)
                t.Offset(captionDownOffset_, captionDownOffset_);
            DrawCenteredText(c, Caption(), t);
        }
        if (focused_ && showFocus_) {
            c->Brush()->SetStyle(bsSolid);
            c->Brush()->SetColor(clBtnFace);
            t.Inflate(2, 2);
            c->DrawFocusRect(t);
        }
    }
    Canvas()->Draw(0, 0, &off);
}
