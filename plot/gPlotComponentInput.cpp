// The plot's mouse, keys, hints and the relays of its objects' events.
#include "Cursors.h"
#include "Exceptions.h"
#include "VirtualKeys.h"
#include "gPlotAnnotation.h"
#include "gPlotAxis.h"
#include "gPlotButton.h"
#include "gPlotChannelCustom.h"
#include "gPlotComponent.h"
#include "gPlotDataCursor.h"
#include "gPlotDataView.h"
#include "gPlotLayoutObject.h"
#include "gPlotLegend.h"
#include "gPlotLimit.h"
#include "gPlotMasterManager.h"
#include "gPlotObjectManager.h"
#include "gPlotToolBar.h"

namespace {

bool IsAxis(const TgPlotObject *o) { return dynamic_cast<const TgPlotAxis *>(o) != nullptr; }

// Objects that take a press themselves, not through the selection.
bool TakesPressItself(const TgPlotObject *o)
{
    return dynamic_cast<const TgPlotAnnotation *>(o) || dynamic_cast<const TgPlotButton *>(o) ||
           dynamic_cast<const TgPlotLimit *>(o) || !o->CanFocus();
}

} // namespace

TgPlotMouseData TgPlotComponent::OrientMouseData(int X, int Y, TMouseButton Button) const
{
    TgPlotMouseData data;
    data.X = X;
    data.Y = Y;
    data.Button = Button;
    data.XAxisPixels = XYAxesReverse() ? Y : X;
    data.YAxisPixels = XYAxesReverse() ? X : Y;
    return data;
}

TgPlotObject *TgPlotComponent::FindObjectAt(const TgPlotMouseData &MouseData)
{
    // Each object's class is looked at once; then the three passes.
    enum { Plain, Beneath, Hidden };
    TgPlotObjectManager *objects = GetObjectManager();
    std::vector<std::pair<TgPlotObject *, int>> candidates;
    candidates.reserve(static_cast<size_t>(objects->Count()));
    for (int i = 0; i < objects->Count(); ++i) {
        TgPlotObject *o = objects->GetItem(i);
        if (!o->Enabled() || !o->Visible())
            continue;
        int kind = Plain;
        if (dynamic_cast<TgPlotDataView *>(o) || dynamic_cast<TgPlotLegend *>(o))
            kind = Beneath;
        else if (dynamic_cast<TgPlotDataViewLayout *>(o))
            kind = Hidden;
        candidates.emplace_back(o, kind);
    }
    const auto find = [&](auto &&Wanted) -> TgPlotObject * {
        for (const auto &[o, kind] : candidates)
            if (Wanted(o, kind) && o->gMouseHitTest(MouseData))
                return o->GetMouseOverObject(MouseData.X, MouseData.Y);
        return nullptr;
    };
    if (TgPlotObject *o = find([](TgPlotObject *o, int kind) { return kind == Plain && o->UserSelected(); }))
        return o;
    if (TgPlotObject *o = find([](TgPlotObject *, int kind) { return kind == Plain; }))
        return o;
    return find([](TgPlotObject *, int kind) { return kind == Beneath; });
}

void TgPlotComponent::gMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FShiftState = Shift;
    GetObjectManager()->SetShiftState(Shift);
    FMouseDownFlag = true;
    const TgPlotMouseData data = OrientMouseData(X, Y, Button);
    if (CanFocus())
        SetFocus();
    HideHint();
    const TPoint screen = ClientToScreen(TPoint(X, Y));
    if (Button == mbRight)
        GetObjectManager()->ClearAllUserSelections();
    TgPlotObject *hit = FindObjectAt(data);
    FMouseDownObject = hit;
    FLastClickedObject = nullptr;
    if (hit) {
        if (Shift.Contains(ssShift)) {
            FSelecting = IsAxis(hit);
            hit->SetUserSelected(true);
        } else if (Shift.Contains(ssCtrl)) {
            if (IsAxis(hit)) {
                FSelecting = true;
                hit->SetUserSelected(!hit->UserSelected());
            } else {
                FSelecting = false;
                hit->SetUserSelected(true);
            }
        } else if (!dynamic_cast<TgPlotToolBar *>(hit) && hit->CanFocus()) {
            hit->SetUserSelected(true);
        }
        if (Button == mbRight)
            SetMouseCapture(true);
        // The press may have removed the object (a handler): look again.
        if (FMouseDownObject == hit) {
            if (Button == mbRight || TakesPressItself(hit))
                hit->gMouseDown(Button, Shift, X, Y, screen.X, screen.Y, FPopupMenu.get());
            else
                GetObjectManager()->MouseDownFocusObjects(Button, Shift, X, Y, screen.X, screen.Y, FPopupMenu.get());
        }
    } else {
        GetObjectManager()->ClearAllUserSelections();
    }
    FMouseDownFlag = true;
}

