#include "ButtonFace.h"

#include "SystemInfo.h"

namespace {

void Ring(TCanvas *Canvas, const TRect &R, TColor UpperLeft, TColor LowerRight, unsigned Flags)
{
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    auto line = [&](TColor c, int x1, int y1, int x2, int y2) {
        Canvas->Pen()->SetColor(c);
        Canvas->MoveTo(x1, y1);
        Canvas->LineTo(x2, y2);
    };
    if (Flags & BF_LEFT)
        line(UpperLeft, R.Left, R.Top, R.Left, R.Bottom);
    if (Flags & BF_TOP)
        line(UpperLeft, R.Left, R.Top, R.Right, R.Top);
    if (Flags & BF_RIGHT)
        line(LowerRight, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    if (Flags & BF_BOTTOM)
        line(LowerRight, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
}

TRect Inside(const TRect &R, unsigned Flags)
{
    return Rect(R.Left + ((Flags & BF_LEFT) ? 1 : 0), R.Top + ((Flags & BF_TOP) ? 1 : 0),
                R.Right - ((Flags & BF_RIGHT) ? 1 : 0), R.Bottom - ((Flags & BF_BOTTOM) ? 1 : 0));
}

} // namespace

void DrawEdge(TCanvas *Canvas, TRect &R, unsigned Edge, unsigned Flags)
{
    TRect r = R;
    if (Edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) {
        if (Edge & BDR_RAISEDOUTER)
            Ring(Canvas, r, cl3DLight, cl3DDkShadow, Flags);
        else
            Ring(Canvas, r, clBtnShadow, clBtnHighlight, Flags);
        r = Inside(r, Flags);
    }
    if (Edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) {
        if (Edge & BDR_RAISEDINNER)
            Ring(Canvas, r, clBtnHighlight, clBtnShadow, Flags);
        else
            Ring(Canvas, r, cl3DDkShadow, cl3DLight, Flags);
        r = Inside(r, Flags);
    }
    if (Flags & BF_MIDDLE) {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(clBtnFace);
        Canvas->FillRect(r);
    }
    if (Flags & BF_ADJUST)
        R = r;
}

TRect DrawButtonFace(TCanvas *Canvas, const TRect &Client, int BevelWidth, TButtonStyle Style, bool IsRounded,
                     bool IsDown, bool IsFocused)
{
    const bool newStyle = Style == bsNew || (Style == bsAutoDetect && NewStyleControls);
    TRect r = Client;
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    if (newStyle) {
        Canvas->FillRect(r);
        DrawEdge(Canvas, r, IsDown ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    } else {
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Pen()->SetWidth(1);
        Canvas->Pen()->SetColor(clWindowFrame);
        Canvas->Rectangle(r);
        if (IsRounded) {
            for (TPoint p : {Point(r.Left, r.Top), Point(r.Right - 1, r.Top), Point(r.Left, r.Bottom - 1),
                             Point(r.Right - 1, r.Bottom - 1)})
                Canvas->SetPixel(p.X, p.Y, clBtnFace);
        }
        TRect inner = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        if (IsFocused) {
            Canvas->Brush()->SetColor(clWindowFrame);
            Canvas->FrameRect(inner);
            inner = Rect(inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1);
        }
        if (IsDown) {
            Ring(Canvas, inner, clBtnShadow, clNone, BF_LEFT | BF_TOP);
        } else {
            for (int i = 0; i < BevelWidth; ++i) {
                Ring(Canvas, inner, clBtnHighlight, clBtnShadow, BF_RECT);
                inner = Inside(inner, BF_RECT);
            }
        }
    }
    TRect face = Rect(Client.Left + 1, Client.Top + 1, Client.Right - 2, Client.Bottom - 2);
    if (IsDown)
        face.Offset(1, 1);
    return face;
}
