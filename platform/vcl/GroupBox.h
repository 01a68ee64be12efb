#pragma once
#include "CustomControl.h"

// A frame that holds other controls, with its caption set into the top edge
// at the left. The children are placed in client coordinates of the whole
// box; aligned children fill the area inside the frame, below the caption.
class TCustomGroupBox : public TCustomControl {
public:
    explicit TCustomGroupBox(TComponent *AOwner);

    void Paint() override;

protected:
    void AdjustClientRect(TRect &Rect) override;
    void TextChanged() override;
    void FontChanged() override;
    // The height of the caption's line in the box's font.
    int CaptionHeight();
};

class TGroupBox : public TCustomGroupBox {
public:
    explicit TGroupBox(TComponent *AOwner) : TCustomGroupBox(AOwner) {}
};