void TgPlotComponent::gMouseMove(TShiftState Shift, int X, int Y)
{
    if (IsDesigning() || FSelecting)
        return;
    try {
        const bool buttonHeld = Shift.Contains(ssLeft) || Shift.Contains(ssRight);
        if (!TRect(0, 0, Width(), Height()).Contains(X, Y) && !buttonHeld && MouseCapture())
            SetMouseCapture(false);
        FShiftState = Shift;
        GetObjectManager()->SetShiftState(Shift);
        const TgPlotMouseData data = OrientMouseData(X, Y, mbLeft);
        const TPoint screen = ClientToScreen(TPoint(X, Y));
        if (buttonHeld && FMouseDownObject) {
            TgHintData hint;
            if (dynamic_cast<TgPlotAnnotation *>(FMouseDownObject) || dynamic_cast<TgPlotToolBar *>(FMouseDownObject) ||
                !FMouseDownObject->CanFocus())
                FMouseDownObject->gMouseMove(hint, Shift, X, Y, screen.X, screen.Y, FDblClickActive);
            else
                GetObjectManager()->MouseMoveFocusObjects(hint, Shift, X, Y, screen.X, screen.Y, FDblClickActive);
            SetCursor(crDefault);
            return;
        }
        // A release that happened outside the control ends the drag here.
        if (FMouseDownObject)
            FMouseDownObject->gMouseUp(mbLeft, FShiftState, X, Y, screen.X, screen.Y, FDblClickActive,
                                       FPopupMenu.get());
        GetObjectManager()->MouseUpFocusObjects(mbLeft, FShiftState, X, Y, screen.X, screen.Y, FDblClickActive,
                                                FPopupMenu.get());
        TgPlotObject *hit = FindObjectAt(data);
        if (FLastMouseOverObject && FLastMouseOverObject != hit) {
            FLastMouseOverObject->DoMouseNotOver();
            FLastMouseOverObject = nullptr;
        }
        if (!hit) {
            SetCursor(crDefault);
            return;
        }
        SetCursor(static_cast<TCursor>(hit->GetMouseCursor(TPoint(X, Y))));
        TgHintData hint;
        hit->gMouseMove(hint, Shift, X, Y, screen.X, screen.Y, FDblClickActive);
        if (FHintsShow) {
            FHint.Text = hint.Text;
            FHint.Top = hint.Top;
            FHint.Left = hint.Left;
            FHint.Width = hint.Width;
            FHint.Height = hint.Height;
            const bool hintButton = dynamic_cast<TgPlotButton *>(FLastHintObject) != nullptr;
            const bool wasVisible = FHint.Visible;
            if (FMouseDownFlag) {
                HideHint();
            } else if (FHint.Text.isEmpty()) {
                HideHint();
                FLastHintObject = nullptr;
                FHintShowRect = TRect();
            } else if (FLastHintObject && FLastHintObject != hit && !hintButton) {
                HideHint();
                FLastHintObject = nullptr;
            } else if (GetTimerActive() && !FHint.Visible) {
                TimerStop();
                TimerStart(FHintsPause, FHintsPause);
            } else if (GetTimerActive() && FHint.Visible &&
                       (hintButton || dynamic_cast<TgPlotChannelCustom *>(FLastHintObject))) {
                TimerStop();
                TimerStart(FHintsHidePause, FHintsHidePause);
            } else if (GetTimerActive() && FHint.Visible) {
                HideHint();
            } else if (!GetTimerActive() && !FHintShowRect.Contains(X, Y) && hit != FLastHintObject) {
                FLastHintPoint = TPoint(X, Y);
                FLastHintObject = hit;
                TimerStart(FHintsPause, FHintsPause);
            }
            if (FHint.Visible && wasVisible)
                InvalidateNow();
        }
        FLastMouseOverObject = hit;
    } catch (const Exception &) {
        // A failing object ends this move, not the control.
    }
}

