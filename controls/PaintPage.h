#pragma once
#include "Bitmap.h"
#include "Font.h"

// One off-screen surface of a response plot: a bitmap and the rectangle of
// the control where it is shown. Pages start empty; the plot's layout places
// them and always repaints a page after placing it. The bitmap takes its
// placed size when it is first drawn on or read, so that a page placed but
// never drawn (its control not yet shown) holds no pixels.
class TPaintPage {
public:
    TPaintPage() = default;
    TPaintPage(const TPaintPage &) = delete;
    TPaintPage &operator=(const TPaintPage &) = delete;

    // Bitmap (right - left) x (bottom - top), shown at (left, top, right, bottom).
    void Place(int Left, int Top, int Right, int Bottom);
    // Every pixel of the bitmap in Colour (the brush becomes solid Colour).
    void Clear(TColor Colour);
    // The font of the page's canvas; it lasts across placing.
    void UseFont(TFont *Font);
    // Text measures in the page's font, without sizing the bitmap.
    int TextWidth(const QString &Text) { return bitmap_.Canvas()->TextWidth(Text); }
    int TextHeight(const QString &Text) { return bitmap_.Canvas()->TextHeight(Text); }
    TFont *Font() { return bitmap_.Canvas()->Font(); }

    TBitmap *Bitmap();
    TCanvas *Canvas() { return Bitmap()->Canvas(); }
    // The bitmap's width as it stands, without sizing it: the placed width
    // until it is first used.
    int BitmapWidth() const { return sized_ ? bitmap_.Width() : source_.Right; }
    int BitmapHeight() const { return sized_ ? bitmap_.Height() : source_.Bottom; }
    // Whether the bitmap has taken its placed size (it holds pixels).
    bool Sized() const { return sized_; }
    const TRect &Dest() const { return dest_; }
    const TRect &Source() const { return source_; }
    int Width() const { return source_.Right; }
    int Height() const { return source_.Bottom; }
    bool Empty() const { return source_.Right <= 0 || source_.Bottom <= 0; }

private:
    TBitmap bitmap_;
    TRect dest_;
    TRect source_;
    bool sized_ = true;
};
