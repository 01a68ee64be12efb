#include "ItemDrawing.h"

#include "HandlerGuard.h"

void DrawOwnerItem(TControl *Owner, TCanvas *Canvas, QPainter *Painter, const QRect &Rect, TOwnerDrawState State,
                   const std::function<void(const TRect &Rect)> &Draw)
{
    const TRect r = FromQRect(Rect);
    Canvas->Attach(Painter, TPoint(0, 0), r);
    Canvas->SetFont(Owner->Font());
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(State.Contains(odSelected) ? clHighlight : Owner->Color());
    Canvas->Font()->SetColor(State.Contains(odSelected) ? clHighlightText : Owner->Font()->Color());
    GuardHandler("item drawing", Owner->Name(), [&] { Draw(r); });
    Canvas->Detach();
}
