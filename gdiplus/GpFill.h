#pragma once
// TGpFill: a persistent description of how a rectangle is painted: a main
// colour pair with its gradient kind, an optional mirror part (the lower
// half), hatches, opacities, a background picture (texture or placed), a
// foreground picture, a border, rounded corners, a shadow, a glow and a
// dotted focus outline. Every setter that changes a value calls Changed,
// which raises OnChange outside BeginUpdate / EndUpdate.

#include "ChangedProperty.h"
#include "Component.h"
#include "TypInfo.h"
#include "Persistent.h"
#include "SmGDIP.h"
#include "SmGDIPPicture.h"

#include <memory>

class TCustomIniFile;

enum TFillPicturePosition {
    ppTopLeft, ppTopCenter, ppTopRight, ppBottomLeft, ppBottomCenter, ppBottomRight,
    ppTiled, ppStretched, ppCenterLeft, ppCenterCenter, ppCenterRight, ppCustom
};
enum TFillRoundingType { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum TFillPictureMode { pmInsideFill, pmOutsideFill };
enum TFillPictureSize { psOriginal, psCustom };
enum TPictureMode { pmStretch, pmNormal };
enum TShadowType { stRightBottom, stBottom, stSurround };
enum TGlowMode { gmNone, gmGradient, gmRadial, gmRadialGradient };


class TGpFill : public TPersistent {
public:
    TGpFill();
    ~TGpFill() override;

    TQ62_CHANGED_PROPERTY(TColor, Color, color_)
    TQ62_CHANGED_PROPERTY(TColor, ColorTo, colorTo_)
    TQ62_CHANGED_PROPERTY(TColor, ColorMirror, colorMirror_)
    TQ62_CHANGED_PROPERTY(TColor, ColorMirrorTo, colorMirrorTo_)
    TQ62_CHANGED_PROPERTY(TSmGradientType, GradientType, gradientType_)
    TQ62_CHANGED_PROPERTY(TSmGradientType, GradientMirrorType, gradientMirrorType_)
    TQ62_CHANGED_PROPERTY(HatchStyle, HatchStyle_, hatchStyle_)
    TQ62_CHANGED_PROPERTY(HatchStyle, HatchStyleMirror, hatchStyleMirror_)
    TQ62_CHANGED_PROPERTY(bool, BackGroundPictureAspectRatio, backGroundPictureAspectRatio_)
    TQ62_CHANGED_PROPERTY(TFillPictureMode, BackGroundPictureMode, backGroundPictureMode_)
    TQ62_CHANGED_PROPERTY(TFillPicturePosition, BackGroundPicturePosition, backGroundPicturePosition_)
    TQ62_CHANGED_PROPERTY(int, BackGroundPictureLeft, backGroundPictureLeft_)
    TQ62_CHANGED_PROPERTY(int, BackGroundPictureTop, backGroundPictureTop_)
    TQ62_CHANGED_PROPERTY(TPictureMode, BackGroundPictureAspectMode, backGroundPictureAspectMode_)
    TQ62_CHANGED_PROPERTY(TFillPicturePosition, PicturePosition, picturePosition_)
    TQ62_CHANGED_PROPERTY(int, PictureLeft, pictureLeft_)
    TQ62_CHANGED_PROPERTY(int, PictureTop, pictureTop_)
    TQ62_CHANGED_PROPERTY(TFillPictureSize, PictureSize, pictureSize_)
    TQ62_CHANGED_PROPERTY(int, PictureWidth, pictureWidth_)
    TQ62_CHANGED_PROPERTY(int, PictureHeight, pictureHeight_)
    TQ62_CHANGED_PROPERTY(bool, PictureAspectRatio, pictureAspectRatio_)
    TQ62_CHANGED_PROPERTY(TPictureMode, PictureAspectMode, pictureAspectMode_)
    TQ62_CHANGED_PROPERTY(Byte, Opacity, opacity_)
    TQ62_CHANGED_PROPERTY(Byte, OpacityTo, opacityTo_)
    TQ62_CHANGED_PROPERTY(Byte, OpacityMirror, opacityMirror_)
    TQ62_CHANGED_PROPERTY(Byte, OpacityMirrorTo, opacityMirrorTo_)
    TQ62_CHANGED_PROPERTY(TColor, BorderColor, borderColor_)
    TQ62_CHANGED_PROPERTY(Byte, BorderOpacity, borderOpacity_)
    TQ62_CHANGED_PROPERTY(int, BorderWidth, borderWidth_)
    TQ62_CHANGED_PROPERTY(int, Rounding, rounding_)
    TQ62_CHANGED_PROPERTY(TFillRoundingType, RoundingType, roundingType_)
    TQ62_CHANGED_PROPERTY(TColor, ShadowColor, shadowColor_)
    TQ62_CHANGED_PROPERTY(int, ShadowOffset, shadowOffset_)
    TQ62_CHANGED_PROPERTY(TShadowType, ShadowType, shadowType_)
    TQ62_CHANGED_PROPERTY(int, Angle, angle_)
    TQ62_CHANGED_PROPERTY(TGlowMode, Glow, glow_)
    TQ62_CHANGED_PROPERTY(TColor, GlowGradientColor, glowGradientColor_)
    TQ62_CHANGED_PROPERTY(TColor, GlowRadialColor, glowRadialColor_)

