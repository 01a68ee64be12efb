// TGpFill: copying, the INI record and the clipboard form.

#include "GpFill.h"

#include "Clipboard.h"
#include "Exceptions.h"
#include "IniFiles.h"
#include "Stream.h"

#include <functional>
#include <limits>
#include <vector>

// The stored values of a fill, one entry per key, in the order of the INI
// record; fields are read and written directly (no setter runs).
struct FillRecord {
    struct Key {
        const char *name;
        std::function<int(const TGpFill &)> get;
        std::function<void(TGpFill &, int)> put;
        int lo;
        int hi;
        int def;
        bool always;    // written to the clipboard form even at its default
        bool inIni;
    };

    template <typename T>
    static Key enumKey(const char *name, T TGpFill::*field, int hi, int def, bool inIni = true,
                       bool always = false)
    {
        return Key{name, [field](const TGpFill &f) { return int(f.*field); },
                   [field](TGpFill &f, int v) { f.*field = static_cast<T>(v); }, 0, hi, def,
                   always, inIni};
    }
    static Key intKey(const char *name, int TGpFill::*field, int def, bool always = false)
    {
        return Key{name, [field](const TGpFill &f) { return f.*field; },
                   [field](TGpFill &f, int v) { f.*field = v; },
                   std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), def, always,
                   true};
    }
    // Positions, sizes and widths in pixels: a stored value beyond any
    // screen is damage, and keeps the painting arithmetic far from overflow.
    static Key pixelKey(const char *name, int TGpFill::*field, int def, bool always = false)
    {
        Key k = intKey(name, field, def, always);
        k.lo = -kMaxPixels;
        k.hi = kMaxPixels;
        return k;
    }
    static constexpr int kMaxPixels = 32767;
    static Key byteKey(const char *name, Byte TGpFill::*field)
    {
        return Key{name, [field](const TGpFill &f) { return int(f.*field); },
                   [field](TGpFill &f, int v) { f.*field = Byte(v); }, 0, 255, 255, false, true};
    }
    static Key boolKey(const char *name, bool TGpFill::*field)
    {
        return Key{name, [field](const TGpFill &f) { return int(f.*field); },
                   [field](TGpFill &f, int v) { f.*field = v != 0; }, 0, 1, 0, false, false};
    }

    static const std::vector<Key> &Keys()
    {
        static const std::vector<Key> keys = {
            intKey("Color", &TGpFill::color_, clSilver),
            intKey("ColorTo", &TGpFill::colorTo_, clGray),
            intKey("ColorMirror", &TGpFill::colorMirror_, clNone, true),
            intKey("ColorMirrorTo", &TGpFill::colorMirrorTo_, clNone, true),
            enumKey("GradientType", &TGpFill::gradientType_, gtNone, gtVertical),
            enumKey("GradientMirrorType", &TGpFill::gradientMirrorType_, gtNone, gtSolid),
            enumKey("HatchStyle", &TGpFill::hatchStyle_, HatchStyleMax, HatchStyleHorizontal),
            enumKey("HatchStyleMirror", &TGpFill::hatchStyleMirror_, HatchStyleMax,
                    HatchStyleHorizontal),
            enumKey("BackGroundPictureMode", &TGpFill::backGroundPictureMode_, pmOutsideFill,
                    pmOutsideFill),
            enumKey("BackGroundPicturePosition", &TGpFill::backGroundPicturePosition_, ppCustom,
                    ppTopLeft),
            pixelKey("BackGroundPictureLeft", &TGpFill::backGroundPictureLeft_, 0),
            pixelKey("BackGroundPictureTop", &TGpFill::backGroundPictureTop_, 0),
            enumKey("PicturePosition", &TGpFill::picturePosition_, ppCustom, ppTopLeft),
            pixelKey("PictureLeft", &TGpFill::pictureLeft_, 0),
            pixelKey("PictureTop", &TGpFill::pictureTop_, 0),
            enumKey("PictureSize", &TGpFill::pictureSize_, psCustom, psOriginal),
            pixelKey("PictureWidth", &TGpFill::pictureWidth_, 50),
            pixelKey("PictureHeight", &TGpFill::pictureHeight_, 50),
            byteKey("Opacity", &TGpFill::opacity_),
            byteKey("OpacityTo", &TGpFill::opacityTo_),
            byteKey("OpacityMirror", &TGpFill::opacityMirror_),
            byteKey("OpacityMirrorTo", &TGpFill::opacityMirrorTo_),
            intKey("BorderColor", &TGpFill::borderColor_, clNone, true),
            byteKey("BorderOpacity", &TGpFill::borderOpacity_),
            pixelKey("BorderWidth", &TGpFill::borderWidth_, 1),
            pixelKey("Rounding", &TGpFill::rounding_, 0, true),
            enumKey("RoundingType", &TGpFill::roundingType_, rtRight, rtBoth),
            pixelKey("ShadowOffset", &TGpFill::shadowOffset_, 0, true),
            intKey("ShadowColor", &TGpFill::shadowColor_, clGray),
            intKey("Angle", &TGpFill::angle_, 0),
            enumKey("Glow", &TGpFill::glow_, gmRadialGradient, gmNone, true, true),
            intKey("GlowGradientColor", &TGpFill::glowGradientColor_, clWhite),
            intKey("GlowRadialColor", &TGpFill::glowRadialColor_, clWhite),
            // Published but not part of the INI record.
            boolKey("BackGroundPictureAspectRatio", &TGpFill::backGroundPictureAspectRatio_),
            enumKey("BackGroundPictureAspectMode", &TGpFill::backGroundPictureAspectMode_,
                    pmNormal, pmStretch, false),
            boolKey("PictureAspectRatio", &TGpFill::pictureAspectRatio_),
            enumKey("PictureAspectMode", &TGpFill::pictureAspectMode_, pmNormal, pmStretch, false),
            enumKey("ShadowType", &TGpFill::shadowType_, stSurround, stRightBottom, false),
        };
        return keys;
    }
};

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

