#include "SkShapeButton.h"

#include "SkColorUtils.h"
#include "SkTextUtils.h"

#include <QPainter>
#include <algorithm>

namespace {

using Offsets = std::vector<TPoint>;

// The outline ring r: side A to the right and below the shape at distance r,
// side B to the left and above.
Offsets RingSide(int r, bool SideA)
{
    Offsets o;
    if (SideA) {
        for (int y = -r; y <= r; ++y)
            o.push_back({r, y});
        for (int x = r - 1; x >= -r; --x)
            o.push_back({x, r});
    } else {
        for (int y = r - 1; y >= -r; --y)
            o.push_back({-r, y});
        for (int x = -r + 1; x <= r - 1; ++x)
            o.push_back({x, -r});
    }
    return o;
}

QRgb Rgb(TColor c)
{
    return ToQColor(ColorToRGB(c)).rgb() | 0xFF000000u;
}

// Pixels (x, y) transparent in Current next to an opaque pixel of Source at
// (x - dx, y - dy) for some offset.
std::vector<bool> EdgeMask(const QImage &Source, const QImage &Current, const Offsets &Offs, QRgb Transparent)
{
    const int w = Source.width(), h = Source.height();
    std::vector<bool> mask(static_cast<size_t>(w) * h, false);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if ((Current.pixel(x, y) | 0xFF000000u) != Transparent)
                continue;
            for (const TPoint &d : Offs) {
                const int sx = x - d.X, sy = y - d.Y;
                if (sx >= 0 && sy >= 0 && sx < w && sy < h && (Source.pixel(sx, sy) | 0xFF000000u) != Transparent) {
                    mask[static_cast<size_t>(y) * w + x] = true;
                    break;
                }
            }
        }
    return mask;
}

} // namespace

TSkShapeButton::TSkShapeButton(TComponent *AOwner)
    : TGraphicControl(AOwner), bitmap_(std::make_unique<TBitmap>()), bitmapUp_(std::make_unique<TBitmap>()),
      bitmapDown_(std::make_unique<TBitmap>())
{
    SetControlStyle(TControlStyle{csCaptureMouse});
    SetBounds(0, 0, 80, 80);
    SetParentFont(true);
    bitmap_->OnChange = [this](TObject *) { BitmapChanged(); };
}

TSkShapeButton::~TSkShapeButton()
{
    bitmap_->OnChange = nullptr;
}

void TSkShapeButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (autoSize_ && !bitmap_->Empty() && !ComponentState().Contains(csReading)) {
        AWidth = bitmap_->Width() + 4;
        AHeight = bitmap_->Height() + 4;
    }
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TSkShapeButton::SetBitmapUp(TBitmap *Value)
{
    bitmapUp_->Assign(Value);
    Invalidate();
}

void TSkShapeButton::SetBitmapDown(TBitmap *Value)
{
    bitmapDown_->Assign(Value);
    Invalidate();
}

void TSkShapeButton::SetAutoSize(bool Value)
{
    if (Value == autoSize_)
        return;
    autoSize_ = Value;
    FitToBitmap();
}

TColor TSkShapeButton::BevelColor(bool Down, bool SideA) const
{
    TColor highlight = bevelHighlightColor_;
    if (ColorToRGB(highlight) == ColorToRGB(bitmap_->TransparentColor()))
        highlight = DarkenColor(highlight, 1);
    if (Down)
        return SideA ? highlight : bevelShadowColor_;
    return SideA ? bevelShadowColor_ : highlight;
}

void TSkShapeButton::CreateBeveledImage(bool Down, TBitmap *Destination)
{
    const QImage source = static_cast<const TBitmap &>(*bitmap_).Image().convertToFormat(QImage::Format_RGB32);
    const QRgb transparent = Rgb(bitmap_->TransparentColor());
    QImage dest = source;
    const int rings = bevelWidth_ + (borderStyle_ == bsSingle ? 1 : 0);
    for (int ring = 1; ring <= rings; ++ring) {
        const QImage snapshot = dest;
        for (bool sideA : {true, false}) {
            if (Down && sideA && ring == rings)
                continue;
            const TColor colour = ring == rings && borderStyle_ == bsSingle ? borderColor_ : BevelColor(Down, sideA);
            const std::vector<bool> mask = EdgeMask(source, snapshot, RingSide(ring, sideA), transparent);
            const QRgb c = Rgb(colour);
            for (int y = 0; y < dest.height(); ++y)
                for (int x = 0; x < dest.width(); ++x)
                    if (mask[static_cast<size_t>(y) * dest.width() + x])
                        dest.setPixel(x, y, c);
        }
    }
    Destination->SetImage(dest);
}

