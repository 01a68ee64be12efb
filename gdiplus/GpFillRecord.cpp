// TGpFill: copying, the INI record and the clipboard form.

#include "GpFill.h"

#include "Clipboard.h"
#include "Exceptions.h"
#include "ComponentStream.h"
#include "IniFiles.h"
#include "Stream.h"

#include <vector>

// The fill's published properties, in the order of its INI record; the
// record leaves out the five named in kNotInRecord. Properties without a
// declared default are always stored. Pixel values are held within a
// screen's reach, which keeps the painting arithmetic far from overflow.
const TPublishedClass *TGpFill::PublishedClass() const
{
    static const QStringList gradients = {"gtSolid",   "gtRadial", "gtVertical", "gtHorizontal",
                                          "gtForwardDiagonal", "gtBackwardDiagonal", "gtAngle",
                                          "gtHatch",   "gtPath",   "gtTexture",  "gtNone"};
    static const QStringList hatches = {
        "HatchStyleHorizontal", "HatchStyleVertical", "HatchStyleForwardDiagonal",
        "HatchStyleBackwardDiagonal", "HatchStyleCross", "HatchStyleDiagonalCross", "HatchStyle05Percent",
        "HatchStyle10Percent", "HatchStyle20Percent", "HatchStyle25Percent", "HatchStyle30Percent",
        "HatchStyle40Percent", "HatchStyle50Percent", "HatchStyle60Percent", "HatchStyle70Percent",
        "HatchStyle75Percent", "HatchStyle80Percent", "HatchStyle90Percent",
        "HatchStyleLightDownwardDiagonal", "HatchStyleLightUpwardDiagonal", "HatchStyleDarkDownwardDiagonal",
        "HatchStyleDarkUpwardDiagonal", "HatchStyleWideDownwardDiagonal", "HatchStyleWideUpwardDiagonal",
        "HatchStyleLightVertical", "HatchStyleLightHorizontal", "HatchStyleNarrowVertical",
        "HatchStyleNarrowHorizontal", "HatchStyleDarkVertical", "HatchStyleDarkHorizontal",
        "HatchStyleDashedDownwardDiagonal", "HatchStyleDashedUpwardDiagonal", "HatchStyleDashedHorizontal",
        "HatchStyleDashedVertical", "HatchStyleSmallConfetti", "HatchStyleLargeConfetti", "HatchStyleZigZag",
        "HatchStyleWave", "HatchStyleDiagonalBrick", "HatchStyleHorizontalBrick", "HatchStyleWeave",
        "HatchStylePlaid", "HatchStyleDivot", "HatchStyleDottedGrid", "HatchStyleDottedDiamond",
        "HatchStyleShingle", "HatchStyleTrellis", "HatchStyleSphere", "HatchStyleSmallGrid",
        "HatchStyleSmallCheckerBoard", "HatchStyleLargeCheckerBoard", "HatchStyleOutlinedDiamond",
        "HatchStyleSolidDiamond"};
    static const QStringList positions = {"ppTopLeft",    "ppTopCenter",    "ppTopRight",    "ppBottomLeft",
                                          "ppBottomCenter", "ppBottomRight", "ppTiled",      "ppStretched",
                                          "ppCenterLeft", "ppCenterCenter", "ppCenterRight", "ppCustom"};
    static const QStringList pictureModes = {"pmStretch", "pmNormal"};
    constexpr long long kPixels = 32767;
    using B = TPublishedBuilder<TGpFill>;
    static const TPublishedClass info =
        B()
            .Integer("Color", &TGpFill::Color, &TGpFill::SetColor, clSilver)
            .Integer("ColorTo", &TGpFill::ColorTo, &TGpFill::SetColorTo, clGray)
            .Integer("ColorMirror", &TGpFill::ColorMirror, &TGpFill::SetColorMirror)
            .Integer("ColorMirrorTo", &TGpFill::ColorMirrorTo, &TGpFill::SetColorMirrorTo)
            .Enumeration("GradientType", &TGpFill::GradientType, &TGpFill::SetGradientType, gradients, gtVertical)
            .Enumeration("GradientMirrorType", &TGpFill::GradientMirrorType, &TGpFill::SetGradientMirrorType,
                         gradients, gtSolid)
            .Enumeration("HatchStyle", &TGpFill::HatchStyle_, &TGpFill::SetHatchStyle_, hatches,
                         HatchStyleHorizontal)
            .Enumeration("HatchStyleMirror", &TGpFill::HatchStyleMirror, &TGpFill::SetHatchStyleMirror, hatches,
                         HatchStyleHorizontal)
            .Enumeration("BackGroundPictureMode", &TGpFill::BackGroundPictureMode,
                         &TGpFill::SetBackGroundPictureMode, {"pmInsideFill", "pmOutsideFill"}, pmOutsideFill)
            .Enumeration("BackGroundPicturePosition", &TGpFill::BackGroundPicturePosition,
                         &TGpFill::SetBackGroundPicturePosition, positions, ppTopLeft)
            .Integer("BackGroundPictureLeft", &TGpFill::BackGroundPictureLeft, &TGpFill::SetBackGroundPictureLeft, 0)
            .Range(-kPixels, kPixels)
            .Integer("BackGroundPictureTop", &TGpFill::BackGroundPictureTop, &TGpFill::SetBackGroundPictureTop, 0)
            .Range(-kPixels, kPixels)
            .Enumeration("PicturePosition", &TGpFill::PicturePosition, &TGpFill::SetPicturePosition, positions,
                         ppTopLeft)
            .Integer("PictureLeft", &TGpFill::PictureLeft, &TGpFill::SetPictureLeft, 0)
            .Range(-kPixels, kPixels)
            .Integer("PictureTop", &TGpFill::PictureTop, &TGpFill::SetPictureTop, 0)
            .Range(-kPixels, kPixels)
            .Enumeration("PictureSize", &TGpFill::PictureSize, &TGpFill::SetPictureSize, {"psOriginal", "psCustom"},
                         psOriginal)
            .Integer("PictureWidth", &TGpFill::PictureWidth, &TGpFill::SetPictureWidth, 50)
            .Range(-kPixels, kPixels)
            .Integer("PictureHeight", &TGpFill::PictureHeight, &TGpFill::SetPictureHeight, 50)
            .Range(-kPixels, kPixels)
            .Integer("Opacity", &TGpFill::Opacity, &TGpFill::SetOpacity, 255)
            .Range(0, 255)
            .Integer("OpacityTo", &TGpFill::OpacityTo, &TGpFill::SetOpacityTo, 255)
            .Range(0, 255)
            .Integer("OpacityMirror", &TGpFill::OpacityMirror, &TGpFill::SetOpacityMirror, 255)
            .Range(0, 255)
            .Integer("OpacityMirrorTo", &TGpFill::OpacityMirrorTo, &TGpFill::SetOpacityMirrorTo, 255)
            .Range(0, 255)
            .Integer("BorderColor", &TGpFill::BorderColor, &TGpFill::SetBorderColor)
            .Integer("BorderOpacity", &TGpFill::BorderOpacity, &TGpFill::SetBorderOpacity, 255)
            .Range(0, 255)
            .Integer("BorderWidth", &TGpFill::BorderWidth, &TGpFill::SetBorderWidth, 1)
            .Range(-kPixels, kPixels)
            .Integer("Rounding", &TGpFill::Rounding, &TGpFill::SetRounding)
            .Range(-kPixels, kPixels)
            .Enumeration("RoundingType", &TGpFill::RoundingType, &TGpFill::SetRoundingType,
                         {"rtNone", "rtTop", "rtBottom", "rtBoth", "rtLeft", "rtRight"}, rtBoth)
            .Integer("ShadowOffset", &TGpFill::ShadowOffset, &TGpFill::SetShadowOffset)
            .Range(-kPixels, kPixels)
            .Integer("ShadowColor", &TGpFill::ShadowColor, &TGpFill::SetShadowColor, clGray)
            .Integer("Angle", &TGpFill::Angle, &TGpFill::SetAngle, 0)
            .Enumeration("Glow", &TGpFill::Glow, &TGpFill::SetGlow,
                         {"gmNone", "gmGradient", "gmRadial", "gmRadialGradient"})
            .Integer("GlowGradientColor", &TGpFill::GlowGradientColor, &TGpFill::SetGlowGradientColor, clWhite)
            .Integer("GlowRadialColor", &TGpFill::GlowRadialColor, &TGpFill::SetGlowRadialColor, clWhite)
            .Bool("BackGroundPictureAspectRatio", &TGpFill::BackGroundPictureAspectRatio,
                  &TGpFill::SetBackGroundPictureAspectRatio, false)
            .Enumeration("BackGroundPictureAspectMode", &TGpFill::BackGroundPictureAspectMode,
                         &TGpFill::SetBackGroundPictureAspectMode, pictureModes, pmStretch)
            .Bool("PictureAspectRatio", &TGpFill::PictureAspectRatio, &TGpFill::SetPictureAspectRatio, false)
            .Enumeration("PictureAspectMode", &TGpFill::PictureAspectMode, &TGpFill::SetPictureAspectMode,
                         pictureModes, pmStretch)
            .Enumeration("ShadowType", &TGpFill::ShadowType, &TGpFill::SetShadowType,
                         {"stRightBottom", "stBottom", "stSurround"}, stRightBottom)
            .Object("BackGroundPicture", &TGpFill::BackGroundPicture)
            .Object("Picture", &TGpFill::Picture)
            .Build();
    return &info;
}

