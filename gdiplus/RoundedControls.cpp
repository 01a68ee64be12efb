// The rounded panel, its embedded buttons and the button panel.
#include "RoundedControls.h"

#include "GpFill.h"

#include <QPainter>
#include <memory>

// -- TRoundedPanel ------------------------------------------------------------

TRoundedPanel::TRoundedPanel(TComponent *AOwner) : TCustomControl(AOwner)
{
    // The corners outside the outline show the parent.
    TControlStyle style = ControlStyle();
    style.Include(csAcceptsControls);
    style.Include(csParentBackground);
    SetControlStyle(style);
    SetBounds(Left(), Top(), 200, 100);
}

void TRoundedPanel::SetRounding(int Value)
{
    if (Value == rounding_)
        return;
    rounding_ = Value;
    Invalidate();
}

void TRoundedPanel::SetBorderColor(TColor Value)
{
    if (Value == borderColor_)
        return;
    borderColor_ = Value;
    Invalidate();
}

void TRoundedPanel::ColorChanged()
{
    TCustomControl::ColorChanged();
    Repaint();
}

void TRoundedPanel::Paint()
{
    QPainter *painter = Canvas()->Handle();
    if (!painter)
        return;
    TGpFill fill;
    fill.SetBorderColor(ColorToRGB(borderColor_));
    fill.SetRounding(rounding_);
    fill.SetRoundingType(rtBoth);
    const TColor c = ColorToRGB(Color());
    fill.SetColor(c);
    fill.SetColorTo(c);
    fill.SetColorMirror(c);
    fill.SetColorMirrorTo(c);
    TGPGraphics g(painter);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    fill.Fill(&g, MakeRectF(REAL(indentLeft_), 0, REAL(Width() - 1 - indentRight_ - indentLeft_), REAL(Height() - 1)));
    if (ShadowColor != clNone) {
        TGPPen pen(OpaqueArgbFromColor(ShadowColor), 1);
        g.DrawLine(&pen, REAL(rounding_ + indentLeft_), 1, REAL(Width() - rounding_ - indentRight_), 1);
        g.DrawArc(&pen, REAL(Width() - rounding_ - 3 - indentRight_), 1, REAL(rounding_), REAL(rounding_), -90, 90);
    }
}

// -- TRoundedControl ----------------------------------------------------------

TRoundedControl::TRoundedControl(TCollection *Collection)
    : TCollectionItem(Collection), picture_(std::make_unique<TSmGDIPPicture>()),
      pictureHover_(std::make_unique<TSmGDIPPicture>()), pictureDown_(std::make_unique<TSmGDIPPicture>())
{
    for (TSmGDIPPicture *p : {picture_.get(), pictureHover_.get(), pictureDown_.get()})
        p->OnChange = [this](TObject *) { Changed(false); };
}

void TRoundedControl::SetImageIndex(int Value)
{
    if (Value == imageIndex_)
        return;
    imageIndex_ = Value;
    Changed(false);
}

void TRoundedControl::SetDropDown(bool Value)
{
    if (Value == dropDown_)
        return;
    dropDown_ = Value;
    Changed(false);
}

void TRoundedControl::SetPosition(TControlPosition Value)
{
    if (Value == position_)
        return;
    position_ = Value;
    Changed(false);
}

void TRoundedControl::SetPopupMenu(TPopupMenu *Value)
{
    popupMenu_ = Value;
    if (!Value || !Collection())
        return;
    // The panel hears when the menu goes away.
    if (auto *panel = dynamic_cast<TComponent *>(Collection()->Owner()))
        Value->FreeNotification(panel);
}

TSize TRoundedControl::ControlSize()
{
    const int extra = dropDown_ ? 5 : 0;
    if (!picture_->Empty()) {
        picture_->GetImageSizes();
        return TSize(picture_->Width() + 2 + extra, picture_->Height());
    }
    auto *list = static_cast<TRoundedControls *>(Collection());
    const int w = list ? list->ImageListImageWidth : 0, h = list ? list->ImageListImageHeight : 0;
    return TSize(w + 2 + extra, h);
}

void TRoundedControl::Assign(TPersistent *Source)
{
    auto *s = dynamic_cast<TRoundedControl *>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    hint_ = s->hint_;
    imageIndex_ = s->imageIndex_;
    imageIndexDown_ = s->imageIndexDown_;
    imageIndexHover_ = s->imageIndexHover_;
    position_ = s->position_;
    dropDown_ = s->dropDown_;
    Changed(false);
}

