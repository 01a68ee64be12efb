#include "PaintPage.h"

#include <algorithm>

void TPaintPage::Place(int Left, int Top, int Right, int Bottom)
{
    const int w = std::max(Right - Left, 0), h = std::max(Bottom - Top, 0);
    source_ = Rect(0, 0, w, h);
    dest_ = Rect(Left, Top, Right, Bottom);
    sized_ = bitmap_.Width() == w && bitmap_.Height() == h && !bitmap_.Empty();
}

TBitmap *TPaintPage::Bitmap()
{
    if (!sized_) {
        sized_ = true;
        bitmap_.SetSize(source_.Right, source_.Bottom);
    }
    return &bitmap_;
}

void TPaintPage::Clear(TColor Colour)
{
    TCanvas *c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Colour);
    c->FillRect(source_);
}

void TPaintPage::UseFont(TFont *Font)
{
    bitmap_.Canvas()->Font()->Assign(Font);
}
