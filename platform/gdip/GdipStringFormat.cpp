// String formats: layout options read by the text drawing.

#include "GdipInternal.h"

Status GdipCreateStringFormat(INT formatAttributes, LANGID language,
                              GpStringFormat **format)
{
    auto *f = new GpStringFormat;
    f->flags = formatAttributes;
    f->language = language;
    return gdipNew(format, f);
}

Status GdipCloneStringFormat(const GpStringFormat *format,
                             GpStringFormat **newFormat)
{
    if (!format)
        return InvalidParameter;
    return gdipNew(newFormat, new GpStringFormat(*format));
}

Status GdipDeleteStringFormat(GpStringFormat *format)
{
    return gdipDelete(format);
}

namespace {
bool validAlign(StringAlignment a)
{
    return a >= StringAlignmentNear && a <= StringAlignmentFar;
}
} // namespace

Status GdipSetStringFormatAlign(GpStringFormat *format, StringAlignment align)
{
    if (!format || !validAlign(align))
        return InvalidParameter;
    format->align = align;
    return Ok;
}

Status GdipGetStringFormatAlign(const GpStringFormat *format,
                                StringAlignment *align)
{
    return gdipGet(format, align, [](const auto &o) { return o.align; });
}

Status GdipSetStringFormatLineAlign(GpStringFormat *format,
                                    StringAlignment align)
{
    if (!format || !validAlign(align))
        return InvalidParameter;
    format->lineAlign = align;
    return Ok;
}

Status GdipGetStringFormatLineAlign(const GpStringFormat *format,
                                    StringAlignment *align)
{
    return gdipGet(format, align, [](const auto &o) { return o.lineAlign; });
}

Status GdipSetStringFormatTrimming(GpStringFormat *format,
                                   StringTrimming trimming)
{
    if (!format || trimming < StringTrimmingNone
        || trimming > StringTrimmingEllipsisPath)
        return InvalidParameter;
    format->trimming = trimming;
    return Ok;
}

Status GdipGetStringFormatTrimming(const GpStringFormat *format,
                                   StringTrimming *trimming)
{
    return gdipGet(format, trimming, [](const auto &o) { return o.trimming; });
}

Status GdipSetStringFormatFlags(GpStringFormat *format, INT flags)
{
    if (!format)
        return InvalidParameter;
    format->flags = flags;
    return Ok;
}

Status GdipGetStringFormatFlags(const GpStringFormat *format, INT *flags)
{
    return gdipGet(format, flags, [](const auto &o) { return o.flags; });
}

Status GdipSetStringFormatHotkeyPrefix(GpStringFormat *format,
                                       INT hotkeyPrefix)
{
    if (!format || hotkeyPrefix < HotkeyPrefixNone
        || hotkeyPrefix > HotkeyPrefixHide)
        return InvalidParameter;
    format->hotkeyPrefix = hotkeyPrefix;
    return Ok;
}

Status GdipGetStringFormatHotkeyPrefix(const GpStringFormat *format,
                                       INT *hotkeyPrefix)
{
    return gdipGet(format, hotkeyPrefix, [](const auto &o) { return o.hotkeyPrefix; });
}
