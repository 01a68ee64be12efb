#include "Control.h"

#include "Exceptions.h"
#include "Form.h"
#include "HandlerGuard.h"
#include "Menus.h"
#include "WinControl.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <QtDebug>
#include <algorithm>
#include <cstdlib>

TControl::TControl(TComponent *AOwner) : TComponent(AOwner)
{
    font_.OnChange = [this](TObject *) {
        if (!applyingParent_)
            parentFont_ = false;
        FontChanged();
    };
}

namespace {
// The one control that holds the mouse, as the system keeps one capture.
TControl *captureHolder = nullptr;
} // namespace

TControl::~TControl()
{
    Destroying();
    *aliveToken_ = false;
    ForgetDragControl(this);
    font_.OnChange = nullptr;
    if (captureHolder == this)
        captureHolder = nullptr;
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl *AParent)
{
    if (AParent == parent_)
        return;
    if (AParent == this)
        throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
    if (parent_)
        parent_->RemoveControl(this);
    if (AParent)
        AParent->InsertControl(this);
}

void TControl::ApplyParentStyle()
{
    if (!parent_)
        return;
    if (parentFont_)
        ParentFontChanged();
    if (parentColor_)
        ParentColorChanged();
    if (parentShowHint_)
        ParentShowHintChanged();
}

void TControl::ParentFontChanged()
{
    if (!parent_ || !parentFont_)
        return;
    applyingParent_ = true;
    font_.Assign(parent_->Font());
    applyingParent_ = false;
}

void TControl::ParentShowHintChanged()
{
    if (parent_ && parentShowHint_)
        StoreShowHint(parent_->ShowHint());
}

void TControl::ParentColorChanged()
{
    if (!parent_ || !parentColor_ || color_ == parent_->Color())
        return;
    color_ = parent_->Color();
    ColorChanged();
}

namespace {

int Constrained(int Value, int Min, int Max)
{
    if (Max > 0)
        Value = std::min(Value, Max);
    return std::max(Value, Min);
}

} // namespace

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(Constrained(AWidth, constraints_.MinWidth, constraints_.MaxWidth), 0);
    AHeight = std::max(Constrained(AHeight, constraints_.MinHeight, constraints_.MaxHeight), 0);
    if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_)
        return;
    TRect old = BoundsRect();
    bool resized = AWidth != width_ || AHeight != height_;
    left_ = ALeft;
    top_ = ATop;
    width_ = AWidth;
    height_ = AHeight;
    UpdateAnchorRules();
    if (parent_)
        parent_->ChildBoundsChanged(this, old);
    if (resized)
        Resize();
    if (resized && parent_ && align_ != alNone)
        parent_->Realign();
}

void TControl::UpdateAnchorRules()
{
    if (parent_ && parent_->aligning_)
        return;
    anchorBounds_ = BoundsRect();
    const TRect pc = parent_ ? parent_->ClientRect() : TRect();
    anchorParentSize_ = {pc.Width(), pc.Height()};
}

void TControl::SetAlign(TAlign Value)
{
    if (Value == align_)
        return;
    align_ = Value;
    if (parent_)
        parent_->Realign();
}

void TControl::SetAnchors(TAnchors Value)
{
    if (Value == anchors_)
        return;
    anchors_ = Value;
    UpdateAnchorRules();
}

void TControl::SetConstraints(const TSizeConstraints &Value)
{
    if (Value == constraints_)
        return;
    constraints_ = Value;
    SetBounds(left_, top_, width_, height_);
}

bool TControl::EnabledInParents() const
{
    for (const TControl *c = this; c; c = c->parent_)
        if (!c->enabled_)
            return false;
    return true;
}

TPoint TControl::ClientToScreen(TPoint P) const
{
    if (windowed_) {
        auto *self = static_cast<const TWinControl *>(this);
        if (self->Widget())
            return FromQPoint(self->Widget()->mapToGlobal(ToQPoint(P)));
    }
    if (parent_)
        return parent_->ClientToScreen(ClientToParent(P));
    return P;
}

TPoint TControl::ScreenToClient(TPoint P) const
{
    TPoint origin = ClientToScreen(TPoint(0, 0));
    return {P.X - origin.X, P.Y - origin.Y};
}

void TControl::SetVisible(bool Value)
{
    if (Value == visible_)
        return;
    visible_ = Value;
    std::shared_ptr<bool> alive = aliveToken_;
    if (!Value)
        CancelCaptureWithin(this);
    if (!*alive)
        return;
    VisibleChanged();
    if (parent_ && align_ != alNone)
        parent_->Realign();
    if (parent_)
        parent_->ChildPlaced(this);
}

