#include "GroupBox.h"

#include "ButtonFace.h"

#include <QFontMetrics>

TCustomGroupBox::TCustomGroupBox(TComponent *AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle().Include(csAcceptsControls).Include(csOpaque));
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::CaptionHeight()
{
    return QFontMetrics(Font()->ToQFont()).height();
}

void TCustomGroupBox::AdjustClientRect(TRect &Rect)
{
    Rect.Top += CaptionHeight();
    Rect.Inflate(-2, -2);
}

void TCustomGroupBox::Paint()
{
    TCanvas *c = Canvas();
    c->SetFont(Font());
    const int h = CaptionHeight();
    TRect frame(0, h / 2, Width(), Height());
    DrawEdge(c, frame, EDGE_ETCHED, BF_RECT);
    if (Caption().isEmpty())
        return;
    // The caption stands on the box's colour, cut into the frame's top edge.
    TRect text(8, 0, 0, h);
    c->DrawText(Caption(), text, DT_SINGLELINE | DT_CALCRECT);
    text.Right += 2;
    text.Left -= 2;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(text);
    text.Left += 2;
    c->Brush()->SetStyle(bsClear);
    c->DrawText(Caption(), text, DT_SINGLELINE | DT_LEFT | DT_TOP);
}

void TCustomGroupBox::TextChanged()
{
    Invalidate();
}

void TCustomGroupBox::FontChanged()
{
    TCustomControl::FontChanged();
    Realign();
}
