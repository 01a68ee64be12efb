#pragma once
#include "GraphicControl.h"
#include "gComponentEditorEdit.h"

class TTimer;

// The editor's spinner: two arrow buttons that step the whole number in
// their associated edit by Increment. A press steps once at once, again
// after 500 ms and then every 50 ms while held; the pressed arrow follows
// the mouse, and a press held over neither arrow steps down. Steps are the
// user's (the edit commits them, so its OnUpdate applies them); AsInteger
// set from code writes silently. Min and Max are 16-bit; both 0 means no
// bounds.
class TgUpDown : public TGraphicControl {
public:
    explicit TgUpDown(TComponent *AOwner);
    ~TgUpDown() override;

    TgComponentEditorEdit *Associate() const { return FAssociate.Get(); }
    // Also moves the up-down to the edit's right edge, at its top and height.
    void SetAssociate(TgComponentEditorEdit *Value);
    int Min() const { return FMin; }
    int Max() const { return FMax; }
    // Held to -32768 .. 32767.
    void SetMin(int Value);
    void SetMax(int Value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }

    // The associated edit's AsInteger (0 without one).
    int AsInteger() const;
    void SetAsInteger(int Value);

    // Disables or enables the associated edit too.
    void Disable();
    void Enable();

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

protected:
    void Notification(TComponent *AComponent, TOperation Operation) override;
    void Resize() override;

private:
    TRect UpRect() const;
    TRect DownRect() const;
    void FollowPointer(int X, int Y);
    void Step();
    // Bounds (when set) applied, then written to the edit: through its
    // set-with-event while the user steps, else silently.
    void WriteValue(double Value);
    void Tick();

    TgEditAssociate FAssociate{this};
    int FMin = 0;
    int FMax = 100;
    int FIncrement = 1;
    TTimer *FTimer;
    bool FUpPressed = false;
    bool FDownPressed = false;
    bool FPressed = false;
    bool FFirstTick = false;
    bool FUserGenerated = false;
};