void TgPlotComponent::HintTimerTick(TObject *)
{
    TimerStop();
    if (FHint.Visible) {
        FHint.Visible = false;
        if (MouseCapture() && !FMouseDownFlag)
            SetMouseCapture(false);
    } else {
        FHint.Visible = true;
        FHintShowRect = TRect(FLastHintPoint.X - 3, FLastHintPoint.Y - 3, FLastHintPoint.X + 3, FLastHintPoint.Y + 3);
        TimerStart(FHintsHidePause, FHintsHidePause);
    }
    InvalidateNow();
}

void TgPlotComponent::HideHint()
{
    TimerStop();
    FHint.Visible = false;
    if (FHintShowing)
        InvalidateNow();
}

void TgPlotComponent::CaptureChanged(TControl *NewCapture)
{
    if (NewCapture == this)
        return;
    const bool showing = FHintShowing;
    TimerStop();
    FHint.Visible = false;
    if (showing)
        InvalidateNow();
    if (FLastMouseOverObject) {
        FLastMouseOverObject->DoMouseNotOver();
        FLastMouseOverObject = nullptr;
    }
}

void TgPlotComponent::gMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (IsDesigning())
        return;
    FMouseDownFlag = false;
    FShiftState = Shift;
    GetObjectManager()->SetShiftState(Shift);
    HideHint();
    FSelecting = false;
    const TPoint screen = ClientToScreen(TPoint(X, Y));
    if (Button == mbRight && MouseCapture())
        SetMouseCapture(false);
    if (FMouseDownObject)
        FMouseDownObject->gMouseUp(Button, Shift, X, Y, screen.X, screen.Y, FDblClickActive, FPopupMenu.get());
    GetObjectManager()->MouseUpFocusObjects(Button, Shift, X, Y, screen.X, screen.Y, FDblClickActive,
                                            FPopupMenu.get());
    FLastClickedObject = FMouseDownObject;
    FLastClickedButton = Button;
    FMouseDownObject = nullptr;
    FDblClickActive = false;
}

void TgPlotComponent::gDoubleClick()
{
    FDblClickActive = true;
}

bool TgPlotComponent::gMouseWheel(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    GetObjectManager()->MouseWheelFocusObjects(WheelDelta, Shift, MousePos);
    return true;
}

void TgPlotComponent::IsWantedKey(Word &Key, int &Result)
{
    if (Key >= VK_LEFT && Key <= VK_DOWN)
        Result = 1;
}

void TgPlotComponent::gKeyDown(Word &Key, TShiftState Shift)
{
    GetObjectManager()->KeyDownFocusObjects(Key, Shift, FPopupMenu.get());
}

// --- Relays --------------------------------------------------------------

namespace {

template <class E>
using TKindTable = E TgPlotComponent::*const[ipekCount];

} // namespace

#define TQ62_KIND_TABLE(Type, Prefix)                                                                              \
    static TKindTable<Type> Prefix##Events = {                                                                     \
        &TgPlotComponent::Prefix##Channel,    &TgPlotComponent::Prefix##XAxis,    &TgPlotComponent::Prefix##YAxis, \
        &TgPlotComponent::Prefix##DataCursor, &TgPlotComponent::Prefix##DataView, &TgPlotComponent::Prefix##Legend, \
        &TgPlotComponent::Prefix##Limit,      nullptr,                            &TgPlotComponent::Prefix##Annotation};

