#include "gUpDown.h"

#include "Timer.h"
#include "gComponentEditorEdit.h"
#include "gDrawing.h"

#include <algorithm>
#include <cmath>
#include <limits>

TgUpDown::TgUpDown(TComponent *AOwner) : TGraphicControl(AOwner), FTimer(new TTimer(this))
{
    SetBounds(0, 0, 15, 21);
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](TObject *) { Tick(); };
}

TgUpDown::~TgUpDown() = default;

void TgUpDown::SetAssociate(TgComponentEditorEdit *Value)
{
    FAssociate.Set(Value);
}

void TgUpDown::Notification(TComponent *AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    FAssociate.Removed(AComponent, Operation);
}

void TgUpDown::SetMin(int Value)
{
    FMin = std::clamp(Value, -32768, 32767);
}

void TgUpDown::SetMax(int Value)
{
    FMax = std::clamp(Value, -32768, 32767);
}

int TgUpDown::AsInteger() const
{
    return Associate() ? Associate()->AsInteger() : 0;
}

void TgUpDown::SetAsInteger(int Value)
{
    WriteValue(Value);
}

void TgUpDown::WriteValue(double Value)
{
    TgComponentEditorEdit *edit = Associate();
    if (!edit)
        return;
    if (FMax != 0 || FMin != 0)
        Value = std::max(std::min(Value, double(FMax)), double(FMin));
    // Whole numbers beyond 32 bits stay whole numbers (no exponent form).
    const bool small = Value >= std::numeric_limits<int>::min() && Value <= std::numeric_limits<int>::max();
    const QString text = small ? QString::number(int(Value)) : QString::number(static_cast<long long>(Value));
    if (FUserGenerated)
        edit->SetStringWithEvent(text);
    else
        edit->SetAsString(text);
}

void TgUpDown::Step()
{
    TgComponentEditorEdit *edit = Associate();
    if (!edit)
        return;
    struct Flag {
        bool &f;
        explicit Flag(bool &v) : f(v) { f = true; }
        ~Flag() { f = false; }
    } flag(FUserGenerated);
    // Whole numbers beyond 32 bits (days of a huge interval) step too.
    const double v = std::trunc(edit->AsFloat());
    WriteValue(FUpPressed ? v + FIncrement : v - FIncrement);
}

// -- mouse and timer --------------------------------------------------------

TRect TgUpDown::UpRect() const
{
    const int half = (Height() - 1) / 2;
    return TRect(0, 0, Width(), half);
}

TRect TgUpDown::DownRect() const
{
    const int half = (Height() - 1) / 2;
    return TRect(0, Height() - half, Width(), Height());
}

void TgUpDown::FollowPointer(int X, int Y)
{
    FUpPressed = UpRect().Contains(X, Y);
    FDownPressed = DownRect().Contains(X, Y);
}

void TgUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    FPressed = true;
    FollowPointer(X, Y);
    FTimer->SetInterval(500);
    FTimer->SetEnabled(true);
    FFirstTick = true;
    Step();
    Invalidate();
}

void TgUpDown::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FPressed)
        return;
    FollowPointer(X, Y);
    Invalidate();
}

void TgUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && FPressed) {
        FTimer->SetEnabled(false);
        FPressed = FUpPressed = FDownPressed = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TgUpDown::Tick()
{
    if (FFirstTick) {
        FFirstTick = false;
        FTimer->SetInterval(50);
    }
    Step();
}

void TgUpDown::Resize()
{
    TGraphicControl::Resize();
    Invalidate();
}

// -- state and painting -----------------------------------------------------

void TgUpDown::Disable()
{
    SetEnabled(false);
    if (Associate())
        Associate()->Disable();
    Invalidate();
}

void TgUpDown::Enable()
{
    SetEnabled(true);
    if (Associate())
        Associate()->Enable();
    Invalidate();
}

void TgUpDown::Paint()
{
    TCanvas *c = Canvas();
    const int s = std::min(Height() / 2, Width()) / 7;
    const TColor arrow = Enabled() ? clBlack : TColor(RGB(128, 128, 128));
    for (bool up : {true, false}) {
        const TRect r = up ? UpRect() : DownRect();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(r);
        DrawBorderFrame(c, r, (up ? FUpPressed : FDownPressed) ? 0 : 1);
        const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
        c->Pen()->SetStyle(psSolid);
        c->Pen()->SetColor(arrow);
        c->Brush()->SetColor(arrow);
        if (up)
            c->Polygon({{cx - 2 * s, cy + s}, {cx, cy - s}, {cx + 2 * s, cy + s}});
        else
            c->Polygon({{cx - 2 * s, cy - s}, {cx + 2 * s, cy - s}, {cx, cy + s}});
    }
}
