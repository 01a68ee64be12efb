#pragma once
#include "CustomControl.h"

#include <functional>

enum TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject *Sender, TUDBtnType Button)>;

// An up-down spinner: two arrow halves that step Position by Increment
// within Min..Max. Position set from code is stored as given (a spinner
// without a window does not limit it); a click steps from there and stays
// inside the range, then fires OnClick.
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

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

protected:
    virtual void Click(TUDBtnType Button);

private:
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
};