bool TControl::Showing() const
{
    if (windowed_) {
        auto *self = static_cast<const TWinControl *>(this);
        return self->Widget() && self->Widget()->isVisible();
    }
    return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool Value)
{
    if (Value == enabled_)
        return;
    enabled_ = Value;
    std::shared_ptr<bool> alive = aliveToken_;
    if (!Value)
        CancelCaptureWithin(this);
    if (!*alive)
        return;
    EnabledChanged();
}

void TControl::SetColor(TColor Value)
{
    parentColor_ = false;
    if (Value == color_)
        return;
    color_ = Value;
    ColorChanged();
}

void TControl::SetParentColor(bool Value)
{
    if (Value == parentColor_)
        return;
    parentColor_ = Value;
    if (Value)
        ParentColorChanged();
}

void TControl::SetParentFont(bool Value)
{
    if (Value == parentFont_)
        return;
    parentFont_ = Value;
    if (Value)
        ParentFontChanged();
}

void TControl::SetCaption(const QString &Value)
{
    if (Value == text_)
        return;
    text_ = Value;
    TextChanged();
}

void TControl::SetHint(const QString &Value)
{
    if (Value == hint_)
        return;
    hint_ = Value;
    HintChanged();
}

void TControl::SetShowHint(bool Value)
{
    if (Value == showHint_)
        return;
    parentShowHint_ = false;
    StoreShowHint(Value);
}

void TControl::StoreShowHint(bool Value)
{
    if (Value == showHint_)
        return;
    showHint_ = Value;
    HintChanged();
}

void TControl::SetParentShowHint(bool Value)
{
    if (Value == parentShowHint_)
        return;
    parentShowHint_ = Value;
    if (Value)
        ParentShowHintChanged();
}

void TControl::SetCursor(TCursor Value)
{
    if (Value == cursor_)
        return;
    cursor_ = Value;
    CursorChanged();
}

void TControl::Invalidate()
{
    if (parent_ && parent_->Widget() && visible_)
        parent_->Widget()->update(ToQRect(BoundsRect()));
}

void TControl::Repaint()
{
    if (parent_ && parent_->Widget() && visible_)
        parent_->Widget()->repaint(ToQRect(BoundsRect()));
}

void TControl::Update()
{
    QWidget *w = windowed_ ? static_cast<TWinControl *>(this)->Widget() : parent_ ? parent_->Widget() : nullptr;
    if (w && w->window())
        QCoreApplication::sendPostedEvents(w->window(), QEvent::UpdateRequest);
}

void TControl::BringToFront()
{
    MoveInParent(true);
}

void TControl::SendToBack()
{
    MoveInParent(false);
}

void TControl::MoveInParent(bool Front)
{
    if (parent_) {
        auto &list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.insert(Front ? list.end() : list.begin(), this);
    }
    if (windowed_) {
        if (auto *w = static_cast<TWinControl *>(this)->Widget())
            Front ? w->raise() : w->lower();
        return;
    }
    if (parent_)
        Invalidate();
}

