#pragma once
#include "Color.h"
#include "GraphicsObject.h"
#include "Set.h"
#include "Types.h"

#include <QFont>
#include <QString>

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

// A font as the controls describe it. Height is in pixels: negative for the
// character (em) height, positive for the cell height (ascent + descent);
// Size is in points at 96 pixels per inch, Size = -Height * 72 / 96 rounded
// (setting Size 10 gives Height -13). Name is the Windows family name as
// stored; ToQFont maps it through the substitution table. Orientation is the
// text angle in tenths of a degree, counter-clockwise (900 runs upwards).
// New fonts: "Tahoma", Height -11 (8 points), black, no style.
class TFont : public TGraphicsObject {
public:
    static constexpr int PixelsPerInch = 96;

    TFont();

    const QString &Name() const { return name_; }
    void SetName(const QString &Value);
    int Height() const { return height_; }
    void SetHeight(int Value);
    int Size() const;
    void SetSize(int Value);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles Value);
    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    int Orientation() const { return orientation_; }
    void SetOrientation(int Value);
    Byte Charset() const { return charset_; }
    void SetCharset(Byte Value);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch Value);

    // The Qt font: substituted family (with the CJK fallback), pixel size from
    // Height, weight and style flags. Orientation is left to the canvas.
    QFont ToQFont() const;

    void Assign(TPersistent *Source) override;
    // Charset, Color, Height, Name, Orientation, Pitch, Size (not stored), Style.
    const TPublishedClass *PublishedClass() const override;
    bool operator==(const TFont &o) const;

private:
    QString name_ = QStringLiteral("Tahoma");
    int height_ = -11;
    TFontStyles style_;
    TColor color_ = clWindowText;
    int orientation_ = 0;
    Byte charset_ = 1; // DEFAULT_CHARSET
    TFontPitch pitch_ = fpDefault;
};
