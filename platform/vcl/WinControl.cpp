#include "WinControl.h"

#include "ControlWidget.h"
#include "Form.h"
#include "HandlerGuard.h"
#include "Menus.h"
#include "Exceptions.h"
#include "VirtualKeys.h"
#include "WindowActivation.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QToolTip>
#include <QWheelEvent>
#include <QWidget>
#include <QtDebug>
#include <algorithm>
#include <memory>
#include <type_traits>

namespace {

// CM_DIALOGCHAR to every enabled control inside Root, depth first in child
// order, until one takes it.
bool SendDialogChar(TWinControl *Root, QChar Key)
{
    for (int i = 0; i < Root->ControlCount(); ++i) {
        TControl *c = Root->Controls(i);
        if (!c->Visible() || !c->Enabled())
            continue;
        if (c->Perform(CM_DIALOGCHAR, Key.unicode(), 0) != 0)
            return true;
        if (auto *w = dynamic_cast<TWinControl *>(c); w && SendDialogChar(w, Key))
            return true;
    }
    return false;
}

// CM_DIALOGKEY to every enabled, visible control inside Root, depth first,
// until one takes the key.
bool SendDialogKey(TWinControl *Root, Word Key, TShiftState Shift)
{
    for (int i = 0; i < Root->ControlCount(); ++i) {
        TControl *c = Root->Controls(i);
        if (!c->Visible() || !c->Enabled())
            continue;
        if (c->Perform(CM_DIALOGKEY, Key, static_cast<long>(Shift.Bits())) != 0)
            return true;
        if (auto *w = dynamic_cast<TWinControl *>(c); w && SendDialogKey(w, Key, Shift))
            return true;
    }
    return false;
}

// CM_FOCUSCHANGED to every control inside Root.
void BroadcastFocusChange(TWinControl *Root, TWinControl *Focused)
{
    for (int i = 0; i < Root->ControlCount(); ++i) {
        TControl *c = Root->Controls(i);
        c->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<long>(Focused));
        if (auto *w = dynamic_cast<TWinControl *>(c))
            BroadcastFocusChange(w, Focused);
    }
}

} // namespace

namespace {

const char *const kControlProperty = "tq62Control";

TShiftState ShiftFrom(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons = Qt::NoButton)
{
    TShiftState s;
    if (mods & Qt::ShiftModifier)
        s.Include(ssShift);
    if (mods & Qt::ControlModifier)
        s.Include(ssCtrl);
    if (mods & Qt::AltModifier)
        s.Include(ssAlt);
    if (buttons & Qt::LeftButton)
        s.Include(ssLeft);
    if (buttons & Qt::RightButton)
        s.Include(ssRight);
    if (buttons & Qt::MiddleButton)
        s.Include(ssMiddle);
    return s;
}

bool ButtonFrom(Qt::MouseButton b, TMouseButton &out)
{
    switch (b) {
    case Qt::LeftButton: out = mbLeft; return true;
    case Qt::RightButton: out = mbRight; return true;
    case Qt::MiddleButton: out = mbMiddle; return true;
    default: return false;
    }
}

} // namespace

// -- ControlWidget / ControlEventBridge ------------------------------------

ControlWidget::ControlWidget(TWinControl *Owner) : owner_(Owner) {}

void ControlWidget::paintEvent(QPaintEvent *Event)
{
    if (!property(kControlProperty).isValid())
        return; // the control is gone; Qt frees this widget soon
    QPainter p(this);
    GuardHandler("paint", owner_->Name(), [&] { owner_->PaintWindow(p, FromQRect(Event->rect())); });
}

bool ControlEventBridge::eventFilter(QObject *Watched, QEvent *Event)
{
    if (!owner_)
        return false;
    std::shared_ptr<bool> alive = owner_->aliveToken_;
    bool consumed = true;
    GuardHandler("event", owner_->Name(), [&] { consumed = owner_->WidgetEvent(Watched, Event); });
    if (*alive)
        return consumed;
    // A handler freed the control: nothing may act on this event any more.
    Event->accept();
    return true;
}

// -- TWinControl -------------------------------------------------------------

