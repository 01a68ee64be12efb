#pragma once
#include "GraphicControl.h"
#include "Picture.h"

// A windowless control showing a picture: at its own size at the top-left,
// centred (Center), or stretched over the control (Stretch; Proportional
// keeps the aspect ratio and never enlarges). Changing the picture repaints.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent *AOwner);

    TPicture *Picture() { return &picture_; }
    void SetPicture(TPicture *Value) { picture_.Assign(Value); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool Value);
    bool Center() const { return center_; }
    void SetCenter(bool Value);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool Value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);

    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;
    void Paint() override;

private:
    TPicture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
};
