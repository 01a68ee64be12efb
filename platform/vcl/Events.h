#pragma once
#include "Set.h"
#include "Types.h"

#include <QChar>
#include <functional>

class TObject;

// Events are replaceable callbacks whose first argument is the sender; an
// event that is not assigned is simply not called:
//     button->OnClick = [this](TObject *Sender) { ... };

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

using TNotifyEvent = std::function<void(TObject *Sender)>;
using TMouseEvent = std::function<void(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject *Sender, TShiftState Shift, int X, int Y)>;
// Key is a virtual-key code (VirtualKeys.h); setting it to 0 swallows the key.
using TKeyEvent = std::function<void(TObject *Sender, Word &Key, TShiftState Shift)>;
// Key is the typed character; setting it to 0 swallows it.
using TKeyPressEvent = std::function<void(TObject *Sender, QChar &Key)>;
// WheelDelta is +120 per notch away from the user; MousePos is in screen
// coordinates. Setting Handled stops the wheel from reaching the parent.
using TMouseWheelEvent =
    std::function<void(TObject *Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool &Handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject *Sender, TShiftState Shift, TPoint MousePos, bool &Handled)>;