TWinControl::TWinControl(TComponent *AOwner, QWidget *Widget) : TControl(AOwner)
{
    windowed_ = true;
    ownWidget_ = Widget == nullptr;
    widget_ = Widget ? Widget : new ControlWidget(this);
    widget_->setProperty(kControlProperty, QVariant::fromValue(static_cast<void *>(this)));
    widget_->setMouseTracking(true);
    if (ownWidget_)
        widget_->setFocusPolicy(Qt::NoFocus);
    widget_->setFont(Font()->ToQFont());
    bridge_ = new ControlEventBridge(this);
    widget_->installEventFilter(bridge_);
}

TWinControl::~TWinControl()
{
    Destroying();
    // A windowed control frees the controls it holds, the topmost first.
    while (!controls_.empty()) {
        TControl *c = controls_.back();
        delete c;
    }
    bridge_->Detach();
    if (widget_) {
        widget_->removeEventFilter(bridge_);
        widget_->setProperty(kControlProperty, QVariant());
        QObject::disconnect(widget_, nullptr, widget_, nullptr); // signal handlers that call this control
        if (InsideHandler()) {
            // The widget (or its window) may be delivering the event whose
            // handler freed us: Qt deletes it once that event is over.
            widget_->hide();
            widget_->setParent(nullptr);
            widget_->deleteLater();
        } else {
            delete widget_.data();
        }
    }
    if (InsideHandler())
        bridge_->deleteLater(); // its eventFilter may be on the stack
    else
        delete bridge_;
    bridge_ = nullptr;
}

TWinControl *TWinControl::FindControl(const QWidget *Widget)
{
    for (const QWidget *w = Widget; w; w = w->parentWidget()) {
        QVariant v = w->property(kControlProperty);
        if (v.isValid())
            return static_cast<TWinControl *>(v.value<void *>());
    }
    return nullptr;
}

TControl *TWinControl::Controls(int Index) const
{
    if (Index < 0 || Index >= ControlCount())
        ThrowListIndexError(Index);
    return controls_[static_cast<size_t>(Index)];
}

bool TWinControl::ContainsControl(TControl *AControl) const
{
    for (TControl *c = AControl; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

void TWinControl::InsertControl(TControl *AControl)
{
    if (!AControl || AControl->parent_ == this)
        return;
    if (auto *w = dynamic_cast<TWinControl *>(AControl); w && w->ContainsControl(this))
        throw EInvalidOperation(QStringLiteral("A control cannot be placed inside itself"));
    if (AControl->parent_)
        AControl->parent_->RemoveControl(AControl);
    controls_.push_back(AControl);
    AControl->parent_ = this;
    if (AControl->windowed_) {
        auto *child = static_cast<TWinControl *>(AControl);
        tabList_.push_back(child);
        if (child->widget_ && widget_) {
            child->widget_->setParent(widget_);
            child->widget_->setGeometry(ToQRect(child->BoundsRect()));
            child->UpdateWidgetVisibility();
        }
    }
    AControl->ApplyParentStyle();
    AControl->UpdateAnchorRules();
    if (!AControl->windowed_)
        AControl->Invalidate();
    if (AControl->align_ != alNone)
        Realign();
    ChildPlaced(AControl);
}

void TWinControl::RemoveControl(TControl *AControl)
{
    auto rit = std::find(controls_.rbegin(), controls_.rend(), AControl); // freed topmost first
    if (rit == controls_.rend())
        return;
    ChildGone(AControl);
    controls_.erase(std::next(rit).base());
    AControl->parent_ = nullptr;
    if (AControl->windowed_) {
        auto *child = static_cast<TWinControl *>(AControl);
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), child), tabList_.end());
        if (child->widget_ && !child->ComponentState().Contains(csDestroying)) {
            child->widget_->hide();
            child->widget_->setParent(nullptr);
        }
    } else if (widget_) {
        widget_->update(ToQRect(AControl->BoundsRect()));
    }
    if (!ComponentState().Contains(csDestroying))
        ChildPlaced(AControl);
}

void TWinControl::ChildGone(TControl *Child)
{
    if (captureControl_ == Child)
        Child->EndCapture();
    if (hoverControl_ == Child)
        hoverControl_ = nullptr;
    if (pressTarget_ == Child)
        pressTarget_ = nullptr;
}

