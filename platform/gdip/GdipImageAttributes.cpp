// Image attributes: colour adjustments applied to pictures as they are drawn.

#include "GdipInternal.h"

#include <algorithm>
#include <cmath>

const GpColorAdjust &GpImageAttributes::effective(ColorAdjustType type) const
{
    if (type > ColorAdjustTypeDefault && type < ColorAdjustTypeCount
        && adjust[size_t(type)].any())
        return adjust[size_t(type)];
    return adjust[ColorAdjustTypeDefault];
}

// Order of the adjustments: remap, colour key, matrix, gamma, threshold,
// output channel.
ARGB GpImageAttributes::apply(ARGB c, const GpColorAdjust &a) const
{
    if (a.noOp)
        return c;
    if (a.remapOn)
        for (const ColorMap &m : a.remap)
            if (m.oldColor == c) {
                c = m.newColor;
                break;
            }
    auto ch = [](ARGB v, int s) { return int((v >> s) & 0xFF); };
    if (a.keyOn) {
        bool inside = true;
        for (int s = 0; s < 24; s += 8)
            inside = inside && ch(c, s) >= ch(a.keyLow, s)
                     && ch(c, s) <= ch(a.keyHigh, s);
        if (inside)
            return 0;
    }
    double v[4] = {ch(c, 16) / 255.0, ch(c, 8) / 255.0, ch(c, 0) / 255.0,
                   ch(c, 24) / 255.0};
    if (a.matrixOn) {
        const bool gray = ch(c, 16) == ch(c, 8) && ch(c, 8) == ch(c, 0);
        const ColorMatrix *m = &a.matrix;
        if (gray && a.matrixFlags == ColorMatrixFlagsSkipGrays)
            m = nullptr;
        else if (gray && a.matrixFlags == ColorMatrixFlagsAltGray && a.hasGray)
            m = &a.gray;
        if (m) {
            double out[4];
            for (int j = 0; j < 4; ++j) {
                out[j] = m->m[4][j];
                for (int i = 0; i < 4; ++i)
                    out[j] += v[i] * m->m[i][j];
            }
            std::copy(out, out + 4, v);
        }
    }
    for (double &x : v)
        x = std::clamp(x, 0.0, 1.0);
    if (a.gammaOn && a.gamma > 0)
        for (int i = 0; i < 3; ++i)
            v[i] = std::pow(v[i], double(a.gamma));
    if (a.thresholdOn)
        for (int i = 0; i < 3; ++i)
            v[i] = v[i] > a.threshold ? 1.0 : 0.0;
    if (a.channelOn && a.channel < ColorChannelFlagsLast) {
        const double k = 1.0 - std::max({v[0], v[1], v[2]});
        double level;
        if (a.channel == ColorChannelFlagsK)
            level = k;
        else
            level = 1.0 - v[a.channel];
        const double shown = 1.0 - level;
        v[0] = v[1] = v[2] = shown;
    }
    auto byte = [](double x) { return ARGB(std::lround(x * 255.0)); };
    return (byte(v[3]) << 24) | (byte(v[0]) << 16) | (byte(v[1]) << 8)
           | byte(v[2]);
}

QImage GpImageAttributes::apply(const QImage &premultiplied,
                                ColorAdjustType type) const
{
    const GpColorAdjust &a = effective(type);
    if (!a.any() || a.noOp)
        return premultiplied;
    QImage img = premultiplied.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = apply(line[x], a);
    }
    return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

namespace {
GpColorAdjust *slot(GpImageAttributes *ia, ColorAdjustType type)
{
    if (!ia || type < ColorAdjustTypeDefault || type >= ColorAdjustTypeCount)
        return nullptr;
    return &ia->adjust[size_t(type)];
}
} // namespace

Status GdipCreateImageAttributes(GpImageAttributes **imageattr)
{
    return gdipNew(imageattr, new GpImageAttributes);
}

Status GdipCloneImageAttributes(const GpImageAttributes *imageattr,
                                GpImageAttributes **cloneImageattr)
{
    if (!imageattr)
        return InvalidParameter;
    return gdipNew(cloneImageattr, new GpImageAttributes(*imageattr));
}

Status GdipDisposeImageAttributes(GpImageAttributes *imageattr)
{
    return gdipDelete(imageattr);
}

Status GdipSetImageAttributesToIdentity(GpImageAttributes *imageattr,
                                        ColorAdjustType type)
{
    GpColorAdjust *a = slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    a->matrixOn = false;
    return Ok;
}

Status GdipResetImageAttributes(GpImageAttributes *imageattr,
                                ColorAdjustType type)
{
    GpColorAdjust *a = slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    *a = GpColorAdjust{};
    return Ok;
}