void TSkShapeButton::SetMaskFrom(const TBitmap &Image, TColor Transparent)
{
    const QImage &img = Image.Image();
    const QRgb t = Rgb(Transparent);
    maskWidth_ = img.width();
    maskHeight_ = img.height();
    mask_.assign(static_cast<size_t>(maskWidth_) * maskHeight_, false);
    for (int y = 0; y < maskHeight_; ++y)
        for (int x = 0; x < maskWidth_; ++x)
            mask_[static_cast<size_t>(y) * maskWidth_ + x] = (img.pixel(x, y) | 0xFF000000u) != t;
    hasMask_ = true;
}

void TSkShapeButton::BitmapChanged()
{
    FitToBitmap();
    if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading)) {
        Invalidate();
        return;
    }
    if (bitmap_->Empty()) {
        bitmapUp_->SetSize(0, 0);
        bitmapDown_->SetSize(0, 0);
        // The clickable shape goes with the images: nothing is drawn, so
        // nothing takes a click.
        hasMask_ = true;
        maskWidth_ = maskHeight_ = 0;
        mask_.clear();
    } else {
        CreateBeveledImage(false, bitmapUp_.get());
        CreateBeveledImage(true, bitmapDown_.get());
        SetMaskFrom(*bitmapUp_, bitmap_->TransparentColor());
    }
    Invalidate();
}

void TSkShapeButton::Loaded()
{
    TGraphicControl::Loaded();
    if (bitmap_->Width() < 1 || bitmap_->Height() < 1)
        return;
    // The clickable shape: the source's and the stored up image's pixels.
    SetMaskFrom(*bitmap_, bitmap_->TransparentColor());
    if (!bitmapUp_->Empty()) {
        const QImage &up = static_cast<const TBitmap &>(*bitmapUp_).Image();
        const QRgb t = Rgb(bitmap_->TransparentColor());
        for (int y = 0; y < std::min(maskHeight_, up.height()); ++y)
            for (int x = 0; x < std::min(maskWidth_, up.width()); ++x)
                if ((up.pixel(x, y) | 0xFF000000u) == t)
                    mask_[static_cast<size_t>(y) * maskWidth_ + x] = false;
    }
}

bool TSkShapeButton::PtInMask(int X, int Y) const
{
    if (!hasMask_)
        return true;
    if (X < 0 || Y < 0 || X >= maskWidth_ || Y >= maskHeight_)
        return false;
    return mask_[static_cast<size_t>(Y) * maskWidth_ + X];
}

bool TSkShapeButton::HitTest(int X, int Y) const
{
    return !preciseClick_ || PtInMask(X, Y);
}

bool TSkShapeButton::Inside(int X, int Y) const
{
    if (preciseClick_)
        return PtInMask(X, Y);
    return X >= 0 && Y >= 0 && X < Width() && Y < Height();
}

QImage TSkShapeButton::Face(const TBitmap &Image) const
{
    QImage face = Image.Image().convertToFormat(QImage::Format_ARGB32);
    const QRgb t = Rgb(bitmap_->TransparentColor());
    for (int y = 0; y < face.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x)
            if ((line[x] | 0xFF000000u) == t)
                line[x] = 0;
    }
    return face;
}

void TSkShapeButton::Paint()
{
    TBitmap *image = down_ ? bitmapDown_.get() : bitmapUp_.get();
    if (!image->Empty()) {
        QPainter *p = Canvas()->Handle();
        p->save();
        const int shift = down_ ? 1 : 0;
        p->drawImage(QPoint(shift, shift), Face(*image));
        p->restore();
    }
    if (!Caption().isEmpty())
        DrawCaption();
}

