#include "HintWindow.h"

#include <QWidget>

THintWindow::THintWindow(TComponent *AOwner) : TCustomControl(AOwner)
{
    QWidget *w = Widget();
    w->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                      Qt::WindowDoesNotAcceptFocus);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->setFocusPolicy(Qt::NoFocus);
    SetColor(clInfoBk);
    Font()->SetColor(clInfoText);
    w->hide();
}

void THintWindow::ActivateHint(const TRect &Rect, const QString &AHint)
{
    SetCaption(AHint);
    SetBoundsRect(Rect);
    QWidget *w = Widget();
    if (!w->isVisible())
        w->show();
    w->raise();
    Repaint();
}

TRect THintWindow::CalcHintRect(int MaxWidth, const QString &AHint, void *AData)
{
    (void)AData;
    TRect r = Rect(0, 0, MaxWidth, 0);
    Canvas()->SetFont(Font());
    Canvas()->DrawText(AHint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ReleaseHandle()
{
    Widget()->hide();
}

bool THintWindow::HandleAllocated() const
{
    return Widget()->isVisible();
}

void THintWindow::Paint()
{
    TRect r = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
    r.Inflate(-2, -1);
    Canvas()->SetFont(Font());
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::TextChanged()
{
    TCustomControl::TextChanged();
    Invalidate();
}
