#include "Form.h"
#include "PixelMap.h"
#include "SkBitmaps.h"

#include <gtest/gtest.h>

namespace {

using Map = std::vector<std::string>;

// A 4 x 2 glyph: teal corners, red, blue and black inside.
void MakeGlyph(TBitmap &g)
{
    FillBitmap(g, 4, 2, clTeal);
    g.Canvas()->SetPixel(1, 0, clRed);
    g.Canvas()->SetPixel(2, 0, clBlue);
    g.Canvas()->SetPixel(1, 1, clBlack);
    g.Canvas()->SetPixel(2, 1, clRed);
}

Map Picture(TBitmap &b)
{
    return PixelMap(b, {{'.', clYellow}, {'t', clTeal}, {'R', clRed}, {'b', clBlue}, {'k', clBlack}});
}

TEST(SkBitmaps, TealShowsTheBackgroundAndEverythingElseIsCopied)
{
    TBitmap glyph;
    MakeGlyph(glyph);
    struct Row {
        const char *name;
        std::function<void(TCanvas *, TBitmap *)> draw;
        Map expected;
    } rows[] = {
        {"natural size",
         [](TCanvas *c, TBitmap *g) { DrawTransparentBitmapRect(c, g, Rect(1, 1, 5, 3), clTeal, Rect(0, 0, 4, 2)); },
         {"........", "..Rb....", "..kR....", "........"}},
        {"whole, stretched twice as wide",
         [](TCanvas *c, TBitmap *g) { DrawWholeTransparentBitmap(c, g, Rect(0, 0, 8, 2), clTeal); },
         {"..RRbb..", "..kkRR..", "........", "........"}},
        {"part", [](TCanvas *c, TBitmap *g) { DrawTransparentBitmapRect(c, g, Rect(0, 2, 2, 4), clTeal, Rect(1, 0, 3, 2)); },
         {"........", "........", "Rb......", "kR......"}},
        {"tiled and cut", [](TCanvas *c, TBitmap *g) { TileTransparentBitmap(c, g, Rect(1, 0, 8, 3), clTeal); },
         {"..Rb..Rb", "..kR..kR", "..Rb..Rb", "........"}},
        {"stretch at the origin", [](TCanvas *c, TBitmap *g) {
             StretchTransparentBitmap(c, g, Rect(4, 2, 8, 4), clTeal, Rect(0, 0, 4, 2));
         },
         {".Rb.....", ".kR.....", "........", "........"}},
        {"another key colour", [](TCanvas *c, TBitmap *g) { DrawWholeTransparentBitmap(c, g, Rect(0, 0, 4, 2), clRed); },
         {"t.bt....", "tk.t....", "........", "........"}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        TBitmap canvas;
        FillBitmap(canvas, 8, 4, clYellow);
        canvas.Canvas()->SetCopyMode(MERGEPAINT);
        canvas.Canvas()->Font()->SetColor(clBlue);
        r.draw(canvas.Canvas(), &glyph);
        EXPECT_EQ(Picture(canvas), r.expected);
        // The caller's copy mode and font are kept: a later copy uses them.
        EXPECT_EQ(canvas.Canvas()->CopyMode(), static_cast<TCopyMode>(MERGEPAINT));
        EXPECT_EQ(canvas.Canvas()->Font()->Color(), clBlue);
    }
}

TEST(SkBitmaps, ALaterCopyIsNotOredIntoTheCanvas)
{
    TBitmap glyph, canvas, patch;
    MakeGlyph(glyph);
    FillBitmap(canvas, 4, 2, clYellow);
    FillBitmap(patch, 4, 2, clBlue);
    DrawWholeTransparentBitmap(canvas.Canvas(), &glyph, Rect(0, 0, 4, 2), clTeal);
    canvas.Canvas()->CopyRect(Rect(0, 0, 4, 2), patch.Canvas(), Rect(0, 0, 4, 2));
    EXPECT_EQ(Picture(canvas), (Map{"bbbb", "bbbb"}));
}

TEST(SkBitmaps, ParentBackgroundShowsThroughATransparentImage)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 40, 20);
    form.SetColor(clGreen);
    TBitmap clear(10, 10), opaque(10, 10);
    clear.SetPixelFormat(pf32bit);
    clear.Canvas()->Brush()->SetColor(clRed);
    clear.Canvas()->FillRect(Rect(0, 0, 10, 10));
    auto *child = new TCustomControl(&form);
    child->SetBounds(5, 5, 10, 10);
    CopyParentBackground(child, &clear, false); // no parent yet: nothing
    EXPECT_EQ(clear.Image().pixelColor(3, 3).alpha(), 255);
    child->SetParent(&form);
    CopyParentBackground(child, &clear, false);
    EXPECT_EQ(clear.Image().pixelColor(3, 3).alpha(), 0);
    CopyParentBackground(child, &opaque, false);
    EXPECT_EQ(opaque.Canvas()->Pixels(3, 3), clGreen);
}

} // namespace

namespace {

// A child with a Transparent property that counts its invalidations.
class Glass : public TCustomControl, public ITransparentControl {
public:
    Glass(TComponent *owner, bool transparent) : TCustomControl(owner), transparent_(transparent) {}
    bool Transparent() const override { return transparent_; }
    void Invalidate() override
    {
        ++invalidations;
        TCustomControl::Invalidate();
    }
    int invalidations = 0;

private:
    bool transparent_;
};

TEST(SkBitmaps, OnlyTransparentChildrenAreInvalidated)
{
    TForm form(nullptr);
    auto *clear = new Glass(&form, true);
    auto *solid = new Glass(&form, false);
    auto *plain = new TCustomControl(&form);
    for (TControl *c : {static_cast<TControl *>(clear), static_cast<TControl *>(solid), static_cast<TControl *>(plain)})
        c->SetParent(&form);
    const int clearBefore = clear->invalidations, solidBefore = solid->invalidations;
    InvalidateTransparentChildren(&form);
    EXPECT_EQ(clear->invalidations, clearBefore + 1);
    EXPECT_EQ(solid->invalidations, solidBefore);
}

} // namespace