    TSmGDIPPicture *BackGroundPicture() const { return backGroundPicture_.get(); }
    // Copies the given picture's content into the fill's own.
    void SetBackGroundPicture(TSmGDIPPicture *Value);
    TSmGDIPPicture *Picture() const { return picture_.get(); }
    void SetPicture(TSmGDIPPicture *Value);

    // Not stored.
    bool Focus = false;
    TColor FocusColor = clBlack;
    TGPRectF FocusRect{};

    TNotifyEvent OnChange;

    // Paints into R and answers the rectangle left after the shadow. An
    // opacity argument below 255 replaces its property for this call.
    TGPRectF Fill(TGPGraphics *Graphics, TGPRectF R, Byte ABorderOpacity = 255,
                  Byte AOpacity = 255, Byte AOpacityTo = 255, Byte AOpacityMirror = 255,
                  Byte AOpacityMirrorTo = 255);
    void DrawGradientBackGround(TGPGraphics *Graphics, const TGPRectF &R, bool Mirror, Byte oc,
                                Byte octo, Byte ocmr, Byte ocmrto);
    void DrawGlow(TGPGraphics *Graphics, const TGPRectF &R);

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate()
    {
        if (updateCount_ > 0)
            --updateCount_;
    }

    // The INI record in a section. Loading reads and checks every value
    // (enumerations in range, picture texts of hexadecimal pairs within
    // their stated length) before it applies any, then calls Changed once;
    // a bad record throws EConvertError and leaves the fill as it was.
    void SaveToFile(const QString &FileName, const QString &Section);
    void SaveToFile(TCustomIniFile *ini, const QString &Section);
    void LoadFromFile(const QString &FileName, const QString &Section);
    void LoadFromFile(TCustomIniFile *ini, const QString &Section);

    // The clipboard format "GDI+ Fill".
    void SaveToClipBoard();
    void LoadFromClipBoard();

    void Assign(TPersistent *Source) override;
    // Every stored value, in the order of the INI record, then the pictures.
    const TPublishedClass *PublishedClass() const override;

    // One closed figure, clockwise from the top left, with quarter-circle
    // corners of radius d where the rounding type says; the caller frees it.
    static TGPGraphicsPath *RoundRectPath(const TGPRectF &r, int d, TFillRoundingType type);
    // The size of a w x h picture stretched into aw x ah, keeping its
    // aspect ratio (pmNormal keeps a smaller picture as it is).
    static TGPPointF FitPictureSize(double w, double h, double aw, double ah, TPictureMode mode);

protected:
    void Changed();

private:
    void DrawRadialPart(TGPGraphics *g, const TGPRectF &r, TColor c1, TColor c2, Byte a1,
                        Byte a2, bool top, int radius, TFillRoundingType type);
    void DrawPositionedPicture(TGPGraphics *g, TSmGDIPPicture *pic, const TRect &area,
                               TFillPicturePosition position, int cx, int cy, int w, int h,
                               bool aspectRatio, TPictureMode aspectMode);

    TColor color_ = clSilver;
    TColor colorTo_ = clGray;
    TColor colorMirror_ = clNone;
    TColor colorMirrorTo_ = clNone;
    TSmGradientType gradientType_ = gtVertical;
    TSmGradientType gradientMirrorType_ = gtSolid;
    HatchStyle hatchStyle_ = HatchStyleHorizontal;
    HatchStyle hatchStyleMirror_ = HatchStyleHorizontal;
    bool backGroundPictureAspectRatio_ = false;
    TFillPictureMode backGroundPictureMode_ = pmOutsideFill;
    std::unique_ptr<TSmGDIPPicture> backGroundPicture_;
    TFillPicturePosition backGroundPicturePosition_ = ppTopLeft;
    int backGroundPictureLeft_ = 0;
    int backGroundPictureTop_ = 0;
    TPictureMode backGroundPictureAspectMode_ = pmStretch;
    std::unique_ptr<TSmGDIPPicture> picture_;
    TFillPicturePosition picturePosition_ = ppTopLeft;
    int pictureLeft_ = 0;
    int pictureTop_ = 0;
    TFillPictureSize pictureSize_ = psOriginal;
    int pictureWidth_ = 50;
    int pictureHeight_ = 50;
    bool pictureAspectRatio_ = false;
    TPictureMode pictureAspectMode_ = pmStretch;
    Byte opacity_ = 255;
    Byte opacityTo_ = 255;
    Byte opacityMirror_ = 255;
    Byte opacityMirrorTo_ = 255;
    TColor borderColor_ = clNone;
    Byte borderOpacity_ = 255;
    int borderWidth_ = 1;
    int rounding_ = 0;
    TFillRoundingType roundingType_ = rtBoth;
    TColor shadowColor_ = clGray;
    int shadowOffset_ = 0;
    TShadowType shadowType_ = stRightBottom;
    int angle_ = 0;
    TGlowMode glow_ = gmNone;
    TColor glowGradientColor_ = clWhite;
    TColor glowRadialColor_ = clWhite;
    int updateCount_ = 0;
};


// Carries a persistent object through a component stream (the clipboard
// form of a fill).
class TSaver : public TComponent {
public:
    explicit TSaver(TComponent *AOwner) : TComponent(AOwner) {}
    TPersistent *SaveObject = nullptr;
    const TPublishedClass *PublishedClass() const override; // "SaveObject"
};