const TPublishedClass *TSaver::PublishedClass() const
{
    static const TPublishedClass info =
        TPublishedBuilder<TSaver>().Object("SaveObject", [](TSaver *s) -> TObject * { return s->SaveObject; }).Build();
    return &info;
}

namespace {

const char *const kPictureKey = "Picture";
const char *const kPictureLengthKey = "PictureTextSize";
const char *const kBackKey = "BackgroundPicture";
const char *const kBackLengthKey = "BackgroundPictureSize";

QString toHex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

[[noreturn]] void noHex()
{
    throw EConvertError(QStringLiteral("No Hex-Number"));
}

// The first `length` characters of the text as byte pairs; a text shorter
// than its stated length, an odd length or a character that is not a
// hexadecimal digit is refused.
QByteArray fromHex(const QString &text, int length)
{
    if (length < 0 || length > text.size() || length % 2 != 0)
        noHex();
    QByteArray out;
    out.reserve(length / 2);
    auto digit = [](QChar c) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            return c.unicode() - '0';
        if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            return c.unicode() - 'A' + 10;
        if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
            return c.unicode() - 'a' + 10;
        noHex();
    };
    for (int i = 0; i < length; i += 2)
        out.append(char(digit(text[i]) * 16 + digit(text[i + 1])));
    return out;
}

