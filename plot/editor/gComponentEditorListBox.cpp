#include "gComponentEditorListBox.h"

#include "gPlotObject.h"

TgComponentEditorListBox::TgComponentEditorListBox(TComponent *AOwner) : TListBox(AOwner)
{
    SetStyle(lbOwnerDrawFixed);
    SetDragMode(dmAutomatic);
}

void TgComponentEditorListBox::SelectLast()
{
    SetItemIndex(Items()->Count() - 1);
}

void TgComponentEditorListBox::DeleteSelectedObject()
{
    const int count = Items()->Count();
    const int i = ItemIndex();
    if (count == 0 || i < 0)
        return;
    TObject *object = Items()->GetObject(i);
    Items()->Delete(i);
    if (auto *plotObject = dynamic_cast<TgPlotObject *>(object))
        plotObject->Free();
    else
        delete object;
    if (Items()->Count() > 0)
        SetItemIndex(std::min(i, Items()->Count() - 1));
}

void TgComponentEditorListBox::DeleteObjectIndex(TObject *AObject)
{
    const int at = Items()->IndexOfObject(AObject);
    if (at < 0)
        return;
    const int i = ItemIndex();
    Items()->Delete(at);
    if (Items()->Count() > 0)
        SetItemIndex(i >= 0 && i < Items()->Count() ? i : Items()->Count() - 1);
}

void TgComponentEditorListBox::DrawItem(int Index, const TRect &Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        TListBox::DrawItem(Index, Rect, State);
        return;
    }
    QString text = Index >= 0 && Index < Items()->Count() ? Items()->Get(Index) : QString();
    bool drawColorBox = true;
    TColor colour = clRed;
    if (OnGetData)
        OnGetData(this, Index, drawColorBox, colour, text);
    TCanvas *c = Canvas();
    const bool selected = State.Contains(odSelected);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(selected ? TColor(RGB(0, 128, 128)) : clWindow);
    c->Font()->SetColor(selected ? clWhite : clBlack);
    c->FillRect(Rect);
    if (drawColorBox) {
        c->TextOut(Rect.Left + 22, Rect.Top, text);
        c->Pen()->SetStyle(psSolid);
        c->Pen()->SetColor(clBlack);
        c->Brush()->SetColor(colour);
        c->Rectangle(Rect.Left + 2, Rect.Top + 1, Rect.Left + 18, Rect.Bottom - 1);
    } else {
        c->TextOut(Rect.Left + 2, Rect.Top, text);
    }
}

void TgComponentEditorListBox::DragOver(TObject *Source, int X, int Y, TDragState State, bool &Accept)
{
    TListBox::DragOver(Source, X, Y, State, Accept);
    Accept = Source == this;
}

void TgComponentEditorListBox::DragDrop(TObject *Source, int X, int Y)
{
    TListBox::DragDrop(Source, X, Y);
    const int count = Items()->Count();
    const int from = ItemIndex();
    if (Source != this || count == 0 || from < 0)
        return;
    const int to = std::min(ItemAtPos(TPoint(X, Y), false), count - 1);
    if (to == from)
        return;
    Items()->Move(from, to);
    SetItemIndex(to);
    if (OnItemMove)
        OnItemMove(this);
}