// -- TRoundedControls ---------------------------------------------------------

TRoundedControls::TRoundedControls(TPersistent *AOwner)
    : TOwnedCollection(AOwner, [](TCollection *c) { return new TRoundedControl(c); })
{
}

void TRoundedControls::UpdateSizes()
{
    leftSize_ = rightSize_ = leftControlSize_ = 0;
    rightControlSize_ = 2;
    for (int i = 0; i < Count(); ++i) {
        TRoundedControl *c = Items(i);
        const int w = c->ControlSize().cx;
        switch (c->Position()) {
        case cpLeftInControl: leftControlSize_ += w; break;
        case cpRightInControl: rightControlSize_ += w; break;
        case cpLeft: leftSize_ += w; break;
        case cpRight: rightSize_ += w; break;
        }
    }
}

void TRoundedControls::Update(TCollectionItem *Item)
{
    TOwnedCollection::Update(Item);
    if (OnChange)
        OnChange(this);
}

// -- TRoundedControlPanel -----------------------------------------------------

TRoundedControlPanel::TRoundedControlPanel(TComponent *AOwner)
    : TRoundedPanel(AOwner), controls_(std::make_unique<TRoundedControls>(this))
{
    controls_->OnChange = [this](TObject *) { UpdateControls(); };
}

TRoundedControlPanel::~TRoundedControlPanel()
{
    controls_->OnChange = nullptr;
}

void TRoundedControlPanel::Loaded()
{
    TRoundedPanel::Loaded();
    UpdateControls(); // the end of loading the (possibly empty) buttons
}

void TRoundedControlPanel::SetImages(TCustomImageList *Value)
{
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = Value;
    if (images_)
        images_->FreeNotification(this);
    controls_->ImageListImageWidth = images_ ? images_->Width() : 0;
    controls_->ImageListImageHeight = images_ ? images_->Height() : 0;
    UpdateControls();
}

void TRoundedControlPanel::UpdateControls()
{
    controls_->UpdateSizes();
    indentLeft_ = controls_->LeftSize();
    indentRight_ = controls_->RightSize();
    LayoutInnerEdit();
    Invalidate();
}

void TRoundedControlPanel::Notification(TComponent *AComponent, TOperation Operation)
{
    if (Operation == opRemove && !ComponentState().Contains(csDestroying)) {
        if (AComponent == images_)
            images_ = nullptr;
        for (int i = 0; i < controls_->Count(); ++i)
            if (controls_->Items(i)->PopupMenu() == AComponent)
                controls_->Items(i)->popupMenu_ = nullptr;
    }
    TRoundedPanel::Notification(AComponent, Operation);
}

void TRoundedControlPanel::DoControlClick(int Index)
{
    if (OnControlClick)
        OnControlClick(this, Index);
}

int TRoundedControlPanel::LayoutControls(int X, bool Draw, int *Left)
{
    const int r2 = Rounding() / 2;
    int pos[4];
    pos[cpLeftInControl] = controls_->LeftSize() + r2;
    pos[cpRightInControl] = Width() - controls_->RightSize() - controls_->RightControlSize() - r2;
    pos[cpLeft] = 0;
    pos[cpRight] = Width() - controls_->RightSize() + 2;
    int hit = -1;
    for (int i = 0; i < controls_->Count(); ++i) {
        TRoundedControl *c = controls_->Items(i);
        const TSize size = c->ControlSize();
        int &x = pos[c->Position()];
        const int y = (Height() - size.cy) / 2;
        if (Draw)
            DrawControl(c, x, y);
        if (x < X && X < x + size.cx) {
            hit = i;
            if (Left)
                *Left = x;
        }
        x += size.cx;
    }
    return hit;
}