TRect TSkShapeButton::GetCaptionRect()
{
    if (captionPosition_ == cpCentered)
        return Rect(0, 0, Width(), Height());
    TRect r = Rect(0, 0, Width(), 0);
    DrawTextInRect(Canvas(), Caption(), r, DT_CALCRECT);
    r.Offset(captionX_, captionY_);
    return r;
}

void TSkShapeButton::DrawCaption()
{
    TCanvas *c = Canvas();
    c->SetFont(Font());
    c->Brush()->SetStyle(bsClear);
    TRect r = GetCaptionRect();
    if (down_)
        r.Offset(1, 1);
    DrawCenteredText(c, Caption(), r);
}

void TSkShapeButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    if (!preciseClick_ || PtInMask(X, Y)) {
        down_ = true;
        Repaint();
    }
    dragging_ = true;
}

void TSkShapeButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    const bool on = PtInMask(X, Y);
    if (preciseShowHint_ && !on) {
        if (!hintSaved_) {
            savedParentShowHint_ = ParentShowHint();
            savedShowHint_ = ShowHint();
            hintSaved_ = true;
            SetParentShowHint(false);
            SetShowHint(false);
        }
    } else if (preciseClick_ && !on) {
        if (!cursorSaved_) {
            savedCursor_ = Cursor();
            cursorSaved_ = true;
            SetCursor(crDefault);
        }
    } else {
        RestoreHintAndCursor();
    }
    if (dragging_) {
        const bool down = Inside(X, Y);
        if (down != down_) {
            down_ = down;
            Repaint();
        }
    }
}

void TSkShapeButton::RestoreHintAndCursor()
{
    if (hintSaved_) {
        SetShowHint(savedShowHint_); // clears ParentShowHint: restored after it
        SetParentShowHint(savedParentShowHint_);
        hintSaved_ = false;
    }
    if (cursorSaved_) {
        SetCursor(savedCursor_);
        cursorSaved_ = false;
    }
}

void TSkShapeButton::MouseLeave()
{
    // Leaving over a transparent pixel: the next visit starts with the
    // button's own settings.
    RestoreHintAndCursor();
    TGraphicControl::MouseLeave();
}

void TSkShapeButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!dragging_)
        return;
    dragging_ = false;
    const bool inside = Inside(X, Y);
    if (down_) {
        down_ = false;
        Repaint();
    }
    if (inside && OnClick)
        OnClick(this);
}

void TSkShapeButton::SetCaptionXY(int X, int Y)
{
    if (X == captionX_ && Y == captionY_)
        return;
    captionX_ = X;
    captionY_ = Y;
    captionPosition_ = cpXY;
    Invalidate();
}

void TSkShapeButton::SetCaptionPosition(TSkCaptionPosition Value)
{
    if (Value == captionPosition_)
        return;
    captionPosition_ = Value;
    Invalidate();
}

void TSkShapeButton::SetBevelWidth(TSkBevelWidth Value)
{
    Value = std::clamp(Value, 0, 2);
    if (Value == bevelWidth_)
        return;
    bevelWidth_ = Value;
    BitmapChanged();
}

void TSkShapeButton::SetBorderStyle(TBorderStyle Value)
{
    if (Value == borderStyle_)
        return;
    borderStyle_ = Value;
    BitmapChanged();
}

void TSkShapeButton::SetBorderColor(TColor Value)
{
    if (Value == borderColor_)
        return;
    borderColor_ = Value;
    BitmapChanged();
}

void TSkShapeButton::SetBevelHighlightColor(TColor Value)
{
    if (Value == bevelHighlightColor_)
        return;
    bevelHighlightColor_ = Value;
    BitmapChanged();
}

void TSkShapeButton::SetBevelShadowColor(TColor Value)
{
    if (Value == bevelShadowColor_)
        return;
    bevelShadowColor_ = Value;
    BitmapChanged();
}

void TSkShapeButton::FontChanged()
{
    TGraphicControl::FontChanged();
    Invalidate();
}

void TSkShapeButton::TextChanged()
{
    TGraphicControl::TextChanged();
    Invalidate();
}
