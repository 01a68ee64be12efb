#pragma once
#include "Bitmap.h"
#include "Form.h"
#include "GraphicControl.h"

#include <QImage>
#include <memory>
#include <vector>

enum TSkCaptionPosition { cpCentered, cpXY };
using TSkBevelWidth = int; // 0..2
using TBorderStyle = TFormBorderStyle; // bsNone or bsSingle here

// A windowless button shaped like its picture: the pixels of Bitmap's
// transparent colour are not drawn, take no clicks (PreciseClick) and show
// no hint (PreciseShowHint). From Bitmap it generates an up and a down image
// by tracing the shape's outline with up to two bevel rings (highlight on
// the upper left, shadow on the lower right, swapped when down) and an
// optional border ring. A disabled button looks the same and ignores the
// mouse. Emptying Bitmap empties the images and the clickable shape with
// them; a button that never had a picture takes clicks on its whole area.
class TSkShapeButton : public TGraphicControl {
public:
    explicit TSkShapeButton(TComponent *AOwner);
    ~TSkShapeButton() override;

    void Paint() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    bool HitTest(int X, int Y) const override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;

    // True without a mask, else whether (X, Y) lies on the shape.
    virtual bool PtInMask(int X, int Y) const;
    virtual void SetCaptionXY(int X, int Y);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    TColor BevelHighlightColor() const { return bevelHighlightColor_; }
    void SetBevelHighlightColor(TColor Value);
    TColor BevelShadowColor() const { return bevelShadowColor_; }
    void SetBevelShadowColor(TColor Value);
    TSkBevelWidth BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(TSkBevelWidth Value);
    TBitmap *Bitmap() { return bitmap_.get(); }
    void SetBitmap(TBitmap *Value) { bitmap_->Assign(Value); }
    // The generated up and down faces. Setting one copies the picture in as
    // it stands (nothing is traced) and shows it; the clickable shape stays.
    TBitmap *BitmapUp() { return bitmapUp_.get(); }
    void SetBitmapUp(TBitmap *Value);
    TBitmap *BitmapDown() { return bitmapDown_.get(); }
    void SetBitmapDown(TBitmap *Value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor Value);
    bool PreciseClick() const { return preciseClick_; }
    void SetPreciseClick(bool Value) { preciseClick_ = Value; }
    bool PreciseShowHint() const { return preciseShowHint_; }
    void SetPreciseShowHint(bool Value) { preciseShowHint_ = Value; }
    TSkCaptionPosition CaptionPosition() const { return captionPosition_; }
    void SetCaptionPosition(TSkCaptionPosition Value);
    int CaptionX() const { return captionX_; }
    void SetCaptionX(int Value) { SetCaptionXY(Value, captionY_); }
    int CaptionY() const { return captionY_; }
    void SetCaptionY(int Value) { SetCaptionXY(captionX_, Value); }
    bool Pressed() const { return down_; }
    bool HasMask() const { return hasMask_; }

protected:
    void Loaded() override;
    void FontChanged() override;
    void TextChanged() override;
    virtual void DrawCaption();
    virtual TRect GetCaptionRect();

private:
    void BitmapChanged();
    void FitToBitmap() { SetBounds(Left(), Top(), Width(), Height()); }
    void CreateBeveledImage(bool Down, TBitmap *Destination);
    TColor BevelColor(bool Down, bool SideA) const;
    void SetMaskFrom(const TBitmap &Image, TColor Transparent);
    bool Inside(int X, int Y) const;
    QImage Face(const TBitmap &Image) const;

    std::unique_ptr<TBitmap> bitmap_, bitmapUp_, bitmapDown_;
    bool autoSize_ = true;
    TColor bevelHighlightColor_ = clBtnHighlight;
    TColor bevelShadowColor_ = clBtnShadow;
    int bevelWidth_ = 2;
    TBorderStyle borderStyle_ = bsSingle;
    TColor borderColor_ = cl3DDkShadow;
    bool preciseClick_ = true;
    bool preciseShowHint_ = true;
    TSkCaptionPosition captionPosition_ = cpCentered;
    int captionX_ = 0, captionY_ = 0;
    bool hasMask_ = false;
    int maskWidth_ = 0, maskHeight_ = 0;
    std::vector<bool> mask_; // true on the shape
    bool down_ = false;
    bool dragging_ = false;
    // Off the shape the hint settings and the cursor are switched off; back on
    // it, and on leaving the button, they return as they were.
    void RestoreHintAndCursor();
    bool hintSaved_ = false, savedShowHint_ = false, savedParentShowHint_ = true;
    bool cursorSaved_ = false;
    TCursor savedCursor_ = crDefault;
};
