#pragma once
#include "Bitmap.h"
#include "Color.h"
#include "Events.h"
#include "Persistent.h"

// The state pictures of a bitmap button and the colour left out when they
// are drawn. A change of any picture or of the colour fires OnChange.
class TSkButtonBitmaps : public TPersistent {
public:
    TSkButtonBitmaps();
    ~TSkButtonBitmaps() override;

    TBitmap *Up() { return &up_; }
    TBitmap *UpAndFocused() { return &upAndFocused_; }
    TBitmap *Disabled() { return &disabled_; }
    TBitmap *Down() { return &down_; }
    TBitmap *StayDown() { return &stayDown_; }
    TBitmap *Hot() { return &hot_; }
    // Each setter copies the picture into the owned one.
    virtual void SetUp(TBitmap *Value) { up_.Assign(Value); }
    virtual void SetUpAndFocused(TBitmap *Value) { upAndFocused_.Assign(Value); }
    virtual void SetDisabled(TBitmap *Value) { disabled_.Assign(Value); }
    virtual void SetDown(TBitmap *Value) { down_.Assign(Value); }
    virtual void SetStayDown(TBitmap *Value) { stayDown_.Assign(Value); }
    virtual void SetHot(TBitmap *Value) { hot_.Assign(Value); }
    TColor TransparentColor() const { return transparentColor_; }
    virtual void SetTransparentColor(TColor Value);

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    TBitmap up_, upAndFocused_, disabled_, down_, stayDown_, hot_;
    TColor transparentColor_ = clOlive;
};
