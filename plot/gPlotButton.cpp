#include "gPlotButton.h"

#include "Canvas.h"
#include "Timer.h"
#include "gDrawing.h"

TgPlotButton::TgPlotButton(TComponent *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert,
                           TNotifyEvent AOnRemove, TNotifyEvent AOnRename)
    : TgPlotObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename))
{
}

TgPlotButton::~TgPlotButton()
{
    FTimer.reset();
}

void TgPlotButton::SetDrawRect(const TRect &R)
{
    FLeft = R.Left;
    FTop = R.Top;
    FRight = R.Right;
    FBottom = R.Bottom;
}

void TgPlotButton::SetDown(bool Value)
{
    if (Value == FDown)
        return;
    FDown = Value;
    DoInvalidate();
    if (OnDownChange)
        OnDownChange(this);
}

void TgPlotButton::SetEnabled(bool Value)
{
    TgPlotObject::SetEnabled(Value);
    if (!Enabled())
        StopTimer();
}

void TgPlotButton::DoInvalidate()
{
    if (OnInvalidate)
        OnInvalidate(this);
}

void TgPlotButton::DoMouseLeft(const TgPlotMouseData &)
{
    if (FTimerEnabled) {
        if (!FTimer)
            FTimer = std::make_unique<TTimer>(nullptr);
        FTimer->SetInterval(500);
        FTimer->SetEnabled(true);
        FTimer->OnTimer = [this](TObject *Sender) { TimerTick(Sender); };
        FFirstTimerMessage = true;
    }
    DoInvalidate();
}

void TgPlotButton::TimerTick(TObject *)
{
    if (FFirstTimerMessage) {
        FTimer->SetInterval(50);
        FFirstTimerMessage = false;
    }
    if (OnClick)
        OnClick(this);
    DoInvalidate();
}

void TgPlotButton::StopTimer()
{
    if (FTimer)
        FTimer->SetEnabled(false);
}

void TgPlotButton::DoMouseUp(const TgPlotMouseData &MouseData)
{
    if (!FMouseDown)
        return;
    FMouseDown = false;
    StopTimer();
    DoInvalidate();
    if (DrawRect().Contains(MouseData.X, MouseData.Y)) {
        if (FGroupIndex != 0 && OnGroupClick)
            OnGroupClick(this);
        if (OnClick)
            OnClick(this);
    }
}

void TgPlotButton::DrawScrollButton(TCanvas *Canvas, bool Up)
{
    if (!Visible())
        return;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(DrawRect());
    DrawBorderFrame(Canvas, DrawRect(), FDown || FMouseDown ? 0 : 1);
    const TColor arrow = Enabled() ? clBlack : TColor(0x808080);
    Canvas->Brush()->SetColor(arrow);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(arrow);
    const int cx = (FLeft + FRight) / 2, cy = (FTop + FBottom) / 2;
    if (Up)
        Canvas->Polygon({{cx - 4, cy + 2}, {cx + 4, cy + 2}, {cx, cy - 2}});
    else
        Canvas->Polygon({{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}});
}
