#include "Font.h"

#include "FontSubstitution.h"
#include "TypInfo.h"

#include <QFontMetricsF>
#include <cmath>

TFont::TFont() = default;

void TFont::SetName(const QString &Value)
{
    if (Value.isEmpty() || Value == name_)
        return;
    name_ = Value;
    Changed();
}

void TFont::SetHeight(int Value)
{
    if (Value == height_)
        return;
    height_ = Value;
    Changed();
}

int TFont::Size() const
{
    return -MulDiv(height_, 72, PixelsPerInch);
}

void TFont::SetSize(int Value)
{
    SetHeight(-MulDiv(Value, PixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles Value)
{
    if (Value == style_)
        return;
    style_ = Value;
    Changed();
}

void TFont::SetColor(TColor Value)
{
    if (Value == color_)
        return;
    color_ = Value;
    Changed();
}

void TFont::SetOrientation(int Value)
{
    if (Value == orientation_)
        return;
    orientation_ = Value;
    Changed();
}

void TFont::SetCharset(Byte Value)
{
    if (Value == charset_)
        return;
    charset_ = Value;
    Changed();
}

void TFont::SetPitch(TFontPitch Value)
{
    if (Value == pitch_)
        return;
    pitch_ = Value;
    Changed();
}

QFont TFont::ToQFont() const
{
    QFont f;
    f.setFamilies(FontFamiliesFor(name_));
    f.setBold(style_.Contains(fsBold));
    f.setItalic(style_.Contains(fsItalic));
    f.setUnderline(style_.Contains(fsUnderline));
    f.setStrikeOut(style_.Contains(fsStrikeOut));
    if (pitch_ == fpFixed)
        f.setFixedPitch(true);
    f.setStyleStrategy(QFont::PreferDefault);
    f.setHintingPreference(QFont::PreferFullHinting);
    if (height_ < 0) {
        f.setPixelSize(-height_);
    } else if (height_ > 0) {
        // A cell height: scale the em size so that ascent + descent matches.
        QFont probe = f;
        probe.setPixelSize(100);
        QFontMetricsF m(probe);
        double cell = m.ascent() + m.descent();
        int px = cell > 0 ? static_cast<int>(std::lround(height_ * 100.0 / cell)) : height_;
        f.setPixelSize(px > 0 ? px : 1);
    } else {
        f.setPixelSize(MulDiv(8, PixelsPerInch, 72)); // Height 0: the default 8 points
    }
    return f;
}

void TFont::Assign(TPersistent *Source)
{
    if (auto *src = dynamic_cast<TFont *>(Source)) {
        if (src == this || *src == *this)
            return;
        name_ = src->name_;
        height_ = src->height_;
        style_ = src->style_;
        color_ = src->color_;
        orientation_ = src->orientation_;
        charset_ = src->charset_;
        pitch_ = src->pitch_;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

bool TFont::operator==(const TFont &o) const
{
    return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ &&
           orientation_ == o.orientation_ && charset_ == o.charset_ && pitch_ == o.pitch_;
}

const TPublishedClass *TFont::PublishedClass() const
{
    static const TPublishedClass info =
        TPublishedBuilder<TFont>()
            .Integer("Charset", &TFont::Charset, &TFont::SetCharset)
            .Integer("Color", &TFont::Color, &TFont::SetColor)
            .Integer("Height", &TFont::Height, &TFont::SetHeight)
            .String("Name", &TFont::Name, &TFont::SetName)
            .Integer("Orientation", &TFont::Orientation, &TFont::SetOrientation, 0)
            .Enumeration("Pitch", &TFont::Pitch, &TFont::SetPitch, {"fpDefault", "fpVariable", "fpFixed"}, fpDefault)
            .Integer("Size", &TFont::Size, &TFont::SetSize)
            .StoredWhen([](TFont *) { return false; })
            .Set("Style", &TFont::Style, &TFont::SetStyle, 0xF)
            .Build();
    return &info;
}
