// Start-up of the drawing services, the wrappers' heap and the colour rules.

#include "SmGDIP.h"

#include "FontSubstitution.h"

#include <new>

namespace {

GdiplusStartupInput startupInput;
GdiplusStartupOutput startupOutput;
uintptr_t startupToken = 0;

// Family names go through the one substitution table of the windowing
// layer, so that the styled controls measure text as the canvases do.
QString resolveFamily(const QString &name)
{
    return IsKnownFontFamily(name) ? SubstituteFontFamily(name) : QString();
}

// The unit's initialisation and finalisation.
struct UnitLifetime {
    UnitLifetime() { GdiplusUnitStartup(); }
    ~UnitLifetime() { GdiplusUnitShutdown(); }
} unitLifetime;

} // namespace

void GdiplusUnitStartup()
{
    if (startupToken != 0)
        return;
    startupInput.GdiplusVersion = 1;
    startupInput.DebugEventCallback = nullptr;
    startupInput.SuppressBackgroundThread = 1;
    startupInput.SuppressExternalCodecs = 0;
    startupOutput = GdiplusStartupOutput{};
    GdipSetFamilyResolver(&resolveFamily);
    GdiplusStartup(&startupToken, &startupInput, &startupOutput);
}

void GdiplusUnitShutdown()
{
    if (startupToken == 0)
        return;
    GdiplusShutdown(startupToken);
    startupToken = 0;
}

void *TGdiplusBase::operator new(size_t size)
{
    void *p = GdipAlloc(size);
    if (!p) {
        // Started too late (or shut down): start once more and retry.
        GdipSetFamilyResolver(&resolveFamily);
        GdiplusStartup(&startupToken, &startupInput, &startupOutput);
        p = GdipAlloc(size);
    }
    if (!p)
        throw std::bad_alloc();
    return p;
}

void TGdiplusBase::operator delete(void *ptr)
{
    GdipFree(ptr);
}

Status TGdiplusBase::GetLastStatus()
{
    const Status s = lastResult;
    lastResult = Ok;
    return s;
}

ARGB PackArgb(Byte alpha, Byte red, Byte green, Byte blue)
{
    return (ARGB(alpha) << 24) | (ARGB(red) << 16) | (ARGB(green) << 8) | ARGB(blue);
}

ARGB PackArgb(Byte red, Byte green, Byte blue)
{
    return PackArgb(255, red, green, blue);
}

ARGB ArgbFromColor(Byte alpha, TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return PackArgb(alpha, Byte(GetRValue(rgb)), Byte(GetGValue(rgb)),
                    Byte(GetBValue(rgb)));
}

ARGB OpaqueArgbFromColor(TColor color)
{
    return ArgbFromColor(255, color);
}