void TGpFill::Assign(TPersistent *Source)
{
    auto *src = dynamic_cast<TGpFill *>(Source);
    if (!src)
        return;
    BeginUpdate();
    for (const FillRecord::Key &k : FillRecord::Keys())
        k.put(*this, k.get(*src));
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
    for (const FillRecord::Key &k : FillRecord::Keys())
        if (k.inIni)
            ini->WriteInteger(Section, QLatin1String(k.name), k.get(*this));
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
    std::vector<int> values;
    int pictureLength = 0;
    for (const FillRecord::Key &k : FillRecord::Keys()) {
        const int current = k.get(*this);
        if (!k.inIni) {
            values.push_back(current);
            continue;
        }
        const int v = ini->ReadInteger(Section, QLatin1String(k.name), current);
        if (oldRecord && qstrcmp(k.name, "PictureSize") == 0) {
            pictureLength = ini->ValueExists(Section, QLatin1String(k.name)) ? v : 0;
            values.push_back(current);
            continue;
        }
        if (v < k.lo || v > k.hi)
            throw EConvertError(QStringLiteral("Invalid value %1 for \"%2\"").arg(v).arg(QLatin1String(k.name)));
        values.push_back(v);
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
    const std::vector<FillRecord::Key> &keys = FillRecord::Keys();
    for (size_t i = 0; i < keys.size(); ++i)
        keys[i].put(*this, values[i]);
    if (pictureLength > 0)
        loadPicture(picture_.get(), pic);
    if (backLength > 0)
        loadPicture(backGroundPicture_.get(), back);
    EndUpdate();
    Changed();
}

// The clipboard form is the component-stream text of a TSaver whose
// SaveObject is the fill: one "SaveObject.Name = value" line per value that
// differs from its default (and the always-stored ones), the pictures as
// "Data" blocks in hexadecimal.
void TGpFill::SaveToClipBoard()
{
    TSaver saver(nullptr);
    saver.SaveObject = this;
    QString text = QStringLiteral("object TSaver\n");
    for (const FillRecord::Key &k : FillRecord::Keys()) {
        const int v = k.get(*this);
        if (v != k.def || k.always)
            text += QStringLiteral("  SaveObject.%1 = %2\n").arg(QLatin1String(k.name)).arg(v);
    }
    if (!backGroundPicture_->Empty())
        text += QStringLiteral("  SaveObject.BackGroundPicture.Data = {%1}\n")
                    .arg(toHex(pictureBytes(backGroundPicture_.get())));
    if (!picture_->Empty())
        text += QStringLiteral("  SaveObject.Picture.Data = {%1}\n")
                    .arg(toHex(pictureBytes(picture_.get())));
    text += QStringLiteral("end\n");
    Clipboard()->SetBuffer(fillClipboardFormat(), text.toUtf8());
}

// Every value found is checked first and then set through its setter; the
// others keep their values.
void TGpFill::LoadFromClipBoard()
{
    if (!Clipboard()->HasFormat(fillClipboardFormat()))
        return;
    const QString text = QString::fromUtf8(Clipboard()->GetBuffer(fillClipboardFormat()));
    std::vector<std::pair<const FillRecord::Key *, int>> found;
    QByteArray pic, back;
    bool havePic = false, haveBack = false;
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (!line.startsWith(QLatin1String("SaveObject.")))
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString name = line.mid(11, eq - 11).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (name == QLatin1String("Picture.Data") || name == QLatin1String("BackGroundPicture.Data")) {
            if (!value.startsWith(QLatin1Char('{')) || !value.endsWith(QLatin1Char('}')))
                noHex();
            const QString hex = value.mid(1, value.size() - 2);
            (name.startsWith(QLatin1String("Picture")) ? pic : back) = fromHex(hex, int(hex.size()));
            (name.startsWith(QLatin1String("Picture")) ? havePic : haveBack) = true;
            continue;
        }
        for (const FillRecord::Key &k : FillRecord::Keys())
            if (name == QLatin1String(k.name)) {
                int v = 0;
                if (!TryStrToInt(value, v) || v < k.lo || v > k.hi)
                    throw EConvertError(QStringLiteral("Invalid value for \"%1\"").arg(name));
                found.emplace_back(&k, v);
            }
    }
    for (const auto &[key, v] : found)
        if (key->get(*this) != v) {
            key->put(*this, v);
            Changed();
        }
    if (haveBack)
        loadPicture(backGroundPicture_.get(), back);
    if (havePic)
        loadPicture(picture_.get(), pic);
}
