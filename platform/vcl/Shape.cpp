#include "Shape.h"

#include "Canvas.h"

#include <algorithm>

TShape::TShape(TComponent *AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 65);
    pen_.OnChange = [this](TObject *) { Invalidate(); };
    brush_.OnChange = [this](TObject *) { Invalidate(); };
}

void TShape::SetShape(TShapeType Value)
{
    if (Value == shape_)
        return;
    shape_ = Value;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas *c = Canvas();
    c->SetPen(&pen_);
    c->SetBrush(&brush_);
    // The outline lies inside the control: half the pen width in from each edge.
    const int pw = pen_.Width();
    int x = pw / 2, y = pw / 2;
    int w = Width() - pw + 1, h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    const int s = std::min(w, h);
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    switch (shape_) {
    case stRectangle:
    case stSquare:
        c->Rectangle(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare:
        c->RoundRect(x, y, x + w, y + h, s / 4, s / 4);
        break;
    case stEllipse:
    case stCircle:
        c->Ellipse(x, y, x + w, y + h);
        break;
    }
}