void TRoundedControlPanel::DrawControl(TRoundedControl *Control, int X, int Y)
{
    TCanvas *c = Canvas();
    int w = 0;
    if (Control->Picture()->Empty()) {
        int index = Control->ImageIndex();
        if (Control->State() == csHover && Control->ImageIndexHover() >= 0)
            index = Control->ImageIndexHover();
        if (Control->State() == csDown && Control->ImageIndexDown() >= 0)
            index = Control->ImageIndexDown();
        if (images_) {
            w = images_->Width();
            if (index >= 0)
                images_->Draw(c, X, Y, index, true);
        }
    } else {
        TSmGDIPPicture *p = Control->Picture();
        if (Control->State() == csHover && !Control->PictureHover()->Empty())
            p = Control->PictureHover();
        if (Control->State() == csDown && !Control->PictureDown()->Empty())
            p = Control->PictureDown();
        p->GetImageSizes();
        w = p->Width();
        if (c->Handle()) {
            TGPGraphics g(c->Handle());
            p->GpDraw(&g, Bounds(X, Y, p->Width(), p->Height()));
        }
    }
    if (Control->DropDown() && c->Handle()) {
        TGPGraphics g(c->Handle());
        g.SetSmoothingMode(SmoothingModeHighQuality);
        TGPSolidBrush black(PackArgb(255, 0, 0, 0));
        const TGPPoint tri[3] = {MakePoint(X + w, Y + 5), MakePoint(X + w + 6, Y + 5), MakePoint(X + w + 3, Y + 9)};
        g.FillPolygon(&black, tri, 3);
    }
}

void TRoundedControlPanel::Paint()
{
    TRoundedPanel::Paint();
    LayoutControls(-1, true);
}

void TRoundedControlPanel::HintShow(THintInfo &Info)
{
    TRoundedPanel::HintShow(Info);
    const int hit = LayoutControls(Info.CursorPos.X, false);
    if (hit >= 0 && !controls_->Items(hit)->Hint().isEmpty())
        Info.HintStr = controls_->Items(hit)->Hint();
}

void TRoundedControlPanel::ButtonsMouseDown(int X)
{
    int left = 0;
    const int hit = LayoutControls(X, false, &left);
    pressed_ = hit;
    if (hit < 0)
        return;
    TRoundedControl *c = controls_->Items(hit);
    c->SetState(csDown);
    Invalidate();
    if (c->DropDown() && c->PopupMenu()) {
        const TPoint p = ClientToScreen({left, Height() - 3});
        c->PopupMenu()->Popup(p.X, p.Y);
    }
}

void TRoundedControlPanel::ButtonsMouseMove(int X)
{
    const int hit = LayoutControls(X, false);
    if (hit < 0)
        return;
    bool changed = false;
    for (int i = 0; i < controls_->Count(); ++i) {
        TRoundedControl *c = controls_->Items(i);
        if (i != hit && c->State() == csHover) {
            c->SetState(csNormal);
            changed = true;
        }
    }
    if (controls_->Items(hit)->State() == csNormal) {
        controls_->Items(hit)->SetState(csHover);
        changed = true;
    }
    if (changed)
        Invalidate();
}

// A click needs the press and the release on the same button; any release
// returns the pressed button to normal, wherever it happens.
void TRoundedControlPanel::ButtonsMouseUp(int X)
{
    const int hit = LayoutControls(X, false);
    const int pressed = pressed_;
    pressed_ = -1;
    if (pressed >= 0 && pressed < controls_->Count()) {
        controls_->Items(pressed)->SetState(csNormal);
        Invalidate();
    }
    if (hit >= 0 && hit == pressed)
        DoControlClick(hit);
}

void TRoundedControlPanel::ButtonsMouseLeave()
{
    bool changed = false;
    for (int i = 0; i < controls_->Count(); ++i) {
        if (controls_->Items(i)->State() == csHover) {
            controls_->Items(i)->SetState(csNormal);
            changed = true;
        }
    }
    if (changed)
        Invalidate();
}

void TRoundedControlPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TRoundedPanel::MouseDown(Button, Shift, X, Y);
    if (*alive)
        ButtonsMouseDown(X);
}

void TRoundedControlPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TRoundedPanel::MouseMove(Shift, X, Y);
    if (*alive)
        ButtonsMouseMove(X);
}

void TRoundedControlPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    std::shared_ptr<bool> alive = aliveToken_;
    TRoundedPanel::MouseUp(Button, Shift, X, Y);
    if (*alive)
        ButtonsMouseUp(X);
}

void TRoundedControlPanel::MouseLeave()
{
    std::shared_ptr<bool> alive = aliveToken_;
    TRoundedPanel::MouseLeave();
    if (*alive)
        ButtonsMouseLeave();
}
