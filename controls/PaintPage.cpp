#include "PaintPage.h"

#include <algorithm>

void TPaintPage::Place(int Left, int Top, int Right, int Bottom)
{
    const int w = std::max(Right - Left, 0), h = std::max(Bottom - Top, 0);
    bitmap_.SetSize(w, h);
    source_ = Rect(0, 0, w, h);
    dest_ = Rect(Left, Top, Right, Bottom);
}

void TPaintPage::Clear(TColor Colour)
{
    TCanvas *c = bitmap_.Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Colour);
    c->FillRect(source_);
}

void TPaintPage::UseFont(TFont *Font)
{
    bitmap_.Canvas()->Font()->Assign(Font);
}
