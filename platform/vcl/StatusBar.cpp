#include "StatusBar.h"

#include "Canvas.h"
#include "Panel.h"

TStatusBar::TStatusBar(TComponent *AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 150, 19);
    SetAlign(alBottom);
    SetColor(clBtnFace);
}

void TStatusBar::SetSimpleText(const QString &Value)
{
    if (Value == simpleText_)
        return;
    simpleText_ = Value;
    Invalidate();
}

void TStatusBar::Paint()
{
    TCanvas *c = Canvas();
    TRect r = ClientRect();
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    TRect panel(r.Left, r.Top + 2, r.Right, r.Bottom);
    Frame3D(c, panel, clBtnShadow, clBtnHighlight, 1);
    c->Font()->Assign(Font());
    c->Brush()->SetStyle(bsClear);
    c->TextRect(panel, panel.Left + 2, panel.Top + (panel.Height() - c->TextHeight(simpleText_)) / 2, simpleText_);
}