void TgPlotComponent::DoObjectMouseDown(TgPlotObject *Obj, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TQ62_KIND_TABLE(TgPlotObjectMouseEvent, OnMouseDown)
    TgPlotEventKind kind;
    int index;
    if (!IsLoading() && KindOf(Obj, kind, index) && OnMouseDownEvents[kind] && this->*OnMouseDownEvents[kind])
        (this->*OnMouseDownEvents[kind])(this, index, Button, Shift, X, Y);
}

void TgPlotComponent::DoObjectMouseMove(TgPlotObject *Obj, TShiftState Shift, int X, int Y)
{
    TQ62_KIND_TABLE(TgPlotObjectMouseMoveEvent, OnMouseMove)
    TgPlotEventKind kind;
    int index;
    if (!IsLoading() && KindOf(Obj, kind, index) && OnMouseMoveEvents[kind] && this->*OnMouseMoveEvents[kind])
        (this->*OnMouseMoveEvents[kind])(this, index, Shift, X, Y);
}

void TgPlotComponent::DoObjectMouseUp(TgPlotObject *Obj, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TQ62_KIND_TABLE(TgPlotObjectMouseEvent, OnMouseUp)
    TgPlotEventKind kind;
    int index;
    if (!IsLoading() && KindOf(Obj, kind, index) && OnMouseUpEvents[kind] && this->*OnMouseUpEvents[kind])
        (this->*OnMouseUpEvents[kind])(this, index, Button, Shift, X, Y);
}

void TgPlotComponent::DoObjectGetMouseCursor(TgPlotObject *Obj, int &MouseCursor)
{
    TQ62_KIND_TABLE(TgPlotObjectGetMouseCursorEvent, OnGetMouseCursor)
    TgPlotEventKind kind;
    int index;
    if (!IsLoading() && KindOf(Obj, kind, index) && OnGetMouseCursorEvents[kind] &&
        this->*OnGetMouseCursorEvents[kind])
        (this->*OnGetMouseCursorEvents[kind])(this, index, MouseCursor);
}

void TgPlotComponent::DoObjectPopupMenu(TgPlotObject *Obj, bool &Cancel, int ScreenX, int ScreenY)
{
    TQ62_KIND_TABLE(TgPlotPopupMenuEvent, OnPopupMenu)
    TgPlotEventKind kind;
    int index;
    if (!IsLoading() && KindOf(Obj, kind, index) && OnPopupMenuEvents[kind] && this->*OnPopupMenuEvents[kind])
        (this->*OnPopupMenuEvents[kind])(this, index, Cancel, ScreenX, ScreenY);
}

void TgPlotComponent::DoObjectMouseWheel(TgPlotObject *Obj, int WheelDelta, TShiftState Shift, int X, int Y)
{
    TQ62_KIND_TABLE(TgPlotObjectMouseWheelEvent, OnMouseWheel)
    TgPlotEventKind kind;
    int index;
    if (IsLoading() || !KindOf(Obj, kind, index))
        return;
    // Only strip-chart channels report the wheel.
    if (kind == ipekChannel && !static_cast<TgPlotChannelCustom *>(Obj)->RelaysMouseWheel())
        return;
    if (OnMouseWheelEvents[kind] && this->*OnMouseWheelEvents[kind])
        (this->*OnMouseWheelEvents[kind])(this, index, WheelDelta, Shift, X, Y);
}

void TgPlotComponent::DoObjectClick(TgPlotObject *Obj)
{
    TQ62_KIND_TABLE(TgPlotObjectEvent, OnClick)
    TQ62_KIND_TABLE(TgPlotObjectEvent, OnDblClick)
    TgPlotEventKind kind;
    int index;
    if (!IsLoading() && KindOf(Obj, kind, index)) {
        const TKindTable<TgPlotObjectEvent> &table = FDblClickActive ? OnDblClickEvents : OnClickEvents;
        if (table[kind] && this->*table[kind])
            (this->*table[kind])(this, index);
    }
    FDblClickActive = false;
}
#undef TQ62_KIND_TABLE

