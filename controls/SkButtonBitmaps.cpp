#include "SkButtonBitmaps.h"

TSkButtonBitmaps::TSkButtonBitmaps()
{
    for (TBitmap *b : {&up_, &upAndFocused_, &disabled_, &down_, &stayDown_, &hot_})
        b->OnChange = [this](TObject *) { Changed(); };
}

TSkButtonBitmaps::~TSkButtonBitmaps()
{
    for (TBitmap *b : {&up_, &upAndFocused_, &disabled_, &down_, &stayDown_, &hot_})
        b->OnChange = nullptr;
}

void TSkButtonBitmaps::SetTransparentColor(TColor Value)
{
    if (Value == transparentColor_)
        return;
    transparentColor_ = Value;
    Changed();
}

void TSkButtonBitmaps::Changed()
{
    if (OnChange)
        OnChange(this);
}
