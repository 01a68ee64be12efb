// Font families and fonts.

#include "GdipInternal.h"

#include <QFontDatabase>
#include <cmath>

namespace {
GdipFamilyResolver familyResolver = nullptr;
} // namespace

void GdipSetFamilyResolver(GdipFamilyResolver resolver)
{
    familyResolver = resolver;
}

namespace gdip {

QString resolveFamily(const QString &name)
{
    if (name.isEmpty())
        return QString();
    if (familyResolver)
        return familyResolver(name);
    const QStringList installed = QFontDatabase::families();
    for (const QString &f : installed)
        if (f.compare(name, Qt::CaseInsensitive) == 0)
            return f;
    for (const QString &sub : QFont::substitutes(name))
        for (const QString &f : installed)
            if (f.compare(sub, Qt::CaseInsensitive) == 0)
                return f;
    return QString();
}

qreal emPixels(REAL emSize, Unit_ unit)
{
    switch (unit) {
    case UnitPoint: return emSize * 96.0 / 72.0;
    case UnitInch: return emSize * 96.0;
    case UnitDocument: return emSize * 96.0 / 300.0;
    case UnitMillimeter: return emSize * 96.0 / 25.4;
    default: return emSize;
    }
}

QFont qfontOf(const GpFont &font)
{
    QFont f(font.family);
    f.setPixelSize(std::max(1, int(std::lround(emPixels(font.emSize, font.unit)))));
    f.setBold(font.style & FontStyleBold);
    f.setItalic(font.style & FontStyleItalic);
    f.setUnderline(font.style & FontStyleUnderline);
    f.setStrikeOut(font.style & FontStyleStrikeout);
    return f;
}

} // namespace gdip

namespace {
Status generic(const char *const *candidates, QFontDatabase::SystemFont kind,
               GpFontFamily **out)
{
    if (!out)
        return InvalidParameter;
    QString name;
    for (const char *const *c = candidates; *c && name.isEmpty(); ++c)
        name = gdip::resolveFamily(QString::fromLatin1(*c));
    if (name.isEmpty())
        name = QFontDatabase::systemFont(kind).family();
    auto *f = new GpFontFamily;
    f->name = name;
    *out = f;
    return Ok;
}
} // namespace

Status GdipCreateFontFamilyFromName(const WCHAR *name,
                                    GpFontCollection *fontCollection,
                                    GpFontFamily **fontFamily)
{
    if (!name || !fontFamily)
        return InvalidParameter;
    const QString resolved = gdip::resolveFamily(gdip::toQString(name, -1));
    if (resolved.isEmpty())
        return FontFamilyNotFound;
    auto *f = new GpFontFamily;
    f->name = resolved;
    *fontFamily = f;
    return Ok;
}

Status GdipDeleteFontFamily(GpFontFamily *fontFamily)
{
    return gdipDelete(fontFamily);
}

Status GdipGetFamilyName(const GpFontFamily *family, WCHAR *name,
                         INT nameLength, LANGID language)
{
    if (!family || !name || nameLength <= 0)
        return InvalidParameter;
    const INT n = std::min<INT>(INT(family->name.size()), nameLength - 1);
    for (INT i = 0; i < n; ++i)
        name[i] = family->name.at(i).unicode();
    name[n] = 0;
    return Ok;
}

Status GdipGetGenericFontFamilySansSerif(GpFontFamily **nativeFamily)
{
    static const char *const names[] = {"Microsoft Sans Serif", "Arial",
                                        "Liberation Sans", "DejaVu Sans",
                                        nullptr};
    return generic(names, QFontDatabase::GeneralFont, nativeFamily);
}

Status GdipGetGenericFontFamilySerif(GpFontFamily **nativeFamily)
{
    static const char *const names[] = {"Times New Roman", "Liberation Serif",
                                        "DejaVu Serif", nullptr};
    return generic(names, QFontDatabase::GeneralFont, nativeFamily);
}

Status GdipGetGenericFontFamilyMonospace(GpFontFamily **nativeFamily)
{
    static const char *const names[] = {"Courier New", "Liberation Mono",
                                        "DejaVu Sans Mono", nullptr};
    return generic(names, QFontDatabase::FixedFont, nativeFamily);
}

Status GdipCreateFont(const GpFontFamily *fontFamily, REAL emSize, INT style,
                      INT unit, GpFont **font)
{
    if (!fontFamily || !font || emSize <= 0 || unit == UnitDisplay
        || unit < UnitWorld || unit > UnitMillimeter)
        return InvalidParameter;
    auto *f = new GpFont;
    f->family = fontFamily->name;
    f->emSize = emSize;
    f->style = style;
    f->unit = static_cast<Unit_>(unit);
    *font = f;
    return Ok;
}

Status GdipDeleteFont(GpFont *font)
{
    return gdipDelete(font);
}

Status GdipGetFontSize(GpFont *font, REAL *size)
{
    return gdipGet(font, size, [](const auto &o) { return o.emSize; });
}