namespace {

// Focus events: no limit or table entries.
#define TQ62_FOCUS_TABLE(Prefix)                                                                                   \
    static TKindTable<TgPlotObjectEvent> Prefix##Events = {                                                        \
        &TgPlotComponent::Prefix##Channel,    &TgPlotComponent::Prefix##XAxis,    &TgPlotComponent::Prefix##YAxis, \
        &TgPlotComponent::Prefix##DataCursor, &TgPlotComponent::Prefix##DataView, &TgPlotComponent::Prefix##Legend, \
        nullptr,                              nullptr,                            &TgPlotComponent::Prefix##Annotation};

} // namespace

void TgPlotComponent::DoObjectGotFocus(TgPlotObject *Obj)
{
    TQ62_FOCUS_TABLE(OnGotFocus)
    TgPlotEventKind kind;
    int index;
    if (!IsLoading() && KindOf(Obj, kind, index) && OnGotFocusEvents[kind] && this->*OnGotFocusEvents[kind])
        (this->*OnGotFocusEvents[kind])(this, index);
}

void TgPlotComponent::DoObjectLostFocus(TgPlotObject *Obj)
{
    TQ62_FOCUS_TABLE(OnLostFocus)
    TgPlotEventKind kind;
    int index;
    if (!IsLoading() && KindOf(Obj, kind, index) && OnLostFocusEvents[kind] && this->*OnLostFocusEvents[kind])
        (this->*OnLostFocusEvents[kind])(this, index);
}
#undef TQ62_FOCUS_TABLE

void TgPlotComponent::DoDataCursorChange(TgPlotDataCursor *Cursor)
{
    TgPlotEventKind kind;
    int index;
    if (OnDataCursorChange && KindOf(Cursor, kind, index) && kind == ipekDataCursor)
        OnDataCursorChange(this, index);
}

void TgPlotComponent::DoBeforeDataCursorUpdate(TgPlotDataCursor *Cursor)
{
    TgPlotEventKind kind;
    int index;
    if (!IsLoading() && OnBeforeDataCursorUpdate && KindOf(Cursor, kind, index) && kind == ipekDataCursor)
        OnBeforeDataCursorUpdate(this, index);
}

namespace {

int ToolBarIndex(const TgPlotComponent *Plot, const TgPlotToolBar *ToolBar)
{
    for (int i = 0; i < Plot->ToolBarCount(); ++i)
        if (Plot->GetToolBar(i) == ToolBar)
            return i;
    return -1;
}

} // namespace

void TgPlotComponent::DoToolBarButtonClick(TgPlotToolBar *ToolBar, int ButtonType)
{
    const int index = ToolBarIndex(this, ToolBar);
    if (!IsLoading() && OnToolBarButtonClick && index >= 0)
        OnToolBarButtonClick(this, index, ButtonType);
}

void TgPlotComponent::DoBeforeToolBarButtonClick(TgPlotToolBar *ToolBar, int ButtonType, bool &Cancel)
{
    const int index = ToolBarIndex(this, ToolBar);
    if (!IsLoading() && OnBeforeToolBarButtonClick && index >= 0)
        OnBeforeToolBarButtonClick(this, index, ButtonType, Cancel);
}

void TgPlotComponent::DoToolBarCustomizeHint(TgPlotToolBar *ToolBar, QString &Text)
{
    const int index = ToolBarIndex(this, ToolBar);
    if (!IsLoading() && OnToolBarCustomizeHint && index >= 0)
        OnToolBarCustomizeHint(this, index, Text);
}

bool TgPlotComponent::GetSelectActive() const
{
    const TgPlotToolBar *toolBar = FirstToolBar();
    return toolBar && toolBar->SelectActive();
}

void TgPlotComponent::SetSelectActive(bool Value)
{
    if (ToolBarCount() > 0 && GetToolBar(0)->SelectActive() != Value)
        GetToolBar(0)->DoButtonClickSelect();
}