QImage TControl::PaintToImage()
{
    if (windowed_) {
        // The widget's own size: a form's client, without its frame.
        if (QWidget *w = static_cast<TWinControl *>(this)->Widget()) {
            QImage img(std::max(w->width(), 1), std::max(w->height(), 1), QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            w->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
            return img;
        }
    }
    QImage img(std::max(width_, 1), std::max(height_, 1), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    PaintWith(&p, Rect(0, 0, width_, height_));
    return img;
}

void TControl::PaintWith(QPainter *Painter, const TRect &Area)
{
    canvas_.Attach(Painter, TPoint(0, 0), Area);
    canvas_.SetFont(&font_);
    canvas_.Brush()->SetColor(color_);
    std::shared_ptr<bool> alive = aliveToken_;
    GuardHandler("paint", Name(), [this] { Paint(); });
    if (*alive)
        canvas_.Detach();
}

void TControl::SetPopupMenu(TPopupMenu *Value)
{
    if (Value == popupMenu_)
        return;
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = Value;
    if (popupMenu_)
        popupMenu_->FreeNotification(this);
}

TControl *GetCaptureControl()
{
    return captureHolder;
}

void CancelCaptureControl()
{
    if (captureHolder)
        captureHolder->LoseMouseCapture(nullptr);
}

void CancelCaptureWithin(TControl *Control)
{
    for (TControl *c = captureHolder; c; c = c->Parent())
        if (c == Control) {
            captureHolder->LoseMouseCapture(nullptr);
            return;
        }
}

TWinControl *TControl::MouseRouter() const
{
    return windowed_ ? static_cast<TWinControl *>(const_cast<TControl *>(this)) : parent_;
}

void TControl::SetMouseCapture(bool Value)
{
    if (Value)
        TakeCapture();
    else
        EndCapture();
}

void TControl::TakeCapture()
{
    if (captureHolder && captureHolder != this) {
        std::shared_ptr<bool> alive = aliveToken_;
        captureHolder->LoseMouseCapture(this);
        if (!*alive)
            return;
    }
    mouseCapture_ = true;
    captureHolder = this;
    if (TWinControl *router = MouseRouter()) {
        router->captureControl_ = this;
        router->captureLost_ = false;
    }
}

void TControl::EndCapture()
{
    mouseCapture_ = false;
    if (captureHolder == this)
        captureHolder = nullptr;
    TWinControl *router = MouseRouter();
    if (router && router->captureControl_ == this)
        router->captureControl_ = nullptr;
}

void TControl::LoseMouseCapture(TControl *Taker)
{
    if (!mouseCapture_)
        return;
    EndCapture();
    clicked_ = false;
    if (TWinControl *router = MouseRouter()) {
        if (router->pressTarget_ == this)
            router->pressTarget_ = nullptr;
        router->captureLost_ = true;
    }
    std::shared_ptr<bool> alive = aliveToken_;
    Perform(WM_CAPTURECHANGED, 0, reinterpret_cast<long>(Taker));
    if (*alive && OnMouseCaptureLost)
        OnMouseCaptureLost(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (handled)
        return true;
    // Whole notches become wheel-up / wheel-down calls; the rest waits.
    const int notch = 120;
    wheelAccumulator_ += WheelDelta;
    while (std::abs(wheelAccumulator_) >= notch) {
        bool down = wheelAccumulator_ < 0;
        wheelAccumulator_ += down ? notch : -notch;
        handled = down ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
    }
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

void TControl::MouseEnter()
{
    mouseInControl_ = true;
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    mouseInControl_ = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::FontChanged()
{
    Invalidate();
}

void TControl::ColorChanged()
{
    Invalidate();
}

void TControl::TextChanged()
{
    Invalidate();
}

void TControl::EnabledChanged()
{
    Invalidate();
}

void TControl::VisibleChanged()
{
    if (parent_ && parent_->Widget())
        parent_->Widget()->update(ToQRect(BoundsRect()));
    if (!visible_ && parent_)
        parent_->ChildGone(this);
}

void TControl::HintChanged() {}

void TControl::CursorChanged()
{
    if (parent_ && parent_->hoverControl_ == this && parent_->Widget())
        parent_->Widget()->setCursor(CursorToQt(cursor_));
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::Notification(TComponent *AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == popupMenu_)
        popupMenu_ = nullptr;
}

TCustomForm *GetParentForm(TControl *Control)
{
    while (Control && Control->Parent())
        Control = Control->Parent();
    return dynamic_cast<TCustomForm *>(Control);
}

long TControl::Perform(unsigned Msg, unsigned long WParam, long LParam)
{
    TMessage m;
    m.Msg = Msg;
    m.WParam = WParam;
    m.LParam = LParam;
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage &Message)
{
    switch (Message.Msg) {
    case CM_PARENTCOLORCHANGED: ParentColorChanged(); break;
    case CM_PARENTSHOWHINTCHANGED: ParentShowHintChanged(); break;
    case CM_SYSCOLORCHANGE: SysColorChanged(); break;
    case CM_FOCUSCHANGED: FocusChanged(reinterpret_cast<TWinControl *>(Message.LParam)); break;
    case WM_CAPTURECHANGED: CaptureChanged(reinterpret_cast<TControl *>(Message.LParam)); break;
    case CM_DIALOGCHAR:
        if (Enabled() && DialogChar(QChar(static_cast<char16_t>(Message.WParam)))) {
            Message.Result = 1;
            return;
        }
        break;
    default: break;
    }
    Message.Result = 0;
}

bool IsAccel(QChar Key, const QString &Caption)
{
    for (int i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != QLatin1Char('&'))
            continue;
        if (Caption[i + 1] == QLatin1Char('&')) {
            ++i; // "&&" is a plain "&"
            continue;
        }
        return Caption[i + 1].toUpper() == Key.toUpper();
    }
    return false;
}

void broadcastToSiblings(unsigned Msg, int GroupIndex, TControl *Sender)
{
    if (!Sender || !Sender->Parent())
        return;
    TMessage m;
    m.Msg = Msg;
    m.WParam = static_cast<unsigned long>(GroupIndex);
    m.LParam = reinterpret_cast<long>(Sender);
    Sender->Parent()->Broadcast(m);
}
