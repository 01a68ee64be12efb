#pragma once
#include "CustomControl.h"

class QScrollBar;
class TScrollBox;

// One scroll bar of a scroll box. Position runs from 0 to Range minus the
// visible extent (never below 0); setting it outside is held to that span.
class TControlScrollBar {
public:
    int Position() const { return position_; }
    void SetPosition(int Value);
    // The content's extent in this direction (children at position 0).
    int Range() const { return range_; }
    int MaxPosition() const;
    bool IsVisible() const;

private:
    friend class TScrollBox;
    TControlScrollBar(TScrollBox *Box, bool Vertical) : box_(Box), vertical_(Vertical) {}
    TScrollBox *box_;
    bool vertical_;
    int position_ = 0;
    int range_ = 0;
    QScrollBar *bar_ = nullptr;
};

// A container that scrolls its children: a scroll moves them all by the
// change of position, as the system's scroll box does, so children keep
// their Left and Top in the box's client coordinates. The scroll bars show
// when the children reach past the client area. The mouse wheel moves the
// vertical position by WheelStep per notch; the window sets the step and
// handles the keys itself.
class TScrollBox : public TCustomControl {
public:
    explicit TScrollBox(TComponent *AOwner);
    ~TScrollBox() override;

    TControlScrollBar *VertScrollBar() { return &vert_; }
    TControlScrollBar *HorzScrollBar() { return &horz_; }
    int WheelStep() const { return wheelStep_; }
    void SetWheelStep(int Value) { wheelStep_ = Value; }
    // Measures the children again (after they were placed or resized).
    void UpdateRange();

protected:
    void Resize() override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;

private:
    friend class TControlScrollBar;
    void Moved(TControlScrollBar *Bar, int Delta);
    void LayoutBars();
    TControlScrollBar vert_{this, true};
    TControlScrollBar horz_{this, false};
    int wheelStep_ = 30;
};
