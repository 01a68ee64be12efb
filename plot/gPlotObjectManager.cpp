#include "gPlotObjectManager.h"

#include "Exceptions.h"
#include "gPlotObject.h"

#include <vector>

TgPlotObject *TgPlotObjectManager::CreateObject()
{
    throw Exception(QStringLiteral("Object Manager does not support creation of objects"));
}

void TgPlotObjectManager::NotificationInsert(TObject *Sender)
{
    if (auto *object = dynamic_cast<TgPlotObject *>(Sender))
        InsertObject(object);
}

void TgPlotObjectManager::ClearAllUserSelections()
{
    for (int i = 0; i < Count(); ++i)
        GetItem(i)->SetUserSelected(false);
}

void TgPlotObjectManager::SetShiftState(TShiftState Value)
{
    for (TgPlotObject *object : FList)
        object->SetShiftState(Value);
}

// The selected objects as they are before the first call: a handler may
// add, remove or deselect objects meanwhile.
template <class F>
void TgPlotObjectManager::ForSelected(F &&Call)
{
    std::vector<TgPlotObject *> selected;
    for (TgPlotObject *object : FList)
        if (object->UserSelected())
            selected.push_back(object);
    for (TgPlotObject *object : selected)
        if (Holds(object))
            Call(object);
}

void TgPlotObjectManager::MouseDownFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX,
                                                int ScreenY, TPopupMenu *PopupMenu)
{
    ForSelected([&](TgPlotObject *o) { o->gMouseDown(Button, Shift, X, Y, ScreenX, ScreenY, PopupMenu); });
}

void TgPlotObjectManager::MouseMoveFocusObjects(TgHintData &HintData, TShiftState Shift, int X, int Y, int ScreenX,
                                                int ScreenY, bool DblClickActive)
{
    ForSelected([&](TgPlotObject *o) { o->gMouseMove(HintData, Shift, X, Y, ScreenX, ScreenY, DblClickActive); });
}

void TgPlotObjectManager::MouseUpFocusObjects(TMouseButton Button, TShiftState Shift, int X, int Y, int ScreenX,
                                              int ScreenY, bool DblClickActive, TPopupMenu *PopupMenu)
{
    ForSelected([&](TgPlotObject *o) {
        o->gMouseUp(Button, Shift, X, Y, ScreenX, ScreenY, DblClickActive, PopupMenu);
    });
}

void TgPlotObjectManager::KeyDownFocusObjects(Word &CharCode, TShiftState Shift, TPopupMenu *PopupMenu)
{
    ForSelected([&](TgPlotObject *o) { o->gKeyDown(CharCode, Shift, PopupMenu); });
}

bool TgPlotObjectManager::MouseWheelFocusObjects(int WheelDelta, TShiftState Shift, TPoint MousePos)
{
    bool used = false;
    ForSelected([&](TgPlotObject *o) {
        if (o->gMouseWheel(WheelDelta, Shift, MousePos))
            used = true;
    });
    return used;
}

void TgPlotObjectManager::ShutDownSetup()
{
    for (TgPlotObject *object : FList) {
        object->SetOnRemove(nullptr);
        object->SetOnLayoutChange(nullptr);
        object->SetOnChange(nullptr);
    }
}
