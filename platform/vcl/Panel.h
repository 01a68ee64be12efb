#pragma once
#include "CustomControl.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Draws Width rings just inside R, each with its left and top sides in
// TopColor and its right and bottom sides in BottomColor, and moves R inside
// them.
void Frame3D(TCanvas *Canvas, TRect &R, TColor TopColor, TColor BottomColor, int Width);

// A windowed container with an outer bevel, a border, an inner bevel, a fill
// in Color and a caption (centred by default). Subclasses that draw
// themselves override Paint.
class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent *AOwner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut Value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut Value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);

    void Paint() override;

private:
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
public:
    explicit TPanel(TComponent *AOwner) : TCustomPanel(AOwner) {}
};