Status GdipSetImageAttributesColorMatrix(GpImageAttributes *imageattr,
                                         ColorAdjustType type, BOOL enableFlag,
                                         const ColorMatrix *colorMatrix,
                                         const ColorMatrix *grayMatrix,
                                         ColorMatrixFlags flags)
{
    GpColorAdjust *a = slot(imageattr, type);
    if (!a || (enableFlag && !colorMatrix) || flags < ColorMatrixFlagsDefault
        || flags > ColorMatrixFlagsAltGray)
        return InvalidParameter;
    a->matrixOn = enableFlag != 0;
    if (enableFlag) {
        a->matrix = *colorMatrix;
        a->hasGray = grayMatrix != nullptr;
        if (grayMatrix)
            a->gray = *grayMatrix;
        a->matrixFlags = flags;
    }
    return Ok;
}

Status GdipSetImageAttributesThreshold(GpImageAttributes *imageattr,
                                       ColorAdjustType type, BOOL enableFlag,
                                       REAL threshold)
{
    GpColorAdjust *a = slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    a->thresholdOn = enableFlag != 0;
    a->threshold = threshold;
    return Ok;
}

Status GdipSetImageAttributesGamma(GpImageAttributes *imageattr,
                                   ColorAdjustType type, BOOL enableFlag,
                                   REAL gamma)
{
    GpColorAdjust *a = slot(imageattr, type);
    if (!a || (enableFlag && gamma <= 0))
        return InvalidParameter;
    a->gammaOn = enableFlag != 0;
    a->gamma = gamma;
    return Ok;
}

Status GdipSetImageAttributesNoOp(GpImageAttributes *imageattr,
                                  ColorAdjustType type, BOOL enableFlag)
{
    GpColorAdjust *a = slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    a->noOp = enableFlag != 0;
    return Ok;
}

Status GdipSetImageAttributesColorKeys(GpImageAttributes *imageattr,
                                       ColorAdjustType type, BOOL enableFlag,
                                       ARGB colorLow, ARGB colorHigh)
{
    GpColorAdjust *a = slot(imageattr, type);
    if (!a)
        return InvalidParameter;
    a->keyOn = enableFlag != 0;
    a->keyLow = colorLow;
    a->keyHigh = colorHigh;
    return Ok;
}

Status GdipSetImageAttributesOutputChannel(GpImageAttributes *imageattr,
                                           ColorAdjustType type,
                                           BOOL enableFlag,
                                           ColorChannelFlags channelFlags)
{
    GpColorAdjust *a = slot(imageattr, type);
    if (!a || channelFlags < ColorChannelFlagsC
        || channelFlags > ColorChannelFlagsLast)
        return InvalidParameter;
    a->channelOn = enableFlag != 0;
    a->channel = channelFlags;
    return Ok;
}

// Colour profiles are remembered but not applied: the stand-in has no
// colour management.
Status GdipSetImageAttributesOutputChannelColorProfile(
    GpImageAttributes *imageattr, ColorAdjustType type, BOOL enableFlag,
    const WCHAR *colorProfileFilename)
{
    GpColorAdjust *a = slot(imageattr, type);
    if (!a || (enableFlag && !colorProfileFilename))
        return InvalidParameter;
    a->profileOn = enableFlag != 0;
    a->profile = gdip::toQString(colorProfileFilename, -1);
    return Ok;
}

Status GdipSetImageAttributesRemapTable(GpImageAttributes *imageattr,
                                        ColorAdjustType type, BOOL enableFlag,
                                        UINT mapSize, const ColorMap *map)
{
    GpColorAdjust *a = slot(imageattr, type);
    if (!a || (enableFlag && (!map || mapSize == 0)))
        return InvalidParameter;
    a->remapOn = enableFlag != 0;
    a->remap.clear();
    if (enableFlag)
        a->remap.assign(map, map + mapSize);
    return Ok;
}

Status GdipSetImageAttributesWrapMode(GpImageAttributes *imageattr,
                                      WrapMode wrap, ARGB argb, BOOL)
{
    if (!imageattr || wrap < WrapModeTile || wrap > WrapModeClamp)
        return InvalidParameter;
    imageattr->wrap = wrap;
    imageattr->wrapColor = argb;
    return Ok;
}

Status GdipGetImageAttributesAdjustedPalette(GpImageAttributes *imageattr,
                                             ColorPalette *colorPalette,
                                             ColorAdjustType colorAdjustType)
{
    if (!imageattr || !colorPalette || !colorPalette->Entries
        || colorPalette->Count == 0 || colorAdjustType < ColorAdjustTypeBitmap
        || colorAdjustType >= ColorAdjustTypeCount)
        return InvalidParameter;
    const GpColorAdjust &a = imageattr->effective(colorAdjustType);
    for (UINT i = 0; i < colorPalette->Count; ++i)
        colorPalette->Entries[i] = imageattr->apply(colorPalette->Entries[i], a);
    return Ok;
}