QByteArray pictureBytes(TSmGDIPPicture *pic)
{
    TMemoryStream stream;
    pic->SaveToStream(&stream);
    return stream.Bytes();
}

void loadPicture(TSmGDIPPicture *pic, const QByteArray &bytes)
{
    TMemoryStream stream(bytes);
    pic->LoadFromStream(&stream);
}

unsigned fillClipboardFormat()
{
    static const unsigned format = RegisterClipboardFormat(QStringLiteral("GDI+ Fill"));
    return format;
}

} // namespace

namespace {

// Published but not part of the INI record.
bool InRecord(const TPropInfo &p)
{
    static const QStringList notInRecord = {"BackGroundPictureAspectRatio", "BackGroundPictureAspectMode",
                                            "PictureAspectRatio", "PictureAspectMode", "ShadowType"};
    return p.IsOrdinal() && !notInRecord.contains(p.Name);
}

} // namespace

void TGpFill::Assign(TPersistent *Source)
{
    auto *src = dynamic_cast<TGpFill *>(Source);
    if (!src)
        return;
    BeginUpdate();
    for (const TPropInfo &p : GetPropList(this))
        if (p.IsOrdinal())
            p.SetOrd(this, p.GetOrd(src));
    backGroundPicture_->Assign(src->backGroundPicture_.get());
    picture_->Assign(src->picture_.get());
    EndUpdate();
    Changed();
}

void TGpFill::SaveToFile(const QString &FileName, const QString &Section)
{
    TIniFile ini(FileName);
    SaveToFile(&ini, Section);
}