void TWinControl::ChildBoundsChanged(TControl *Child, const TRect &OldBounds)
{
    if (widget_ && !Child->windowed_) {
        widget_->update(ToQRect(OldBounds));
        widget_->update(ToQRect(Child->BoundsRect()));
    }
    ChildPlaced(Child);
}

TControl *TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl *c = *it;
        if (c->windowed_ || !c->visible_ || (!AllowDisabled && !c->enabled_))
            continue;
        if (c->BoundsRect().Contains(Pos) && c->HitTest(Pos.X - c->Left(), Pos.Y - c->Top()))
            return c;
    }
    return nullptr;
}

void TWinControl::SetParent(TWinControl *AParent)
{
    TControl::SetParent(AParent);
    if (!AParent && widget_ && widget_->parentWidget()) {
        widget_->hide();
        widget_->setParent(nullptr);
    }
}

void TWinControl::UpdateWidgetVisibility()
{
    if (widget_)
        widget_->setVisible(Visible() && Parent() != nullptr);
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const bool resized = AWidth != Width() || AHeight != Height();
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (widget_ && widget_->geometry() != ToQRect(BoundsRect()))
        widget_->setGeometry(ToQRect(BoundsRect()));
    if (resized)
        Realign();
}

void TWinControl::Realign()
{
    if (aligning_)
        return;
    TRect r = ClientRect();
    AdjustClientRect(r);
    aligning_ = true;
    try {
        AlignControls(nullptr, r);
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void TWinControl::AlignControls(TControl *AControl, TRect &Rect)
{
    const std::vector<TControl *> list = controls_;
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl *c : list) {
            if (c->align_ != a || !c->visible_)
                continue;
            const int w = c->width_, h = c->height_;
            switch (a) {
            case alTop:
                c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), h);
                Rect.Top += c->height_;
                break;
            case alBottom:
                c->SetBounds(Rect.Left, Rect.Bottom - h, Rect.Width(), h);
                Rect.Bottom -= c->height_;
                break;
            case alLeft:
                c->SetBounds(Rect.Left, Rect.Top, w, Rect.Height());
                Rect.Left += c->width_;
                break;
            case alRight:
                c->SetBounds(Rect.Right - w, Rect.Top, w, Rect.Height());
                Rect.Right -= c->width_;
                break;
            default:
                c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
                break;
            }
        }
    }
    const TRect client = ClientRect();
    for (TControl *c : list) {
        const TAnchors an = c->anchors_;
        if (c->align_ != alNone || an == TAnchors{akLeft, akTop})
            continue;
        const int dw = client.Width() - c->anchorParentSize_.cx, dh = client.Height() - c->anchorParentSize_.cy;
        const TRect o = c->anchorBounds_;
        int left = o.Left, width = o.Width(), top = o.Top, height = o.Height();
        if (an.Contains(akRight))
            an.Contains(akLeft) ? width += dw : left += dw;
        if (an.Contains(akBottom))
            an.Contains(akTop) ? height += dh : top += dh;
        c->SetBounds(left, top, width, height);
    }
}

void TWinControl::Invalidate()
{
    if (widget_)
        widget_->update();
}

void TWinControl::InvalidateRect(const TRect &R)
{
    if (widget_ && !R.IsEmpty())
        widget_->update(ToQRect(R));
}

void TWinControl::Repaint()
{
    if (widget_)
        widget_->repaint();
}

