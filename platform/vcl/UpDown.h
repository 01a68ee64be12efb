#pragma once
#include "CustomControl.h"

#include <functional>

enum TUDBtnType { btNext, btPrev };
enum TUpDownDirection { updNone, updUp, updDown };
using TUDClickEvent = std::function<void(TObject *Sender, TUDBtnType Button)>;
// Asked before Position changes: NewValue is the value asked for (a click
// asks for one step beyond the range at its ends); clearing AllowChange keeps
// the position.
using TUDChangingEventEx =
    std::function<void(TObject *Sender, bool &AllowChange, int NewValue, TUpDownDirection Direction)>;

// An up-down spinner: two arrow halves that step Position by Increment
// within Min..Max. Position set from code is stored as given (a spinner
// without a window does not limit it); a click steps from there and stays
// inside the range, then fires OnClick. Every change, from code or a click,
// first asks OnChangingEx (code: direction updNone, only when the value
// differs).
class TUpDown : public TCustomControl {
public:
    explicit TUpDown(TComponent *AOwner);

    int Position() const { return position_; }
    void SetPosition(int Value);
    int Min() const { return min_; }
    void SetMin(int Value) { min_ = Value; }
    int Max() const { return max_; }
    void SetMax(int Value) { max_ = Value; }
    int Increment() const { return increment_; }
    void SetIncrement(int Value) { increment_ = Value; }

    TUDClickEvent OnClick;
    TUDChangingEventEx OnChangingEx;

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

protected:
    virtual void Click(TUDBtnType Button);

private:
    bool AllowChange(int NewValue, TUpDownDirection Direction);
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
};
