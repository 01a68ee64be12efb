// The slider's drag hint: one line, sized to its text, kept on the monitor
// it opens on.
#include "SmTrackBar.h"

#include "Screen.h"

#include <QFontMetrics>

TRect TTrackHintWindow::CalcHintRect(int MaxWidth, const QString &AHint, void *AData)
{
    (void)MaxWidth, (void)AHint, (void)AData;
    QFontMetrics fm(Font()->ToQFont());
    return Rect(0, 0, fm.horizontalAdvance(Caption()) + 16, fm.height() + 4);
}

void TTrackHintWindow::ActivateHint(const TRect &Rect, const QString &AHint)
{
    SetCaption(AHint);
    QFontMetrics fm(Font()->ToQFont());
    textWidth_ = fm.horizontalAdvance(AHint);
    textHeight_ = fm.height();
    TRect r = Bounds(Rect.Left, Rect.Top, textWidth_ + 16, textHeight_ + 4);
    const TRect mon = Screen->MonitorFromPoint(r.TopLeft()).BoundsRect;
    if (r.Right > mon.Right)
        r.Offset(mon.Right - 2 - r.Right, 0);
    if (r.Bottom > mon.Bottom)
        r.Offset(0, mon.Bottom - 2 - r.Bottom);
    THintWindow::ActivateHint(r, AHint);
}

void TTrackHintWindow::Paint()
{
    const TRect r = ClientRect();
    TCanvas *c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    c->Pen()->SetColor(cl3DLight);
    c->MoveTo(r.Left, r.Bottom - 1);
    c->LineTo(r.Left, r.Top);
    c->LineTo(r.Right - 1, r.Top);
    c->Pen()->SetColor(cl3DDkShadow);
    c->LineTo(r.Right - 1, r.Bottom - 1);
    c->LineTo(r.Left, r.Bottom - 1);
    c->SetFont(Font());
    c->Brush()->SetStyle(bsClear);
    TRect text = r;
    c->DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