void TWinControl::SetFocus()
{
    if (!widget_)
        return;
    if (!CanFocus())
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    // Qt gives the focus to a control of an inactive window only once the
    // window system activates that window; callers count on holding it on
    // return, so the window is made active here (unless a modal window blocks it).
    ActivateWindowNow(widget_->window());
    widget_->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const
{
    return widget_ && FindControl(QApplication::focusWidget()) == this;
}

bool TWinControl::CanFocus() const
{
    for (const TControl *c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::SetTabStop(bool Value)
{
    if (Value == tabStop_)
        return;
    tabStop_ = Value;
    if (ownWidget_ && widget_)
        widget_->setFocusPolicy(Value ? Qt::TabFocus : Qt::NoFocus);
}

void TWinControl::WndProc(TMessage &Message)
{
    const unsigned Msg = Message.Msg;
    if (Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    if (Msg != WM_KEYDOWN && Msg != WM_KEYUP && Msg != WM_CHAR) {
        TControl::WndProc(Message);
        return;
    }
    Message.Result = 0;
    if (!widget_)
        return;
    if (Msg == WM_KEYDOWN || Msg == WM_KEYUP) {
        const Word vk = static_cast<Word>(Message.WParam);
        QKeyEvent e(Msg == WM_KEYDOWN ? QEvent::KeyPress : QEvent::KeyRelease, QtKeyFromVirtualKey(vk),
                    Qt::NoModifier);
        QApplication::sendEvent(widget_, &e);
    } else {
        const QString text(QChar(static_cast<char16_t>(Message.WParam)));
        QKeyEvent e(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(widget_, &e);
    }
}

void TWinControl::Broadcast(TMessage &Message)
{
    // By index: a control that is told may remove itself or a sibling.
    for (size_t i = 0; i < controls_.size(); ++i) {
        TControl *c = controls_[i];
        Message.Result = c->Perform(Message.Msg, Message.WParam, Message.LParam);
        if (Message.Result != 0)
            return;
    }
}

void TWinControl::NotifySysColorChange()
{
    Perform(CM_SYSCOLORCHANGE, 0, 0);
    for (size_t i = 0; i < controls_.size(); ++i) {
        if (auto *w = dynamic_cast<TWinControl *>(controls_[i]))
            w->NotifySysColorChange();
        else
            controls_[i]->Perform(CM_SYSCOLORCHANGE, 0, 0);
    }
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto &list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value)
{
    if (!Parent())
        return;
    auto &list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    const int at = std::clamp(Value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + at, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl *> &List) const
{
    for (TWinControl *c : tabList_) {
        List.push_back(c);
        c->GetTabOrderList(List);
    }
}

TWinControl *TWinControl::FindNextControl(TWinControl *CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const
{
    std::vector<TWinControl *> list;
    GetTabOrderList(list);
    const int count = static_cast<int>(list.size());
    if (count == 0)
        return nullptr;
    auto found = std::find(list.begin(), list.end(), CurControl);
    int start = found != list.end() ? static_cast<int>(found - list.begin()) : (GoForward ? count - 1 : 0);
    int i = start;
    do {
        i = GoForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl *c = list[static_cast<size_t>(i)];
        if (c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl *CurControl, bool GoForward, bool CheckTabStop)
{
    TWinControl *c = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop);
    if (!c)
        return;
    c->SetFocus();
    // Qt's styles draw the focus marks of a window only after a keyboard
    // focus change (the desktop's focus cues): this walk is one, even when
    // it comes back to the control that had the focus.
    if (c->widget_) {
        c->widget_->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        c->widget_->update();
    }
}

void TWinControl::KeyDown(Word &Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(Word &Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(QChar &Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::FontChanged()
{
    if (widget_)
        widget_->setFont(Font()->ToQFont());
    if (widget_ && !ownWidget_) {
        // A standard widget writes its text in the font's colour.
        QPalette p = widget_->palette();
        const QColor c = ToQColor(Font()->Color());
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            p.setColor(role, c);
        widget_->setPalette(p);
    }
    TControl::FontChanged();
    for (TControl *c : controls_)
        c->ParentFontChanged();
}

void TWinControl::ColorChanged()
{
    TControl::ColorChanged();
    for (TControl *c : controls_)
        c->Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TWinControl::EnabledChanged()
{
    if (widget_)
        widget_->setEnabled(Enabled());
    TControl::EnabledChanged();
    Invalidate(); // windowless children paint disabled with their parent
}

void TWinControl::VisibleChanged()
{
    UpdateWidgetVisibility();
    if (!Visible() && Parent())
        Parent()->ChildGone(this);
}

void TWinControl::HintChanged()
{
    if (widget_)
        widget_->setToolTip(ShowHint() ? Hint() : QString());
    for (TControl *c : controls_)
        c->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TWinControl::CursorChanged()
{
    if (!widget_)
        return;
    if (Cursor() == crDefault)
        widget_->unsetCursor();
    else
        widget_->setCursor(CursorToQt(Cursor()));
}

void TWinControl::PaintWindow(QPainter &Painter, const TRect &Dirty)
{
    // The whole window: a subclass's ClientRect may leave out its frames.
    const TRect all = Rect(0, 0, Width(), Height());
    if (!ControlStyle().Contains(csParentBackground))
        Painter.fillRect(ToQRect(all), ToQColor(Color()));
    PaintWith(&Painter, all);
    PaintControls(Painter, Dirty);
}

void TWinControl::PaintControls(QPainter &Painter, const TRect &Dirty)
{
    // Copy: a Paint may change the list.
    std::vector<TControl *> list = controls_;
    for (TControl *c : list) {
        if (c->windowed_ || !c->visible_ || IntersectRect(c->BoundsRect(), Dirty).IsEmpty())
            continue;
        Painter.save();
        Painter.translate(c->Left(), c->Top());
        c->PaintWith(&Painter, Rect(0, 0, c->Width(), c->Height()));
        Painter.restore();
    }
}

bool TWinControl::PositionIsOurs(QObject *Watched, QPointF Pos) const
{
    auto *w = qobject_cast<QWidget *>(Watched);
    if (!w)
        return true;
    for (QWidget *c = w->childAt(Pos.toPoint()); c && c != w; c = c->parentWidget())
        if (c->property(kControlProperty).isValid())
            return FindControl(c) == this;
    return true;
}

void TWinControl::TrackHover(TControl *Target)
{
    if (Target == hoverControl_)
        return;
    TControl *old = hoverControl_;
    hoverControl_ = Target;
    std::shared_ptr<bool> selfAlive = aliveToken_;
    std::shared_ptr<bool> targetAlive = Target ? Target->aliveToken_ : selfAlive;
    if (old)
        old->MouseLeave();
    if (!*selfAlive || !*targetAlive || hoverControl_ != Target)
        return; // the leave handler freed or moved things: the next move sorts it out
    if (Target)
        Target->MouseEnter();
    if (!*selfAlive || !widget_)
        return;
    TCursor c = Target && Target->Cursor() != crDefault ? Target->Cursor() : Cursor();
    if (c == crDefault)
        widget_->unsetCursor();
    else
        widget_->setCursor(CursorToQt(c));
}

bool TWinControl::MouseEventFor(QObject *Watched, QMouseEvent *E)
{
    if (!PositionIsOurs(Watched, E->position()) || !Enabled())
        return false;
    std::shared_ptr<bool> selfAlive = aliveToken_;
    auto *watched = qobject_cast<QWidget *>(Watched);
    const bool inside = watched && widget_ && watched != widget_ && widget_->isAncestorOf(watched);
    const QPoint pos = inside ? watched->mapTo(widget_, E->position().toPoint()) : E->position().toPoint();
    if (captureLost_ && E->type() != QEvent::MouseButtonPress && E->type() != QEvent::MouseButtonDblClick) {
        // Qt's grab still sends the rest of the press here: without the
        // capture only what happens over this window counts.
        const QPoint here = pos;
        const bool over = widget_ && widget_->rect().contains(here);
        if (E->buttons() == Qt::NoButton)
            captureLost_ = false;
        if (!over)
            return true;
    }
    if (DragSourceControl() && (E->type() == QEvent::MouseMove || E->type() == QEvent::MouseButtonRelease)) {
        // A drag has the mouse until the press ends; the pressed control
        // hears neither the moves nor the release (nor a click).
        const TPoint screen = FromQPoint(E->globalPosition().toPoint());
        if (E->type() == QEvent::MouseMove) {
            DragMouseMove(screen);
            return true;
        }
        DragMouseRelease(screen);
        if (*selfAlive && E->buttons() == Qt::NoButton) {
            if (pressTarget_)
                pressTarget_->clicked_ = false;
            if (captureControl_)
                captureControl_->EndCapture();
            captureControl_ = nullptr;
            pressTarget_ = nullptr;
        }
        return true;
    }
    TShiftState shift = ShiftFrom(E->modifiers(), E->buttons());
    TControl *target = captureControl_;
    if (!target) {
        target = ControlAtPos(FromQPoint(pos));
        if (!target)
            target = this;
    }
    const int x = target == this ? pos.x() : pos.x() - target->Left();
    const int y = target == this ? pos.y() : pos.y() - target->Top();
    std::shared_ptr<bool> targetAlive = target->aliveToken_;
    TMouseButton button = mbLeft;

    switch (E->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (!ButtonFrom(E->button(), button))
            return ownWidget_;
        bool dbl = E->type() == QEvent::MouseButtonDblClick && target->ControlStyle().Contains(csDoubleClicks);
        captureLost_ = false;
        if (target->ControlStyle().Contains(csCaptureMouse)) {
            target->TakeCapture();
            if (!*selfAlive || !*targetAlive)
                return true;
        }
        pressTarget_ = target;
        DragNotePress(FromQPoint(E->globalPosition().toPoint()));
        if (dbl) {
            shift.Include(ssDouble);
            if (button == mbLeft && target->ControlStyle().Contains(csClickEvents))
                target->DblClick();
            if (!*targetAlive)
                return true;
        } else if (button == mbLeft) {
            target->clicked_ = true;
        }
        if (button == mbLeft && !dbl && target->DragMode() == dmAutomatic) {
            target->BeginDrag(false);
            if (!*targetAlive || !*selfAlive)
                return true;
        }
        target->MouseDown(button, shift, x, y);
        if (!*selfAlive)
            return true;
        break;
    }
    case QEvent::MouseButtonRelease: {
        if (!ButtonFrom(E->button(), button))
            return ownWidget_;
        if (button == mbLeft && target->clicked_) {
            target->clicked_ = false;
            if (target->ControlStyle().Contains(csClickEvents) && target->ClientRect().Contains(x, y))
                target->Click();
            if (!*targetAlive || !*selfAlive)
                return true;
        }
        target->MouseUp(button, shift, x, y);
        if (!*selfAlive)
            return true;
        if (E->buttons() == Qt::NoButton) {
            if (captureControl_)
                captureControl_->EndCapture();
            captureControl_ = nullptr;
            pressTarget_ = nullptr;
        }
        break;
    }
    case QEvent::MouseMove:
        if (!captureControl_)
            TrackHover(target == this ? nullptr : target);
        if (!*targetAlive || !*selfAlive)
            return true;
        target->MouseMove(shift, x, y);
        if (!*selfAlive)
            return true;
        break;
    default:
        return false;
    }
    return ownWidget_;
}

void TWinControl::RouteMouseOf(QWidget *Child)
{
    Child->setMouseTracking(true);
    Child->installEventFilter(bridge_);
}

bool TWinControl::WheelEventFor(QObject *Watched, QWheelEvent *E)
{
    if (!PositionIsOurs(Watched, E->position()) || !Enabled())
        return false;
    const QPoint pos = E->position().toPoint();
    int delta = E->angleDelta().y() != 0 ? E->angleDelta().y() : E->angleDelta().x();
    TShiftState shift = ShiftFrom(E->modifiers(), E->buttons());
    TPoint screen = FromQPoint(E->globalPosition().toPoint());
    std::shared_ptr<bool> selfAlive = aliveToken_;
    bool handled = false;
    if (TControl *child = ControlAtPos(FromQPoint(pos)))
        handled = child->DoMouseWheel(shift, delta, screen);
    if (!*selfAlive)
        return true;
    if (!handled)
        handled = DoMouseWheel(shift, delta, screen);
    if (!handled && !ownWidget_)
        return false; // a standard widget uses it in its own way
    // Not handled: the parents may have it, as wheel messages climb windows.
    for (TWinControl *p = Parent(); p && !handled && *selfAlive;) {
        std::shared_ptr<bool> parentAlive = p->aliveToken_;
        handled = p->DoMouseWheel(shift, delta, screen);
        p = *parentAlive ? p->Parent() : nullptr;
    }
    E->accept();
    return true;
}

bool TWinControl::KeyEventFor(QKeyEvent *E)
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && FindControl(focus) != this)
        return false; // passed up from a child control: keys stay where they were typed
    const int qtKey = E->key();
    if (qtKey == Qt::Key_Escape && DragSourceControl()) {
        // Escape calls off a drag and goes no further.
        if (E->type() == QEvent::KeyPress)
            CancelDrag();
        E->accept();
        return true;
    }
    if ((qtKey == Qt::Key_Tab || qtKey == Qt::Key_Backtab) &&
        !(E->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && !WantsKey(VK_TAB)) {
        // Tab walks the window's controls in their TabOrder, not Qt's chain.
        if (E->type() == QEvent::KeyPress) {
            TWinControl *top = this;
            while (top->Parent())
                top = top->Parent();
            const bool back = qtKey == Qt::Key_Backtab || (E->modifiers() & Qt::ShiftModifier);
            top->SelectNext(this, !back, true);
        }
        E->accept();
        return true;
    }
    std::shared_ptr<bool> selfAlive = aliveToken_;
    TShiftState shift = ShiftFrom(E->modifiers());
    Word key = VirtualKeyFromQt(qtKey, E->modifiers() & Qt::KeypadModifier);
    TCustomForm *form = GetParentForm(this);
    TWinControl *preview = form && form != this && form->KeyPreview() ? form : nullptr;
    // The previewing form first, then this control; a handler that sets the
    // key to 0 (or the character to null) swallows it. False when a handler
    // freed this control.
    auto deliver = [&](auto &value, auto handler) {
        using Value = std::decay_t<decltype(value)>;
        if (preview)
            handler(preview, value);
        if (*selfAlive && value != Value())
            handler(this, value);
        return *selfAlive;
    };
    if (E->type() == QEvent::KeyPress) {
        // An arrow key that the control leaves to the dialog moves the focus
        // among its siblings; neither the form nor the control sees it.
        if (key >= VK_LEFT && key <= VK_DOWN && !(E->modifiers() & Qt::AltModifier) && form && Parent() &&
            !WantsKey(key)) {
            form->DialogKey(key, this);
            E->accept();
            return true;
        }
        if (key != 0) {
            if (!deliver(key, [&](TWinControl *c, Word &k) { c->KeyDown(k, shift); }))
                return true;
            if (key == 0) {
                E->accept();
                return true;
            }
        }
        // Enter and Escape: first a control of the form that takes them
        // (CM_DIALOGKEY answered 1), then the form's standard buttons.
        if ((key == VK_RETURN || key == VK_ESCAPE) && form && !WantsKey(key) &&
            (SendDialogKey(form, key, shift) || form->DialogKey(key, this))) {
            E->accept();
            return true;
        }
        // Alt and a letter or digit: the accelerator of a control of the form.
        if ((E->modifiers() & Qt::AltModifier) && form &&
            ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))) {
            if (SendDialogChar(form, QChar(static_cast<char16_t>(qtKey)))) {
                E->accept();
                return true;
            }
        }
        QString text = E->text();
        if (!text.isEmpty()) {
            QChar ch = text[0];
            if (!deliver(ch, [](TWinControl *c, QChar &k) { c->KeyPress(k); }))
                return true;
            if (ch.isNull()) {
                E->accept();
                return true;
            }
            if (ch != text[0] && widget_) {
                // A handler changed the character: the widget gets that one
                // (past this filter, whose handlers have seen it).
                QKeyEvent changed(QEvent::KeyPress, E->key(), E->modifiers(), QString(ch));
                static_cast<QObject *>(widget_.data())->event(&changed);
                E->accept();
                return true;
            }
        }
    } else {
        if (key == 0)
            return false;
        if (!deliver(key, [&](TWinControl *c, Word &k) { c->KeyUp(k, shift); }))
            return true;
        if (key == 0) {
            E->accept();
            return true;
        }
    }
    if (ownWidget_)
        E->accept();
    return ownWidget_;
}

bool TWinControl::WantsKey(Word Key)
{
    const long flag = Key == VK_TAB ? DLGC_WANTTAB : (Key >= VK_LEFT && Key <= VK_DOWN) ? DLGC_WANTARROWS : DLGC_WANTALLKEYS;
    return Perform(CM_WANTSPECIALKEY, Key) != 0 || (Perform(WM_GETDLGCODE, 0) & flag) != 0;
}

bool TWinControl::WidgetEvent(QObject *Watched, QEvent *Event)
{
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // A press into a window that is not the active one activates it at
        // once, as the desktop does (not a window that never takes the
        // activation, nor one a modal window holds back).
        TCustomForm *form = GetParentForm(this);
        if (widget_ && !widget_->window()->isActiveWindow() && !(form && form->NoActivate()))
            ActivateWindowNow(widget_->window());
        return MouseEventFor(Watched, static_cast<QMouseEvent *>(Event));
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return MouseEventFor(Watched, static_cast<QMouseEvent *>(Event));
    case QEvent::Wheel:
        return WheelEventFor(Watched, static_cast<QWheelEvent *>(Event));
    case QEvent::WindowDeactivate:
        // Another window (or application) took the activation, and the mouse
        // with it.
        if (Watched == widget_ && captureControl_)
            captureControl_->LoseMouseCapture(nullptr);
        if (Watched == widget_ && DragSourceControl())
            CancelDrag();
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return KeyEventFor(static_cast<QKeyEvent *>(Event));
    case QEvent::FocusIn: {
        // Regaining the window's activation gives the focus back to the
        // control that had it: that is no entering. The first focus a window
        // gives on activation is.
        TCustomForm *form = GetParentForm(this);
        bool back = static_cast<QFocusEvent *>(Event)->reason() == Qt::ActiveWindowFocusReason && form &&
                    form->lastFocused_ == widget_;
        if (form)
            form->lastFocused_ = widget_.data();
        std::shared_ptr<bool> alive = aliveToken_;
        if (!back)
            DoEnter();
        if (*alive)
            FocusGained();
        if (*alive && form && !back)
            BroadcastFocusChange(form, this);
        return false;
    }
    case QEvent::FocusOut: {
        auto reason = static_cast<QFocusEvent *>(Event)->reason();
        std::shared_ptr<bool> alive = aliveToken_;
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            DoExit();
        if (*alive)
            FocusLost();
        return false;
    }
    case QEvent::Enter:
        if (Watched == widget_)
            MouseEnter();
        return false;
    case QEvent::Leave:
        if (Watched == widget_) {
            TrackHover(nullptr);
            MouseLeave();
        }
        return false;
    case QEvent::ContextMenu: {
        if (Watched != widget_)
            return false;
        auto *e = static_cast<QContextMenuEvent *>(Event);
        TControl *target = ControlAtPos(FromQPoint(e->pos()));
        TPopupMenu *menu = target && target->PopupMenu() ? target->PopupMenu() : PopupMenu();
        if (!menu)
            return false;
        menu->Popup(e->globalPos().x(), e->globalPos().y());
        return true;
    }
    case QEvent::ToolTip: {
        if (Watched != widget_)
            return false;
        auto *help = static_cast<QHelpEvent *>(Event);
        TControl *target = ControlAtPos(FromQPoint(help->pos()));
        if (!target)
            target = this;
        const TPoint origin = target == this ? TPoint{0, 0} : TPoint{target->Left(), target->Top()};
        THintInfo info;
        info.HintControl = target;
        info.CursorPos = {help->pos().x() - origin.X, help->pos().y() - origin.Y};
        info.CursorRect = target->ClientRect();
        info.HintStr = target->ShowHint() ? target->Hint() : QString();
        if (target->ShowHint())
            target->HintShow(info);
        if (info.HintStr.isEmpty()) {
            QToolTip::hideText();
        } else {
            TRect r = info.CursorRect;
            r.Offset(origin.X, origin.Y);
            QToolTip::showText(help->globalPos(), info.HintStr, widget_, ToQRect(r));
        }
        return true;
    }
    case QEvent::Resize:
    case QEvent::Move:
        if (Watched == widget_ && widget_) {
            QRect g = widget_->geometry();
            if (widget_->isWindow())
                g.moveTopLeft(widget_->pos());
            if (g != ToQRect(BoundsRect()))
                TControl::SetBounds(g.x(), g.y(), g.width(), g.height());
        }
        return false;
    default:
        return false;
    }
}