void TGpFill::LoadFromFile(const QString &FileName, const QString &Section)
{
    TIniFile ini(FileName);
    LoadFromFile(&ini, Section);
}

// Each value has a key of its own: the picture text's length is stored
// under "PictureTextSize", apart from the PictureSize property.
void TGpFill::SaveToFile(TCustomIniFile *ini, const QString &Section)
{
    for (const TPropInfo &p : GetPropList(this))
        if (InRecord(p))
            ini->WriteInteger(Section, p.Name, static_cast<int>(GetOrdProp(this, p)));
    const QString pic = toHex(pictureBytes(picture_.get()));
    ini->WriteString(Section, QLatin1String(kPictureKey), pic);
    ini->WriteInteger(Section, QLatin1String(kPictureLengthKey), int(pic.size()));
    const QString back = toHex(pictureBytes(backGroundPicture_.get()));
    ini->WriteString(Section, QLatin1String(kBackKey), back);
    ini->WriteInteger(Section, QLatin1String(kBackLengthKey), int(back.size()));
}

// Records written before the length had its own key keep the picture text's
// length under "PictureSize"; for them that key is the length only. Such a
// record always holds the "Picture" text; without it "PictureSize" is the
// property.
void TGpFill::LoadFromFile(TCustomIniFile *ini, const QString &Section)
{
    const bool oldRecord = !ini->ValueExists(Section, QLatin1String(kPictureLengthKey))
                           && ini->ValueExists(Section, QLatin1String(kPictureKey));
    std::vector<std::pair<const TPropInfo *, int>> values;
    int pictureLength = 0;
    for (const TPropInfo &p : GetPropList(this)) {
        if (!InRecord(p))
            continue;
        const int current = static_cast<int>(GetOrdProp(this, p));
        const int v = ini->ReadInteger(Section, p.Name, current);
        if (oldRecord && p.Name == QLatin1String("PictureSize")) {
            pictureLength = ini->ValueExists(Section, p.Name) ? v : 0;
            continue;
        }
        try {
            CheckOrdValue(p, v);
        } catch (const EConvertError &) {
            throw EConvertError(QStringLiteral("Invalid value %1 for \"%2\"").arg(v).arg(p.Name));
        }
        values.emplace_back(&p, v);
    }
    if (!oldRecord)
        pictureLength = ini->ReadInteger(Section, QLatin1String(kPictureLengthKey), 0);
    const int backLength = ini->ReadInteger(Section, QLatin1String(kBackLengthKey), 0);
    QByteArray pic, back;
    if (pictureLength > 0)
        pic = fromHex(ini->ReadString(Section, QLatin1String(kPictureKey), QString()), pictureLength);
    if (backLength > 0)
        back = fromHex(ini->ReadString(Section, QLatin1String(kBackKey), QString()), backLength);

    BeginUpdate();
    for (const auto &[p, v] : values)
        p->SetOrd(this, v);
    if (pictureLength > 0)
        loadPicture(picture_.get(), pic);
    if (backLength > 0)
        loadPicture(backGroundPicture_.get(), back);
    EndUpdate();
    Changed();
}

// The clipboard form is the component stream of a TSaver whose SaveObject is
// the fill: its properties as "SaveObject.Name" pairs (only those away from
// their declared defaults, and the always-stored ones), the pictures as their
// "Data" blocks.
void TGpFill::SaveToClipBoard()
{
    TSaver saver(nullptr);
    saver.SaveObject = this;
    TMemoryStream stream;
    TWriter writer(&stream);
    writer.WriteProperties(&saver);
    writer.WriteListEnd();
    Clipboard()->SetBuffer(fillClipboardFormat(), stream.Bytes());
}

// The stream is read whole into a copy first: every property found is then
// set through its setter, the others keep their values, and damaged data
// changes nothing.
void TGpFill::LoadFromClipBoard()
{
    if (!Clipboard()->HasFormat(fillClipboardFormat()))
        return;
    TGpFill copy;
    copy.Assign(this);
    TSaver saver(nullptr);
    saver.SaveObject = &copy;
    TMemoryStream stream(Clipboard()->GetBuffer(fillClipboardFormat()));
    TReader reader(&stream);
    reader.ReadProperties(&saver);
    Assign(&copy);
}
