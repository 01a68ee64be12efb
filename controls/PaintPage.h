#pragma once
#include "Bitmap.h"
#include "Font.h"

// One off-screen surface of a response plot: a bitmap and the rectangle of
// the control where it is shown. Pages start empty; the plot's layout places
// them and always repaints a page after placing it.
class TPaintPage {
public:
    TPaintPage() = default;
    TPaintPage(const TPaintPage &) = delete;
    TPaintPage &operator=(const TPaintPage &) = delete;

    // Bitmap (right - left) x (bottom - top), shown at (left, top, right, bottom).
    void Place(int Left, int Top, int Right, int Bottom);
    // Every pixel of the bitmap in Colour (the brush becomes solid Colour).
    void Clear(TColor Colour);
    void UseFont(TFont *Font);

    TBitmap *Bitmap() { return &bitmap_; }
    TCanvas *Canvas() { return bitmap_.Canvas(); }
    const TRect &Dest() const { return dest_; }
    const TRect &Source() const { return source_; }
    int Width() const { return source_.Right; }
    int Height() const { return source_.Bottom; }
    bool Empty() const { return source_.Right <= 0 || source_.Bottom <= 0; }

private:
    TBitmap bitmap_;
    TRect dest_;
    TRect source_;
};
