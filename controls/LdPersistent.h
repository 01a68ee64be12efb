#pragma once
#include "Bitmap.h"
#include "Canvas.h"
#include "Color.h"
#include "Events.h"
#include "Persistent.h"

// Settings objects of the Ld controls. Each setter stores a changed value
// and calls Changed, which fires OnChange unless an update is open.
class TLdPersistent : public TPersistent {
public:
    void BeginUpdate() { ++updateCount_; }
    // Closes an update (when one is open) and calls Changed.
    void EndUpdate();

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    int updateCount_ = 0;
};

// The two colours of an LED: Low when off, High when on.
class TLdPalette : public TLdPersistent {
public:
    TColor Low() const { return low_; }
    void SetLow(TColor Value);
    TColor High() const { return high_; }
    void SetHigh(TColor Value);
    // Low for an index up to 0, High above.
    virtual TColor ColorForState(int Index) const { return Index <= 0 ? low_ : high_; }
    // Recolours Bitmap in place: DarkColor pixels become Low, LightColor
    // pixels High.
    void ToBMP(TBitmap *Bitmap, TColor DarkColor, TColor LightColor) const;
    // From another palette: both colours in one change.
    void Assign(TPersistent *Source) override;

private:
    TColor low_ = clGreen;
    TColor high_ = clLime;
};

enum TLdFont3DStyle { f3dNone, f3dRaised, f3dSunken, f3dShadow };

// Raised, sunken or shadowed text: offset copies in the highlight and shadow
// colours under the text in the canvas font's colour.
class TLdFont3D : public TLdPersistent {
public:
    TLdFont3DStyle Style() const { return style_; }
    void SetStyle(TLdFont3DStyle Value);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor Value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value);
    int HighlightDepth() const { return highlightDepth_; }
    void SetHighlightDepth(int Value);
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int Value);
    void Assign(TPersistent *Source) override;

    // Draws Text with DrawText and Flags into R with a clear brush.
    void Paint(TCanvas *Canvas, const TRect &R, unsigned Flags, const QString &Text) const;

private:
    template <typename T>
    void Store(T &Field, T Value);
    TLdFont3DStyle style_ = f3dNone;
    TColor highlightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    int highlightDepth_ = 1;
    int shadowDepth_ = 1;
};
